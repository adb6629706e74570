// The explorer's copy, cut and paste: the actions, the paste engine's events, restoring the
// last paste, and the bracket around a long operation.
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "explorer/tlisteform.h"
#include "fileops/tklipbordslister.h"
#include "fileops/tmetodecompo.h"
#include "fileops/tpasteobjekt.h"
#include "core/beskeder.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

void Twinform::byggePaste()
{
    PasteObj = new TPasteObjekt(main.folders.OptMappe, main.hovedvindue(), this);
    PasteObj->onLoadLister = [this] { loadListerne(); };
    PasteObj->onPasteElements = [this](bool ok) { lukKlipbordKontrol(ok); };

    QAction* kopier = handling("Copy", QStringLiteral("Indsæt i kopieringslisten: Ctrl+C eller Insert"),
                               Qt::CTRL | Qt::Key_C, [this] { KopierElementer(false); });
    kopier->setText(QStringLiteral("Kopier"));
    QAction* klip = handling("Cut", QStringLiteral("Klipper til sletning efter Sæt ind: Ctrl+X"), Qt::CTRL | Qt::Key_X,
                             [this] { KopierElementer(true); });
    klip->setText(QStringLiteral("Klip"));
    QAction* saetInd = handling("Paste", QStringLiteral("Sæt ind fra kopieringslisten: Ctrl+V"), Qt::CTRL | Qt::Key_V,
                                [this] { PasteExecute(); });
    saetInd->setText(QStringLiteral("Sæt ind"));
    const auto aktiv = [this](int struktur) { return FStrukturY->AktiveStruktur() == struktur; };
    const auto valgt = [](const QTreeWidget* tree) { return tree->currentItem() != nullptr; };
    const auto elementAntal = [this] { return FKlipbord ? FKlipbord->elementAntal : 0; };
    regler->tilfoej(kopier, [=, this] {
        return aktiv(1) ? funkNo < 3 && valgt(MappeStruktur) : aktiv(2) && valgt(FilStruktur);
    });
    regler->tilfoej(klip, [=, this] {
        return funkTilladt && (aktiv(1) ? funkNo == 0 && valgt(MappeStruktur) : aktiv(2) && valgt(FilStruktur));
    });
    regler->tilfoej(saetInd, [=, this] {
        return funkTilladt && elementAntal() > 0 && (aktiv(1) ? valgt(MappeStruktur) : aktiv(2));
    });
    regler->tilfoej(findChild<QAction*>(QStringLiteral("klipbordsGendannelse")),
                    [this] { return !PasteObj->PasteMapper.isEmpty() || !PasteObj->PasteFiler.isEmpty(); });
}

void Twinform::langOperation(int art, const std::function<void()>& arbejde)
{
    main.aendrProcessCount(1);
    setAktivitetsNr(1, 0);
    QCoreApplication::processEvents();
    arbejde();
    QCoreApplication::processEvents();
    main.aendrProcessCount(-1);
    setAktivitetsNr(-1, art);
    QCoreApplication::processEvents();
    // A close asked for while the operation ran happens now that nothing of it is in use.
    if (lukEfterOperation && aktivitetsAntal <= 0)
        QTimer::singleShot(0, this, [this] { (parentWidget() ? parentWidget() : this)->close(); });
}

void Twinform::PasteExecute()
{
    if (!FKlipbord || FKlipbord->elementAntal == 0) {
        main.beskeder()->sig(QStringLiteral("Der er ingen elementer i Klipbordet.\rVælg elementer og prøv igen."));
        return;
    }
    langOperation(1, [this] {
        PasteObj->IntSpm = opt.spmBox;
        PasteObj->IntPasteMetode = opt.resultBox;
        PasteObj->CloseBoxAfter = opt.LukCheck;
        PasteObj->setBoxCaption(StifinderNavn);
        PasteObj->setJournal(main.folders.kopieringsDir + StifinderNavn + QStringLiteral(".txt"));
        metodeX->FlytElementer() ? PasteObj->PasteCutElementer() : PasteObj->PasteElementer();
        // The destination changed also when not everything arrived.
        if (PasteObj->paabegyndt() && opt.opdaterCheck && !lukEfterOperation) {
            const QString dest = PasteObj->ConstDest;
            FStrukturY->udfoldStruktur1(dest, opt.RadioOpstart != 1);
            mappeKontrol(FStrukturY->makeStruktur2(dest), true);
        }
    });
}

void Twinform::loadListerne()
{
    const QString dest = metodeX->getDestination();
    if (!QFileInfo(dest).isDir()) {
        PasteObj->ConstDest.clear();
        main.beskeder()->sig(QStringLiteral("Der mangler en destination for \"Sæt-ind\" funktionen.\r"
                                            "Vælg mappen, hvor elementerne skal kopieres til og prøv igen."));
        return;
    }
    QStringList mapper, filer;
    if (metodeX->loadLister(mapper, filer, dest) > 0) {
        PasteObj->ConstDest = dest;
        PasteObj->PasteMapper = mapper;
        PasteObj->PasteFiler = filer;
        return;
    }
    PasteObj->ConstDest.clear();
    main.beskeder()->sig(QStringLiteral("Der er ingen gyldige elementer i Klipbordet.\rIndsæt elementer og prøv igen."));
}

void Twinform::lukKlipbordKontrol(bool ok)
{
    if (ok && opt.rydCheck)
        if (TKlipbordsLister* lister = klipbordsLister())
            lister->ClearCopyLister();
}

void Twinform::klipbordsGendannelse()
{
    TKlipbordsLister* lister = klipbordsLister();
    if (!lister)
        return;
    for (const QStringList* liste : {&PasteObj->PasteMapper, &PasteObj->PasteFiler})
        for (const QString& element : *liste)
            lister->RegisterElements(element);
    if (opt.visIndstillingerCheck)
        winBog->setCurrentIndex(4);
}
