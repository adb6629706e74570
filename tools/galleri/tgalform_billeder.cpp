// The gallery's pictures: loading a folder at a grid size, the field colour, the selected
// picture's information and the actions on it and on the folder.
#include "tools/galleri/tgalform.h"

#include "app/afkortettekst.h"
#include "app/handlingsregler.h"
#include "app/mainsettings.h"
#include "app/tmainform.h"
#include "controls/billedlaeser.h"
#include "controls/tbibpan.h"
#include "controls/tprogresscompo.h"
#include "controls/trammex.h"
#include "controls/trulskakt.h"
#include "core/beskeder.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "tools/galleri/galfarver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

bool erFil(const QString& sti) { return QFileInfo(sti).isFile(); }

}  // namespace

QAction* TGalForm::handling(const char* navn) const { return findChild<QAction*>(QLatin1String(navn)); }

void TGalForm::byggeHandlinger()
{
    const auto harMappe = [this] { return BibPan && !BibPan->Bibliotek().isEmpty(); };
    const auto harBillede = [this] { return !picFilnavn.isEmpty(); };
    const struct {
        const char* navn;
        const char* tekst;
        const char* hint;
        QKeySequence genvej;
        std::function<void()> udfoer;
        std::function<bool()> Update;
    } handlinger[] = {
        {"Amappe", "Indlæs billeder", "Indlæs billeder fra filmappen: Ctrl +I", Qt::CTRL | Qt::Key_I,
         [this] { loadBilleder(AntalV, AntalL); }, [] { return true; }},
        {"AkopierMappe", "Kopier til klipbordet", "Kopier aktuelle mappe: Ctrl+M", Qt::CTRL | Qt::Key_M,
         [this] { main.RegisterEleFromGal(BibPan->Bibliotek()); }, harMappe},
        {"AopenSF", "Vis i Windows Stifinder", "Åben aktuelle mappe i Stifinder: Ctrl+F", Qt::CTRL | Qt::Key_F,
         [this] {
             const int resultat = platform::get<platform::Shell>().open(BibPan->Bibliotek(), {}, QString());
             if (resultat <= 32)
                 main.ErrorInfo(resultat);
         },
         harMappe},
        {"AKopier", "Kopier til klipbordet", "Kopier valgte billede: Ctrl+C", Qt::CTRL | Qt::Key_C,
         [this] { main.RegisterEleFromGal(picFilnavn); }, harBillede},
        {"ADelete", "Slet valgte fil i stifinderen", "Slet valgte: Ctrl+D", Qt::CTRL | Qt::Key_D, [this] { slet(); }, harBillede},
        {"Avis", "Find og marker valgte billede i filstrukturen", "Marker valgte billede i struktur 2: Ctrl+V eller højreklik",
         Qt::CTRL | Qt::Key_V, [this] { main.selectFromGal(picFilnavn, false); }, harBillede},
        {"AOpenPic", "Åben valgte i andet program", "Åben valgte eventuelt til redigering: Ctrl+K", Qt::CTRL | Qt::Key_K,
         [this] { main.runFilname(picFilnavn, 0); }, harBillede},
    };
    for (const auto& h : handlinger) {
        QAction* action = regler->handling(h.navn, QString::fromUtf8(h.tekst), QString::fromUtf8(h.hint), h.udfoer, h.Update);
        action->setShortcut(h.genvej);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
}

void TGalForm::forbindPanel()
{
    connect(BibPan, &TBibPan::OnProgress, StepPan, &TProgressCompo::setPosition);
    connect(BibPan, &TBibPan::OnAntalIalt, this, [this](int antal) {
        BibRul->NyePos(BibPan->Antal(), antal - BibPan->Antal(), BibRul->Position());
        antalEdit->setText(QString::number(antal));
        regler->opdaterSenere();
    });
    // The count is known before the pictures are read, and they are shown while they are.
    connect(BibPan, &TBibPan::OnListet, antalEdit, [this](int antal) { antalEdit->setText(QString::number(antal)); });
    connect(BibPan, &TBibPan::OnStartNr, BibRul, &TRulskakt::NyPosition);
    connect(BibRul, &TRulskakt::OnPosition, BibPan, [this](int position) { BibPan->NytStartNr(position, false); });
    connect(BibPan, &TBibPan::OnNewDown, this, [this](int item) { BibInfo(item, true); });
    connect(BibPan, &TBibPan::OnMus, this, [this](Qt::MouseButton knap, int item) {
        BibInfo(item, true);
        if (knap == Qt::RightButton && !picFilnavn.isEmpty())
            handling("Avis")->trigger();
    });
    // The picture's size is known once it has been read.
    connect(BibPan, &TBibPan::OnBilledLaest, this, [this](int item) {
        if (item == infoItem)
            BibInfo(item, true);
    });
}

void TGalForm::loadBilleder(int columns, int rows)
{
    QString mappe = main.EditSti()->text();
    if (erFil(mappe))
        mappe = QFileInfo(mappe).absolutePath();
    visMappe(mappe, columns, rows);
}

void TGalForm::visMappe(const QString& mappe, int columns, int rows)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Navnfelt->setHeleTekst(QString());
    mappeFelt->setText(mappe);
    AntalV = std::max(columns, 1);
    AntalL = std::max(rows, 1);
    {
        // The counts are applied once, below, with the folder.
        const QSignalBlocker v(BVedit);
        const QSignalBlocker l(BLedit);
        BVedit->setText(QString::number(AntalV));
        BLedit->setText(QString::number(AntalL));
    }
    main.opt.GBoxV = AntalV;
    main.opt.GBoxL = AntalL;
    visFeltknapper();
    BibPan->NyeFelterVL(AntalV, AntalL);
    BibPan->setBibliotek(QFileInfo(mappe).isDir() ? mappe : QString());
    BibPan->InitAlleUp();
    BibPan->InitFocus(0);
    opdaterRul();
    StepPan->setPosition(0);
    QApplication::restoreOverrideCursor();
    regler->opdaterSenere();
    if (BibPan->Poster().isEmpty()) {
        BibInfo(-1, false);
        main.beskeder()->sig(QStringLiteral("For at indlæse billeder skal der være valgt en billedfil af type ") + billedtyperTekst()
                             + QStringLiteral(" i mappe-fil-strukturen, altså struktur 2."));
        return;
    }
    BibPan->setFocus();
    BibInfo(0, true);
}

