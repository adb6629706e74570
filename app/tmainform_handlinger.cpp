// The main window's actions, the buttons that carry them, and their enable rules.
#include "app/elementvinduer.h"
#include "app/handlingsregler.h"
#include "app/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

QAction* Tmainform::handling(const char* navn, const QString& tekst, const QString& hint, const QKeySequence& genvej,
                             std::function<void()> udfoer)
{
    auto* action = new QAction(tekst, this);
    action->setObjectName(QLatin1String(navn));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(genvej);
    connect(action, &QAction::triggered, this, [udfoer] { udfoer(); });
    connect(action, &QAction::triggered, regler, &Handlingsregler::opdaterSenere);
    addAction(action);
    handlinger.insert(QLatin1String(navn), action);
    return action;
}

void Tmainform::byggeHandlinger()
{
    regler = new Handlingsregler(this);

    // The tool windows, each opened by one pattern.
    struct Kind {
        const char* navn;
        const char* tekst;
        const char* hint;
        QKeySequence genvej;
        int MainSettings::*aabning;
        const char* aabningsgruppe;
    };
    const Kind kinds[] = {
        {"opretGenveje", "Genveje", "Opret genveje til mapper og programmer: Ctrl+2", Qt::CTRL | Qt::Key_2, &MainSettings::openGenveje, "openGenveje"},
        {"progInsert", "Indfør", "Indfør, rediger eller fjern program: Ctrl+3", Qt::CTRL | Qt::Key_3, &MainSettings::openProgrammer, "openProgrammer"},
        {"OpretSmappe", "Opret", "Åben boksen til oprettelse af strukturmapper: Ctrl+4", Qt::CTRL | Qt::Key_4, &MainSettings::openStrukturer, "openStrukturer"},
        {"findTekst", "Søg", "Søg i tekstdokumenter i mapper: Ctrl+5", Qt::CTRL | Qt::Key_5, &MainSettings::openTekstfiler, "openTekstfiler"},
        {"aBilledGal", "Billeder", "Åben Galleri til bmp, jpg samt ico billedfiler: Ctrl+6", Qt::CTRL | Qt::Key_6, &MainSettings::openBilleder, "openBilleder"},
        {"visKalender", "Kalender", "Vis kalender: Ctrl+7", Qt::CTRL | Qt::Key_7, &MainSettings::openKalender, "openKalender"},
        {"aWmi", "WMI", "WMI: Ctrl+8", Qt::CTRL | Qt::Key_8, &MainSettings::openWmi, "openWmi"},
        {"winApp", "Applets", "Åben Window Applets: Ctrl+9", Qt::CTRL | Qt::Key_9, nullptr, nullptr},
        {"aInfo", "Information", "Information angående aktive element: F1", Qt::Key_F1, &MainSettings::openInfo, "openInfo"},
    };
    for (const Kind& kind : kinds) {
        const QString navn = QLatin1String(kind.navn);
        Vaerktoej& vaerktoej = vaerktoejer[navn];
        vaerktoej.aabning = kind.aabning;
        vaerktoej.aabningsgruppe = kind.aabningsgruppe;
        std::function<void()> udfoer = [this, navn] {
            if (auto* vindue = dynamic_cast<AabnesAfBruger*>(aabnVaerktoej(vaerktoejer[navn])))
                vindue->aabnetAfBruger();
        };
        // Information shows the page of the active window rather than just its own window.
        if (navn == QStringLiteral("aInfo"))
            udfoer = [this] { aInfoExecute(); };
        vaerktoej.action = handling(kind.navn, QString::fromUtf8(kind.tekst), QString::fromUtf8(kind.hint), kind.genvej,
                                    std::move(udfoer));
    }
    // The same from the top bar; F1 belongs to aInfo alone, so the key stays unambiguous.
    handling("aInfo2", QStringLiteral("Information"), QStringLiteral("Information angående aktive struktur eller program: F1"),
             {}, [this] { aInfoExecute(); });

    handling("aStifinder", QStringLiteral("Stifinder"), QStringLiteral("Åben en ny stifinder: Ctrl+1"),
             Qt::CTRL | Qt::Key_1, [this] { makeNewStifinder(); });
    handling("aVisKlipbordet", QStringLiteral("Klipbord"), QStringLiteral("Åben eller vis klipbord: Ctrl+0"),
             Qt::CTRL | Qt::Key_0, [this] {
                 for (QWidget* window : elementer())
                     if (elementType(window) == ElementType::Klipbord) {
                         auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
                         sub->show();  // a clipboard the user closed is only hidden
                         mdiArea->setActiveSubWindow(sub);
                         return;
                     }
             });
    handling("aVisStifinder", QStringLiteral("Stifinder"),
             QStringLiteral("Vis eller åben en Stifinder, hvis der ikke er en inde: Ctrl+S"), Qt::CTRL | Qt::Key_S,
             [this] { openStifinder(); });
    handling("OpenElement", QString(), QStringLiteral("Åben nyt element: F10"), Qt::Key_F10, [this] {
        visSide(0, 0, QStringLiteral("Programmer med funktioner"));
        informationsKnappen->setProperty("ikon", 56);
    });
    handling("CloseElement", QString(), QStringLiteral("Luk sidst åbnede Stifinder og dets Klipbord"), {},
             [this] { CloseElementExecute(); });
    handling("CloseAlleElementer", QString(), QStringLiteral("Luk alle elementer undtagen Stifinder"), {},
             [this] { CloseAlleElementerExecute(); });
    handling("aPanelV", QStringLiteral("Vis/Skjul"), QStringLiteral("Luk eller åben venstre panel: F8"), Qt::Key_F8,
             [this] { aPanelVExecute(); });
    handling("aVisInfoStruk", QStringLiteral("Vis infoside"), QStringLiteral("Vis informationsstrukturen"), {},
             [this] { visSide(5, 0, QStringLiteral("Velkommen")); });
    const char* const genvejslister[][3] = {{"visGT1", "Funktioner", "Genvejstaster til funktioner"},
                                            {"visGT2", "Programmer", "Genvejstaster til programmer"},
                                            {"visGT3", "F taster", "Liste over F-taster"},
                                            {"visGT4", "Ctrl+Bogstav", "Liste over Ctrl+Bogstav genveje"}};
    for (int i = 0; i < 4; ++i)
        handling(genvejslister[i][0], QString::fromUtf8(genvejslister[i][1]), QString::fromUtf8(genvejslister[i][2]), {},
                 [this, i] { visSide(6, i, QStringLiteral("Program genveje")); });
    handling("mVisEside", QStringLiteral("Bestem fremstillingsform"),
             QStringLiteral("Strukturer kan fremstilles som punkt eller niveau strukturer"), {},
             [this] { visSide(4, 2, QString()); });
    QAction* samme = handling("aSammeKlipbord", QStringLiteral("Anvend samme klipbord"),
                              QStringLiteral("Hvis valgt bruger alle stifindere samme klipbord og ellers hvert sit"), {},
                              [this] { opt.sammeKlipbord = handlinger.value("aSammeKlipbord")->isChecked(); });
    samme->setCheckable(true);
    handling("aInsertMappe", QStringLiteral("Tilføj"),
             QStringLiteral("Indfør aktuelle mappe i ny hjemmelavet struktur: Ctrl+T"), Qt::CTRL | Qt::Key_T,
             [this] { aInsertMappeExecute(); });
    handling("aFindDoc", QStringLiteral("Søg"), QStringLiteral("Søg efter tekst i tekstdokumenter"), {},
             [this] { aFindDocExecute(); });
    handling("aInsertGenvej", QStringLiteral("Opret"), QStringLiteral("Opret genvej til aktuelle element"), {},
             [this] { aInsertGenvejExecute(); });
    handling("WindowClose1", QStringLiteral("Luk"), QStringLiteral("Luk aktuelle"), {},
             [this] { mdiArea->closeActiveSubWindow(); });
    handling("WindowCascade1", QStringLiteral("På stribe"), QStringLiteral("Arranger på stribe"), {},
             [this] { mdiArea->cascadeSubWindows(); });
    handling("WindowTileHorizontal1", QStringLiteral("Horisontalt"), QStringLiteral("Arranger horisontalt"), {},
             [this] { arrangerElementer(Qt::Vertical); });
    handling("WindowTileVertical1", QStringLiteral("Vertikalt"), QStringLiteral("Arranger vertikalt"), {},
             [this] { arrangerElementer(Qt::Horizontal); });
    handling("LukProgram", QStringLiteral("Luk programmet"), QStringLiteral("Lukker programmet: Ctrl+Q"),
             Qt::CTRL | Qt::Key_Q, [this] { close(); });
    handling("minimizeProgram", QStringLiteral("Minimer"), QStringLiteral("Minimer programmet: Alt+M"),
             Qt::ALT | Qt::Key_M, [this] { showMinimized(); });
    handling("aGoBoks", QStringLiteral("Kørkassen"), QStringLiteral("Åbner Kør-kassen"), Qt::META | Qt::Key_R,
             [this] { aGoBoksExecute(); });
    handling("aOpenStifinder", QString(), QStringLiteral("Åben aktuelle mappe i Window Stifinder: Ctrl+Alt+S"),
             Qt::CTRL | Qt::ALT | Qt::Key_S, [this] { aOpenStifinderExecute(); });

    // The icon theme's picture where the desktop has one, else the style's own.
    const struct {
        const char* navn;
        const char* temaikon;
        QStyle::StandardPixmap ikon;
    } ikoner[] = {{"OpenElement", "", QStyle::SP_FileDialogNewFolder},
                  {"CloseElement", "", QStyle::SP_DialogCloseButton},
                  {"CloseAlleElementer", "", QStyle::SP_DialogDiscardButton},
                  {"aPanelV", "", QStyle::SP_ArrowLeft},
                  {"aOpenStifinder", "", QStyle::SP_DirOpenIcon},
                  {"aInfo2", "", QStyle::SP_MessageBoxInformation},
                  {"aStifinder", "system-file-manager", QStyle::SP_DirHomeIcon},
                  {"aVisStifinder", "", QStyle::SP_DirHomeIcon},
                  {"aInfo", "help-about", QStyle::SP_MessageBoxInformation},
                  {"opretGenveje", "emblem-symbolic-link", QStyle::SP_FileLinkIcon},
                  {"progInsert", "application-x-executable", QStyle::SP_ComputerIcon},
                  {"OpretSmappe", "folder-new", QStyle::SP_FileDialogNewFolder},
                  {"findTekst", "edit-find", QStyle::SP_FileDialogContentsView},
                  {"aBilledGal", "image-x-generic", QStyle::SP_FileIcon},
                  {"visKalender", "x-office-calendar", QStyle::SP_FileDialogDetailedView},
                  {"aWmi", "computer", QStyle::SP_DriveHDIcon},
                  {"winApp", "preferences-system", QStyle::SP_DesktopIcon}};
    for (const auto& ikon : ikoner)
        handlinger.value(QLatin1String(ikon.navn))
            ->setIcon(QIcon::fromTheme(QLatin1String(ikon.temaikon), style()->standardIcon(ikon.ikon)));
    const auto paaKnap = [this](const char* knap, const char* navn) {
        findChild<QToolButton*>(QLatin1String(knap))->setDefaultAction(handlinger.value(QLatin1String(navn)));
    };
    paaKnap("openButton", "OpenElement");
    paaKnap("closeButton", "CloseElement");
    paaKnap("SpeedButton3", "CloseAlleElementer");
    paaKnap("SpeedButton1", "aInfo2");
    paaKnap("SpeedButton25", "aPanelV");
    paaKnap("infMappe", "aOpenStifinder");
    connect(informationsKnappen, &QToolButton::clicked, this, &Tmainform::informationsKnappenClick);
    connect(findChild<QToolButton*>(QStringLiteral("genvejsinfoButton")), &QToolButton::clicked, this,
            [this] { InfoHelp(QStringLiteral("Genvejstaster.html")); });

    PuProgrammer = new QMenu(this);
    PuProgrammer->setObjectName(QStringLiteral("PuProgrammer"));
    PuProgrammer->addAction(handlinger.value("aStifinder"));
    PuProgrammer->addSeparator();
    for (const char* navn : {"aInfo", "opretGenveje", "progInsert", "OpretSmappe", "findTekst", "aBilledGal"})
        PuProgrammer->addAction(handlinger.value(QLatin1String(navn)));
    PuProgrammer->addSeparator();
    for (const char* navn : {"visKalender", "aWmi", "winApp"})
        PuProgrammer->addAction(handlinger.value(QLatin1String(navn)));
    PuProgrammer->addSeparator();
    PuProgrammer->addAction(QStringLiteral("Programmer"));  // the program list gives it its submenu
    // The program button only drops the menu down, just below itself.
    auto* programmerAction = new QAction(QStringLiteral("Programmer"), this);
    programmerAction->setObjectName(QStringLiteral("programmerAction"));
    programmerAction->setToolTip(QStringLiteral("Programmer"));
    programmerAction->setMenu(PuProgrammer);
    auto* progMenu = findChild<QToolButton*>(QStringLiteral("progMenu"));
    progMenu->setDefaultAction(programmerAction);
    progMenu->setPopupMode(QToolButton::InstantPopup);  // an action with a menu made it a split button
    connect(PuProgrammer, &QMenu::aboutToShow, this, [this] {
        QAction* vis = handlinger.value("aVisStifinder");
        vis->setProperty("ikon", vis->isEnabled() ? 22 : 73);
    });

    byggeDosside();
    byggeIndholdslister();
    byggeGenvejslister();
    byggeSoegeside();
    byggeNotatside();

    connect(mdiArea, &QMdiArea::subWindowActivated, regler, &Handlingsregler::opdaterSenere);
    connect(Hovedbog, &QTabWidget::currentChanged, regler, &Handlingsregler::opdaterSenere);
    connect(genvejsBog, &QTabWidget::currentChanged, regler, &Handlingsregler::opdaterSenere);
    connect(editSti, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    programhandlinger = {handlinger.value("aVisKlipbordet"), handlinger.value("OpretSmappe"), handlinger.value("mVisEside"),
                         handlinger.value("aBilledGal")};
    byggeRegler();
}

void Tmainform::byggeRegler()
{
    const auto regel = [this](const char* navn, std::function<bool()> Update) {
        regler->tilfoej(handlinger.value(QLatin1String(navn)), std::move(Update));
    };
    const auto aktivType = [this] { return elementType(aktivtElement()); };
    const auto stifinderAktiv = [this, aktivType] { return aktivtElement() && aktivType() == ElementType::Stifinder; };
    const auto panelVist = [this] { return !mainPanel->isHidden(); };
    regel("OpenElement", [panelVist] { return !panelVist(); });
    regel("aVisInfoStruk", [this, panelVist] { return !(panelVist() && Hovedbog->currentIndex() == 5); });
    for (int i = 0; i < 4; ++i)
        regel(QStringLiteral("visGT%1").arg(i + 1).toLatin1().constData(), [this, panelVist, i] {
            return !(panelVist() && Hovedbog->currentIndex() == 6 && genvejsBog->currentIndex() == i);
        });
    regel("aVisStifinder", [stifinderAktiv] { return !stifinderAktiv(); });
    regel("aVisKlipbordet", [this, aktivType] { return !(aktivtElement() && aktivType() == ElementType::Klipbord); });
    regel("CloseElement", [this, stifinderAktiv] { return !elementer().isEmpty() && processCount == 0 && stifinderAktiv(); });
    regel("CloseAlleElementer", [this, aktivType] { return aktivtElement() && aktivType() == ElementType::Andet; });
    regel("aSammeKlipbord", [this] { return elementer().isEmpty(); });
    regel("aStifinder", [this] { return bool(stifinderFabrik); });
    for (const char* navn : {"aInsertMappe", "aFindDoc", "aInsertGenvej"})
        regel(navn, stifinderAktiv);
    for (auto it = vaerktoejer.cbegin(); it != vaerktoejer.cend(); ++it) {
        const QString navn = it.key();
        regler->tilfoej(it->action, [this, navn] {
            const Vaerktoej& vaerktoej = vaerktoejer[navn];
            return bool(vaerktoej.fabrik) || bool(vaerktoej.vindue);
        });
    }
    // The shortcut window wants a current element to make a shortcut to.
    regel("opretGenveje", [this] {
        const Vaerktoej& genveje = vaerktoejer[QStringLiteral("opretGenveje")];
        return (genveje.fabrik || genveje.vindue) && !editSti->text().isEmpty();
    });
    regel("aInfo2", [this] { return handlinger.value("aInfo")->isEnabled(); });
    regler->tilfoej([this] { handlinger.value("aSammeKlipbord")->setChecked(opt.sammeKlipbord); });
}
