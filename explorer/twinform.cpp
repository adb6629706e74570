#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/indstillingsbinder.h"
#include "boxes/tinfform.h"
#include "app/programkontekst.h"
#include "app/traelinjer.h"
#include "explorer/tlisteform.h"
#include "app/treopenfiler.h"
#include "core/stoerrelser.h"
#include "fileops/tklipbordslister.h"
#include "fileops/tdeleteobjekt.h"
#include "fileops/tmetodecompo.h"
#include "fileops/tpasteobjekt.h"
#include "fileops/tprogressform.h"
#include "core/ikonslots.h"
#include "core/pathhelpers.h"
#include "platform/textfile.h"
#include "tree/tstrukturcompo.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

Twinform::Twinform(Programkontekst& main)
    : main(main)
    , metodeX(std::make_unique<TMetodeCompo>())
    , FStrukturY(&metodeX->StrukturY())
    , binder(std::make_unique<IndstillingsBinder<StifinderIndstillinger>>(opt))
{
    const int nummer = main.NewCount;
    StifinderNavn = QStringLiteral("Stifinder %1").arg(nummer);
    setObjectName(QStringLiteral("winform"));
    setWindowTitle(StifinderNavn);
    optFilnavn = main.folders.OptMappe + StifinderNavn + QStringLiteral(".txt");
    byggeVindue();
    setAktivitetsNr(0, 0);

    const auto liste = [this, &main](TReopenFiler* component, const QString& fil, QListWidget* box, TItemtype type) {
        component->Itemfile = main.folders.OptMappe + fil;
        component->Itemtype = type;
        component->setBeskeder(main.beskeder());
        component->setListeBoks(box);
        component->OnListeKlik = [this](const QString&, const QString& sti) { this->main.UdskrivInfo(sti); };
    };
    historieDir = new TReopenFilerY(this);
    liste(historieDir, QStringLiteral("historiemapper%1.txt").arg(nummer), HistorieListe, itBibliotek);
    FavDir = new TReopenFilerX(this);
    liste(FavDir, QStringLiteral("favoritmapper%1.txt").arg(nummer), findChild<QListWidget*>("favoritliste"), itBibliotek);
    FavFiler = new TReopenFilerX(this);
    liste(FavFiler, QStringLiteral("favoritfiler%1.txt").arg(nummer), findChild<QListWidget*>("favfilerListe"), itFil);
    historieDir->OnDblListeKlik = [this](const QString&, const QString& sti) { gaaTilMappe(sti); };
    FavDir->OnDblListeKlik = [this](const QString&, const QString& sti) { gaaTilMappe(sti); };
    FavFiler->OnDblListeKlik = [this](const QString&, const QString& sti) { this->main.runFilname(sti, 0); };
    forbindListerne();

    HentOpt();
    bestemTabs();
    newMetodeObjekt();
    byggePaste();
    byggeSletning();
    byggeInfo();
    byggeFilhandlinger();
    byggeOmdoebning();
    byggeFilregler();
    byggeStrukturhandlinger();
    fyldTraeMenuer();
    placerKnapper();
    forbindTraek();
    anvendRedskabsplacering();
    anvendFaneplacering();
    winBog->setCurrentIndex(opt.winBogSide);
    favoritBog->setCurrentIndex(opt.favoritBogSide);
    Splitter1->setSizes({opt.mappeStrukturBredde, std::max(width() - opt.mappeStrukturBredde, 1)});
    main.FontboxClick();
    topPanel->setVisible(main.opt.Vistoppanel);

    TStrukturCompo& compo = *FStrukturY;
    compo.setGemHentFilnavn(main.folders.OptMappe + QStringLiteral("GemHentStruktur ") + StifinderNavn
                            + QStringLiteral(".txt"));
    compo.setStruktur1(MappeStruktur);
    compo.setStruktur2(FilStruktur);
    compo.setBeskeder(main.beskeder());
    metodeX->setBeskeder(main.beskeder());
    compo.onDirectoryChange = [this](const QString& sti, bool medSti) { mappeKontrol(sti, medSti); };
    compo.setShowPrivate(opt.privatCheckBox);
    compo.setShowHidden(opt.hiddenCheck);
    compo.setMappenavn(opt.Mappenavn);
    compo.setFilnavn(opt.Filnavn);
    if (!makeOpstartStrukturer()) {
        aktivStruktur(1);
        compo.makePreDrives();
        mappeKontrol(compo.makeStruktur2(QString()), true);
    }
    main.anvendBogfanerPaa({mirvel, favoritBog});
    FavDir->HentReopenFiler();
    FavFiler->HentReopenFiler();
    visLinjer(MappeStruktur, main.opt.CheckStrukturLinjer);
}

Twinform::~Twinform()
{
    // A search still running ends at its next entry; nothing of it reaches this window.
    if (soegningStop)
        *soegningStop = true;
}

