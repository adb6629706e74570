#include "core/listefiler.h"

QList<TReopenRec> reopenPoster(const QStringList& linjer)
{
    QList<TReopenRec> poster;
    for (qsizetype i = 0; i < linjer.size(); i += 2)
        poster.append({linjer[i], linjer.value(i + 1)});
    return poster;
}

Programliste programlisteFraLinjer(const QStringList& linjer)
{
    Programliste resultat;
    bool tal = false;
    const int antal = linjer.value(0).trimmed().toInt(&tal);
    if (!tal || antal < 0) {
        resultat.helt = linjer.isEmpty();
        return resultat;
    }
    for (int i = 0; i < antal; ++i) {
        const qsizetype start = 1 + 4 * qsizetype(i);
        bool gyldig = false;
        const int showType = linjer.value(start + 3).trimmed().toInt(&gyldig);
        if (start + 3 >= linjer.size() || !gyldig || showType < 0 || showType > 255) {
            resultat.helt = false;
            return resultat;
        }
        resultat.programmer.append({linjer[start], linjer[start + 1], linjer[start + 2], showType});
    }
    return resultat;
}
