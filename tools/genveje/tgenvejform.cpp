#include "tools/genveje/tgenvejform.h"

#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/linjetegner.h"
#include "app/placeringsfil.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "core/beskeder.h"
#include "core/genveje.h"
#include "core/pathhelpers.h"
#include "platform/shelllinks.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int eksternBredde = 570;
constexpr int eksternHoejde = 620;

bool erMappe(const QString& sti) { return !sti.isEmpty() && QFileInfo(sti).isDir(); }

// The same folder, the letters A to Z folded and a closing "/" ignored.
bool sammeMappe(const QString& a, const QString& b) { return sammeTekst(delimKon(a), delimKon(b)); }

}  // namespace

Tgenvejform::Tgenvejform(Tmainform& main, bool internt)
    : QWidget(&main), showInternt(internt), optFilnavn(main.folders.OptMappe + QStringLiteral("Genveje.txt")), main(main),
      regler(new Handlingsregler(this))
{
    setWindowTitle(QStringLiteral("Genveje"));
    auto* layout = new QVBoxLayout(this);
    auto* dele = new QHBoxLayout;
    dele->addWidget(byggeVenstre(), 3);
    dele->addWidget(byggeHoejre(), 2);
    layout->addLayout(dele, 1);
    layout->addLayout(vaerktoejsBund(main, this, showInternt, QStringLiteral("Genveje.html"), "SpeedButton3"));
    EditDestFast->setText(main.opt.PlaceringsMappe);
    EditDest->setText(main.opt.PlaceringsMappe);
    autoLoadCheck->setChecked(egenPlaceringslinje(optFilnavn, placering, 0) == 1);
    if (!showInternt) {
        panelFunk->hide();
        setWindowFlag(Qt::Dialog);
        setFixedSize(eksternBredde, eksternHoejde);
    }
    // Actions follow the current element the explorers set.
    connect(main.EditSti(), &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    regler->opdaterSenere();
}

QLineEdit* Tgenvejform::felt(const char* navn, const QString& hint)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(navn));
    edit->setToolTip(hint);
    connect(edit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    return edit;
}

void Tgenvejform::udfoerNaarAktiv(const char* navn)
{
    regler->opdaterNu();
    if (auto* action = findChild<QAction*>(QLatin1String(navn)); action && action->isEnabled())
        action->trigger();
}

