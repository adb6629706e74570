// The explorer window's controls: the bars, the two trees, the right panel and its pages.
#include "app/handlingsregler.h"
#include "app/indstillingsbinder.h"
#include "app/ombrudtknaptekst.h"
#include "app/ombrydningslayout.h"
#include "app/rulbarside.h"
#include "app/programkontekst.h"
#include "app/traelinjer.h"
#include "explorer/hjaelpknap.h"
#include "explorer/twinform.h"
#include "fileops/tklipbordslister.h"
#include "fileops/tmetodecompo.h"
#include "core/beskeder.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* trae(const char* navn, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QLatin1String(navn));
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setDragEnabled(true);
    return tree;
}

QWidget* side(const char* navn, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1String(navn));
    return page;
}

QLineEdit* feltMed(const char* navn, QWidget* parent)
{
    auto* felt = new QLineEdit(parent);
    felt->setObjectName(QLatin1String(navn));
    felt->setReadOnly(true);
    return felt;
}

// A small button that shows its text in the information box.
QToolButton* infoKnap(const char* navn, const QString& tekst, Programkontekst& main, QWidget* parent)
{
    auto* knap = new QToolButton(parent);
    knap->setObjectName(QLatin1String(navn));
    knap->setText(QStringLiteral("?"));
    QObject::connect(knap, &QToolButton::clicked, parent, [&main, tekst] { main.beskeder()->sig(tekst); });
    return knap;
}

}  // namespace

