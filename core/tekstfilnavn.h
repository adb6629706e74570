#pragma once

#include <QString>
#include <optional>

// A text that names a ".txt" file in one of the user's folders: a command (its description in the
// file) or a note's heading. "/" is kept in the name as "∕" (U+2215), so "ls -la /tmp" is one file
// in its folder, and read back as "/".

// The file name for the text (with ".txt"), or nothing when no file can have it: an empty text,
// "." or "..", a line break or NUL, a name over 255 bytes, or one that would read back from the
// file system as another (a leading byte-order mark, a lone surrogate).
std::optional<QString> tekstfilnavn(const QString& tekst);

// The text a file name (without ".txt") stands for.
QString tekstAfFilnavn(const QString& navn);
