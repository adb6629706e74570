#include "app/hintfilter.h"

#include <QEvent>
#include <QWidget>

void HintFilter::saet(QWidget* vindue, bool vis)
{
    udenHints.removeAll(nullptr);
    udenHints.removeAll(vindue);
    if (!vis)
        udenHints.append(vindue);
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    for (const QPointer<QWidget>& vindue : udenHints)
        if (vindue && (vindue == widget || vindue->isAncestorOf(widget)))
            return true;
    return false;
}
