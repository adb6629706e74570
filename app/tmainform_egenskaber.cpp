// The properties pages and what their options do at once.
#include "app/designs.h"
#include "app/indstillingsbinder.h"
#include "app/rulbarside.h"
#include "app/tmainform.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int standardBredde = 1270;
constexpr int standardHoejde = 870;
const QStringList fontStoerrelser = {QStringLiteral("Lille"), QStringLiteral("Mellem"), QStringLiteral("Stor")};
const QStringList fontNavne = {QStringLiteral("Tahoma"),  QStringLiteral("Lucida Fax"), QStringLiteral("Lucida Sans"),
                               QStringLiteral("Arial"),   QStringLiteral("Verdana"),    QStringLiteral("Default")};

QLabel* forklaring(const QString& tekst, QWidget* parent)
{
    auto* label = new QLabel(tekst, parent);
    label->setWordWrap(true);
    return label;
}

// The tab look of one page control or tab bar: 0 flat buttons, 1 buttons, 2 tabs.
// The look of the tabs, for tab bars and for the buttons that stand as tabs in rows of their own.
QString fanestil(int stil)
{
    QString regler;
    switch (stil) {
    case 0:
        regler = QStringLiteral("@fane { border: none; padding: 4px 8px; margin: 1px; }"
                                "@valgt { background: palette(highlight); color: palette(highlighted-text); }");
        break;
    case 1:
        regler = QStringLiteral("@fane { border: 1px solid palette(mid); border-radius: 3px; padding: 3px 8px;"
                                " margin: 1px; background: palette(button); }"
                                "@valgt { background: palette(light); border-color: palette(highlight); }");
        break;
    default:
        return {};
    }
    const QString knapper = QString(regler)
                                .replace(QStringLiteral("@fane"), QStringLiteral("QToolButton[fane=\"true\"]"))
                                .replace(QStringLiteral("@valgt"), QStringLiteral("QToolButton[fane=\"true\"]:checked"));
    return regler.replace(QStringLiteral("@fane"), QStringLiteral("QTabBar::tab"))
               .replace(QStringLiteral("@valgt"), QStringLiteral("QTabBar::tab:selected"))
           + knapper;
}

}  // namespace

void Tmainform::byggeSider()
{
    auto* egenskaber = new QVBoxLayout(bogside(Programbog, 0));
    egenskaber->addWidget(byggeEgenskaber());

    QWidget* klipbordSide = bogside(Programbog, 1);
    auto* klipbord = new QVBoxLayout(klipbordSide);
    auto* KlipbordsCheck = new QCheckBox(handlinger.value("aSammeKlipbord")->text(), klipbordSide);
    KlipbordsCheck->setObjectName(QStringLiteral("KlipbordsCheck"));
    QAction* sammeKlipbord = handlinger.value("aSammeKlipbord");
    connect(KlipbordsCheck, &QCheckBox::clicked, sammeKlipbord, &QAction::trigger);
    connect(sammeKlipbord, &QAction::changed, KlipbordsCheck, [KlipbordsCheck, sammeKlipbord] {
        KlipbordsCheck->setChecked(sammeKlipbord->isChecked());
        KlipbordsCheck->setEnabled(sammeKlipbord->isEnabled());
        KlipbordsCheck->setToolTip(sammeKlipbord->toolTip());
    });
    klipbord->addWidget(KlipbordsCheck);
    klipbord->addWidget(forklaring(QStringLiteral("Denne egenskab kan kun ændres, hvis alle stifindere og andre "
                                                  "elementer er lukkede."),
                                   klipbordSide));
    klipbord->addStretch();

    QWidget* strukturSide = bogside(Programbog, 2);
    auto* strukturer = new QVBoxLayout(strukturSide);
    strukturer->addWidget(binder->valgGruppe("FremFormCheck", QStringLiteral("Vis strukturer som"),
                                     {QStringLiteral("Niveaustruktur"), QStringLiteral("Punktstruktur")},
                                     &MainSettings::FremFormCheck, [this] { Q_EMIT signaler.fremFormAendret(); }, strukturSide));
    strukturer->addWidget(forklaring(QStringLiteral("Niveaustruktur:\nViser punkterne i deres egentlige sammenhæng."),
                                     strukturSide));
    strukturer->addWidget(forklaring(QStringLiteral("Punktstruktur:\nViser punkterne punkt for punkt."), strukturSide));
    strukturer->addStretch();

    auto* sikkerhed = new QVBoxLayout(bogside(Programbog, 3));
    sikkerhed->addWidget(byggeSikkerhed());
    auto* panelIndhold = new QVBoxLayout(bogside(Programbog, 4));
    panelIndhold->addWidget(byggePanelIndhold());
    auto* aabning = new QVBoxLayout(bogside(funkBog, 1));
    aabning->addWidget(byggeAabningsmaader());
}

