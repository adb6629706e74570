#pragma once

#include <QString>
#include <functional>

struct stat;

namespace platform {

enum class KopiResultat {
    Kopieret,      // the target holds the whole copy
    Stoppet,       // the user stopped it; no partial target remains
    Fejl,          // it failed; no partial target remains, an existing target is as it was
    IkkeKopieret,  // a FIFO, socket or device: never opened, not copied
};

// Called before the first chunk and after every chunk with the bytes copied so far (a skipped hole
// counts as copied) and the file's size (a link's size is that of its target text); false stops
// the copy.
using KopiFremgang = std::function<bool(qint64 kopieret, qint64 total)>;

// Copies one file. A regular file is copied in chunks (copy_file_range, else read and write), its
// holes left as holes, and gets the source's mode and modification time; it is written under a
// hidden temporary name beside the target (removed again when the copy fails or stops) and renamed
// into place when whole, so a file under its final name is always complete. A new target never
// replaces an entry there; an existing target is replaced only when erstat is set. A link is
// copied as a link. errnoUd receives the system's error code of a failure.
KopiResultat kopierFil(const QString& kilde, const QString& maal, bool erstat, const KopiFremgang& fremgang,
                       int* errnoUd = nullptr);
// The same for paths as the file system's bytes, which need not be valid UTF-8. iSkjultMappe
// tells that the target's folder is not visible under its final name yet: a new file is then
// written under its name at once, as nothing can see it before it is whole.
KopiResultat kopierFil(const QByteArray& kilde, const QByteArray& maal, bool erstat, const KopiFremgang& fremgang,
                       int* errnoUd = nullptr, bool iSkjultMappe = false);

// Copies path (a file, a link or a folder with all it holds) to maal, which must not exist;
// links are copied as links, never followed. 0, or the system's error code of the first
// failure, where it stops (a FIFO, socket or device counts as one: it is never opened).
int kopierTrae(const QByteArray& kilde, const QByteArray& maal);

// The end of the hidden temporary names that the process pid writes copies under, before they
// are renamed into place: ".qvmkopi-<pid>".
QString midlertidigtMaerke(qint64 pid);
// The hidden temporary name beside maal that this process writes a copy under.
QByteArray midlertidigtNavn(const QByteArray& maal);

// Gives a folder made by a copy the mode and times of the source folder kilde: it is made private
// (0700) while it is filled and gets them when it is complete.
void saetMappeEgenskaber(const QByteArray& maal, const struct stat& kilde);

// For tests: a fault that the copy meets before writing at a given offset of a given source
// (return an errno value to fail there, 0 to go on). An empty hook removes the fault.
void installKopiFejl(std::function<int(const QString& kilde, qint64 offset)> fejl);

}  // namespace platform
