#pragma once

#include <QString>

// The application's id: it names the desktop file, the icon and the metadata of the package, and
// the desktop knows the program's notifications and windows by it.
inline const QString applikationsId = QStringLiteral("dk.qvmmirvel.qvmMirvel");
