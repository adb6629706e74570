#include "tools/kalender/datofelter.h"

#include <algorithm>

int EditInteger(const QString& tekst)
{
    QString cifre;
    for (const QChar tegn : tekst)
        if (tegn >= u'0' && tegn <= u'9')
            cifre.append(tegn);
    bool ok = false;
    const int tal = cifre.toInt(&ok);
    if (!ok)
        return 0;
    return tekst.startsWith(u'-') ? -tal : tal;
}

QDate opdateretDato(const QDate& valgt, int dag, int maaned, int aar)
{
    const int y = aar >= foersteDato().year() && aar <= sidsteDato().year() ? aar : valgt.year();
    const int m = maaned >= 1 && maaned <= 12 ? maaned : valgt.month();
    const int d = dag >= 1 ? dag : valgt.day();
    return QDate(y, m, std::min(d, QDate(y, m, 1).daysInMonth()));
}

QDate datoAfFelter(const QString& dag, const QString& maaned, const QString& aar)
{
    bool okDag = false, okMaaned = false, okAar = false;
    const QDate dato(aar.toInt(&okAar), maaned.toInt(&okMaaned), dag.toInt(&okDag));
    if (!okDag || !okMaaned || !okAar || dato < foersteDato() || dato > sidsteDato())
        return {};
    return dato;
}
