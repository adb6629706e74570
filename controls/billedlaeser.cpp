#include "controls/billedlaeser.h"

#include "controls/billedfil.h"
#include "controls/exif.h"
#include "controls/feltgitter.h"
#include "core/mappelaeser.h"
#include "core/pathhelpers.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <initializer_list>
#include <turbojpeg.h>

namespace {

constexpr qint64 stoersteFil = qint64(512) << 20;
// A JPEG whose smallest decoding needs more than this is not decoded at all.
constexpr qint64 stoersteAfkodning = qint64(64) << 20;
constexpr int qtGraense = 128;  // Qt's readers: megabytes they may allocate for one picture
const QColor icoBaggrund(192, 192, 128);

std::atomic_int afkodninger = 0;

bool erJpeg(const QByteArray& data)
{
    return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8 && uchar(data[2]) == 0xFF;
}

QSize opretStoerrelse(QSize lagret, int orientering) { return orientering >= 5 ? lagret.transposed() : lagret; }

// The picture fitted into maks in its stored orientation.
QSize maalIStoerrelse(QSize maks, QSize lagret, int orientering)
{
    const QSize opret = BeregnR(maks, opretStoerrelse(lagret, orientering), 0, false).stoerrelse;
    return orientering >= 5 ? opret.transposed() : opret;
}

QImage formindsk(const QImage& billede, QSize maal)
{
    if (maal.isEmpty() || billede.size() == maal)
        return billede;
    return billede.scaled(maal, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct TjHaandtag {
    tjhandle h = tjInitDecompress();
    ~TjHaandtag() { tjDestroy(h); }
};

// Decodes with TurboJPEG at the smallest scale that covers the box. False when the decoder
// refuses the file (it then goes to Qt's reader); true with fejl set when it is too large.
bool jpegMiniature(const QByteArray& data, QSize maks, Miniature& m)
{
    thread_local TjHaandtag tj;
    if (!tj.h)
        return false;
    const auto* buf = reinterpret_cast<const uchar*>(data.constData());
    int w = 0, h = 0, delproeve = 0, farverum = 0;
    if (tjDecompressHeader3(tj.h, buf, ulong(data.size()), &w, &h, &delproeve, &farverum) != 0 || w <= 0 || h <= 0)
        return false;
    if (farverum == TJCS_CMYK || farverum == TJCS_YCCK)
        return false;
    const int orientering = exifOrientering(data);
    m.original = opretStoerrelse(QSize(w, h), orientering);
    if (qint64((w + 7) / 8) * ((h + 7) / 8) * 4 > stoersteAfkodning)
        return true;
    const QSize maal = maalIStoerrelse(maks, QSize(w, h), orientering);
    if (maal.isEmpty())
        return true;
    int antal = 0;
    const tjscalingfactor* faktorer = tjGetScalingFactors(&antal);
    tjscalingfactor valgt{1, 1};
    for (int i = 0; i < antal; ++i) {
        const tjscalingfactor f = faktorer[i];
        if ((f.num * 8) % f.denom != 0 || f.num > f.denom)
            continue;  // only the DCT scales 1/8 .. 8/8
        const bool daekker = TJSCALED(w, f) >= maal.width() && TJSCALED(h, f) >= maal.height();
        if (daekker && f.num * valgt.denom < valgt.num * f.denom)
            valgt = f;
    }
    QImage billede(TJSCALED(w, valgt), TJSCALED(h, valgt), QImage::Format_RGB32);
    if (billede.isNull())
        return true;
    ++afkodninger;
    // A progressive file of thousands of scans would hold a worker for minutes: it stops at the
    // decoder's limit and is a picture that cannot be read, not one for the slower reader.
    if (tjDecompress2(tj.h, buf, ulong(data.size()), billede.bits(), billede.width(), int(billede.bytesPerLine()),
                      billede.height(), TJPF_BGRX, TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE | TJFLAG_LIMITSCANS)
            != 0
        && tjGetErrorCode(tj.h) != TJERR_WARNING)
        return std::strstr(tjGetErrorStr2(tj.h), "scan") != nullptr;  // a truncated file is a warning: what was decoded is shown
    m.billede = retOp(formindsk(billede, maal), orientering);
    m.fejl = false;
    return true;
}

QImage overIcoBaggrund(const QImage& ikon)
{
    QImage ud(ikon.size(), QImage::Format_RGB32);
    ud.fill(icoBaggrund);
    QPainter p(&ud);
    p.drawImage(0, 0, ikon);
    return ud;
}

// An icon file: its largest picture, transparent pixels over the icon colour. The directory's
// count of pictures is believed only as far as the file has room for their entries (a header of
// 6 bytes, 16 a picture), and the pictures are read up to the first that cannot be: a crafted
// count of thousands would keep the reader busy for nothing.
void icoMiniature(QImageReader& laeser, QSize maks, Miniature& m)
{
    const qint64 plads = (laeser.device()->size() - 6) / 16;
    const qint64 antal = std::max<qint64>(std::min<qint64>(laeser.imageCount(), plads), 1);
    QImage stoerst;
    for (qint64 i = 0; i < antal; ++i) {
        if (i > 0 && !laeser.jumpToImage(int(i)))
            break;
        const QImage billede = laeser.read();
        if (billede.isNull())
            break;
        if (qint64(billede.width()) * billede.height() > qint64(stoerst.width()) * stoerst.height())
            stoerst = billede;
    }
    if (stoerst.isNull())
        return;
    ++afkodninger;
    m.original = stoerst.size();
    m.billede = formindsk(overIcoBaggrund(stoerst), BeregnR(maks, stoerst.size(), 0, false).stoerrelse);
    m.fejl = false;
}

// Qt's readers, choosing by the content: BMP, ICO, a misnamed file, CMYK JPEG.
void qtMiniature(QByteArray data, QSize maks, Miniature& m)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader laeser(&buffer);
    laeser.setAllocationLimit(qtGraense);
    laeser.setAutoTransform(true);
    if (laeser.format() == "ico") {
        icoMiniature(laeser, maks, m);
        return;
    }
    const QSize lagret = laeser.size();
    const QImageIOHandler::Transformations t = laeser.transformation();
    const int orientering = t.testFlag(QImageIOHandler::TransformationRotate90) ? 6 : 1;
    if (lagret.isValid()) {
        m.original = opretStoerrelse(lagret, orientering);
        if (laeser.supportsOption(QImageIOHandler::ScaledSize))
            laeser.setScaledSize(maalIStoerrelse(maks, lagret, orientering));
    }
    QImage billede = laeser.read();
    if (billede.isNull())
        return;
    ++afkodninger;
    if (!lagret.isValid() || !laeser.supportsOption(QImageIOHandler::ScaledSize))
        m.original = billede.size();
    billede = formindsk(billede, BeregnR(maks, billede.size(), 0, false).stoerrelse);
    m.billede = billede.convertToFormat(billede.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    m.fejl = false;
}

struct Billedtype {
    const char* navn;
    TFilType type;  // ftBegge: shown only when every kind is asked for
    std::initializer_list<const char*> endelser;
    bool vedLaeser;  // shown only where one of Qt's image readers reads the kind
};

// The kinds whose pictures can be read here, in the order of their groups.
const QList<const Billedtype*>& laesbareTyper()
{
    static const Billedtype alle[] = {
        {"bmp", ftBmp, {".bmp"}, false},   {"jpg", ftJpg, {".jpg", ".jpeg", ".jpe"}, false},
        {"ico", ftIco, {".ico"}, false},   {"png", ftBegge, {".png"}, true},
        {"gif", ftBegge, {".gif"}, true},  {"webp", ftBegge, {".webp"}, true},
    };
    static const QList<const Billedtype*> laesbare = [] {
        const QList<QByteArray> formater = QImageReader::supportedImageFormats();
        QList<const Billedtype*> typer;
        for (const Billedtype& type : alle)
            if (!type.vedLaeser || formater.contains(type.navn))
                typer.append(&type);
        return typer;
    }();
    return laesbare;
}

}  // namespace

QStringList billedtyper()
{
    QStringList navne;
    for (const Billedtype* type : laesbareTyper())
        navne.append(QLatin1String(type->navn));
    return navne;
}

QString billedtyperTekst()
{
    const QStringList navne = billedtyper();
    if (navne.size() < 2)
        return navne.join(QString());
    return navne.mid(0, navne.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" eller ") + navne.last();
}

QStringList billedfiler(const QString& mappe, TFilType FilType)
{
    LaesValg valg;
    valg.medFiler = true;
    const MappeIndhold indhold = laesMappe(mappe, valg);
    QStringList filer;
    for (const Billedtype* type : laesbareTyper()) {
        if (FilType != ftBegge && FilType != type->type)
            continue;
        for (const StrukturEntry& fil : indhold.filer) {
            const QString ext = filExt(fil.rec.filnavn);
            const auto sammeEndelse = [&ext](const char* endelse) { return sammeTekst(ext, QLatin1String(endelse)); };
            if (std::any_of(type->endelser.begin(), type->endelser.end(), sammeEndelse))
                filer.append(fil.rec.filnavn);
        }
    }
    return filer;
}

Miniature laesMiniature(const QString& sti, QSize maks)
{
    const std::optional<QByteArray> data = laesRegulaerFil(sti, stoersteFil);
    return data ? miniatureAfIndhold(*data, maks) : Miniature();
}

Miniature miniatureAfIndhold(const QByteArray& data, QSize maks)
{
    Miniature m;
    if (data.isEmpty())
        return m;
    if (erJpeg(data) && jpegMiniature(data, maks, m))
        return m;
    qtMiniature(data, maks, m);
    return m;
}

int antalAfkodninger() { return afkodninger; }
