#include "app/designs.h"
#include "app/elementvinduer.h"
#include "app/contentinstall.h"
#include "app/handlingsregler.h"
#include "app/leveretprogram.h"
#include "app/hintfilter.h"
#include "app/returnknap.h"
#include "app/indstillingsbinder.h"
#include "app/tmainform.h"
#include "app/treopenfiler.h"
#include "app/tmenuexefiler.h"
#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "core/kopijournal.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QStyle>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int leastHeight = 776;
}

Tmainform::Tmainform(const QString& shippedProgram, const QStringList& arguments)
    : shippedProgram(shippedProgram)
    , binder(std::make_unique<IndstillingsBinder<MainSettings>>(opt))
{
    setObjectName(QStringLiteral("mainform"));
    hints = new HintFilter(this);
    qApp->installEventFilter(hints);
    qApp->installEventFilter(new ReturnKnap(this));
    byggeVindue();
    CreateMapper();
    HentOpt();
    if (opt.trayCheck)
        bygTray();
    if (!QFileInfo(opt.PlaceringsMappe).isDir()) {
        opt.PlaceringsMappe = folders.BrugerMappe + QStringLiteral("/Genveje");
        QDir().mkpath(opt.PlaceringsMappe);
    }
    byggeProgramliste();
    setMinimumHeight(leastHeight);
    startMappe = startMappeFraArgumenter(arguments);
    loadMappeStruktur(false);
    regler->opdaterSenere();
}

Tmainform::~Tmainform()
{
    // Child windows that outlive the frame's parts must not report back to them, and no part of
    // the frame reaches it while its widgets close (the MDI area tells of the window it activates
    // as its windows go): the frame is no Tmainform any more by then.
    for (const QMetaObject::Connection& forbindelse : std::as_const(elementForbindelser))
        disconnect(forbindelse);
    for (QObject* del : findChildren<QObject*>())
        disconnect(del, nullptr, this, nullptr);
    // Tool windows of their own ("Externt") have no parent to take them along.
    for (const Vaerktoej& vaerktoej : std::as_const(vaerktoejer))
        if (vaerktoej.vindue && !vaerktoej.vindue->parent())
            delete vaerktoej.vindue;
}

void Tmainform::setBokse(Tinfform* infoBox, Tspform* questionBox)
{
    info = infoBox;
    spoergsmaal = questionBox;
    boksBeskeder = std::make_unique<BoksBeskeder>(info, spoergsmaal);
    MenuExe->beskeder = boksBeskeder.get();
    dosFiler->setBeskeder(boksBeskeder.get());
}

Beskeder* Tmainform::beskeder() const { return boksBeskeder.get(); }

void Tmainform::byggeVindue()
{
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(byggeTopPanel());
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    mdiArea = new QMdiArea(centre);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setViewMode(QMdiArea::SubWindowView);
    row->addWidget(byggeVenstrePanel());
    row->addWidget(mdiArea, 1);
    column->addLayout(row, 1);
    column->addWidget(byggeStiPanel());
    setCentralWidget(centre);
    byggeStatusbar();
    byggeHandlinger();
    byggeSider();
    byggeStrukturMenu();
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &Tmainform::registrerElement);
    connect(elementTabs, &QTabBar::currentChanged, this, &Tmainform::tcChange);

    spTimer = new QTimer(this);
    spTimer->setObjectName(QStringLiteral("startProgTimer"));
    spTimer->setInterval(1000);
    connect(spTimer, &QTimer::timeout, this, &Tmainform::startProgTimerTimer);
}

void Tmainform::CreateMapper()
{
    folders = brugerensDataFolders();
    setWindowTitle(QStringLiteral("qvmMirvel: ") + folders.Abrugernavn);
    opstartsProblemer = createDataFolders(folders, shippedProgram);
    // No place holds the shipped tree and the user has no copy of it (a copy that could not be
    // laid out is among the problems above).
    if (contentStamp(shippedProgram).isEmpty() && contentStamp(folders.programmappe).isEmpty())
        indholdsfejl = manglendeProgramBesked(QCoreApplication::applicationDirPath());
}

void Tmainform::HentOpt()
{
    const auto lines = platform::readTextLines(folders.optFilnavn);
    if (!lines || lines->size() != mainSettingsLineCount || !applyMainSettingsLines(*lines, opt)) {
        // A file that is there but could not be read whole is kept before it is written over.
        if (QFileInfo::exists(folders.optFilnavn))
            indstillingsfejl = platform::ulaeseligIndstillingsfil(platform::gemUlaeseligFil(folders.optFilnavn));
        defaultOpt();
    }
    anvendIndstillinger();
}

