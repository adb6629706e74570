#pragma once

#include "tests/common/testhome.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>

// What every fuzz target runs in: a Qt application object without a display, the Danish locale
// and a home folder of its own, made once for the process before the first input.
const TestHome& fuzzHjem();

// The input as a byte array of its own.
inline QByteArray bytesAf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A rule the reader must keep for every input; a broken one ends the process as a fault that
// libFuzzer reports and keeps the input of.
#define FUZZ_KRAV(betingelse) \
    do { \
        if (!(betingelse)) \
            qFatal("Brudt: %s", #betingelse); \
    } while (false)
