#pragma once

#include <QHash>
#include <QImage>
#include <QSize>

class QPainter;

// How a picture list serves the fields: btUnikSimpel, field i of a page starting at StartNr
// shows list picture StartNr + i.
enum TBitmapType { btIngen, btUnikSimpel };

// The picture list of a grid: pictures by number, kept within a memory budget that the panel
// using it manages (it drops the pictures far from what is shown and makes them again).
class TBitmapX {
public:
    TBitmapType Type = btUnikSimpel;
    // Real dimensions: pictures keep their proportions inside the picture size.
    bool RealDim = true;
    QSize Stoerrelse = QSize(16, 16);
    qint64 Budget = qint64(256) << 20;

    void Tilfoej(int nr, const QImage& billede);
    void Fjern(int nr);
    void Ryd();
    bool Har(int nr) const { return billeder.contains(nr); }
    QList<int> Numre() const { return billeder.keys(); }
    qint64 Bytes() const { return bytes; }
    bool OverBudget() const { return bytes > Budget; }

    // Draws picture nr with its top-left corner at pos: normal, or blended for an inactive field.
    // False when the list does not hold it.
    bool Tegn(QPainter& p, int nr, QPoint pos, bool aktiv) const;

private:
    QHash<int, QImage> billeder;
    qint64 bytes = 0;
};
