#pragma once

#include "core/strukturrec.h"

#include <QList>

struct MappeIndhold {
    QList<StrukturEntry> mapper;  // (name, folder path, "", 0 or 5)
    QList<StrukturEntry> filer;   // (name, "", file path, 1)
};

struct LaesValg {
    bool medFiler = false;      // gather files too
    bool visSkjulte = false;    // keep hidden entries: dot names and names in the folder's .hidden
    bool systemMapper = false;  // give system folders ID 5 instead of 0
};

// Reads one folder in one pass; folders and files each in the order of names a Danish reader
// expects (core/navneorden.h), not the file system's, which on most Linux file systems is the
// order of a hash. A link counts as what it points to and is left out when its target is gone. Names that
// are not valid UTF-8 are left out, as no path of ours could reach them. A folder that cannot be
// read gives what was read before the failure.
MappeIndhold laesMappe(const QString& mappe, const LaesValg& valg);

// A folder named "Windows", "Program Files" or "Program Files (x86)" anywhere, or one of the
// system's own top-level folders (/bin, /boot, /dev, /etc, /lib*, /proc, /run, /sbin, /sys, /usr,
// /var).
bool erSystemMappe(const QString& sti);
