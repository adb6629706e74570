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

// A search text made ready once for the documents of a search: folded when case is ignored, with
// the code units that can start a hit.
class Soegeord {
public:
    Soegeord(const QString& tekst, SoegeValg valg);

    const QString& foldet() const { return ord; }
    SoegeValg valg() const { return v; }
    // Up to four code units whose folding is the first of the word; more than four (none known)
    // makes every code unit a candidate.
    const QList<char16_t>& startTegn() const { return start; }

private:
    QString ord;
    SoegeValg v;
    QList<char16_t> start;
};

// The hits of the word in tekst (line breaks as '\n'), in order and never overlapping: after a
// hit the search goes on after it. At most maks hits; stop, looked at every MiB, ends the search
// with the hits found so far.
QList<Fund> findFund(const QString& tekst, const Soegeord& soegeord, qsizetype maks, const std::atomic_bool& stop);
