// The document text of the text search (RTF, UTF-8 with and without byte-order mark, UTF-16,
// Windows-1252) and the search over it. The first byte chooses the search's options, the second
// the length of the search word that follows in UTF-8; the rest is the document's content. The
// UTF-8 decoder must agree with Qt's on every content: valid or not, and the same text.
#include "tests/fuzz/fuzzmiljoe.h"
#include "tools/findtekst/dokumenttekst.h"
#include "tools/findtekst/tekstfund.h"
#include "tools/findtekst/utf8afkodning.h"

#include <QStringDecoder>

namespace {

void sammenlignMedQt(QByteArrayView indhold)
{
    const std::atomic_bool stop = false;
    QString vores(indhold.size(), Qt::Uninitialized);
    const qsizetype antal = utf8TilUtf16(indhold, reinterpret_cast<char16_t*>(vores.data()), stop);
    QStringDecoder qt(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString qtTekst = qt.decode(indhold);
    FUZZ_KRAV((antal == ugyldigUtf8) == qt.hasError());
    if (antal != ugyldigUtf8)
        FUZZ_KRAV(vores.first(antal) == qtTekst);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const SoegeValg valg{bool(data[0] & 1), bool(data[0] & 2)};
    const size_t ordlaengde = std::min<size_t>(data[1] % 32, size - 2);
    const QString ord = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(ordlaengde));
    const QByteArray indhold = bytesAf(data + 2 + ordlaengde, size - 2 - ordlaengde);
    sammenlignMedQt(indhold);

    const std::atomic_bool stop = false;
    const Dokumenttekst dokument = dokumentFraIndhold(indhold, stop);
    if (dokument.udfald != Dokumenttekst::Udfald::Laest || ord.isEmpty())
        return 0;
    const QList<Fund> fund = findFund(dokument.tekst, Soegeord(ord, valg), 1000, stop);
    const qsizetype tegn = dokument.tekst.toUcs4().size();
    qsizetype forrige = -1;
    for (const Fund& f : fund) {
        FUZZ_KRAV(f.position > forrige && f.position < tegn);
        FUZZ_KRAV(!f.linje.contains(u'\n'));
        forrige = f.position;
    }
    return 0;
}
