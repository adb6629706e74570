// The Exec expansion of a desktop entry for an application run in a terminal, over an Exec value
// of the input's bytes. Expanded for two sets of files, the command lines differ only in whole
// words that are the files themselves: no part of a file name becomes part of another word or a
// word of its own, and a file never stands in the program's place.
#include "platform/desktopapps.h"
#include "tests/fuzz/fuzzmiljoe.h"

namespace {

const QStringList filerA = {QStringLiteral("/tmp/a b/'$(rm -rf x)';\"`id`\".txt"), QStringLiteral("-e %f %U")};
const QStringList filerB = {QStringLiteral("/srv/c\nd/e*f?g|h&.doc"), QStringLiteral("--help=%%")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray exec = bytesAf(data, size);
    const QStringList a = platform::terminalKommando(exec, filerA);
    const QStringList b = platform::terminalKommando(exec, filerB);
    FUZZ_KRAV(a.size() == b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        const qsizetype fil = filerA.indexOf(a[i]);
        const bool ensOrd = a[i] == b[i];
        FUZZ_KRAV(ensOrd || (i > 0 && fil >= 0 && b[i] == filerB[fil]));
    }
    return 0;
}