bool Twinform::makeOpstartStrukturer()
{
    TStrukturCompo& compo = *FStrukturY;
    if (opt.RadioOpstart == 0) {
        aktivStruktur(1);
        compo.makePreDrives();
        aktivStruktur(2);
        mappeKontrol(compo.makeStruktur2(QString()), true);
        return compo.Struktur1()->topLevelItemCount() > 0;
    }
    if (!compo.udfoldStruktur1(compo.Mappenavn(), opt.RadioOpstart == 2))
        return false;
    aktivStruktur(2);
    QString result;
    if (QFileInfo(compo.Filnavn()).isFile())
        result = compo.SelectFil(compo.Filnavn());
    else
        result = compo.makeStruktur2(QFileInfo(compo.Mappenavn()).isDir() ? compo.Mappenavn() : QString());
    mappeKontrol(result, true);
    return true;
}

void Twinform::HentOpt()
{
    // A file that is there but could not be read whole is kept before it is written over.
    if (!hentStifinderOpt(optFilnavn, opt))
        indstillingsfejl = platform::ulaeseligIndstillingsfil(platform::gemUlaeseligFil(optFilnavn));
    binder->vis();
}

void Twinform::GemOpt()
{
    opt.Mappenavn = FStrukturY->Mappenavn();
    opt.Filnavn = FStrukturY->Filnavn();
    if (MappeStruktur->isVisible())
        opt.mappeStrukturBredde = MappeStruktur->width();
    opt.winBogSide = winBog->currentIndex();
    opt.favoritBogSide = favoritBog->currentIndex();
    if (!gemStifinderOpt(optFilnavn, opt))
        main.beskeder()->sig(QStringLiteral("Indstillingerne kunne ikke gemmes i filen:\n") + optFilnavn);
}

void Twinform::FormActivate()
{
    if (opstart) {
        opstart = false;
        funkPanel1->setFixedWidth(MappeStruktur->width());
        (FStrukturY->AktiveStruktur() == 1 ? MappeStruktur : FilStruktur)->setFocus();
        main.loadMappeStruktur(false);
        if (!indstillingsfejl.isEmpty())
            main.beskeder()->sig(indstillingsfejl);
        if (!main.opt.TryedBefore) {
            winBog->setCurrentIndex(4);
            egenskabsBogen->setCurrentIndex(1);
        }
        funkNo = FStrukturY->getNodeId();
        setActionUpdates(main.opt.blokerCheck);
    }
    stifindernavnLabel->setText(StifinderNavn);
    main.EditSti()->setText(aktuelleSti);
    regler->opdaterSenere();
}

void Twinform::showStrukturInfo()
{
    main.InfoHelp(FStrukturY->AktiveStruktur() == 1 ? QStringLiteral("Mappestrukturen.html")
                                                    : QStringLiteral("Filstrukturen.html"));
}

void Twinform::closeEvent(QCloseEvent* event)
{
    if (aktivitetsAntal > 0) {
        // The running operation stops at its next step and the window closes after it.
        PasteObj->stop();
        lukEfterOperation = true;
        event->ignore();
        return;
    }
    setAcceptDrops(false);
    if (egetKlipbord && FKlipbord) {
        FKlipbord->sletBeggeListerExecute();
        QWidget* vindue = FKlipbord->parentWidget() ? FKlipbord->parentWidget() : FKlipbord.data();
        vindue->deleteLater();
    }
    GemOpt();
    FavDir->GemReopenFiler();
    FavFiler->GemReopenFiler();
    --main.NewCount;
    event->accept();
}

void Twinform::gaaTilMappe(const QString& folder)
{
    aktivStruktur(2);
    mappeKontrol(FStrukturY->makeStruktur2(folder), true);
}

void Twinform::gaaTilFil(const QString& fil)
{
    aktivStruktur(2);
    mappeKontrol(FStrukturY->SelectFil(fil), true);
}

void Twinform::visStruktur1()
{
    aktivStruktur(1);
    visAktivStruktur();
    MappeStruktur->setFocus();
}

void Twinform::opdater() { opdaterStruktur1(true); }

void Twinform::setAktivitetsNr(int antal, int art)
{
    aktivitetsAntal += antal;
    funkTilladt = aktivitetsAntal <= 0;
    AktivitetBoks->setMaximum(funkTilladt ? 1 : 0);
    // The style animates a busy bar and stops only when it paints one with progress, which an
    // empty idle bar never has: the animation would redraw the idle bar sixty times a second.
    // Ending it here lets the style start a new one for the next busy state.
    if (funkTilladt)
        qDeleteAll(AktivitetBoks->findChildren<QAbstractAnimation*>(Qt::FindDirectChildrenOnly));
    if ((art == 1 || art == 2) && main.opt.beskedCheck) {
        const QString resultat = art == 1 ? PasteObj->getResult() : DeleteObj->getResult();
        const QString hvad = art == 2                                                   ? QStringLiteral("Der blev slettet ")
                             : PasteObj->paabegyndt() && !PasteObj->fuldfoert() ? QStringLiteral("Kopieringen blev ikke fuldført: ")
                                                                                      : QStringLiteral("Der blev kopieret ");
        setBeskedInfo(hvad + (resultat.isEmpty() ? QStringLiteral("0 bytes") : resultat));
    }
    main.anvendHints(this);
    if (regler)
        regler->opdaterSenere();
}