void Twinform::byggeVindue()
{
    regler = new Handlingsregler(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    topPanel = new QWidget(this);
    topPanel->setObjectName(QStringLiteral("topPanel"));
    auto* topRow = new QHBoxLayout(topPanel);
    topRow->setContentsMargins(2, 2, 2, 2);
    // The file-action bar: its buttons go on in a second row where the window is too narrow.
    auto* filhandlinger = new QWidget(topPanel);
    filhandlinger->setObjectName(QStringLiteral("filhandlinger"));
    new Ombrydningslayout(filhandlinger);
    topRow->addWidget(filhandlinger, 1);
    AktivitetBoks = new QProgressBar(topPanel);
    AktivitetBoks->setObjectName(QStringLiteral("AktivitetBoks"));
    AktivitetBoks->setTextVisible(false);
    AktivitetBoks->setFixedSize(60, 12);
    AktivitetBoks->setRange(0, 1);
    topRow->addWidget(AktivitetBoks, 0, Qt::AlignTop);
    layout->addWidget(topPanel);

    auto* mirvelBg = new QWidget(this);
    mirvelBg->setObjectName(QStringLiteral("mirvelBg"));
    auto* navigation = new QHBoxLayout(mirvelBg);
    navigation->setContentsMargins(2, 0, 2, 0);
    auto* TilbageButton = new QToolButton(mirvelBg);
    TilbageButton->setObjectName(QStringLiteral("TilbageButton"));
    auto* FremButton = new QToolButton(mirvelBg);
    FremButton->setObjectName(QStringLiteral("FremButton"));
    mirvel = new QTabBar(mirvelBg);
    mirvel->setObjectName(QStringLiteral("mirvel"));
    mirvel->setExpanding(false);
    mirvel->setUsesScrollButtons(true);
    navigation->addWidget(TilbageButton);
    navigation->addWidget(FremButton);
    navigation->addWidget(mirvel, 1);
    layout->addWidget(mirvelBg);

    Redskabslinje = byggeRedskabslinje();
    layout->addWidget(Redskabslinje);

    auto* row = new QHBoxLayout;
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    MappeStruktur = trae("MappeStruktur", Splitter1);
    MappeStruktur->setIndentation(12);
    FilStruktur = trae("FilStruktur", Splitter1);
    FilStruktur->setIndentation(5);
    FilStruktur->setRootIsDecorated(false);
    Splitter1->addWidget(MappeStruktur);
    Splitter1->addWidget(FilStruktur);
    Splitter1->setStretchFactor(1, 1);
    row->addWidget(Splitter1, 1);
    row->addWidget(byggeHoejrePanel());
    layout->addLayout(row, 1);

    byggeHandlinger();
    TilbageButton->setDefaultAction(findChild<QAction*>(QStringLiteral("Tilbage")));
    FremButton->setDefaultAction(findChild<QAction*>(QStringLiteral("Frem")));
    forbindTraeer();
    byggeRegler();
    connect(&main.signaler, &Programsignaler::traeFontAendret, this, [this](int punkter, const QString& navn) {
        QFont font = MappeStruktur->font();
        font.setPointSize(punkter);
        if (navn != u"Default")
            font.setFamily(navn);
        MappeStruktur->setFont(font);
        FilStruktur->setFont(font);
    });
    connect(&main.signaler, &Programsignaler::strukturLinjerAendret, this,
            [this](bool medLinjer) { visLinjer(MappeStruktur, medLinjer); });
    connect(&main.signaler, &Programsignaler::blokerAendret, this, &Twinform::setActionUpdates);
    connect(&main.signaler, &Programsignaler::bogfanerAendret, this, [this] { main.anvendBogfanerPaa({mirvel, favoritBog}); });
    resize(1038, 791);
}

QWidget* Twinform::byggeRedskabslinje()
{
    auto* linje = new QWidget(this);
    linje->setObjectName(QStringLiteral("Redskabslinje"));
    auto* row = new QHBoxLayout(linje);
    row->setContentsMargins(2, 0, 2, 0);
    const auto panel = [&](const char* navn) {
        auto* p = new QWidget(linje);
        p->setObjectName(QLatin1String(navn));
        auto* l = new QHBoxLayout(p);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(1);
        return p;
    };
    funkPanel1 = panel("funkPanel1");
    QWidget* funkPanel2 = panel("funkPanel2");
    QWidget* Panel1 = panel("Panel1");
    row->addWidget(funkPanel1);
    row->addWidget(funkPanel2, 1);
    row->addWidget(Panel1);
    PUdrev1 = new QMenu(linje);
    PUdrev1->setObjectName(QStringLiteral("PUdrev1"));
    PUdrev2 = new QMenu(linje);
    PUdrev2->setObjectName(QStringLiteral("PUdrev2"));
    return linje;
}

QWidget* Twinform::byggeHoejrePanel()
{
    auto* rightPanel = new QWidget(this);
    rightPanel->setObjectName(QStringLiteral("rightPanel"));
    rightPanel->setFixedWidth(302);
    auto* layout = new QVBoxLayout(rightPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    winBog = new QTabWidget(rightPanel);
    winBog->setObjectName(QStringLiteral("winBog"));
    winBog->setTabPosition(QTabWidget::West);
    layout->addWidget(winBog);

    QWidget* sideH1 = byggeKendteMapper();

    QWidget* sideH2 = byggeHistorieside();

    QWidget* sideH3 = side("sideH3", winBog);
    auto* favoritter = new QVBoxLayout(sideH3);
    favoritBog = new QTabWidget(sideH3);
    favoritBog->setObjectName(QStringLiteral("favoritBog"));
    favoritBog->addTab(byggeFavoritside(false), QStringLiteral("Mapper"));
    favoritBog->addTab(byggeFavoritside(true), QStringLiteral("Filer"));
    favoritter->addWidget(favoritBog);

    struct Side {
        QWidget* widget;
        const char* hint;
        QStyle::StandardPixmap ikon;
    };
    const Side sider[] = {
        {sideH1, "Kendte mapper", QStyle::SP_DirHomeIcon},
        {sideH2, "Besøgte mapper", QStyle::SP_BrowserReload},
        {sideH3, "Favoritter", QStyle::SP_DialogYesButton},
        {byggeSoegeside(), "Fil og mappenavne", QStyle::SP_FileDialogContentsView},
        {byggeEgenskaber(), "Egenskaber", QStyle::SP_FileDialogInfoView},
        {byggeAktuelle(), "Aktuelle element og klipbord", QStyle::SP_FileDialogDetailedView},
    };
    for (const Side& s : sider) {
        const int index = winBog->addTab(rulbarSide(s.widget), style()->standardIcon(s.ikon), QString());
        winBog->setTabToolTip(index, QString::fromUtf8(s.hint));
    }
    return rightPanel;
}

QWidget* Twinform::byggeEgenskaber()
{
    QWidget* EgenSiden = side("EgenSiden", winBog);
    auto* layout = new QVBoxLayout(EgenSiden);
    egenskabsBogen = new QTabWidget(EgenSiden);
    egenskabsBogen->setObjectName(QStringLiteral("egenskabsBogen"));
    layout->addWidget(egenskabsBogen);

    auto* visning = new QWidget(egenskabsBogen);
    auto* visLayout = new QVBoxLayout(visning);
    using S = StifinderIndstillinger;
    visLayout->addLayout(hjaelpRaekke(hjaelpKnap("informationsKnap", QStringLiteral("Information om egenskaber"),
                                                 QStringLiteral("Andre egenskaber.html"), main, visning)));
    visLayout->addWidget(binder->afkrydsning("udfoldCheck", QStringLiteral("Vis alle markerknapper"), &S::udfoldCheck,
                                             [this] { setMarkerButton(); }, visning));
    const QStringList placering = {QStringLiteral("Oppe"), QStringLiteral("Nede"), QStringLiteral("Ude")};
    visLayout->addWidget(binder->valgGruppe("redskabsCheck", QStringLiteral("Placering"), placering,
                                            &S::redskabsCheck, [this] { anvendRedskabsplacering(); }, visning));
    visLayout->addWidget(binder->valgGruppe("fanePlaceringsBox", QStringLiteral("Placering"),
                                            {QStringLiteral("Venstre"), QStringLiteral("Top"), QStringLiteral("Højre")},
                                            &S::fanePlaceringsBox, [this] { anvendFaneplacering(); }, visning));
    const auto skift = [this] { bestemTabs(); };
    visLayout->addWidget(binder->afkrydsning("tabVisCheck1", QStringLiteral("Kendte mapper"), &S::tabVisCheck1, skift, visning));
    visLayout->addWidget(binder->afkrydsning("tabVisCheck2", QStringLiteral("Favoritter"), &S::tabVisCheck2, skift, visning));
    visLayout->addWidget(binder->afkrydsning("tabVisCheck3", QStringLiteral("Fil og mappenavne"), &S::tabVisCheck3, skift,
                                             visning));
    visLayout->addWidget(binder->afkrydsning("tabVisCheck0", QStringLiteral("Besøgte mapper"), &S::tabVisCheck0, skift,
                                             visning));
    visLayout->addWidget(byggeKlipbordsOverfoersel(visning));
    visLayout->addStretch();
    egenskabsBogen->addTab(visning, QStringLiteral("Egenskaber"));

    auto* stifinder = new QWidget(egenskabsBogen);
    auto* stifLayout = new QVBoxLayout(stifinder);
    stifindernavnLabel = new QLabel(stifinder);
    stifindernavnLabel->setObjectName(QStringLiteral("stifindernavnLabel"));
    auto* navnRaekke = hjaelpRaekke(hjaelpKnap("informationsKnappen", QStringLiteral("Information om specifikke egenskaber"),
                                               QStringLiteral("Særlige egenskaber.html"), main, stifinder));
    navnRaekke->insertWidget(0, stifindernavnLabel);
    stifLayout->addLayout(navnRaekke);
    QCheckBox* privatCheckBox = binder->afkrydsning(
        "privatCheckBox", QStringLiteral("Start op med privatmapper øverst i mappestrukturen"), &S::privatCheckBox,
        [this] { FStrukturY->setShowPrivate(opt.privatCheckBox); }, stifinder);
    stifLayout->addWidget(privatCheckBox);
    ombrydKnaptekst(privatCheckBox);
    auto* opstartGruppe = binder->valgGruppe(
        "RadioOpstart", QStringLiteral("Program opstart"),
        {QStringLiteral("Standard opstart med alle drev i mappestrukturen. Filstrukturen indrettes herefter, altså med "
                        "første drev i mappestrukturen indlæst."),
         QStringLiteral("Gemmer filstrukturen når programmet lukkes og henter den næste gang programmet åbnes. "
                        "Mappestrukturen indrettes derefter med aktuelle drev."),
         QStringLiteral("Gemmer filstrukturen når programmet lukkes og henter den næste gang programmet åbnes. "
                        "Mappestrukturen indrettes derefter med alle drev.")},
        &S::RadioOpstart, {}, stifinder);
    for (QAbstractButton* knap : opstartGruppe->findChildren<QAbstractButton*>())
        ombrydKnaptekst(knap);
    stifLayout->addWidget(opstartGruppe);
    stifLayout->addWidget(binder->afkrydsning("hiddenCheck", QStringLiteral("Vis skjulte filer og mapper"),
                                              &S::hiddenCheck, [this] { FStrukturY->setShowHidden(opt.hiddenCheck); },
                                              stifinder));
    stifLayout->addStretch();
    egenskabsBogen->addTab(stifinder, QStringLiteral("Stifinder"));
    return EgenSiden;
}

QWidget* Twinform::byggeAktuelle()
{
    QWidget* mainside = side("mainside", winBog);
    auto* form = new QFormLayout(mainside);
    AktiveStrukturEdit = feltMed("AktiveStrukturEdit", mainside);
    AktuelleElementEdit = feltMed("AktuelleElementEdit", mainside);
    AktuelleElementEdit->setText(QStringLiteral("Adgang forbudt"));
    mappenavnFelt = feltMed("mappenavnFelt", mainside);
    filnavnFelt = feltMed("filnavnFelt", mainside);
    form->addRow(hjaelpRaekke(hjaelpKnap("infoInfoBut", QStringLiteral("Information"),
                                         QStringLiteral("Aktuel information.html"), main, mainside)));
    form->addRow(QStringLiteral("Aktive struktur"), AktiveStrukturEdit);
    form->addRow(QStringLiteral("Element"), AktuelleElementEdit);
    form->addRow(QStringLiteral("Mappe"), mappenavnFelt);
    form->addRow(QStringLiteral("Fil"), filnavnFelt);
    EditMappe = feltMed("EditMappe", mainside);
    EditMappe->setText(QStringLiteral("Ingen"));
    EditMappe->setToolTip(QStringLiteral("Antal mapper i klipbordet"));
    EditFil = feltMed("EditFil", mainside);
    EditFil->setText(QStringLiteral("Ingen"));
    EditFil->setToolTip(QStringLiteral("Antal filer i klipbordet"));
    form->addRow(QStringLiteral("Mapper i klipbordet"), EditMappe);
    form->addRow(QStringLiteral("Filer i klipbordet"), EditFil);
    sizeLabel = new QLabel(mainside);
    sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    auto* byteInfoButton = new QToolButton(mainside);
    byteInfoButton->setObjectName(QStringLiteral("byteInfoButton"));
    auto* aMappeFilSize = new QAction(QStringLiteral("Info"), this);
    aMappeFilSize->setObjectName(QStringLiteral("aMappeFilSize"));
    aMappeFilSize->setToolTip(QStringLiteral("Informer om størrelsen på valgte elementer i klipbordet"));
    connect(aMappeFilSize, &QAction::triggered, this, [this, aMappeFilSize] {
        aMappeFilSize->setEnabled(false);
        beregnKlipbordStoerrelse();
    });
    byteInfoButton->setDefaultAction(aMappeFilSize);
    form->addRow(byteInfoButton, sizeLabel);
    form->addRow(byggeKlipbordsKnapper(mainside));
    form->addRow(hjaelpRaekke(hjaelpKnap("infoIndstillingerButton", QStringLiteral("Information om specifikke egenskaber"),
                                         QStringLiteral("indstillinger.html"), main, mainside)));
    using S = StifinderIndstillinger;
    auto* spm = binder->valgGruppe("spmBox", QStringLiteral("Sæt ind og slet"),
                                   {QStringLiteral("Spørg altid"), QStringLiteral("Kun før Slet"), QStringLiteral("Spørg aldrig")},
                                   &S::spmBox, {}, mainside);
    spm->setToolTip(QStringLiteral("Hvornår skal der spørges om handling skal gennemføres"));
    form->addRow(spm);
    auto* result = binder->valgGruppe("resultBox", QStringLiteral("Sæt ind"),
                                      {QStringLiteral("Overskriv ikke"), QStringLiteral("Overskriv"),
                                       QStringLiteral("Opret kopi"), QStringLiteral("Spørg")},
                                      &S::resultBox, {}, mainside);
    result->setToolTip(QStringLiteral("Hvad skal der gøres i forbindelse med Sæt-ind funktionen"));
    form->addRow(result);
    const struct {
        const char* navn;
        const char* tekst;
        const char* hint;
        bool S::*felt;
    } checks[] = {
        {"DragDropCheck", "Anvend Drag-Drop-kopiering", "Slet ikke efter drag-drop selvom det er på samme drev",
         &S::DragDropCheck},
        {"opdaterCheck", "Auto-opdater efter sæt ind", "Opdater altid struktur 1 automatisk efter Sæt-ind funktion",
         &S::opdaterCheck},
        {"LukCheck", "Luk progressbokse", "Luk progress bokse efter handlinger", &S::LukCheck},
        {"rydCheck", "Ryd kopieringslister", "Ryd lister efter Sæt-ind funktionen", &S::rydCheck},
        {"visKlipbordCheck", "Vis Klipbord", "Vis Klipbordet efter hver kopiering", &S::visKlipbordCheck},
        {"visIndstillingerCheck", "Gå til indstillinger", "Gå til indstillinger ved klip og kopiering",
         &S::visIndstillingerCheck},
    };
    const QHash<QString, std::pair<const char*, QString>> info = {
        {"DragDropCheck", {"KlipInf06", QStringLiteral("Hvis \"Anvend Drag-Drop-kopiering\" er valg, slettes der ikke efter "
                                                      "Drag-Drop-kopiering selvom det foregår på samme drev.\nDet svarer "
                                                      "således til normalkopiering men udført som drag-drop handling.")}},
        {"opdaterCheck", {"KlipInf07", QStringLiteral("Bestem om mappestrukturen altid skal opdateres efter \"Sæt-Ind\" eller "
                                                     "ej.\nHvis ikke skal den opdateres manuelt efter handlinger, hvor det er "
                                                     "nødvendigt.")}},
        {"LukCheck", {"KlipInf03", QStringLiteral("Bestemmer om progressbokse skal lukkes automatisk efter brug.\nI modsat "
                                                 "fald skal de lukkes manuelt.")}},
        {"rydCheck", {"KlipInf02", QStringLiteral("Vælg om alle valgte emner i listerne skal slettes efter \"Sæt-ind\".\n"
                                                 "Imodsat fald bevares de. De skal så slettes manuelt, når det er relevant.\n"
                                                 "Det kan anvendes, hvis det kopierede skal indsættes flere steder.")}},
        {"visKlipbordCheck", {"KlipInf01", QStringLiteral("Vælg om kopierings-listerne skal vises efter hver "
                                                         "kopierings-handling.")}},
        {"visIndstillingerCheck", {"klipInf", QStringLiteral("Åben altid siden med indstillinger for funktioner, når der "
                                                            "klippes eller kopieres.")}},
    };
    for (const auto& check : checks) {
        // The clipboard is shown after gathering as the box says, once the window has started.
        std::function<void()> effekt;
        if (check.felt == &S::visKlipbordCheck)
            effekt = [this] {
                if (!opstart)
                    metodeX->BoolVisKlipbord = opt.visKlipbordCheck;
            };
        QCheckBox* box = binder->afkrydsning(check.navn, QString::fromUtf8(check.tekst), check.felt, effekt, mainside);
        box->setToolTip(QString::fromUtf8(check.hint));
        const auto& [knapNavn, tekst] = info.value(QLatin1String(check.navn));
        auto* raekke = new QHBoxLayout;
        raekke->addWidget(infoKnap(knapNavn, tekst, main, mainside));
        raekke->addWidget(box, 1);
        form->addRow(raekke);
    }
    form->addRow(infoKnap("infSammeK", QStringLiteral("Hvis \"Anvend samme klipbord\" vælges, anvender alle stifindere samme "
                                                      "klipbord.\nI modsat fald har hver stifinder sit eget klipbord."),
                          main, mainside));
    return mainside;
}

void Twinform::anvendRedskabsplacering()
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->removeWidget(Redskabslinje);
    Redskabslinje->setVisible(opt.redskabsCheck != 2);
    layout->insertWidget(opt.redskabsCheck == 1 ? layout->count() : 2, Redskabslinje);
}

void Twinform::anvendFaneplacering()
{
    static const QTabWidget::TabPosition placering[] = {QTabWidget::West, QTabWidget::North, QTabWidget::East};
    winBog->setTabPosition(placering[opt.fanePlaceringsBox]);
}


QWidget* Twinform::byggeKlipbordsKnapper(QWidget* side)
{
    // One below the other: side by side, the panel is too narrow for their texts.
    auto* panel = new QWidget(side);
    auto* row = new QVBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    const auto knap = [&](QAction* action) {
        auto* button = new QToolButton(panel);
        button->setDefaultAction(action);
        row->addWidget(button, 0, Qt::AlignLeft);
    };
    knap(handling("aAnnullerMapper", QStringLiteral("Annuller kopiering af mapper"), {}, [this] { annuller(true, false); }));
    knap(handling("aAnnullerFiler", QStringLiteral("Annuller kopiering af filer"), {}, [this] { annuller(false, true); }));
    knap(handling("AnnullerKopiering", QStringLiteral("Annuller kopiering: Ctrl+Z"), Qt::CTRL | Qt::Key_Z,
                  [this] { annuller(true, true); }));
    for (QAction* action : {findChild<QAction*>(QStringLiteral("aAnnullerMapper")),
                            findChild<QAction*>(QStringLiteral("aAnnullerFiler")),
                            findChild<QAction*>(QStringLiteral("AnnullerKopiering"))})
        action->setText(action->toolTip().section(u':', 0, 0));
    const QString infKlipbord = QStringLiteral("Funktionen beregner hvor meget valgte mapper og filer i Klipbordet fylder.\n"
                                               "Dette kan tage lidt tid, alt efter hvor meget der er placeret i Klipbordet.");
    row->addWidget(infoKnap("infKlipbord", infKlipbord, main, panel), 0, Qt::AlignLeft);
    return panel;
}

QWidget* Twinform::byggeKlipbordsOverfoersel(QWidget* side)
{
    auto* box = new QGroupBox(QStringLiteral("Klipbord"), side);
    auto* layout = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    auto* overfoer = new QToolButton(box);
    overfoer->setDefaultAction(handling("KlipbordsdataTransfer", QStringLiteral("Overfør klipbordsdata til andre klipborde"),
                                        {}, [this] {
                                            TKlipbordsLister* lister = klipbordsLister();
                                            if (!lister)
                                                return;
                                            QStringList mapper, filer;
                                            for (QTreeWidget* liste : {lister->Mappeliste(), lister->Filliste()})
                                                for (int i = 0; i < liste->topLevelItemCount(); ++i)
                                                    if (liste->topLevelItem(i)->checkState(0) == Qt::Checked)
                                                        (liste == lister->Mappeliste() ? mapper : filer)
                                                            .append(TKlipbordsLister::sti(liste->topLevelItem(i)));
                                            main.kopierKlipbordsdata(StifinderNavn, mapper, filer);
                                            KDTcheck->setChecked(false);
                                        }));
    overfoer->defaultAction()->setText(QStringLiteral("Overfør klipbords data"));
    overfoer->setToolButtonStyle(Qt::ToolButtonTextOnly);
    KDTcheck = new QCheckBox(QStringLiteral("Aktiver"), box);
    KDTcheck->setObjectName(QStringLiteral("KDTcheck"));
    KDTcheck->setToolTip(QStringLiteral("Aktiver funktionen"));
    connect(KDTcheck, &QCheckBox::clicked, regler, &Handlingsregler::opdaterSenere);
    auto* KDTinf = new QToolButton(box);
    KDTinf->setObjectName(QStringLiteral("KDTinf"));
    KDTinf->setText(QStringLiteral("?"));
    connect(KDTinf, &QToolButton::clicked, this, [this] {
        main.beskeder()->sig(main.opt.sammeKlipbord
                                 ? QStringLiteral("Denne funktion er ikke anvendelig, når filfinderne har fælles klipbord.")
                                 : QStringLiteral("Overfør data fra klipbordet til andre klipborde.\nAfkryds feltet for "
                                                  "at aktivere muligheden for at overføre data."));
    });
    layout->addWidget(overfoer);
    row->addWidget(KDTcheck);
    row->addWidget(KDTinf);
    row->addStretch();
    layout->addLayout(row);
    auto* sammeKbutton = new QToolButton(box);
    sammeKbutton->setObjectName(QStringLiteral("sammeKbutton"));
    sammeKbutton->setText(QStringLiteral("Bestem indstilling"));
    sammeKbutton->setToolTip(QStringLiteral("Gå til indstillinger angående fælles klipbord"));
    connect(sammeKbutton, &QToolButton::clicked, this,
            [this] { main.visEgenskabsside(1, QStringLiteral("Program egenskaber")); });
    layout->addWidget(sammeKbutton);
    auto* gendan = new QToolButton(box);
    gendan->setDefaultAction(handling("klipbordsGendannelse", QStringLiteral("Gendan sidste klipbordsdata"), {},
                                      [this] { klipbordsGendannelse(); }));
    gendan->defaultAction()->setText(QStringLiteral("Gendan data"));
    gendan->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(gendan);
    return box;
}
