// The explorer's file actions beside copy, paste, delete and information: rename in place, new
// folder, new files of twelve kinds, run, edit, program, pictures, the selections, emptying the
// trash and the switch of the update method.
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "fileops/tmetodecompo.h"
#include "platform/recentdocs.h"
#include "tools/skrivtekstfiler/tskrivtekstfiler.h"
#include "core/beskeder.h"
#include "core/drev.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTreeWidget>

namespace {

struct NyFil {
    const char* navn;
    const char* filnavn;
    const char* hint;
};

const NyFil nyeFiler[] = {
    {"Action1", "Tekstfil.txt", "Almindelig tekstfil"},
    {"Action2", "RichText.rtf", "Rich Text tekstfil"},
    {"Action3", "Hjemmeside.html", "Hjemmeside fil"},
    {"Action4", "ASP.asp", "Active Server Page"},
    {"Action5", "Includefile.inc", "Include files kan anvendes i forbindelse med asp-sider"},
    {"Action6", "ASA.asa", "Active Server Application er af filtypen asp"},
    {"Action7", "StyleSheet.css", "CSS bruges til at definere layoutet på dine HTML-sider"},
    {"Action8", "JavaScript.js", "JavaScript er et programmeringssprog, der kan anvendes til hjemmesider"},
    {"Action10", "VBscript.vbs", "VBScript er et \"script\"-sprog, der fortolkes via Microsofts Windows Script Host"},
    {"Action11", "WindowsScriptFiles.wsf", "En Windows Script File er en filtype, der køres med Microsoft Windows Script Host"},
    {"Action12", "Batch.bat", "En batch fil er en script fil, der kan udføre forskellige kommandoer via en dos-konsol"},
    {"Action13", "PowerShell.ps1", "Windows PowerShell er en kommandolinjegrænseflade"},
};

}  // namespace

bool Twinform::maaFortsaette(const QString& spoergsmaal)
{
    return main.processCount == 0 || !main.opt.sikkerhedsCheck
        || main.beskeder()
               ->spoerg(QStringLiteral("Der er allerede en funktion kørende.\r") + spoergsmaal, Beskeder::AlleCheck::Skjul)
               .ja;
}

