#include "app/genvejslister.h"

#include "app/aktivertaster.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

Genvejstast side(const QString& tast, const QString& funktion, const QString& side)
{
    return {tast, funktion, side, {}};
}

Genvejstast tekst(const QString& tast, const QString& funktion, const QString& tekst)
{
    return {tast, funktion, {}, tekst};
}

// Texts that more than one key gives.
const QString annullerKopiering =
    QStringLiteral("Tømmer klipbordet for alle valgte mapper og filer.\r"
                   "Kan benyttes, hvis klip eller kopiering skal annulleres.");
const QString opdaterMappestrukturen = QStringLiteral(
    "Opdaterer mappestrukturen med aktuelle drev for valgte mappe.\rValgte mappe udfoldes, hvis den indeholder mapper.");
const QString aabnEllerKoerFil = QStringLiteral(
    "Filer kan åbnes eller køres ved denne funktion, hvis der findes programmer dertil på computeren der er registreret "
    "af styresystemet som anvendelige dertil.\r\rFunktionen kan også aktiveres ved \"Ctrl+K\".\r\rHvis der er indført "
    "programmer hertil kan filer også køres ved funktionen \"Program\" med genvejen \"Ctrl+P\".");
const QString ikkeAnvendt = QStringLiteral("Bogstavet er ikke anvendt til genveje.");
const QString multiMarkering = QStringLiteral("Anvendes til fil-mappe-strukturen, der har mulighed for multi-markering.");

}  // namespace

