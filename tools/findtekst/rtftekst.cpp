#include "tools/findtekst/rtftekst.h"

#include "platform/textfile.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// The characters of the 256 Windows-1252 bytes, looked up per byte of text.
const std::array<char16_t, 256>& windows1252Tabel()
{
    static const std::array<char16_t, 256> tabel = [] {
        std::array<char16_t, 256> tegn{};
        for (int byte = 0; byte < 256; ++byte)
            tegn[byte] = platform::windows1252Tegn(static_cast<unsigned char>(byte));
        return tegn;
    }();
    return tabel;
}

// The text read so far. Bytes of text are read in the document's code page: Windows-1252 through
// a table, any other code page by a decoder, which is handed the bytes gathered up to the next
// character given as such ("\uN", a break, a symbol), so the bytes of a multi-byte character are
// read together.
class Tekstsamler {
public:
    explicit Tekstsamler(qsizetype kapacitet) { tekst.reserve(kapacitet); }

    // The code page by its Windows number; one unknown here reads as Windows-1252.
    void saetKodeside(int nummer)
    {
        toemVentende();
        dekoder.reset();
        if (nummer == 1252)
            return;
        dekoder.emplace(("windows-" + QByteArray::number(nummer)).constData());
        if (!dekoder->isValid())
            dekoder.reset();
    }

    void bytes(const char* data, qsizetype antal)
    {
        if (dekoder) {
            ventende.append(data, antal);
            return;
        }
        const qsizetype start = tekst.size();
        tekst.resize(start + antal);
        QChar* ud = tekst.data() + start;
        for (qsizetype i = 0; i < antal; ++i)
            ud[i] = QChar(windows1252[static_cast<unsigned char>(data[i])]);
    }

    void tegn(char16_t c)
    {
        toemVentende();
        tekst.append(QChar(c));
    }

    QString slut()
    {
        toemVentende();
        return std::move(tekst);
    }

private:
    void toemVentende()
    {
        if (ventende.isEmpty())
            return;
        const qsizetype start = tekst.size();
        tekst.resize(start + dekoder->requiredSpace(ventende.size()));
        const QChar* slutpunkt = dekoder->appendToBuffer(tekst.data() + start, ventende);
        tekst.resize(slutpunkt - tekst.constData());
        ventende.resize(0);
    }

    const std::array<char16_t, 256>& windows1252 = windows1252Tabel();
    QString tekst;
    std::optional<QStringDecoder> dekoder;
    QByteArray ventende;
};

enum class Handling : unsigned char { Tegn, Destination, Unicode, Stedfortraedere, Binaer, Kodeside };

struct Kontrolord {
    std::string_view navn;
    Handling handling;
    // The character of Tegn; the code page of Kodeside, 0 when the word's number is the code page.
    int vaerdi = 0;
};

// The control words that mean something to the text, sorted by name; every other word is only
// formatting. A table cell ends in a tab and a table row in a line break. Destinations whose
// text a reader never sees are skipped whole; header, footer and footnote text is kept.
constexpr auto kontrolord = std::to_array<Kontrolord>({
    {"ansicpg", Handling::Kodeside},
    {"bin", Handling::Binaer},
    {"bullet", Handling::Tegn, 0x2022},
    {"cell", Handling::Tegn, '\t'},
    {"colorschememapping", Handling::Destination},
    {"colortbl", Handling::Destination},
    {"datastore", Handling::Destination},
    {"emdash", Handling::Tegn, 0x2014},
    {"emspace", Handling::Tegn, ' '},
    {"endash", Handling::Tegn, 0x2013},
    {"enspace", Handling::Tegn, ' '},
    {"fldinst", Handling::Destination},
    {"fonttbl", Handling::Destination},
    {"generator", Handling::Destination},
    {"info", Handling::Destination},
    {"latentstyles", Handling::Destination},
    {"ldblquote", Handling::Tegn, 0x201C},
    {"line", Handling::Tegn, '\n'},
    {"listoverridetable", Handling::Destination},
    {"listtable", Handling::Destination},
    {"lquote", Handling::Tegn, 0x2018},
    {"mac", Handling::Kodeside, 10000},
    {"nestcell", Handling::Tegn, '\t'},
    {"nonshppict", Handling::Destination},
    {"object", Handling::Destination},
    {"page", Handling::Tegn, '\n'},
    {"par", Handling::Tegn, '\n'},
    {"pc", Handling::Kodeside, 437},
    {"pca", Handling::Kodeside, 850},
    {"pict", Handling::Destination},
    {"qmspace", Handling::Tegn, ' '},
    {"rdblquote", Handling::Tegn, 0x201D},
    {"revtbl", Handling::Destination},
    {"row", Handling::Tegn, '\n'},
    {"rquote", Handling::Tegn, 0x2019},
    {"rsidtbl", Handling::Destination},
    {"sect", Handling::Tegn, '\n'},
    {"stylesheet", Handling::Destination},
    {"tab", Handling::Tegn, '\t'},
    {"themedata", Handling::Destination},
    {"u", Handling::Unicode},
    {"uc", Handling::Stedfortraedere},
    {"xmlnstbl", Handling::Destination},
});
static_assert(std::ranges::is_sorted(kontrolord, {}, &Kontrolord::navn));

