#include "app/foldercopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString unfinishedMarker = QStringLiteral(".ufaerdig-");

bool copyFile(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(buffer, got) != got)
            return false;
    }
    // Installed scripts stay executable.
    return out.commit() && QFile::setPermissions(target, in.permissions());
}

bool copyContent(const QString& source, const QString& target)
{
    if (!QDir().mkpath(target))
        return false;
    const QDir dir(source);
    const auto entries = dir.entryInfoList(QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System
                                           | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        const QString to = target + u'/' + entry.fileName();
        if (entry.isDir()) {
            if (!copyContent(entry.filePath(), to))
                return false;
        } else if (entry.isFile()) {
            if (!copyFile(entry.filePath(), to))
                return false;
        }
    }
    return true;
}

QString temporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + unfinishedMarker
        + QString::number(QCoreApplication::applicationPid());
}

}  // namespace

bool copyFolderWhole(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink() || !QFileInfo(source).isDir())
        return false;
    const QString temporary = temporaryBeside(target);
    QDir(temporary).removeRecursively();
    if (copyContent(source, temporary) && QDir().rename(temporary, target))
        return true;
    QDir(temporary).removeRecursively();
    return false;
}

void removeUnfinishedCopies(const QString& target)
{
    const QFileInfo info(target);
    const QDir parent(info.absolutePath());
    const QString pattern = u'.' + info.fileName() + unfinishedMarker + u'*';
    for (const QFileInfo& left : parent.entryInfoList({pattern}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
        QDir(left.filePath()).removeRecursively();
}
