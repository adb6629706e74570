#include "fileops/tfremgangscompo.h"

#include "core/stoerrelser.h"
#include "fileops/tdeleteform.h"
#include "core/beskeder.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <sys/stat.h>

bool erMappe(const QByteArray& path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QByteArray kildeBytes(const QString& path)
{
    QByteArray bytes = QFile::encodeName(path);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    return bytes;
}

TFremgangsCompo::TFremgangsCompo(QWidget* mainWindow, QObject* owner)
    : QObject(owner)
    , FDeleteBox(new Tdeleteform(mainWindow))
{
}

TFremgangsCompo::~TFremgangsCompo() { delete FDeleteBox; }

Tdeleteform* TFremgangsCompo::DeleteBox() const { return FDeleteBox; }

void TFremgangsCompo::sig(const QString& tekst) { FBeskeder->sig(tekst); }

void TFremgangsCompo::saetBjaelke(QProgressBar* bar, int procent) { udsatteBjaelker[bar] = procent; }

void TFremgangsCompo::visSenere(TFremgangsform* vindue, int procent)
{
    udsatVindue = vindue;
    udsatProcent = procent;
}

void TFremgangsCompo::visFremgang()
{
    for (auto it = udsatteBjaelker.cbegin(); it != udsatteBjaelker.cend(); ++it)
        if (it.key()->value() != it.value())
            it.key()->setValue(it.value());
    udsatteBjaelker.clear();
    if (udsatVindue) {
        udsatVindue->LabelProcent->setText(QString::number(udsatProcent) + u'%');
        udsatVindue->LabelResterende->setText(heltal(antalFiler) + QStringLiteral(" (")
                                              + skaleretStoerrelse(totalSize - posSize) + u')');
        udsatVindue = nullptr;
    }
}

void TFremgangsCompo::behandlBeskeder()
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

void TFremgangsCompo::sizeOfDelElementer(const QStringList& mapper, const QStringList& filer, const QString& aDeleteTekst)
{
    Tdeleteform& box = *FDeleteBox;
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = int(mapper.size());
    box.listbox->clear();
    box.proBar->setValue(0);
    box.LabelInfo->clear();
    box.LabelResterende->clear();
    box.LabelProcent->setText(QStringLiteral("0%"));
    box.destLabel->setText(aDeleteTekst);
    box.mapperLabel->setText(antalMapper == 1 ? QStringLiteral("Følgende 1 mappe slettes:")
                                              : QStringLiteral("Følgende %1 mapper slettes:").arg(antalMapper));
    mappeOptaellinger.clear();
    for (const QString& mappe : mapper) {
        box.tilfoejMappe(mappe);
        MappeOptaelling optaelling;
        if (!erMappe(kildeBytes(mappe)) || !getMappeInfo(mappe, optaelling))
            sig(QStringLiteral("Mappen\r") + mappe + u'\r' + QStringLiteral("eksisterer ikke."));
        mappeOptaellinger.append(optaelling);
        antalFiler += int(optaelling.filer);
        totalSize += optaelling.bytes;
    }
    for (const QString& fil : filer) {
        totalSize += getFilensSize(fil);
        ++antalFiler;
    }
    box.destLabel->setText(aDeleteTekst + QStringLiteral(": ") + skaleretStoerrelse(totalSize));
    box.LabelInfo->setText(QStringLiteral("Antal filer: ") + heltal(antalFiler));
}

int TFremgangsCompo::progressInfoDel()
{
    const int procent = totalSize <= 0 ? 0 : int(posSize * 100 / totalSize);
    visSenere(FDeleteBox, procent);
    return procent;
}
