#include "app/returnknap.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>

bool ReturnKnap::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* tast = static_cast<QKeyEvent*>(event);
    if ((tast->key() != Qt::Key_Return && tast->key() != Qt::Key_Enter) || tast->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto* knap = qobject_cast<QAbstractButton*>(objekt);
    if (!knap || !knap->isEnabled() || qobject_cast<QDialog*>(knap->window()))
        return false;
    knap->animateClick();
    return true;
}