QWidget* Tmainform::byggeEgenskaber()
{
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(new QLabel(QStringLiteral("qvmMirvel version ") + QStringLiteral(QVM_VERSION), side));

    designBox = new QComboBox(side);
    designBox->setObjectName(QStringLiteral("designBox"));
    designBox->addItems(designNavne());
    designBox->setMaxVisibleItems(designBox->count());
    // The box takes the page's width rather than its longest name; its list shows the names whole.
    designBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    designBox->setMinimumContentsLength(8);
    connect(designBox, &QComboBox::textActivated, this, [this](const QString& navn) {
        opt.designName = navn;
        anvendDesign(navn);
    });
    auto* designRow = new QHBoxLayout;
    designRow->addWidget(new QLabel(QStringLiteral("Design"), side));
    designRow->addWidget(designBox, 1);
    layout->addLayout(designRow);

    const auto fontEffekt = [this] { anvendTraeFont(); };
    layout->addWidget(binder->valgGruppe("Fontbox", QStringLiteral("Skriftstørrelse"), fontStoerrelser, &MainSettings::Fontbox,
                                 fontEffekt, side));
    layout->addWidget(binder->valgGruppe("FontnavnBox", QStringLiteral("Skrifttype"), fontNavne, &MainSettings::FontnavnBox,
                                 fontEffekt, side));
    layout->addWidget(binder->afkrydsning("CheckStrukturLinjer", QStringLiteral("Mappestruktur med linjer"),
                                  &MainSettings::CheckStrukturLinjer,
                                  [this] { Q_EMIT signaler.strukturLinjerAendret(opt.CheckStrukturLinjer); }, side));
    layout->addWidget(binder->valgGruppe("bogfanerBox", QStringLiteral("Fremstillings muligheder"),
                                 {QStringLiteral("Fladknapper"), QStringLiteral("Knapper"), QStringLiteral("Tabs")},
                                 &MainSettings::bogfanerBox, [this] { anvendBogfaner(); }, side));

    auto* maxRow = new QHBoxLayout;
    maxRow->addWidget(new QLabel(QStringLiteral("Maximum antal"), side));
    maxFindEdit = new QLineEdit(side);
    maxFindEdit->setObjectName(QStringLiteral("maxFindEdit"));
    maxFindEdit->setReadOnly(true);
    maxFindEdit->setMaximumWidth(60);
    maxRow->addWidget(maxFindEdit);
    const auto maxKnap = [&](const char* navn, const QString& tekst, std::function<int()> nyVaerdi) {
        auto* knap = new QPushButton(tekst, side);
        knap->setObjectName(QLatin1String(navn));
        knap->setMaximumWidth(44);
        connect(knap, &QPushButton::clicked, this, [this, nyVaerdi] { setMaxElementer(nyVaerdi()); });
        maxRow->addWidget(knap);
    };
    maxKnap("maxOpKnap", QStringLiteral("+"), [this] { return opt.maxElementer + 10; });
    maxKnap("maxNedKnap", QStringLiteral("-"), [this] { return std::max(10, opt.maxElementer - 10); });
    layout->addLayout(maxRow);
    auto* presetRow = new QHBoxLayout;
    for (const int antal : {120, 240, 360, 480}) {
        auto* knap = new QPushButton(QString::number(antal), side);
        knap->setObjectName(QStringLiteral("max%1Knap").arg(antal));
        connect(knap, &QPushButton::clicked, this, [this, antal] { setMaxElementer(antal); });
        presetRow->addWidget(knap);
    }
    layout->addLayout(presetRow);

    auto* sizeRow = new QHBoxLayout;
    breddeLabel = new QLabel(side);
    hoejdeLabel = new QLabel(side);
    standardSize = new QPushButton(QStringLiteral("Standard"), side);
    standardSize->setObjectName(QStringLiteral("standardSize"));
    standardSize->setToolTip(QStringLiteral("Sæt standard størrelse"));
    connect(standardSize, &QPushButton::clicked, this, [this] { resize(standardBredde, standardHoejde); });
    sizeRow->addWidget(breddeLabel);
    sizeRow->addWidget(hoejdeLabel);
    layout->addLayout(sizeRow);
    layout->addWidget(standardSize, 0, Qt::AlignLeft);

    const QString naesteStart = QStringLiteral("Fungerer ved næste programopstart");
    layout->addWidget(binder->afkrydsning("trayCheck", QStringLiteral("Minimer til system bakken"), &MainSettings::trayCheck, {},
                                  side));
    layout->addWidget(binder->afkrydsning("minimerCheck", QStringLiteral("Minimer ved opstart"), &MainSettings::minimerCheck, {},
                                  side));
    findChild<QCheckBox*>(QStringLiteral("trayCheck"))->setToolTip(naesteStart);
    findChild<QCheckBox*>(QStringLiteral("minimerCheck"))->setToolTip(naesteStart);

    auto* startRow = new QHBoxLayout;
    startRow->addWidget(new QLabel(QStringLiteral("StartUp-program"), side));
    auto* startProgDoButton = new QPushButton(QStringLiteral("Udfør"), side);
    startProgDoButton->setObjectName(QStringLiteral("startProgDoButton"));
    startProgDoButton->setToolTip(QStringLiteral("Tilføj eller fjern programmet som StartUp-program"));
    connect(startProgDoButton, &QPushButton::clicked, this, &Tmainform::startProgDoButtonClick);
    startRow->addWidget(startProgDoButton);
    startRow->addStretch();
    layout->addLayout(startRow);
    layout->addStretch();
    return side;
}

