// The page of document types and the window's option file.
#include "tools/findtekst/tfindform.h"

#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/placeringsfil.h"
#include "app/tmainform.h"
#include "core/beskeder.h"
#include "platform/textfile.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel* forklaring(const QString& tekst, QWidget* parent)
{
    auto* label = new QLabel(tekst, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QWidget* Tfindform::byggeFiltreside()
{
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("side2"));
    auto* layout = new QHBoxLayout(side);
    auto* venstre = new QVBoxLayout;
    venstre->addWidget(new QLabel(QStringLiteral("Afkryds filtyper der skal være tilgængelige i Filterboksen."), side));
    typeliste = new QTreeWidget(side);
    typeliste->setObjectName(QStringLiteral("typeliste"));
    typeliste->setHeaderLabels({QStringLiteral("Tekst"), QStringLiteral("Type")});
    typeliste->setRootIsDecorated(false);
    typeliste->setColumnWidth(0, 200);
    connect(typeliste, &QTreeWidget::itemChanged, this, [this] {
        if (!laderTyper)
            typelisteAendret();
    });
    connect(typeliste, &QTreeWidget::currentItemChanged, regler, &Handlingsregler::opdaterSenere);
    venstre->addWidget(typeliste, 1);

    const auto raekkeNr = [this] { return typeliste->currentItem() ? typeliste->indexOfTopLevelItem(typeliste->currentItem()) : -1; };
    auto* Aop = new QAction(QStringLiteral("Flyt valgte op"), this);
    Aop->setObjectName(QStringLiteral("Aop"));
    Aop->setToolTip(QStringLiteral("Flyt valgte filtype op i listen"));
    connect(Aop, &QAction::triggered, this, [this] { flytType(-1); });
    regler->tilfoej(Aop, [raekkeNr] { return raekkeNr() > 0; });
    auto* Aned = new QAction(QStringLiteral("Flyt valgte ned"), this);
    Aned->setObjectName(QStringLiteral("Aned"));
    Aned->setToolTip(QStringLiteral("Flyt valgte filtype ned i listen"));
    connect(Aned, &QAction::triggered, this, [this] { flytType(1); });
    regler->tilfoej(Aned, [this, raekkeNr] { return raekkeNr() >= 0 && raekkeNr() < typeliste->topLevelItemCount() - 1; });
    auto* menu = new QMenu(typeliste);
    menu->addActions({Aop, Aned});
    typeliste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(typeliste, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint& sted) { menu->popup(typeliste->viewport()->mapToGlobal(sted)); });
    auto* flyt = new QHBoxLayout;
    for (QAction* action : {Aop, Aned})
        flyt->addWidget(knapFor(action, side));
    flyt->addStretch();
    venstre->addLayout(flyt);

    auto* felter = new QFormLayout;
    tekstedit = new QLineEdit(side);
    tekstedit->setObjectName(QStringLiteral("tekstedit"));
    typeedit = new QLineEdit(side);
    typeedit->setObjectName(QStringLiteral("typeedit"));
    connect(typeedit, &QLineEdit::returnPressed, this, &Tfindform::indfoerType);
    felter->addRow(QStringLiteral("Tekst"), tekstedit);
    felter->addRow(QStringLiteral("Type"), typeedit);
    venstre->addLayout(felter);
    auto* knapper = new QHBoxLayout;
    QPushButton* indfoer = tekstknap("indfoerButton", QStringLiteral("Indfør"), QStringLiteral("Indfør i listen"), side);
    connect(indfoer, &QPushButton::clicked, this, &Tfindform::indfoerType);
    QPushButton* standard = tekstknap("standardButton", QStringLiteral("Standard"),
                                      QStringLiteral("Slet nuværende liste og hent standardlisten, der automatisk gemmes"), side);
    connect(standard, &QPushButton::clicked, this, &Tfindform::standardTyper);
    QPushButton* slet = tekstknap("sletButton", QStringLiteral("Slet valgte"), QStringLiteral("Slet valgte punkt fra listen"), side);
    connect(slet, &QPushButton::clicked, this, &Tfindform::sletType);
    gemKnap = tekstknap("gemButton", QStringLiteral("Gem"), QStringLiteral("Gem listen og luk"), side);
    gemKnap->setEnabled(false);
    connect(gemKnap, &QPushButton::clicked, this, &Tfindform::GemTypeliste);
    regler->tilfoej([this] { gemKnap->setEnabled(typerAendret); });
    for (QPushButton* knap : {indfoer, standard, slet, gemKnap})
        knapper->addWidget(knap);
    knapper->addStretch();
    venstre->addLayout(knapper);
    layout->addLayout(venstre, 3);

    auto* hoejre = new QVBoxLayout;
    hoejre->addWidget(forklaring(QStringLiteral("Åben alle funktionen:"), side));
    QPushButton* download = tekstknap("downloadButton", QStringLiteral("Pennolt"),
                                      QStringLiteral("Om at åbne dokumenter med et valgt program"), side);
    connect(download, &QPushButton::clicked, this, [this] { main.InfoHelp(QStringLiteral("Søg i tekstfiler.html")); });
    hoejre->addWidget(download, 0, Qt::AlignLeft);
    for (const char* tekst : {"Denne funktion kræver at der er indført et program, der kan åbne dokumenter, der sendes som "
                              "parametre til programmet.",
                              "Programmet skal endvidere være valgt som det aktive program.",
                              "Tekstfiler kan altid åbnes med programmet Pennolt.",
                              "Indfør programmet ved Andre funktioner: Indfør og vælg der derefter som det aktive program i "
                              "Højre panelet."})
        hoejre->addWidget(forklaring(QString::fromUtf8(tekst), side));
    hoejre->addStretch();
    layout->addLayout(hoejre, 2);
    return side;
}

