#include "tools/mappestruktur/tmappestrukturform.h"

#include "app/fildialog.h"
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/linjetegner.h"
#include "app/placeringsfil.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "boxes/modalseam.h"
#include "core/beskeder.h"
#include "core/strukturnavne.h"
#include "platform/textfile.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int linjehoejde = 19;

}  // namespace

Tmappestrukturform::Tmappestrukturform(Tmainform& main, bool internt)
    : QWidget(&main), showInternt(internt), optFilnavn(main.folders.OptMappe + QStringLiteral("mappestruktur.txt")),
      main(main), regler(new Handlingsregler(this))
{
    setWindowTitle(QStringLiteral("Mappestruktur"));
    auto* layout = new QVBoxLayout(this);
    auto* sider = new QHBoxLayout;
    sider->addWidget(byggeVenstre());
    sider->addWidget(byggeHoejre(), 1);
    layout->addLayout(sider, 1);
    QHBoxLayout* bund = vaerktoejsBund(main, this, showInternt, QStringLiteral("Opret mappestrukturer.html"), "SpeedButton5");
    panelButton = tekstknap("panelButton", QStringLiteral("Panel"), QStringLiteral("Åben eller luk venstre panel"), this);
    panelButton->setVisible(!showInternt);
    connect(panelButton, &QPushButton::clicked, this, &Tmappestrukturform::panelButtonClick);
    bund->insertWidget(1, panelButton);
    layout->addLayout(bund);
    if (!showInternt) {
        setMinimumHeight(main.minimumHeight());
        progSidePanel->setVisible(egenPlaceringslinje(optFilnavn, placering, 1) != 0);
    }
    // Actions follow the current element the explorers set.
    connect(main.EditSti(), &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    regler->opdaterSenere();
}

QListWidget* Tmappestrukturform::liste(const char* navn, const QString& hint, const QColor& farve)
{
    auto* liste = new QListWidget(this);
    liste->setObjectName(QLatin1String(navn));
    liste->setToolTip(hint);
    liste->setItemDelegate(new Linjetegner(Linjetegner::Maerke::Cirkel, farve, linjehoejde, liste));
    connect(liste, &QListWidget::currentRowChanged, regler, &Handlingsregler::opdaterSenere);
    connect(liste->model(), &QAbstractItemModel::rowsInserted, regler, &Handlingsregler::opdaterSenere);
    connect(liste->model(), &QAbstractItemModel::rowsRemoved, regler, &Handlingsregler::opdaterSenere);
    return liste;
}

QWidget* Tmappestrukturform::byggeVenstre()
{
    progSidePanel = new QWidget(this);
    progSidePanel->setObjectName(QStringLiteral("progSidePanel"));
    auto* layout = new QVBoxLayout(progSidePanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Eksisterende strukturer"), progSidePanel));
    strukturListe = liste("strukturListe", QStringLiteral("Indførte strukturer"), QColor(192, 220, 192));
    connect(strukturListe, &QListWidget::itemClicked, this, &Tmappestrukturform::strukturListeClick);
    layout->addWidget(strukturListe, 1);
    const auto harMapper = [this] { return strukturMappeListe->count() > 0; };
    const auto strukturValgt = [this] { return strukturListe->currentRow() >= 0; };
    layout->addWidget(new QLabel(QStringLiteral("Aktiver valgte"), progSidePanel));
    for (QAction* action :
         {regler->handling("aStrukturmappe", QStringLiteral("Punktstruktur"), QStringLiteral("Konstruer en punktstruktur"),
                   [this] { visStruktur(true); }, harMapper),
          regler->handling("aStrukturmappe1", QStringLiteral("Niveaustruktur"), QStringLiteral("Konstruer en niveaustruktur"),
                   [this] { visStruktur(false); }, harMapper),
          regler->handling("aDelete", QStringLiteral("Slet valgte"), QStringLiteral("Slet valgte struktur"),
                   [this] { aDeleteExecute(); }, strukturValgt),
          regler->handling("aRedigerMappestruktur", QStringLiteral("Rediger valgte"), QString(),
                   [this] { aRedigerMappestrukturExecute(); }, strukturValgt)})
        layout->addWidget(knapFor(action, progSidePanel));
    QPushButton* opdater = tekstknap("opdaterKnap", QStringLiteral("Opdater"), QStringLiteral("Genindlæs mappestrukturer"),
                                     progSidePanel);
    connect(opdater, &QPushButton::clicked, this, [this] { main.loadMappeStruktur(true); });
    layout->addWidget(opdater);
    QPushButton* visMappe = tekstknap("visMappeKnap", QStringLiteral("Vis mappe"),
                                      QStringLiteral("Vis mappen hvor strukturfilerne ligger"), progSidePanel);
    connect(visMappe, &QPushButton::clicked, this, [this] { main.visKalMappe(main.folders.mappestrukturDir.chopped(1)); });
    layout->addWidget(visMappe);
    return progSidePanel;
}

QWidget* Tmappestrukturform::byggeHoejre()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Mappestrukturer"), panel));
    Bog = new QTabWidget(panel);
    Bog->setObjectName(QStringLiteral("Bog"));
    layout->addWidget(Bog, 1);

    auto* side2 = new QWidget(Bog);
    side2->setObjectName(QStringLiteral("side2"));
    auto* strukturer = new QVBoxLayout(side2);
    strukturMappeListe = liste("strukturMappeListe", QStringLiteral("Indførte mapper"), QColor(166, 202, 240));
    connect(strukturMappeListe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { main.visKalMappe(item->text()); });
    strukturer->addWidget(strukturMappeListe);
    Bog->addTab(side2, QStringLiteral("Strukturer"));

    auto* side1 = new QWidget(Bog);
    side1->setObjectName(QStringLiteral("side1"));
    auto* rediger = new QHBoxLayout(side1);
    auto* venstre = new QVBoxLayout;
    strukturListeMapper = liste("strukturListeMapper", QString(), QColor(192, 220, 192));
    venstre->addWidget(strukturListeMapper, 1);
    auto* navn = new QHBoxLayout;
    navn->addWidget(new QLabel(QStringLiteral("Strukturnavn"), side1));
    EditGem = new QLineEdit(side1);
    EditGem->setObjectName(QStringLiteral("EditGem"));
    EditGem->setPlaceholderText(QStringLiteral("Indfør strukturnavn og gem"));
    connect(EditGem, &QLineEdit::textEdited, this, [this] {
        if (strukturListeMapper->count() > 0)
            redigeret();
    });
    navn->addWidget(EditGem, 1);
    venstre->addLayout(navn);
    rediger->addLayout(venstre, 1);

    auto* knapper = new QVBoxLayout;
    const auto linjeValgt = [this] { return strukturListeMapper->currentRow(); };
    const auto aktuelMappe = [this] { return QFileInfo(main.EditSti()->text()).isDir(); };
    knapper->addWidget(knapFor(regler->handling("aGem", QStringLiteral("Gem strukturen"), QStringLiteral("Gem strukturen med valgte navn"),
                                        [this] { aGemExecute(); },
                                        [this] { return main.MsRedigeret && !EditGem->text().isEmpty(); }),
                               side1));
    knapper->addWidget(knapFor(regler->handling("aDoBefore", QStringLiteral("Klargør til ny"),
                                        QStringLiteral("Klargør til helt ny struktur: Husk at gemme først, hvis noget er forandret!"),
                                        [this] { aDoBeforeExecute(); }, [] { return true; }),
                               side1));
    QPushButton* indfoer = tekstknap("insertMappeKnap", QStringLiteral("Indfør mappe"), QStringLiteral("Indfør ny mappe i strukturen"),
                                     side1);
    connect(indfoer, &QPushButton::clicked, this, &Tmappestrukturform::indfoerMappe);
    knapper->addWidget(indfoer);
    for (QAction* action :
         {regler->handling("aSlet", QStringLiteral("Fjern mappe"), QStringLiteral("Fjern valgte mappe fra strukturen"),
                   [this] {
                       delete strukturListeMapper->takeItem(strukturListeMapper->currentRow());
                       redigeret();
                   },
                   [linjeValgt] { return linjeValgt() >= 0; }),
          regler->handling("aOp", QStringLiteral("OP"), QStringLiteral("Flyt valgte element op"), [this] { flyt(-1); },
                   [linjeValgt] { return linjeValgt() > 0; }),
          regler->handling("aNed", QStringLiteral("Ned"), QStringLiteral("Flyt valgte element ned"), [this] { flyt(1); },
                   [this, linjeValgt] { return linjeValgt() >= 0 && linjeValgt() < strukturListeMapper->count() - 1; }),
          regler->handling("aAktuelle", QStringLiteral("Aktuelle mappe"), QStringLiteral("Indfør aktuelle mappe i strukturen"),
                   [this] {
                       tilfoejLinje(main.EditSti()->text());
                       redigeret();
                   },
                   aktuelMappe)})
        knapper->addWidget(knapFor(action, side1));
    knapper->addStretch();
    rediger->addLayout(knapper);
    Bog->addTab(side1, QStringLiteral("Opret og rediger strukturer"));
    return panel;
}

void Tmappestrukturform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!opstart)
        return;
    opstart = false;
    Bog->setCurrentIndex(0);
    main.loadMappeStruktur(true);
}

