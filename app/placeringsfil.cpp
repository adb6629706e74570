#include "app/placeringsfil.h"

#include "platform/textfile.h"

int egenPlaceringslinje(const QString& fil, const QList<int>& placering, int standard)
{
    const std::optional<QList<int>> tal = platform::readNumberLines(fil, int(placering.size()) + 1);
    return tal ? tal->last() : standard;
}

void gemEgenPlaceringslinje(const QString& fil, const QList<int>& placering, int vaerdi)
{
    QStringList linjer;
    if (const std::optional<QList<int>> tal = platform::readNumberLines(fil, int(placering.size())))
        for (const int t : *tal)
            linjer.append(QString::number(t));
    else
        for (const int t : placering)
            linjer.append(QString::number(t));
    platform::writeTextLines(fil, linjer << QString::number(vaerdi));
}
