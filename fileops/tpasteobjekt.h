#pragma once

#include "fileops/tpastecompo.h"

// "Sæt ind": copies or moves the explorer's clipboard into a destination folder, through the copy
// engine, with its dialogs and windows.
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
    // The paste after the lists were loaded through onLoadLister.
    Kopimotor::Opgave hentOpgave();
    // A paste without destination was refused: onPasteElements is told so. The method in force
    // is kept.
    void efterOperation(const Kopimotor::Opgave& opgave);
};