void Tmappestrukturform::visStrukturer(const QStringList& navne)
{
    strukturListe->clear();
    strukturListe->addItems(navne);
    strukturMappeListe->clear();
    regler->opdaterSenere();
}

void Tmappestrukturform::tilfoejMappe(const QString& mappe)
{
    Bog->setCurrentIndex(1);
    tilfoejLinje(mappe);
}

void Tmappestrukturform::tilfoejLinje(const QString& mappe)
{
    strukturListeMapper->addItem(mappe);
    strukturListeMapper->setCurrentRow(strukturListeMapper->count() - 1);
}

void Tmappestrukturform::redigeret()
{
    main.MsRedigeret = true;
    regler->opdaterSenere();
}

QString Tmappestrukturform::valgtStruktur() const
{
    const QListWidgetItem* item = strukturListe->currentItem();
    return item ? item->text() : QString();
}

QStringList Tmappestrukturform::linjer(const QListWidget* liste) const
{
    QStringList ud;
    for (int i = 0; i < liste->count(); ++i)
        ud.append(liste->item(i)->text());
    return ud;
}

void Tmappestrukturform::strukturListeClick()
{
    strukturMappeListe->clear();
    if (const QString navn = valgtStruktur(); !navn.isEmpty())
        strukturMappeListe->addItems(strukturmapper(main.folders.mappestrukturDir + navn + QStringLiteral(".txt")));
    regler->opdaterSenere();
}

