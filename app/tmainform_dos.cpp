// The page "Dos": the list of console commands, each a file in dosMappe whose name is the command
// and whose lines are its description, and the buttons that open a console or the run box.
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/ombrydningslayout.h"
#include "app/ombrudtefaner.h"
#include "app/rulbarside.h"
#include "app/tmainform.h"
#include "app/treopenfiler.h"
#include "boxes/tinfform.h"
#include "core/pathhelpers.h"
#include "core/soegeadresse.h"
#include "core/tekstfilnavn.h"
#include "platform/textfile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The command file in the folder that is the command: the one whose name equals the file name
// with the letters A to Z folded (so "Dir" is the command of "dir.txt"), else the file name itself.
QString kommandofil(const QString& mappe, const QString& filnavn)
{
    const QStringList navne = QDir(mappe).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& navn : navne)
        if (sammeTekst(navn, filnavn))
            return mappe + navn;
    return mappe + filnavn;
}

QString kommandoAf(const QString& fil) { return tekstAfFilnavn(QFileInfo(fil).completeBaseName()); }


}  // namespace

void Tmainform::byggeDosside()
{
    QWidget* side = bogside(funkBog, 2);
    dosFiler = new TReopenFilerY(this);
    dosFiler->Itemtype = itFil;
    auto* dosBog = new QTabWidget(side);
    dosBog->setObjectName(QStringLiteral("dosBog"));
    auto* kommandoside = new QWidget(dosBog);
    auto* indfoerside = new QWidget(dosBog);
    dosBog->addTab(kommandoside, QStringLiteral("Dos kommandoer"));
    dosBog->addTab(indfoerside, QStringLiteral("Indfør kommandoer"));

    // The list and the description of the selected command.
    dosBoxen = new QListWidget(kommandoside);
    dosBoxen->setObjectName(QStringLiteral("dosBoxen"));
    dosBoxen->setMinimumHeight(200);
    dosFiler->setListeBoks(dosBoxen, QColor(255, 128, 128), 19);
    MemoDos = new QPlainTextEdit(kommandoside);
    MemoDos->setObjectName(QStringLiteral("MemoDos"));
    MemoDos->setReadOnly(true);
    MemoDos->setMinimumHeight(90);
    // The selected command's description, however it was selected; a click on a command whose file
    // is gone says so (the list's own test).
    connect(dosBoxen, &QListWidget::currentRowChanged, this, [this](int row) {
        MemoDos->setPlainText(platform::readTextLines(dosFiler->GetFilnavn(row)).value_or(QStringList()).join(u'\n'));
    });

    const auto valgt = [this] { return dosBoxen->currentRow(); };
    const auto handlingMedRegel = [this](const char* navn, const QString& tekst, const QString& hint,
                                         std::function<void()> udfoer, std::function<bool()> Update) {
        QAction* action = handling(navn, tekst, hint, {}, std::move(udfoer));
        regler->tilfoej(action, std::move(Update));
        return action;
    };
    QAction* aRediger = handlingMedRegel("aRediger", QStringLiteral("Rediger"), QStringLiteral("Rediger valgte"),
                                         [this, dosBog] { redigerDos(dosBog); }, [valgt] { return valgt() >= 0; });
    QAction* aSletDos = handlingMedRegel("aSletDos", QStringLiteral("Slet valgte"), QStringLiteral("Slet valgte"),
                                         [this] { aSletDosExecute(); }, [valgt] { return valgt() >= 0; });
    QAction* aSletAltDos = handlingMedRegel(
        "aSletAltDos", QStringLiteral("Slet alt"), QStringLiteral("Sletter alle kommandoer, der er indført i listen"),
        [this] {
            if (dosFiler->SletAlleItems())
                gemDosKnap->setEnabled(true);
        },
        [this] { return dosFiler->Antal() > 0; });
    QAction* aDosOp = handlingMedRegel("aDosOp", QString(), QStringLiteral("Flyt valgte op"),
                                       [this] { flytDos(-1); }, [valgt] { return valgt() > 0; });
    QAction* aDosNed = handlingMedRegel("aDosNed", QString(), QStringLiteral("Flyt valgte ned"), [this] { flytDos(1); },
                                        [this, valgt] { return valgt() >= 0 && valgt() < dosFiler->Antal() - 1; });
    QPushButton* sorterButton =
        tekstknap("sorterButton", QStringLiteral("Sorter"),
                  QStringLiteral("Sorter listen alfabetisk. Tryk Gem for at bevare listen som sorteret"), kommandoside);
    connect(sorterButton, &QPushButton::clicked, this, [this] { sorterDos(); });
    regler->tilfoej([this, sorterButton] { sorterButton->setEnabled(dosFiler->Antal() >= 2); });
    // The list file is written only here and when a command is stored; the button tells whether
    // the list shown differs from it.
    gemDosKnap = tekstknap("gemDosKnap", QString(), QStringLiteral("Gem listen med aktuelle rækkefølge"), kommandoside);
    gemDosKnap->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    gemDosKnap->setEnabled(false);
    connect(gemDosKnap, &QPushButton::clicked, this, [this] { gemDosListe(); });
    connect(dosBoxen, &QListWidget::currentRowChanged, regler, &Handlingsregler::opdaterSenere);

    QPushButton* opKnap = knapFor(aDosOp, kommandoside);
    opKnap->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    QPushButton* nedKnap = knapFor(aDosNed, kommandoside);
    nedKnap->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    auto* kommandoKolonne = new QVBoxLayout(kommandoside);
    kommandoKolonne->addWidget(dosBoxen, 1);
    kommandoKolonne->addWidget(ombrudtRaekke(kommandoside, {knapFor(aRediger, kommandoside), knapFor(aSletDos, kommandoside),
                                                       knapFor(aSletAltDos, kommandoside), opKnap, nedKnap, sorterButton,
                                                       gemDosKnap}));
    kommandoKolonne->addWidget(MemoDos);

    // Typing in a command and its description.
    dosEdit = felt<QLineEdit>("dosEdit", QStringLiteral("Indfør ny tekst til valgte punkt"),
                              QStringLiteral("Indfør den nye kommando her"), indfoerside);
    dosMemo = felt<QPlainTextEdit>("dosMemo", QString(), QString(), indfoerside);
    dosMemo->setTabChangesFocus(true);
    dosCheck = new QCheckBox(QStringLiteral("Klargør til ny efter gem"), indfoerside);
    dosCheck->setObjectName(QStringLiteral("dosCheck"));
    dosCheck->setToolTip(QStringLiteral("Placer øverst eller nederst"));
    const auto modificeret = [this] { return dosEdit->isModified() || dosMemo->document()->isModified(); };
    QAction* aInsertDos = handlingMedRegel(
        "aInsertDos", QStringLiteral("Gem"), QStringLiteral("Indfør kommandoen i kommandolisten"), [this] { aInsertDosExecute(); },
        [this, modificeret] { return !dosEdit->text().isEmpty() && !dosMemo->document()->isEmpty() && modificeret(); });
    QAction* aNyDos = handlingMedRegel("aNyDos", QStringLiteral("Ny"), QStringLiteral("Klargør til ny kommando"),
                                       [this] { nyDos(); },
                                       [this] { return !dosEdit->text().isEmpty() || !dosMemo->document()->isEmpty(); });
    QAction* googleUrlDos = handlingMedRegel("googleUrlDos", QString(), QStringLiteral("Søg på Google"),
                                             [this] { soegPaaNettet(Soegetjeneste::Google, dosEdit->text()); },
                                             [this] { return !dosEdit->text().isEmpty(); });
    connect(dosEdit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    connect(dosMemo, &QPlainTextEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    QPushButton* ButtonOpdater = knapFor(googleUrlDos, indfoerside);
    ButtonOpdater->setObjectName(QStringLiteral("ButtonOpdater"));
    ButtonOpdater->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));

    auto* indfoerKolonne = new QVBoxLayout(indfoerside);
    indfoerKolonne->addWidget(new QLabel(QStringLiteral("Kommando"), indfoerside));
    indfoerKolonne->addWidget(dosEdit);
    indfoerKolonne->addWidget(new QLabel(QStringLiteral("Beskrivelse"), indfoerside));
    indfoerKolonne->addWidget(dosMemo, 1);
    indfoerKolonne->addWidget(
        ombrudtRaekke(indfoerside, {knapFor(aInsertDos, indfoerside), knapFor(aNyDos, indfoerside), ButtonOpdater}));
    indfoerKolonne->addWidget(dosCheck);

    // Below the commands, a console, PowerShell and the run box.
    const auto konsolknap = [&](const char* navn, const QString& tekst, const QString& hint, std::function<void()> klik) {
        QPushButton* knap = tekstknap(navn, tekst, hint, side);
        connect(knap, &QPushButton::clicked, this, std::move(klik));
        return knap;
    };
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(medOmbrudteFaner(dosBog), 1);
    layout->addWidget(ombrudtRaekke(
        side, {konsolknap("dosKnap", QStringLiteral("Konsol"), QStringLiteral("Åben en dos-konsol"), [this] { dosKnapClick(); }),
               konsolknap("SpeedButton81", QStringLiteral("PowerShell"), QStringLiteral("Åben en PowerShell-konsol"),
                          [this] { SpeedButton81Click(); }),
               konsolknap("goboxButton", QStringLiteral("Kørkassen"), QStringLiteral("Åbner Kør-kassen"),
                          [this] { aGoBoksExecute(); })}));
}

