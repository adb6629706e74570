#pragma once

#include <QString>

namespace platform {

// True when anything stands at path: a file, a folder, a special file or a link, even a link
// whose target is gone.
bool entryExists(const QString& path);

// Renames from to to in one step, and only when nothing stands at to: an entry that appears
// there meanwhile is never replaced. Returns false when nothing was renamed.
bool renameNoReplace(const QString& from, const QString& to);
bool renameNoReplace(const QByteArray& from, const QByteArray& to);

// Writes everything of the file system that holds path to disk (syncfs). 0, or the system's error
// code when that failed.
int skrivTilDisk(const QString& path);

}  // namespace platform
