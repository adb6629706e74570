#pragma once

#include <QString>

namespace platform {

// The cause of a failed file operation for an element that is no regular file, link or folder
// (a FIFO, socket or device), which is never opened.
constexpr int SaerligFil = -2;
// The cause of a source a move kept because its copy no longer stands where it arrived.
constexpr int KopiForsvundet = -3;
// The cause of an element whose name is not valid text (UTF-8): it cannot be reached by it.
constexpr int UlaeseligtNavn = -4;

// A short Danish text for the cause of a failed file operation: the system's error code (errno),
// or one of the causes above. Missing rights keep the words the messages have always used.
QString fejlaarsag(int fejl);

}  // namespace platform
