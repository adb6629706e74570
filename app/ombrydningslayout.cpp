#include "app/ombrydningslayout.h"

#include <QWidget>

Ombrydningslayout::Ombrydningslayout(QWidget* parent, int afstand) : QLayout(parent), afstand(afstand)
{
    setContentsMargins(0, 0, 0, 0);
}

Ombrydningslayout::~Ombrydningslayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void Ombrydningslayout::addItem(QLayoutItem* item) { items.append(item); }

QLayoutItem* Ombrydningslayout::takeAt(int index)
{
    return index >= 0 && index < items.size() ? items.takeAt(index) : nullptr;
}

int Ombrydningslayout::heightForWidth(int width) const { return lagUd(QRect(0, 0, width, 0), false); }

QSize Ombrydningslayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items)
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

// One row of everything, as wide as that takes.
QSize Ombrydningslayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items) {
        if (item->isEmpty())
            continue;
        width += (width > 0 ? afstand : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void Ombrydningslayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    lagUd(rect, true);
}

int Ombrydningslayout::lagUd(const QRect& rect, bool placer) const
{
    const QRect inde = rect.marginsRemoved(contentsMargins());
    int x = inde.x();
    int y = inde.y();
    int raekkehoejde = 0;
    QList<QLayoutItem*> raekke;
    // A row's items stand centred on its height.
    const auto afslut = [&] {
        if (placer)
            for (QLayoutItem* item : raekke) {
                QRect g = item->geometry();
                g.moveTop(y + (raekkehoejde - g.height()) / 2);
                item->setGeometry(g);
            }
        raekke.clear();
    };
    for (QLayoutItem* item : items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (!raekke.isEmpty() && x + hint.width() > inde.right() + 1) {
            afslut();
            x = inde.x();
            y += raekkehoejde + afstand;
            raekkehoejde = 0;
        }
        if (placer)
            item->setGeometry(QRect(QPoint(x, y), hint));
        raekke.append(item);
        x += hint.width() + afstand;
        raekkehoejde = std::max(raekkehoejde, hint.height());
    }
    afslut();
    const QMargins m = contentsMargins();
    return y + raekkehoejde - rect.y() + m.bottom();
}

QWidget* ombrudtRaekke(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* raekke = new QWidget(parent);
    auto* layout = new Ombrydningslayout(raekke);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return raekke;
}
