#include "app/traelinjer.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

void TraeLinjer::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element == PE_IndicatorBranch && widget && widget->property("medLinjer").toBool()) {
        const QRect r = option->rect;
        const QPoint midte = r.center();
        painter->save();
        QPen pen(option->palette.color(QPalette::Dark));
        pen.setStyle(Qt::DotLine);
        painter->setPen(pen);
        // The vertical line runs on to a sibling below; the last item's line ends at the item.
        if (option->state & State_Sibling)
            painter->drawLine(midte.x(), r.top(), midte.x(), r.bottom());
        if (option->state & State_Item) {
            if (!(option->state & State_Sibling))
                painter->drawLine(midte.x(), r.top(), midte.x(), midte.y());
            painter->drawLine(midte.x(), midte.y(), r.right(), midte.y());
        }
        painter->restore();
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void visLinjer(QWidget* tree, bool medLinjer)
{
    tree->setProperty("medLinjer", medLinjer);
    if (auto* view = qobject_cast<QAbstractItemView*>(tree))
        view->viewport()->update();
}
