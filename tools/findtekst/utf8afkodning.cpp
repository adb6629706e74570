#include "tools/findtekst/utf8afkodning.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype stykke = 1024 * 1024;

bool fortsaettelse(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

qsizetype utf8TilUtf16(QByteArrayView bytes, char16_t* ud, const std::atomic_bool& stop)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0, o = 0, kig = stykke;
    while (i < n) {
        if (i >= kig) {
            if (stop.load(std::memory_order_relaxed))
                return stoppetUtf8;
            kig = i + stykke;
        }
#if defined(__SSE2__)
        // Sixteen ASCII bytes at a time; each writes one unit, so o + 16 <= i + 16 <= n stays in room.
        const __m128i nul = _mm_setzero_si128();
        while (i + 16 <= n && i < kig) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(ud + o), _mm_unpacklo_epi8(v, nul));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(ud + o + 8), _mm_unpackhi_epi8(v, nul));
            const int ikkeAscii = _mm_movemask_epi8(v);
            if (ikkeAscii) {
                const int ascii = __builtin_ctz(unsigned(ikkeAscii));
                i += ascii;
                o += ascii;
                break;
            }
            i += 16;
            o += 16;
        }
        if (i >= n)
            break;
#endif
        const unsigned c = s[i];
        if (c < 0x80) {
            ud[o++] = char16_t(c);
            ++i;
        } else if (c >= 0xC2 && c < 0xE0) {
            if (i + 1 >= n || !fortsaettelse(s[i + 1]))
                return ugyldigUtf8;
            ud[o++] = char16_t(((c & 0x1F) << 6) | (s[i + 1] & 0x3F));
            i += 2;
        } else if (c >= 0xE0 && c < 0xF0) {
            if (i + 2 >= n || !fortsaettelse(s[i + 1]) || !fortsaettelse(s[i + 2]))
                return ugyldigUtf8;
            const char32_t kp = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            if (kp < 0x800 || (kp >= 0xD800 && kp <= 0xDFFF))
                return ugyldigUtf8;
            ud[o++] = char16_t(kp);
            i += 3;
        } else if (c >= 0xF0 && c < 0xF5) {
            if (i + 3 >= n || !fortsaettelse(s[i + 1]) || !fortsaettelse(s[i + 2]) || !fortsaettelse(s[i + 3]))
                return ugyldigUtf8;
            const char32_t kp =
                ((c & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F);
            if (kp < 0x10000 || kp > 0x10FFFF)
                return ugyldigUtf8;
            ud[o++] = char16_t(0xD800 + ((kp - 0x10000) >> 10));
            ud[o++] = char16_t(0xDC00 + ((kp - 0x10000) & 0x3FF));
            i += 4;
        } else {
            return ugyldigUtf8;
        }
    }
    return o;
}
