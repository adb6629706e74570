// The way to the help pages: the left panel's page 5 that the help pages fill, F1 and the buttons
// that open a page, the contents lists and the shortcut-key lists of the left panel.
#include "app/aktivertaster.h"
#include "app/elementvinduer.h"
#include "app/genvejslister.h"
#include "app/rulbarside.h"
#include "app/tmainform.h"
#include "boxes/tinfform.h"
#include "core/beskeder.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

QWidget* Tmainform::byggeInfoside(QWidget* parent)
{
    infoPlads = new QWidget(parent);
    infoPlads->setObjectName(QStringLiteral("infoPlads"));
    auto* layout = new QVBoxLayout(infoPlads);
    layout->setContentsMargins(0, 0, 0, 0);
    return infoPlads;
}

void Tmainform::InfoHelp(const QString& S)
{
    if (hjaelpesider)
        hjaelpesider->InfoHelp(S);
}

void Tmainform::visHtmlSide(const QString& sti)
{
    if (platform::get<platform::Shell>().open(sti, {}, QFileInfo(sti).absolutePath()) > 32)
        return;
    if (hjaelpesider)
        hjaelpesider->visHtmlFil(sti);
}

void Tmainform::aInfoExecute()
{
    QWidget* aktiv = aktivtElement();
    if (!aktiv) {
        InfoHelp(QStringLiteral("qvmStifinder.html"));
        return;
    }
    if (auto* explorer = dynamic_cast<StifinderVindue*>(aktiv)) {
        explorer->showStrukturInfo();
        return;
    }
    if (elementType(aktiv) == ElementType::Klipbord) {
        InfoHelp(QStringLiteral("Klipbordet.html"));
        return;
    }
    // The tool windows carry the name of the action that opens them.
    static const QHash<QString, QString> sider = {
        {QStringLiteral("opretGenveje"), QStringLiteral("Genveje.html")},
        {QStringLiteral("progInsert"), QStringLiteral("Indfør programmer.html")},
        {QStringLiteral("OpretSmappe"), QStringLiteral("Opret mappestrukturer.html")},
        {QStringLiteral("findTekst"), QStringLiteral("Søg i tekstfiler.html")},
        {QStringLiteral("aBilledGal"), QStringLiteral("Billeder.html")},
        {QStringLiteral("visKalender"), QStringLiteral("Kalender.html")},
        {QStringLiteral("aWmi"), QStringLiteral("WMI.html")},
        {QStringLiteral("winApp"), QStringLiteral("Applets.html")},
    };
    if (const QString side = sider.value(aktiv->objectName()); !side.isEmpty())
        InfoHelp(side);
}

void Tmainform::informationsKnappenClick()
{
    static const QStringList sider = {QString(),
                                      QStringLiteral("Programmer.html"),
                                      QStringLiteral("Søg på nettet.html"),
                                      QStringLiteral("Notater.html"),
                                      QString(),
                                      QStringLiteral("qvmStifinder.html"),
                                      QStringLiteral("Program genveje.html")};
    const int side = Hovedbog->currentIndex();
    if (side == 0) {
        InfoHelp(funkBog->currentIndex() == 2 ? QStringLiteral("Dos.html") : QStringLiteral("Programmer med funktioner.html"));
    } else if (side == 4) {
        const int inderSide = Programbog->currentIndex();
        if (inderSide < 4)
            InfoHelp(QStringLiteral("Egenskaber%1.html").arg(inderSide + 1));
        else if (info)
            info->sig(QStringLiteral("Tabbene vises i venstre side af panelet.\n\nSiderne \"Søg på nettet\", \"Notater\","
                                     "\"Program genveje\" samt \"Indhold\" kan vises eller skjules."));
    } else if (side == 7) {
        if (info)
            info->sig(QStringLiteral("Indholdsstruktur med informations genveje."));
    } else {
        InfoHelp(sider.value(side));
    }
}