void Twinform::byggeFilhandlinger()
{
    const auto titel = [](QAction* action, const char* tekst) {
        action->setText(QString::fromUtf8(tekst));
        return action;
    };
    titel(handling("Rename2", QStringLiteral("Omdøb valgte: F2"), Qt::Key_F2, [this] { Rename2Execute(); }), "Omdøb");
    (titel(handling("NyMappe", QStringLiteral("Opret en ny mappe: Ctrl+M"), Qt::CTRL | Qt::Key_M,
                        [this] { NyMappeExecute(); }),
               "Mappe"));
    auto* TekstPopup = new QMenu(this);
    TekstPopup->setObjectName(QStringLiteral("TekstPopup"));
    for (const NyFil& fil : nyeFiler) {
        const QString filnavn = QString::fromUtf8(fil.filnavn);
        QAction* action = handling(fil.navn, QString::fromUtf8(fil.hint), {}, [this, filnavn] { makeFiler(filnavn); });
        action->setText(filnavn);
        TekstPopup->addAction(action);
    }
    titel(handling("aOpretTekstfil", QStringLiteral("Opret en ny tekstfil"), {},
                   [this] { makeFiler(QStringLiteral("Tekstfil.txt")); }),
          "Ny fil");

    QAction* koer = titel(handling("aRun", QStringLiteral("Kør valgte fil, hvis muligt: Ctrl+K eller F9"), Qt::CTRL | Qt::Key_K,
                                   [this] { main.runFilname(FStrukturY->Filnavn(), false); }),
                          "Kør");
    koer->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::Key_F9)});
    QAction* program = titel(handling("aProgram", QStringLiteral("Åben valgte program eventuelt med valgt/valgte fil/filer: Ctrl+P"),
                                      Qt::CTRL | Qt::Key_P,
                                      [this] { main.OpenFilMedProgram(main.opt.exeProgram, FStrukturY->makeParamString()); }),
                             "Program");
    QAction* rediger = titel(handling("aRediger", QStringLiteral("Rediger valgte fil om muligt: Ctrl+R"), Qt::CTRL | Qt::Key_R,
                                      [this] { main.runFilname(FStrukturY->Filnavn(), true); }),
                             "Rediger");
    auto* PUrun = new QMenu(this);
    PUrun->setObjectName(QStringLiteral("PUrun"));
    PUrun->addActions({koer, program, rediger});
    titel(handling("aShowPic", QStringLiteral("Vis billeder af type jpg, ico eller bmp"), {}, [this] {
                   const QString ext = filExt(FStrukturY->Filnavn()).toLower();
                   if (ext == u".jpg" || ext == u".bmp" || ext == u".ico")
                       main.programhandlinger.billedgalleri->trigger();
                   else
                       main.beskeder()->sig(QStringLiteral("Valgte fil er ikke en billedfil af type jpg, bmp eller ico.\r"));
               }),
          "Billeder");

    const auto markering = [this](int slags) {
        FStrukturY->SelectMapperFiler(slags);
        mappeKontrol(FStrukturY->Mappenavn(), true);
    };
    QAction* alle = handling("selectAlleElementer", QStringLiteral("Vælg alle elementer i aktive struktur 2: Ctrl+A"),
                             Qt::CTRL | Qt::Key_A, [markering] { markering(1); });
    QAction* ingen = handling("deselectElementer", QStringLiteral("Fravælg alle elementer i aktive struktur 2: Ctrl+F"),
                              Qt::CTRL | Qt::Key_F, [markering] { markering(2); });
    QAction* omvendt = handling("inverterSelection", QStringLiteral("Inverter valgte elementer i aktive struktur 2: Ctrl+I"),
                                Qt::CTRL | Qt::Key_I, [markering] { markering(3); });
    handling("deselectAll", QStringLiteral("Fjern alle markeringer: Alt+Mus"), {}, [this] {
        FStrukturY->deselectMapper();
        mappeKontrol(FStrukturY->Mappenavn(), true);
    });
    handling("aSelectButton", QStringLiteral("Vælg alle elementer i filstrukturen"), {}, [this, alle] {
        if (alle->isEnabled())
            FStrukturY->SelectMapperFiler(1);
    });
    // The menu shows the window's own actions: actions of its own with the same keys would make
    // each key ambiguous, and then neither fires.
    auto* PUselect = new QMenu(this);
    PUselect->setObjectName(QStringLiteral("PUselect"));
    alle->setText(QStringLiteral("Marker alt"));
    ingen->setText(QStringLiteral("Fjern"));
    omvendt->setText(QStringLiteral("Inverter valg"));
    PUselect->addActions({alle, ingen, omvendt});
    titel(handling("aEmptyRB", QStringLiteral("Tøm papirkurv på aktuelle drev"), {},
                   [this] { metodeX->EmptyRecycleBin(true, drevDel(FStrukturY->Mappenavn())); }),
          "Tøm");
    titel(handling("insertFilSFWS", QStringLiteral("Indfør fil i Stifinders Hurtig adgang/Seneste filer"), {}, [this] {
                   platform::tilfoejSenesteDokument(FStrukturY->Filnavn());
                   main.beskeder()->sig(QStringLiteral("Der blev gjort et forsøg på at indsætte valgte fil i Seneste i Windows Stifinder."));
               }),
          "Tilføj");
    titel(handling("ActionUpd", QStringLiteral("Skift opdateringsmetode for funktionerne: Ctrl+Alt+O"),
                                         Qt::CTRL | Qt::ALT | Qt::Key_O, [this] { ActionUpdExecute(); }),
          "Opdater");
}

void Twinform::fyldTraeMenuer()
{
    // An empty name stands for a separator.
    const auto fyld = [this](QMenu* menu, std::initializer_list<const char*> navne) {
        for (const char* navn : navne) {
            if (*navn)
                menu->addAction(findChild<QAction*>(QLatin1String(navn)));
            else
                menu->addSeparator();
        }
    };
    for (QMenu* menu : {PUdirbox, PUfilbox})
        fyld(menu, {"Cut", "Copy", "Paste", "", "DeleteToPapirkurv", "DeletePermanent", "", "Rename2", "Rename", "NyMappe",
                    "", "Info"});
    fyld(PUdirboxDrev, {"Paste", "NyMappe", "", "Info"});
    fyld(PUdirPrivate, {"Copy", "Paste", "NyMappe", "", "Info"});
}

