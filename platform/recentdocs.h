#pragma once

#include <QString>

namespace platform {

// The desktop's recent documents: the freedesktop.org bookmark file "recently-used.xbel" in the
// user's data folder. Every change replaces the file in one step and keeps other programs'
// entries as they are.

// Adds fil as used now (an entry already there only gets its times renewed); false when the list
// could not be written.
bool tilfoejSenesteDokument(const QString& fil);

// Empties the list; false when it could not be written.
bool rydSenesteDokumenter();

}  // namespace platform
