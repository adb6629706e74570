#include "tools/galleri/galfarver.h"

const QList<GalFarve>& galFarver()
{
    static const QList<GalFarve> farver = {
        {"m01", "Beige", QColor(192, 192, 128)},     {"m02", "Bleggrøn", QColor(192, 220, 192)},
        {"m03", "Blå", QColor(0, 0, 155)},            {"m04", "Blågrøn", QColor(0, 192, 192)},
        {"m05", "Grå", QColor(160, 160, 160)},        {"m06", "Grøn", QColor(0, 128, 0)},
        {"m07", "Gul", QColor(255, 255, 0)},          {"m08", "Himmelblå", QColor(166, 202, 240)},
        {"m09", "Hvid", QColor(255, 255, 255)},       {"m10", "Karry", QColor(192, 192, 0)},
        {"m11", "Kastanje", QColor(128, 0, 0)},       {"m12", "Lysblå", QColor(0, 128, 255)},
        {"m13", "Lysbrun", QColor(192, 128, 0)},      {"m14", "Mørkblå", QColor(0, 0, 128)},
        {"m15", "Mørkgrå", QColor(128, 128, 128)},    {"m16", "Oliven", QColor(128, 128, 0)},
        {"m17", "Orange", QColor(255, 128, 0)},       {"m18", "Rød", QColor(255, 0, 0)},
        {"m19", "Sølvgrå", QColor(192, 192, 192)},    {"m20", "Turkis", QColor(0, 128, 128)},
    };
    return farver;
}

QColor galFarve(int index)
{
    return index >= 0 && index < galFarver().size() ? galFarver()[index].farve : QColor(Qt::transparent);
}

QColor bjaelkeFarve(const QColor& baggrund)
{
    return QColor(255 - baggrund.red(), (255 - baggrund.green()) | 128, 255);
}
