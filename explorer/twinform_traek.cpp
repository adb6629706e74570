// Dragging elements between the explorer's trees and onto its path tabs: a drop gathers the
// dragged elements into the clipboard and pastes them at once, moving within one file system and
// copying between two, or always copying with "Anvend Drag-Drop-kopiering".
#include "explorer/twinform.h"

#include "app/programkontekst.h"
#include "fileops/tmetodecompo.h"
#include "core/drev.h"
#include "tree/strukturnode.h"
#include "tree/tstrukturcompo.h"

#include <QDragMoveEvent>
#include <QFileInfo>
#include <QDropEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTreeWidget>

void Twinform::forbindTraek()
{
    for (QTreeWidget* tree : {MappeStruktur, FilStruktur}) {
        tree->setDragEnabled(true);
        tree->setDragDropMode(QAbstractItemView::DragDrop);
        tree->setDefaultDropAction(Qt::CopyAction);
        tree->viewport()->setAcceptDrops(true);
        tree->viewport()->installEventFilter(this);
    }
    mirvel->setAcceptDrops(true);
    mirvel->installEventFilter(this);
}

bool Twinform::traekHaendelse(QObject* watched, QEvent* event)
{
    const bool mappeTrae = watched == MappeStruktur->viewport();
    const bool filTrae = watched == FilStruktur->viewport();
    const bool faner = watched == mirvel;
    if (!mappeTrae && !filTrae && !faner)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (faner)
            return false;
        // A drag may start from where the button goes down: never a drive, never while this
        // window runs an operation.
        QTreeWidget* tree = mappeTrae ? MappeStruktur : FilStruktur;
        QTreeWidgetItem* item = tree->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const TStrukturNode* node = item ? TStrukturNode::af(item) : nullptr;
        tree->setDragEnabled(funkTilladt && !(mappeTrae && node && node->rec.ID == idDrev));
        DrevSource = drevDel(FStrukturY->Mappenavn());
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* traek = static_cast<QDragMoveEvent*>(event);
        const bool fraTrae = traek->source() == MappeStruktur || traek->source() == FilStruktur;
        if (!fraTrae)
            return false;  // files from other programs reach the window
        if (faner ? main.processCount == 0 : funkTilladt)
            traek->acceptProposedAction();
        else
            traek->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* slip = static_cast<QDropEvent*>(event);
        if (slip->source() != MappeStruktur && slip->source() != FilStruktur)
            return false;
        slip->acceptProposedAction();
        slipElementer(faner ? 0 : mappeTrae ? 1 : 2, slip->position().toPoint());
        return true;
    }
    default:
        return false;
    }
}

void Twinform::slipElementer(int maal, const QPoint& punkt)
{
    klipbordsLister();
    metodeX->CopyElementer();
    if (maal == 0) {
        const int fane = mirvel->tabAt(punkt);
        if (fane < 0)
            return;
        mirvel->setCurrentIndex(fane);
        mirvelChange(fane);
        aktivStruktur(1);
        FStrukturY->udfoldStruktur1(FStrukturY->Mappenavn(), opt.RadioOpstart != 1);
        mappeKontrol(FStrukturY->Mappenavn(), true);
        MappeStruktur->setFocus();
    } else if (maal == 1) {
        if (!QFileInfo(FStrukturY->getFocusDirectory(punkt.x(), punkt.y())).isDir())
            return;
        aktivStruktur(1);
    } else {
        aktivStruktur(2);
        FStrukturY->getFocusFilDirectory(punkt.x(), punkt.y());
    }
    const QString DrevDest = drevDel(FStrukturY->Mappenavn());
    metodeX->setFlytElementer(!opt.DragDropCheck && DrevSource == DrevDest);
    PasteExecute();
    DrevSource.clear();
}
