#include "app/handlingsregler.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

Handlingsregler::Handlingsregler(QWidget* vindue)
    : QObject(vindue)
    , vindue(vindue)
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &Handlingsregler::opdaterSenere);
}

void Handlingsregler::tilfoej(QAction* action, std::function<bool()> Update)
{
    regler.append([action, Update] { action->setEnabled(Update()); });
    connect(action, &QAction::triggered, this, &Handlingsregler::opdaterSenere);
}

QAction* Handlingsregler::handling(const char* navn, const QString& tekst, const QString& hint,
                                   std::function<bool()> Update)
{
    auto* action = new QAction(tekst, vindue);
    action->setObjectName(QLatin1String(navn));
    action->setToolTip(hint);
    tilfoej(action, std::move(Update));
    return action;
}

QAction* Handlingsregler::handling(const char* navn, const QString& tekst, const QString& hint,
                                   std::function<void()> udfoer, std::function<bool()> Update)
{
    QAction* action = handling(navn, tekst, hint, std::move(Update));
    connect(action, &QAction::triggered, vindue, std::move(udfoer));
    return action;
}

void Handlingsregler::tilfoej(std::function<void()> Update) { regler.append(std::move(Update)); }

void Handlingsregler::opdaterSenere()
{
    if (ventende)
        return;
    ventende = true;
    QTimer::singleShot(0, this, &Handlingsregler::opdaterNu);
}

void Handlingsregler::opdaterNu()
{
    ventende = false;
    for (const auto& regel : std::as_const(regler))
        regel();
}

void Handlingsregler::opdaterFraTraad()
{
    QPointer<Handlingsregler> self(this);
    QThreadPool::globalInstance()->start([self] {
        // A call to rules that are gone meanwhile is dropped by the event loop, releasing the task.
        if (self && !QCoreApplication::closingDown())
            QMetaObject::invokeMethod(self.data(), &Handlingsregler::opdaterNu, Qt::BlockingQueuedConnection);
    });
}

bool Handlingsregler::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && (widget == vindue || vindue->isAncestorOf(widget)))
            opdaterSenere();
        break;
    default:
        break;
    }
    return false;
}
