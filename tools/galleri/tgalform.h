#pragma once

#include <QWidget>

class Afkortettekst;
class Handlingsregler;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TBibPan;
class TBitmapX;
class TProgressCompo;
class TRammeFeltX;
class TRulskakt;
class Tmainform;

// The window "Billeder": the pictures of the current element's folder as a grid of thumbnails
// in a chosen size and field colour; the selected picture's name and size, and the explorer's
// file actions on the selected picture or the folder.
class TGalForm : public QWidget {
    Q_OBJECT
public:
    TGalForm(Tmainform& main, bool internt);
    ~TGalForm() override;

    // Reads the pictures of the current element's folder, or of mappe, in columns × rows fields.
    void loadBilleder(int columns, int rows);
    void visMappe(const QString& mappe, int columns, int rows);
    void setBgFarve(int index);
    void BibInfo(int item, bool show);

    int AntalV = 1;
    int AntalL = 1;
    QString picFilnavn;
    const bool showInternt;
    // Where a window of its own stands when "Gallery.txt" does not say: left, top, height.
    static inline const QList<int> placering = {20, 40, 580};
    static constexpr int eksternBredde = 900;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* byggeVenstre();
    QWidget* byggeMidte();
    QWidget* byggeHoejre();
    QToolButton* feltknap(const char* navn, int v, int l, const char* menuNavn, const QList<QList<QSize>>& grupper);
    QToolButton* farveknap();
    QWidget* antalGruppe(const QString& titel, QLineEdit*& edit, const char* editNavn, const char* plusNavn,
                         const char* minusNavn, bool vandret);
    void byggeHandlinger();
    QAction* handling(const char* navn) const;
    void forbindPanel();
    // The four plus and minus buttons: the panel empties, then the count changes by one.
    void aendrAntal(bool vandret, int trin);
    void anvendAntal();
    void opdaterRul();
    // The grid buttons: the one of the grid shown stands pressed.
    void visFeltknapper();
    // The field frames in the colours of the design: the selected picture's mark in its highlight.
    void anvendPalet();
    void slet();
    void aktiveret();

    Tmainform& main;
    Handlingsregler* regler;
    TRammeFeltX* BibRF;
    TBitmapX* BibBitmap;
    TBibPan* BibPan = nullptr;
    TRulskakt* BibRul = nullptr;
    TProgressCompo* StepPan = nullptr;
    QLabel* BibFelt = nullptr;
    QLineEdit* BVedit = nullptr;
    QLineEdit* BLedit = nullptr;
    QLineEdit* antalEdit = nullptr;
    Afkortettekst* Navnfelt = nullptr;
    QLineEdit* Breddefelt = nullptr;
    QLineEdit* Hojdefelt = nullptr;
    QLineEdit* mappeFelt = nullptr;
    QToolButton* colButton2 = nullptr;
    QList<std::pair<QToolButton*, QSize>> feltknapper;
    QHash<QObject*, QString> statusTekster;
    int infoItem = -1;
    bool opstart = true;
};

void registrerGalleri(Tmainform& main);
