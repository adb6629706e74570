#include "tools/programmer/tprogform.h"

#include "app/afkortettekst.h"
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/tmainform.h"
#include "app/tmenuexefiler.h"
#include "app/vaerktoejsbund.h"
#include "core/beskeder.h"
#include "core/pathhelpers.h"
#include "platform/desktopapps.h"
#include "platform/shell.h"
#include "tools/programmer/kendteprogrammer.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int eksternBredde = 940;
constexpr int eksternHoejde = 572;

QLineEdit* felt(const char* navn, const QString& pladsholder, bool kunLaes, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(navn));
    edit->setPlaceholderText(pladsholder);
    edit->setReadOnly(kunLaes);
    return edit;
}

// The paths of the list's programs.
QStringList stier(const TMenuExeFiler& liste)
{
    QStringList alle;
    for (const TProgRec& rec : liste.Prog)
        alle.append(rec.Filnavn);
    return alle;
}

}  // namespace

TProgform::TProgform(Tmainform& main, bool internt) : QWidget(&main), showInternt(internt), main(main)
{
    setWindowTitle(QStringLiteral("Programmer"));
    regler = new Handlingsregler(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(byggeVenstre());
    layout->addWidget(byggeHoejre(), 1);
    if (!showInternt) {
        setWindowFlag(Qt::Dialog);
        setFixedSize(eksternBredde, eksternHoejde);
    }
    regler->opdaterSenere();
}

QWidget* TProgform::byggeVenstre()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    progInfLabel = new QLabel(QStringLiteral("Indførte programmer"), panel);
    progInfLabel->setObjectName(QStringLiteral("progInfLabel"));
    layout->addWidget(progInfLabel);
    programListe = new QListWidget(panel);
    programListe->setObjectName(QStringLiteral("programListe"));
    connect(programListe, &QListWidget::currentRowChanged, this, &TProgform::vaelg);
    connect(main.MenuExe, &TMenuExeFiler::listeAendret, this, &TProgform::visProgrammer);  // the list follows every change
    layout->addWidget(programListe, 1);
    auto* raekke = new QHBoxLayout;
    const auto handling = [&](const char* navn, const QString& tekst, const QString& hint, std::function<void()> udfoer,
                              std::function<bool()> aktiv) {
        auto* action = new QAction(tekst, this);
        action->setObjectName(QLatin1String(navn));
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, udfoer);
        regler->tilfoej(action, std::move(aktiv));
        auto* button = new QToolButton(panel);
        button->setDefaultAction(action);
        raekke->addWidget(button);
        return action;
    };
    const auto valgt = [this] { return programListe->currentRow(); };
    handling("visProgrammer", QStringLiteral("Vis"), QStringLiteral("Vis indførte programmer i listen"), [this] { visProgrammer(); },
             [this] { return this->main.MenuExe->Filantal() > 0; });
    handling("AFlytOp", QStringLiteral("Op"), QStringLiteral("Flyt op"), [this] { flyt(-1); }, [valgt] { return valgt() > 0; });
    handling("AFlytNed", QStringLiteral("Ned"), QStringLiteral("Flyt ned"), [this] { flyt(1); },
             [this, valgt] { return valgt() >= 0 && valgt() < programListe->count() - 1; });
    handling("AGem", QStringLiteral("Gem"), QStringLiteral("Gem"), [this] { AGem(); }, [this] { return listeForandret; });
    raekke->addStretch();
    layout->addLayout(raekke);
    auto* valgtRaekke = new QFormLayout;
    fileText = new Afkortettekst("fileText", Qt::ElideRight, panel);
    valgtRaekke->addRow(QStringLiteral("Valgt program"), fileText);
    layout->addLayout(valgtRaekke);
    auto* fjernKnap = new QToolButton(panel);
    auto* fjernAction = new QAction(QStringLiteral("Fjern program"), this);
    fjernAction->setObjectName(QStringLiteral("ADelprog"));
    connect(fjernAction, &QAction::triggered, this, &TProgform::ADelprog);
    regler->tilfoej(fjernAction, [this] { return SletNr >= 0 && programListe->isEnabled(); });
    fjernKnap->setDefaultAction(fjernAction);
    layout->addWidget(fjernKnap);
    // The question takes its place from the start, two lines beside its buttons, and as wide as
    // the column whatever program it names: nothing moves when it shows.
    spmLabel = new QLabel(panel);
    spmLabel->setObjectName(QStringLiteral("spmLabel"));
    spmLabel->setTextFormat(Qt::PlainText);
    spmLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    spmLabel->setFixedHeight(2 * spmLabel->fontMetrics().lineSpacing() + 4);
    jaKnap = tekstknap("jaKnap", QStringLiteral("Ja"), QStringLiteral("Bekræft sletning af program fra listen"), panel);
    nejKnap = tekstknap("nejKnap", QStringLiteral("Nej"), QStringLiteral("Annuller sletning af program fra listen"), panel);
    connect(jaKnap, &QPushButton::clicked, this, [this] { fjern(true); });
    connect(nejKnap, &QPushButton::clicked, this, [this] { fjern(false); });
    auto* spm = new QHBoxLayout;
    spm->addWidget(spmLabel, 1);
    spm->addWidget(jaKnap);
    spm->addWidget(nejKnap);
    layout->addLayout(spm);
    for (QWidget* w : std::initializer_list<QWidget*>{spmLabel, jaKnap, nejKnap}) {
        QSizePolicy plads = w->sizePolicy();
        plads.setRetainSizeWhenHidden(true);
        w->setSizePolicy(plads);
        w->hide();
    }
    return panel;
}

