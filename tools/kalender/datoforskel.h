#pragma once

#include <QDate>
#include <QStringList>

// The difference between two dates, counted from the earlier as an age is: whole years, then
// whole months, then days; and the days in all. It is the same whichever date comes first.
struct Datoforskel {
    int aar = 0;
    int maaneder = 0;
    int dage = 0;
    qint64 ialt = 0;
};

// A month later from the 31st is the next month's last day when it is shorter (31 January and
// one month: 28 or 29 February).
Datoforskel beregnDatoforskel(const QDate& a, const QDate& b);

// "0 år, 1 måned samt 24 dage."
QString forskelTekst(const Datoforskel& forskel);
// "55 dage ialt."
QString ialtTekst(const Datoforskel& forskel);
// The four lines of "datediff.txt": years, months, days and days in all.
QStringList datediffLinjer(const Datoforskel& forskel);
