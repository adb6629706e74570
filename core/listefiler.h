#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The entries of the user's list files, from their lines.

// An entry of a list that the user can reopen (history, favourites, searches): a caption and a
// path.
struct TReopenRec {
    QString Caption;
    QString Filnavn;

    bool operator==(const TReopenRec&) const = default;
};

// A list file holds two lines an entry, caption then path; a last caption without its path gets
// an empty path.
QList<TReopenRec> reopenPoster(const QStringList& linjer);

struct TProgRec {
    QString Caption;
    QString Filnavn;
    QString Parameter;
    int ShowType = 1;  // kept with the entry; the desktop starts no other program maximised

    bool operator==(const TProgRec&) const = default;
};

// The programs of a program list's lines (a count, then four lines a program: caption, path,
// parameter, show mode 0-255) as far as they are valid: the complete programs before a fault,
// and whether the whole file was valid.
struct Programliste {
    QList<TProgRec> programmer;
    bool helt = true;
};
Programliste programlisteFraLinjer(const QStringList& linjer);
