#include "fileops/tfremgangscompo.h"

#include "core/stoerrelser.h"
#include "fileops/tdeleteform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

TFremgangsCompo::TFremgangsCompo(QWidget* mainWindow, QObject* owner)
    : QObject(owner)
    , FDeleteBox(new Tdeleteform(mainWindow))
{
}

TFremgangsCompo::~TFremgangsCompo() { delete FDeleteBox; }

Tdeleteform* TFremgangsCompo::DeleteBox() const { return FDeleteBox; }

void TFremgangsCompo::sig(const QString& tekst)
{
    // The window shows where the operation stands while the message is read.
    visFremgang();
    FBeskeder->sig(tekst);
}

Beskeder::Svar TFremgangsCompo::spoergOmAlle(const QString& tekst)
{
    return FBeskeder->spoerg(tekst, Beskeder::AlleCheck::Vis);
}

TFremgangsform* TFremgangsCompo::vindue(Fase fase) const { return fase == Fase::Sletning ? FDeleteBox : nullptr; }

QProgressBar* TFremgangsCompo::samletBjaelke(Fase fase) const
{
    return fase == Fase::Sletning ? FDeleteBox->proBar : nullptr;
}

void TFremgangsCompo::saetBjaelke(QProgressBar* bar, int procent) { udsatteBjaelker[bar] = procent; }

void TFremgangsCompo::visFremgang()
{
    for (auto it = udsatteBjaelker.cbegin(); it != udsatteBjaelker.cend(); ++it)
        if (it.key()->value() != it.value())
            it.key()->setValue(it.value());
    udsatteBjaelker.clear();
    if (udsatVindue) {
        const Filoperation::Tal& tal = operation().tal;
        udsatVindue->LabelProcent->setText(QString::number(udsatProcent) + u'%');
        udsatVindue->LabelResterende->setText(heltal(tal.antalFiler) + QStringLiteral(" (")
                                              + skaleretStoerrelse(tal.totalSize - tal.posSize) + u')');
        udsatVindue = nullptr;
    }
}

void TFremgangsCompo::mellemrum()
{
    // Stop is looked for often; the windows are repainted ten times a second, which is enough for
    // the eye and costs little next to the copying.
    if (sidstBehandlet.isValid() && sidstBehandlet.elapsed() < 15)
        return;
    if (!sidstVist.isValid() || sidstVist.elapsed() >= 100) {
        visFremgang();
        sidstVist.restart();
    }
    QCoreApplication::processEvents();
    sidstBehandlet.restart();
}

void TFremgangsCompo::optaellingBegynder(Fase, const QStringList& mapper, const QString& tekst)
{
    Tdeleteform& box = *FDeleteBox;
    sletTekst = tekst;
    box.listbox->clear();
    box.proBar->setValue(0);
    box.LabelInfo->clear();
    box.LabelResterende->clear();
    box.LabelProcent->setText(QStringLiteral("0%"));
    box.destLabel->setText(tekst);
    box.mapperLabel->setText(mapper.size() == 1 ? QStringLiteral("Følgende 1 mappe slettes:")
                                                : QStringLiteral("Følgende %1 mapper slettes:").arg(mapper.size()));
    box.visMapper(mapper);
}

void TFremgangsCompo::optaellingSlut(Fase)
{
    const Filoperation::Tal& tal = operation().tal;
    FDeleteBox->destLabel->setText(sletTekst + QStringLiteral(": ") + skaleretStoerrelse(tal.totalSize));
    FDeleteBox->LabelInfo->setText(QStringLiteral("Antal filer: ") + heltal(tal.antalFiler));
}

void TFremgangsCompo::faseBegynder(Fase fase)
{
    vindue(fase)->show();
    QCoreApplication::processEvents();
}

void TFremgangsCompo::faseSlut(Fase fase)
{
    visFremgang();
    if (CloseBoxAfter)
        vindue(fase)->close();
}

void TFremgangsCompo::samletProcent(Fase fase, int procent)
{
    saetBjaelke(samletBjaelke(fase), procent);
    udsatVindue = vindue(fase);
    udsatProcent = procent;
}

void TFremgangsCompo::mappeFaerdig(Fase fase, int index) { vindue(fase)->afkryds(index); }
