#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <optional>

namespace platform {

// The names listed in a folder's ".hidden" file, one per line, as the desktops' file managers
// keep it.
QSet<QByteArray> skjulteNavne(const QByteArray& mappe);

// Hidden: the name starts with "." or stands in the folder's ".hidden" file.
bool erSkjult(const QString& sti);
// Hides or shows an element through its folder's ".hidden" file; 0, or the system's error code
// (EINVAL for a name that starts with "." and so cannot be shown without a new name).
int saetSkjult(const QString& sti, bool skjult);

// Read-only: no write permission for anybody.
bool erSkrivebeskyttet(const QString& sti);
// Read-only takes every write permission away; clearing it gives the owner write permission.
// 0, or the system's error code.
int saetSkrivebeskyttet(const QString& sti, bool skrivebeskyttet);

// When the element was made, where the file system records it.
std::optional<QDateTime> oprettet(const QString& sti);

}  // namespace platform
