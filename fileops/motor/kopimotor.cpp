#include "fileops/motor/kopimotor.h"

#include "core/kopijournal.h"
#include "core/pathhelpers.h"
#include "platform/fejlaarsag.h"
#include "platform/filecopy.h"
#include "platform/filedelete.h"
#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

void Kopimotor::nyOperation(const Opgave& opgave)
{
    Filoperation::nulstil();
    metode = opgave.metode;
    ikkePastede = 0;
    ikkeKopierede = 0;
    huskAnkomne = false;
    ankommet.clear();
    talt = false;
    paabegyndt = false;
    sletningFejlede = false;
    ikkeAnkomne.clear();
    andetDrev = false;
    afvisAlle = false;
    alleValgt = false;
}

bool Kopimotor::klar(const Opgave& opgave, bool flyt)
{
    if (opgave.dest.isEmpty())
        return false;
    paabegyndt = opgave.spm != SpoergAltid || spoergsmaal.bekraeftKopi(opgave.dest, flyt, opgave.filer, opgave.mapper);
    return paabegyndt;
}

bool Kopimotor::fuldfoert() const
{
    return paabegyndt && !stoppet() && ikkeKopierede == 0 && ikkeAnkomne.isEmpty() && !sletningFejlede;
}

QString Kopimotor::resultat() const
{
    if (stoppet())
        return QStringLiteral("ukendt antal bytes, da kopieringsfunktionen blev afbrudt.");
    if (!talt)
        return {};
    return heltal(optaltFiler) + (optaltFiler == 1 ? QStringLiteral(" fil: ") : QStringLiteral(" filer: "))
        + cifferStoerrelse(optaltBytes);
}

void Kopimotor::optael(const Opgave& opgave)
{
    tal = {};
    tal.antalMapper = int(opgave.mapper.size());
    fremgang.optaellingBegynder(Filfremgang::Fase::Kopiering, opgave.mapper, opgave.dest);
    MappeOptaelling optaelling;
    optaelling.mapper = tal.antalMapper;
    optaelling.nyMappe = [this](qint64 mapper) { fremgang.mapperOptalt(mapper); };
    for (const QString& mappe : opgave.mapper)
        if (!erMappe(kildeBytes(mappe)) || !getMappeInfo(mappe, optaelling))
            sig(findesIkke(QStringLiteral("Mappen"), mappe));
    tal.antalMapper = int(optaelling.mapper);
    tal.antalFiler = int(optaelling.filer);
    tal.totalSize = optaelling.bytes;
    for (const QString& fil : opgave.filer) {
        tal.totalSize += getFilensSize(fil);
        ++tal.antalFiler;
    }
    talt = true;
    optaltFiler = tal.antalFiler;
    optaltBytes = tal.totalSize;
    fremgang.optaellingSlut(Filfremgang::Fase::Kopiering);
}

int Kopimotor::kopiFremgang(qint64 stoerrelse)
{
    tal.posSize += stoerrelse;
    --tal.antalFiler;
    const int procent = tal.totalSize <= 0 ? 100 : int(tal.posSize * 100 / tal.totalSize);
    fremgang.samletProcent(Filfremgang::Fase::Kopiering, procent);
    fremgang.mellemrum();
    return procent;
}

bool Kopimotor::kopier(Opgave& opgave)
{
    nyOperation(opgave);
    if (!klar(opgave, false))
        return false;
    optael(opgave);
    fremgang.faseBegynder(Filfremgang::Fase::Kopiering);
    kopierListerne(opgave);
    fremgang.faseSlut(Filfremgang::Fase::Kopiering);
    return fuldfoert();
}

bool Kopimotor::kopierFraLister(const Opgave& opgave)
{
    optael(opgave);
    fremgang.faseBegynder(Filfremgang::Fase::Kopiering);
    huskAnkomne = true;
    kopierListerne(opgave);
    fremgang.faseSlut(Filfremgang::Fase::Kopiering);
    return ikkePastede == 0 && ikkeKopierede == 0;
}

bool Kopimotor::bestemMaal(QByteArray& maal, bool& erstat)
{
    erstat = metode == Overskriv;
    // "Overskriv ikke" needs no look: the copy is made exclusively and leaves an existing target be.
    if (metode == Overskriv || metode == OverskrivIkke)
        return true;
    struct stat st;
    const bool findes = ::lstat(maal.constData(), &st) == 0;
    if (metode == OpretKopi) {
        const QString navn = QFile::decodeName(maal);
        // A name the text form cannot hold keeps its bytes unless it is taken.
        if (findes || QFile::encodeName(navn) == maal)
            maal = QFile::encodeName(getNewFilnavn(navn, QStringLiteral("Kopi")));
        return true;
    }
    if (!findes)
        return true;
    const Filspoergsmaal::Konfliktsvar svar = spoergsmaal.konflikt(QFile::decodeName(maal));
    metode = svar.metode;
    if (metode != Spoerg)
        return bestemMaal(maal, erstat);
    erstat = svar.overskriv;
    if (!svar.overskriv)
        ++ikkePastede;
    return svar.overskriv;
}

