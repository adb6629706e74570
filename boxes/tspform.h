#pragma once

#include "boxes/tboksform.h"

class QCheckBox;

// The question box "Spørgsmål": a text, "Ja" (accepted) and "Nej" (rejected), and the check box
// "Gør det samme med alle", whose visibility only the callers change.
class Tspform : public TBoksform {
    Q_OBJECT
public:
    static constexpr int alleCheckHeight = 23;

    explicit Tspform(QWidget* mainWindow);

    // Sets the text, shows the box modally and tells whether the answer was "Ja".
    bool spoerg(const QString& tekst);

    QCheckBox* alleCheck() const { return alle; }

protected:
    int tilfoejetHoejde() const override;
    void foerVisning() override;

private:
    QCheckBox* alle;
};
