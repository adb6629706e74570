#include "platform/autostart.h"

#include "platform/applikationsid.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

QString desktopExecValue(const QString& program)
{
    // A quoted argument escapes " ` $ and \ with a backslash; the value as a whole then doubles
    // every backslash, writes a line break as \n, and "%" stands for a field code unless doubled.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    quoted.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    quoted.replace(QStringLiteral("%"), QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

bool writeAutostartEntry(const QString& entryPath, const QString& program)
{
    if (QFile::exists(entryPath))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=qvmMirvel\n"
                                         "Comment=Stifinder med værktøjer\n"
                                         "Exec=%1\n"
                                         "Icon=%2\n"
                                         "Terminal=false\n")
                              .arg(desktopExecValue(program), applikationsId);
    QSaveFile file(entryPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(entry.toUtf8());
    return file.commit();
}

}  // namespace platform
