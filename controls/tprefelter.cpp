#include "controls/tprefelter.h"

#include "controls/trammex.h"

#include <QPaintEvent>
#include <QPainter>

TPreFelter::TPreFelter(QWidget* parent) : QWidget(parent), Baggrund(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TPreFelter::Klient() const
{
    const int ind = (RammeYdre ? RammeYdre->Bredde : 0) + (RammeIndre ? RammeIndre->Bredde : 0);
    return rect().adjusted(ind, ind, -ind, -ind);
}

void TPreFelter::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), Baggrund);
    QRect r = rect();
    for (TRammeX* ramme : {RammeYdre, RammeIndre}) {
        if (!ramme)
            continue;
        ramme->KunRamme(p, r);
        r.adjust(ramme->Bredde, ramme->Bredde, -ramme->Bredde, -ramme->Bredde);
    }
    tegnIndhold(p, event->rect());
}

void TPreFelter::tegnIndhold(QPainter&, const QRect&) {}
