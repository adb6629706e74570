#include "explorer/tlisteform.h"

#include "app/elementvinduer.h"
#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "core/stoerrelser.h"
#include "fileops/tklipbordslister.h"
#include "platform/textfile.h"
#include "core/beskeder.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int standardBredde = 350;
}

Tlisteform::Tlisteform(Programkontekst& main, bool faelles, int nummer)
    : main(main)
    , faelles(faelles)
{
    setObjectName(QStringLiteral("listeform"));
    setElementType(this, ElementType::Klipbord);
    setWindowTitle(faelles ? QStringLiteral("Klipbord") : QStringLiteral("Klipbord %1").arg(nummer));
    winformCaption = QStringLiteral("Stifinder %1").arg(faelles ? 1 : nummer);
    optfilnavn = main.folders.OptMappe
        + (faelles ? QStringLiteral("listeEgenskaber.txt") : QStringLiteral("listeEgenskaber%1.txt").arg(nummer));
    byggeVindue();
    klipbord = std::make_unique<TKlipbordsLister>(Mappeliste, Filliste);
    connect(klipbord.get(), &TKlipbordsLister::aendret, this, &Tlisteform::taelOgVis);

    // The option file: the folder list's width and "Linjevalg"; any other number of lines gives
    // the defaults.
    const auto linjer = platform::readTextLines(optfilnavn);
    bool ok = linjer && linjer->size() == 2;
    const int bredde = ok ? linjer->at(0).trimmed().toInt(&ok) : standardBredde;
    listePanel->setFixedWidth(ok ? bredde : standardBredde);
    selectCheck->setChecked(!ok || linjer->at(1).trimmed() != u"0");
    for (QTreeWidget* liste : {Mappeliste, Filliste})
        liste->setSelectionBehavior(selectCheck->isChecked() ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

Tlisteform::~Tlisteform() = default;

QWidget* Tlisteform::byggeListe(const char* panel, const char* navn, const QString& kolonne, int nummer)
{
    auto* side = new QWidget(this);
    side->setObjectName(QLatin1String(panel));
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* knapper = new QHBoxLayout;
    layout->addLayout(knapper);
    auto* liste = new QTreeWidget(side);
    liste->setObjectName(QLatin1String(navn));
    liste->setColumnCount(2);
    liste->setHeaderLabels({QString(), kolonne});
    liste->header()->resizeSection(0, 48);
    liste->setRootIsDecorated(false);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(liste);
    (nummer == 1 ? Mappeliste : Filliste) = liste;

    const QString slags = nummer == 1 ? QStringLiteral("mapper") : QStringLiteral("filer");
    const auto handling = [&](const QString& navnet, const QString& tekst, const QString& hint, auto udfoer,
                              std::function<bool()> Update) {
        auto* action = new QAction(tekst, this);
        action->setObjectName(navnet);
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, udfoer);
        auto* knap = new QToolButton(side);
        knap->setDefaultAction(action);
        knapper->addWidget(knap);
        regler->tilfoej(action, std::move(Update));
    };
    const auto harEntries = [liste] { return liste->topLevelItemCount() > 0; };
    const QString efter = nummer == 1 ? QString() : QStringLiteral("2");
    handling(QStringLiteral("selectAlle") + efter, QStringLiteral("Alle"), QStringLiteral("Vælg alle %1 til Sæt ind").arg(slags),
             [this, liste] { saetAfkrydsning(liste, true); }, harEntries);
    handling(QStringLiteral("selectIngen") + efter, QStringLiteral("Ingen"),
             QStringLiteral("Fravælg alle %1 til Sæt ind").arg(slags), [this, liste] { saetAfkrydsning(liste, false); },
             harEntries);
    handling(QStringLiteral("sletAlt%1").arg(nummer), QStringLiteral("Ryd"), QStringLiteral("Slet alle afkrydsede elementer i listen"),
             [this, liste] { fjernAfkrydsede(liste); }, harEntries);
    handling(QStringLiteral("sletValgteFraListe") + efter, QStringLiteral("Fjern"),
             QStringLiteral("Fjern alle afkrydsede og valgte %1 fra listen").arg(slags),
             [this, liste] { sletValgteFraListe(liste); }, [liste] { return !liste->selectedItems().isEmpty(); });
    knapper->addStretch();
    return side;
}

void Tlisteform::byggeVindue()
{
    regler = new Handlingsregler(this);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    sizeLabel = new QLabel(QStringLiteral("Ukendt"), this);
    sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    mapperLabel = new QLabel(QStringLiteral("Ukendt"), this);
    mapperLabel->setObjectName(QStringLiteral("mapperLabel"));
    filerLabel = new QLabel(QStringLiteral("Ukendt"), this);
    filerLabel->setObjectName(QStringLiteral("filerLabel"));
    infLabel = new QLabel(this);
    infLabel->setObjectName(QStringLiteral("infLabel"));
    top->addWidget(sizeLabel);
    top->addWidget(new QLabel(QStringLiteral("Mapper: "), this));
    top->addWidget(mapperLabel);
    top->addWidget(new QLabel(QStringLiteral("Filer: "), this));
    top->addWidget(filerLabel);
    top->addWidget(infLabel, 1);
    auto* beregn = new QAction(QStringLiteral("Info"), this);
    beregn->setObjectName(QStringLiteral("BeregnSize"));
    beregn->setToolTip(QStringLiteral("Informer om størrelsen på valgte elementer i klipbordet"));
    connect(beregn, &QAction::triggered, this, [this] {
        if (auto* explorer = dynamic_cast<StifinderKlipbord*>(main.getWinform(winformCaption)))
            explorer->beregnKlipbordStoerrelse();
    });
    auto* beregnKnap = new QToolButton(this);
    beregnKnap->setDefaultAction(beregn);
    top->addWidget(beregnKnap);
    layout->addLayout(top);

    auto* splitter = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    listePanel = byggeListe("listePanel", "Mappeliste", QStringLiteral("Mappenavn"), 1);
    splitter->addWidget(listePanel);
    QWidget* listePanel2 = byggeListe("listePanel2", "Filliste", QStringLiteral("Filnavn"), 2);
    splitter->addWidget(listePanel2);
    auto* begge = new QAction(QStringLiteral("Slet begge lister"), this);
    begge->setObjectName(QStringLiteral("sletBeggeLister"));
    begge->setToolTip(QStringLiteral("Sletter alle elementer uanset afkrydsning"));
    connect(begge, &QAction::triggered, this, &Tlisteform::sletBeggeListerExecute);
    auto* beggeKnap = new QToolButton(listePanel2);
    beggeKnap->setDefaultAction(begge);
    static_cast<QHBoxLayout*>(listePanel2->layout()->itemAt(0)->layout())->addWidget(beggeKnap);
    regler->tilfoej(begge, [this] { return Mappeliste->topLevelItemCount() + Filliste->topLevelItemCount() > 0; });
    layout->addWidget(splitter, 1);

    auto* bund = new QHBoxLayout;
    auto* eks = new QAction(QStringLiteral("Stifinderen"), this);
    eks->setObjectName(QStringLiteral("StifinderEks"));
    eks->setToolTip(QStringLiteral("Vælg destination i relevante Stifinder"));
    connect(eks, &QAction::triggered, this, [this] {
        if (QWidget* explorer = main.getWinform(winformCaption))
            main.aktiverElement(explorer);
    });
    regler->tilfoej(eks, [this] { return Mappeliste->topLevelItemCount() + Filliste->topLevelItemCount() > 0; });
    auto* eksKnap = new QToolButton(this);
    eksKnap->setDefaultAction(eks);
    bund->addWidget(eksKnap);
    bund->addWidget(new QLabel(QStringLiteral("Vælg destination"), this));
    bund->addStretch();
    selectCheck = new QCheckBox(QStringLiteral("Linjevalg"), this);
    selectCheck->setObjectName(QStringLiteral("selectCheck"));
    selectCheck->setToolTip(QStringLiteral("Ved elementvalg vælg hele linjen"));
    connect(selectCheck, &QCheckBox::clicked, this, [this](bool hele) {
        for (QTreeWidget* liste : {Mappeliste, Filliste})
            liste->setSelectionBehavior(hele ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
        gemOpt();
        if (QWidget* fokus = focusWidget())
            fokus->clearFocus();
    });
    bund->addWidget(selectCheck);
    layout->addLayout(bund);
}

void Tlisteform::gemOpt()
{
    if (!platform::writeTextLines(optfilnavn, {QString::number(listePanel->width()), selectCheck->isChecked() ? "1" : "0"}))
        main.beskeder()->sig(QStringLiteral("Indstillingerne kunne ikke gemmes i filen:\n") + optfilnavn);
}

void Tlisteform::taelOgVis(QTreeWidget* liste)
{
    elementAntal = klipbord->getElementAntal();
    const QString antal = QString::number(liste->topLevelItemCount());
    if (liste == Mappeliste)
        udskrivMappeFilInf(antal, QString());
    else
        udskrivMappeFilInf(QString(), antal);
    regler->opdaterSenere();
}

void Tlisteform::udskrivMappeFilInf(const QString& antalMapper, const QString& antalFiler)
{
    if (faelles) {
        main.udskivKlipbordInf(antalMapper, antalFiler);
        return;
    }
    if (auto* explorer = dynamic_cast<StifinderKlipbord*>(main.stifinderMedNavn(winformCaption)))
        explorer->visKlipbordAntal(antalMapper, antalFiler);
}

void Tlisteform::saetAfkrydsning(QTreeWidget* liste, bool afkrydset)
{
    {
        const QSignalBlocker quiet(liste);
        for (int i = 0; i < liste->topLevelItemCount(); ++i)
            liste->topLevelItem(i)->setCheckState(0, afkrydset ? Qt::Checked : Qt::Unchecked);
    }
    taelOgVis(liste);
}

void Tlisteform::fjernAfkrydsede(QTreeWidget* liste)
{
    for (int i = liste->topLevelItemCount() - 1; i >= 0; --i)
        if (liste->topLevelItem(i)->checkState(0) == Qt::Checked)
            delete liste->takeTopLevelItem(i);
    taelOgVis(liste);
}

void Tlisteform::sletAlt1Execute() { fjernAfkrydsede(Mappeliste); }

void Tlisteform::sletAlt2Execute() { fjernAfkrydsede(Filliste); }

void Tlisteform::sletValgteFraListe(QTreeWidget* liste)
{
    QTreeWidgetItem* fokus = liste->currentItem();
    const QList<QTreeWidgetItem*> valgte = liste->selectedItems();
    int husket = valgte.isEmpty() ? -1 : liste->indexOfTopLevelItem(valgte.first());
    if (fokus && fokus->checkState(0) == Qt::Checked) {
        husket = liste->indexOfTopLevelItem(fokus);
        delete liste->takeTopLevelItem(husket);
    }
    if (husket >= 0 && liste->topLevelItemCount() > 0) {
        const int vaelg = std::min(husket, liste->topLevelItemCount() - 1);
        liste->setCurrentItem(liste->topLevelItem(vaelg));
    }
    taelOgVis(liste);
}

void Tlisteform::sletBeggeListerExecute()
{
    Mappeliste->clear();
    Filliste->clear();
    for (QLabel* label : {sizeLabel, mapperLabel, filerLabel})
        label->clear();
    taelOgVis(Filliste);
    taelOgVis(Mappeliste);
}

void Tlisteform::visBeregning()
{
    for (QLabel* label : {sizeLabel, mapperLabel, filerLabel})
        label->setText(QStringLiteral("?"));
    infLabel->setText(QStringLiteral("Beregner..."));
}

void Tlisteform::visStoerrelse(qint64 mapper, qint64 filer, qint64 bytes)
{
    sizeLabel->setText(getSizeString(bytes));
    mapperLabel->setText(QString::number(mapper));
    filerLabel->setText(QString::number(filer));
    infLabel->clear();
}

void Tlisteform::closeEvent(QCloseEvent* event)
{
    // Its explorers keep using the clipboard: closing only hides it; Ctrl+0 shows it again.
    event->ignore();
    if (QWidget* sub = parentWidget())
        sub->hide();
    else
        hide();
}
