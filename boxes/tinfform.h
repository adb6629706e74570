#pragma once

#include "boxes/tboksform.h"

// The information box "Information": a text and the button "OK".
class Tinfform : public TBoksform {
    Q_OBJECT
public:
    explicit Tinfform(QWidget* mainWindow);

    // Sets the text and shows the box modally.
    void sig(const QString& tekst);
};
