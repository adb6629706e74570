// Makes the icons of the information window, "<name>_ikon.ico" in the folder given: the kinds
// of file the window names and the fall-backs "film", "musik", "billeder" and "ukendt"; and the
// program's own mark, "<id>.png" there, and, with --hicolor, in the theme's sizes below a folder.
#include "platform/applikationsid.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// The program's mark: a folder on a blue tile, with a small magnifying glass.
QImage maerke(int n)
{
    QImage billede(n, n, QImage::Format_ARGB32);
    billede.fill(Qt::transparent);
    QPainter maler(&billede);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(n / 64.0, n / 64.0);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0x2a, 0x6f, 0xb0));
    maler.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath mappe;
    mappe.moveTo(12, 20);
    mappe.lineTo(26, 20);
    mappe.lineTo(30, 25);
    mappe.lineTo(52, 25);
    mappe.lineTo(52, 48);
    mappe.lineTo(12, 48);
    mappe.closeSubpath();
    maler.setBrush(QColor(0xf7, 0xd3, 0x5c));
    maler.drawPath(mappe);
    maler.setPen(QPen(Qt::white, 4));
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(QPointF(36, 36), 7, 7);
    maler.drawLine(QPointF(41, 41), QPointF(48, 48));
    return billede;
}

bool gem(const QImage& billede, const QString& fil, const char* format)
{
    if (billede.save(fil, format))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(fil));
    return false;
}

int filtypeIkoner(const QString& mappe)
{
    struct Ikon {
        const char* navn;
        const char* tekst;
        QColor farve;
    };
    const Ikon ikoner[] = {
        {"ukendt", "?", QColor(0x80, 0x80, 0x80)},  {"film", "FILM", QColor(0xc0, 0x30, 0x30)},
        {"musik", "MUS", QColor(0x80, 0x30, 0xb0)}, {"billeder", "BILL", QColor(0x20, 0x90, 0x40)},
        {"txt", "TXT", QColor(0x30, 0x60, 0xc0)},   {"html", "HTML", QColor(0xe0, 0x70, 0x10)},
        {"htm", "HTM", QColor(0xe0, 0x70, 0x10)},   {"asp", "ASP", QColor(0xe0, 0x70, 0x10)},
        {"js", "JS", QColor(0xc0, 0xa0, 0x00)},     {"vbs", "VBS", QColor(0xc0, 0xa0, 0x00)},
        {"css", "CSS", QColor(0x20, 0x80, 0xa0)},   {"wsf", "WSF", QColor(0xc0, 0xa0, 0x00)},
        {"inc", "INC", QColor(0xe0, 0x70, 0x10)},   {"bat", "BAT", QColor(0x40, 0x40, 0x40)},
        {"pas", "PAS", QColor(0x60, 0x40, 0x20)},   {"lnk", "LNK", QColor(0x30, 0x90, 0x90)},
    };
    for (const Ikon& ikon : ikoner) {
        QImage billede(32, 32, QImage::Format_ARGB32);
        billede.fill(Qt::transparent);
        QPainter maler(&billede);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setBrush(ikon.farve);
        maler.setPen(ikon.farve.darker(140));
        maler.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 4, 4);
        QFont font = maler.font();
        font.setPixelSize(qstrlen(ikon.tekst) > 3 ? 8 : 10);
        font.setBold(true);
        maler.setFont(font);
        maler.setPen(Qt::white);
        maler.drawText(billede.rect(), Qt::AlignCenter, QString::fromLatin1(ikon.tekst));
        maler.end();
        if (!gem(billede, mappe + u'/' + QLatin1String(ikon.navn) + QStringLiteral("_ikon.ico"), "ICO"))
            return 1;
    }
    return gem(maerke(256), mappe + u'/' + applikationsId + QStringLiteral(".png"), "PNG") ? 0 : 1;
}

int temaIkoner(const QString& rod)
{
    for (const int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString mappe = rod + QStringLiteral("/%1x%1/apps").arg(n);
        QDir().mkpath(mappe);
        if (!gem(maerke(n), mappe + u'/' + applikationsId + QStringLiteral(".png"), "PNG"))
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool hicolor = argc == 3 && qstrcmp(argv[1], "--hicolor") == 0;
    if (argc != 2 && !hicolor) {
        std::fprintf(stderr, "usage: make_icons FOLDER | make_icons --hicolor FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return hicolor ? temaIkoner(QString::fromLocal8Bit(argv[2])) : filtypeIkoner(QString::fromLocal8Bit(argv[1]));
}
