#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <optional>

#include "platform/desktopapps.h"

class QFileInfo;

// The icons of the programs of the program list. A desktop entry shows its own icon; an
// executable the icon of the one installed application that runs it, found in an index of all
// installed applications made once; any other program the theme's icon of an executable; a
// program that is gone an empty picture.
class Programikoner {
public:
    Programikoner();
    QIcon ikon(const QString& programfil);

private:
    // The icon the installed applications give an executable, by its path as they name it, or
    // else with every link resolved (made on the first need, as it looks at every file).
    QString ikonnavn(const QFileInfo& fil);

    QList<platform::ProgramIkon> installerede;
    QHash<QString, QString> efterSti;
    std::optional<QHash<QString, QString>> efterKanoniskSti;
};
