// The top bar and the left panel: the page control "Hovedbog" with its pages, the panel title,
// showing and hiding the panel, and the actions that turn to a page.
#include "app/ombrudtefaner.h"
#include "app/rulbarside.h"
#include "app/tmainform.h"

#include <QStyle>
#include <QAction>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int panelWidth = 302;
constexpr int leastWidth = 1228;

QTabWidget* makeBook(const char* name, const QStringList& pages, QWidget* parent)
{
    auto* book = new QTabWidget(parent);
    book->setObjectName(QLatin1String(name));
    for (const QString& page : pages)
        book->addTab(rulbarSide(new QWidget(book)), page);
    return book;
}

QWidget* pageWith(QWidget* content, const char* name, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    if (content)
        layout->addWidget(content);
    else
        layout->addStretch();
    return page;
}

QToolButton* knap(const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    return button;
}

const QStringList funkBogTitler = {QStringLiteral("Programmer med funktioner"),
                                   QStringLiteral("Programmer: Egenskaber"), QStringLiteral("Dos kommandoer")};
const QStringList ProgrambogTitler = {QStringLiteral("Program Egenskaber"), QStringLiteral("Klipbord"),
                                      QStringLiteral("Strukturer"), QStringLiteral("Sikkerhed"), QString()};

}  // namespace

QWidget* Tmainform::byggeTopPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("topPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    auto* openButton = knap("openButton", panel);
    auto* progMenu = knap("progMenu", panel);
    auto* closeButton = knap("closeButton", panel);
    auto* SpeedButton3 = knap("SpeedButton3", panel);
    elementTabs = new QTabBar(panel);
    elementTabs->setObjectName(QStringLiteral("tc"));
    elementTabs->setExpanding(false);
    elementTabs->setDrawBase(false);
    auto* SpeedButton1 = knap("SpeedButton1", panel);
    for (QWidget* w : std::initializer_list<QWidget*>{openButton, progMenu, closeButton, SpeedButton3})
        row->addWidget(w);
    row->addWidget(elementTabs, 1);
    row->addWidget(SpeedButton1);
    return panel;
}

