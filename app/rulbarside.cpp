#include "app/rulbarside.h"

#include <QScrollArea>
#include <QTabWidget>

QScrollArea* rulbarSide(QWidget* side)
{
    auto* area = new QScrollArea(side->parentWidget());
    area->setObjectName(side->objectName() + QStringLiteral("Rul"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(side);
    area->viewport()->setAutoFillBackground(false);
    side->setAutoFillBackground(false);
    return area;
}

QWidget* bogside(const QTabWidget* book, int index)
{
    auto* area = qobject_cast<QScrollArea*>(book->widget(index));
    return area ? area->widget() : nullptr;
}
