#include "tests/fuzz/fuzzmiljoe.h"

#include <QCoreApplication>

const TestHome& fuzzHjem()
{
    static const TestHome hjem;
    return hjem;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QCoreApplication app(*argc, *argv);
    fuzzHjem();
    return 0;
}
