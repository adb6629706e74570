#pragma once

#include <QDate>
#include <QString>

// The day, month and year fields of a date group.

// The number a field's text holds: its digits in order, every other character dropped, negated
// when the text starts with "-"; 0 when there is no digit or more than a whole number holds.
int EditInteger(const QString& tekst);

// The date "Opdater" selects from the numbers of the three fields, the grid showing valgt: a part
// that is zero or out of range (a month over 12, a year outside 1..9999) keeps the grid's part,
// and a day past the month's end becomes its last day. Day, month and year are taken together,
// so the 31st typed with March while February is shown gives 31 March.
QDate opdateretDato(const QDate& valgt, int dag, int maaned, int aar);

// The date the three field texts form as they stand; invalid when they form none.
QDate datoAfFelter(const QString& dag, const QString& maaned, const QString& aar);

// The first and last dates the date groups show.
inline QDate foersteDato() { return QDate(1, 1, 1); }
inline QDate sidsteDato() { return QDate(9999, 12, 31); }