void Tmappestrukturform::visStruktur(bool punktstruktur)
{
    if (StifinderVindue* explorer = main.visStrukturOmrids(linjer(strukturMappeListe), punktstruktur, QString()))
        explorer->visStruktur1();
}

void Tmappestrukturform::aGemExecute()
{
    const std::optional<QString> navn = strukturnavnTilGem(EditGem->text());
    if (!navn) {
        main.beskeder()->sig(QStringLiteral("Strukturnavnet må ikke være tomt eller indeholde \"/\"."));
        return;
    }
    const QString fil = main.folders.mappestrukturDir + *navn + QStringLiteral(".txt");
    if (QFileInfo::exists(fil)
        && !main.beskeder()
                ->spoerg(QStringLiteral("Skal filen \"") + *navn + QStringLiteral(".txt\" overskrives?"),
                         Beskeder::AlleCheck::Skjul)
                .ja)
        return;
    if (!platform::writeTextLines(fil, linjer(strukturListeMapper))) {
        main.beskeder()->sig(QStringLiteral("Strukturen kunne ikke gemmes:\n") + fil);
        return;
    }
    main.loadMappeStruktur(true);
    main.MsRedigeret = false;
    regler->opdaterSenere();
}

void Tmappestrukturform::aRedigerMappestrukturExecute()
{
    if (main.MsRedigeret
        && !main.beskeder()
                ->spoerg(QStringLiteral("En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der hentes en anden.\n"
                                        "Skal den valgte hentes til redigering?"),
                         Beskeder::AlleCheck::Skjul)
                .ja)
        return;
    strukturListeMapper->clear();
    strukturListeMapper->addItems(linjer(strukturMappeListe));
    EditGem->setText(strukturnavnTilGem(valgtStruktur()).value_or(valgtStruktur()));
    Bog->setCurrentIndex(1);
    main.MsRedigeret = false;
    regler->opdaterSenere();
}

