#pragma once

#include <QString>

namespace platform {

// A shell link here is a symbolic link named "<name>.lnk" that points to its target; running it
// opens the target. Makes or replaces the link at linkPath; an existing file or folder that is
// not a link is never replaced. Returns false when no link was made.
bool createShellLink(const QString& target, const QString& linkPath);

}  // namespace platform
