#pragma once

#include <QByteArrayView>
#include <QString>
#include <atomic>

// The readable text of an RTF document, as a reader sees it: control words, groups and the
// destinations that hold no text (font and colour tables, style sheets, document information,
// pictures, every "{\*...}" group) are left out; "\'hh" is read in the document's code page
// ("\ansicpgN", Windows-1252 when none or unknown), "\uN" as its character, skipping the "\ucN"
// stand-in characters after it; "\par", "\line", "\sect" and "\page" give '\n', "\tab" a tab,
// "\~" a no-break space, the quote and dash symbols their characters; a table cell ends in a tab and
// a table row in '\n'; "\binN" skips N bytes of data. Header, footer and footnote text is kept, as
// is the result of a field but not its instruction; bytes outside the outermost group are no text.
// It reads iteratively: truncated input, unbalanced braces and deep nesting give the text read
// so far, never a crash. Reading ends early, with what was read, when stop turns true (looked at
// every MiB).
QString rtfTekst(QByteArrayView rtf, const std::atomic_bool* stop = nullptr);
