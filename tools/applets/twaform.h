#pragma once

#include <QString>
#include <QWidget>

class Tmainform;

// Starts a script of appletsDir that opens one of the desktop's settings pages: a missing file
// gives the message of code 2; the script asked with "--tjek" first (run directly, three seconds
// at most) and, when it says nothing here can open the page, its message instead of a start;
// else the file is handed to the "open" verb, a failure through ErrorInfo.
void runApplets(Tmainform& main, const QString& name);

// The window "Window Applets": twenty buttons in five groups, each starting its script, and the
// help page "Applets2.html" beside them. Always a maximised child window.
class TwaForm : public QWidget {
    Q_OBJECT
public:
    explicit TwaForm(Tmainform& main);

    struct Applet {
        const char* knap;
        const char* tekst;
        const char* hint;
        const char* script;
    };
    // The buttons, group by group.
    static const QList<QList<Applet>>& grupper();

private:
    Tmainform& main;
};

void registrerApplets(Tmainform& main);