QWidget* Tmainform::byggeVenstrePanel()
{
    mainPanel = new QWidget(this);
    mainPanel->setObjectName(QStringLiteral("mainPanel"));
    mainPanel->setFixedWidth(panelWidth);
    auto* layout = new QVBoxLayout(mainPanel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* titleRow = new QHBoxLayout;
    informationsKnappen = knap("informationsKnappen", mainPanel);
    informationsKnappen->setToolTip(QStringLiteral("Information om aktuelle side"));
    informationsKnappen->setProperty("ikon", 56);
    informationsKnappen->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    informationsKnappenL = new QLabel(mainPanel);
    informationsKnappenL->setObjectName(QStringLiteral("informationsKnappenL"));
    auto* genvejsinfoButton = knap("genvejsinfoButton", mainPanel);
    genvejsinfoButton->setToolTip(QStringLiteral("Information: Genvejstaster"));
    genvejsinfoButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    titleRow->addWidget(informationsKnappen);
    titleRow->addWidget(informationsKnappenL, 1);
    titleRow->addWidget(genvejsinfoButton);
    layout->addLayout(titleRow);

    Hovedbog = new QTabWidget(mainPanel);
    Hovedbog->setObjectName(QStringLiteral("Hovedbog"));
    Hovedbog->setTabPosition(QTabWidget::West);
    layout->addWidget(Hovedbog, 1);

    funkBog = makeBook("funkBog", {QStringLiteral("Programmer"), QStringLiteral("Egenskaber"), QStringLiteral("Dos")},
                       Hovedbog);
    Programbog = makeBook("Programbog",
                          {QStringLiteral("Egenskaber"), QStringLiteral("Klipbord"), QStringLiteral("Strukturer"),
                           QStringLiteral("Sikkerhed"), QStringLiteral("Panel")},
                          Hovedbog);
    genvejsBog = makeBook("genvejsBog",
                          {QStringLiteral("Funktioner"), QStringLiteral("Programmer"), QStringLiteral("F taster"),
                           QStringLiteral("Ctrl+")},
                          Hovedbog);
    globusIndhold = new QWidget(Hovedbog);
    globusIndhold->setObjectName(QStringLiteral("globusIndhold"));
    notatIndhold = new QWidget(Hovedbog);
    notatIndhold->setObjectName(QStringLiteral("notatIndhold"));
    struct Side {
        QWidget* indhold;
        const char* navn;
        const char* hint;
        QStyle::StandardPixmap ikon;
    };
    const Side sider[] = {
        {medOmbrudteFaner(funkBog), "openProgramSide", "Programmer med funktioner", QStyle::SP_DesktopIcon},
        {byggeProgramside(Hovedbog), "programmerSide", "Udvalgte programmer", QStyle::SP_ComputerIcon},
        {rulbarSide(globusIndhold), "globusSide", "Søg på nettet", QStyle::SP_DriveNetIcon},
        {rulbarSide(notatIndhold), "notatSide", "Notater", QStyle::SP_FileDialogDetailedView},
        {medOmbrudteFaner(Programbog), "programSide", "Egenskaber", QStyle::SP_FileDialogInfoView},
        {byggeInfoside(Hovedbog), "TabSheet1", "Velkommen", QStyle::SP_MessageBoxInformation},
        {medOmbrudteFaner(genvejsBog), "genvejsSide", "Program genveje", QStyle::SP_FileDialogListView},
        {nullptr, "oversigtSide", "Indhold", QStyle::SP_FileDialogContentsView},
    };
    for (const Side& side : sider) {
        const int index = Hovedbog->addTab(pageWith(side.indhold, side.navn, Hovedbog), style()->standardIcon(side.ikon),
                                           QString());
        Hovedbog->setTabToolTip(index, QString::fromUtf8(side.hint));
    }
    connect(Hovedbog, &QTabWidget::currentChanged, this, &Tmainform::HovedbogChange);
    connect(funkBog, &QTabWidget::currentChanged, this, &Tmainform::HovedbogChange);
    connect(Programbog, &QTabWidget::currentChanged, this, [this](int page) {
        informationsKnappenL->setText(page == 0 ? QStringLiteral("Egenskaber") : ProgrambogTitler.value(page));
    });
    return mainPanel;
}

void Tmainform::HovedbogChange()
{
    static const QStringList titler = {QString(),
                                       QStringLiteral("Udvalgte programmer"),
                                       QStringLiteral("Søg på nettet"),
                                       QStringLiteral("Notater"),
                                       QString(),
                                       QStringLiteral("Velkommen"),
                                       QStringLiteral("Program genveje"),
                                       QStringLiteral("Indhold")};
    const int page = Hovedbog->currentIndex();
    if (page == 0)
        informationsKnappenL->setText(funkBogTitler.value(funkBog->currentIndex()));
    else if (page == 4)
        informationsKnappenL->setText(ProgrambogTitler.value(Programbog->currentIndex()));
    else
        informationsKnappenL->setText(titler.value(page));
    informationsKnappen->setProperty("ikon", page == 7 ? 55 : 56);
}

void Tmainform::bestemTabs()
{
    Hovedbog->setTabVisible(2, opt.tabVisCheck1);
    Hovedbog->setTabVisible(3, opt.tabVisCheck2);
    Hovedbog->setTabVisible(6, opt.tabVisCheck3);
    Hovedbog->setTabVisible(7, opt.tabVisCheck4);
}

void Tmainform::visPanel(bool vis)
{
    if (vis == !mainPanel->isHidden())
        return;
    setMinimumWidth(0);
    mainPanel->setVisible(vis);
    resize(width() + (vis ? panelWidth : -panelWidth), height());
    setMinimumWidth(vis ? leastWidth : leastWidth - panelWidth);
    opt.mainPanelVisible = vis;
}

void Tmainform::aPanelVExecute() { visPanel(mainPanel->isHidden()); }

void Tmainform::visSide(int side, int inderSide, const QString& titel)
{
    visPanel(true);
    Hovedbog->setCurrentIndex(side);
    QTabWidget* indre = side == 0   ? funkBog
                        : side == 4 ? Programbog
                        : side == 5 ? infoPlads->findChild<QTabWidget*>()
                        : side == 6 ? genvejsBog
                                    : nullptr;
    if (indre)
        indre->setCurrentIndex(inderSide);
    if (!titel.isNull())
        informationsKnappenL->setText(titel);
}

void Tmainform::visEgenskabsside(int side, const QString& titel)
{
    visSide(4, side, titel);
    informationsKnappen->setProperty("ikon", 56);
}
