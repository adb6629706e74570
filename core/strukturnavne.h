#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The home-made structures: a structure is a text file "<name>.txt" in the structure folder, one
// folder path a line.

// The structures' names: the files "*.txt" (the extension's letters in any case) of the folder
// without their extension, ordered by sammenlignTekst. Empty when the folder does not exist;
// nothing when it cannot be read.
std::optional<QStringList> strukturnavne(const QString& mappe);

// A name as typed, as it is stored: the part from its last "." is cut. Nothing when that leaves
// no name or the text holds a "/" (it would name a path, not a structure).
std::optional<QString> strukturnavnTilGem(const QString& tekst);

// The folders of a structure file; blank lines are skipped.
QStringList strukturmapper(const QString& fil);
