#pragma once

#include <QString>
#include <QStringList>

// The record of a paste in progress, kept in a file of its own in the data folder while it runs:
// its destination, its sources and the process whose hidden temporary copies it leaves until they
// are whole. The record belongs to that process while it runs; a record whose process is gone
// belongs to a paste that was interrupted.
namespace kopijournal {

struct Kopiering {
    QString dest;
    QStringList kilder;
    qint64 pid = 0;
};

// Writes the record (its folder made when missing) with the start time of its process, so a later
// process of the same id is not taken for it; false when it could not be written.
bool skriv(const QString& fil, const Kopiering& kopiering);
void fjern(const QString& fil);

// For an interrupted paste: removes the unfinished copies (hidden files and folders) its process
// left at the destination (directly in it and below the folders it copied into; links are never
// followed) and the record.
// The message for the user; empty when the record cannot be read.
QString ryd(const QString& fil);

// Cleans up after every interrupted paste recorded in mappe, leaving alone the records of pastes
// whose process still runs; the messages for the user.
QStringList rydAfbrudte(const QString& mappe);

}  // namespace kopijournal
