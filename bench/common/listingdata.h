#pragma once

#include "bench/common/median.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <fcntl.h>
#include <unistd.h>

// One folder of 1,000 folders and 50,000 empty files, made once, and find listing it.
namespace listingdata {

constexpr int files = 50000;
constexpr int folders = 1000;

inline void make(const QString& dir)
{
    if (QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() == files + folders)
        return;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    for (int i = 0; i < folders; ++i)
        QDir().mkdir(dir + QStringLiteral("/mappe %1").arg(i));
    for (int i = 0; i < files; ++i) {
        const QByteArray path = QFile::encodeName(dir + QStringLiteral("/fil %1.txt").arg(i));
        ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0644));
    }
}

// The median time of find listing the folder, in milliseconds.
inline double findMs(const QString& dir)
{
    return medianMs([&] {
        QProcess process;
        process.start(QStringLiteral("find"), {dir, QStringLiteral("-maxdepth"), QStringLiteral("1"),
                                               QStringLiteral("-printf"), QString()});
        process.waitForFinished(-1);
    });
}

}  // namespace listingdata
