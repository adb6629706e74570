#include "platform/shelllinks.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

bool createShellLink(const QString& target, const QString& linkPath)
{
    const QFileInfo existing(linkPath);
    if (existing.isSymLink()) {
        if (!QFile::remove(linkPath))
            return false;
    } else if (existing.exists()) {
        return false;
    }
    return QFile::link(target, linkPath);
}

}  // namespace platform
