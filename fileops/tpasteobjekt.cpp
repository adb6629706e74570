#include "fileops/tpasteobjekt.h"

#include "boxes/tspform.h"

#include <QCheckBox>

Kopimotor::Opgave TPasteObjekt::hentOpgave()
{
    if (onLoadLister)
        onLoadLister();
    return opgave();
}

void TPasteObjekt::efterOperation(const Kopimotor::Opgave& opgave)
{
    if (opgave.dest.isEmpty() && onPasteElements)
        onPasteElements(false);
    // A method chosen for all in the conflict dialog stays for the component's next operation too.
    IntPasteMetode = motor.metode;
}

bool TPasteObjekt::PasteElementer()
{
    Kopimotor::Opgave paste = hentOpgave();
    const bool ok = motor.kopier(paste);
    efterOperation(paste);
    return ok;
}

bool TPasteObjekt::PasteCutElementer()
{
    SpmBox()->alleCheck()->setChecked(false);
    Kopimotor::Opgave flytning = hentOpgave();
    const bool ok = motor.flyt(flytning);
    efterOperation(flytning);
    // What was renamed into place is no longer a source to copy or delete.
    PasteMapper = flytning.mapper;
    PasteFiler = flytning.filer;
    return ok;
}

bool TPasteObjekt::KopierFraLister() { return motor.kopierFraLister(opgave()); }

bool TPasteObjekt::DeleteFraLister() { return motor.sletFraLister(opgave()); }

QString TPasteObjekt::getResult() const { return motor.resultat(); }
