#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

// A document as the text search reads it: an RTF document (content starting with "{\rtf") as the
// text a reader sees; anything else as plain text, by its byte-order mark, else as UTF-8 when
// valid, else as Windows-1252; HTML and XML are plain text here, searched as their source. A NUL
// in the first 8 KiB without a UTF-16 mark makes the file binary. Line breaks (CR LF, LF, CR) are
// '\n' in the text, so each counts as one character.
struct Dokumenttekst {
    enum class Udfald { Laest, Binaer, Ulaeselig, ForStor, Stoppet };
    Udfald udfald = Udfald::Ulaeselig;
    QString tekst;
};

// Larger files are never loaded.
constexpr qint64 stoersteDokument = qint64(256) * 1024 * 1024;

// Reads a regular file (links followed); anything else, or a file that vanished or cannot be
// read, is Ulaeselig. Reading stops within a MiB when stop turns true.
Dokumenttekst laesDokument(const QString& sti, const std::atomic_bool& stop);

// The text of a document's content.
Dokumenttekst dokumentFraIndhold(const QByteArray& indhold, const std::atomic_bool& stop);
