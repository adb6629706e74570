// The left panel: its page control "Hovedbog", the inner page controls and the panel title.
#include "app/tmainform.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int panelWidth = 302;

QTabWidget* makeBook(const char* name, const QStringList& pages, QWidget* parent)
{
    auto* book = new QTabWidget(parent);
    book->setObjectName(QLatin1String(name));
    for (const QString& page : pages) {
        auto* sheet = new QWidget(book);
        book->addTab(sheet, page);
    }
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
    return page;
}

// The titles of the inner pages, by the page control they stand in.
const QStringList funkBogTitler = {QStringLiteral("Programmer med funktioner"),
                                   QStringLiteral("Programmer: Egenskaber"),
                                   QStringLiteral("Dos kommandoer")};
const QStringList ProgrambogTitler = {QStringLiteral("Program Egenskaber"), QStringLiteral("Klipbord"),
                                      QStringLiteral("Strukturer"), QStringLiteral("Sikkerhed"), QString()};

}  // namespace

QWidget* Tmainform::byggeVenstrePanel()
{
    mainPanel = new QWidget(this);
    mainPanel->setObjectName(QStringLiteral("mainPanel"));
    mainPanel->setFixedWidth(panelWidth);
    auto* layout = new QVBoxLayout(mainPanel);
    layout->setContentsMargins(0, 0, 0, 0);

    informationsKnappenL = new QLabel(mainPanel);
    informationsKnappenL->setObjectName(QStringLiteral("informationsKnappenL"));
    layout->addWidget(informationsKnappenL);

    Hovedbog = new QTabWidget(mainPanel);
    Hovedbog->setObjectName(QStringLiteral("Hovedbog"));
    Hovedbog->setTabPosition(QTabWidget::West);
    layout->addWidget(Hovedbog, 1);

    funkBog = makeBook("funkBog", {QStringLiteral("Programmer"), QStringLiteral("Egenskaber"), QStringLiteral("Dos")}, Hovedbog);
    Programbog = makeBook("Programbog",
                          {QStringLiteral("Egenskaber"), QStringLiteral("Klipbord"), QStringLiteral("Strukturer"),
                           QStringLiteral("Sikkerhed"), QStringLiteral("Panel")},
                          Hovedbog);
    genvejsBog = makeBook("genvejsBog",
                          {QStringLiteral("Funktioner"), QStringLiteral("Programmer"), QStringLiteral("F taster"),
                           QStringLiteral("Ctrl+Bogstav")},
                          Hovedbog);

    auto* egenskaber = new QVBoxLayout(Programbog->widget(0));
    auto* startLabel = new QLabel(QStringLiteral("StartUp-program"), Programbog->widget(0));
    startProgDoButton = new QPushButton(QStringLiteral("Udfør"), Programbog->widget(0));
    startProgDoButton->setObjectName(QStringLiteral("startProgDoButton"));
    startProgDoButton->setToolTip(QStringLiteral("Tilføj eller fjern programmet som StartUp-program"));
    connect(startProgDoButton, &QPushButton::clicked, this, &Tmainform::startProgDoButtonClick);
    egenskaber->addWidget(startLabel);
    egenskaber->addWidget(startProgDoButton, 0, Qt::AlignLeft);
    egenskaber->addStretch();

    Hovedbog->addTab(pageWith(funkBog, "openProgramSide", Hovedbog), QStringLiteral("Programmer"));
    Hovedbog->addTab(pageWith(nullptr, "programmerSide", Hovedbog), QStringLiteral("Udvalgte"));
    Hovedbog->addTab(pageWith(nullptr, "globusSide", Hovedbog), QStringLiteral("Søg"));
    Hovedbog->addTab(pageWith(nullptr, "notatSide", Hovedbog), QStringLiteral("Notater"));
    Hovedbog->addTab(pageWith(Programbog, "programSide", Hovedbog), QStringLiteral("Egenskaber"));
    Hovedbog->addTab(pageWith(nullptr, "TabSheet1", Hovedbog), QStringLiteral("Velkommen"));
    Hovedbog->addTab(pageWith(genvejsBog, "genvejsSide", Hovedbog), QStringLiteral("Genveje"));
    Hovedbog->addTab(pageWith(nullptr, "oversigtSide", Hovedbog), QStringLiteral("Indhold"));

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
}

void Tmainform::bestemTabs()
{
    Hovedbog->setTabVisible(2, opt.tabVisCheck1);
    Hovedbog->setTabVisible(3, opt.tabVisCheck2);
    Hovedbog->setTabVisible(6, opt.tabVisCheck3);
    Hovedbog->setTabVisible(7, opt.tabVisCheck4);
}
