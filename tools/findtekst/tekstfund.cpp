#include "tools/findtekst/tekstfund.h"

#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The text is searched in stretches of a MiB, with stop looked at between them.
constexpr qsizetype stykke = 1024 * 1024;

// Unicode simple case folding of every code unit of the Basic Multilingual Plane, made once;
// a character whose folding would leave the plane, and the surrogates, stay as they are.
const char16_t* foldetabel()
{
    static const auto tabel = [] {
        auto t = std::make_unique<char16_t[]>(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t f = QChar::isSurrogate(c) ? c : QChar::toCaseFolded(c);
            t[c] = QChar::requiresSurrogates(f) ? char16_t(c) : char16_t(f);
        }
        return t;
    }();
    return tabel.get();
}

// Folds a whole text, characters outside the plane by their code point.
QString foldetTekst(const QString& tekst)
{
    const char16_t* tabel = foldetabel();
    QString ud = tekst;
    auto* t = reinterpret_cast<char16_t*>(ud.data());
    for (qsizetype i = 0; i < ud.size(); ++i) {
        if (QChar::isHighSurrogate(t[i]) && i + 1 < ud.size() && QChar::isLowSurrogate(t[i + 1])) {
            const char32_t f = QChar::toCaseFolded(QChar::surrogateToUcs4(t[i], t[i + 1]));
            if (QChar::requiresSurrogates(f)) {
                t[i] = QChar::highSurrogate(f);
                t[i + 1] = QChar::lowSurrogate(f);
            }
            ++i;
        } else {
            t[i] = tabel[t[i]];
        }
    }
    return ud;
}

bool ordtegn(char32_t c) { return c == U'_' || QChar::isLetterOrNumber(c); }

bool heltOrd(const QString& t, qsizetype start, qsizetype slut)
{
    if (start > 0) {
        char32_t foer = t[start - 1].unicode();
        if (QChar::isLowSurrogate(foer) && start > 1 && t[start - 2].isHighSurrogate())
            foer = QChar::surrogateToUcs4(t[start - 2], t[start - 1]);
        if (ordtegn(foer))
            return false;
    }
    if (slut < t.size()) {
        char32_t efter = t[slut].unicode();
        if (QChar::isHighSurrogate(efter) && slut + 1 < t.size() && t[slut + 1].isLowSurrogate())
            efter = QChar::surrogateToUcs4(t[slut], t[slut + 1]);
        if (ordtegn(efter))
            return false;
    }
    return true;
}

bool blank(QChar c) { return c == u' ' || c == u'\t'; }

// Lays out the paragraphs of a text in lines of at most linjebredde characters, broken after
// blanks (a word longer than a line is cut), and gives the line holding a position. Positions
// come in rising order, so each paragraph is laid out once from where the last one stood.
class Linjeombrydning {
public:
    explicit Linjeombrydning(const QString& tekst) : t(tekst) {}

    const QString& linjeVed(qsizetype pos)
    {
        if (pos > afsnitSlut) {
            const qsizetype afsnitStart = pos == 0 ? 0 : t.lastIndexOf(u'\n', pos - 1) + 1;
            afsnitSlut = t.indexOf(u'\n', pos);
            if (afsnitSlut < 0)
                afsnitSlut = t.size();
            bryd(afsnitStart);
        }
        while (pos >= naesteStart && naesteStart < afsnitSlut)
            bryd(naesteStart);
        return linje;
    }

private:
    void bryd(qsizetype start)
    {
        qsizetype slut = afsnitSlut;
        naesteStart = afsnitSlut;
        if (afsnitSlut - start > linjebredde) {
            qsizetype b = start + linjebredde;
            while (b > start && !blank(t[b]))
                --b;
            if (b == start) {
                slut = naesteStart = start + linjebredde;
            } else {
                for (slut = b; slut > start && blank(t[slut - 1]); --slut) {
                }
                for (naesteStart = b; naesteStart < afsnitSlut && blank(t[naesteStart]); ++naesteStart) {
                }
            }
        }
        linje = t.mid(start, slut - start);
    }

    const QString& t;
    qsizetype afsnitSlut = -1;
    qsizetype naesteStart = 0;
    QString linje;
};

}  // namespace

Soegeord::Soegeord(const QString& tekst, SoegeValg valg) : ord(valg.forskelStoreSmaa ? tekst : foldetTekst(tekst)), v(valg)
{
    if (ord.isEmpty())
        return;
    const char16_t foerste = ord.front().unicode();
    if (v.forskelStoreSmaa || QChar::isSurrogate(foerste)) {
        start = {foerste};
        return;
    }
    const char16_t* tabel = foldetabel();
    for (char32_t c = 0; c < 0x10000; ++c)
        if (tabel[c] == foerste)
            start.append(char16_t(c));
    if (start.size() > 4)
        start.clear();
}

