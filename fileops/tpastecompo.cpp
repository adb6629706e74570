#include "fileops/tpastecompo.h"

#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "core/stoerrelser.h"
#include "fileops/tdeleteform.h"
#include "fileops/texistsform.h"
#include "fileops/tkopieringsform.h"
#include "fileops/tprogressform.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {

// A bar's position, kept inside its range.
void saetPosition(QProgressBar* bar, qint64 position)
{
    bar->setValue(int(std::clamp<qint64>(position, bar->minimum(), bar->maximum())));
}

}  // namespace

TPasteCompo::TPasteCompo(const QString& optMappe, QWidget* mainWindow, QObject* owner)
    : TFremgangsCompo(mainWindow, owner)
    , FSpmCopyBox(new Tkopieringsform(optMappe, mainWindow))
    , FProgressBox(new Tprogressform(mainWindow))
    , FSpmHandling(new TExistsForm(mainWindow))
    , FSpmBox(new Tspform(mainWindow))
    , FInfoBox(new Tinfform(mainWindow))
    , FBeskeder(std::make_unique<BoksBeskeder>(FInfoBox, FSpmBox))
{
    setBeskeder(FBeskeder.get());
    connect(FProgressBox->stopButton, &QPushButton::clicked, this, [this] { motor.stop(); });
}

TPasteCompo::~TPasteCompo()
{
    delete FSpmCopyBox;
    delete FProgressBox;
    delete FSpmHandling;
    delete FSpmBox;
    delete FInfoBox;
}

Tkopieringsform* TPasteCompo::SpmCopyBox() const { return FSpmCopyBox; }
Tprogressform* TPasteCompo::ProgressBox() const { return FProgressBox; }
TExistsForm* TPasteCompo::SpmHandling() const { return FSpmHandling; }
Tspform* TPasteCompo::SpmBox() const { return FSpmBox; }

void TPasteCompo::setBoxCaption(const QString& caption)
{
    FProgressBox->setWindowTitle(caption + QStringLiteral(" kopierer valgte elementer"));
}

Kopimotor::Opgave TPasteCompo::opgave() const { return {ConstDest, PasteMapper, PasteFiler, IntSpm, IntPasteMetode}; }

bool TPasteCompo::bekraeftKopi(const QString& dest, bool flyt, const QStringList& filer, const QStringList& mapper)
{
    const bool ja = FSpmCopyBox->skalElementerKopieres(dest, flyt, filer, mapper);
    if (onPasteElements)
        onPasteElements(ja);
    return ja;
}

// The delete pass of a move was confirmed with the move.
bool TPasteCompo::bekraeftSletning(const QStringList&, const QStringList&, bool) { return true; }

Filspoergsmaal::Konfliktsvar TPasteCompo::konflikt(const QString& target)
{
    const QFileInfo info(target);
    Konfliktsvar svar;
    svar.metode = FSpmHandling->spoerg(info.path(), info.fileName(), svar.overskriv);
    return svar;
}

TFremgangsform* TPasteCompo::vindue(Fase fase) const
{
    return fase == Fase::Kopiering ? FProgressBox : TFremgangsCompo::vindue(fase);
}

QProgressBar* TPasteCompo::samletBjaelke(Fase fase) const
{
    return fase == Fase::Kopiering ? FProgressBox->pBarAll : TFremgangsCompo::samletBjaelke(fase);
}

void TPasteCompo::optaellingBegynder(Fase fase, const QStringList& mapper, const QString& tekst)
{
    if (fase == Fase::Sletning) {
        TFremgangsCompo::optaellingBegynder(fase, mapper, tekst);
        return;
    }
    Tprogressform& box = *FProgressBox;
    box.kildeLabel->setText(mapper.size() == 1 ? QStringLiteral("Der kopieres 1 mappe:")
                                               : QStringLiteral("Der kopieres %1 mapper:").arg(mapper.size()));
    box.visMapper(mapper);
    box.pBarAktiv->setRange(0, std::max(int(mapper.size()), 1));
    box.pBarAktiv->setValue(0);
    box.pBar->setValue(0);
    box.pBarAll->setValue(0);
    box.LabelInfo->clear();
    box.LabelResterende->clear();
    box.infoLabel->clear();
    box.LabelProcent->setText(QStringLiteral("0%"));
    box.destinationEdit->setText(tekst);
}

void TPasteCompo::mapperOptalt(qint64 mapper)
{
    FProgressBox->setInfoBarAntal(mapper);
    saetPosition(FProgressBox->pBarAktiv, mapper);
}

void TPasteCompo::optaellingSlut(Fase fase)
{
    if (fase == Fase::Sletning) {
        TFremgangsCompo::optaellingSlut(fase);
        return;
    }
    const Filoperation::Tal& tal = motor.tal;
    FProgressBox->setInfoBarAntal(tal.antalMapper);
    saetPosition(FProgressBox->pBarAktiv, FProgressBox->pBarAktiv->maximum());
    FProgressBox->LabelInfo->setText(QStringLiteral("Der kopieres ") + heltal(tal.antalFiler)
                                     + (tal.antalFiler == 1 ? QStringLiteral(" fil: ") : QStringLiteral(" filer: "))
                                     + cifferStoerrelse(tal.totalSize));
    FProgressBox->LabelResterende->setText(heltal(tal.antalFiler));
}

void TPasteCompo::filProcent(int procent) { saetBjaelke(FProgressBox->pBar, procent); }

void TPasteCompo::ikkeOverskrevne(int antal)
{
    FProgressBox->infoLabel->setText(antal == 1 ? QStringLiteral("1 fil blev ikke overskrevet.")
                                                : QStringLiteral("%1 filer blev ikke overskrevede.").arg(heltal(antal)));
}
