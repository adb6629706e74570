// Navigation: the central update, the path tabs, back and forward, the tree events and the
// structure commands.
#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "app/treopenfiler.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "fileops/tklipbordslister.h"
#include "fileops/tmetodecompo.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

QAction* Twinform::handling(const char* navn, const QString& hint, const QKeySequence& genvej, std::function<void()> udfoer)
{
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(navn));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(genvej);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [udfoer] { udfoer(); });
    connect(action, &QAction::triggered, regler, &Handlingsregler::opdaterSenere);
    addAction(action);
    return action;
}

void Twinform::byggeHandlinger()
{
    const auto ikon = [this](QAction* action, QStyle::StandardPixmap pixmap) { action->setIcon(style()->standardIcon(pixmap)); };
    ikon(handling("Tilbage", QStringLiteral("Gå til foregående eller sidste mappe"), {}, [this] { TilbageExecute(); }),
         QStyle::SP_ArrowBack);
    ikon(handling("Frem", QStringLiteral("Gå til næste eller første mappe"), {}, [this] { FremExecute(); }),
         QStyle::SP_ArrowForward);
    ikon(handling("Fokus", QStringLiteral("Aktiv mappestruktur: Alt+1"), Qt::ALT | Qt::Key_1, [this] {
             aktivStruktur(1);
             mappeKontrol(FStrukturY->getDirectory(), true);
             MappeStruktur->setFocus();
         }),
         QStyle::SP_DirIcon);
    ikon(handling("Fokus2", QStringLiteral("Aktiv filstruktur: Alt+2"), Qt::ALT | Qt::Key_2, [this] {
             aktivStruktur(2);
             TStrukturCompo& compo = *FStrukturY;
             mappeKontrol(QFileInfo(compo.Filnavn()).isFile() ? compo.SelectFil(compo.Filnavn())
                                                              : compo.getFileDirectory(false),
                          true);
             FilStruktur->setFocus();
         }),
         QStyle::SP_FileIcon);
    ikon(handling("aTopPanel", QStringLiteral("Vis eller skjul toppanelet: F7"), Qt::Key_F7, [this] {
             topPanel->setVisible(topPanel->isHidden());
             main.opt.Vistoppanel = !topPanel->isHidden();
         }),
         QStyle::SP_TitleBarShadeButton);
    ikon(handling("KunDrev", QStringLiteral("Opdater alle drev eller vælg drev til mappestrukturen"), {},
                  [this] { FStrukturY->makePreDrives(); }),
         QStyle::SP_DriveHDIcon);
    ikon(handling("UdfoldStruktur", QStringLiteral("Udfold strukturen"), {}, [this] { MappeStruktur->expandAll(); }),
         QStyle::SP_ToolBarVerticalExtensionButton);
    ikon(handling("SammenfoldStruktur", QStringLiteral("Sammenfold struktur"), {}, [this] { MappeStruktur->collapseAll(); }),
         QStyle::SP_ToolBarHorizontalExtensionButton);
    ikon(handling("OpdaterKunEn", QStringLiteral("Opdater aktuelle mappe på aktuelle drev uden at vise andre drev: F4"),
                  Qt::Key_F4, [this] { opdaterStruktur1(false); }),
         QStyle::SP_BrowserReload);
    ikon(handling("OpdaterAlle", QStringLiteral("Opdater aktuelle mappe på aktuelle drev med samtlige drev i strukturen: F5"),
                  Qt::Key_F5, [this] { opdaterStruktur1(true); }),
         QStyle::SP_BrowserReload);
    ikon(handling("indstilMappestruktur", QStringLiteral("Indstil mappestrukturen til denne mappe"), {},
                  [this] { opdaterStruktur1(opt.RadioOpstart != 1); }),
         QStyle::SP_FileDialogToParent);
    ikon(handling("opdater2", QStringLiteral("Opdater mappe-fil-strukturen: F6"), Qt::Key_F6, [this] {
             TStrukturCompo& compo = *FStrukturY;
             if (QFileInfo(compo.Filnavn()).isFile())
                 compo.SelectFil(compo.Filnavn());
             else
                 compo.makeStruktur2(compo.Mappenavn());
             aktivStruktur(2);
             mappeKontrol(compo.Mappenavn(), true);
         }),
         QStyle::SP_BrowserReload);
    QAction* privat = handling("aMedtagPrivat", QStringLiteral("Medtag eller fjern privatmapper med opdatering af alle drev"),
                               {}, [this] {
                                   FStrukturY->setShowPrivate(!FStrukturY->ShowPrivate());
                                   FStrukturY->makePreDrives();
                               });
    ikon(privat, QStyle::SP_DirHomeIcon);

    connect(PUdrev1, &QMenu::aboutToShow, this, [this] {
        aktivStruktur(1);
        FStrukturY->makeDrevMenu(PUdrev1);
    });
    connect(PUdrev2, &QMenu::aboutToShow, this, [this] {
        aktivStruktur(2);
        FStrukturY->makeDrevMenu(PUdrev2);
    });
}

