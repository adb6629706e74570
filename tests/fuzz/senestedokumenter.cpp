// The desktop's list of recent documents: a document is added to a list of the input's bytes.
// A list that can be read gets the document once and stays a list that can be read, and added to
// again; one that cannot be read is left as it was.
#include "platform/recentdocs.h"
#include "tests/fuzz/fuzzmiljoe.h"

#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

const QString liste = QStringLiteral(".local/share/recently-used.xbel");

QByteArray indhold()
{
    QFile fil(fuzzHjem() / liste);
    return fil.open(QIODevice::ReadOnly) ? fil.readAll() : QByteArray();
}

// The bookmarks of the document in a list; -1 when the list cannot be read.
int bogmaerker(const QByteArray& xbel, const QString& href)
{
    QXmlStreamReader laes(xbel);
    int antal = 0;
    while (!laes.atEnd()) {
        laes.readNext();
        if (laes.isStartElement() && laes.name() == u"bookmark" && laes.attributes().value(QStringLiteral("href")) == href)
            ++antal;
    }
    return laes.hasError() ? -1 : antal;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString dokument = fuzzHjem() / QStringLiteral("brev med blank & <tegn>.txt");
    const QString href = QUrl::fromLocalFile(dokument).toString(QUrl::FullyEncoded);
    const QByteArray foer = bytesAf(data, size);
    fuzzHjem().write(liste, foer);
    if (!platform::tilfoejSenesteDokument(dokument)) {
        FUZZ_KRAV(indhold() == foer);
        return 0;
    }
    FUZZ_KRAV(bogmaerker(indhold(), href) >= 1);
    FUZZ_KRAV(platform::tilfoejSenesteDokument(dokument));
    FUZZ_KRAV(bogmaerker(indhold(), href) >= 1);
    return 0;
}