void TGalForm::opdaterRul()
{
    const qint64 side = qint64(AntalV) * AntalL;
    BibRul->NyePos(int(std::min<qint64>(side, INT_MAX)), int(std::max<qint64>(0, BibPan->AntalIalt() - side)), 0);
}

void TGalForm::aendrAntal(bool vandret, int trin)
{
    BibPan->setBibliotek(QString());
    int& antal = vandret ? AntalV : AntalL;
    if (antal + trin < 1) {
        antal = 1;
        main.UdskrivInfo(QStringLiteral("Et felt er mindste feltantal"));
    } else {
        antal += trin;
    }
    (vandret ? BVedit : BLedit)->setText(QString::number(antal));
}

void TGalForm::anvendAntal()
{
    AntalV = std::max(BVedit->text().toInt(), 1);
    AntalL = std::max(BLedit->text().toInt(), 1);
    main.opt.GBoxV = AntalV;
    main.opt.GBoxL = AntalL;
    visFeltknapper();
    BibPan->NyeFelterVL(AntalV, AntalL);
    opdaterRul();
    StepPan->setPosition(0);
}

void TGalForm::visFeltknapper()
{
    for (const auto& [knap, felter] : std::as_const(feltknapper))
        knap->setChecked(felter == QSize(AntalV, AntalL));
}

void TGalForm::anvendPalet()
{
    BibRF->FarveRamme = palette().color(QPalette::Button);
    BibRF->FarveOmrids = palette().color(QPalette::Highlight);
    if (BibPan)
        BibPan->update();
}

void TGalForm::setBgFarve(int index)
{
    const QColor farve = galFarve(index);
    main.opt.colIndex = index;
    QPixmap ikon(16, 16);
    ikon.fill(farve);
    colButton2->setIcon(QIcon(ikon));
    StepPan->Color = farve;
    StepPan->ColorStep = bjaelkeFarve(farve);
    StepPan->update();
    BibPan->setFeltFarve(farve);
}

void TGalForm::BibInfo(int item, bool show)
{
    infoItem = show ? item : -1;
    if (!show || item < 0 || item >= BibPan->Poster().size()) {
        picFilnavn.clear();
        Navnfelt->setHeleTekst(QString());
        Breddefelt->clear();
        Hojdefelt->clear();
        regler->opdaterSenere();
        return;
    }
    picFilnavn = BibPan->GetFilnavn(item, true);
    Navnfelt->setHeleTekst(BibPan->GetFilnavn(item, false));
    const auto maal = [](int v) { return v > 0 ? QString::number(v) : QString(); };
    Breddefelt->setText(maal(BibPan->GetBredde(item)));
    Hojdefelt->setText(maal(BibPan->GetHojde(item)));
    BibFelt->setText(QStringLiteral("Bredde: ") + QString::number(BibPan->FeltBredde()) + QStringLiteral(" Højde: ")
                     + QString::number(BibPan->FeltHojde()));
    regler->opdaterSenere();
}

void TGalForm::slet()
{
    const QString fil = picFilnavn;
    if (!main.beskeder()
             ->spoerg(QStringLiteral("Filnavn:\n") + QFileInfo(fil).fileName() + QStringLiteral("\nSkal filen slettes til papirkurven?"),
                      Beskeder::AlleCheck::Skjul)
             .ja)
        return;
    // A picture removed meanwhile by another program: said, and the pictures read anew.
    if (!erFil(fil)) {
        main.beskeder()->sig(QStringLiteral("Filen blev ikke fundet."));
        visMappe(BibPan->Bibliotek(), AntalV, AntalL);
        return;
    }
    main.selectFromGal(fil, true);
}

void TGalForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (opstart) {
        opstart = false;
        setBgFarve(main.opt.colIndex);
    }
    aktiveret();
}

void TGalForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
        aktiveret();
    else if (event->type() == QEvent::PaletteChange)
        anvendPalet();
}

void TGalForm::aktiveret()
{
    main.anvendHints(this);
    BibPan->setFocus();
}

bool TGalForm::eventFilter(QObject* watched, QEvent* event)
{
    if (statusTekster.contains(watched)) {
        if (event->type() == QEvent::Enter)
            main.UdskrivInfo(statusTekster.value(watched));
        else if (event->type() == QEvent::Leave)
            main.UdskrivInfo(QString());
    }
    return QWidget::eventFilter(watched, event);
}

void TGalForm::closeEvent(QCloseEvent* event)
{
    main.opt.GBoxV = AntalV;
    main.opt.GBoxL = AntalL;
    QWidget::closeEvent(event);
}

void registrerGalleri(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("aBilledGal"), [&main] { return new TGalForm(main, main.opt.openBilleder == 0); },
                            {QStringLiteral("Gallery.txt"), TGalForm::placering});
}
