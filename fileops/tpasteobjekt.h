#pragma once

#include "fileops/tpastecompo.h"

// "Sæt ind": copies or moves the explorer's clipboard into a destination folder. The sources of a
// move that lie on the destination's file system are renamed into place; the others are copied
// and then deleted, each only when its copy arrived whole.
class TPasteObjekt : public TPasteCompo {
    Q_OBJECT
public:
    using TPasteCompo::TPasteCompo;

    // Each true when the operation ran to its end, false when it was refused or failed.
    bool PasteElementer();
    bool PasteCutElementer();
    bool KopierFraLister();
    bool DeleteFraLister();
    // The last copy's summary for the explorer's notice, such as "5 filer: 1,50 MB".
    QString getResult() const;

private:
    // Loads the lists and asks when it should; false when there is nothing to paste or the
    // user said no.
    bool klarTilPaste(bool flyt);
    bool paaSammeDrev(const QString& source) const;
    // Moves the entries of liste that lie on the destination's file system with flyt, taking them
    // out of the list, and marks the others; false when a move failed.
    bool flytPaaSammeDrev(QStringList& liste, bool (TPasteObjekt::*flyt)(const QString&));
    // Moves within the file system by the method; false when the move itself failed.
    bool flytMappe(const QString& source);
    bool flytFil(const QString& source);
    // The method for an existing target, asking when the method is to ask.
    int metodeFor(const QString& target);
    // The question before an existing folder is replaced by a moved one; true to replace it.
    bool maaMappeErstattes(const QString& source, const QString& target);
    // Puts source in the place of the existing target, which is removed only once source stands there.
    bool erstat(const QString& source, const QString& target);

    bool andetDrev = false;
    bool afvisAlle = false;
    bool alleValgt = false;
};
