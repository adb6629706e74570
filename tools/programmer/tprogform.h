#pragma once

#include <QHash>
#include <QWidget>

class Afkortettekst;
class Handlingsregler;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Tmainform;

// The window "Programmer" where the user adds programs to the program list, removes them, orders
// them, and picks well-known programs found on the system. It works on the main window's list.
class TProgform : public QWidget {
    Q_OBJECT
public:
    TProgform(Tmainform& main, bool internt);

    // Fills the list with the programs' captions.
    void visProgrammer();
    void aExeFile();
    void aInsertProgram();
    // Shows the buttons of the well-known programs that are on the system and not listed yet.
    void checkForProgrammer();
    void flyt(int retning);
    // Writes the list, reloads it (icons and submenu in the new order) and refills both lists.
    void AGem();
    // Asks whether the chosen program is to be removed.
    void ADelprog();
    void fjern(bool ja);

    const bool showInternt;
    int SletNr = -1;
    bool listeForandret = false;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggeVenstre();
    QWidget* byggeHoejre();
    QWidget* byggeKendte();
    // The chosen program's place and caption, or none.
    void vaelg(int nr);
    // Takes a program into the list as a new entry, writes the list and shows it on the program page.
    void tilfoej(const QString& sti, const QString& caption, int showType);
    void rydFelter();

    Tmainform& main;
    Handlingsregler* regler;
    bool opstart = true;
    QLabel* progInfLabel = nullptr;
    QListWidget* programListe = nullptr;
    Afkortettekst* fileText = nullptr;
    QLabel* spmLabel = nullptr;
    QPushButton* jaKnap = nullptr;
    QPushButton* nejKnap = nullptr;
    QLineEdit* filEdit = nullptr;
    QLabel* IconDis = nullptr;
    QLineEdit* CapEdit = nullptr;
    QCheckBox* maxTekstCheck = nullptr;
    QLabel* addText = nullptr;
    QLineEdit* placeringEdit = nullptr;
    // The place found for each well-known program by the last check, by its button's name.
    QHash<QString, QString> kendteStier;
};

void registrerProgrammer(Tmainform& main);
