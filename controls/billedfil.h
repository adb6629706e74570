#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of a regular file, read without waiting on it: the file is opened without blocking
// and checked before it is read, so a FIFO or device under a picture's name never hangs the
// reader. None for anything else, for a file that cannot be read, and for one over maksBytes.
std::optional<QByteArray> laesRegulaerFil(const QString& sti, qint64 maksBytes);
