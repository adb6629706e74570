// The move: within one file system by renaming, to another by copying and then deleting.
#include "fileops/motor/kopimotor.h"

#include "core/pathhelpers.h"
#include "platform/fejlaarsag.h"
#include "platform/filedelete.h"
#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace {

bool sammeIndgang(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return ::lstat(QFile::encodeName(a).constData(), &sa) == 0 && ::lstat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

bool Kopimotor::flyt(Opgave& opgave)
{
    nyOperation(opgave);
    if (!klar(opgave, true))
        return false;
    optael(opgave);
    if (!flytPaaSammeDrev(opgave.mapper, true, opgave.dest) || !flytPaaSammeDrev(opgave.filer, false, opgave.dest)) {
        sig(QStringLiteral("Der opstod en ukendt fejl.\r") + tal.aktuel + QStringLiteral(": ") + platform::fejlaarsag(flytFejl));
        return false;
    }
    if (andetDrev) {
        if (!kopierFraLister(opgave))
            sig(QStringLiteral("Der var mapper eller filer, der ikke blev kopierede til destinationen."));
        // Sources left behind make the move unfinished, whatever kept them.
        if (!sletFraLister(opgave)) {
            sletningFejlede = true;
            sig(QStringLiteral("Der var mapper eller filer, der ikke blev slettede."));
        }
    }
    if (ikkePastede > 0)
        sig(QString::number(ikkePastede)
            + (ikkePastede == 1 ? QStringLiteral(" element blev ikke flyttede på grund af den valgte indstilling \"Overskriv ikke\".")
                                : QStringLiteral(" elementer blev ikke flyttede på grund af den valgte indstilling \"Overskriv ikke\".")));
    return fuldfoert();
}

bool Kopimotor::paaSammeDrev(const QString& source, const QString& dest) const
{
    struct stat kilde, destination;
    return ::lstat(QFile::encodeName(source).constData(), &kilde) != 0
        || (::stat(QFile::encodeName(dest).constData(), &destination) == 0 && kilde.st_dev == destination.st_dev);
}

bool Kopimotor::flytPaaSammeDrev(QStringList& liste, bool mapper, const QString& dest)
{
    // The clipboard shows the last entry first, so the move takes them in that order.
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        if (!paaSammeDrev(liste[i], dest)) {
            andetDrev = true;
            continue;
        }
        tal.aktuel = liste[i];
        if (!flytElement(liste[i], mapper, dest)) {
            flytFejl = errno;
            // Another mount of the same file system cannot be renamed into: the element is copied
            // and deleted as on another drive.
            if (flytFejl == EXDEV) {
                andetDrev = true;
                continue;
            }
            return false;
        }
        liste.removeAt(i);
    }
    return true;
}

int Kopimotor::metodeFor(const QString& target)
{
    if (metode != Spoerg)
        return metode;
    const Filspoergsmaal::Konfliktsvar svar = spoergsmaal.konflikt(target);
    metode = svar.metode;
    if (metode != Spoerg)
        return metode;
    return svar.overskriv ? Overskriv : OverskrivIkke;
}

bool Kopimotor::maaMappeErstattes(const QString& source, const QString& target)
{
    if (afvisAlle)
        return false;
    if (!alleValgt) {
        const Beskeder::Svar svar = spoergsmaal.spoergOmAlle(
            QStringLiteral("Der eksisterer allerede en mappe med navnet:\r") + target + u'\r'
            + QStringLiteral("Må denne mappe slettes og erstattes af den nye mappe?"));
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

bool Kopimotor::erstat(const QString& source, const QString& target)
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

bool Kopimotor::flytElement(const QString& source, bool mappe, const QString& dest)
{
    if (!platform::entryExists(source)) {
        sig(findesIkke(mappe ? QStringLiteral("Mappen") : QStringLiteral("Filen"), source));
        return true;
    }
    if (mappe && destinationIKilden(source, dest))
        return true;
    const QString target = stiMed(dest, getLastDirectory(QFile::decodeName(kildeBytes(source))));
    if (sammeIndgang(source, target))
        return true;
    const bool findes = platform::entryExists(target);
    // A folder declined for all is not moved, even where no folder of its name stands.
    if (mappe && !findes && metode == Overskriv && afvisAlle)
        return true;
    if (!findes)
        return platform::renameNoReplace(source, target);
    switch (metodeFor(target)) {
    case OverskrivIkke:
        ++ikkePastede;
        return true;
    case OpretKopi:
        return platform::renameNoReplace(source, mappe ? getNewDirectoryName(target, QStringLiteral("Kopi"))
                                                       : getNewFilnavn(target, QStringLiteral("Kopi")));
    default:
        return (mappe && !maaMappeErstattes(source, target)) || erstat(source, target);
    }
}
