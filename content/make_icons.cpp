// Makes the icons of the information window, "<name>_ikon.ico" in the folder given: the kinds
// of file the window names and the fall-backs "film", "musik", "billeder" and "ukendt".
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
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
        const QString fil = QString::fromLocal8Bit(argv[1]) + u'/' + QLatin1String(ikon.navn) + QStringLiteral("_ikon.ico");
        if (!billede.save(fil, "ICO")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(fil));
            return 1;
        }
    }
    return 0;
}
