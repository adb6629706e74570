#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <utility>

// What the document generator planted, counted as it planted, per document type and search word;
// the benchmarks hold the engine and the reference tools to it.
struct Taelling {
    qsizetype fund = 0;        // hits, case ignored
    qsizetype somSkrevet = 0;  // hits of the word as written (lower case), case distinguished
    qsizetype heleOrd = 0;     // hits with no letter, digit or "_" right before or after, case ignored
    qsizetype linjer = 0;      // lines holding a hit, case ignored
    qsizetype dokumenter = 0;  // documents holding a hit, case ignored
    qsizetype kildebytes = 0;  // what "grep -o -i -F" finds in the file's bytes: for RTF its source
};

// The counts by (type, search word), the type as the file name ends ("txt", "rtf").
using Manifest = std::map<std::pair<QString, QString>, Taelling>;

inline const QStringList soegeordene = {QStringLiteral("kaffe"), QStringLiteral("blåbær")};
inline const QStringList tekstTyper = {QStringLiteral("txt"), QStringLiteral("html"), QStringLiteral("xml")};

// One line a count: type, word, then the six numbers in the order above.
void skrivManifest(const QString& sti, const Manifest& manifest);
Manifest laesManifest(const QString& sti);