void Twinform::byggeRegler()
{
    const auto regel = [this](const char* navn, std::function<bool()> Update) {
        regler->tilfoej(findChild<QAction*>(QLatin1String(navn)), std::move(Update));
    };
    const auto ring = [this] { return HistorieListe->currentRow() >= 0 && HistorieListe->count() > 1; };
    regel("Tilbage", ring);
    regel("Frem", ring);
    regel("Fokus", [this] { return FStrukturY->AktiveStruktur() == 2; });
    regel("Fokus2", [this] { return FStrukturY->AktiveStruktur() == 1; });
    for (const char* navn : {"OpdaterKunEn", "OpdaterAlle", "indstilMappestruktur"})
        regel(navn, [this] { return !FStrukturY->Mappenavn().isEmpty(); });
    const auto antal = [this](bool mapper) {
        TKlipbordsLister* lister = FKlipbord ? &FKlipbord->lister() : nullptr;
        return lister ? (mapper ? lister->Mappeliste() : lister->Filliste())->topLevelItemCount() : 0;
    };
    regel("aAnnullerMapper", [antal] { return antal(true) > 0; });
    regel("aAnnullerFiler", [antal] { return antal(false) > 0; });
    regel("AnnullerKopiering", [this] { return FKlipbord && FKlipbord->elementAntal > 0; });
    regel("KlipbordsdataTransfer", [this] {
        return !main.opt.sammeKlipbord && KDTcheck->isChecked() && main.NewCount >= 2 && FKlipbord
            && FKlipbord->elementAntal > 0 && main.processCount == 0;
    });
    regel("aMappeFilSize", [this] { return funkTilladt && sizeLabel->text() != u"Beregner..."; });
    regler->tilfoej([this] {
        findChild<QAction*>(QStringLiteral("aMedtagPrivat"))->setProperty("ikon", FStrukturY->ShowPrivate() ? 33 : 32);
    });
}

void Twinform::forbindTraeer()
{
    connect(MappeStruktur, &QTreeWidget::itemClicked, this, &Twinform::mappeIStruktur1Valgt);
    connect(MappeStruktur, &QTreeWidget::itemDoubleClicked, this, [this] {
        aktivStruktur(1);
        FStrukturY->udfoldDirectory();
    });
    connect(FilStruktur, &QTreeWidget::itemClicked, this, [this] {
        aktivStruktur(2);
        mappeKontrol(FStrukturY->getFileDirectory(false), true);
    });
    connect(FilStruktur, &QTreeWidget::itemDoubleClicked, this, [this] {
        aktivStruktur(2);
        const QString element = FStrukturY->udfoldFileDirectory();
        if (QFileInfo(element).isDir())
            mappeKontrol(FStrukturY->makeStruktur2(element), true);
        else if (QFileInfo(element).isFile())
            main.runFilname(element, 0);
    });
    for (QTreeWidget* tree : {MappeStruktur, FilStruktur}) {
        connect(tree, &QTreeWidget::itemSelectionChanged, this, [this, tree] {
            if (tree->selectedItems().isEmpty())
                funkNo = FStrukturY->getNodeId();
            regler->opdaterSenere();
        });
    }
    FilStruktur->viewport()->installEventFilter(this);
    // The menus hold the file actions of the trees, put in by those actions.
    for (auto [menu, navn] : {std::pair{&PUdirbox, "PUdirbox"}, std::pair{&PUfilbox, "PUfilbox"},
                              std::pair{&PUdirboxDrev, "PUdirboxDrev"}, std::pair{&PUdirPrivate, "PUdirPrivate"}}) {
        *menu = new QMenu(this);
        (*menu)->setObjectName(QLatin1String(navn));
    }
    for (QTreeWidget* tree : {MappeStruktur, FilStruktur}) {
        tree->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tree, &QWidget::customContextMenuRequested, this, [this, tree](const QPoint& punkt) {
            if (QMenu* menu = traeMenu(tree); menu && !menu->isEmpty())
                menu->popup(tree->viewport()->mapToGlobal(punkt));
        });
    }
    connect(mirvel, &QTabBar::tabBarClicked, this, &Twinform::mirvelChange);
    forbindOmdoebning(MappeStruktur);
    forbindOmdoebning(FilStruktur);
    connect(Timer, &QTimer::timeout, this, [this] { opfriskEfterOmdoebning(Timer); });
    connect(TimerFil, &QTimer::timeout, this, [this] { opfriskEfterOmdoebning(TimerFil); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { funkPanel1->setFixedWidth(MappeStruktur->width()); });
}

