#pragma once

#include "app/elementvinduer.h"
#include "tools/findtekst/dokumentsoegning.h"
#include "tools/findtekst/filtertyper.h"

#include <QStringList>
#include <QWidget>

class Fundmodel;
class Handlingsregler;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTreeWidget;
class Tekstsoegning;
class Tmainform;

// The window "Find tekst": searches the documents of one folder of one type for a word or
// phrase and lists every hit with its document, position and line; from the list documents are
// shown in an explorer, run, opened for editing or opened all together with the chosen program.
// Its second page keeps the list of document types offered in the filter box.
class Tfindform : public QWidget, public TekstSoegVindue, public AabnesAfBruger {
    Q_OBJECT
public:
    // Documents are read by laeser.
    Tfindform(Tmainform& main, bool internt, Dokumentlaeser laeser = laesDokument);

    bool visType(const QString& moenster) override;
    void aabnetAfBruger() override;

    // The search, and Stop while it runs.
    void FindSD();
    bool soeger() const;
    void aAktuelle();
    void vaelgFilFraDisk();
    void aFind();
    void ArunValgte();
    void AvisValgte();
    void AopenAll();
    void AsletAlt();
    void Afjern();
    // Opens a document with the verb "edit" or "open", falling back on the other.
    void DokumentOpen(const QString& sti, bool edit);

    // The type list.
    void HentTypeliste();
    void LoadTypeliste();
    void LoadFilterBoks();
    void GemTypeliste();
    void indfoerType();
    void sletType();
    void standardTyper();
    void flytType(int retning);
    bool ErExtListet(const QString& aaExt);

    const bool showInternt;
    QString Mappe;  // the search folder, ending in "/"
    QString FTekst;
    QList<Filtertype> filliste;
    QString typelistenavn;
    QString optFilnavn;
    int filterItemIndex = 0;
    // Where a window of its own stands when its option file does not say.
    static inline const QList<int> placering = {20, 40, 576, 728};

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* byggeSoegeside();
    QWidget* byggeFiltreside();
    QAction* handling(const char* navn, const QString& tekst, const QString& hint, void (Tfindform::*udfoer)(),
                      std::function<bool()> aktiv);
    void saetMappe(const QString& mappe);
    // Chooses the type of pattern on the search page, or turns to the page of types.
    bool vaelgType(const QString& moenster);
    void soegningSlut(const Soegeresultat& resultat);
    QList<int> valgteRaekker() const;
    // The document of the one selected row, or a message when the file is gone.
    QString valgtDokument(const QString& mangler);
    QList<Filtertype> typerIListen() const;
    void typelisteAendret();
    void HentOpt();
    void GemOpt();

    Tmainform& main;
    Handlingsregler* regler;
    Tekstsoegning* soegning;
    Fundmodel* fund;
    QTabWidget* sider = nullptr;
    QLineEdit* dirEdit = nullptr;
    QComboBox* filterBoks = nullptr;
    QComboBox* EditFind = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QTableView* findis = nullptr;
    QLabel* countdis = nullptr;
    QAction* AfindBib = nullptr;
    QTreeWidget* typeliste = nullptr;
    QLineEdit* tekstedit = nullptr;
    QLineEdit* typeedit = nullptr;
    QPushButton* gemKnap = nullptr;
    bool typerAendret = false;
    bool laderTyper = false;
};

void registrerFindtekst(Tmainform& main);