void Tfindform::HentTypeliste()
{
    const std::optional<QStringList> linjer = platform::readTextLines(typelistenavn);
    const std::optional<QList<Filtertype>> typer = linjer ? filtertyperFraLinjer(*linjer) : std::nullopt;
    // A file that cannot be read as types is left as it is until the user saves a list.
    filliste = typer.value_or(standardFiltertyper());
    if (!linjer && !QFileInfo::exists(typelistenavn))
        platform::writeTextLines(typelistenavn, linjerFraFiltertyper(filliste));
    LoadFilterBoks();
}

void Tfindform::LoadTypeliste()
{
    laderTyper = true;
    typeliste->clear();
    for (const Filtertype& type : std::as_const(filliste)) {
        auto* item = new QTreeWidgetItem(typeliste, {type.tekst, type.moenster});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, type.afkrydset ? Qt::Checked : Qt::Unchecked);
    }
    laderTyper = false;
    typerAendret = false;
    regler->opdaterSenere();
}

void Tfindform::LoadFilterBoks()
{
    filterBoks->clear();
    for (const Filtertype& type : std::as_const(filliste))
        if (type.afkrydset)
            filterBoks->addItem(type.tekst + QStringLiteral(" (") + type.moenster + u')', type.moenster);
    filterBoks->setMaxVisibleItems(filterBoks->count());
    if (filterItemIndex < 0 || filterItemIndex >= filterBoks->count())
        filterItemIndex = 0;
    filterBoks->setCurrentIndex(filterBoks->count() > 0 ? filterItemIndex : -1);
}

bool Tfindform::ErExtListet(const QString& aaExt)
{
    const int plads = filterplads(filliste, aaExt);
    if (plads < 0)
        return false;
    filterBoks->setCurrentIndex(plads);
    filterItemIndex = plads;
    return true;
}

QList<Filtertype> Tfindform::typerIListen() const
{
    QList<Filtertype> typer;
    for (int i = 0; i < typeliste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = typeliste->topLevelItem(i);
        typer.append({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return typer;
}

void Tfindform::typelisteAendret()
{
    typerAendret = true;
    regler->opdaterSenere();
}

void Tfindform::GemTypeliste()
{
    filliste = typerIListen();
    if (!platform::writeTextLines(typelistenavn, linjerFraFiltertyper(filliste))) {
        main.beskeder()->sig(QStringLiteral("Listen over filtyper kunne ikke gemmes."));
        return;
    }
    LoadFilterBoks();
    typerAendret = false;
    regler->opdaterSenere();
}

void Tfindform::indfoerType()
{
    const QString tekst = tekstedit->text().trimmed();
    const QString type = typeedit->text().trimmed();
    if (tekst.isEmpty() || type.isEmpty()) {
        main.beskeder()->sig(QStringLiteral("Både tekst og type skal udfyldes."));
        return;
    }
    auto* item = new QTreeWidgetItem(typeliste, {tekst, moensterFraType(type)});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
    tekstedit->clear();
    typeedit->clear();
    tekstedit->setFocus();
    typelisteAendret();
}

void Tfindform::sletType()
{
    QTreeWidgetItem* item = typeliste->currentItem();
    if (!item) {
        main.beskeder()->sig(QStringLiteral("Der er ikke valgt en filtype!"));
        return;
    }
    if (!main.beskeder()->spoerg(QStringLiteral("Skal filtypen:\n") + item->text(0) + QStringLiteral("\nslettes permanent?"),
                                 Beskeder::AlleCheck::Skjul)
             .ja)
        return;
    delete item;
    typelisteAendret();
}

void Tfindform::standardTyper()
{
    if (!main.beskeder()
             ->spoerg(QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!\nSkal standardlisten "
                                     "hentes alligevel?"),
                      Beskeder::AlleCheck::Skjul)
             .ja)
        return;
    filliste = standardFiltertyper();
    platform::writeTextLines(typelistenavn, linjerFraFiltertyper(filliste));
    LoadTypeliste();
    LoadFilterBoks();
}

void Tfindform::flytType(int retning)
{
    QTreeWidgetItem* item = typeliste->currentItem();
    const int nr = item ? typeliste->indexOfTopLevelItem(item) : -1;
    const int til = nr + retning;
    if (nr < 0 || til < 0 || til >= typeliste->topLevelItemCount())
        return;
    typeliste->insertTopLevelItem(til, typeliste->takeTopLevelItem(nr));
    typeliste->setCurrentItem(item);
    typelisteAendret();
}

void Tfindform::HentOpt() { filterItemIndex = egenPlaceringslinje(optFilnavn, placering, 0); }

void Tfindform::GemOpt() { gemEgenPlaceringslinje(optFilnavn, placering, std::max(0, filterBoks->currentIndex())); }