void Tmainform::defaultOpt() { applyDefaultOpt(opt); }

bool Tmainform::GemOpt()
{
    hentVinduesTilstand();
    if (platform::writeTextLines(folders.optFilnavn, mainSettingsLines(opt)))
        return true;
    const QString besked = QStringLiteral("Indstillingerne kunne ikke gemmes i filen:\n") + folders.optFilnavn;
    qWarning("%s", qUtf8Printable(besked));
    // Nobody sees a box at a close on a signal: the next start tells.
    if (lukkerEfterSignal)
        platform::writeTextLines(ikkeGemtFil(), {QDateTime::currentDateTime().toString(QStringLiteral("d. MMMM yyyy 'kl.' HH:mm")),
                                                 folders.optFilnavn});
    // A data folder that could not be made was reported at start; say nothing twice.
    else if (info && opstartsProblemer.isEmpty())
        info->sig(besked);
    return false;
}

void Tmainform::anvendIndstillinger()
{
    QRect bounds(opt.mainLeft, opt.mainTop, opt.mainWidth, opt.mainHeight);
    const auto screens = QGuiApplication::screens();
    const bool onAScreen = std::any_of(screens.begin(), screens.end(), [&bounds](QScreen* screen) {
        return screen->availableGeometry().intersects(bounds);
    });
    if (!onAScreen && !screens.isEmpty())
        bounds.moveTopLeft({MainSettings().mainLeft, MainSettings().mainTop});
    // A window larger than its screen (a smaller screen than the one it was saved on) is made to
    // fit it, its frame included; before the window is first shown, its title bar is estimated.
    QScreen* screen = QGuiApplication::screenAt(bounds.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect plads = screen->availableGeometry();
        QSize ramme = frameGeometry().size() - geometry().size();
        if (ramme.isEmpty()) {
            const int kant = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
            ramme = QSize(2 * kant, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * kant);
        }
        bounds.setSize(bounds.size().boundedTo(plads.size() - ramme));
        bounds.moveLeft(std::clamp(bounds.left(), plads.left(), plads.right() + 1 - bounds.width() - ramme.width()));
        bounds.moveTop(std::clamp(bounds.top(), plads.top(), plads.bottom() + 1 - bounds.height() - ramme.height()));
    }
    move(bounds.topLeft());
    resize(bounds.size());
    mainPanel->setVisible(opt.mainPanelVisible);
    Hovedbog->setCurrentIndex(opt.HovedbogPage);
    Programbog->setCurrentIndex(opt.ProgrambogPage);
    funkBog->setCurrentIndex(opt.funkBogPage);
    genvejsBog->setCurrentIndex(opt.genvejsBogPage);
    visIndstillinger();
    anvendDesign(opt.designName);
    bestemTabs();
    anvendBogfaner();
}

void Tmainform::hentVinduesTilstand()
{
    const QRect bounds = isMaximized() || isMinimized() ? normalGeometry() : QRect(pos(), size());
    opt.mainLeft = bounds.left();
    opt.mainTop = bounds.top();
    opt.mainWidth = bounds.width();
    opt.mainHeight = bounds.height();
    opt.mainPanelVisible = !mainPanel->isHidden();
    opt.HovedbogPage = Hovedbog->currentIndex();
    opt.ProgrambogPage = Programbog->currentIndex();
    opt.funkBogPage = funkBog->currentIndex();
    opt.genvejsBogPage = genvejsBog->currentIndex();
}

void Tmainform::bygTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray = new QSystemTrayIcon(windowIcon().isNull() ? style()->standardIcon(QStyle::SP_DirIcon) : windowIcon(), this);
    tray->setToolTip(QStringLiteral("qvmMirvel"));
    connect(tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger)
            return;
        showNormal();
        activateWindow();
    });
    tray->show();
}

QString Tmainform::startMappeFraArgumenter(const QStringList& arguments)
{
    if (arguments.size() != 1 || !QFileInfo(arguments.first()).isDir())
        return {};
    return QDir::cleanPath(QFileInfo(arguments.first()).absoluteFilePath());
}

void Tmainform::andenStart(const QStringList& arguments)
{
    const QString mappe = startMappeFraArgumenter(arguments);
    if (opstart) {
        // The first explorer window is not made yet: it takes the folder when it is.
        if (!mappe.isEmpty())
            startMappe = mappe;
    } else {
        StifinderVindue* explorer = aktivStifinder();
        if (!explorer)
            explorer = fremStifinder();
        if (explorer && !mappe.isEmpty())
            explorer->gaaTilMappe(mappe);
    }
    fremad();
}

