#include "tree/tmakestrukturer.h"

#include "platform/registry.h"
#include "platform/userfolders.h"
#include "core/drev.h"
#include "tree/ikoner.h"
#include "core/mappelaeser.h"
#include "core/pathhelpers.h"
#include "tree/valgte.h"

#include <QFileInfo>
#include <QTreeWidget>

using platform::UserFolder;

void TMakeStrukturer::addSL(const QString& dir)
{
    SL += laesMappe(dir, {false, FShowHidden, true}).mapper;
}

void TMakeStrukturer::addSLfil(const QString& dir)
{
    MappeIndhold indhold = laesMappe(dir, {true, FShowHidden, false});
    SL += std::move(indhold.mapper);
    SLfil += std::move(indhold.filer);
}

TStrukturNode* TMakeStrukturer::drevNode(const TDrev& drev) const
{
    auto* node = new TStrukturNode(drev.caption(), {drev.rod, QString(), idDrev}, drev.ikon());
    node->setIcon(0, ikoner::mappeIkon(node->ikon));
    return node;
}

void TMakeStrukturer::vaelg(QTreeWidget* tree, QTreeWidgetItem* node)
{
    tree->clearSelection();
    tree->setCurrentItem(node);
    if (node)
        node->setSelected(true);
}

QTreeWidgetItem* TMakeStrukturer::rodMed(const QString& mappe) const
{
    for (int i = 0; i < FStruktur1->topLevelItemCount(); ++i) {
        auto* node = TStrukturNode::af(FStruktur1->topLevelItem(i));
        if (node && node->rec.mappe == mappe)
            return node;
    }
    return nullptr;
}

void TMakeStrukturer::makePreStruktur(bool asFirst)
{
    struct Special {
        UserFolder folder;
        const char* caption;
        int ikon;
    };
    static const Special specials[] = {
        {UserFolder::Desktop, "Skrivebord", ikoner::skrivebord},
        {UserFolder::Documents, "Dokumenter", ikoner::dokumenter},
        {UserFolder::Pictures, "Billeder", ikoner::billeder},
        {UserFolder::Music, "Musik", ikoner::musik},
        {UserFolder::Videos, "Videoer", ikoner::videoer},
        {UserFolder::Favorites, "Favoritter", ikoner::favoritter},
    };
    const auto& folders = platform::get<platform::UserFolders>();
    const QString home = folders.path(UserFolder::Home);
    auto* bruger = new TStrukturNode(FBrugernavn, {QFileInfo(home).isDir() ? home : QStringLiteral("/"), QString(), idBruger},
                                     ikoner::bruger);
    bruger->setIcon(0, ikoner::mappeIkon(ikoner::bruger));
    if (asFirst) {
        FStruktur1->clear();
        FStruktur1->addTopLevelItem(bruger);
    } else {
        // After the last node of the tree, at that node's level.
        QTreeWidgetItem* last = FStruktur1->topLevelItem(FStruktur1->topLevelItemCount() - 1);
        while (last && last->childCount() > 0)
            last = last->child(last->childCount() - 1);
        if (last && last->parent())
            last->parent()->addChild(bruger);
        else
            FStruktur1->addTopLevelItem(bruger);
    }
    for (const Special& special : specials) {
        const QString path = folders.path(special.folder);
        if (!QFileInfo(path).isDir())
            continue;
        auto* child = new TStrukturNode(QString::fromUtf8(special.caption), {path, QString(), idBruger}, special.ikon);
        child->setIcon(0, ikoner::mappeIkon(special.ikon));
        bruger->addChild(child);
    }
    if (FStruktur1->topLevelItemCount() > 0)
        FStruktur1->topLevelItem(0)->setExpanded(true);
}

void TMakeStrukturer::makePreDrives()
{
    if (FShowPrivate)
        makePreStruktur(true);
    else
        FStruktur1->clear();
    for (const TDrev& drev : visteDrev())
        FStruktur1->addTopLevelItem(drevNode(drev));
}

QString TMakeStrukturer::makeStruktur1()
{
    FStruktur1->clear();
    makePreDrives();
    auto* first = TStrukturNode::af(FStruktur1->topLevelItem(0));
    vaelg(FStruktur1, first);
    return first ? first->rec.mappe : QString();
}

void TMakeStrukturer::makeDrive(const QString& aDrive)
{
    if (FShowPrivate) {
        makePreStruktur(true);
        FStruktur1->collapseAll();
    } else {
        FStruktur1->clear();
    }
    for (const TDrev& drev : visteDrev()) {
        if (drev.rod == aDrive) {
            FStruktur1->addTopLevelItem(drevNode(drev));
            return;
        }
    }
}

QString TMakeStrukturer::makeStruktur2(const QString& aDirectory)
{
    QString folder = aDirectory;
    if (!QFileInfo(folder).isDir()) {
        auto* first = TStrukturNode::af(FStruktur1 ? FStruktur1->topLevelItem(0) : nullptr);
        folder = first ? first->rec.mappe : QString();
    }
    FMappenavn = folder;
    SL.clear();
    SLfil.clear();
    FStruktur2->clear();
    if (folder.isEmpty())
        return folder;
    addSLfil(folder);
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(SL.size() + SLfil.size());
    const QIcon mappeIkon = ikoner::filIkon(ikoner::filMappe);
    for (const StrukturEntry& entry : std::as_const(SL)) {
        auto* node = new TStrukturNode(entry.caption, entry.rec, ikoner::filMappe);
        node->setIcon(0, mappeIkon);
        nodes.append(node);
    }
    tilfoejFilNoder(nodes);
    FStruktur2->addTopLevelItems(nodes);
    return folder;
}

