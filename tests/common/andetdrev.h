#pragma once

#include "platform/filedelete.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>

// A folder on a second file system, for moves across drives, removed with all it holds.
class AndetDrev {
public:
    AndetDrev() : dir(QStringLiteral("/dev/shm/qvmtest-XXXXXX")) { dir.setAutoRemove(false); }
    ~AndetDrev() { platform::sletTrae(QFile::encodeName(dir.path())); }
    QString path() const { return dir.path(); }
    bool brugbar(const QString& hjem) const
    {
        struct stat a, b;
        return dir.isValid() && ::stat(QFile::encodeName(hjem).constData(), &a) == 0
            && ::stat(QFile::encodeName(dir.path()).constData(), &b) == 0 && a.st_dev != b.st_dev;
    }

private:
    QTemporaryDir dir;
};

inline std::unique_ptr<AndetDrev> andetDrev(const QString& hjem)
{
    auto drev = std::make_unique<AndetDrev>();
    return drev->brugbar(hjem) ? std::move(drev) : nullptr;
}
