#include "fileops/tdeleteobjekt.h"

#include "core/stoerrelser.h"
#include "fileops/tdeleteform.h"
#include "fileops/tkopieringsform.h"
#include "platform/filedelete.h"
#include "platform/filesystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <cerrno>
#include <unistd.h>

bool TDeleteObjekt::DeleteElementer(const QStringList& aMappeListe, const QStringList& aFilListe, bool tilPapirkurv)
{
    Tdeleteform& box = *DeleteBox();
    box.destLabel->clear();
    DeleteMapper = aMappeListe;
    DeleteFiler = aFilListe;
    const bool spoerg = IntSpm == SpoergAltid || (IntSpm == KunFoerSlet && !tilPapirkurv);
    if (spoerg && !SpmDelBox()->skalElementerSlettes(DeleteFiler, DeleteMapper, tilPapirkurv))
        return false;
    sizeOfDelElementer(DeleteMapper, DeleteFiler,
                       tilPapirkurv ? QStringLiteral("Papirkurvs sletning") : QStringLiteral("Vedvarende sletning"));
    box.show();
    QCoreApplication::processEvents();
    for (int i = 0; i < DeleteMapper.size(); ++i) {
        const QString& mappe = DeleteMapper[i];
        if (!platform::entryExists(mappe))
            continue;
        // The folder's files count as done by the count made before; it goes in one step.
        getInfo(i);
        if (tilPapirkurv) {
            FileDeleteRB(mappe);
        } else if (const int fejl = platform::sletTrae(kildeBytes(mappe))) {
            visFremgang();
            sletFejl(mappe, fejl);
            return false;
        }
        if (!platform::entryExists(mappe))
            box.afkryds(i);
        saetBjaelke(box.proBar, progressInfoDel());
        behandlBeskeder();
    }
    for (const QString& fil : DeleteFiler) {
        --antalFiler;
        posSize += getFilensSize(fil);
        if (tilPapirkurv) {
            FileDeleteRB(fil);
        } else if (::unlink(QFile::encodeName(fil).constData()) != 0 && errno != ENOENT) {
            const int fejl = errno;
            visFremgang();
            sletFejl(fil, fejl);
            return false;
        }
        saetBjaelke(box.proBar, progressInfoDel());
        behandlBeskeder();
    }
    visFremgang();
    if (CloseBoxAfter)
        box.close();
    return true;
}

void TDeleteObjekt::sletFejl(const QString& sti, int fejl)
{
    sig(QStringLiteral("Sletningen blev standset, da\r") + sti + u'\r' + QStringLiteral("ikke kunne slettes: ")
        + qt_error_string(fejl));
}

QString TDeleteObjekt::getResult() const
{
    const QString tekst = DeleteBox()->destLabel->text();
    const qsizetype kolon = tekst.indexOf(QStringLiteral(": "));
    return kolon < 0 ? QString() : tekst.mid(kolon + 2);
}
