#include "core/strukturnavne.h"

#include "core/pathhelpers.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

std::optional<QStringList> strukturnavne(const QString& mappe)
{
    const QFileInfo info(mappe);
    if (!info.exists())
        return QStringList();
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    QStringList navne;
    for (const QFileInfo& fil : QDir(mappe).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        if (sammeTekst(fil.suffix(), QStringLiteral("txt")) && fil.fileName().size() > 4)
            navne.append(fil.fileName().chopped(4));
    std::sort(navne.begin(), navne.end(), [](const QString& a, const QString& b) { return sammenlignTekst(a, b) < 0; });
    return navne;
}

std::optional<QString> strukturnavnTilGem(const QString& tekst)
{
    const qsizetype punktum = tekst.lastIndexOf(u'.');
    const QString navn = punktum < 0 ? tekst : tekst.left(punktum);
    if (navn.trimmed().isEmpty() || tekst.contains(u'/'))
        return std::nullopt;
    return navn;
}

QStringList strukturmapper(const QString& fil)
{
    QStringList mapper = platform::readTextLines(fil).value_or(QStringList());
    mapper.removeIf([](const QString& linje) { return linje.trimmed().isEmpty(); });
    return mapper;
}
