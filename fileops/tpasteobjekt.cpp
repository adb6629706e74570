#include "fileops/tpasteobjekt.h"

#include "boxes/tspform.h"
#include "core/stoerrelser.h"
#include "fileops/tdeleteform.h"
#include "fileops/tkopieringsform.h"
#include "fileops/tprogressform.h"
#include "platform/filedelete.h"
#include "platform/filesystem.h"
#include "core/beskeder.h"
#include "core/pathhelpers.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sammeIndgang(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return ::lstat(QFile::encodeName(a).constData(), &sa) == 0 && ::lstat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Writes everything of the file system that holds mappe to disk; false when that failed.
bool skrivTilDisk(const QString& mappe)
{
    const int fd = ::open(QFile::encodeName(mappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
}

QString eksistererIkke(const QString& art, const QString& sti)
{
    return art + u'\r' + sti + u'\r' + QStringLiteral("eksisterer ikke.");
}

}  // namespace

bool TPasteObjekt::klarTilPaste(bool flyt)
{
    if (onLoadLister)
        onLoadLister();
    if (ConstDest.isEmpty()) {
        if (onPasteElements)
            onPasteElements(false);
        return false;
    }
    if (IntSpm != SpoergAltid)
        return true;
    const bool ja = SpmCopyBox()->skalElementerKopieres(ConstDest, flyt, PasteFiler, PasteMapper);
    if (onPasteElements)
        onPasteElements(ja);
    return ja;
}

bool TPasteObjekt::PasteElementer()
{
    nyOperation();
    if (!klarTilPaste(false))
        return false;
    sizeOfElementer(ConstDest);
    ProgressBox()->show();
    QCoreApplication::processEvents();
    kopierListerne();
    if (CloseBoxAfter)
        ProgressBox()->close();
    return true;
}

bool TPasteObjekt::paaSammeDrev(const QString& source) const
{
    struct stat kilde, dest;
    return ::lstat(QFile::encodeName(source).constData(), &kilde) != 0
        || (::stat(QFile::encodeName(ConstDest).constData(), &dest) == 0 && kilde.st_dev == dest.st_dev);
}

bool TPasteObjekt::PasteCutElementer()
{
    nyOperation();
    andetDrev = false;
    afvisAlle = false;
    alleValgt = false;
    SpmBox()->alleCheck()->setChecked(false);
    if (!klarTilPaste(true))
        return false;
    sizeOfElementer(ConstDest);
    if (!flytPaaSammeDrev(PasteMapper, &TPasteObjekt::flytMappe) || !flytPaaSammeDrev(PasteFiler, &TPasteObjekt::flytFil)) {
        sig(QStringLiteral("Der opstod en ukendt fejl."));
        return false;
    }
    if (andetDrev) {
        if (!KopierFraLister())
            sig(QStringLiteral("Der var mapper eller filer, der ikke blev kopierede til destinationen."));
        if (!DeleteFraLister())
            sig(QStringLiteral("Der var mapper eller filer, der ikke blev slettede."));
    }
    if (ikkePastede > 0)
        sig(QString::number(ikkePastede)
            + (ikkePastede == 1 ? QStringLiteral(" element blev ikke flyttede på grund af den valgte indstilling \"Overskriv ikke\".")
                                : QStringLiteral(" elementer blev ikke flyttede på grund af den valgte indstilling \"Overskriv ikke\".")));
    return true;
}

bool TPasteObjekt::flytPaaSammeDrev(QStringList& liste, bool (TPasteObjekt::*flyt)(const QString&))
{
    // The clipboard shows the last entry first, so the move takes them in that order.
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        if (!paaSammeDrev(liste[i])) {
            andetDrev = true;
            continue;
        }
        if (!(this->*flyt)(liste[i]))
            return false;
        liste.removeAt(i);
    }
    return true;
}

int TPasteObjekt::metodeFor(const QString& target)
{
    if (IntPasteMetode != Spoerg)
        return IntPasteMetode;
    bool overskriv = false;
    IntPasteMetode = askUser(target, overskriv);
    if (IntPasteMetode != Spoerg)
        return IntPasteMetode;
    return overskriv ? Overskriv : OverskrivIkke;
}

bool TPasteObjekt::maaMappeErstattes(const QString& source, const QString& target)
{
    if (afvisAlle)
        return false;
    if (!alleValgt) {
        const Beskeder::Svar svar = beskeder().spoerg(
            QStringLiteral("Der eksisterer allerede en mappe med navnet:\r") + target + u'\r'
                + QStringLiteral("Må denne mappe slettes og erstattes af den nye mappe?"),
            Beskeder::AlleCheck::Vis);
        alleValgt = svar.alle;
        if (!svar.ja) {
            afvisAlle = svar.alle;
            return false;
        }
    }
    if (source.startsWith(delimKon(target))) {
        sig(QStringLiteral("Mappen\r") + target + u'\r'
            + QStringLiteral("kan ikke erstattes af en mappe, som den selv indeholder."));
        return false;
    }
    return true;
}

