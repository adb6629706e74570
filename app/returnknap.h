#pragma once

#include <QObject>

// Return and Enter press the button that has the keyboard focus (the one that gets the keys), as Space does, also outside a
// dialog (where a dialog's own default button rule already does it).
class ReturnKnap : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;
};