void Tmainform::hentDosFiler()
{
    dosFiler->Itemfile = folders.OptMappe + QStringLiteral("dosfiler.txt");
    if (QFileInfo::exists(dosFiler->Itemfile)) {
        dosFiler->HentReopenFiler();
        return;
    }
    // A first start lists the command files there are, in name order, and keeps that list.
    const QFileInfoList filer = QDir(folders.dosMappe).entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& fil : filer.mid(0, dosFiler->Filantal))
        dosFiler->InsertItem(fil.filePath(), kommandoAf(fil.fileName()));
    dosBoxen->setCurrentRow(-1);
    if (!filer.isEmpty())
        gemDosListe();
}

bool Tmainform::gemDosListe()
{
    // The list says itself when its file could not be written.
    if (!dosFiler->GemReopenFiler()) {
        gemDosKnap->setEnabled(true);
        return false;
    }
    gemDosKnap->setEnabled(false);
    return true;
}

void Tmainform::aInsertDosExecute()
{
    const std::optional<QString> filnavn = tekstfilnavn(dosEdit->text().trimmed());
    if (!filnavn) {
        info->sig(QStringLiteral("Teksten kan ikke bruges som filnavn."));
        return;
    }
    const QString fil = kommandofil(folders.dosMappe, *filnavn);
    const QString kommando = kommandoAf(fil);
    if (QFileInfo::exists(fil)
        && !beskeder()->spoerg(QStringLiteral("Filen ") + kommando + QStringLiteral(" eksisterer allerede.\nSkal den overskrives?"),
                               Beskeder::AlleCheck::Skjul).ja)
        return;
    if (!gemTekstfil(fil, dosMemo->toPlainText()))
        return;
    dosFiler->InsertItem(fil, kommando);
    if (!gemDosListe())
        return;
    if (dosFiler->GetFilnavn(dosBoxen->currentRow()) == fil)
        MemoDos->setPlainText(dosMemo->toPlainText());
    dosEdit->setModified(false);
    dosMemo->document()->setModified(false);
    if (dosCheck->isChecked())
        nyDos();
}

