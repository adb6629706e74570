#pragma once

#include "fileops/tdeletecompo.h"

// Deletes a list of folders and a list of files, to the trash or permanently, through the delete
// engine, after the confirmation its question mode asks for, while the delete window shows what is
// left.
class TDeleteObjekt : public TDeleteCompo {
    Q_OBJECT
public:
    using TDeleteCompo::TDeleteCompo;

    // True when the deletion ran to its end, false when the user declined or a permanent
    // deletion failed (said in a message; what was deleted stays deleted).
    bool DeleteElementer(const QStringList& aMappeListe, const QStringList& aFilListe, bool tilPapirkurv);
    // The total size of the last deletion, such as "1,50 KB"; empty when nothing was counted.
    QString getResult() const;
};