void TMakeStrukturer::tilfoejFilNoder(QList<QTreeWidgetItem*>& nodes) const
{
    for (const StrukturEntry& entry : std::as_const(SLfil)) {
        const int slot = ikoner::filSlot(entry.caption);
        auto* node = new TStrukturNode(entry.caption, entry.rec, slot);
        node->setIcon(0, ikoner::filIkon(slot));
        nodes.append(node);
    }
}

bool TMakeStrukturer::fyldBoern(QTreeWidgetItem* node)
{
    qDeleteAll(node->takeChildren());
    const QIcon ikon = ikoner::mappeIkon(ikoner::undermappe);
    QList<QTreeWidgetItem*> children;
    for (const StrukturEntry& entry : std::as_const(SL)) {
        auto* child = new TStrukturNode(entry.caption, entry.rec, ikoner::undermappe);
        child->setIcon(0, ikon);
        children.append(child);
    }
    node->addChildren(children);
    if (!children.isEmpty())
        node->setExpanded(true);
    return !children.isEmpty();
}

QString TMakeStrukturer::udfoldDirectory()
{
    if (!FStruktur1 || FStruktur1->topLevelItemCount() == 0)
        return {};
    try {
        TStrukturNode* node = valgtNode(FStruktur1);
        if (!node) {
            node = TStrukturNode::af(FStruktur1->topLevelItem(0));
            vaelg(FStruktur1, node);
        }
        if (!node)
            return {};
        qDeleteAll(node->takeChildren());
        SL.clear();
        addSL(node->rec.mappe);
        if (SL.isEmpty() && getDrevKind(node->rec.mappe) == platform::DriveKind::Optical) {
            if (!node->isDisabled())
                node->setText(0, node->text(0) + QStringLiteral(" TOM"));
            node->setDisabled(true);
            return QStringLiteral("Ikke tilgængeligt");
        }
        fyldBoern(node);
        return node->rec.mappe;
    } catch (const std::exception&) {
        sig(QStringLiteral("Der opstod en ukendt fejl.\n"));
        return {};
    }
}

bool TMakeStrukturer::udfoldNode(QTreeWidgetItem* aNode)
{
    auto* node = TStrukturNode::af(aNode);
    if (!node)
        return false;
    SL.clear();
    addSL(node->rec.mappe);
    return fyldBoern(node);
}

QTreeWidgetItem* TMakeStrukturer::getStartNode(QTreeWidgetItem* aNode, const QString& aBib)
{
    try {
        for (int i = aNode ? FStruktur1->indexOfTopLevelItem(aNode) : -1; i >= 0 && i < FStruktur1->topLevelItemCount(); ++i) {
            auto* node = TStrukturNode::af(FStruktur1->topLevelItem(i));
            if (node && node->rec.mappe == aBib) {
                udfoldNode(node);
                return node;
            }
        }
        // No root holds the drive: walking any other root would show a wrong path.
        return nullptr;
    } catch (const std::exception&) {
        sig(QStringLiteral("Der opstod en ukendt fejl.\n"));
        return nullptr;
    }
}

namespace {

// The child of node captioned part: the one spelt alike, else the first alike but for case.
QTreeWidgetItem* barnMed(QTreeWidgetItem* node, const QString& part)
{
    QTreeWidgetItem* caseless = nullptr;
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* child = node->child(i);
        if (child->text(0) == part)
            return child;
        if (!caseless && sammeTekst(child->text(0), part))
            caseless = child;
    }
    return caseless;
}

}  // namespace

bool TMakeStrukturer::udfoldStruktur1(const QString& aDirectory, bool medAlleDrev)
{
    try {
        QString dir = aDirectory;
        if (QFileInfo(dir).isFile())
            dir = QFileInfo(dir).absolutePath();
        if (!QFileInfo(dir).isDir()) {
            auto* selected = valgtNode(FStruktur1);
            dir = selected ? selected->rec.mappe : QString();
            if (!QFileInfo(dir).isDir())
                return false;
        }
        dir = QFileInfo(dir).absoluteFilePath();
        while (dir.size() > 1 && dir.endsWith(u'/'))
            dir.chop(1);
        const QString drive = drevDel(dir);
        if (medAlleDrev)
            makePreDrives();
        else
            makeDrive(drive);
        const QStringList parts = dir.mid(drive.size()).split(u'/', Qt::SkipEmptyParts);

        // The drive nodes follow the user's folder group when private folders are shown.
        QTreeWidgetItem* start = FStruktur1->topLevelItem(FShowPrivate ? 1 : 0);
        QTreeWidgetItem* node = getStartNode(start, drive);
        if (!node)
            return false;
        vaelg(FStruktur1, node);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            QTreeWidgetItem* child = barnMed(node, parts[i]);
            if (!child)
                return false;
            const bool last = i == parts.size() - 1;
            if (last)
                vaelg(FStruktur1, child);
            if (!udfoldNode(child) && !last)
                return false;
            node = child;
        }
        return true;
    } catch (const std::exception&) {
        makePreDrives();
        return false;
    }
}