QWidget* TProgform::byggeHoejre()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    const auto trin = [&](const QString& tekst) {
        auto* label = new QLabel(tekst, panel);
        label->setWordWrap(true);
        layout->addWidget(label);
    };
    trin(QStringLiteral("1. Vælg det program der skal indføres, altså en exe-fil."));
    trin(QStringLiteral("Det kan indføres via struktur 2."));
    auto* form = new QFormLayout;
    filEdit = felt("filEdit", QStringLiteral("Exe-filnavn"), true, panel);
    form->addRow(QStringLiteral("Filnavn"), filEdit);
    layout->addLayout(form);
    auto* exeRaekke = new QHBoxLayout;
    QPushButton* exeKnap = tekstknap("aExeFile", QStringLiteral("Indfør program"), QStringLiteral("Indfør den i Stifinder valgte exefil"), panel);
    connect(exeKnap, &QPushButton::clicked, this, &TProgform::aExeFile);
    IconDis = new QLabel(panel);
    IconDis->setObjectName(QStringLiteral("IconDis"));
    IconDis->setFixedSize(32, 32);
    exeRaekke->addWidget(exeKnap);
    exeRaekke->addWidget(IconDis);
    exeRaekke->addStretch();
    layout->addLayout(exeRaekke);
    trin(QStringLiteral("2. Indfør det navn der skal anvendes i forbindelse med programmet."));
    auto* capForm = new QFormLayout;
    CapEdit = felt("CapEdit", QStringLiteral("Programnavn"), false, panel);
    capForm->addRow(QStringLiteral("Menu tekst"), CapEdit);
    layout->addLayout(capForm);
    maxTekstCheck = new QCheckBox(QStringLiteral("Start programmet maximeret"), panel);
    maxTekstCheck->setObjectName(QStringLiteral("maxTekstCheck"));
    layout->addWidget(maxTekstCheck);
    trin(QStringLiteral("3. Tilføj programmet."));
    auto* tilfoejRaekke = new QHBoxLayout;
    auto* tilfoejAction = new QAction(QStringLiteral("Tilføj programmet"), this);
    tilfoejAction->setObjectName(QStringLiteral("aInsertProgram"));
    tilfoejAction->setToolTip(QStringLiteral("Kræver et filnavn samt en menutekst"));
    connect(tilfoejAction, &QAction::triggered, this, &TProgform::aInsertProgram);
    regler->tilfoej(tilfoejAction, [this] { return !filEdit->text().isEmpty() && !CapEdit->text().isEmpty(); });
    for (QLineEdit* edit : {filEdit, CapEdit})
        connect(edit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    auto* tilfoejKnap = new QToolButton(panel);
    tilfoejKnap->setDefaultAction(tilfoejAction);
    tilfoejRaekke->addWidget(tilfoejKnap);
    tilfoejRaekke->addWidget(new QLabel(QStringLiteral("Tilføjet program:"), panel));
    addText = new QLabel(panel);
    addText->setObjectName(QStringLiteral("addText"));
    tilfoejRaekke->addWidget(addText, 1);
    layout->addLayout(tilfoejRaekke);
    auto* placering = new QFormLayout;
    placeringEdit = felt("placeringEdit", QString(), true, panel);
    placering->addRow(QStringLiteral("Placering"), placeringEdit);
    layout->addLayout(placering);
    trin(QStringLiteral("Programmernes rækkefølge kan bestemmes på rediger siden."));
    // The well-known programs have the height left, the window's buttons stand at its foot.
    layout->addWidget(byggeKendte(), 1);
    layout->addLayout(vaerktoejsBund(main, this, showInternt, QStringLiteral("Indfør programmer.html")));
    return panel;
}

