#include "tools/findtekst/tekstfund.h"

#include <QStringMatcher>

namespace {

// The text is searched in windows of a MiB, folded one at a time, with stop looked at between
// them.
constexpr qsizetype vindue = 1024 * 1024;

// Unicode simple case folding, which keeps every code point's length in UTF-16 units but for a
// handful of characters; those are kept as they are.
void foldTil(QStringView tekst, QString& foldet)
{
    foldet.resize(tekst.size());
    const char16_t* ind = tekst.utf16();
    auto* ud = reinterpret_cast<char16_t*>(foldet.data());
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = ind[i];
        if (c < 0x80) {
            ud[i] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(ind[i + 1])) {
            const char32_t f = QChar::toCaseFolded(QChar::surrogateToUcs4(c, ind[i + 1]));
            const bool par = QChar::requiresSurrogates(f);
            ud[i] = par ? QChar::highSurrogate(f) : c;
            ud[i + 1] = par ? QChar::lowSurrogate(f) : ind[i + 1];
            ++i;
        } else {
            const char32_t f = QChar::toCaseFolded(char32_t(c));
            ud[i] = QChar::requiresSurrogates(f) ? c : char16_t(f);
        }
    }
}

QString foldet(const QString& tekst)
{
    QString ud;
    foldTil(tekst, ud);
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

QList<Fund> findFund(const QString& tekst, const QString& soegeord, SoegeValg valg, qsizetype maks,
                     const std::atomic_bool& stop)
{
    QList<Fund> fund;
    const qsizetype m = soegeord.size();
    const qsizetype n = tekst.size();
    if (m == 0 || m > n)
        return fund;
    const QStringMatcher matcher(valg.forskelStoreSmaa ? soegeord : foldet(soegeord), Qt::CaseSensitive);
    Linjeombrydning linjer(tekst);
    QString buffer;
    qsizetype fra = 0;             // where the next hit may start
    qsizetype talt = 0;            // the text counted in code points up to here
    qsizetype kodepunkter = 0;     // code points before talt
    for (qsizetype s = 0; s < n && fund.size() < maks; s += vindue) {
        if (stop.load(std::memory_order_relaxed))
            break;
        const QStringView del = QStringView(tekst).sliced(s, std::min(n, s + vindue + m - 1) - s);
        QStringView soeg = del;
        if (!valg.forskelStoreSmaa) {
            foldTil(del, buffer);
            soeg = buffer;
        }
        for (qsizetype p = std::max(fra, s) - s; (p = matcher.indexIn(soeg, p)) >= 0 && p < vindue;) {
            const qsizetype h = s + p;
            if (valg.heleOrd && !heltOrd(tekst, h, h + m)) {
                ++p;
                continue;
            }
            for (; talt < h; ++talt)
                if (!tekst[talt].isLowSurrogate() || talt == 0 || !tekst[talt - 1].isHighSurrogate())
                    ++kodepunkter;
            fund.append({kodepunkter, linjer.linjeVed(h)});
            if (fund.size() == maks)
                break;
            fra = h + m;
            p = fra - s;
        }
    }
    return fund;
}
