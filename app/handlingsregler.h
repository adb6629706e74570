#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QWidget;

// The enable rules of one window's actions. Each action has an update handler that tells
// whether it is enabled; after input in the window, focus changes and finished commands all
// handlers run once, coalesced into one pass at the next turn of the event loop. A window where
// nothing happens runs none.
class Handlingsregler : public QObject {
    Q_OBJECT
public:
    explicit Handlingsregler(QWidget* vindue);

    void tilfoej(QAction* action, std::function<bool()> Update);
    // A new action of the window with its object name, caption and hint, enabled by its handler.
    QAction* handling(const char* navn, const QString& tekst, const QString& hint, std::function<bool()> Update);
    // The same, doing udfoer when triggered.
    QAction* handling(const char* navn, const QString& tekst, const QString& hint, std::function<void()> udfoer,
                      std::function<bool()> Update);
    // A handler that sets more than the enabled state (a check mark, another control).
    void tilfoej(std::function<void()> Update);
    // Asks for a pass at the next turn of the event loop; several requests give one pass.
    void opdaterSenere();
    // Runs every handler now.
    void opdaterNu();
    // Starts a task on the shared thread pool whose only work is to ask the user-interface
    // thread, and wait for it, to run every handler. Nothing waits for the task.
    void opdaterFraTraad();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* vindue;
    QList<std::function<void()>> regler;
    bool ventende = false;
};
