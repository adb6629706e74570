#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The program's plain text files: written as UTF-8 without byte-order mark with CR LF after every
// line; read with the encoding a byte-order mark names, else as UTF-8 when the bytes are valid
// UTF-8, else as Windows-1252 (files written on Windows).
namespace platform {

QString decodeText(const QByteArray& bytes);

// The character of a byte in Windows-1252; it differs from Latin-1 only in 0x80..0x9F, where the
// five undefined bytes keep their Latin-1 control code.
char16_t windows1252Tegn(unsigned char byte);

// The lines of a text; CR LF and LF both end a line, and a line break at the very end does not
// start another line.
QStringList splitLines(const QString& text);

// The lines of a file, or nothing when it is missing, not a regular file or unreadable.
std::optional<QStringList> readTextLines(const QString& path);

// The first count lines of a file as whole numbers, or nothing when the file is missing, is
// shorter, or one of those lines is not a number.
std::optional<QList<int>> readNumberLines(const QString& path, int count);

// Replaces the file with the lines as one step: a crash or a full disk midway leaves the old file
// as it was. Returns false when the file could not be written.
bool writeTextLines(const QString& path, const QStringList& lines);

// Keeps a file that could not be read whole beside it as path + ".fejl" (replacing an older
// copy), before the program writes over it; the copy's path, or empty when there is no file or
// no copy could be made.
QString gemUlaeseligFil(const QString& path);

// The one message for a settings file that could not be read whole: the defaults are used, and
// where the copy of the old file is.
QString ulaeseligIndstillingsfil(const QString& kopi);

}  // namespace platform
