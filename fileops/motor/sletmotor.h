#pragma once

#include "fileops/motor/filoperation.h"

// Deletes a list of folders and a list of files, to the trash or permanently, after the
// confirmation its question mode asks for.
class Sletmotor : public Filoperation {
public:
    using Filoperation::Filoperation;

    int spm = SpoergAltid;
    // True when the deletion ran to its end, false when the user declined or a permanent deletion
    // failed (said in a message; what was deleted stays deleted).
    bool slet(const QStringList& mapper, const QStringList& filer, bool tilPapirkurv);
    // One file or folder to the trash; false, said in a message, when it could not go there.
    bool FileDeleteRB(const QString& sti);
    // The total size of the last deletion, such as "1,50 KB"; empty when nothing was counted.
    QString resultat() const;

private:
    void sletFejl(const QString& sti, int fejl);

    bool talt = false;
};
