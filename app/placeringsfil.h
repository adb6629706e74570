#pragma once

#include <QList>
#include <QString>

// The place file of a tool window holds its place lines (left and top, for some windows height
// and width too), which the main window reads and writes for a window of its own; the line after
// them is the window's own. placering gives the place lines' defaults.

// The window's own line as a number, or standard when the file is missing or shorter.
int egenPlaceringslinje(const QString& fil, const QList<int>& placering, int standard);
// Writes the window's own line after the place lines: those in the file, or their defaults.
void gemEgenPlaceringslinje(const QString& fil, const QList<int>& placering, int vaerdi);