QWidget* TProgform::byggeKendte()
{
    auto* boks = new QGroupBox(this);
    auto* layout = new QVBoxLayout(boks);
    QPushButton* check = tekstknap("checkButton", QStringLiteral("Check for programmer"),
                              QStringLiteral("Hvis disse programmer ikke er indførte vises de til indføring"), boks);
    connect(check, &QPushButton::clicked, this, &TProgform::checkForProgrammer);
    layout->addWidget(check, 0, Qt::AlignLeft);
    auto* grupper = new QHBoxLayout;
    QHash<QString, QVBoxLayout*> gruppe;
    for (const char* navn : {"Browsere", "Andre", "Medie afspillere"}) {
        auto* kolonne = new QVBoxLayout;
        kolonne->addWidget(new QLabel(QString::fromUtf8(navn), boks));
        grupper->addLayout(kolonne);
        gruppe.insert(QString::fromUtf8(navn), kolonne);
    }
    for (const KendtProgram& program : kendteProgrammer()) {
        QPushButton* button = tekstknap(program.knap, QString::fromUtf8(program.tekst), QString::fromUtf8(program.hint), boks);
        button->hide();
        gruppe.value(QString::fromUtf8(program.gruppe))->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, &program, button] {
            tilfoej(kendteStier.value(QString::fromLatin1(program.knap)), QString::fromUtf8(program.caption), 1);
            button->hide();
        });
    }
    for (QVBoxLayout* kolonne : std::as_const(gruppe))
        kolonne->addStretch();
    layout->addLayout(grupper);
    return boks;
}

void TProgform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (opstart) {
        opstart = false;
        listeForandret = false;
        findChild<QPushButton*>(QStringLiteral("aExeFile"))->setFocus();
    }
    const QString sti = main.EditSti()->text();
    if (platform::erProgramfil(sti)) {
        filEdit->setText(sti);
        CapEdit->setFocus();
    }
}

void TProgform::closeEvent(QCloseEvent* event)
{
    if (listeForandret)
        AGem();
    QWidget::closeEvent(event);
}

void TProgform::visProgrammer()
{
    listeForandret = false;
    SletNr = -1;
    fileText->setHeleTekst(QString());
    programListe->clear();
    for (int i = 0; i < main.MenuExe->Filantal(); ++i)
        programListe->addItem(main.MenuExe->GetCaption(i));
    progInfLabel->setText(QStringLiteral("%1 programmer").arg(main.MenuExe->Filantal()));
    regler->opdaterSenere();
}

void TProgform::vaelg(int nr)
{
    if (nr < 0) {
        placeringEdit->clear();
        return;
    }
    SletNr = nr;
    fileText->setHeleTekst(main.MenuExe->GetCaption(nr));
    placeringEdit->setText(main.MenuExe->GetFilnavn(nr));
    regler->opdaterSenere();
}

void TProgform::aExeFile()
{
    const QString sti = main.EditSti()->text();
    if (!platform::erProgramfil(sti)) {
        main.beskeder()->sig(QStringLiteral("Der skal være valgt en program exe-fil i Filstrukturen.\rVælg en sådan og prøv igen."));
        main.hovedhandling(QStringLiteral("aVisStifinder"))->trigger();
        return;
    }
    addText->clear();
    if (QFileInfo(sti).isFile()) {
        filEdit->setText(sti);
        // A desktop entry names itself.
        if (const auto post = platform::programpost(sti); post && CapEdit->text().isEmpty())
            CapEdit->setText(post->navn);
    }
    CapEdit->setFocus();
}

