#include "platform/filesystem.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool entryExists(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool renameNoReplace(const QString& from, const QString& to)
{
    return renameNoReplace(QFile::encodeName(from), QFile::encodeName(to));
}

bool renameNoReplace(const QByteArray& source, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link fails when the target exists; folders and
    // file systems without hard links are renamed after a last look.
    if (::link(source.constData(), target.constData()) == 0)
        return ::unlink(source.constData()) == 0;
    struct stat st;
    if (errno == EEXIST || ::lstat(target.constData(), &st) == 0)
        return false;
    return ::rename(source.constData(), target.constData()) == 0;
}

int skrivTilDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int fejl = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return fejl;
}

}  // namespace platform