void Twinform::setBeskedInfo(const QString& tekst)
{
    if (main.opt.beskedCheck)
        main.makeInfo(QStringLiteral("Information"), tekst);
}

void Twinform::setActionUpdates(bool blokerende)
{
    bloker = blokerende;
    if (auto* ActionUpd = findChild<QAction*>(QStringLiteral("ActionUpd")))
        ActionUpd->setProperty("ikon", bloker ? 104 : 103);
    regler->opdaterFraTraad();
}

void Twinform::bestemTabs()
{
    winBog->setTabVisible(0, opt.tabVisCheck1);
    winBog->setTabVisible(1, opt.tabVisCheck0);
    winBog->setTabVisible(2, opt.tabVisCheck2);
    winBog->setTabVisible(3, opt.tabVisCheck3);
}

void Twinform::newMetodeObjekt()
{
    if (main.NewCount > 1 && main.opt.sammeKlipbord)
        main.setKlipbord(this);
    if (!FKlipbord) {
        brugKlipbord(main.getKlipbord());
        egetKlipbord = !FKlipbord.isNull();
    }
    metodeX->BoolVisKlipbord = opt.visKlipbordCheck;
    metodeX->visKlipbord = [this] {
        main.programhandlinger.visKlipbordet->trigger();
    };
    metodeX->setFlytElementer(false);
    connect(metodeX.get(), &TMetodeCompo::stoerrelseBeregnes, this, [this] {
        if (FKlipbord)
            FKlipbord->visBeregning();
    });
    connect(metodeX.get(), &TMetodeCompo::stoerrelseBeregnet, this, [this](qint64 mapper, qint64 filer, qint64 bytes) {
        if (FKlipbord)
            FKlipbord->visStoerrelse(mapper, filer, bytes);
        sizeLabel->setText(skaleretStoerrelse(bytes) + QStringLiteral("  Filer: ") + QString::number(filer));
        regler->opdaterSenere();
    });
    setAcceptDrops(true);
}

void Twinform::annuller(bool mapper, bool filer)
{
    if (!FKlipbord)
        return;
    if (mapper && filer)
        FKlipbord->sletBeggeListerExecute();
    else if (mapper)
        FKlipbord->sletAlt1Execute();
    else
        FKlipbord->sletAlt2Execute();
    sizeLabel->clear();
}

void Twinform::beregnKlipbordStoerrelse()
{
    if (!klipbordsLister())
        return;
    sizeLabel->setText(QStringLiteral("Beregner..."));
    metodeX->getSizeOfKlipbord();
}

QWidget* Twinform::klipbord() const { return FKlipbord; }

void Twinform::brugKlipbord(QWidget* klipbord)
{
    FKlipbord = qobject_cast<Tlisteform*>(klipbord);
    metodeX->setKlipbord(FKlipbord ? &FKlipbord->lister() : nullptr);
}

TKlipbordsLister* Twinform::klipbordsLister()
{
    if (!FKlipbord) {
        brugKlipbord(main.getKlipbord());
        egetKlipbord = !FKlipbord.isNull();
    }
    return FKlipbord ? &FKlipbord->lister() : nullptr;
}

void Twinform::modtagKlipbordsdata(const QStringList& mapper, const QStringList& filer)
{
    TKlipbordsLister* lister = klipbordsLister();
    if (!lister)
        return;
    for (const QString& mappe : mapper)
        lister->CopyListAdd(1, 4, mappe, true);
    for (const QString& fil : filer)
        lister->CopyListAdd(2, ikoner::filSlot(fil), fil, true);
    if (opt.visIndstillingerCheck)
        winBog->setCurrentIndex(5);
    KDTcheck->setChecked(false);
    regler->opdaterSenere();
}

void Twinform::visKlipbordAntal(const QString& antMapper, const QString& antFiler)
{
    if (!antMapper.isEmpty())
        EditMappe->setText(antMapper);
    if (!antFiler.isEmpty())
        EditFil->setText(antFiler);
}

void Twinform::registrerElement(const QString& element)
{
    TKlipbordsLister* lister = klipbordsLister();
    if (!lister || !lister->RegisterElements(element))
        return;
    if (QFileInfo(element).isDir())
        gaaTilMappe(element);
    else
        gaaTilFil(element);
}

void Twinform::KopierElementer(bool flyt)
{
    klipbordsLister();
    metodeX->setFlytElementer(flyt);
    metodeX->CopyElementer();
    QApplication::processEvents();
    if (opt.visIndstillingerCheck)
        winBog->setCurrentIndex(5);
}

void Twinform::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Twinform::dropEvent(QDropEvent* event)
{
    registrerSlip(event->mimeData()->urls());
    event->acceptProposedAction();
}

void Twinform::registrerSlip(const QList<QUrl>& elementer)
{
    TKlipbordsLister* lister = klipbordsLister();
    for (const QUrl& url : elementer)
        if (lister && url.isLocalFile())
            lister->RegisterElements(url.toLocalFile());
}
