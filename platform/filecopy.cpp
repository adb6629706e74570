#include "platform/filecopy.h"

#include "platform/filesystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <stdio.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::function<int(const QString&, qint64)>& kopiFejl()
{
    static std::function<int(const QString&, qint64)> fejl;
    return fejl;
}

constexpr qint64 chunk = 8 * 1024 * 1024;

struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads and writes at most n bytes through a buffer kept for the thread; the bytes moved, or -1.
ssize_t leasOgSkriv(int in, int out, size_t n)
{
    thread_local std::vector<char> buffer(1024 * 1024);
    const ssize_t laest = ::read(in, buffer.data(), std::min(n, buffer.size()));
    for (ssize_t skrevet = 0; laest > 0 && skrevet < laest;) {
        const ssize_t w = ::write(out, buffer.data() + skrevet, size_t(laest - skrevet));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        skrevet += w;
    }
    return laest;
}

bool ikkeUnderstoettet(int fejl) { return fejl == EXDEV || fejl == ENOSYS || fejl == EINVAL || fejl == EOPNOTSUPP; }

// One file's content on its way: how the bytes are moved and how far the copy has come. The
// kernel copies within a file system (copy_file_range) and between file systems (sendfile); a
// plain read and write is the last way.
struct Indholdskopi {
    enum class Maade { Range, Sendfile, LaesSkriv };
    const QByteArray& kilde;
    int in;
    int out;
    qint64 total;
    const KopiFremgang& fremgang;
    Maade maade = Maade::Range;
    bool flyttet = false;  // bytes have been moved, so the way that moved them is the one
    qint64 position = 0;   // the offset reached in the file, holes counted as copied

    // Moves at most n bytes at the files' positions; the bytes moved, or -1.
    ssize_t flyt(size_t n)
    {
        if (maade == Maade::Range)
            return ::copy_file_range(in, nullptr, out, nullptr, n, 0);
        if (maade == Maade::Sendfile)
            return ::sendfile(out, in, nullptr, n);
        return leasOgSkriv(in, out, n);
    }

    // Copies from the files' positions up to slut, or to the end of the file when slut is
    // negative, and reports after every chunk; 0, or the errno of a failure, or -1 when stopped.
    // The file may end before slut.
    int kopierTil(qint64 slut)
    {
        while (slut < 0 || position < slut) {
            if (kopiFejl())
                if (const int fejl = kopiFejl()(QFile::decodeName(kilde), position))
                    return fejl;
            const ssize_t n = flyt(size_t(slut < 0 ? chunk : std::min(chunk, slut - position)));
            if (n < 0 && !flyttet && maade != Maade::LaesSkriv && ikkeUnderstoettet(errno)) {
                maade = maade == Maade::Range ? Maade::Sendfile : Maade::LaesSkriv;
                continue;
            }
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            if (n == 0)
                return 0;
            flyttet = true;
            position += n;
            if (!meld())
                return -1;
        }
        return 0;
    }

    // Reports how far the copy has come; false when it is to stop.
    bool meld() const { return !fremgang || fremgang(position, std::max(total, position)); }
};

// A file with fewer blocks than its length needs has holes; any other is copied straight through.
bool harHuller(const struct stat& st) { return qint64(st.st_blocks) * 512 < qint64(st.st_size); }

// A range of data in a file with holes; slut is negative when it runs to the end of the file.
struct Dataomraade {
    qint64 start;
    qint64 slut;
};

// The next range of data at or after fra; none when only a hole is left. A file system that
// cannot tell its holes gives all from fra as data.
std::optional<Dataomraade> naesteData(int fd, qint64 fra)
{
    const off_t start = ::lseek(fd, fra, SEEK_DATA);
    if (start < 0 && errno == ENXIO)
        return std::nullopt;
    if (start < 0)
        return Dataomraade{fra, -1};
    const off_t slut = ::lseek(fd, start, SEEK_HOLE);
    return Dataomraade{start, slut < 0 ? -1 : slut};
}

// Copies the data ranges of a file with holes and leaves the holes as holes: the copy is given
// the file's length at the end, so a hole at the end stays one too.
int kopierDataomraader(Indholdskopi& kopi)
{
    while (const std::optional<Dataomraade> data = naesteData(kopi.in, kopi.position)) {
        if (::lseek(kopi.in, data->start, SEEK_SET) < 0 || ::lseek(kopi.out, data->start, SEEK_SET) < 0)
            return errno;
        kopi.position = data->start;
        if (const int resultat = kopi.kopierTil(data->slut))
            return resultat;
        // The range ran to the end of the file, or the file ended within it.
        if (data->slut < 0 || kopi.position < data->slut)
            return 0;
    }
    const off_t laengde = ::lseek(kopi.in, 0, SEEK_END);
    if (laengde < 0)
        return errno;
    if (laengde <= kopi.position)
        return 0;
    if (::ftruncate(kopi.out, laengde) != 0)
        return errno;
    kopi.position = laengde;
    return kopi.meld() ? 0 : -1;
}

