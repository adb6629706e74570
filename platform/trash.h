#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The trash folders (freedesktop.org trash) that hold what was deleted from the file system
// mounted at mountPoint: the home trash when the home folder lives there, and the mount's own
// ".Trash/<uid>" and ".Trash-<uid>" folders. Only existing real folders are listed.
QStringList trashFolders(const QString& mountPoint);

// Moves path (a file, a link or a folder with all it holds) to the trash of its file system,
// in the desktops' shared trash layout: the home trash when path lives on the
// home's file system, else the trash at the top of its mount (".Trash/<uid>" when the
// administrator made ".Trash", else ".Trash-<uid>"), else, when no trash can be made there, the
// home trash. The information file is written first and the move is one rename; into the home
// trash from another file system the element is copied whole and only then removed. On failure
// path stays where it was and errnoUd receives the system's error code.
bool flytTilPapirkurv(const QString& path, int* errnoUd = nullptr);

// Removes everything in the "files" and "info" folders of those trash folders, never following
// a link out of them. Returns false when something could not be removed.
bool emptyTrash(const QString& mountPoint);

}  // namespace platform