QWidget* Tgenvejform::byggeVenstre()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("progSidePanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const char* tekst :
         {"Nemmeste metode til oprettelse af genvej er:", "1. Indfør en fast placering ved hjælp af Stifinder og gem den.",
          "2. Åben Stifinder og vælg genvejens destination.", "3. Vælg Nem-funktionen \"Opret\".", "4. Tryk \"Opret genvej\".",
          "5. Genvejen skabes og vises i Stifinder i mappen, der er valgt til fast placering.",
          "Det kan tage lidt tid. Der bringes en information, når funktionen er gennemført.",
          "Filer anbragt her kan naturligvis flyttes senere, hvis relevant.",
          "Ved at oprette en fast placering anbringes alle genveje i samme mappe og er derved lette at finde frem til.",
          "Alle navne hentes fra \"Aktuelle element\", der bestemmes ved Stifinder."}) {
        auto* label = new QLabel(QString::fromUtf8(tekst), panel);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* overskrift = new QLabel(QStringLiteral("Valgte element: Genvejens destination"), panel);
    QFont fed = overskrift->font();
    fed.setBold(true);
    overskrift->setFont(fed);
    layout->addWidget(overskrift);

    const auto sti = [this] { return main.EditSti()->text(); };
    EditTarget = felt("EditTarget", QStringLiteral("Genvejens mål: Mappe eller program exe fil"));
    EditDest = felt("EditDest", QStringLiteral("Den færdige genvejs placering"));
    EditName = felt("EditName", QStringLiteral("Genvejens navn"));
    EditDestFast = felt("EditDestFast", QStringLiteral("Den færdige genvejs placering"));
    connect(EditName, &QLineEdit::returnPressed, this, [this] { udfoerNaarAktiv("opretGenvej"); });
    const auto fastMappe = [this] { return erMappe(EditDestFast->text()); };

    // A field with its buttons on a line of its own, under its label.
    const auto raekke = [&](const QString& tekst, QLineEdit* edit, std::initializer_list<QAction*> actions) {
        if (!tekst.isEmpty())
            layout->addWidget(new QLabel(tekst, panel));
        auto* linje = new QHBoxLayout;
        linje->addWidget(edit, 1);
        for (QAction* action : actions)
            linje->addWidget(knapFor(action, panel));
        layout->addLayout(linje);
    };
    raekke(QString(), EditTarget,
           {regler->handling("insertMappe", QStringLiteral("Indfør mappe"), QStringLiteral("Indfør mappe der skal oprettes en genvej til"),
                     [this, sti] { EditTarget->setText(sti()); }, [sti] { return erMappe(sti()); }),
            regler->handling("insertFil", QStringLiteral("Indfør program eller fil"),
                     QStringLiteral("Indfør fil der skal oprettes en genvej til"), [this, sti] { EditTarget->setText(sti()); },
                     [sti] { return QFileInfo(sti()).isFile(); })});
    raekke(QStringLiteral("Placering"), EditDest,
           {regler->handling("destinationMappe", QStringLiteral("Indfør placering"), QStringLiteral("Indfør hvor genvejen skal placeres"),
                     [this, sti] {
                         const QFileInfo element(sti());
                         if (element.isDir())
                             EditDest->setText(sti());
                         else if (element.isFile())
                             EditDest->setText(element.absolutePath());
                     },
                     [sti] { return !sti().isEmpty(); })});
    raekke(QStringLiteral("Navn:"), EditName,
           {regler->handling("opretGenvej", QStringLiteral("Opret genvej"), QStringLiteral("Opret genvejen"), [this] { makeGenvej(); },
                     [this] {
                         return !EditTarget->text().isEmpty() && !EditName->text().isEmpty() && !EditDest->text().isEmpty();
                     })});
    raekke(QStringLiteral("Fast plasering"), EditDestFast,
           {regler->handling("fastPlaceringsMappe", QStringLiteral("Indfør"), QStringLiteral("Indfør en fast placering af genveje"),
                     [this, sti] {
                         EditDestFast->setText(sti());
                         EditDest->setText(sti());
                     },
                     [sti] { return erMappe(sti()); }),
            regler->handling("gemFastPlacering", QStringLiteral("Gem"), QStringLiteral("Gem mappen til senere brug"),
                     [this] { gemFastPlacering(); },
                     [this, fastMappe] { return fastMappe() && !sammeMappe(EditDestFast->text(), main.opt.PlaceringsMappe); })});
    layout->addStretch();
    regler->handling("hentGenveje", QStringLiteral("Hent"), QStringLiteral("Indlæser alle genveje anbragt i den faste placering"),
             [this] { loadGenveje(EditDestFast->text()); }, fastMappe);
    regler->handling("visStifinder", QStringLiteral("Vis"), QStringLiteral("Vis mappen i Stifinder"),
             [this] { main.visKalMappe(EditDestFast->text()); }, fastMappe);
    return panel;
}

QWidget* Tgenvejform::byggeHoejre()
{
    panelFunk = new QWidget(this);
    panelFunk->setObjectName(QStringLiteral("panelFunk"));
    auto* layout = new QVBoxLayout(panelFunk);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Genveje i Fast placering"), panelFunk));
    genvejsListe = new QListWidget(panelFunk);
    genvejsListe->setObjectName(QStringLiteral("genvejsListe"));
    genvejsListe->setItemDelegate(
        new Linjetegner(Linjetegner::Maerke::Cirkel, genvejsListe->palette().color(QPalette::Link), 0, genvejsListe));
    connect(genvejsListe, &QListWidget::currentRowChanged, regler, &Handlingsregler::opdaterSenere);
    connect(genvejsListe, &QListWidget::itemDoubleClicked, this, [this] { udfoerNaarAktiv("runGenvej"); });
    genvejsListe->installEventFilter(this);
    layout->addWidget(genvejsListe, 1);
    auto* knapper = new QHBoxLayout;
    regler->handling("runGenvej", QStringLiteral("Kør"), QStringLiteral("Kør valgte genvej"), [this] { runGenvej(); },
             [this] { return genvejsListe->currentRow() >= 0; });
    for (const char* navn : {"hentGenveje", "visStifinder", "runGenvej"})
        knapper->addWidget(knapFor(findChild<QAction*>(QLatin1String(navn)), panelFunk));
    knapper->addStretch();
    layout->addLayout(knapper);
    autoLoadCheck = new QCheckBox(QStringLiteral("Indlæs genveje automatisk ved opstart"), panelFunk);
    autoLoadCheck->setObjectName(QStringLiteral("autoLoadCheck"));
    autoLoadCheck->setToolTip(QStringLiteral("Indlæs altid genveje ved opstart"));
    layout->addWidget(autoLoadCheck);
    return panelFunk;
}

