#include "app/afkortettekst.h"

#include <QEvent>

Afkortettekst::Afkortettekst(const char* navn, Qt::TextElideMode maade, QWidget* parent) : QLabel(parent), maade(maade)
{
    setObjectName(QLatin1String(navn));
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void Afkortettekst::setHeleTekst(const QString& tekst)
{
    hele = tekst;
    afkort();
    updateGeometry();
}

QSize Afkortettekst::sizeHint() const
{
    const QMargins kant = contentsMargins();
    return {fontMetrics().horizontalAdvance(hele) + 2 * margin() + kant.left() + kant.right(),
            fontMetrics().height() + 2 * margin() + kant.top() + kant.bottom() + 2};
}

QSize Afkortettekst::minimumSizeHint() const { return {0, sizeHint().height()}; }

void Afkortettekst::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    afkort();
}

void Afkortettekst::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        afkort();
}

void Afkortettekst::afkort()
{
    // Not laid out yet: whole, until it has its width.
    const int bredde = contentsRect().width() - 2 * margin();
    const QString vist = bredde > 0 ? fontMetrics().elidedText(hele, maade, bredde) : hele;
    setText(vist);
    setToolTip(vist == hele ? QString() : hele);
}
