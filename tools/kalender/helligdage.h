#pragma once

#include <QDate>
#include <QList>
#include <QString>

// Easter Sunday of a Gregorian year by Gauss's rule, used the same way for every year.
QDate beregnPaaskeS(int aar);

// One row of the holiday list: its caption, the name of its value label, the text the label shows
// before any year is found, the date and the text the label shows for it.
struct Helligdag {
    QString navn;
    const char* label;
    QString start;
    QDate dato;
    QString tekst;
};

// The twelve Danish holidays of a year (1..9999) in the order the list shows them, from
// Skærtorsdag to Nytårsdag of the following year.
QList<Helligdag> helligdage(int aar);