void Twinform::byggeFilregler()
{
    const auto regel = [this](const char* navn, std::function<bool()> Update) {
        regler->tilfoej(findChild<QAction*>(QLatin1String(navn)), std::move(Update));
    };
    const auto struktur = [this] { return FStrukturY->AktiveStruktur(); };
    const auto valgt = [this](int struktur) { return (struktur == 1 ? MappeStruktur : FilStruktur)->currentItem() != nullptr; };
    // The actions with a plain and a blocking rule; blocking, none while this window runs an operation.
    const auto tilladt = [this] { return !bloker || funkTilladt; };
    for (const char* navn : {"DeleteToPapirkurv", "DeletePermanent", "Rename", "Rename2"})
        regel(navn, [=, this] { return tilladt() && (struktur() == 1 ? valgt(1) && funkNo == 0 : valgt(2)); });
    regel("Info", [=, this] { return tilladt() && valgt(struktur()); });
    // Blocking: S1 T and k < 5, S2 T; plain: k < 5.
    for (const char* navn : {"NyMappe", "aOpretTekstfil"})
        regel(navn, [=, this] { return bloker ? funkTilladt && (struktur() == 2 || funkNo < 5) : funkNo < 5; });
    for (const char* navn : {"aRun", "aRediger", "aShowPic", "insertFilSFWS"})
        regel(navn, [this] { return funkNo == 1; });
    regel("aProgram", [this] { return !main.opt.exeProgram.isEmpty(); });
    regel("selectAlleElementer", [=, this] {
        return struktur() == 2 && FilStruktur->selectedItems().size() != FilStruktur->topLevelItemCount();
    });
    regel("deselectElementer", [=, this] { return struktur() == 2 && !FilStruktur->selectedItems().isEmpty(); });
    regel("inverterSelection", [=, this] { return struktur() == 2 && FilStruktur->topLevelItemCount() > 0; });
    regel("deselectAll", [=, this] { return struktur() == 1 && !MappeStruktur->selectedItems().isEmpty(); });
    regel("aSelectButton", [=] { return struktur() == 2; });
}

void Twinform::Rename2Execute()
{
    if (!maaFortsaette(QStringLiteral("Skal der omdøbes alligevel?")))
        return;
    startOmdoebning();
}

void Twinform::NyMappeExecute()
{
    if (!maaFortsaette(QStringLiteral("Er der sikkehed for, at den nye mappe ikke vil påvirke den kørende funktion? "
                                      "For eksempel indgå i en kørende kopiering, altså \"Sæt-ind\" funktion.\r\r"
                                      "Skal der indsættes en ny mappe?")))
        return;
    const QString ny = metodeX->OpretNyMappe(QStringLiteral("Ny mappe"));
    if (!QFileInfo(ny).isDir()) {
        QCoreApplication::processEvents();
        return;
    }
    if (FStrukturY->AktiveStruktur() == 1) {
        FStrukturY->udfoldStruktur1(ny, opt.RadioOpstart != 1);
        mappeKontrol(FStrukturY->getDirectory(), true);
    } else {
        FStrukturY->udfoldStruktur1(FStrukturY->Mappenavn(), opt.RadioOpstart != 1);
        mappeKontrol(FStrukturY->makeStruktur2(FStrukturY->Mappenavn()), true);
    }
    QCoreApplication::processEvents();
    metodeX->SelectMappe(ny);
    startOmdoebning();
}

void Twinform::makeFiler(const QString& navn)
{
    TSkrivTekstfiler skriv(*main.beskeder());
    const QString fil = skriv.opretTekstfil(stiMed(FStrukturY->Mappenavn(), navn));
    if (fil.isEmpty()) {
        main.beskeder()->sig(QStringLiteral("Fejlinformation:\rDet kunne ikke lade sig gøre at oprette en fil."));
        return;
    }
    aktivStruktur(2);
    FStrukturY->SelectFil(fil);
    FilStruktur->setFocus();
    mappeKontrol(fil, false);
    QCoreApplication::processEvents();
    startOmdoebning();
}

void Twinform::ActionUpdExecute()
{
    main.skiftBlokering();
    if (main.opt.blokerCheck)
        main.UdskrivInfo(QStringLiteral("Andre funktioner blokeres nu ved aktive tidskrævende funktioner."));
    else if (main.opt.sikkerhedsCheck)
        main.UdskrivInfo(QStringLiteral("Andre funktioner blokeres ikke ved aktive tidskrævende funktioner, men der informeres."));
    else
        main.UdskrivInfo(QStringLiteral("Andre funktioner blokeres ikke ved aktive tidskrævende funktioner, og der informeres ikke."));
}
