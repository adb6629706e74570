// The RTF reader of the text search: any bytes give a text, and never more characters than bytes
// (every character of the text stands for at least one byte of the document).
#include "tests/fuzz/fuzzmiljoe.h"
#include "tools/findtekst/rtftekst.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString tekst = rtfTekst(QByteArrayView(data, qsizetype(size)));
    FUZZ_KRAV(tekst.size() <= qsizetype(size));
    return 0;
}
