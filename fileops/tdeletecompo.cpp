#include "fileops/tdeletecompo.h"

#include "fileops/tkopieringsform.h"

TDeleteCompo::TDeleteCompo(const QString& optMappe, QWidget* mainWindow, Beskeder* beskeder, QObject* owner)
    : TFremgangsCompo(mainWindow, owner)
    , FSpmDelBox(new Tkopieringsform(optMappe, mainWindow))
{
    setBeskeder(beskeder);
}

TDeleteCompo::~TDeleteCompo() { delete FSpmDelBox; }

Tkopieringsform* TDeleteCompo::SpmDelBox() const { return FSpmDelBox; }

bool TDeleteCompo::bekraeftSletning(const QStringList& filer, const QStringList& mapper, bool tilPapirkurv)
{
    return FSpmDelBox->skalElementerSlettes(filer, mapper, tilPapirkurv);
}
