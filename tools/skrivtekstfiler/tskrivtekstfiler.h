#pragma once

#include <QString>
#include <QStringList>

class Beskeder;

// Writes new files for the explorer: a nearly empty file of a chosen kind, and HTML pages that
// play or show a list of media files lying in the page's own folder. Every file is UTF-8 with a
// byte-order mark and CR LF line ends, and is made under a free name, never over a file.
class TSkrivTekstfiler {
public:
    explicit TSkrivTekstfiler(Beskeder& beskeder) : beskeder(beskeder) {}

    // The folder of the last requested name, without a closing "/", and its extension with the dot.
    QString Hovedmappe;
    QString Ext;

    // aFilename when it is free, else "<name> (n)<ext>" for the first free n; empty on error.
    QString getFilnavn(const QString& aFilename);
    // Each returns the path of the file made, or empty when none was made.
    QString opretTekstfil(const QString& aFilename);
    // SL: file names in Hovedmappe, the first one shown at once.
    QString opretFilmliste(const QString& aFilename, const QStringList& SL);
    QString opretMusikliste(const QString& aFilename, const QStringList& SL);
    QString opretBilledliste(const QString& aFilename, const QStringList& SL);

private:
    // The free name for aFilename, said to be wrong when there is none.
    QString friNavn(const QString& aFilename);
    // Makes the new file fil with these lines; its path, or empty when it could not be made.
    static QString skrivNy(const QString& fil, const QStringList& linjer);

    Beskeder& beskeder;
};
