#pragma once

#include "app/elementvinduer.h"

#include <QDate>
#include <QWidget>

class Datoforskelside;
class Datogruppe;
class Handlingsregler;
class Helligdagspanel;
class QLineEdit;
class QPlainTextEdit;
class Tmainform;

// The window "Kalender": on the page "Kalender" a month grid whose selected date has a note of
// its own ("Dagens notater") and a dated folder in the calendar folder; on the page
// "Datoforskelle" the difference between two dates; at the side the Danish holidays of a year.
class Tkalenderform : public QWidget, public MaaLukke {
    Q_OBJECT
public:
    Tkalenderform(Tmainform& main, bool internt);

    // Unsaved typing in the note is saved or dropped as the user answers; false only when it
    // was to be saved and could not be.
    bool maaLukke() override;

    Datogruppe* kalenderGruppe() const { return kalender; }
    Datoforskelside* datoforskelle() const { return Side2; }
    Helligdagspanel* findDatoer() const { return panel; }

    void kalenderChange();
    void opretMappe();
    void InsertMappeButtonClick();
    void aMemoGemExecute();
    void aMemoSletExecute();

    const bool showInternt;
    // The note file the note field shows; empty when the date shown has no note.
    QString memoFilename;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* byggeKalenderside();
    // Every activation: today's date on the "I dag" buttons, the hints as the main window says,
    // and the year label of the holidays emptied.
    void aktiveret();
    // Shows the note of a date in the note field.
    void visNotat(const QDate& dato);
    // The note field may show another date's note: it holds no unsaved typing, or the user had
    // it saved or dropped.
    bool notatKanForlades();
    bool gemNotat();

    Tmainform& main;
    Handlingsregler* regler;
    Datogruppe* kalender = nullptr;
    Datoforskelside* Side2 = nullptr;
    Helligdagspanel* panel = nullptr;
    QLineEdit* mappeEdit = nullptr;
    QPlainTextEdit* kalnotatMemo = nullptr;
    // The date whose note the note field holds.
    QDate notatDato;
};

void registrerKalender(Tmainform& main);
