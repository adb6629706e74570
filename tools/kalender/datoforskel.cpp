#include "tools/kalender/datoforskel.h"

#include <utility>

Datoforskel beregnDatoforskel(const QDate& a, const QDate& b)
{
    auto [fra, til] = a <= b ? std::pair(a, b) : std::pair(b, a);
    // The months as the calendar counts them, one too many when the later date's day is not
    // reached yet.
    int maaneder = (til.year() - fra.year()) * 12 + til.month() - fra.month();
    if (fra.addMonths(maaneder) > til)
        --maaneder;
    return {maaneder / 12, maaneder % 12, int(fra.addMonths(maaneder).daysTo(til)), fra.daysTo(til)};
}

QString forskelTekst(const Datoforskel& forskel)
{
    return QString::number(forskel.aar) + QStringLiteral(" år, ") + QString::number(forskel.maaneder)
        + (forskel.maaneder == 1 ? QStringLiteral(" måned samt ") : QStringLiteral(" måneder samt "))
        + QString::number(forskel.dage) + (forskel.dage == 1 ? QStringLiteral(" dag.") : QStringLiteral(" dage."));
}

QString ialtTekst(const Datoforskel& forskel) { return QString::number(forskel.ialt) + QStringLiteral(" dage ialt."); }

QStringList datediffLinjer(const Datoforskel& forskel)
{
    return {QString::number(forskel.aar), QString::number(forskel.maaneder), QString::number(forskel.dage),
            QString::number(forskel.ialt)};
}
