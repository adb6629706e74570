#include "boxes/boksbeskeder.h"

#include "boxes/tinfform.h"
#include "boxes/tspform.h"

#include <QCheckBox>

void BoksBeskeder::sig(const QString& tekst) { info->sig(tekst); }

Beskeder::Svar BoksBeskeder::spoerg(const QString& tekst, AlleCheck alleCheck)
{
    if (alleCheck != AlleCheck::Uaendret)
        spoergsmaal->alleCheck()->setVisible(alleCheck == AlleCheck::Vis);
    const bool ja = spoergsmaal->spoerg(tekst);
    return {ja, spoergsmaal->alleCheck()->isChecked()};
}
