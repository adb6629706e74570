#include "fileops/tpastecompo.h"

#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "core/stoerrelser.h"
#include "fileops/texistsform.h"
#include "fileops/tkopieringsform.h"
#include "fileops/tprogressform.h"
#include "fileops/tdeleteform.h"
#include "platform/filecopy.h"
#include "platform/filedelete.h"
#include "platform/filesystem.h"
#include "core/pathhelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

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

void TPasteCompo::nyOperation()
{
    ikkePastede = 0;
    ikkeKopierede = 0;
    huskAnkomne = false;
    ankommet.clear();
    FProgressBox->LabelInfo->clear();
}

bool TPasteCompo::stoppet() const { return FProgressBox->FCancel; }

qint64 TPasteCompo::sizeOfElementer(const QString& aDest)
{
    Tprogressform& box = *FProgressBox;
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = int(PasteMapper.size());
    box.kildeLabel->setText(antalMapper == 1 ? QStringLiteral("Der kopieres 1 mappe:")
                                             : QStringLiteral("Der kopieres %1 mapper:").arg(antalMapper));
    box.listbox->clear();
    box.pBarAktiv->setRange(0, std::max(antalMapper, 1));
    box.pBarAktiv->setValue(0);
    box.pBar->setValue(0);
    box.pBarAll->setValue(0);
    box.LabelInfo->clear();
    box.LabelResterende->clear();
    box.infoLabel->clear();
    box.LabelProcent->setText(QStringLiteral("0%"));
    box.destinationEdit->setText(aDest);

    MappeOptaelling optaelling;
    optaelling.mapper = antalMapper;
    optaelling.nyMappe = [&box](qint64 mapper) {
        box.setInfoBarAntal(mapper);
        saetPosition(box.pBarAktiv, mapper);
    };
    for (const QString& mappe : PasteMapper) {
        box.tilfoejMappe(mappe);
        if (!erMappe(kildeBytes(mappe)) || !getMappeInfo(mappe, optaelling))
            sig(QStringLiteral("Mappen\r") + mappe + u'\r' + QStringLiteral("eksisterer ikke."));
    }
    antalMapper = int(optaelling.mapper);
    antalFiler = int(optaelling.filer);
    totalSize = optaelling.bytes;
    for (const QString& fil : PasteFiler) {
        totalSize += getFilensSize(fil);
        ++antalFiler;
    }
    box.setInfoBarAntal(antalMapper);
    saetPosition(box.pBarAktiv, box.pBarAktiv->maximum());
    udskrivInfo();
    return totalSize;
}

void TPasteCompo::udskrivInfo()
{
    FProgressBox->LabelInfo->setText(QStringLiteral("Der kopieres ") + heltal(antalFiler)
                                     + (antalFiler == 1 ? QStringLiteral(" fil: ") : QStringLiteral(" filer: "))
                                     + cifferStoerrelse(totalSize));
    FProgressBox->LabelResterende->setText(heltal(antalFiler));
}

int TPasteCompo::progressInfo(qint64 aSize)
{
    posSize += aSize;
    const int procent = totalSize <= 0 ? 100 : int(posSize * 100 / totalSize);
    --antalFiler;
    visSenere(FProgressBox, procent);
    behandlBeskeder();
    return procent;
}

int TPasteCompo::askUser(const QString& aFilnavn, bool& overskriv)
{
    const QFileInfo info(aFilnavn);
    return FSpmHandling->spoerg(info.path(), info.fileName(), overskriv);
}

bool TPasteCompo::bestemMaal(QByteArray& maal, bool& erstat)
{
    erstat = IntPasteMetode == Overskriv;
    // "Overskriv ikke" needs no look: the copy is made exclusively and leaves an existing target be.
    if (IntPasteMetode == Overskriv || IntPasteMetode == OverskrivIkke)
        return true;
    struct stat st;
    const bool findes = ::lstat(maal.constData(), &st) == 0;
    if (IntPasteMetode == OpretKopi) {
        const QString navn = QFile::decodeName(maal);
        // A name the text form cannot hold keeps its bytes unless it is taken.
        if (findes || QFile::encodeName(navn) == maal)
            maal = QFile::encodeName(getNewFilnavn(navn, QStringLiteral("Kopi")));
        return true;
    }
    if (!findes)
        return true;
    bool overskriv = false;
    IntPasteMetode = askUser(QFile::decodeName(maal), overskriv);
    if (IntPasteMetode != Spoerg)
        return bestemMaal(maal, erstat);
    erstat = overskriv;
    if (!overskriv)
        ++ikkePastede;
    return overskriv;
}

TPasteCompo::Udfald TPasteCompo::kopierFilEx(const QByteArray& source, const QByteArray& target, bool erstat,
                                              qint64* stoerrelse)
{
    if (stoppet()) {
        ++ikkeKopierede;
        return Udfald::IkkeKopieret;
    }
    QProgressBar* pBar = FProgressBox->pBar;
    const auto fremgang = [this, pBar, stoerrelse](qint64 kopieret, qint64 total) {
        if (stoerrelse)
            *stoerrelse = total;
        saetBjaelke(pBar, total > 0 ? int((kopieret * 100 + total / 2) / total) : 100);
        behandlBeskeder();
        return !stoppet();
    };
    int fejl = 0;
    const platform::KopiResultat resultat = platform::kopierFil(source, target, erstat, fremgang, &fejl);
    if (resultat == platform::KopiResultat::Kopieret) {
        if (huskAnkomne)
            ankommet.insert(source);
        return Udfald::Kopieret;
    }
    if (resultat == platform::KopiResultat::Fejl && fejl == EEXIST && !erstat) {
        ++ikkePastede;
        return Udfald::Udeladt;
    }
    ++ikkeKopierede;
    return Udfald::IkkeKopieret;
}