Kopimotor::Kopiudfald Kopimotor::kopierFil(const QByteArray& source, const QByteArray& target, bool erstat, qint64* stoerrelse,
                                           bool skjult)
{
    if (stoppet()) {
        ++ikkeKopierede;
        return Kopiudfald::IkkeKopieret;
    }
    const auto filFremgang = [this, stoerrelse](qint64 kopieret, qint64 total) {
        if (stoerrelse)
            *stoerrelse = total;
        fremgang.filProcent(total > 0 ? int((kopieret * 100 + total / 2) / total) : 100);
        fremgang.mellemrum();
        return !stoppet();
    };
    int fejl = 0;
    const platform::KopiResultat resultat = platform::kopierFil(source, target, erstat, filFremgang, &fejl, skjult);
    if (resultat == platform::KopiResultat::Kopieret)
        return Kopiudfald::Kopieret;
    if (resultat == platform::KopiResultat::Fejl && fejl == EEXIST && !erstat) {
        ++ikkePastede;
        return Kopiudfald::Udeladt;
    }
    sidsteFejl = resultat == platform::KopiResultat::IkkeKopieret ? platform::SaerligFil
        : fejl == ENOENT                                         ? ikkeFundet(QFile::decodeName(source))
                                                                 : fejl;
    ++ikkeKopierede;
    return Kopiudfald::IkkeKopieret;
}

namespace {

// "." or "..", which a folder listing gives besides its entries.
bool punktnavn(const char* navn) { return navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)); }

// True for a folder with anything in it.
bool harIndhold(const QByteArray& sti)
{
    DIR* dir = ::opendir(sti.constData());
    if (!dir)
        return false;
    bool noget = false;
    while (const dirent* entry = ::readdir(dir))
        if (!punktnavn(entry->d_name)) {
            noget = true;
            break;
        }
    ::closedir(dir);
    return noget;
}

}  // namespace

void Kopimotor::husk(const QByteArray& source, const QByteArray& kopi)
{
    if (huskAnkomne)
        ankommet.insert(source, kopi);
}