QMenu* Twinform::traeMenu(const QTreeWidget* tree) const
{
    const int aktiv = FStrukturY->AktiveStruktur();
    const int kind = FStrukturY->getNodeId();
    if (tree == MappeStruktur) {
        if (aktiv != 1)
            return nullptr;
        switch (kind) {
        case idMappe: return PUdirbox;
        case idBruger:
        case 3: return PUdirPrivate;
        case idDrev: return PUdirboxDrev;
        default: return nullptr;
        }
    }
    if (aktiv == 1)
        return nullptr;
    return kind > idFil ? PUdirboxDrev : PUfilbox;
}

bool Twinform::eventFilter(QObject* watched, QEvent* event)
{
    if (traekHaendelse(watched, event))
        return true;
    if (watched == FilStruktur->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto modifiers = static_cast<QMouseEvent*>(event)->modifiers();
        FStrukturY->setMultiSelect(modifiers & (Qt::ShiftModifier | Qt::ControlModifier));
        if (modifiers & Qt::AltModifier)
            FStrukturY->getFileDirectory(true);
    }
    return QWidget::eventFilter(watched, event);
}

void Twinform::mappeIStruktur1Valgt()
{
    aktivStruktur(1);
    FStrukturY->setFilnavn(QString());
    mappeKontrol(FStrukturY->getDirectory(), true);
}

void Twinform::aktivStruktur(int struktur) { FStrukturY->setAktiveStruktur(struktur); }

void Twinform::visAktivStruktur()
{
    const bool foerste = FStrukturY->AktiveStruktur() == 1;
    findChild<QAction*>(QStringLiteral("Fokus"))->setProperty("ikon", foerste ? 16 : 17);
    findChild<QAction*>(QStringLiteral("Fokus2"))->setProperty("ikon", foerste ? 17 : 16);
    AktiveStrukturEdit->setText(foerste ? QStringLiteral("Struktur 1") : QStringLiteral("Struktur 2"));
}

void Twinform::mappeKontrol(const QString& denneSti, bool medSti)
{
    QApplication::processEvents();
    visAktivStruktur();
    if (denneSti.isEmpty())
        return;
    main.EditSti()->setText(denneSti);
    aktuelleSti = main.EditSti()->text();
    if (QFileInfo(denneSti).isDir()) {
        historieDir->InsertItem(denneSti, getLastDirectory(denneSti));
        HListeForandret = true;
    }
    if (medSti)
        udskrivSti(denneSti);
    favChanged = true;
    funkNo = FStrukturY->getNodeId();
    // While a long operation runs, the rules are run again from the thread pool.
    if (main.processCount > 0)
        regler->opdaterFraTraad();
    else
        regler->opdaterSenere();
}

