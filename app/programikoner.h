#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// The icons of the programs of the program list. A desktop entry shows its own icon; an
// executable the icon of the one installed application that runs it, found in an index of all
// installed applications made once; any other program the theme's icon of an executable; a
// program that is gone an empty picture.
class Programikoner {
public:
    Programikoner();
    QIcon ikon(const QString& programfil) const;

    // An icon of the theme by name, or from its file when the name is a path.
    static QIcon temaIkon(const QString& navn);

private:
    QHash<QString, QString> efterProgram;
};
