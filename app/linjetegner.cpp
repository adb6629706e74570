#include "app/linjetegner.h"

#include <QPainter>
#include <algorithm>

Linjetegner::Linjetegner(Maerke maerke, QColor farve, int linjehoejde, QObject* parent)
    : QStyledItemDelegate(parent), maerke(maerke), farve(farve), linjehoejde(linjehoejde)
{
}

void Linjetegner::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(r, valgt ? option.palette.highlight() : option.palette.base());
    const QRect maerkeRamme(r.left() + 2, r.top() + 5, 10, 10);
    if (maerke == Maerke::Firkant) {
        painter->fillRect(maerkeRamme, farve);
    } else {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(farve);
        painter->setBrush(farve);
        painter->drawEllipse(maerkeRamme.adjusted(0, 0, -1, -1));
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    painter->setPen(valgt ? option.palette.highlightedText().color() : option.palette.text().color());
    painter->drawText(r.adjusted(14, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->setPen(QColor(192, 192, 192));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}

QSize Linjetegner::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width() + 14, linjehoejde > 0 ? linjehoejde : std::max(size.height() + 2, 18)};
}