void Twinform::udskrivSti(const QString& sti)
{
    while (mirvel->count() > 0)
        mirvel->removeTab(0);
    // The root is the first piece; the rest are the names between the separators, empty ones kept.
    stiArray = sti.startsWith(u'/') ? QStringList{QStringLiteral("/")} + sti.mid(1).split(u'/') : sti.split(u'/');
    for (const QString& piece : std::as_const(stiArray))
        if (!piece.isEmpty())
            mirvel->addTab(piece);
    const int valgt = int(stiArray.size()) - 1;
    if (valgt < mirvel->count())
        mirvel->setCurrentIndex(valgt);
    TStrukturCompo& compo = *FStrukturY;
    if (QFileInfo(sti).isDir()) {
        compo.setMappenavn(sti);
        AktuelleElementEdit->setText(QStringLiteral("Mappe"));
    } else if (QFileInfo(sti).isFile()) {
        compo.setFilnavn(sti);
        compo.setMappenavn(QFileInfo(sti).absolutePath());
        AktuelleElementEdit->setText(QStringLiteral("Fil"));
    }
    mappenavnFelt->setText(getLastDirectory(compo.Mappenavn()));
    filnavnFelt->setText(QFileInfo(compo.Filnavn()).fileName());
}

QString Twinform::getStien(int index) const
{
    QString sti = stiArray.value(0);
    for (int i = 1; i <= index && i < stiArray.size(); ++i)
        sti = stiMed(sti, stiArray[i]);
    return sti;
}

void Twinform::mirvelChange(int index)
{
    if (index < 0)
        return;
    aktivStruktur(2);
    const QString sti = getStien(index);
    TStrukturCompo& compo = *FStrukturY;
    if (QFileInfo(sti).isFile()) {
        compo.setFilnavn(sti);
        compo.setMappenavn(QFileInfo(sti).absolutePath());
        mappeKontrol(compo.SelectFil(sti), false);
    } else {
        compo.setFilnavn(QString());
        compo.setMappenavn(sti);
        mappeKontrol(compo.makeStruktur2(sti), false);
    }
}

void Twinform::TilbageExecute()
{
    const int row = HistorieListe->currentRow();
    HistorieListe->setCurrentRow(row <= 0 ? HistorieListe->count() - 1 : row - 1);
    skiftHisDir();
}

void Twinform::FremExecute()
{
    const int row = HistorieListe->currentRow();
    HistorieListe->setCurrentRow(row >= HistorieListe->count() - 1 ? 0 : row + 1);
    skiftHisDir();
}

void Twinform::skiftHisDir()
{
    const QString sti = historieDir->GetFilnavn(HistorieListe->currentRow());
    if (QFileInfo(sti).isDir())
        gaaTilMappe(sti);
}

void Twinform::opdaterStruktur1(bool alleDrev)
{
    aktivStruktur(1);
    const QString mappe = FStrukturY->Mappenavn();
    FStrukturY->udfoldStruktur1(mappe, alleDrev);
    mappeKontrol(mappe, false);
}

void Twinform::startOmdoebning()
{
    QTreeWidget* tree = FStrukturY->AktiveStruktur() == 1 ? MappeStruktur : FilStruktur;
    QTreeWidgetItem* node = tree->currentItem();
    OldNodeTekst = node ? node->text(0) : QString();
    // Making the node editable is itself a change of the node: it is no end of an edit.
    redigeres = nullptr;
    if (metodeX->editSelected()) {
        redigeres = node;
        redigering = true;
    }
}

void Twinform::forbindOmdoebning(QTreeWidget* tree)
{
    connect(tree, &QTreeWidget::itemChanged, this, [this, tree](QTreeWidgetItem* item) {
        if (item == redigeres)
            omdoebningSlut(tree, item);
    });
    connect(tree->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this, tree](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                QTreeWidgetItem* item = redigeres;
                redigeres = nullptr;
                redigering = false;
                for (QTimer* timer : std::exchange(udsatteOpfriskninger, {}))
                    timer->start();
                if (!item)
                    return;
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                if (hint == QAbstractItemDelegate::RevertModelCache) {
                    const QSignalBlocker quiet(tree);
                    item->setText(0, OldNodeTekst);
                }
            });
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(1000);
    (tree == MappeStruktur ? Timer : TimerFil) = timer;
}

