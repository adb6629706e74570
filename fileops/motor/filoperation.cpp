#include "fileops/motor/filoperation.h"

#include "platform/fejlaarsag.h"
#include "platform/filesystem.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

bool erMappe(const QByteArray& path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

int ikkeFundet(const QString& path)
{
    return path.contains(QChar::ReplacementCharacter) ? platform::UlaeseligtNavn : ENOENT;
}

QString findesIkke(const QString& slags, const QString& path)
{
    const int fejl = ikkeFundet(path);
    return slags + u'\r' + path + u'\r'
        + (fejl == ENOENT ? QStringLiteral("eksisterer ikke.") : platform::fejlaarsag(fejl));
}

QByteArray kildeBytes(const QString& path)
{
    QByteArray bytes = QFile::encodeName(path);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    return bytes;
}

namespace {

// Every operation that exists, for stopAlle; all live on the user-interface thread.
QList<Filoperation*>& alleOperationer()
{
    static QList<Filoperation*> operationer;
    return operationer;
}

}  // namespace

Filoperation::Filoperation(Filspoergsmaal& spoergsmaal, Filfremgang& fremgang)
    : spoergsmaal(spoergsmaal), fremgang(fremgang)
{
    alleOperationer().append(this);
}

Filoperation::~Filoperation() { alleOperationer().removeOne(this); }

void Filoperation::stopAlle()
{
    for (Filoperation* operation : std::as_const(alleOperationer()))
        operation->stop();
}

int Filoperation::sletProcent() const { return tal.totalSize <= 0 ? 0 : int(tal.posSize * 100 / tal.totalSize); }

void Filoperation::nulstil()
{
    stopAnmodet = false;
    tal = {};
}

void Filoperation::optaelSletning(const QStringList& mapper, const QStringList& filer, const QString& tekst)
{
    tal = {};
    tal.antalMapper = int(mapper.size());
    fremgang.optaellingBegynder(Filfremgang::Fase::Sletning, mapper, tekst);
    mappeOptaellinger.clear();
    for (const QString& mappe : mapper) {
        MappeOptaelling optaelling;
        if (!erMappe(kildeBytes(mappe)) || !getMappeInfo(mappe, optaelling))
            sig(findesIkke(QStringLiteral("Mappen"), mappe));
        mappeOptaellinger.append(optaelling);
        tal.antalFiler += int(optaelling.filer);
        tal.totalSize += optaelling.bytes;
    }
    for (const QString& fil : filer) {
        tal.totalSize += getFilensSize(fil);
        ++tal.antalFiler;
    }
    fremgang.optaellingSlut(Filfremgang::Fase::Sletning);
}

bool Filoperation::sletListerne(const QStringList& mapper, const QStringList& filer, const SletMappe& sletMappe,
                                const SletFil& sletFil)
{
    constexpr auto fase = Filfremgang::Fase::Sletning;
    bool alt = true;
    for (int i = 0; i < mapper.size(); ++i) {
        const QString& mappe = mapper[i];
        if (!platform::entryExists(mappe))
            continue;
        tal.aktuel = mappe;
        const Udfald udfald = sletMappe(i, mappe);
        if (udfald == Udfald::Standset)
            return false;
        if (udfald == Udfald::Fejl || platform::entryExists(mappe))
            alt = false;
        else
            fremgang.mappeFaerdig(fase, i);
        fremgang.samletProcent(fase, sletProcent());
        fremgang.mellemrum();
    }
    for (const QString& fil : filer) {
        tal.aktuel = fil;
        const Udfald udfald = sletFil(fil);
        if (udfald == Udfald::Standset)
            return false;
        if (udfald == Udfald::Fejl)
            alt = false;
        fremgang.samletProcent(fase, sletProcent());
        fremgang.mellemrum();
    }
    return alt;
}