const QList<Genvejsliste>& genvejslister()
{
    static const QList<Genvejsliste> lister = {
        {QStringLiteral("ListeGenvejstaster2"),
         QStringLiteral("Genvej"),
         {
             tekst("Ctrl+Z", "Annuller kopiering", annullerKopiering),
             side("Ctrl+X", "Klipper til klipbord", "Klip.html"),
             side("Ctrl+C", "Kopierer til klipbord", "Kopier.html"),
             side("Ctrl+V", "Indsætter fra klipbord", "Sæt ind.html"),
             side("Ctrl+D", "Sletter til papirkurv", "Slet til papirkurv.html"),
             side("Shift+Del", "Sletter permanent", "Slet permanent.html"),
             side("F2", "Omdøb mappe eller fil", "Omdøb.html"),
             side("Ctrl+O", "Omdøb ved boks", "Omdøb.html"),
             side("Ctrl+M", "Ny mappe", "Ny mappe.html"),
             side("Ctrl+E", "Egenskaber", "Mappe egenskaber.html"),
             side("Ingen", "Ny fil", "Ny fil.html"),
             side("Ctrl+U", "Omdøb filefternavne", "Omdøb filtype.html"),
             tekst("Ctrl+Alt+O", "Skift opdatering",
                   "Skifter opdateringsmetode for funktionerne.\rRød: blokerer funktioner\r"
                   "Blå: blokerer ikke funktioner."),
         }},
        {QStringLiteral("ListeGenvejstaster4"),
         QStringLiteral("Ctrl+"),
         {
             side("0", "Klipbord", "Klipbordet.html"),
             side("1", "Filfinder med Klipbord", "Stifinderen.html"),
             side("2", "Genveje til oprettelse af genveje", "Genveje.html"),
             side("3", "Indfør program", "Indfør programmer.html"),
             side("4", "Opret mappestrukturer", "Opret mappestrukturer.html"),
             side("5", "Søg i tekstdokumenter", "Søg i tekstfiler.html"),
             side("6", "Galleri til jpg, ico samt bmp filer", "Billeder.html"),
             side("7", "Kalender med funktioner", "Kalender.html"),
             side("8", "WMI", "WMI.html"),
             side("9", "Window applets", "Applets.html"),
         }},
        {QStringLiteral("ListeGenvejstaster1"),
         QStringLiteral("Tast"),
         {
             side("F1", "Information", "qvmStifinder.html"),
             side("F2", "Omdøb valgte mappe eller fil", "Omdøb.html"),
             side("F3", "Indfør sidst anvendte struktur", "Opret mappestrukturer.html"),
             tekst("F4", "Opdater mappestukturen", opdaterMappestrukturen),
             tekst("F5", "Opdater mappestrukturen", opdaterMappestrukturen + "\rAlle registrerede drev medtages."),
             tekst("F6", "Opdater filstrukturen",
                   "Opdaterer mappe-fil strukturen.\rÅbner eventuelt en valgt mappe for at vise dens indhold."),
             tekst("F7", "Åben og luk toppanelet",
                   "Åbner eller lukker for redskabslinjen med fil og mappe funktioner.\rDe fleste af funktionerne i "
                   "redskabslinjen vises også i popup-menuerne til strukturene."),
             tekst("F8", "Åben og luk venstre panel",
                   "Åbner eller lukker for venstre panel.\rHvis panelet er lukket, eller siden med programmer ikke er "
                   "valgt, kan programmerne åbnes fra drop-down-menuen i øverste venstre hjørne af selve programmet."),
             tekst("F9", "Åben eller kør valgte fil", aabnEllerKoerFil),
             tekst("F10", "Åben og vis programsiden", "Åbner og viser programsiden i venstre panel."),
         }},
        {QStringLiteral("ListeGenvejstaster3"),
         QStringLiteral("Tast"),
         {
             tekst("A", "Marker alle mapper og filer", multiMarkering),
             tekst("B", "Ikke anvendt", ikkeAnvendt),
             side("C", "Kopier valgte elementer", "Kopier.html"),
             side("D", "Slet til papirkurv", "Slet til papirkurv.html"),
             side("E", "Drev, mappe og fil egenskaber", "Mappe egenskaber.html"),
             tekst("F", "Fjern alle markeringer", multiMarkering),
             tekst("G", "Gemmer aktuelle mappestruktur", "Gemmer aktuelle mappestruktur, altså strukturen i struktur 1."),
             tekst("H", "Henter gemte mappestruktur",
                   "Henter gemte mappestruktur, der vises i struktur 1.\rFremstillingsmetoden kan bestemmes under "
                   "\"Programegenskaber/Hjemmelavede strukturer\"."),
             tekst("I", "Inverterer markeringen", multiMarkering),
             tekst("J", "Ikke anvendt", ikkeAnvendt),
             tekst("K", "Åbner fil i andet program", aabnEllerKoerFil),
             tekst("L", "Ikke anvendt", ikkeAnvendt),
             side("M", "Opretter ny mappe", "Ny mappe.html"),
             tekst("N", "Indsætter valgte i favoritliste", "Indsætter valgte mappe eller fil i relevante favoritliste."),
             side("O", "Omdøb ved boks", "Omdøb.html"),
             tekst("P", "Åben med program", "Forsøger at åbne fil ved indført og valgt program."),
             tekst("Q", "Lukker programmet", "Lukker programmet."),
             tekst("R", "Åbner til redigering", "Forsøger at åbne valgte fil til redigering i relevant program."),
             tekst("S", "Aktiver eller åben en Stifinder",
                   "Aktiverer en Stifinder.\rHvis der ikke er en Stifinder åben, åbnes en Stifinder med tilhørende "
                   "Klipbord."),
             side("T", "Tilføj mappe til struktur", "Opret mappestrukturer.html"),
             side("U", "Omdøb filtype", "Omdøb filtype.html"),
             side("V", "Indsæt fra klipbord", "Sæt ind.html"),
             side("X", "Klipper til klipbord", "Klip.html"),
             tekst("Y", "Ikke anvendt", ikkeAnvendt),
             tekst("Z", "Annuller kopiering", annullerKopiering),
         }},
    };
    return lister;
}

QTreeWidget* byggeGenvejsliste(const Genvejsliste& liste, QWidget* page, std::function<void(const Genvejstast&)> forklar)
{
    auto* view = new QTreeWidget(page);
    view->setObjectName(liste.navn);
    view->setHeaderLabels({liste.tastKolonne, QStringLiteral("Funktion")});
    view->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view->setRootIsDecorated(false);
    view->setAllColumnsShowFocus(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QIcon sideIkon = view->style()->standardIcon(QStyle::SP_FileDialogContentsView);
    const QIcon tekstIkon = view->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    for (const Genvejstast& tast : liste.taster) {
        auto* row = new QTreeWidgetItem(view, {tast.tast, tast.funktion});
        row->setIcon(0, tast.side.isEmpty() ? tekstIkon : sideIkon);
        row->setToolTip(1, tast.funktion);
    }
    // The rows stand in the order of the keys, so a row's index is its key's.
    const auto forklarValgte = [view, taster = liste.taster, forklar = std::move(forklar)] {
        const QList<QTreeWidgetItem*> valgte = view->selectedItems();
        if (!valgte.isEmpty())
            forklar(taster.at(view->indexOfTopLevelItem(valgte.first())));
    };
    QObject::connect(view, &QTreeWidget::itemDoubleClicked, view, forklarValgte);
    new AktiverTaster(view, forklarValgte);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(view);
    return view;
}
