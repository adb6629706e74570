#include "app/tmainform.h"

#include "app/tinfform.h"
#include "app/tspform.h"
#include "platform/registry.h"
#include "platform/textfile.h"
#include "platform/useraccount.h"
#include "platform/userfolders.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int leastHeight = 776;
}

Tmainform::Tmainform(const QString& shippedProgram, const QStringList& arguments)
    : shippedProgram(shippedProgram)
{
    setObjectName(QStringLiteral("mainform"));
    byggeVindue();
    CreateMapper();
    HentOpt();
    if (!QFileInfo(opt.PlaceringsMappe).isDir()) {
        opt.PlaceringsMappe = folders.BrugerMappe + QStringLiteral("/Genveje");
        QDir().mkpath(opt.PlaceringsMappe);
    }
    setMinimumHeight(leastHeight);
    startMappe = startMappeFraArgumenter(arguments);
}

void Tmainform::setBokse(Tinfform* infoBox, Tspform* questionBox)
{
    info = infoBox;
    spoergsmaal = questionBox;
}

void Tmainform::byggeVindue()
{
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    mdiArea = new QMdiArea(centre);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    row->addWidget(byggeVenstrePanel());
    row->addWidget(mdiArea, 1);
    column->addLayout(row, 1);
    column->addWidget(byggeStiPanel());
    setCentralWidget(centre);
    byggeStatusbar();
    byggeHandlinger();

    spTimer = new QTimer(this);
    spTimer->setObjectName(QStringLiteral("startProgTimer"));
    spTimer->setInterval(1000);
    connect(spTimer, &QTimer::timeout, this, &Tmainform::startProgTimerTimer);
}

void Tmainform::CreateMapper()
{
    folders = dataFoldersFor(platform::get<platform::UserFolders>().path(platform::UserFolder::Home),
                             GetUserFromWindows());
    setWindowTitle(QStringLiteral("qvmMirvel: ") + folders.Abrugernavn);
    opstartsProblemer = createDataFolders(folders, shippedProgram);
}

void Tmainform::HentOpt()
{
    const auto lines = platform::readTextLines(folders.optFilnavn);
    if (!lines || lines->size() != mainSettingsLineCount || !applyMainSettingsLines(*lines, opt))
        defaultOpt();
    anvendIndstillinger();
}

void Tmainform::defaultOpt() { applyDefaultOpt(opt); }

bool Tmainform::GemOpt()
{
    hentVinduesTilstand();
    if (platform::writeTextLines(folders.optFilnavn, mainSettingsLines(opt)))
        return true;
    // A data folder that could not be made was reported at start; say nothing twice.
    if (info && opstartsProblemer.isEmpty())
        info->sig(QStringLiteral("Indstillingerne kunne ikke gemmes i filen:\n") + folders.optFilnavn);
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
    move(bounds.topLeft());
    resize(bounds.size());
    mainPanel->setVisible(opt.mainPanelVisible);
    Hovedbog->setCurrentIndex(opt.HovedbogPage);
    Programbog->setCurrentIndex(opt.ProgrambogPage);
    funkBog->setCurrentIndex(opt.funkBogPage);
    genvejsBog->setCurrentIndex(opt.genvejsBogPage);
    bestemTabs();
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

QString Tmainform::startMappeFraArgumenter(const QStringList& arguments)
{
    if (arguments.size() != 1 || !QFileInfo(arguments.first()).isDir())
        return {};
    return QDir::cleanPath(QFileInfo(arguments.first()).absoluteFilePath());
}

bool Tmainform::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && opstart)
        FormActivate();
    return QMainWindow::event(event);
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
    HovedbogChange();
    if (!opstartsProblemer.isEmpty() && info)
        info->sig(QStringLiteral("Programmets data kan ikke gemmes, for disse mapper kunne ikke oprettes:\n")
                  + opstartsProblemer.join(u'\n')
                  + QStringLiteral("\nProgrammet starter med standardindstillingerne."));
    if (!opt.TryedBefore) {
        opt.TryedBefore = true;
        Hovedbog->setCurrentIndex(4);
        Programbog->setCurrentIndex(0);
        informationsKnappenL->setText(QStringLiteral("Egenskaber"));
    }
    if (opt.minimerCheck)
        showMinimized();
}

void Tmainform::closeEvent(QCloseEvent* event)
{
    if (!maaLukke()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool Tmainform::maaLukke()
{
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
    mdiArea->closeAllSubWindows();
    GemOpt();
}
