#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A document type of the search window's list: its text ("Hjemmeside"), its file pattern
// ("*.html") and whether it is offered in the filter box.
struct Filtertype {
    QString tekst;
    QString moenster;
    bool afkrydset = true;

    bool operator==(const Filtertype&) const = default;
};

// The list the program starts with, and gets back on "Standard".
QList<Filtertype> standardFiltertyper();

// The type-list file holds three lines a type: text, pattern, and "1" when ticked. Nothing when
// the line count is no multiple of three.
std::optional<QList<Filtertype>> filtertyperFraLinjer(const QStringList& linjer);
QStringList linjerFraFiltertyper(const QList<Filtertype>& typer);

// A type as the user writes it, as a pattern: "*.*" stays, anything else becomes "*." and the part
// after its last dot ("txt", ".txt" and "a.txt" all give "*.txt").
QString moensterFraType(const QString& type);

// The place among the ticked types of the first ticked type whose pattern is moenster, the
// letters A to Z folded; -1 when none is.
int filterplads(const QList<Filtertype>& typer, const QString& moenster);
