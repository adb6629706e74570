#pragma once

#include "core/ikonslots.h"

#include <QIcon>

// The pictures behind the trees' icon slots: the desktop's icon theme, with a built-in picture
// where the theme has none.
namespace ikoner {

QIcon mappeIkon(int slot);
QIcon filIkon(int slot);

}  // namespace ikoner
