// The EXIF orientation reader of the picture panel: any bytes give an orientation of 1 to 8, and
// turning a picture by it keeps or swaps its sides.
#include "controls/exif.h"
#include "tests/fuzz/fuzzmiljoe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int orientering = exifOrientering(bytesAf(data, size));
    FUZZ_KRAV(orientering >= 1 && orientering <= 8);
    QImage billede(3, 2, QImage::Format_RGB32);
    billede.fill(Qt::white);
    const QImage opret = retOp(billede, orientering);
    FUZZ_KRAV(opret.size() == (orientering >= 5 ? QSize(2, 3) : QSize(3, 2)));
    return 0;
}
