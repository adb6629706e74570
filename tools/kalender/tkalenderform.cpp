#include "tools/kalender/tkalenderform.h"

#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "core/beskeder.h"
#include "platform/textfile.h"
#include "tools/kalender/datoforskelside.h"
#include "tools/kalender/datogruppe.h"
#include "tools/kalender/helligdagspanel.h"
#include "tools/kalender/kalenderfiler.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

Tkalenderform::Tkalenderform(Tmainform& main, bool internt)
    : QWidget(&main), showInternt(internt), main(main), regler(new Handlingsregler(this))
{
    setWindowTitle(QStringLiteral("Kalender"));
    auto* layout = new QVBoxLayout(this);
    auto* indhold = new QHBoxLayout;
    auto* venstre = new QVBoxLayout;
    auto* bog = new QTabWidget(this);
    bog->setObjectName(QStringLiteral("kalenderBog"));
    bog->addTab(byggeKalenderside(), QStringLiteral("Kalender"));
    Side2 = new Datoforskelside(main, bog);
    bog->addTab(Side2, QStringLiteral("Datoforskelle"));
    venstre->addWidget(bog, 1);

    auto* mappeRaekke = new QHBoxLayout;
    mappeRaekke->addWidget(new QLabel(QStringLiteral("Kalendermappe "), this));
    mappeEdit = new QLineEdit(main.folders.brugerKalenderMappe, this);
    mappeEdit->setObjectName(QStringLiteral("mappeEdit"));
    mappeEdit->setReadOnly(true);
    mappeRaekke->addWidget(mappeEdit, 1);
    QPushButton* indsaet = tekstknap("InsertMappeButton", QStringLiteral("Indsæt aktuelle"),
                                     QStringLiteral("Vælg aktuelle mappe som kalendermappe"), this);
    connect(indsaet, &QPushButton::clicked, this, &Tkalenderform::InsertMappeButtonClick);
    mappeRaekke->addWidget(indsaet);
    QPushButton* vis = tekstknap("visDatomappe", QStringLiteral("Vis"), QStringLiteral("Vis kalendermappe"), this);
    connect(vis, &QPushButton::clicked, this, [this] {
        this->main.visKalMappe(this->main.folders.brugerKalenderMappe);
    });
    mappeRaekke->addWidget(vis);
    venstre->addLayout(mappeRaekke);
    indhold->addLayout(venstre, 1);

    panel = new Helligdagspanel(main, this);
    indhold->addWidget(panel);
    layout->addLayout(indhold, 1);
    layout->addLayout(vaerktoejsBund(main, this, showInternt, QStringLiteral("Kalender.html")));

    if (showInternt) {
        connect(main.mdi(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
            if (sub && sub->widget() == this)
                aktiveret();
        });
    } else {
        setFixedSize(940, 550);
    }
    connect(kalender->kalender(), &QCalendarWidget::selectionChanged, this, &Tkalenderform::kalenderChange);
    visNotat(kalender->dato());
    regler->opdaterNu();
}

QWidget* Tkalenderform::byggeKalenderside()
{
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("Side1"));
    auto* layout = new QHBoxLayout(side);

    auto* venstre = new QVBoxLayout;
    kalender = new Datogruppe(QString(), side);
    venstre->addWidget(kalender, 1);
    QPushButton* opret =
        tekstknap("ButtonOpretMappe", QStringLiteral("Opret/Aktiver mappe"),
                  QStringLiteral("Opret eller se mappe til datorelaterede filer for valgte dato"), side);
    connect(opret, &QPushButton::clicked, this, &Tkalenderform::opretMappe);
    venstre->addWidget(opret, 0, Qt::AlignLeft);
    layout->addLayout(venstre);

    auto* notat = new QVBoxLayout;
    notat->addWidget(new QLabel(QStringLiteral("Dagens notater"), side));
    kalnotatMemo = new QPlainTextEdit(side);
    kalnotatMemo->setObjectName(QStringLiteral("kalnotatMemo"));
    kalnotatMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(kalnotatMemo, &QPlainTextEdit::modificationChanged, regler, &Handlingsregler::opdaterSenere);
    notat->addWidget(kalnotatMemo, 1);
    auto* knapper = new QHBoxLayout;
    const auto knap = [this, side, knapper](const char* navn, const char* knapnavn, const QString& tekst,
                                            void (Tkalenderform::*udfoer)(), std::function<bool()> aktiv) {
        QAction* action = regler->handling(navn, tekst, QString(), std::move(aktiv));
        connect(action, &QAction::triggered, this, udfoer);
        QPushButton* knap = knapFor(action, side);
        knap->setObjectName(QLatin1String(knapnavn));
        knapper->addWidget(knap);
    };
    knap("aMemoGem", "gemNotatKnap", QStringLiteral("Gem"), &Tkalenderform::aMemoGemExecute,
         [this] { return kalnotatMemo->document()->isModified(); });
    knap("aMemoSlet", "sletNotatKnap", QStringLiteral("Slet"), &Tkalenderform::aMemoSletExecute,
         [this] { return !memoFilename.isEmpty(); });
    knapper->addStretch();
    QPushButton* notatmappe =
        tekstknap("visNotatmappe", QStringLiteral("Notatmappen"), QStringLiteral("Åben notatmappen"), side);
    connect(notatmappe, &QPushButton::clicked, this, [this] { main.visKalMappe(main.folders.brugerNotatMappe); });
    knapper->addWidget(notatmappe);
    notat->addLayout(knapper);
    layout->addLayout(notat, 1);
    return side;
}

