#pragma once

#include <QWidget>
#include <memory>

class Handlingsregler;
class QCheckBox;
class QLabel;
class QTreeWidget;
class QWidget;
class TKlipbordsLister;
class Programkontekst;

// The file clipboard window "Klipbord": the folders and files gathered for the next paste, in
// two ticked lists.
class Tlisteform : public QWidget {
    Q_OBJECT
public:
    // faelles: the one clipboard all explorers share; nummer: the explorer's number otherwise.
    Tlisteform(Programkontekst& main, bool faelles, int nummer);
    ~Tlisteform() override;

    TKlipbordsLister& lister() const { return *klipbord; }
    QString winformCaption;
    QString optfilnavn;
    int elementAntal = 0;

    // Shows entry counts in the explorer(s) of the clipboard; an empty count is left out.
    void udskrivMappeFilInf(const QString& antalMapper, const QString& antalFiler);
    void sletAlt1Execute();
    void sletAlt2Execute();
    void sletBeggeListerExecute();
    void sletValgteFraListe(QTreeWidget* liste);
    // The size calculation has started, or ended with these counts.
    void visBeregning();
    void visStoerrelse(qint64 mapper, qint64 filer, qint64 bytes);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void byggeVindue();
    QWidget* byggeListe(const char* panel, const char* navn, const QString& kolonne, int nummer);
    void taelOgVis(QTreeWidget* liste);
    void saetAfkrydsning(QTreeWidget* liste, bool afkrydset);
    void fjernAfkrydsede(QTreeWidget* liste);
    void gemOpt();

    Programkontekst& main;
    bool faelles;
    QTreeWidget* Mappeliste = nullptr;
    QTreeWidget* Filliste = nullptr;
    QLabel* sizeLabel = nullptr;
    QLabel* mapperLabel = nullptr;
    QLabel* filerLabel = nullptr;
    QLabel* infLabel = nullptr;
    QCheckBox* selectCheck = nullptr;
    QWidget* listePanel = nullptr;
    Handlingsregler* regler = nullptr;
    std::unique_ptr<TKlipbordsLister> klipbord;
};
