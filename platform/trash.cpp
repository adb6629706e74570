#include "platform/trash.h"

#include "platform/registry.h"
#include "platform/userfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool sammeFilsystem(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev;
}

bool egenMappe(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

}  // namespace

QStringList trashFolders(const QString& mountPoint)
{
    QStringList folders;
    const QString home = get<UserFolders>().path(UserFolder::AppData) + QStringLiteral("/Trash");
    if (egenMappe(home) && sammeFilsystem(home, mountPoint))
        folders.append(home);
    const QString uid = QString::number(::getuid());
    const QString root = mountPoint.endsWith(u'/') ? mountPoint : mountPoint + u'/';
    for (const QString& mount : {root + QStringLiteral(".Trash/") + uid, root + QStringLiteral(".Trash-") + uid})
        if (egenMappe(mount) && !folders.contains(mount))
            folders.append(mount);
    return folders;
}

bool emptyTrash(const QString& mountPoint)
{
    bool ok = true;
    for (const QString& trash : trashFolders(mountPoint)) {
        for (const char* del : {"files", "info"}) {
            const QString folder = trash + u'/' + QLatin1String(del);
            if (!egenMappe(folder))
                continue;
            const QDir dir(folder);
            for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
                // A link is removed itself; a folder with all it holds, links inside never followed.
                const bool fjernet = entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                                          : QFile::remove(entry.filePath());
                ok = ok && fjernet;
            }
        }
    }
    return ok;
}

}  // namespace platform