void Tmainform::fremad()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool Tmainform::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && opstart)
        FormActivate();
    if (event->type() == QEvent::StatusTip) {
        UdskrivInfo(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void Tmainform::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // With the tray icon, a minimised program lives in the notification area alone.
    if (event->type() == QEvent::WindowStateChange && tray && isMinimized())
        QTimer::singleShot(0, this, &QWidget::hide);
}

void Tmainform::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Without a window manager the window may never be activated; the first activation's
    // steps must run all the same.
    if (opstart)
        QTimer::singleShot(0, this, [this] {
            if (opstart)
                FormActivate();
        });
    activateWindow();
}

void Tmainform::FormActivate()
{
    if (!opstart)
        return;
    opstart = false;
    loadNotater();
    hentDosFiler();
    if (hjaelpesider)
        hjaelpesider->LoadStruktur();
    QWidget* first = makeNewStifinder();
    HovedbogChange();
    if (!opstartsProblemer.isEmpty() && info)
        info->sig(QStringLiteral("Programmets data kan ikke gemmes, for disse mapper kunne ikke oprettes:\n")
                  + opstartsProblemer.join(u'\n')
                  + QStringLiteral("\nProgrammet starter med standardindstillingerne."));
    for (const QString& fejl : {indholdsfejl, indstillingsfejl, programlistefejl})
        if (!fejl.isEmpty() && info)
            info->sig(fejl);
    if (const auto ikkeGemt = platform::readTextLines(ikkeGemtFil()); ikkeGemt && ikkeGemt->size() == 2) {
        QFile::remove(ikkeGemtFil());
        if (info)
            info->sig(QStringLiteral("Indstillingerne blev ikke gemt, da programmet blev lukket af systemet ")
                      + ikkeGemt->value(0) + QStringLiteral(".\nDe kunne ikke skrives i filen:\n") + ikkeGemt->value(1));
    }
    // A paste that was interrupted (the program killed, the power gone) left its record: its
    // unfinished copies are removed and the user told. A paste whose program still runs is left be.
    for (const QString& besked : kopijournal::rydAfbrudte(folders.kopieringsDir))
        if (info)
            info->sig(besked);
    if (auto* explorer = dynamic_cast<StifinderVindue*>(first); explorer && !startMappe.isEmpty())
        explorer->gaaTilMappe(startMappe);
    if (!opt.TryedBefore) {
        opt.TryedBefore = true;
        Hovedbog->setCurrentIndex(4);
        Programbog->setCurrentIndex(0);
        informationsKnappenL->setText(QStringLiteral("Egenskaber"));
        InfoHelp(QStringLiteral("Velkommen.html"));
    }
    if (opt.minimerCheck)
        showMinimized();
}

void Tmainform::closeEvent(QCloseEvent* event)
{
    // Closing on a signal asks nobody: no one may be there to answer.
    if (!lukkerEfterSignal && !maaLukke()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool Tmainform::maaLukke()
{
    // Tool windows of their own ("Externt") are asked as well as the child windows.
    QList<QWidget*> vinduer = elementer();
    for (const Vaerktoej& vaerktoej : std::as_const(vaerktoejer))
        if (vaerktoej.vindue && vaerktoej.vindue->isWindow())
            vinduer.append(vaerktoej.vindue);
    for (QWidget* window : std::as_const(vinduer))
        if (auto* spoerg = dynamic_cast<MaaLukke*>(window); spoerg && !spoerg->maaLukke())
            return false;
    if (MsRedigeret)
        return false;
    if (processCount > 0)
        // A second close request while the question is open is no answer to it.
        return spoergsmaal && !spoergsmaal->isVisible()
            && spoergsmaal->spoerg(QStringLiteral("Der er en funktion kørende.\nSkal programmet lukkes "
                                                  "alligevel med risiko for fejl ved lukning?"));
    return true;
}

void Tmainform::FormClose()
{
    spTimer->stop();
    CloseAlleElementerExecute();
    // Explorer windows close from the highest number down; whatever numbering leaves open is
    // closed after them, so the program always ends.
    for (int rest = int(stifindere().size()); rest > 0 && NewCount > 0; --rest)
        CloseElementExecute();
    mdiArea->closeAllSubWindows();
    static const char* const vaerktoejsOrden[] = {"aInfo", "opretGenveje", "progInsert", "OpretSmappe", "findTekst",
                                                  "aBilledGal", "visKalender", "aWmi", "winApp"};
    for (const char* navn : vaerktoejsOrden)
        if (QWidget* window = vaerktoejer.value(QLatin1String(navn)).vindue)
            window->close();
    GemOpt();
}
