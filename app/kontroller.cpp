#include "app/kontroller.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPushButton>

QPushButton* tekstknap(const char* navn, const QString& tekst, const QString& hint, QWidget* parent)
{
    auto* knap = new QPushButton(tekst, parent);
    knap->setObjectName(QLatin1String(navn));
    knap->setToolTip(hint);
    return knap;
}

QPushButton* knapFor(QAction* action, const QString& tekst, const QString& hint, QWidget* parent)
{
    QPushButton* knap = tekstknap("", tekst, hint, parent);
    knap->setEnabled(action->isEnabled());
    QObject::connect(knap, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, knap, &QPushButton::setEnabled);
    return knap;
}

QPushButton* knapFor(QAction* action, QWidget* parent)
{
    QPushButton* knap = knapFor(action, action->text(), action->toolTip(), parent);
    QObject::connect(action, &QAction::changed, knap, [knap, action] {
        knap->setText(action->text());
        knap->setToolTip(action->toolTip());
    });
    return knap;
}

void lukVindue(QWidget* vindue)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(vindue->parentWidget()))
        sub->close();
    else
        vindue->close();
}