void Tmappestrukturform::aDoBeforeExecute()
{
    if (main.MsRedigeret
        && !main.beskeder()
                ->spoerg(QStringLiteral("Der er rediget i strukturen! Skal der klargøres alligevel?"), Beskeder::AlleCheck::Skjul)
                .ja)
        return;
    EditGem->clear();
    strukturListeMapper->clear();
    main.MsRedigeret = false;
    regler->opdaterSenere();
}

void Tmappestrukturform::aDeleteExecute()
{
    const QString navn = valgtStruktur();
    const QString start = main.MsRedigeret
                              ? QStringLiteral("En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der slettes.\nSkal elementet ")
                              : QStringLiteral("Skal elementet ");
    if (!main.beskeder()->spoerg(start + u'"' + navn + QStringLiteral("\" slettes permanent?"), Beskeder::AlleCheck::Skjul).ja)
        return;
    main.MsRedigeret = false;
    const QString fil = main.folders.mappestrukturDir + navn + QStringLiteral(".txt");
    // A structure whose file is already gone leaves the list as one that is deleted does.
    if (!QFileInfo::exists(fil))
        main.beskeder()->sig(QStringLiteral("Filen blev ikke fundet."));
    else if (!QFile::remove(fil)) {
        main.beskeder()->sig(QStringLiteral("Strukturen kunne ikke slettes:\n") + fil);
        return;
    }
    strukturMappeListe->clear();
    strukturListeMapper->clear();
    EditGem->clear();
    main.loadMappeStruktur(true);
}

void Tmappestrukturform::indfoerMappe()
{
    QFileDialog dialog(this, QStringLiteral("Indfør mappe"), main.EditSti()->text());
    tilpasFildialog(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (modalseam::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    tilfoejLinje(dialog.selectedFiles().constFirst());
    redigeret();
}

void Tmappestrukturform::flyt(int retning)
{
    const int nr = strukturListeMapper->currentRow();
    const int til = nr + retning;
    if (nr < 0 || til < 0 || til >= strukturListeMapper->count())
        return;
    strukturListeMapper->insertItem(til, strukturListeMapper->takeItem(nr));
    strukturListeMapper->setCurrentRow(til);
    redigeret();
}

void Tmappestrukturform::panelButtonClick()
{
    const int bredde = progSidePanel->width();
    const bool vis = !progSidePanel->isVisible();
    progSidePanel->setVisible(vis);
    resize(width() + (vis ? bredde : -bredde), height());
}

bool Tmappestrukturform::maaLukke()
{
    if (!main.MsRedigeret)
        return true;
    if (!main.beskeder()
             ->spoerg(QStringLiteral("Den hjemmelavede struktur er ikke gemt. Hvis der lukkes, går ændringerne tabt.\n"
                                     "Skal der lukkes alligevel?"),
                      Beskeder::AlleCheck::Skjul)
             .ja)
        return false;
    main.MsRedigeret = false;
    return true;
}

void Tmappestrukturform::closeEvent(QCloseEvent* event)
{
    if (!maaLukke()) {
        event->ignore();
        return;
    }
    if (!showInternt)
        gemEgenPlaceringslinje(optFilnavn, placering, progSidePanel->isVisible() ? 1 : 0);
    QWidget::closeEvent(event);
}

void registrerMappestruktur(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("OpretSmappe"),
                            [&main] { return new Tmappestrukturform(main, main.opt.openStrukturer == 0); },
                            {QStringLiteral("mappestruktur.txt"), Tmappestrukturform::placering});
}
