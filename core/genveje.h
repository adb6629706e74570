#pragma once

#include <QString>
#include <QStringList>

// The shortcuts kept in a folder: entries named "<name>.lnk" (the extension's letters in any case)
// that are symbolic links, to anything or to nothing any more, or regular files made elsewhere;
// real folders are no shortcuts. Their names without the extension, ordered by sammenlignTekst.
QStringList genvejsnavne(const QString& mappe);
