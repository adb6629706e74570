#pragma once

#include <QString>

// The icon slots of the two trees: which picture a drive, folder or file gets.
namespace ikoner {

// Folder tree ("Struktur 1").
enum MappeSlot {
    rodDrev = 1,
    andetDrev = 2,
    undermappe = 3,
    billeder = 5,
    dokumenter = 6,
    musik = 7,
    videoer = 8,
    skrivebord = 9,
    favoritter = 10,
    bruger = 11,
    diskdrev = 12,
};

// Folder-and-file tree ("Struktur 2").
enum FilSlot {
    filMappe = 1,
    andenFil = 2,
    fremvist = 15,  // a file marked by the type display
};

// The slot of a file in the folder-and-file tree, by its extension.
int filSlot(const QString& filnavn);

}  // namespace ikoner
