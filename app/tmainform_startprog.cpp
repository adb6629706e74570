// The switch that adds the program to the programs started at log-in, or removes it again.
#include "app/tmainform.h"

#include "boxes/tinfform.h"
#include "platform/autostart.h"
#include "platform/registry.h"
#include "platform/shelllinks.h"
#include "platform/userfolders.h"
#include "core/pathhelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {
constexpr int maxTicks = 10;
const QString linkName = QStringLiteral("qvmMirvel.lnk");
const QString startupEntryName = QStringLiteral("qvmMirvel.desktop");
const QString failedText = QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
}  // namespace

void Tmainform::startProgDoButtonClick()
{
    info->sig(QStringLiteral("Det kan tage lidt tid.\nTryk OK-Knappen for at starte funktionen.\n"
                             "Der bringes en information, når funktionen er gennemført."));
    makeOpstartProg();
}

void Tmainform::makeOpstartProg()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (!QFileInfo(program).isFile()) {
        info->sig(QStringLiteral("Genvejens mål blev ikke fundet."));
        return;
    }
    SPtimerFilename.clear();
    if (QFileInfo(opt.PlaceringsMappe).isDir()) {
        SPtimerFilename = delimKon(opt.PlaceringsMappe) + linkName;
        // A link that cannot be made is reported when it has not appeared by the last tick.
        platform::createShellLink(program, SPtimerFilename);
    }
    SPtimerCount = 0;
    spTimer->start();
}

void Tmainform::startProgTimerTimer()
{
    ++SPtimerCount;
    const QFileInfo link(SPtimerFilename);
    if (!SPtimerFilename.isEmpty() && link.isSymLink()) {
        spTimer->stop();
        SPtimerCount = 0;
        const QString startupFolder = platform::get<platform::UserFolders>().path(platform::UserFolder::Autostart);
        // A desktop without any start-up program yet has no such folder: it is made here.
        if (!QDir().mkpath(startupFolder)) {
            info->sig(QStringLiteral("Startup-mappen kunne ikke findes.\n"));
            return;
        }
        const QString entry = startupFolder + u'/' + startupEntryName;
        if (QFileInfo(entry).exists() || QFileInfo(entry).isSymLink()) {
            info->sig(QFile::remove(entry) ? QStringLiteral("Programmet blev fjernet som StartUp-program.") : failedText);
        } else {
            const bool written = platform::writeAutostartEntry(entry, link.symLinkTarget());
            info->sig(written ? QStringLiteral("Programmet er indført som StartUp-program.") : failedText);
        }
        aktiverWinform(true, startupFolder);
        return;
    }
    if (SPtimerCount >= maxTicks) {
        spTimer->stop();
        SPtimerCount = 0;
        info->sig(failedText);
    }
}