bool TPasteObjekt::erstat(const QString& source, const QString& target)
{
    struct stat st;
    if (::lstat(QFile::encodeName(target).constData(), &st) == 0 && !S_ISDIR(st.st_mode)) {
        if (::lstat(QFile::encodeName(source).constData(), &st) == 0 && !S_ISDIR(st.st_mode))
            return ::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
    }
    const QString til = getNewFilnavn(QFileInfo(target).path() + QStringLiteral("/.") + QFileInfo(target).fileName(),
                                      QStringLiteral("erstattes"));
    if (!platform::renameNoReplace(target, til))
        return false;
    if (!platform::renameNoReplace(source, target)) {
        platform::renameNoReplace(til, target);
        return false;
    }
    platform::sletTrae(QFile::encodeName(til));
    return true;
}

bool TPasteObjekt::flytMappe(const QString& source)
{
    if (!platform::entryExists(source)) {
        sig(eksistererIkke(QStringLiteral("Mappen"), source));
        return true;
    }
    if (destinationIKilden(source))
        return true;
    QString target = stiMed(ConstDest, getLastDirectory(QFile::decodeName(kildeBytes(source))));
    if (sammeIndgang(source, target))
        return true;
    const bool findes = platform::entryExists(target);
    if (!findes && IntPasteMetode == Overskriv && afvisAlle)
        return true;
    if (!findes)
        return platform::renameNoReplace(source, target);
    switch (metodeFor(target)) {
    case OverskrivIkke:
        ++ikkePastede;
        return true;
    case OpretKopi:
        return platform::renameNoReplace(source, getNewDirectoryName(target, QStringLiteral("Kopi")));
    default:
        return !maaMappeErstattes(source, target) || erstat(source, target);
    }
}

bool TPasteObjekt::flytFil(const QString& source)
{
    if (!platform::entryExists(source)) {
        sig(eksistererIkke(QStringLiteral("Filen"), source));
        return true;
    }
    const QString target = stiMed(ConstDest, QFileInfo(source).fileName());
    if (sammeIndgang(source, target))
        return true;
    if (!platform::entryExists(target))
        return platform::renameNoReplace(source, target);
    switch (metodeFor(target)) {
    case OverskrivIkke:
        ++ikkePastede;
        return true;
    case OpretKopi:
        return platform::renameNoReplace(source, getNewFilnavn(target, QStringLiteral("Kopi")));
    default:
        return erstat(source, target);
    }
}

bool TPasteObjekt::KopierFraLister()
{
    sizeOfElementer(ConstDest);
    ProgressBox()->show();
    QCoreApplication::processEvents();
    huskAnkomne = true;
    kopierListerne();
    if (CloseBoxAfter)
        ProgressBox()->close();
    return ikkePastede == 0 && ikkeKopierede == 0;
}

bool TPasteObjekt::DeleteFraLister()
{
    // Nothing is deleted before the copies are safe on disk.
    if (!skrivTilDisk(ConstDest))
        return false;
    sizeOfDelElementer(PasteMapper, PasteFiler, QStringLiteral("Sletningen er permanent"));
    Tdeleteform& box = *DeleteBox();
    box.show();
    QCoreApplication::processEvents();
    bool alt = true;
    for (int i = 0; i < PasteMapper.size(); ++i) {
        const QString& mappe = PasteMapper[i];
        if (!platform::entryExists(mappe))
            continue;
        alt = sletMappe(mappe) && alt;
        if (platform::entryExists(mappe))
            alt = false;
        else
            box.afkryds(i);
        saetBjaelke(box.proBar, progressInfoDel());
    }
    for (const QString& fil : PasteFiler) {
        const qint64 stoerrelse = getFilensSize(fil);
        if (!ankommet.contains(kildeBytes(fil)) || ::unlink(QFile::encodeName(fil).constData()) != 0) {
            alt = false;
            continue;
        }
        --antalFiler;
        posSize += stoerrelse;
        saetBjaelke(box.proBar, progressInfoDel());
        behandlBeskeder();
    }
    visFremgang();
    if (CloseBoxAfter)
        box.close();
    return alt;
}

QString TPasteObjekt::getResult() const
{
    if (ProgressBox()->FCancel)
        return QStringLiteral("ukendt antal bytes, da kopieringsfunktionen blev afbrudt.");
    return ProgressBox()->LabelInfo->text().mid(13);
}
