#pragma once

#include <QString>
#include <QStringList>

// The shortcuts kept in a folder: entries named "<name>.lnk" (the extension's letters in any case)
// that are symbolic links, to anything or to nothing any more, or regular files made elsewhere;
// real folders are no shortcuts. Their file names, ordered by their names without the extension
// (sammenlignTekst), which is how they are shown.
QStringList genvejsfiler(const QString& mappe);
