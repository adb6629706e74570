#include "controls/tbitmapx.h"

#include <QPainter>

void TBitmapX::Tilfoej(int nr, const QImage& billede)
{
    Fjern(nr);
    billeder.insert(nr, billede);
    bytes += billede.sizeInBytes();
}

void TBitmapX::Fjern(int nr)
{
    const auto fundet = billeder.find(nr);
    if (fundet == billeder.end())
        return;
    bytes -= fundet->sizeInBytes();
    billeder.erase(fundet);
}

void TBitmapX::Ryd()
{
    billeder.clear();
    bytes = 0;
}

bool TBitmapX::Tegn(QPainter& p, int nr, QPoint pos, bool aktiv) const
{
    if (Type == btIngen)
        return false;
    const auto fundet = billeder.constFind(nr);
    if (fundet == billeder.constEnd())
        return false;
    p.save();
    if (!aktiv)
        p.setOpacity(0.5);
    p.drawImage(pos, *fundet);
    p.restore();
    return true;
}