void TPasteCompo::kopierMappeEx(const QByteArray& source, const QByteArray& target)
{
    DIR* dir = ::opendir(source.constData());
    if (!dir) {
        ++ikkeKopierede;
        sig(QStringLiteral("Mappen\r") + QFile::decodeName(source) + u'\r'
            + (errno == ENOENT ? QStringLiteral("eksisterer ikke.")
                               : QStringLiteral("kunne ikke læses. Måske mangler der rettigheder dertil.")));
        return;
    }
    struct Indgang {
        QByteArray navn;
        bool mappe;
    };
    std::vector<Indgang> indgange;
    while (const dirent* entry = ::readdir(dir)) {
        const char* navn = entry->d_name;
        if (navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)))
            continue;
        bool mappe = entry->d_type == DT_DIR;
        struct stat st;
        if (entry->d_type == DT_UNKNOWN && ::fstatat(::dirfd(dir), navn, &st, AT_SYMLINK_NOFOLLOW) == 0)
            mappe = S_ISDIR(st.st_mode);
        indgange.push_back({QByteArray(navn), mappe});
    }
    ::closedir(dir);
    for (const Indgang& indgang : indgange) {
        if (stoppet())
            return;
        const QByteArray kilde = source + '/' + indgang.navn;
        QByteArray maal = target + '/' + indgang.navn;
        if (indgang.mappe) {
            ::mkdir(maal.constData(), 0777);
            kopierMappeEx(kilde, maal);
            continue;
        }
        bool erstat = false;
        // The copy tells the size; a file left out or not copied is looked at for it.
        qint64 stoerrelse = -1;
        if (bestemMaal(maal, erstat))
            kopierFilEx(kilde, maal, erstat, &stoerrelse);
        struct stat st;
        if (stoerrelse < 0)
            stoerrelse = ::lstat(kilde.constData(), &st) == 0 ? st.st_size : 0;
        saetBjaelke(FProgressBox->pBarAll, progressInfo(stoerrelse));
    }
}

bool TPasteCompo::eksistererFilen(const QString& source, const QString& target, bool kopieret)
{
    if (kopieret && platform::entryExists(target))
        return true;
    sig(QStringLiteral("Der opstod en fejl. Filen: \r") + source + u'\r' + QStringLiteral("blev ikke kopieret til: ") + u'\r'
        + target + u'\r' + QStringLiteral("Måske mangler der rettigheder dertil."));
    return false;
}

bool TPasteCompo::eksistererMappe(const QString& source, const QString& target)
{
    if (erMappe(QFile::encodeName(target)))
        return true;
    sig(QStringLiteral("Der opstod en fejl, der afbrød processen. Mappen: \r") + source + u'\r'
        + QStringLiteral("blev ikke kopieret til: ") + u'\r' + target + u'\r'
        + QStringLiteral("Måske mangler der rettigheder dertil."));
    return false;
}

bool TPasteCompo::destinationIKilden(const QString& source)
{
    const QString kilde = QFileInfo(source).canonicalFilePath();
    const QString dest = QFileInfo(ConstDest).canonicalFilePath();
    if (kilde.isEmpty() || dest.isEmpty() || (dest != kilde && !dest.startsWith(delimKon(kilde))))
        return false;
    sig(QStringLiteral("Mappen\r") + source + u'\r'
        + QStringLiteral("kan ikke kopieres eller flyttes ind i sig selv, da destinationen ligger i den."));
    return true;
}

void TPasteCompo::kopierListerne()
{
    for (int i = 0; i < PasteMapper.size(); ++i) {
        const QString& source = PasteMapper[i];
        if (destinationIKilden(source))
            continue;
        if (!erMappe(kildeBytes(source))) {
            sig(QStringLiteral("Mappen\r") + source + u'\r' + QStringLiteral("eksisterer ikke."));
            continue;
        }
        const QString target = stiMed(ConstDest, getLastDirectory(QFile::decodeName(kildeBytes(source))));
        QDir().mkpath(target);
        kopierMappeEx(kildeBytes(source), QFile::encodeName(target));
        if (eksistererMappe(source, target))
            FProgressBox->afkryds(i);
    }
    for (const QString& source : PasteFiler) {
        QByteArray maal = QFile::encodeName(stiMed(ConstDest, QFileInfo(source).fileName()));
        bool erstat = false;
        const Udfald udfald = bestemMaal(maal, erstat) ? kopierFilEx(kildeBytes(source), maal, erstat) : Udfald::Udeladt;
        saetBjaelke(FProgressBox->pBarAll, progressInfo(getFilensSize(source)));
        if (udfald != Udfald::Udeladt)
            eksistererFilen(source, QFile::decodeName(maal), udfald == Udfald::Kopieret);
        if (ikkePastede > 0)
            FProgressBox->infoLabel->setText(
                ikkePastede == 1 ? QStringLiteral("1 fil blev ikke overskrevet.")
                                 : QStringLiteral("%1 filer blev ikke overskrevede.").arg(heltal(ikkePastede)));
    }
    visFremgang();
}

bool TPasteCompo::sletMappe(const QString& aMappe)
{
    const auto behold = [this](const QByteArray& sti) { return !ankommet.contains(sti); };
    const auto slettet = [this](qint64 bytes) {
        posSize += bytes;
        --antalFiler;
        saetBjaelke(DeleteBox()->proBar, progressInfoDel());
        behandlBeskeder();
    };
    return platform::sletTrae(kildeBytes(aMappe), behold, slettet, platform::VedFejl::Fortsaet) == 0;
}
