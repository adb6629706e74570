#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Byte counts as the program shows them, in powers of 1024 with the locale's number format:
// "1,50 KB (1.536 bytes)" long, "1,50 KB" short.
QString getSizeString(qint64 aSize);
// A count in the locale's number format: "1.536".
QString heltal(qint64 n);
QString skaleretStoerrelse(qint64 aSize);
// A total by its number of digits: 4 to 6 digits in KB, 7 to 9 in MB, 10 to 12 in GB, more in TB,
// so 1000 bytes read "0,98 KB"; fewer digits in bytes.
QString cifferStoerrelse(qint64 aSize);

// The size of one file for the clipboard's total: its length, and 1 for an empty file. Nothing
// is opened, so a FIFO or a device never blocks; anything but a regular file counts 1.
qint64 getFilensSize(const QString& aFilnavn);

struct MappeOptaelling {
    qint64 mapper = 0;
    qint64 filer = 0;
    qint64 bytes = 0;
    // Told the folder count each time the walk meets a folder.
    std::function<void(qint64 mapper)> nyMappe;
};

// Adds one folder's content to the count: every folder below it counts as a folder, every
// other entry as a file with its own size. Links are counted, never followed, so the walk
// always ends; FIFOs and devices are never opened. Hidden and system entries are included.
// Returns false when the folder could not be opened.
bool getMappeInfo(const QString& aMappe, MappeOptaelling& optaelling);

// The count of the clipboard's folders and files: each folder counts itself and its content,
// each file its size.
MappeOptaelling sizeOfKlipbord(const QStringList& listeMapper, const QStringList& listeFiler);