// Copies the content of in to out; 0, or the errno of a failure, or -1 when stopped.
int kopierIndhold(const QByteArray& kilde, int in, int out, const struct stat& st, const KopiFremgang& fremgang)
{
    Indholdskopi kopi{kilde, in, out, st.st_size, fremgang};
    if (!kopi.meld())
        return -1;
    return harHuller(st) ? kopierDataomraader(kopi) : kopi.kopierTil(-1);
}

// The process's file creation mask, read once without changing it.
mode_t skabelsesMaske()
{
    static const mode_t maske = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& linje : status.readAll().split('\n'))
                if (linje.startsWith("Umask:")) {
                    bool ok = false;
                    const uint vaerdi = linje.mid(6).trimmed().toUInt(&ok, 8);
                    if (ok)
                        return mode_t(vaerdi);
                }
        return mode_t(077);
    }();
    return maske;
}

}  // namespace

QByteArray midlertidigtNavn(const QByteArray& maal)
{
    const qsizetype slash = maal.lastIndexOf('/');
    return maal.left(slash + 1) + '.' + maal.mid(slash + 1).left(200)
        + QFile::encodeName(midlertidigtMaerke(QCoreApplication::applicationPid()));
}

QString midlertidigtMaerke(qint64 pid) { return QStringLiteral(".qvmkopi-") + QString::number(pid); }

void installKopiFejl(std::function<int(const QString& kilde, qint64 offset)> fejl) { kopiFejl() = std::move(fejl); }

void saetMappeEgenskaber(const QByteArray& maal, const struct stat& kilde)
{
    ::chmod(maal.constData(), kilde.st_mode & 07777);
    const timespec tider[2] = {kilde.st_atim, kilde.st_mtim};
    ::utimensat(AT_FDCWD, maal.constData(), tider, AT_SYMLINK_NOFOLLOW);
}

KopiResultat kopierFil(const QString& kilde, const QString& maal, bool erstat, const KopiFremgang& fremgang, int* errnoUd)
{
    return kopierFil(QFile::encodeName(kilde), QFile::encodeName(maal), erstat, fremgang, errnoUd);
}