void Tmainform::byggeIndholdslister()
{
    // Page 0, "Programmer": the buttons of the program's functions and the list of their pages.
    QWidget* programmer = bogside(funkBog, 0);
    auto* layout = new QVBoxLayout(programmer);
    auto* nem = new QGroupBox(QStringLiteral("Nem-funktioner"), programmer);
    nem->setObjectName(QStringLiteral("nemFunktioner"));
    auto* knapper = new QGridLayout(nem);
    int i = 0;
    for (const char* navn : {"aStifinder", "aVisKlipbordet", "aVisStifinder", "findTekst", "OpretSmappe", "aBilledGal",
                             "progInsert", "opretGenveje", "aInfo", "aInsertMappe", "aInsertGenvej", "aFindDoc", "winApp",
                             "aWmi", "visKalender"}) {
        auto* knap = new QToolButton(nem);
        knap->setDefaultAction(handlinger.value(QLatin1String(navn)));
        knap->setToolButtonStyle(Qt::ToolButtonTextOnly);
        knap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        knapper->addWidget(knap, i / 2, i % 2);
        ++i;
    }
    layout->addWidget(nem);
    auto* progInfoListe = new QTreeWidget(programmer);
    progInfoListe->setObjectName(QStringLiteral("progInfoListe"));
    progInfoListe->setHeaderLabel(QStringLiteral("Information"));
    progInfoListe->setRootIsDecorated(false);
    const char* const programsider[][2] = {
        {"Klipbord", "Klipbordet.html"},
        {"Filfinder med Klipbord", "Stifinderen.html"},
        {"Opret genvej", "Genveje.html"},
        {"Indfør program", "Indfør programmer.html"},
        {"Opret mappestrukturer", "Opret mappestrukturer.html"},
        {"Søg i tekstdokumenter", "Søg i tekstfiler.html"},
        {"Galleri til jpg, ico samt bmp filer", "Billeder.html"},
        {"Kalender med funktioner", "Kalender.html"},
        {"WMI", "WMI.html"},
        {"Window applets", "Applets.html"},
    };
    for (const auto& [tekst, side] : programsider) {
        auto* linje = new QTreeWidgetItem(progInfoListe, {QString::fromUtf8(tekst)});
        linje->setData(0, Qt::UserRole, QString::fromUtf8(side));
    }
    const auto aabnProgramside = [this, progInfoListe] {
        if (QTreeWidgetItem* linje = progInfoListe->currentItem())
            InfoHelp(linje->data(0, Qt::UserRole).toString());
    };
    connect(progInfoListe, &QTreeWidget::itemDoubleClicked, this, aabnProgramside);
    new AktiverTaster(progInfoListe, aabnProgramside);
    layout->addWidget(progInfoListe, 1);

    // Page 7, "Indhold": the contents in groups; a line turns to a page of the panel or opens a page.
    QWidget* oversigt = Hovedbog->widget(7);
    auto* oversigtLayout = static_cast<QVBoxLayout*>(oversigt->layout());
    while (QLayoutItem* item = oversigtLayout->takeAt(0))
        delete item;
    indholdsListe = new QTreeWidget(oversigt);
    indholdsListe->setObjectName(QStringLiteral("indholdsListe"));
    indholdsListe->setHeaderHidden(true);
    const char* const grupper[] = {"Side 1: Programmer", "Side 2: Programmer", "Side 3: Søg", "Side 4: Notater",
                                   "Side 5: Egenskaber", "Side 6: Information", "Side 7: Genveje"};
    for (const char* gruppe : grupper)
        new QTreeWidgetItem(indholdsListe, {QString::fromUtf8(gruppe)});
    // Line, group, text, and the panel's page (a number) or a page file.
    const struct {
        int gruppe;
        const char* tekst;
        const char* handling;
    } linjer[] = {
        {1, "Programmer med funktioner", "0"},
        {1, "Opret genveje", "Genveje.html"},
        {1, "Indfør programmer", "Indfør programmer.html"},
        {1, "Opret egne mappestrukturer", "Opret mappestrukturer.html"},
        {1, "Søg efter tekst i tekstfiler", "Søg i tekstfiler.html"},
        {1, "Billeder, Kalender, WMI og Applets", ""},
        {2, "Udvalgte programmer", "1"},
        {2, "Der kan indføres programmer", "Indfører et program.html"},
        {3, "Søg på nettet", "2"},
        {4, "Skriv notater", "3"},
        {5, "Program egenskaber", "4"},
        {6, "Program information", "5"},
        {7, "Program genveje", "6"},
        {3, "Med Google, Bing eller YouTube", "Søg på nettet.html"},
        {4, "Til smånotater og beskeder", "Notater.html"},
        {5, "Lidt design og funktion", "Egenskaber1.html"},
        {6, "Hele informationsstrukturen", ""},
        {7, "Viser grupperede genveje", "Program genveje.html"},
        {2, "Filer kan startes op med program", "Programmer.html"},
        {5, "Struktur og klipbord", "Egenskaber2.html"},
    };
    for (const auto& linje : linjer) {
        auto* item = new QTreeWidgetItem(indholdsListe->topLevelItem(linje.gruppe - 1), {QString::fromUtf8(linje.tekst)});
        item->setData(0, Qt::UserRole, QString::fromUtf8(linje.handling));
    }
    indholdsListe->collapseAll();
    connect(indholdsListe, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString handling = item->data(0, Qt::UserRole).toString();
        bool side = false;
        const int nr = handling.toInt(&side);
        if (side)
            Hovedbog->setCurrentIndex(nr);
        else if (!handling.isEmpty())
            InfoHelp(handling);
        indholdsListe->clearSelection();
        HovedbogChange();
    });
    connect(indholdsListe, &QTreeWidget::itemDoubleClicked, indholdsListe, &QTreeWidget::clearSelection);
    oversigtLayout->addWidget(indholdsListe, 1);
    auto* foldRow = new QHBoxLayout;
    for (const auto& [navn, tekst, hint, udfold] :
         {std::tuple{"foldUdButton", "Fold alle ud", "Udfold struktur", true},
          std::tuple{"foldSammenButton", "Fold alle sammen", "Sammenfold struktur", false}}) {
        auto* knap = new QPushButton(QString::fromUtf8(tekst), oversigt);
        knap->setObjectName(QLatin1String(navn));
        knap->setToolTip(QString::fromUtf8(hint));
        connect(knap, &QPushButton::clicked, indholdsListe, [this, udfold] {
            indholdsListe->clearSelection();
            udfold ? indholdsListe->expandAll() : indholdsListe->collapseAll();
        });
        foldRow->addWidget(knap);
    }
    oversigtLayout->addLayout(foldRow);
}

void Tmainform::byggeGenvejslister()
{
    const auto forklar = [this](const Genvejstast& tast) {
        if (tast.side.isEmpty())
            beskeder()->sig(tast.tekst);
        else
            InfoHelp(tast.side);
    };
    for (int i = 0; i < genvejslister().size(); ++i)
        byggeGenvejsliste(genvejslister().at(i), bogside(genvejsBog, i), forklar);
}
