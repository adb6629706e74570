// The picture reader of the picture panel: the reduced-scale JPEG decoder and Qt's readers, on a
// file's content. A picture read fits into the box asked for; one not read has none.
#include "controls/billedlaeser.h"
#include "tests/fuzz/fuzzmiljoe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QSize boks(64, 48);
    const Miniature m = miniatureAfIndhold(bytesAf(data, size), boks);
    FUZZ_KRAV(m.fejl == m.billede.isNull());
    if (!m.fejl)
        FUZZ_KRAV(m.billede.width() <= boks.width() && m.billede.height() <= boks.height());
    return 0;
}
