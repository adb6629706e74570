#pragma once

#include "tools/findtekst/dokumenttekst.h"
#include "tools/findtekst/tekstfund.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// A name against a file pattern: "*" any run of characters, "?" one character, case ignored by
// Unicode simple case folding; "*.*" matches every name.
bool passerMoenster(QStringView navn, QStringView moenster);

// The regular files (links followed) of one folder whose names match the pattern, as paths in
// name order; folders, FIFOs, sockets and devices are left out, and so is everything of a folder
// that cannot be listed.
QStringList dokumenterIMappe(const QString& mappe, const QString& moenster);

// One row of the hit list. Rows of one document share its path, and hits on one line its text.
struct Fundraekke {
    QString dokument;
    qsizetype position = 0;
    QString linje;
};

struct Soegeresultat {
    QStringList ulaeselige;   // documents that could not be read, or were too large
    bool stoppet = false;
    bool afgraenset = false;  // the list reached maksRaekker
    bool fejl = false;        // the search ended on an unexpected error
};

constexpr qsizetype maksRaekker = 1'000'000;

using Dokumentlaeser = std::function<Dokumenttekst(const QString& sti, const std::atomic_bool& stop)>;

// Searches the documents of mappe matching moenster for soegeord, one after the other; the rows
// go to modtag in document order, gathered while at most a tenth of a second passes. A document
// that cannot be read is passed over and named in the result, a binary one passed over.
Soegeresultat soegDokumenter(const QString& mappe, const QString& moenster, const QString& soegeord, SoegeValg valg,
                             const std::atomic_bool& stop, const Dokumentlaeser& laeser,
                             const std::function<void(QList<Fundraekke>&&)>& modtag);

// What the user is told of documents that could not be read; empty when there are none.
QString ulaeseligeBesked(const QStringList& ulaeselige);