void Tkalenderform::aktiveret()
{
    for (Datogruppe* gruppe : {kalender, Side2->gruppe1(), Side2->gruppe2()})
        gruppe->visIDag();
    main.anvendHints(this);
    panel->rydDatoerLabel();
}

void Tkalenderform::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
        aktiveret();
}

void Tkalenderform::kalenderChange()
{
    const QDate valgt = kalender->dato();
    if (valgt == notatDato)
        return;
    // Typing that could not be saved keeps its date selected.
    if (!notatKanForlades()) {
        kalender->vaelg(notatDato);
        return;
    }
    visNotat(valgt);
}

void Tkalenderform::visNotat(const QDate& dato)
{
    notatDato = dato;
    const QString fil = notatFilnavn(main.folders.brugerNotatMappe, dato);
    const bool findes = QFileInfo::exists(fil);
    const std::optional<QStringList> linjer = findes ? platform::readTextLines(fil) : std::nullopt;
    kalnotatMemo->setPlainText(linjer ? linjer->join(u'\n') : QString());
    // A note that cannot be read is not written over from an empty field.
    kalnotatMemo->setReadOnly(findes && !linjer);
    kalnotatMemo->document()->setModified(false);
    memoFilename = findes ? fil : QString();
    regler->opdaterSenere();
    if (findes && !linjer)
        main.beskeder()->sig(QStringLiteral("Notatet kunne ikke læses:\n") + fil);
}

bool Tkalenderform::notatKanForlades()
{
    if (!kalnotatMemo->document()->isModified())
        return true;
    const QString spoergsmaal = QStringLiteral("Dagens notater er ikke gemt.\nSkal de gemmes?");
    if (main.beskeder()->spoerg(spoergsmaal, Beskeder::AlleCheck::Skjul).ja)
        return gemNotat();
    kalnotatMemo->document()->setModified(false);
    return true;
}

bool Tkalenderform::gemNotat()
{
    const QString fil = notatFilnavn(main.folders.brugerNotatMappe, notatDato);
    QDir().mkpath(main.folders.brugerNotatMappe);
    if (!platform::writeTextLines(fil, kalnotatMemo->toPlainText().split(u'\n'))) {
        main.beskeder()->sig(QStringLiteral("Notatet kunne ikke gemmes:\n") + fil);
        return false;
    }
    kalnotatMemo->document()->setModified(false);
    memoFilename = fil;
    regler->opdaterSenere();
    return true;
}

void Tkalenderform::aMemoGemExecute() { gemNotat(); }

void Tkalenderform::aMemoSletExecute()
{
    const QString fil = notatFilnavn(main.folders.brugerNotatMappe, notatDato);
    if (QFileInfo::exists(fil) && !QFile::remove(fil)) {
        main.beskeder()->sig(QStringLiteral("Notatet kunne ikke slettes:\n") + fil);
        return;
    }
    kalnotatMemo->clear();
    kalnotatMemo->setReadOnly(false);
    kalnotatMemo->document()->setModified(false);
    memoFilename.clear();
    regler->opdaterSenere();
}

bool Tkalenderform::maaLukke() { return notatKanForlades(); }

void Tkalenderform::closeEvent(QCloseEvent* event)
{
    if (!notatKanForlades()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Tkalenderform::opretMappe()
{
    const Datomappe mappe = opretDatomappe(main.folders.brugerKalenderMappe, kalender->dato());
    if (!mappe.fejl.isEmpty()) {
        main.beskeder()->sig(QStringLiteral("Mappen kunne ikke oprettes:\n") + mappe.fejl);
        return;
    }
    main.opretKalenderStruk(mappe.liste, mappe.dagMappe);
}

void Tkalenderform::InsertMappeButtonClick()
{
    const QString sti = main.EditSti()->text();
    if (sti.isEmpty() || !QFileInfo(sti).isDir()) {
        main.beskeder()->sig(QStringLiteral("Der skal være valgt en mappe."));
        return;
    }
    main.folders.brugerKalenderMappe = QDir::cleanPath(sti);
    mappeEdit->setText(main.folders.brugerKalenderMappe);
}

void registrerKalender(Tmainform& main)
{
    // A window of its own has a fixed size: its file holds its place alone.
    main.registrerVaerktoej(
        QStringLiteral("visKalender"), [&main] { return new Tkalenderform(main, main.opt.openKalender == 0); },
        {QStringLiteral("kalender.txt"), {20, 40}});
}