QWidget* Tmainform::byggeSikkerhed()
{
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    const auto bloker = [this] { Q_EMIT signaler.blokerAendret(opt.blokerCheck); };
    layout->addWidget(binder->afkrydsning("sikkerhedsCheck", QStringLiteral("Informer"), &MainSettings::sikkerhedsCheck, {}, side));
    layout->addWidget(forklaring(QStringLiteral("Spørger før kopiering, flytning og sletning."), side));
    layout->addWidget(binder->afkrydsning("blokerCheck", QStringLiteral("Bloker funktioner"), &MainSettings::blokerCheck, bloker,
                                  side));
    layout->addWidget(forklaring(QStringLiteral("Funktioner, der kan komme i vejen for en kørende handling, spærres."), side));
    layout->addWidget(binder->afkrydsning("beskedCheck", QStringLiteral("Informer via besked-centeret"),
                                  &MainSettings::beskedCheck, {}, side));
    layout->addWidget(forklaring(QStringLiteral("Afsluttede kopieringer og sletninger meldes i skrivebordets "
                                                "besked-center."),
                                 side));
    layout->addWidget(binder->afkrydsning("vhaFunkCheck", QStringLiteral("Vis hints"), &MainSettings::vhaFunkCheck, bloker, side));
    layout->addWidget(forklaring(QStringLiteral("Viser hints, mens en handling kører."), side));
    layout->addStretch();
    return side;
}