KopiResultat kopierFil(const QByteArray& src, const QByteArray& dst, bool erstat, const KopiFremgang& fremgang, int* errnoUd,
                       bool iSkjultMappe)
{
    const auto fejl = [errnoUd](int kode) {
        if (errnoUd)
            *errnoUd = kode;
        return KopiResultat::Fejl;
    };
    struct stat st;
    if (::lstat(src.constData(), &st) != 0)
        return fejl(errno);
    if (S_ISLNK(st.st_mode)) {
        struct stat eksisterende;
        const bool findes = ::lstat(dst.constData(), &eksisterende) == 0;
        if (findes && !erstat)
            return fejl(EEXIST);
        std::vector<char> target(size_t(st.st_size) + 1 > 4096 ? size_t(st.st_size) + 1 : 4096);
        const ssize_t n = ::readlink(src.constData(), target.data(), target.size() - 1);
        if (n < 0)
            return fejl(errno);
        target[size_t(n)] = 0;
        // An existing target is replaced only by a link that stands already: made beside it under
        // a free name, then renamed over it, so a link that cannot be made leaves the target be.
        const QByteArray skrivTil = findes ? midlertidigtNavn(dst) : dst;
        if (findes)
            ::unlink(skrivTil.constData());
        if (::symlink(target.data(), skrivTil.constData()) != 0)
            return fejl(errno);
        if (findes && ::rename(skrivTil.constData(), dst.constData()) != 0) {
            const int kode = errno;
            ::unlink(skrivTil.constData());
            return fejl(kode);
        }
        if (fremgang)
            fremgang(st.st_size, st.st_size);
        return KopiResultat::Kopieret;
    }
    if (!S_ISREG(st.st_mode))
        return KopiResultat::IkkeKopieret;

    Fd in;
    in.fd = ::open(src.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (in.fd < 0)
        return fejl(errno);
    // A file stands under its final name only when it is whole: it is written under a hidden name
    // beside the target and renamed into place when complete. A new target never replaces an
    // entry that appeared meanwhile; an existing one is replaced only when erstat is set.
    struct stat eksisterende;
    const bool findes = ::lstat(dst.constData(), &eksisterende) == 0;
    if (findes && !erstat)
        return fejl(EEXIST);
    // Made with the source's permissions, which the creation mask may narrow but never widen.
    const mode_t tilladelser = st.st_mode & 0777;
    Fd out;
    // A new file is written without a name in the target's folder and linked under its name only
    // when whole (a name that appeared meanwhile is never replaced, and a killed copy leaves
    // nothing). Where the file system cannot do that, and for a target that is replaced, the copy
    // is written under a hidden name beside the target and renamed into place.
    QByteArray skrivTil;
    bool iStedet = false;
    // An unnamed file is linked through its descriptor's path in /proc, unless the process may
    // link descriptors directly.
    static const bool kanLinke = ::geteuid() == 0 || ::access("/proc/self/fd", F_OK) == 0;
    if (!findes && iSkjultMappe) {
        out.fd = ::open(dst.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tilladelser);
        if (out.fd < 0)
            return fejl(errno);
        iStedet = true;
    } else if (!findes && kanLinke) {
        const qsizetype slash = dst.lastIndexOf('/');
        const QByteArray mappe = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : dst.left(slash);
        out.fd = ::open(mappe.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, tilladelser);
        if (out.fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return fejl(errno);
    }
    if (out.fd < 0) {
        skrivTil = midlertidigtNavn(dst);
        out.fd = ::open(skrivTil.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tilladelser);
        // A name left by an earlier process of the same number.
        if (out.fd < 0 && errno == EEXIST && ::unlink(skrivTil.constData()) == 0)
            out.fd = ::open(skrivTil.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tilladelser);
        if (out.fd < 0)
            return fejl(errno);
    }
    int resultat = kopierIndhold(src, in.fd, out.fd, st, fremgang);
    if (resultat == 0) {
        const timespec tider[2] = {st.st_atim, st.st_mtim};
        if ((st.st_mode & 07777) != (tilladelser & ~skabelsesMaske()))
            ::fchmod(out.fd, st.st_mode & 07777);
        ::futimens(out.fd, tider);
        if (skrivTil.isEmpty() && !iStedet && ::linkat(out.fd, "", AT_FDCWD, dst.constData(), AT_EMPTY_PATH) != 0) {
            // Without the right to link a descriptor directly, through its path in /proc.
            const QByteArray uden = "/proc/self/fd/" + QByteArray::number(out.fd);
            if (errno != ENOENT || ::linkat(AT_FDCWD, uden.constData(), AT_FDCWD, dst.constData(), AT_SYMLINK_FOLLOW) != 0)
                resultat = errno;
        }
    }
    const bool lukket = ::close(out.fd) == 0;
    const int lukkeFejl = errno;
    out.fd = -1;
    if (resultat != 0 || !lukket) {
        // What was written goes again: under its temporary name, or under its own name.
        if (!skrivTil.isEmpty())
            ::unlink(skrivTil.constData());
        else if (resultat == 0 || iStedet)
            ::unlink(dst.constData());
        if (resultat == -1)
            return KopiResultat::Stoppet;
        return fejl(resultat != 0 ? resultat : lukkeFejl);
    }
    if (skrivTil.isEmpty())
        return KopiResultat::Kopieret;
    const bool paaPlads = findes ? ::rename(skrivTil.constData(), dst.constData()) == 0 : renameNoReplace(skrivTil, dst);
    if (!paaPlads) {
        const int kode = errno;
        ::unlink(skrivTil.constData());
        return fejl(kode);
    }
    return KopiResultat::Kopieret;
}

int kopierTrae(const QByteArray& kilde, const QByteArray& maal)
{
    struct stat st;
    if (::lstat(kilde.constData(), &st) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode)) {
        int fejl = 0;
        const KopiResultat resultat = kopierFil(kilde, maal, false, {}, &fejl);
        return resultat == KopiResultat::Kopieret ? 0 : resultat == KopiResultat::IkkeKopieret ? EOPNOTSUPP : fejl;
    }
    if (::mkdir(maal.constData(), 0700) != 0)
        return errno;
    DIR* dir = ::opendir(kilde.constData());
    if (!dir)
        return errno;
    int fejl = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* navn = entry->d_name;
        if (navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)))
            continue;
        if ((fejl = kopierTrae(kilde + '/' + navn, maal + '/' + navn)))
            break;
    }
    ::closedir(dir);
    saetMappeEgenskaber(maal, st);
    return fejl;
}

}  // namespace platform
