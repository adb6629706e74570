#include "billeddata.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <turbojpeg.h>

namespace billeddata {

QByteArray foto(int bredde, int hoejde, int kvalitet, bool progressiv, unsigned froe)
{
    // Soft gradients with noise on top, as a photograph in poor light.
    std::vector<unsigned char> pixels(size_t(bredde) * hoejde * 3);
    unsigned x32 = froe * 2654435761u + 1;
    for (int y = 0; y < hoejde; ++y)
        for (int x = 0; x < bredde; ++x) {
            x32 ^= x32 << 13;
            x32 ^= x32 >> 17;
            x32 ^= x32 << 5;
            const int stoej = int(x32 & 31) - 16;
            unsigned char* p = &pixels[(size_t(y) * bredde + x) * 3];
            p[0] = (unsigned char)std::clamp(x * 255 / bredde + stoej, 0, 255);
            p[1] = (unsigned char)std::clamp(y * 255 / hoejde + stoej, 0, 255);
            p[2] = (unsigned char)std::clamp(int((froe * 37) % 256) + stoej, 0, 255);
        }
    tjhandle h = tjInitCompress();
    unsigned char* ud = nullptr;
    unsigned long laengde = 0;
    tjCompress2(h, pixels.data(), bredde, 0, hoejde, TJPF_RGB, &ud, &laengde, TJSAMP_420, kvalitet,
                progressiv ? TJFLAG_PROGRESSIVE : 0);
    QByteArray data(reinterpret_cast<const char*>(ud), qsizetype(laengde));
    tjFree(ud);
    tjDestroy(h);
    return data;
}

QStringList sikrFotos(const QString& mappe, int antal, int bredde, int hoejde, int progressive)
{
    QDir().mkpath(mappe);
    QStringList stier;
    for (int i = 0; i < antal; ++i) {
        const QString sti = mappe + QStringLiteral("/foto%1.jpg").arg(i, 4, 10, QChar(u'0'));
        if (!QFile::exists(sti)) {
            QFile fil(sti);
            if (fil.open(QIODevice::WriteOnly))
                fil.write(foto(bredde, hoejde, 92, i < progressive, unsigned(i + 1)));
        }
        stier << sti;
    }
    return stier;
}

void sikrAndre(const QString& mappe, int bmp, int ico, int png)
{
    QDir().mkpath(mappe);
    const auto skriv = [&](const QString& navn, QSize s, const char* format, int i) {
        const QString sti = mappe + u'/' + navn;
        if (QFile::exists(sti))
            return;
        QImage billede(s, QImage::Format_ARGB32);
        billede.fill(QColor(40 + i * 20, 90, 160, 255));
        QPainter p(&billede);
        p.setBrush(QColor(250, 200, 0, 180));
        p.drawEllipse(QRect(QPoint(0, 0), s).adjusted(s.width() / 8, s.height() / 8, -s.width() / 8, -s.height() / 8));
        p.end();
        billede.save(sti, format);
    };
    for (int i = 0; i < bmp; ++i)
        skriv(QStringLiteral("tegning%1.bmp").arg(i), QSize(1920, 1080), "BMP", i);
    for (int i = 0; i < ico; ++i)
        skriv(QStringLiteral("ikon%1.ico").arg(i), QSize(256, 256), "ICO", i);
    for (int i = 0; i < png; ++i)
        skriv(QStringLiteral("skaerm%1.png").arg(i), QSize(800, 600), "PNG", i);
}

double topRssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linje : status.readAll().split('\n'))
        if (linje.startsWith("VmHWM:"))
            return linje.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

}  // namespace billeddata
