#include "tools/findtekst/dokumenttekst.h"

#include "tools/findtekst/rtftekst.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype stykke = 1024 * 1024;

// Appends text with its line breaks made '\n'; cr carries a CR that ended the previous piece,
// so a CR LF split between two pieces is still one break.
void tilfoejMedLinjeskift(QString& ud, QStringView stk, bool& cr)
{
    if (!cr && !stk.contains(u'\r')) {
        ud.append(stk);
        return;
    }
    for (const QChar c : stk) {
        if (c == u'\n' && cr) {
            cr = false;
            continue;
        }
        cr = c == u'\r';
        ud.append(cr ? QChar(u'\n') : c);
    }
}

// Decodes in pieces of a MiB, looking at stop between them; false when stopped.
bool afkod(QStringDecoder& decoder, QByteArrayView bytes, QString& ud, const std::atomic_bool& stop)
{
    bool cr = false;
    for (qsizetype i = 0; i < bytes.size(); i += stykke) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        const QString stk = decoder.decode(bytes.sliced(i, std::min(stykke, bytes.size() - i)));
        tilfoejMedLinjeskift(ud, stk, cr);
    }
    return true;
}

Dokumenttekst almindeligTekst(const QByteArray& indhold, const std::atomic_bool& stop)
{
    Dokumenttekst dokument;
    QByteArrayView bytes(indhold);
    auto kodning = QStringConverter::Utf8;
    bool utf16 = false;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        kodning = bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        bytes = bytes.sliced(2);
        utf16 = true;
    }
    if (!utf16 && bytes.first(std::min<qsizetype>(bytes.size(), 8192)).contains('\0')) {
        dokument.udfald = Dokumenttekst::Udfald::Binaer;
        return dokument;
    }
    dokument.tekst.reserve(bytes.size());
    QStringDecoder decoder(kodning);
    if (!afkod(decoder, bytes, dokument.tekst, stop)) {
        dokument.udfald = Dokumenttekst::Udfald::Stoppet;
        return dokument;
    }
    if (decoder.hasError()) {
        // Not UTF-8: a file written on Windows.
        dokument.tekst.clear();
        QStringDecoder windows1252("windows-1252");
        if (!afkod(windows1252, bytes, dokument.tekst, stop)) {
            dokument.udfald = Dokumenttekst::Udfald::Stoppet;
            return dokument;
        }
    }
    dokument.udfald = Dokumenttekst::Udfald::Laest;
    return dokument;
}

}  // namespace

Dokumenttekst dokumentFraIndhold(const QByteArray& indhold, const std::atomic_bool& stop)
{
    if (!indhold.startsWith("{\\rtf"))
        return almindeligTekst(indhold, stop);
    Dokumenttekst dokument;
    dokument.tekst = rtfTekst(indhold, &stop);
    dokument.udfald = stop.load() ? Dokumenttekst::Udfald::Stoppet : Dokumenttekst::Udfald::Laest;
    return dokument;
}

Dokumenttekst laesDokument(const QString& sti, const std::atomic_bool& stop)
{
    Dokumenttekst dokument;
    // Not blocking: a FIFO that slipped in after the listing is refused by fstat, not waited on.
    const int fd = ::open(QFile::encodeName(sti).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return dokument;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return dokument;
    }
    if (st.st_size > stoersteDokument) {
        ::close(fd);
        dokument.udfald = Dokumenttekst::Udfald::ForStor;
        return dokument;
    }
    // Read in pieces of a MiB straight into the content, looking at stop between them; a file
    // that grows while read is read to its end, up to the limit.
    QByteArray indhold(st.st_size, Qt::Uninitialized);
    qsizetype laest = 0;
    auto udfald = Dokumenttekst::Udfald::Laest;
    for (;;) {
        if (stop.load(std::memory_order_relaxed)) {
            udfald = Dokumenttekst::Udfald::Stoppet;
            break;
        }
        // Once the size fstat gave is read, a small read tells the end from a file that grew.
        char mere[64 * 1024];
        const bool fuld = laest == indhold.size();
        const ssize_t n = fuld ? ::read(fd, mere, sizeof mere)
                               : ::read(fd, indhold.data() + laest, std::min(stykke, indhold.size() - laest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            udfald = Dokumenttekst::Udfald::Ulaeselig;
        if (n <= 0)
            break;
        if (fuld) {
            if (laest + n > stoersteDokument) {
                udfald = Dokumenttekst::Udfald::ForStor;
                break;
            }
            indhold.append(mere, n);
        }
        laest += n;
    }
    ::close(fd);
    if (udfald != Dokumenttekst::Udfald::Laest) {
        dokument.udfald = udfald;
        return dokument;
    }
    indhold.truncate(laest);  // a file that shrank while read
    return dokumentFraIndhold(indhold, stop);
}
