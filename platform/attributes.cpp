#include "platform/attributes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

QSet<QByteArray> skjulteNavne(const QByteArray& mappe)
{
    QSet<QByteArray> names;
    QFile file(QFile::decodeName(mappe + "/.hidden"));
    if (!file.open(QIODevice::ReadOnly))
        return names;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            names.insert(line);
    }
    return names;
}

bool erSkjult(const QString& sti)
{
    const QFileInfo info(sti);
    return info.fileName().startsWith(u'.') || skjulteNavne(QFile::encodeName(info.path())).contains(QFile::encodeName(info.fileName()));
}

int saetSkjult(const QString& sti, bool skjult)
{
    const QFileInfo info(sti);
    const QByteArray navn = QFile::encodeName(info.fileName());
    if (navn.startsWith('.'))
        return skjult ? 0 : EINVAL;
    const QByteArray mappe = QFile::encodeName(info.path());
    QFile gammel(QFile::decodeName(mappe + "/.hidden"));
    QList<QByteArray> linjer;
    if (gammel.open(QIODevice::ReadOnly))
        linjer = gammel.readAll().split('\n');
    gammel.close();
    // Other programs' entries stay as they are; only this name is added or taken out.
    QList<QByteArray> nye;
    for (const QByteArray& linje : linjer)
        if (!linje.isEmpty() && linje != navn && linje != navn + '\r')
            nye.append(linje);
    if (skjult)
        nye.append(navn);
    QSaveFile fil(gammel.fileName());
    if (!fil.open(QIODevice::WriteOnly))
        return EACCES;
    for (const QByteArray& linje : nye)
        fil.write(linje + '\n');
    return fil.commit() ? 0 : EIO;
}

bool erSkrivebeskyttet(const QString& sti)
{
    struct stat st;
    return ::stat(QFile::encodeName(sti).constData(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

int saetSkrivebeskyttet(const QString& sti, bool skrivebeskyttet)
{
    const QByteArray bytes = QFile::encodeName(sti);
    struct stat st;
    if (::stat(bytes.constData(), &st) != 0)
        return errno;
    const mode_t mode = skrivebeskyttet ? st.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH) : st.st_mode | S_IWUSR;
    return ::chmod(bytes.constData(), mode & 07777) == 0 ? 0 : errno;
}

std::optional<QDateTime> oprettet(const QString& sti)
{
    struct statx st;
    if (::statx(AT_FDCWD, QFile::encodeName(sti).constData(), 0, STATX_BTIME, &st) != 0 || !(st.stx_mask & STATX_BTIME))
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(qint64(st.stx_btime.tv_sec) * 1000 + st.stx_btime.tv_nsec / 1000000);
}

}  // namespace platform