QWidget* Tmainform::byggePanelIndhold()
{
    auto* side = new QGroupBox(QStringLiteral("Panel indhold"), this);
    auto* layout = new QVBoxLayout(side);
    const auto skift = [this] { bestemTabs(); };
    layout->addWidget(binder->afkrydsning("tabVisCheck1", QStringLiteral("Søg på nettet"), &MainSettings::tabVisCheck1, skift, side));
    layout->addWidget(binder->afkrydsning("tabVisCheck2", QStringLiteral("Notater"), &MainSettings::tabVisCheck2, skift, side));
    layout->addWidget(binder->afkrydsning("tabVisCheck3", QStringLiteral("Program genveje"), &MainSettings::tabVisCheck3, skift, side));
    layout->addWidget(binder->afkrydsning("tabVisCheck4", QStringLiteral("Indhold"), &MainSettings::tabVisCheck4, skift, side));
    layout->addStretch();
    return side;
}

QWidget* Tmainform::byggeAabningsmaader()
{
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(forklaring(QStringLiteral("Programmer kan åbnes internt i eller externt altså uden for programmet."),
                                 side));
    const QStringList maader = {QStringLiteral("Internt"), QStringLiteral("Externt")};
    const struct {
        const char* navn;
        const char* titel;
        int MainSettings::*felt;
    } grupper[] = {
        {"openInfo", "Information", &MainSettings::openInfo},
        {"openGenveje", "Genveje", &MainSettings::openGenveje},
        {"openProgrammer", "Programmer", &MainSettings::openProgrammer},
        {"openStrukturer", "Strukturer", &MainSettings::openStrukturer},
        {"openTekstfiler", "Tekstfiler", &MainSettings::openTekstfiler},
        {"openBilleder", "Billeder", &MainSettings::openBilleder},
        {"openKalender", "Kalender", &MainSettings::openKalender},
        {"openWmi", "WMI", &MainSettings::openWmi},
    };
    for (const auto& gruppe : grupper)
        layout->addWidget(binder->valgGruppe(gruppe.navn, QString::fromUtf8(gruppe.titel), maader, gruppe.felt, {}, side));
    layout->addStretch();
    return side;
}

void Tmainform::skiftBlokering() { findChild<QCheckBox*>(QStringLiteral("blokerCheck"))->click(); }

void Tmainform::visIndstillinger()
{
    binder->vis();
    designBox->setCurrentText(opt.designName);
    maxFindEdit->setText(QString::number(opt.maxElementer));
}

void Tmainform::setMaxElementer(int antal)
{
    opt.maxElementer = antal;
    maxFindEdit->setText(QString::number(antal));
}

void Tmainform::anvendBogfaner()
{
    // The books stand under their rows of tabs, in the widget that holds both.
    anvendBogfanerPaa({elementTabs, funkBog->parentWidget(), Programbog->parentWidget()});
    Q_EMIT signaler.bogfanerAendret(opt.bogfanerBox);
}

void Tmainform::anvendBogfanerPaa(const QList<QWidget*>& faner) const
{
    const QString stil = fanestil(opt.bogfanerBox);
    for (QWidget* fane : faner)
        fane->setStyleSheet(stil);
}

void Tmainform::FontboxClick() { anvendTraeFont(); }

void Tmainform::FontnavnBoxClick() { anvendTraeFont(); }

void Tmainform::anvendTraeFont()
{
    Q_EMIT signaler.traeFontAendret(8 + opt.Fontbox, fontNavne.value(opt.FontnavnBox));
}

void Tmainform::anvendDesign(const QString& navn)
{
    if (!anvendDesignNavn(navn))
        return;
    designBox->setCurrentText(navn);
}

void Tmainform::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    breddeLabel->setText(QStringLiteral("Bredde: %1").arg(width()));
    hoejdeLabel->setText(QStringLiteral("Højde: %1").arg(height()));
    standardSize->setEnabled(size() != QSize(standardBredde, standardHoejde));
}