namespace {

// The second halves of surrogate pairs among t[fra..til).
qsizetype andreHalvdele(const char16_t* t, qsizetype fra, qsizetype til)
{
    qsizetype antal = 0;
    qsizetype i = fra;
#if defined(__SSE2__)
    const __m128i maske = _mm_set1_epi16(short(0xFC00)), anden = _mm_set1_epi16(short(0xDC00));
    for (; i + 8 <= til; i += 8) {
        const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)), maske);
        // Pairs are rare: the count is taken only where one stands.
        if (const unsigned par = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(v, anden))))
            antal += __builtin_popcount(par) / 2;
    }
#endif
    for (; i < til; ++i)
        antal += (t[i] & 0xFC00) == 0xDC00;
    return antal;
}

// Walks the places where a hit may start, a code unit that folds to the word's first one, from
// fra to til; proev tries one and gives the place to look on from. Eight code units are compared
// at a time where the processor can.
template <class Proev>
void kandidater(const char16_t* t, qsizetype fra, qsizetype til, const QList<char16_t>& start, Proev proev)
{
    qsizetype i = fra;
    if (start.isEmpty()) {
        while (i < til)
            i = proev(i);
        return;
    }
    const char16_t s0 = start[0];
    const char16_t s1 = start.value(1, s0), s2 = start.value(2, s0), s3 = start.value(3, s0);
#if defined(__SSE2__)
    const __m128i c0 = _mm_set1_epi16(short(s0)), c1 = _mm_set1_epi16(short(s1));
    const __m128i c2 = _mm_set1_epi16(short(s2)), c3 = _mm_set1_epi16(short(s3));
    while (i + 8 <= til) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
        const __m128i lig = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, c0), _mm_cmpeq_epi16(v, c1)),
                                         _mm_or_si128(_mm_cmpeq_epi16(v, c2), _mm_cmpeq_epi16(v, c3)));
        const int maske = _mm_movemask_epi8(lig);
        i = maske ? proev(i + __builtin_ctz(unsigned(maske)) / 2) : i + 8;
    }
#endif
    while (i < til) {
        const char16_t c = t[i];
        i = (c == s0 || c == s1 || c == s2 || c == s3) ? proev(i) : i + 1;
    }
}

}  // namespace

QList<Fund> findFund(const QString& tekst, const Soegeord& soegeord, qsizetype maks, const std::atomic_bool& stop)
{
    QList<Fund> fund;
    const QString& ord = soegeord.foldet();
    const qsizetype m = ord.size();
    const qsizetype n = tekst.size();
    if (m == 0 || m > n)
        return fund;
    const bool fold = !soegeord.valg().forskelStoreSmaa;
    const bool heleOrd = soegeord.valg().heleOrd;
    const char16_t* tabel = foldetabel();
    const auto* t = reinterpret_cast<const char16_t*>(tekst.utf16());
    const auto* o = reinterpret_cast<const char16_t*>(ord.utf16());
    Linjeombrydning linjer(tekst);
    // Positions count code points: every code unit but the second half of a pair.
    qsizetype talt = 0;         // the text counted up to here
    qsizetype kodepunkter = 0;  // code points before talt
    // Tries a hit at i; the place to look on from: after the hit, or the next code unit.
    const auto proev = [&](qsizetype i) -> qsizetype {
        if (fund.size() >= maks)
            return n;
        for (qsizetype j = 0; j < m; ++j) {
            char16_t c = fold ? tabel[t[i + j]] : t[i + j];
            // A pair outside the plane folds as one character.
            if (fold && QChar::isHighSurrogate(c) && j + 1 < m && QChar::isLowSurrogate(t[i + j + 1])) {
                const char32_t f = QChar::toCaseFolded(QChar::surrogateToUcs4(c, t[i + j + 1]));
                if (QChar::highSurrogate(f) != o[j] || QChar::lowSurrogate(f) != o[j + 1])
                    return i + 1;
                ++j;
                continue;
            }
            if (c != o[j])
                return i + 1;
        }
        if (heleOrd && !heltOrd(tekst, i, i + m))
            return i + 1;
        kodepunkter += (i - talt) - andreHalvdele(t, talt, i);
        talt = i;
        fund.append({kodepunkter, linjer.linjeVed(i)});
        return i + m;
    };
    qsizetype fra = 0;
    for (qsizetype s = 0; s < n && fund.size() < maks; s += stykke) {
        if (stop.load(std::memory_order_relaxed))
            break;
        const qsizetype til = std::min(n - m + 1, s + stykke);
        if (fra < til) {
            qsizetype naeste = fra;
            kandidater(t, fra, til, soegeord.startTegn(), [&](qsizetype i) { return naeste = proev(i); });
            fra = std::max(naeste, til);
        }
    }
    return fund;
}
