#include "platform/trash.h"

#include "platform/drives.h"
#include "platform/filecopy.h"
#include "platform/filedelete.h"
#include "platform/filesystem.h"
#include "platform/registry.h"
#include "platform/userfolders.h"

#include <QDateTime>
#include <QDir>
#include <QUrl>
#include <cerrno>
#include <fcntl.h>
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

QString stiMedRod(const QString& top, const QString& navn)
{
    return top.endsWith(u'/') ? top + navn : top + u'/' + navn;
}

bool egenMappe(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

}  // namespace

namespace {

// The mount point of the file system that holds path.
QString monteringAf(const QString& path)
{
    QString best = QStringLiteral("/");
    for (const DriveInfo& drive : get<Drives>().mounted()) {
        const QString& rod = drive.mountPoint;
        if ((path == rod || path.startsWith(rod + u'/')) && rod.size() > best.size())
            best = rod;
    }
    return best;
}

// A trash folder with its "files" and "info" folders, made when missing; empty when it cannot be
// used (not a real folder of ours).
QString klarPapirkurv(const QString& trash)
{
    for (const QString& del : {trash, trash + QStringLiteral("/files"), trash + QStringLiteral("/info")}) {
        const QByteArray bytes = QFile::encodeName(del);
        if (::mkdir(bytes.constData(), 0700) != 0 && errno != EEXIST)
            return {};
        struct stat st;
        if (::lstat(bytes.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
            return {};
    }
    return trash;
}

// The trash for what is deleted from path, and the path as its information file names it.
std::pair<QString, QString> papirkurvFor(const QString& path, const struct stat& st)
{
    const QString dataHome = get<UserFolders>().path(UserFolder::AppData);
    QDir().mkpath(dataHome);
    struct stat hjem;
    if (::stat(QFile::encodeName(dataHome).constData(), &hjem) == 0 && hjem.st_dev == st.st_dev)
        return {klarPapirkurv(dataHome + QStringLiteral("/Trash")), path};
    const QString top = monteringAf(path);
    const QString relativ = QDir(top).relativeFilePath(path);
    const QString uid = QString::number(::getuid());
    const QString faelles = stiMedRod(top, QStringLiteral(".Trash"));
    struct stat fs;
    const QByteArray faellesBytes = QFile::encodeName(faelles);
    if (::lstat(faellesBytes.constData(), &fs) == 0 && S_ISDIR(fs.st_mode) && (fs.st_mode & S_ISVTX))
        if (const QString trash = klarPapirkurv(faelles + u'/' + uid); !trash.isEmpty())
            return {trash, relativ};
    if (const QString trash = klarPapirkurv(stiMedRod(top, QStringLiteral(".Trash-") + uid)); !trash.isEmpty())
        return {trash, relativ};
    // A mount where no trash can be made (read-only, or its top is not ours to write): the home
    // trash takes the element, by copying.
    return {klarPapirkurv(dataHome + QStringLiteral("/Trash")), path};
}

// Puts path at maal on another file system: a whole copy first, written to disk, then path is
// removed; when the copy or the writing to disk fails the copy is removed again and path stays.
// 0, or the system's error code.
int flytKopierende(const QString& path, const QString& maal)
{
    const QByteArray kilde = QFile::encodeName(path);
    const QByteArray til = QFile::encodeName(maal);
    int fejl = kopierTrae(kilde, til);
    if (!fejl)
        fejl = skrivTilDisk(maal);
    if (fejl) {
        sletTrae(til);
        return fejl;
    }
    return sletTrae(kilde);
}

}  // namespace

bool flytTilPapirkurv(const QString& path, int* errnoUd)
{
    const auto fejl = [errnoUd](int kode) {
        if (errnoUd)
            *errnoUd = kode;
        return false;
    };
    const QString sti = QFileInfo(path).absoluteFilePath();
    struct stat st;
    if (::lstat(QFile::encodeName(sti).constData(), &st) != 0)
        return fejl(errno);
    const auto [trash, navngivet] = papirkurvFor(sti, st);
    if (trash.isEmpty())
        return fejl(EACCES);
    const QString navn = QFileInfo(sti).fileName();
    const QByteArray indhold = "[Trash Info]\nPath=" + QUrl::toPercentEncoding(navngivet, "/") + "\nDeletionDate="
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + "\n";
    for (int n = 1; n < 10000; ++n) {
        const QString kandidat = n == 1 ? navn : navn + QStringLiteral(".%1").arg(n);
        const QByteArray info = QFile::encodeName(trash + QStringLiteral("/info/") + kandidat + QStringLiteral(".trashinfo"));
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fejl(errno);
        }
        const bool skrevet = ::write(fd, indhold.constData(), size_t(indhold.size())) == indhold.size();
        ::close(fd);
        const QString maal = trash + QStringLiteral("/files/") + kandidat;
        if (skrevet && renameNoReplace(sti, maal))
            return true;
        if (skrevet && errno == EXDEV && !entryExists(maal)) {
            const int fejlet = flytKopierende(sti, maal);
            if (fejlet == 0)
                return true;
            ::unlink(info.constData());
            return fejl(fejlet);
        }
        const int kode = errno;
        ::unlink(info.constData());
        if (kode == EEXIST)
            continue;
        return fejl(kode ? kode : EIO);
    }
    return fejl(EEXIST);
}

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
