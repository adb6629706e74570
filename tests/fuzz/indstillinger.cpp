// The option files: the main settings and an explorer window's options, read from a file of the
// input's bytes through the option-line tables. Settings read from any file are written so that
// they read back the same.
#include "app/mainsettings.h"
#include "explorer/stifinderindstillinger.h"
#include "platform/textfile.h"
#include "tests/fuzz/fuzzmiljoe.h"

namespace {

void hovedindstillinger(const QString& fil)
{
    const std::optional<QStringList> linjer = platform::readTextLines(fil);
    MainSettings laest;
    if (!linjer || linjer->size() != mainSettingsLineCount || !applyMainSettingsLines(*linjer, laest))
        return;
    MainSettings igen;
    FUZZ_KRAV(applyMainSettingsLines(mainSettingsLines(laest), igen));
    FUZZ_KRAV(igen == laest);
}

void stifinderindstillinger(const QString& fil)
{
    StifinderIndstillinger laest;
    hentStifinderOpt(fil, laest);
    const QString gemt = fuzzHjem() / QStringLiteral("gemt.txt");
    FUZZ_KRAV(gemStifinderOpt(gemt, laest));
    StifinderIndstillinger igen;
    FUZZ_KRAV(hentStifinderOpt(gemt, igen));
    FUZZ_KRAV(igen == laest);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fil = QStringLiteral("indstillinger.txt");
    fuzzHjem().write(fil, bytesAf(data, size));
    hovedindstillinger(fuzzHjem() / fil);
    stifinderindstillinger(fuzzHjem() / fil);
    return 0;
}