const Kontrolord* slaaOp(std::string_view navn)
{
    const auto fundet = std::ranges::lower_bound(kontrolord, navn, {}, &Kontrolord::navn);
    return fundet != kontrolord.end() && fundet->navn == navn ? &*fundet : nullptr;
}

// The bytes that end a run of plain text.
constexpr auto afslutterTekst = [] {
    std::array<bool, 256> afslutter{};
    for (const unsigned char c : {'\\', '{', '}', '\r', '\n'})
        afslutter[c] = true;
    return afslutter;
}();

bool erBogstav(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool erCiffer(char c) { return c >= '0' && c <= '9'; }

int hexCiffer(char c)
{
    if (erCiffer(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// What a group sets for itself and its inner groups, and its end gives back.
struct Gruppe {
    int stedfortraedere = 1;  // the "\ucN" count of stand-in characters after "\uN"
    bool udenTekst = false;   // a destination whose text is skipped
};

class RtfLaeser {
public:
    RtfLaeser(QByteArrayView rtf, const std::atomic_bool* stop)
        : rtf(rtf), stop(stop), tekst(rtf.size() / 4)  // text is mostly a small part of a document
    {
    }

    QString laes()
    {
        constexpr qsizetype stopAfstand = 1 << 20;
        qsizetype naesteStopTjek = 0;
        while (pos < rtf.size()) {
            if (pos >= naesteStopTjek) {
                if (stop && stop->load(std::memory_order_relaxed))
                    break;
                naesteStopTjek = pos + stopAfstand;
            }
            switch (rtf[pos]) {
            case '{':
                ++pos;
                stedfortraedereTilbage = 0;
                grupper.push_back(grupper.size() == 1 ? Gruppe{} : grupper.back());
                break;
            case '}':
                ++pos;
                stedfortraedereTilbage = 0;
                if (grupper.size() > 1)
                    grupper.pop_back();
                break;
            case '\\':
                ++pos;
                kontrol();
                break;
            case '\r':
            case '\n':
                ++pos;
                break;
            default:
                tekstloeb();
            }
        }
        return tekst.slut();
    }

private:
    void tegn(char16_t c)
    {
        if (!grupper.back().udenTekst)
            tekst.tegn(c);
    }

    // Skips one stand-in character after "\uN" when one is still due.
    bool stedfortraederSprunget()
    {
        if (stedfortraedereTilbage == 0)
            return false;
        --stedfortraedereTilbage;
        return true;
    }

    void tekstloeb()
    {
        const qsizetype start = pos;
        while (pos < rtf.size() && !afslutterTekst[static_cast<unsigned char>(rtf[pos])])
            ++pos;
        const qsizetype sprunget = std::min(stedfortraedereTilbage, pos - start);
        stedfortraedereTilbage -= sprunget;
        if (!grupper.back().udenTekst && start + sprunget < pos)
            tekst.bytes(rtf.data() + start + sprunget, pos - start - sprunget);
    }

    // After a backslash: a control word, "\'hh" or a control symbol.
    void kontrol()
    {
        if (pos == rtf.size())
            return;
        const char c = rtf[pos];
        if (erBogstav(c)) {
            kontrolord();
            return;
        }
        ++pos;
        if (c == '\'') {
            hexbyte();
            return;
        }
        if (stedfortraederSprunget())
            return;
        switch (c) {
        case '*':
            grupper.back().udenTekst = true;
            break;
        case '\\':
        case '{':
        case '}':
            tegn(char16_t(c));
            break;
        case '~':
            tegn(0x00A0);
            break;
        case '_':
            tegn(0x2011);
            break;
        case '\r':
        case '\n':
            tegn('\n');  // a backslash before a line break is a paragraph mark
            break;
        default:
            break;  // the optional hyphen "\-" and the other symbols are no text
        }
    }

    void hexbyte()
    {
        if (rtf.size() - pos < 2) {
            pos = rtf.size();
            return;
        }
        const int hoej = hexCiffer(rtf[pos]);
        const int lav = hexCiffer(rtf[pos + 1]);
        if (hoej < 0 || lav < 0)
            return;
        pos += 2;
        if (stedfortraederSprunget() || grupper.back().udenTekst)
            return;
        const char byte = static_cast<char>(hoej * 16 + lav);
        tekst.bytes(&byte, 1);
    }

    void kontrolord()
    {
        const qsizetype start = pos;
        while (pos < rtf.size() && erBogstav(rtf[pos]))
            ++pos;
        const std::string_view navn(rtf.data() + start, pos - start);
        const bool negativ = rtf.size() - pos >= 2 && rtf[pos] == '-' && erCiffer(rtf[pos + 1]);
        if (negativ)
            ++pos;
        constexpr qint64 talLoft = qint64(1) << 40;  // more digits than any word means; no overflow
        qint64 tal = 0;
        for (; pos < rtf.size() && erCiffer(rtf[pos]); ++pos) {
            if (tal < talLoft)
                tal = tal * 10 + (rtf[pos] - '0');
        }
        if (pos < rtf.size() && rtf[pos] == ' ')
            ++pos;
        udfoer(slaaOp(navn), negativ ? -tal : tal);
    }

    // A control word, null when it is only formatting, with its number, 0 when it had none.
    void udfoer(const Kontrolord* ord, qint64 tal)
    {
        if (ord && ord->handling == Handling::Binaer)
            pos += std::clamp<qint64>(tal, 0, rtf.size() - pos);
        if (stedfortraederSprunget() || !ord)
            return;
        Gruppe& gruppe = grupper.back();
        switch (ord->handling) {
        case Handling::Tegn:
            tegn(char16_t(ord->vaerdi));
            break;
        case Handling::Destination:
            gruppe.udenTekst = true;
            break;
        case Handling::Unicode:
            unicode(tal);
            break;
        case Handling::Stedfortraedere:
            gruppe.stedfortraedere = int(std::clamp<qint64>(tal, 0, INT_MAX));
            break;
        case Handling::Kodeside:
            if (!gruppe.udenTekst)
                tekst.saetKodeside(ord->vaerdi != 0 ? ord->vaerdi : int(std::clamp<qint64>(tal, 0, INT_MAX)));
            break;
        case Handling::Binaer:
            break;
        }
    }

    // "\uN": a UTF-16 unit, negative numbers counted from 65536; 0 and numbers out of range give
    // no character. The stand-in characters after it are skipped either way.
    void unicode(qint64 tal)
    {
        if (tal < 0)
            tal += 65536;
        if (tal > 0 && tal <= 0xFFFF)
            tegn(char16_t(tal));
        stedfortraedereTilbage = grupper.back().stedfortraedere;
    }

    QByteArrayView rtf;
    const std::atomic_bool* stop;
    qsizetype pos = 0;
    std::vector<Gruppe> grupper{Gruppe{1, true}};  // outside the outermost group there is no text
    qsizetype stedfortraedereTilbage = 0;
    Tekstsamler tekst;
};

}  // namespace

QString rtfTekst(QByteArrayView rtf, const std::atomic_bool* stop)
{
    return RtfLaeser(rtf, stop).laes();
}
