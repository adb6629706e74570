// The main window's side of the clipboards, and the calls that act on the current element through
// an explorer or a tool window.
#include "app/elementvinduer.h"
#include "boxes/tinfform.h"
#include "app/tmainform.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

QWidget* Tmainform::getKlipbord()
{
    QWidget* window = klipbordFabrik ? klipbordFabrik(*this) : nullptr;
    if (!window)
        return nullptr;
    setElementType(window, ElementType::Klipbord);
    visElement(window);
    return window;
}

void Tmainform::setKlipbord(QWidget* aWinform)
{
    if (NewCount <= 1 || !opt.sammeKlipbord)
        return;
    auto* nyt = dynamic_cast<StifinderKlipbord*>(aWinform);
    StifinderKlipbord* foerste = nullptr;
    for (QWidget* window : stifindere())
        if (window->windowTitle() == QStringLiteral("Stifinder 1"))
            foerste = dynamic_cast<StifinderKlipbord*>(window);
    if (!nyt || !foerste) {
        info->sig(QStringLiteral("Der opstod en fejl.\n"));
        return;
    }
    nyt->brugKlipbord(foerste->klipbord());
}

void Tmainform::kopierKlipbordsdata(const QString& aCaption, const QStringList& Mliste, const QStringList& Fliste)
{
    QStringList mapper;
    for (const QString& mappe : Mliste)
        if (QFileInfo(mappe.trimmed()).isDir())
            mapper.append(mappe.trimmed());
    QStringList filer;
    for (const QString& fil : Fliste)
        if (QFileInfo(fil).isFile())
            filer.append(fil);
    for (QWidget* window : stifindere()) {
        if (sammeTekst(window->windowTitle(), aCaption))
            continue;
        if (auto* explorer = dynamic_cast<StifinderKlipbord*>(window)) {
            explorer->modtagKlipbordsdata(mapper, filer);
            QApplication::processEvents();
        }
    }
}

void Tmainform::udskivKlipbordInf(const QString& antMapper, const QString& antFiler)
{
    for (QWidget* window : stifindere())
        if (auto* explorer = dynamic_cast<StifinderKlipbord*>(window))
            explorer->visKlipbordAntal(antMapper, antFiler);
}

void Tmainform::aInsertMappeExecute()
{
    StifinderVindue* explorer = aktivStifinder();
    if (!explorer)
        return;
    auto* strukturer = dynamic_cast<StrukturVindue*>(aabnVaerktoej(vaerktoejer[QStringLiteral("OpretSmappe")]));
    if (!strukturer)
        return;
    strukturer->tilfoejMappe(explorer->strukturCompo().Mappenavn());
    MsRedigeret = true;
    UdskrivInfo(QStringLiteral("Mappen er tilføjet til strukturen."));
}

void Tmainform::aFindDocExecute()
{
    StifinderVindue* explorer = aktivStifinder();
    if (!explorer)
        return;
    const TStrukturCompo& compo = explorer->strukturCompo();
    if (compo.AktiveStruktur() == 1 || compo.Filnavn().isEmpty()) {
        info->sig(TekstSoegVindue::ingenTekstfil());
        return;
    }
    auto* soeg = dynamic_cast<TekstSoegVindue*>(aabnVaerktoej(vaerktoejer[QStringLiteral("findTekst")]));
    if (soeg && !soeg->visType(u'*' + filExt(compo.Filnavn())))
        info->sig(QStringLiteral("Filtypen er ikke registreret.\n") + TekstSoegVindue::uregistreretType());
}

void Tmainform::aInsertGenvejExecute()
{
    const QString sti = editSti->text();
    const QFileInfo element(sti);
    QString mappe = sti;
    QString navn = getLastDirectory(sti);
    if (element.isFile()) {
        mappe = element.absolutePath();
        navn = element.fileName().chopped(filExt(sti).size());
    }
    if (navn.isEmpty()) {
        info->sig(QStringLiteral("Ukendt fejl: fil eller mappe synes ikke at eksistere."));
        return;
    }
    if (auto* genveje = dynamic_cast<GenvejsVindue*>(aabnVaerktoej(vaerktoejer[QStringLiteral("opretGenveje")])))
        genveje->forbered(sti, QFileInfo(opt.PlaceringsMappe).isDir() ? opt.PlaceringsMappe : mappe, navn);
}

void Tmainform::selectFromGal(const QString& aFilnavn, bool medDelete)
{
    StifinderVindue* explorer = fremStifinder();
    if (!explorer)
        return;
    TStrukturCompo& compo = explorer->strukturCompo();
    // Only the file itself: where the explorer does not list it (a hidden file), it selects another,
    // which is neither shown nor deleted for it.
    if (compo.SelectFil(aFilnavn) != aFilnavn || !QFileInfo(aFilnavn).isFile())
        return;
    explorer->gaaTilFil(compo.Filnavn());
    QApplication::processEvents();
    // Input handled meanwhile may have moved the selection: only the asked-for file is deleted.
    if (auto* sletning = dynamic_cast<StifinderSletning*>(explorer);
        sletning && medDelete && compo.Filnavn() == aFilnavn && compo.Struktur2()->selectedItems().size() == 1)
        sletning->sletTilPapirkurv();
}

void Tmainform::RegisterEleFromGal(const QString& aEleNavn)
{
    if (!QFileInfo::exists(aEleNavn)) {
        info->sig(QStringLiteral("Elementet blev ikke fundet."));
        return;
    }
    aktiverWinform(false, QString());
    if (auto* explorer = dynamic_cast<StifinderKlipbord*>(stifindere().value(0))) {
        explorer->registrerElement(aEleNavn);
        // The status line tells this action, not one before it.
        UdskrivInfo(QFileInfo(aEleNavn).isDir() ? QStringLiteral("Mappen er lagt i klipbordet.")
                                                : QStringLiteral("Billedet er lagt i klipbordet."));
    }
}

StifinderVindue* Tmainform::fremStifinder()
{
    aktiverWinform(false, QString());
    // Asked from a tool window of its own, the frame comes forward over it.
    if (!isActiveWindow())
        fremad();
    return dynamic_cast<StifinderVindue*>(stifindere().value(0));
}

void Tmainform::visKalMappe(const QString& aMappe)
{
    if (!QFileInfo(aMappe).isDir()) {
        info->sig(QStringLiteral("Der opstod en fejl.\nVigtige mapper er muligvist blevet slettet.\nMappen findes ikke: ")
                  + aMappe);
        return;
    }
    // A new explorer window goes to the folder as well as one brought forward.
    if (StifinderVindue* explorer = fremStifinder())
        explorer->gaaTilMappe(aMappe);
}

void Tmainform::opretKalenderStruk(QStringList aList, const QString& aMappe)
{
    visStrukturOmrids(aList, false, aMappe);
}