void Twinform::omdoebningSlut(QTreeWidget* tree, QTreeWidgetItem* item)
{
    redigeres = nullptr;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    auto* node = TStrukturNode::af(item);
    const QString nytNavn = item->text(0);
    QString vises = OldNodeTekst;
    QTimer* opfrisk = nullptr;
    if (tree == MappeStruktur || (node && node->rec.ID == idMappe)) {
        vises = metodeX->RenameMappe(OldNodeTekst, nytNavn, item);
        opfrisk = Timer;
    } else if (node && node->rec.ID == idFil) {
        vises = metodeX->RenameFil(OldNodeTekst, nytNavn, item);
        opfrisk = TimerFil;
    }
    if (opfrisk) {
        omdoebt[opfrisk] = valgtElement();
        opfrisk->start();
    }
    const QSignalBlocker quiet(tree);
    item->setText(0, vises.isEmpty() ? OldNodeTekst : vises);
}

namespace {

// The path a node stands for: a file's for a file, else its folder's or drive's.
QString nodeSti(QTreeWidgetItem* item)
{
    const auto* node = TStrukturNode::af(item);
    if (!node)
        return {};
    return node->rec.ID == idFil ? node->rec.filnavn : node->rec.mappe;
}

// The folder whose content a tree lists: the folder of its first entry; empty for an empty tree.
QString listetMappe(const QTreeWidget* tree)
{
    const QString foerste = nodeSti(tree->topLevelItem(0));
    return foerste.isEmpty() ? QString() : QFileInfo(QDir::cleanPath(foerste)).path();
}

}  // namespace

Twinform::Valg Twinform::valgtElement() const
{
    const int struktur = FStrukturY->AktiveStruktur();
    return {struktur, nodeSti((struktur == 1 ? MappeStruktur : FilStruktur)->currentItem())};
}

void Twinform::opfriskEfterOmdoebning(QTimer* timer)
{
    // An open edit is never swept away by reading the tree again: the refresh waits for its end.
    if (redigering) {
        if (!udsatteOpfriskninger.contains(timer))
            udsatteOpfriskninger.append(timer);
        return;
    }
    // Nor is a click cut in two, its press on the old tree and its release on the new one: the
    // refresh waits until the buttons are up.
    if (QApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(50, timer, [this, timer] { opfriskEfterOmdoebning(timer); });
        return;
    }
    TStrukturCompo& compo = *FStrukturY;
    const Valg nu = valgtElement();
    if (nu == omdoebt.value(timer)) {
        if (timer == Timer) {
            const QString mappe = compo.Mappenavn();
            compo.udfoldStruktur1(mappe, opt.RadioOpstart != 1);
            mappeKontrol(compo.makeStruktur2(mappe), true);
        } else {
            aktivStruktur(2);
            mappeKontrol(compo.SelectFil(compo.Filnavn()), true);
        }
        return;
    }
    // The user has chosen another entry since the rename: the tree is read again where it stands,
    // and the choice, the folder and the file in hand stay as the user left them. A folder chosen
    // in the folder-and-file tree is the folder in hand, not the one the tree lists.
    const QString mappenavn = compo.Mappenavn();
    const QString filnavn = compo.Filnavn();
    const QString traeEtsSti = nodeSti((timer == Timer ? MappeStruktur : FilStruktur)->currentItem());
    if (timer == Timer) {
        if (!traeEtsSti.isEmpty())
            compo.udfoldStruktur1(traeEtsSti, opt.RadioOpstart != 1);
    } else {
        const QString listet = listetMappe(FilStruktur);
        compo.makeStruktur2(listet.isEmpty() ? mappenavn : listet);
        vaelgSti(FilStruktur, traeEtsSti);
    }
    compo.setMappenavn(mappenavn);
    compo.setFilnavn(filnavn);
    aktivStruktur(nu.struktur);
    visAktivStruktur();
}

void Twinform::vaelgSti(QTreeWidget* tree, const QString& sti)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (!sti.isEmpty() && nodeSti(*it) == sti) {
            tree->clearSelection();
            tree->setCurrentItem(*it);
            (*it)->setSelected(true);
            return;
        }
    }
}