int Kopimotor::kopierTilMappe(const QByteArray& source, const QByteArray& target, const QByteArray& endelig, bool iSkjult,
                              bool& helt)
{
    helt = false;
    struct stat st;
    if (::lstat(target.constData(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            return ENOTDIR;
        helt = kopierMappe(source, target, endelig, iSkjult);
        return 0;
    }
    struct stat kildeStat;
    if (::lstat(source.constData(), &kildeStat) != 0)
        return errno;
    const QByteArray lav = iSkjult ? target : platform::midlertidigtNavn(target);
    if (::mkdir(lav.constData(), 0700) != 0)
        return errno;
    helt = kopierMappe(source, lav, endelig, true);
    platform::saetMappeEgenskaber(lav, kildeStat);
    if (iSkjult || platform::renameNoReplace(lav, target))
        return 0;
    // The copies stay under the hidden name and are reported; nothing of the source counts as
    // arrived, so a move deletes none of it.
    const int fejl = errno;
    helt = false;
    ankommet.removeIf([&source](QHash<QByteArray, QByteArray>::iterator it) {
        return it.key() == source || it.key().startsWith(source + '/');
    });
    return fejl;
}

bool Kopimotor::kopierMappe(const QByteArray& source, const QByteArray& target, const QByteArray& endelig, bool skjult)
{
    tal.aktuel = QFile::decodeName(source);
    DIR* dir = ::opendir(source.constData());
    if (!dir) {
        ++ikkeKopierede;
        sig(QStringLiteral("Mappen\r") + QFile::decodeName(source) + u'\r'
            + (errno == ENOENT ? QStringLiteral("eksisterer ikke.")
                               : QStringLiteral("kunne ikke læses. ") + platform::fejlaarsag(errno)));
        return false;
    }
    struct Indgang {
        QByteArray navn;
        bool mappe;
    };
    std::vector<Indgang> indgange;
    while (const dirent* entry = ::readdir(dir)) {
        const char* navn = entry->d_name;
        if (punktnavn(navn))
            continue;
        bool mappe = entry->d_type == DT_DIR;
        struct stat st;
        if (entry->d_type == DT_UNKNOWN && ::fstatat(::dirfd(dir), navn, &st, AT_SYMLINK_NOFOLLOW) == 0)
            mappe = S_ISDIR(st.st_mode);
        indgange.push_back({QByteArray(navn), mappe});
    }
    ::closedir(dir);
    bool helt = true;
    for (const Indgang& indgang : indgange) {
        if (stoppet())
            return false;
        const QByteArray kilde = source + '/' + indgang.navn;
        QByteArray maal = target + '/' + indgang.navn;
        if (indgang.mappe) {
            bool delHelt = false;
            if (const int fejl = kopierTilMappe(kilde, maal, endelig + '/' + indgang.navn, skjult, delHelt)) {
                ++ikkeKopierede;
                ikkeAnkomne.append({QFile::decodeName(kilde), fejl});
            }
            helt = delHelt && helt;
            continue;
        }
        bool erstat = false;
        // The copy tells the size; a file left out or not copied is looked at for it.
        qint64 stoerrelse = -1;
        Kopiudfald udfald = Kopiudfald::Udeladt;
        if (bestemMaal(maal, erstat))
            udfald = kopierFil(kilde, maal, erstat, &stoerrelse, skjult);
        if (udfald == Kopiudfald::Kopieret)
            husk(kilde, endelig + maal.mid(target.size()));
        else
            helt = false;
        if (udfald == Kopiudfald::IkkeKopieret && !stoppet())
            ikkeAnkomne.append({QFile::decodeName(kilde), sidsteFejl});
        struct stat st;
        if (stoerrelse < 0)
            stoerrelse = ::lstat(kilde.constData(), &st) == 0 ? st.st_size : 0;
        kopiFremgang(stoerrelse);
    }
    if (helt)
        husk(source, endelig);
    return helt;
}

void Kopimotor::sigIkkeAnkomne(const QList<IkkeAnkommet>& elementer)
{
    if (elementer.isEmpty())
        return;
    constexpr int vist = 20;
    QStringList linjer{QStringLiteral("Følgende elementer blev ikke kopieret:")};
    for (const IkkeAnkommet& element : elementer.mid(0, vist))
        linjer << element.sti + QStringLiteral(": ") + platform::fejlaarsag(element.fejl);
    if (elementer.size() > vist)
        linjer << QStringLiteral("og %1 flere").arg(elementer.size() - vist);
    sig(linjer.join(u'\r'));
}

bool Kopimotor::eksistererFilen(const QString& source, const QString& target, bool kopieret)
{
    if (kopieret && platform::entryExists(target))
        return true;
    const QString aarsag = stoppet() ? QStringLiteral("Kopieringen blev standset.") : platform::fejlaarsag(sidsteFejl);
    sig(QStringLiteral("Der opstod en fejl. Filen: \r") + source + u'\r' + QStringLiteral("blev ikke kopieret til: ") + u'\r'
        + target + u'\r' + aarsag);
    return false;
}

bool Kopimotor::eksistererMappe(const QString& source, const QString& target, int fejl)
{
    if (!fejl && erMappe(QFile::encodeName(target)))
        return true;
    sig(QStringLiteral("Der opstod en fejl, der afbrød processen. Mappen: \r") + source + u'\r'
        + QStringLiteral("blev ikke kopieret til: ") + u'\r' + target + u'\r' + platform::fejlaarsag(fejl ? fejl : ENOENT));
    return false;
}

bool Kopimotor::destinationIKilden(const QString& source, const QString& destination)
{
    const QString kilde = QFileInfo(source).canonicalFilePath();
    const QString dest = QFileInfo(destination).canonicalFilePath();
    if (kilde.isEmpty() || dest.isEmpty() || (dest != kilde && !dest.startsWith(delimKon(kilde))))
        return false;
    sig(QStringLiteral("Mappen\r") + source + u'\r'
        + QStringLiteral("kan ikke kopieres eller flyttes ind i sig selv, da destinationen ligger i den."));
    return true;
}

void Kopimotor::kopierListerne(const Opgave& opgave)
{
    if (!journal.isEmpty())
        kopijournal::skriv(journal, {opgave.dest, opgave.mapper + opgave.filer, qint64(::getpid())});
    for (int i = 0; i < opgave.mapper.size(); ++i) {
        const QString& source = opgave.mapper[i];
        if (destinationIKilden(source, opgave.dest))
            continue;
        if (!erMappe(kildeBytes(source))) {
            sig(findesIkke(QStringLiteral("Mappen"), source));
            continue;
        }
        const QString target = stiMed(opgave.dest, getLastDirectory(QFile::decodeName(kildeBytes(source))));
        bool helt = false;
        const int fejl = kopierTilMappe(kildeBytes(source), QFile::encodeName(target), QFile::encodeName(target), false, helt);
        if (fejl)
            ++ikkeKopierede;
        if (eksistererMappe(source, target, fejl))
            fremgang.mappeFaerdig(Filfremgang::Fase::Kopiering, i);
    }
    for (const QString& source : opgave.filer) {
        tal.aktuel = source;
        QByteArray maal = QFile::encodeName(stiMed(opgave.dest, QFileInfo(source).fileName()));
        bool erstat = false;
        const Kopiudfald udfald = bestemMaal(maal, erstat) ? kopierFil(kildeBytes(source), maal, erstat) : Kopiudfald::Udeladt;
        if (udfald == Kopiudfald::Kopieret)
            husk(kildeBytes(source), maal);
        kopiFremgang(getFilensSize(source));
        if (udfald != Kopiudfald::Udeladt)
            eksistererFilen(source, QFile::decodeName(maal), udfald == Kopiudfald::Kopieret);
        if (ikkePastede > 0)
            fremgang.ikkeOverskrevne(ikkePastede);
    }
    if (!journal.isEmpty())
        kopijournal::fjern(journal);
    sigIkkeAnkomne(ikkeAnkomne);
}

bool Kopimotor::sletFraLister(const Opgave& opgave)
{
    // Nothing is deleted before the copies are safe on disk.
    if (const int fejl = platform::skrivTilDisk(opgave.dest)) {
        sletningFejlede = true;
        sig(QStringLiteral("Kopierne kunne ikke skrives sikkert til drevet, så intet blev slettet ved flytningen: ")
            + platform::fejlaarsag(fejl));
        return false;
    }
    optaelSletning(opgave.mapper, opgave.filer, QStringLiteral("Sletningen er permanent"));
    fremgang.faseBegynder(Filfremgang::Fase::Sletning);
    // Only what arrived is deleted: a file whose copy arrived whole, a folder whose copy arrived
    // with all it held, and each only while its copy still stands (another program may have
    // removed it since).
    QList<IkkeAnkommet> forsvundne;
    const auto behold = [this, &forsvundne](const QByteArray& sti) {
        if (!ankommet.contains(sti))
            return true;
        if (kopienStaar(sti))
            return false;
        // A folder that still holds what was kept is named by what it holds.
        if (!harIndhold(sti))
            forsvundne.append({QFile::decodeName(sti), platform::KopiForsvundet});
        return true;
    };
    const auto slettet = [this](qint64 bytes) {
        tal.posSize += bytes;
        --tal.antalFiler;
        fremgang.samletProcent(Filfremgang::Fase::Sletning, sletProcent());
        fremgang.mellemrum();
    };
    const bool alt = sletListerne(
        opgave.mapper, opgave.filer,
        [&](int, const QString& mappe) {
            if (platform::sletTrae(kildeBytes(mappe), behold, slettet, platform::VedFejl::Fortsaet) == 0)
                return Udfald::Slettet;
            sletningFejlede = true;
            return Udfald::Fejl;
        },
        [&](const QString& fil) {
            const qint64 stoerrelse = getFilensSize(fil);
            if (behold(kildeBytes(fil)))
                return Udfald::Fejl;
            if (::unlink(QFile::encodeName(fil).constData()) != 0) {
                sletningFejlede = true;
                return Udfald::Fejl;
            }
            --tal.antalFiler;
            tal.posSize += stoerrelse;
            return Udfald::Slettet;
        });
    fremgang.faseSlut(Filfremgang::Fase::Sletning);
    if (!forsvundne.isEmpty()) {
        sletningFejlede = true;
        sigIkkeAnkomne(forsvundne);
    }
    return alt;
}

bool Kopimotor::kopienStaar(const QByteArray& source) const
{
    const auto kopi = ankommet.constFind(source);
    struct stat kildeStat, kopiStat;
    if (kopi == ankommet.cend() || ::lstat(kopi->constData(), &kopiStat) != 0 || ::lstat(source.constData(), &kildeStat) != 0)
        return false;
    // A listed folder may be a link to one, whose copy is a folder.
    if (S_ISLNK(kildeStat.st_mode) && !S_ISLNK(kopiStat.st_mode) && ::stat(source.constData(), &kildeStat) != 0)
        return false;
    return (kildeStat.st_mode & S_IFMT) == (kopiStat.st_mode & S_IFMT)
        && (!S_ISREG(kildeStat.st_mode) || kildeStat.st_size == kopiStat.st_size);
}
