#pragma once

#include <QString>

// What an engine tells or asks the user. The main window answers through its information box
// and question box; the engine never shows a window itself.
class Beskeder {
public:
    // What the question box does with its check box "Gør det samme med alle" before it asks.
    enum class AlleCheck { Skjul, Vis, Uaendret };
    struct Svar {
        bool ja = false;
        bool alle = false;  // the check box's state after the answer
    };

    virtual ~Beskeder() = default;
    virtual void sig(const QString& tekst) = 0;
    virtual Svar spoerg(const QString& tekst, AlleCheck alleCheck) = 0;
};
