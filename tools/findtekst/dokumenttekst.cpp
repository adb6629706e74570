#include "tools/findtekst/dokumenttekst.h"

#include "platform/textfile.h"
#include "tools/findtekst/rtftekst.h"
#include "tools/findtekst/utf8afkodning.h"

#include <QFile>
#include <QStringDecoder>
#include <array>
#include <optional>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype stykke = 1024 * 1024;

// Makes every line break (CR LF, CR) a '\n' in place.
void linjeskiftTilLf(QString& tekst)
{
    if (!tekst.contains(u'\r'))
        return;
    auto* t = reinterpret_cast<char16_t*>(tekst.data());
    qsizetype ud = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (t[i] == u'\r') {
            t[ud++] = u'\n';
            if (i + 1 < tekst.size() && t[i + 1] == u'\n')
                ++i;
        } else {
            t[ud++] = t[i];
        }
    }
    tekst.truncate(ud);
}

// Decodes UTF-16 straight into ud in pieces of a MiB, looking at stop between them.
qsizetype afkodUtf16(QStringConverter::Encoding kodning, QByteArrayView bytes, QChar* ud, const std::atomic_bool& stop)
{
    QStringDecoder decoder(kodning);
    QChar* start = ud;
    for (qsizetype i = 0; i < bytes.size(); i += stykke) {
        if (stop.load(std::memory_order_relaxed))
            return stoppetUtf8;
        ud = decoder.appendToBuffer(ud, bytes.sliced(i, std::min(stykke, bytes.size() - i)));
    }
    return ud - start;
}

qsizetype afkodWindows1252(QByteArrayView bytes, char16_t* ud, const std::atomic_bool& stop)
{
    static const auto tegn = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = platform::windows1252Tegn(static_cast<unsigned char>(b));
        return t;
    }();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i % stykke == 0 && stop.load(std::memory_order_relaxed))
            return stoppetUtf8;
        ud[i] = tegn[static_cast<unsigned char>(bytes[i])];
    }
    return bytes.size();
}

Dokumenttekst almindeligTekst(const QByteArray& indhold, const std::atomic_bool& stop)
{
    Dokumenttekst dokument;
    QByteArrayView bytes(indhold);
    std::optional<QStringConverter::Encoding> utf16;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        utf16 = bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        bytes = bytes.sliced(2);
    }
    if (!utf16 && bytes.first(std::min<qsizetype>(bytes.size(), 8192)).contains('\0')) {
        dokument.udfald = Dokumenttekst::Udfald::Binaer;
        return dokument;
    }
    // Every byte gives at most one code unit, so the text is sized once and decoded into.
    QString& tekst = dokument.tekst;
    tekst.resize(bytes.size());
    auto* ud = reinterpret_cast<char16_t*>(tekst.data());
    qsizetype antal = utf16 ? afkodUtf16(*utf16, bytes, tekst.data(), stop) : utf8TilUtf16(bytes, ud, stop);
    if (antal == ugyldigUtf8)  // not UTF-8: a file written on Windows
        antal = afkodWindows1252(bytes, ud, stop);
    if (antal == stoppetUtf8) {
        tekst.clear();
        dokument.udfald = Dokumenttekst::Udfald::Stoppet;
        return dokument;
    }
    tekst.truncate(antal);
    linjeskiftTilLf(tekst);
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
