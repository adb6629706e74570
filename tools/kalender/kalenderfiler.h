#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The calendar's files: the note of a date and the dated folders.

// The note file of a date: the notes folder + "/" + the date as dd-MM-yyyy + ".txt", whatever the
// language of the system, so a note never lands in a sub-path and is found after a change of
// language.
QString notatFilnavn(const QString& notatMappe, const QDate& dato);

// The dated folder of a date under the calendar folder: year, "MM Måned" and "DD Ugedag"
// (2021/03 Marts/05 Fredag).
struct Datomappe {
    // The drive of the calendar folder, the calendar folder and the three levels, for the level
    // structure that shows them.
    QStringList liste;
    QString dagMappe;
    // The level that could not be made; empty when all stand.
    QString fejl;
};

// Makes each missing level of the date's folder, one at a time; levels that exist, and what they
// hold, are left as they are. A level that cannot be made (no rights, a file of that name, the
// calendar folder gone) stops the rest.
Datomappe opretDatomappe(const QString& kalenderMappe, const QDate& dato);
