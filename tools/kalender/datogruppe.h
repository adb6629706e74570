#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// A date group: a month grid with weeks from Monday, the fields day, month and year that mirror
// its selected date, "Opdater" that selects the date typed, buttons a month and a year back and
// forward, and "I dag: " with today's date, which selects today. The calendar page has one, the
// page of date differences two.
class Datogruppe : public QWidget {
    Q_OBJECT
public:
    // nr is part of the names of the controls: "" gives kalender, dayEdit, opdaterKnap, mPrev,
    // datoLabel ...; "1" gives kalender1, day1Edit, opdater1Knap, m1Prev, dato1Label ...
    Datogruppe(const QString& nr, QWidget* parent);

    QCalendarWidget* kalender() const { return grid; }
    QDate dato() const;
    // Selects a date within the grid's range; a date outside it changes nothing.
    void vaelg(const QDate& dato);
    // The date the three fields form as they stand; invalid when they form none.
    QDate feltdato() const;
    // "I dag: " and today's date in the user's short date format.
    void visIDag();

    void opdaterKnapClick();
    void flytMaaneder(int antal);
    void flytAar(int antal);

private:
    // The fields show the grid's day, month and year.
    void visFelter();

    QCalendarWidget* grid;
    QLineEdit* dayEdit;
    QLineEdit* monthEdit;
    QLineEdit* yearEdit;
    QPushButton* datoLabel;
};