void Tmainform::aSletDosExecute()
{
    const int row = dosBoxen->currentRow();
    if (row < 0
        || !beskeder()->spoerg(QStringLiteral("Skal kommandoen ") + dosFiler->GetCaption(row) + QStringLiteral(" slettes?"),
                               Beskeder::AlleCheck::Skjul).ja)
        return;
    dosFiler->DeleteItem(row);
    dosBoxen->setCurrentRow(std::min(row, dosFiler->Antal() - 1));
    gemDosKnap->setEnabled(true);
}

void Tmainform::flytDos(int retning)
{
    const int row = dosBoxen->currentRow();
    if (!(retning < 0 ? dosFiler->flytOp(row) : dosFiler->flytNed(row)))
        return;
    dosFiler->MakeListeMenu();
    dosBoxen->setCurrentRow(row + retning);
    gemDosKnap->setEnabled(true);
}

void Tmainform::sorterDos()
{
    const int antal = dosFiler->Antal();
    if (antal < 2)
        return;
    const QString valgtFil = dosFiler->GetFilnavn(dosBoxen->currentRow());
    const auto stoerre = [this](int a, int b) { return sammenlignTekst(dosFiler->GetCaption(a), dosFiler->GetCaption(b)) > 0; };
    // Each entry goes down past the smaller ones below it and then up past the greater ones above
    // it, pass after pass, until a pass moves nothing.
    bool flyttet = false;
    for (bool flytter = true; flytter;) {
        flytter = false;
        for (int i = 0; i < antal; ++i) {
            int j = i;
            while (j < antal - 1 && stoerre(j, j + 1)) {
                dosFiler->flytNed(j++);
                flytter = true;
            }
            while (j > 0 && stoerre(j - 1, j)) {
                dosFiler->flytOp(j--);
                flytter = true;
            }
        }
        flyttet = flyttet || flytter;
    }
    if (!flyttet) {
        info->sig(QStringLiteral("Listen var sorteret i forvejen.\nDer blev altså ikke flyttet nogen elementer."));
        return;
    }
    dosFiler->MakeListeMenu();
    for (int i = 0; i < antal; ++i)
        if (!valgtFil.isEmpty() && dosFiler->GetFilnavn(i) == valgtFil)
            dosBoxen->setCurrentRow(i);
    gemDosKnap->setEnabled(true);
}

void Tmainform::redigerDos(QTabWidget* dosBog)
{
    const int row = dosBoxen->currentRow();
    if (row < 0)
        return;
    dosEdit->setText(dosFiler->GetCaption(row));
    dosMemo->setPlainText(platform::readTextLines(dosFiler->GetFilnavn(row)).value_or(QStringList()).join(u'\n'));
    dosEdit->setModified(false);
    dosMemo->document()->setModified(false);
    dosBog->setCurrentIndex(1);
}

void Tmainform::nyDos()
{
    dosEdit->clear();
    dosMemo->clear();
    dosEdit->setPlaceholderText(QStringLiteral("Indfør ny kommando"));
    dosEdit->setModified(false);
    dosMemo->document()->setModified(false);
    dosEdit->setFocus();
}
