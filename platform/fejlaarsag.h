#pragma once

#include <QString>

namespace platform {

// The cause of a failed file operation for an element that is no regular file, link or folder
// (a FIFO, socket or device), which is never opened.
constexpr int SaerligFil = -2;

// A short Danish text for the cause of a failed file operation: the system's error code (errno),
// or SaerligFil. Missing rights keep the words the messages have always used.
QString fejlaarsag(int fejl);

}  // namespace platform
