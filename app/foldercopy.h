#pragma once

#include <QString>

// Copies the folder source as the new folder target, whole or not at all: the copy is made
// beside target under a temporary name and renamed into place when complete, so an interrupted
// copy never leaves a half-filled target. Only folders and regular files are copied; links
// and special files are passed over. Returns false, with nothing left behind, when target
// already exists, source is no folder or anything could not be copied.
bool copyFolderWhole(const QString& source, const QString& target);

// Removes the temporary folders that copies interrupted by a crash left beside target.
void removeUnfinishedCopies(const QString& target);
