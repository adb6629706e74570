#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The trash folders (freedesktop.org trash) that hold what was deleted from the file system
// mounted at mountPoint: the home trash when the home folder lives there, and the mount's own
// ".Trash/<uid>" and ".Trash-<uid>" folders. Only existing real folders are listed.
QStringList trashFolders(const QString& mountPoint);

// Removes everything in the "files" and "info" folders of those trash folders, never following
// a link out of them. Returns false when something could not be removed.
bool emptyTrash(const QString& mountPoint);

}  // namespace platform
