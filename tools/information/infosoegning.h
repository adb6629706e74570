#pragma once

#include <QString>
#include <QStringList>

// The names, without extension, of the files directly in folder whose text holds word as a whole
// word, without regard to case; in name order. Folders and unreadable files are passed over.
QStringList findInfoTekst(const QString& folder, const QString& word);
