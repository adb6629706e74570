#include "core/genveje.h"

#include "core/pathhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

QStringList genvejsfiler(const QString& mappe)
{
    QStringList filer;
    const QFileInfoList poster =
        QDir(mappe).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& post : poster) {
        const QString navn = post.fileName();
        if (navn.size() <= 4 || !sammeTekst(navn.right(4), QStringLiteral(".lnk")))
            continue;
        if (post.isSymLink() || post.isFile())
            filer.append(navn);
    }
    std::sort(filer.begin(), filer.end(),
              [](const QString& a, const QString& b) { return sammenlignTekst(a.chopped(4), b.chopped(4)) < 0; });
    return filer;
}