bool Tgenvejform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == genvejsListe && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        udfoerNaarAktiv("runGenvej");
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tgenvejform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!opstart)
        return;
    opstart = false;
    if (showInternt && autoLoadCheck->isChecked() && erMappe(EditDestFast->text()))
        loadGenveje(EditDestFast->text());
}

void Tgenvejform::forbered(const QString& maal, const QString& placering, const QString& navn)
{
    EditTarget->setText(maal);
    EditDest->setText(placering);
    EditName->setText(navn);
    EditName->setFocus();
}

void Tgenvejform::makeGenvej()
{
    const QString maal = EditTarget->text();
    const QString navn = EditName->text();
    const QString placering = EditDest->text();
    if (!QFileInfo(maal).isDir() && !QFileInfo(maal).isFile()) {
        main.beskeder()->sig(QStringLiteral("Genvejens mål blev ikke fundet."));
        return;
    }
    if (navn.contains(u'/')) {
        main.beskeder()->sig(QStringLiteral("Genvejens navn må ikke indeholde \"/\"."));
        return;
    }
    const QString genvej = stiMed(placering, navn + QStringLiteral(".lnk"));
    if (!erMappe(placering) || !platform::createShellLink(maal, genvej)) {
        main.beskeder()->sig(QStringLiteral("Der er sandsynligvist opstået en fejl.\nGenvejen kan muligvist ikke oprettes på "
                                            "valgte sted."));
        return;
    }
    EditTarget->clear();
    EditName->clear();
    main.aktiverWinform(false, placering);
    main.beskeder()->sig(QStringLiteral("Genvejen er lavet:\n") + navn + QStringLiteral(".lnk"));
}

void Tgenvejform::loadGenveje(const QString& mappe)
{
    genvejsListe->clear();
    for (const QString& fil : genvejsfiler(mappe)) {
        auto* item = new QListWidgetItem(fil.chopped(4), genvejsListe);
        item->setData(Qt::UserRole, fil);
    }
    if (genvejsListe->count() == 0)
        main.beskeder()->sig(QStringLiteral("Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."));
    regler->opdaterSenere();
}

void Tgenvejform::runGenvej()
{
    if (const QListWidgetItem* item = genvejsListe->currentItem())
        main.runFilname(stiMed(EditDestFast->text(), item->data(Qt::UserRole).toString()), 0);
}

void Tgenvejform::gemFastPlacering()
{
    main.opt.PlaceringsMappe = EditDestFast->text();
    EditDest->setText(main.opt.PlaceringsMappe);
    main.GemOpt();
    regler->opdaterSenere();
}

void Tgenvejform::closeEvent(QCloseEvent* event)
{
    // The place lines are the main window's in a window of its own; the list's choice is kept
    // from the child window.
    const int hent = showInternt ? int(autoLoadCheck->isChecked()) : egenPlaceringslinje(optFilnavn, placering, 0);
    gemEgenPlaceringslinje(optFilnavn, placering, hent);
    QWidget::closeEvent(event);
}

void registrerGenveje(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("opretGenveje"), [&main] { return new Tgenvejform(main, main.opt.openGenveje == 0); },
                            {QStringLiteral("Genveje.txt"), Tgenvejform::placering});
}
