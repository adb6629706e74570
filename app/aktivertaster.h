#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <functional>

// Runs an action when Enter, Return or Space is pressed in the watched view.
class AktiverTaster : public QObject {
public:
    AktiverTaster(QWidget* view, std::function<void()> aktiver) : QObject(view), aktiver(std::move(aktiver))
    {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        aktiver();
        return true;
    }

private:
    std::function<void()> aktiver;
};
