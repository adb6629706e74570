#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Tooltips ("hints") of whole windows on or off. Installed on the application, it swallows the
// tooltip events of every widget in a window whose hints are off; the hint texts still reach
// the status line through the status tips.
class HintFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void saet(QWidget* vindue, bool vis);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QWidget>> udenHints;
};
