#include "controls/tprogresscompo.h"

#include <QPainter>

TProgressCompo::TProgressCompo(QWidget* parent) : QWidget(parent), Color(palette().color(QPalette::Base)) {}

void TProgressCompo::setPosition(int pos)
{
    const int ny = std::clamp(pos, Min, std::max(Min, Max));
    const bool krydser = trin(ny) != trin(position);
    position = ny;
    if (!krydser)
        return;
    update();
    Q_EMIT OnProgress(position);
}

void TProgressCompo::setTekst(const QString& t)
{
    tekst = t;
    update();
}

void TProgressCompo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Color);
    const int spaend = std::max(1, Max - Min);
    // The bar stands still between steps.
    const int vist = Trin > 0 ? Min + trin(position) * Trin : position;
    p.fillRect(QRect(0, 0, width() * (vist - Min) / spaend, height()), ColorStep);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, tekst);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
