#pragma once

#include <QString>

// The kinds of node in the two trees.
enum NodeId {
    idMappe = 0,   // ordinary folder
    idFil = 1,     // file
    idBruger = 2,  // the user's folder or one of its special folders
    idDrev = 4,    // drive
    idSystem = 5,  // system folder
    idIntet = 100, // answer of getNodeId when nothing is selected
};

// What every node of the two trees stands for.
struct StrukturRec {
    QString mappe;    // the folder's full path; a drive's mount point; empty for a file
    QString filnavn;  // the file's full path; empty for folders and drives
    int ID = idMappe;

    bool operator==(const StrukturRec&) const = default;
};

// One entry of a folder as read from the disk, before it becomes a node.
struct StrukturEntry {
    QString caption;
    StrukturRec rec;
};
