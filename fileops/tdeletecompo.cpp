#include "fileops/tdeletecompo.h"

#include "core/stoerrelser.h"
#include "fileops/tkopieringsform.h"
#include "platform/trash.h"

#include <QFileInfo>
#include <cerrno>

TDeleteCompo::TDeleteCompo(const QString& optMappe, QWidget* mainWindow, Beskeder* beskeder, QObject* owner)
    : TFremgangsCompo(mainWindow, owner)
    , FSpmDelBox(new Tkopieringsform(optMappe, mainWindow))
{
    setBeskeder(beskeder);
}

TDeleteCompo::~TDeleteCompo() { delete FSpmDelBox; }

Tkopieringsform* TDeleteCompo::SpmDelBox() const { return FSpmDelBox; }

bool TDeleteCompo::FileDeleteRB(const QString& sti)
{
    int fejl = 0;
    if (platform::flytTilPapirkurv(QFileInfo(sti).absoluteFilePath(), &fejl))
        return true;
    if (fejl != ENOENT)
        sig(QStringLiteral("Elementet\r") + sti + u'\r' + QStringLiteral("kunne ikke flyttes til papirkurven: ")
            + qt_error_string(fejl));
    return false;
}

void TDeleteCompo::getInfo(int index)
{
    const MappeOptaelling& optaelling = mappeOptaellinger.at(index);
    posSize += optaelling.bytes;
    antalFiler -= int(optaelling.filer);
}
