#include "app/contentinstall.h"

#include "app/foldercopy.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

QString contentStamp(const QString& programFolder)
{
    const auto lines = platform::readTextLines(programFolder + u'/' + contentStampFile);
    return lines && !lines->isEmpty() ? lines->first().trimmed() : QString();
}

ContentInstall installContent(const QString& shippedProgram, const QString& programmappe)
{
    const QString shippedStamp = contentStamp(shippedProgram);
    if (shippedStamp.isEmpty())
        return ContentInstall::NoSource;

    const QString incoming = programmappe + QStringLiteral(".ny");
    const QString outgoing = programmappe + QStringLiteral(".gammel");
    removeUnfinishedCopies(incoming);
    QDir(incoming).removeRecursively();
    QDir(outgoing).removeRecursively();
    if (contentStamp(programmappe) == shippedStamp)
        return ContentInstall::UpToDate;

    if (!copyFolderWhole(shippedProgram, incoming))
        return ContentInstall::Failed;
    const bool hadOld = QFileInfo::exists(programmappe);
    if (hadOld && !QDir().rename(programmappe, outgoing)) {
        QDir(incoming).removeRecursively();
        return ContentInstall::Failed;
    }
    if (!QDir().rename(incoming, programmappe)) {
        if (hadOld)
            QDir().rename(outgoing, programmappe);
        QDir(incoming).removeRecursively();
        return ContentInstall::Failed;
    }
    QDir(outgoing).removeRecursively();
    return ContentInstall::Installed;
}