void TProgform::aInsertProgram()
{
    const QString sti = filEdit->text();
    if (sti.isEmpty()) {
        main.beskeder()->sig(QStringLiteral("Der mangler et filnavn!"));
        findChild<QPushButton*>(QStringLiteral("aExeFile"))->setFocus();
        return;
    }
    if (!QFileInfo(sti).isFile()) {
        main.beskeder()->sig(QStringLiteral("Filen: ") + sti + QStringLiteral("\rkunne ikke findes!"));
        rydFelter();
        return;
    }
    if (CapEdit->text().isEmpty()) {
        main.beskeder()->sig(QStringLiteral("Der mangler en menu tekst!"));
        CapEdit->setFocus();
        return;
    }
    const QStringList listet = stier(*main.MenuExe);
    if (std::any_of(listet.begin(), listet.end(), [&sti](const QString& s) { return sammeTekst(s, sti); })) {
        main.beskeder()->sig(QStringLiteral("Programmet er allerede indført!"));
        rydFelter();
        return;
    }
    if (harLinjeskift(sti)) {
        main.beskeder()->sig(QStringLiteral("Filnavnet indeholder et linjeskift og kan ikke indføres."));
        rydFelter();
        return;
    }
    const QString caption = udenLinjeskift(CapEdit->text());
    tilfoej(sti, caption, maxTekstCheck->isChecked() ? 3 : 1);
    addText->setText(caption);
    rydFelter();
    IconDis->setPixmap(main.MenuExe->ikon(main.MenuExe->Filantal() - 1).pixmap(32, 32));
}

void TProgform::tilfoej(const QString& sti, const QString& caption, int showType)
{
    main.MenuExe->InsertItem(sti, caption, QString(), showType);
    main.MenuExe->GemProgrammer();
    main.loadProgramBox();
    main.visProgramside();
}

void TProgform::rydFelter()
{
    filEdit->clear();
    CapEdit->clear();
    maxTekstCheck->setChecked(false);
}

void TProgform::checkForProgrammer()
{
    const QStringList listet = stier(*main.MenuExe);
    bool fundet = false;
    for (const KendtProgram& program : kendteProgrammer()) {
        const QString sti = kendtProgramsSti(program, listet);
        kendteStier.insert(QString::fromLatin1(program.knap), sti);
        auto* button = findChild<QPushButton*>(QLatin1String(program.knap));
        button->setVisible(!sti.isEmpty());
        fundet = fundet || !sti.isEmpty();
    }
    if (!fundet)
        main.beskeder()->sig(QStringLiteral("Der blev ikke fundet forslag til indføring af programmer."));
}

void TProgform::flyt(int retning)
{
    const int nr = programListe->currentRow();
    if (!(retning < 0 ? main.MenuExe->flytOp(nr) : main.MenuExe->flytNed(nr)))
        return;
    visProgrammer();
    listeForandret = true;
    programListe->setCurrentRow(nr + retning);
    regler->opdaterSenere();
}

void TProgform::AGem()
{
    if (!main.MenuExe->GemProgrammer())
        return;
    if (const QString fejl = main.MenuExe->HentProgrammer(); !fejl.isEmpty())
        main.beskeder()->sig(fejl);
    main.loadProgramBox();
    placeringEdit->clear();
}

void TProgform::ADelprog()
{
    const QString navn = main.MenuExe->GetCaption(SletNr);
    const QString vist = spmLabel->fontMetrics().elidedText(
        navn, Qt::ElideMiddle, spmLabel->contentsRect().width() - spmLabel->fontMetrics().horizontalAdvance(u'?'));
    spmLabel->setText(QStringLiteral("Vil du fjerne programmet\r") + vist + u'?');
    spmLabel->setToolTip(vist == navn ? QString() : navn);
    for (QWidget* w : std::initializer_list<QWidget*>{spmLabel, jaKnap, nejKnap})
        w->show();
    programListe->setEnabled(false);
    regler->opdaterSenere();
}

void TProgform::fjern(bool ja)
{
    for (QWidget* w : std::initializer_list<QWidget*>{spmLabel, jaKnap, nejKnap})
        w->hide();
    programListe->setEnabled(true);
    if (ja) {
        main.MenuExe->DeleteItem(SletNr);
        main.MenuExe->GemProgrammer();
        placeringEdit->clear();
        if (main.MenuExe->Filantal() == 0)
            progInfLabel->setText(QStringLiteral("Indførte programmer"));
        main.visProgramside();
        // The current program may be the one removed: none is current now.
        main.MenuExe->setAktuelleProgram(QString());
        main.opt.exeProgram.clear();
        main.InfoProg(QString());
    }
    regler->opdaterSenere();
}

void registrerProgrammer(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("progInsert"),
                            [&main] { return new TProgform(main, main.opt.openProgrammer == 0); },
                            {QStringLiteral("Programmer.txt"), {20, 40}});
}
