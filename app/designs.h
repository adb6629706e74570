#pragma once

#include <QString>
#include <QStringList>

// The visual styles: the platform's plain look "Windows" and nine styles of the program's own,
// each a palette and a style sheet kept zlib-compressed among the program's resources.
QStringList designNavne();

// Applies a style to the whole program; false, and nothing changed, for a name it does not know.
bool anvendDesignNavn(const QString& navn);
