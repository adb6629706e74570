// The desktop-entry readers: an entry of the input's bytes read for its name and icon (GIO), and
// for its icon by the program's own line reader. An entry is an application exactly when it has a
// name.
#include "platform/desktopapps.h"
#include "tests/fuzz/fuzzmiljoe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString navn = QStringLiteral("post.desktop");
    fuzzHjem().write(navn, bytesAf(data, size));
    const QString fil = fuzzHjem() / navn;
    const std::optional<platform::Programpost> post = platform::programpost(fil);
    FUZZ_KRAV(post.has_value() == platform::erProgrampost(fil));
    platform::programpostIkon(fil);
    return 0;
}
