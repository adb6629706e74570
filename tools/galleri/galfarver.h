#pragma once

#include <QColor>
#include <QList>

// The gallery's field colours as its menu lists them.
struct GalFarve {
    const char* menu;  // the menu item's name, m01 to m20
    const char* tekst;
    QColor farve;
};
const QList<GalFarve>& galFarver();

// The colour of an index of the table; any other index gives no colour (transparent).
QColor galFarve(int index);

// The progress bar's colour on a field colour: red and green turned over, green's bit of 128
// set, full blue, so the bar stands out from its background.
QColor bjaelkeFarve(const QColor& baggrund);
