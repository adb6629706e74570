// The list files of the user's lists, read from a file of the input's bytes: the reopen lists
// (history, favourites, searches), the program list, a home-made structure, the search window's
// type list, and every line as the name of a command or note file.
#include "core/listefiler.h"
#include "core/strukturnavne.h"
#include "core/tekstfilnavn.h"
#include "platform/textfile.h"
#include "tests/fuzz/fuzzmiljoe.h"
#include "tools/findtekst/filtertyper.h"

#include <QFile>

namespace {

void programliste(const QStringList& linjer)
{
    const Programliste liste = programlisteFraLinjer(linjer);
    for (const TProgRec& program : liste.programmer)
        FUZZ_KRAV(program.ShowType >= 0 && program.ShowType <= 255);
    if (liste.helt && !linjer.isEmpty())
        FUZZ_KRAV(liste.programmer.size() == linjer.first().trimmed().toInt());
}

void filtertyper(const QStringList& linjer)
{
    const std::optional<QList<Filtertype>> typer = filtertyperFraLinjer(linjer);
    if (!typer)
        return;
    FUZZ_KRAV(filtertyperFraLinjer(linjerFraFiltertyper(*typer)) == typer);
}

// A text made a file name reads back as the same text, from the name the file system keeps.
void tekstfilnavne(const QStringList& linjer)
{
    for (const QString& linje : linjer) {
        const std::optional<QString> navn = tekstfilnavn(linje);
        if (!navn || linje.contains(u'\u2215'))
            continue;
        FUZZ_KRAV(!navn->contains(u'/') && navn->endsWith(QStringLiteral(".txt")));
        const QByteArray paaDisken = QFile::encodeName(*navn);
        FUZZ_KRAV(paaDisken.size() <= 255);
        FUZZ_KRAV(tekstAfFilnavn(QFile::decodeName(paaDisken).chopped(4)) == linje);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fil = fuzzHjem() / QStringLiteral("liste.txt");
    fuzzHjem().write(QStringLiteral("liste.txt"), bytesAf(data, size));
    const std::optional<QStringList> linjer = platform::readTextLines(fil);
    FUZZ_KRAV(linjer);
    FUZZ_KRAV(reopenPoster(*linjer).size() == (linjer->size() + 1) / 2);
    programliste(*linjer);
    filtertyper(*linjer);
    tekstfilnavne(*linjer);
    for (const QString& mappe : strukturmapper(fil))
        FUZZ_KRAV(!mappe.trimmed().isEmpty());
    return 0;
}
