#include "app/danskeqttekster.h"
#include "app/datafolders.h"
#include "app/enkeltprogram.h"
#include "app/leveretprogram.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "app/traelinjer.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "platform/terminationsignals.h"
#include "tools/galleri/tgalform.h"
#include "tools/findtekst/tfindform.h"
#include "tools/genveje/tgenvejform.h"
#include "tools/information/informationssider.h"
#include "tools/kalender/tkalenderform.h"
#include "tools/mappestruktur/tmappestrukturform.h"
#include "tools/programmer/tprogform.h"
#include "tools/applets/twaform.h"
#include "tools/wmi/twmiform.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stifinder"));
    // What the program starts finds its helpers (qvm-sysinfo) beside it first, also in a build.
    qputenv("PATH", QFile::encodeName(QApplication::applicationDirPath()) + ':' + qgetenv("PATH"));
    // The trees draw their connecting lines through the application's style.
    QApplication::setStyle(new TraeLinjer);
    brugDanskeQtTekster();
    // A second start hands its folder to the program that runs and ends before it reads or writes
    // anything of the data folder: the running program's pastes and their records stay its own.
    EnkeltProgram enkeltProgram(brugerensDataFolders().BrugerMappe);
    if (!enkeltProgram.tagPladsen(QApplication::arguments().mid(1)))
        return 0;
    std::unique_ptr<ProgramEntry> entry;
    // The signal is taken in by the event loop, so a signal that arrives while the windows are
    // being made closes them as soon as the loop runs.
    platform::installTerminationHandler([&entry] {
        if (entry)
            entry->mainform().lukEfterSignal();
    });
    // The desktop shows the program's launcher and icon for its windows and notifications.
    QGuiApplication::setDesktopFileName(applikationsId);
    const QString leveret = findLeveretProgram(QApplication::applicationDirPath());
    const QIcon ikon = QIcon::fromTheme(applikationsId);
    QApplication::setWindowIcon(ikon.isNull() ? QIcon(leveret + QStringLiteral("/Ikoner/") + applikationsId + QStringLiteral(".png"))
                                              : ikon);
    entry = std::make_unique<ProgramEntry>(leveret, QApplication::arguments().mid(1));
    entry->mainform().setStifinderFabrik([](Tmainform& main) { return new Twinform(main); });
    entry->mainform().setKlipbordFabrik(
        [](Tmainform& main) { return new Tlisteform(main, main.opt.sammeKlipbord, main.NewCount); });
    // The tool windows, each from its own library.
    registrerInformation(entry->mainform());
    registrerProgrammer(entry->mainform());
    registrerFindtekst(entry->mainform());
    registrerKalender(entry->mainform());
    registrerMappestruktur(entry->mainform());
    registrerGenveje(entry->mainform());
    registrerWmi(entry->mainform());
    registrerApplets(entry->mainform());
    registrerGalleri(entry->mainform());
    QObject::connect(&enkeltProgram, &EnkeltProgram::andenStart,
                     [&entry](const QStringList& arguments) { entry->mainform().andenStart(arguments); });
    entry->start();
    return application.exec();
}
