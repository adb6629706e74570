#include "controls/exif.h"

#include <QTransform>
#include <cstring>

namespace {

// Reads 16 and 32-bit numbers of a TIFF block in its own byte order, every access checked.
class TiffLaeser {
public:
    TiffLaeser(const uchar* data, qsizetype laengde, bool intel) : data(data), laengde(laengde), intel(intel) {}

    bool u16(qsizetype pos, quint32& ud) const
    {
        if (pos < 0 || pos + 2 > laengde)
            return false;
        ud = intel ? data[pos] | data[pos + 1] << 8 : data[pos] << 8 | data[pos + 1];
        return true;
    }
    bool u32(qsizetype pos, quint32& ud) const
    {
        quint32 a, b;
        if (!u16(pos, a) || !u16(pos + 2, b))
            return false;
        ud = intel ? a | b << 16 : a << 16 | b;
        return true;
    }

private:
    const uchar* data;
    qsizetype laengde;
    bool intel;
};

int orienteringITiff(const uchar* tiff, qsizetype laengde)
{
    if (laengde < 8 || !((tiff[0] == 'I' && tiff[1] == 'I') || (tiff[0] == 'M' && tiff[1] == 'M')))
        return 1;
    const TiffLaeser laeser(tiff, laengde, tiff[0] == 'I');
    quint32 ifd, antal;
    if (!laeser.u32(4, ifd) || !laeser.u16(ifd, antal))
        return 1;
    for (quint32 i = 0; i < antal; ++i) {
        const qsizetype post = qsizetype(ifd) + 2 + qsizetype(i) * 12;
        quint32 tag, vaerdi;
        if (!laeser.u16(post, tag))
            return 1;
        if (tag == 0x0112)
            return laeser.u16(post + 8, vaerdi) && vaerdi >= 1 && vaerdi <= 8 ? int(vaerdi) : 1;
    }
    return 1;
}

}  // namespace

int exifOrientering(const QByteArray& jpeg)
{
    const auto* d = reinterpret_cast<const uchar*>(jpeg.constData());
    const qsizetype n = jpeg.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return 1;
    // Walk the markers before the picture data; EXIF lives in an APP1 segment.
    qsizetype pos = 2;
    while (pos + 4 <= n && d[pos] == 0xFF) {
        const uchar marker = d[pos + 1];
        if (marker == 0xDA || marker == 0xD9)
            break;
        const qsizetype laengde = d[pos + 2] << 8 | d[pos + 3];
        if (laengde < 2 || pos + 2 + laengde > n)
            break;
        const uchar* segment = d + pos + 4;
        if (marker == 0xE1 && laengde >= 8 && memcmp(segment, "Exif\0\0", 6) == 0)
            return orienteringITiff(segment + 6, laengde - 8);
        pos += 2 + laengde;
    }
    return 1;
}

QImage retOp(const QImage& billede, int orientering)
{
    QTransform t;
    switch (orientering) {
    case 2: return billede.mirrored(true, false);
    case 3: t.rotate(180); break;
    case 4: return billede.mirrored(false, true);
    case 5: t.rotate(90); return billede.transformed(t).mirrored(true, false);
    case 6: t.rotate(90); break;
    case 7: t.rotate(90); return billede.mirrored(true, false).transformed(t);
    case 8: t.rotate(-90); break;
    default: return billede;
    }
    return billede.transformed(t);
}
