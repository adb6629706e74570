#pragma once

#include <QString>

class Beskeder;

// The path with a closing "/"; an empty path gives "/", a path that already ends in "/" stays.
QString delimKon(const QString& path);

// base + "/" + name, without doubling the separator after the root.
QString stiMed(const QString& base, const QString& name);

// Texts equal when only the letters A to Z differ in case.
bool sammeTekst(const QString& a, const QString& b);
// The text with the letters A to Z in lower case and every other character as it is: the key under
// which texts that sammeTekst finds equal are one.
QString foldetAZ(QString tekst);
// Orders texts by character code with the letters A to Z folded: below 0, 0 or above 0.
int sammenlignTekst(const QString& a, const QString& b);

// The extension of a path's file name with its dot (".txt"), or empty; a name whose only dot is
// its first character (".bashrc") has none.
QString filExt(const QString& path);

// The last part of a path: "/" for the root, empty for an empty text or a text ending in "/",
// the text after the last "/" otherwise (the whole text when it holds none).
QString getLastDirectory(const QString& path);

// A folder path that does not exist yet as a folder, for a new or renamed folder: an old marker
// word with its number is cut from the wanted name, then " <marker> (n)" is added while taken.
QString getNewDirectoryName(const QString& aDirectory, const QString& subTekst);

// A file path that is free, for renaming oldFilename to newName. A new extension that differs
// from the old one is kept only when the user says yes to it.
QString getNewFilename(const QString& oldFilename, const QString& newName, const QString& subTekst,
                       Beskeder& beskeder);

// A file path that is free, for a copy of source in its folder: an old marker word with its
// number is cut, then " <marker> (n)" is added before the extension while taken.
QString getNewFilnavn(const QString& source, const QString& subTekst);

bool erDetEnBilledfil(const QString& extS);
bool erDetEnTekstfil(const QString& extS);

// Renames every file in aMappe (and its subfolders with alleMapper) whose name ends in oldExt to
// the same name with newExt instead of its extension, unless that name is taken. Returns the
// number of files found, renamed or not; -1 when aMappe is no folder.
int renameFilExtIn(const QString& aMappe, const QString& oldExt, const QString& newExt, bool alleMapper);

// The text with every line break (CR LF, CR or LF) made a blank: a line of a list file.
QString udenLinjeskift(QString tekst);
bool harLinjeskift(const QString& tekst);
