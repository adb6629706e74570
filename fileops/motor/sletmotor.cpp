#include "fileops/motor/sletmotor.h"

#include "platform/fejlaarsag.h"
#include "platform/filedelete.h"
#include "platform/trash.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

bool Sletmotor::slet(const QStringList& mapper, const QStringList& filer, bool tilPapirkurv)
{
    nulstil();
    talt = false;
    const bool spoerg = spm == SpoergAltid || (spm == KunFoerSlet && !tilPapirkurv);
    if (spoerg && !spoergsmaal.bekraeftSletning(filer, mapper, tilPapirkurv))
        return false;
    optaelSletning(mapper, filer, tilPapirkurv ? QStringLiteral("Papirkurvs sletning") : QStringLiteral("Vedvarende sletning"));
    talt = true;
    fremgang.faseBegynder(Filfremgang::Fase::Sletning);
    bool standset = false;
    sletListerne(
        mapper, filer,
        [&](int index, const QString& mappe) {
            // The folder's files count as done by the count made before; it goes in one step.
            const MappeOptaelling& optaelling = mappeOptaellinger.at(index);
            tal.posSize += optaelling.bytes;
            tal.antalFiler -= int(optaelling.filer);
            if (tilPapirkurv)
                return FileDeleteRB(mappe) ? Udfald::Slettet : Udfald::Fejl;
            if (const int fejl = platform::sletTrae(kildeBytes(mappe))) {
                sletFejl(mappe, fejl);
                standset = true;
                return Udfald::Standset;
            }
            return Udfald::Slettet;
        },
        [&](const QString& fil) {
            --tal.antalFiler;
            tal.posSize += getFilensSize(fil);
            if (tilPapirkurv)
                return FileDeleteRB(fil) ? Udfald::Slettet : Udfald::Fejl;
            if (::unlink(QFile::encodeName(fil).constData()) != 0 && errno != ENOENT) {
                sletFejl(fil, errno);
                standset = true;
                return Udfald::Standset;
            }
            return Udfald::Slettet;
        });
    // What could not go to the trash was said and the rest went on; a failed permanent deletion
    // stops, with its window left open.
    if (!standset)
        fremgang.faseSlut(Filfremgang::Fase::Sletning);
    return !standset;
}

bool Sletmotor::FileDeleteRB(const QString& sti)
{
    int fejl = 0;
    if (platform::flytTilPapirkurv(QFileInfo(sti).absoluteFilePath(), &fejl))
        return true;
    if (fejl != ENOENT)
        sig(QStringLiteral("Elementet\r") + sti + u'\r' + QStringLiteral("kunne ikke flyttes til papirkurven: ")
            + platform::fejlaarsag(fejl));
    return false;
}

void Sletmotor::sletFejl(const QString& sti, int fejl)
{
    sig(QStringLiteral("Sletningen blev standset, da\r") + sti + u'\r' + QStringLiteral("ikke kunne slettes: ")
        + platform::fejlaarsag(fejl));
}

QString Sletmotor::resultat() const { return talt ? skaleretStoerrelse(tal.totalSize) : QString(); }
