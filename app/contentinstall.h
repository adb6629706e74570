#pragma once

#include <QString>

// The installed tree "Program" that the program ships beside its executable is laid into the
// data folder when it is missing there or when its version stamp differs from the shipped one.
// The tree is replaced as a whole, so a damaged or half-copied tree is repaired at the next start.
enum class ContentInstall { UpToDate, Installed, NoSource, Failed };

inline const QString contentStampFile = QStringLiteral("versionsstempel.txt");

// The version stamp of an installed tree; empty when it has none.
QString contentStamp(const QString& programFolder);

ContentInstall installContent(const QString& shippedProgram, const QString& programmappe);
