#pragma once

#include <QByteArrayView>
#include <atomic>

// Decodes UTF-8 into UTF-16 code units at ud, which has room for one unit per byte; runs of
// ASCII go sixteen bytes at a time where the processor can. The number of units written, or
// ugyldigUtf8 when the bytes are not valid UTF-8 (overlong forms, surrogates, code points past
// U+10FFFF and cut-off sequences are not), or stoppetUtf8 when stop turned true (looked at every
// MiB).
constexpr qsizetype ugyldigUtf8 = -1;
constexpr qsizetype stoppetUtf8 = -2;
qsizetype utf8TilUtf16(QByteArrayView bytes, char16_t* ud, const std::atomic_bool& stop);
