#include "core/genveje.h"

#include "core/pathhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

QStringList genvejsnavne(const QString& mappe)
{
    QStringList navne;
    const QFileInfoList poster =
        QDir(mappe).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& post : poster) {
        const QString navn = post.fileName();
        if (navn.size() <= 4 || !sammeTekst(navn.right(4), QStringLiteral(".lnk")))
            continue;
        if (post.isSymLink() || post.isFile())
            navne.append(navn.chopped(4));
    }
    std::sort(navne.begin(), navne.end(), [](const QString& a, const QString& b) { return sammenlignTekst(a, b) < 0; });
    return navne;
}
