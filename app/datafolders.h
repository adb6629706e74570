#pragma once

#include <QString>
#include <QStringList>

// The folders of the data directory: the data root, the installed tree under it and the user's
// own folders. Folder fields that other windows extend with a file name end in "/".
struct DataFolders {
    QString Abrugernavn;
    QString grundMappe;
    QString programmappe;
    QString appletsDir;
    QString infoDir;
    QString strukturDir;
    QString scriptDir;
    QString ikonDir;
    QString lydFil;  // the notification sound
    QString BrugerMappe;
    QString dosMappe;
    QString NotatMappe;
    QString OptMappe;
    QString optFilnavn;
    QString brugerKalenderMappe;
    QString brugerNotatMappe;
    QString mappestrukturDir;
    QString kopieringsDir;  // the records of the pastes in progress, one per explorer window
};

// The folder fields for user, with the data root in home.
DataFolders dataFoldersFor(const QString& home, const QString& user);
// The folder fields of the user running the program, in the home folder.
DataFolders brugerensDataFolders();

// Creates the data root, lays the shipped installed tree into it, and creates the user's folders,
// copying the "Dos" and "Egenskaber" templates for a new user. Nothing that exists is
// overwritten. Returns a Danish line for each folder that could not be made; empty when all is well.
QStringList createDataFolders(const DataFolders& folders, const QString& shippedProgram);
