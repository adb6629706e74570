#pragma once

#include <QtGlobal>

namespace platform {

// When process pid started, in clock ticks after the system's start (field 22 of /proc/PID/stat);
// 0 when no such process runs (one that ended and waits to be reaped runs no more). With the id it tells a process apart from a later one that got the
// same id.
quint64 processtarttid(qint64 pid);

}  // namespace platform
