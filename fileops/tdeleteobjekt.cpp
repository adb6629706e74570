#include "fileops/tdeleteobjekt.h"

bool TDeleteObjekt::DeleteElementer(const QStringList& aMappeListe, const QStringList& aFilListe, bool tilPapirkurv)
{
    DeleteMapper = aMappeListe;
    DeleteFiler = aFilListe;
    motor.spm = IntSpm;
    return motor.slet(DeleteMapper, DeleteFiler, tilPapirkurv);
}

QString TDeleteObjekt::getResult() const { return motor.resultat(); }
