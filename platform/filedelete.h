#pragma once

#include <QByteArray>
#include <functional>

namespace platform {

// Asked of each file, link or special file before it is removed, and of each folder once its
// content is gone: true keeps it.
using Behold = std::function<bool(const QByteArray& sti)>;
// Told the size of each file after it was removed.
using Slettet = std::function<void(qint64 bytes)>;

enum class VedFejl { Stop, Fortsaet };

// Removes path permanently: a file, link or special file itself, a folder with everything in it.
// Links are removed, never followed, so nothing outside the folder is touched. An entry that
// behold keeps stays, and so do the folders that hold it. Returns 0, or the system's error code
// of the first failure, where the removal stops, or after which it goes on with the rest.
int sletTrae(const QByteArray& sti, const Behold& behold = {}, const Slettet& slettet = {},
             VedFejl vedFejl = VedFejl::Stop);

}  // namespace platform
