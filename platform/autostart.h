#pragma once

#include <QString>

namespace platform {

// Writes a desktop entry at entryPath that starts program when the user logs in. An existing
// file at entryPath is left as it is (and false returned).
bool writeAutostartEntry(const QString& entryPath, const QString& program);

// The Exec value of a desktop entry that runs program with no arguments.
QString desktopExecValue(const QString& program);

}  // namespace platform
