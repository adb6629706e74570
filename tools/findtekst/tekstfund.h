#pragma once

#include <QList>
#include <QString>
#include <atomic>

struct SoegeValg {
    bool heleOrd = false;           // no letter, digit or "_" right before or after a hit
    bool forskelStoreSmaa = false;  // without it case is ignored by Unicode simple case folding
};

// One hit in a document: the number of characters (code points) before it, and the line that
// holds it as a 400-pixel text control would lay it out, stood in for by lines of at most
// linjebredde characters broken after blanks. Hits on one line share its string.
struct Fund {
    qsizetype position = 0;
    QString linje;
};

constexpr qsizetype linjebredde = 120;

// The hits of soegeord in tekst (line breaks as '\n'), in order and never overlapping: after a
// hit the search goes on after it. At most maks hits; stop, looked at every MiB, ends the search
// with the hits found so far.
QList<Fund> findFund(const QString& tekst, const QString& soegeord, SoegeValg valg, qsizetype maks,
                     const std::atomic_bool& stop);
