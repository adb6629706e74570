#include "tree/tstrukturcompo.h"

#include "platform/shell.h"
#include "tree/ikoner.h"
#include "core/pathhelpers.h"
#include "tree/valgte.h"

#include <QFileInfo>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

bool erMappe(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }
bool erFil(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace

QTreeWidget* TStrukturCompo::aktivTrae() const
{
    return FAktiveStruktur == 1 ? FStruktur1 : FAktiveStruktur == 2 ? FStruktur2 : nullptr;
}

QString TStrukturCompo::getDirectory()
{
    auto* node = valgtNode(FStruktur1);
    if (!node || !erMappe(node->rec.mappe))
        return {};
    makeStruktur2(node->rec.mappe);
    return node->rec.mappe;
}

QString TStrukturCompo::udfoldFileDirectory() const
{
    auto* node = valgtNode(FStruktur2);
    if (!node)
        return {};
    if (erMappe(node->rec.mappe))
        return node->rec.mappe;
    return erFil(node->rec.filnavn) ? node->rec.filnavn : QString();
}

QString TStrukturCompo::getFileDirectory(bool FjernSelect)
{
    if (FMultiSelect)
        return {};
    QString result = erMappe(FMappenavn) ? FMappenavn : QString();
    const QList<TStrukturNode*> selected = valgteNoder(FStruktur2);
    if (selected.isEmpty()) {
        FFilnavn.clear();
        return result;
    }
    auto* node = valgtNode(FStruktur2);
    if (erMappe(node->rec.mappe))
        result = node->rec.mappe;
    else if (erFil(node->rec.filnavn))
        result = node->rec.filnavn;
    if (FjernSelect && selected.size() > 1)
        FStruktur2->clearSelection();
    return result;
}

QString TStrukturCompo::getFocusDirectory(int X, int Y)
{
    auto* node = TStrukturNode::af(FStruktur1->itemAt(X, Y));
    if (node && erMappe(node->rec.mappe)) {
        vaelg(FStruktur1, node);
        FMappenavn = node->rec.mappe;
        return FMappenavn;
    }
    vaelg(FStruktur1, nullptr);
    return {};
}

QString TStrukturCompo::getFocusFilDirectory(int X, int Y)
{
    QTreeWidgetItem* item = FStruktur2->itemAt(X, Y);
    if (!item) {
        vaelg(FStruktur2, nullptr);
        return FMappenavn;
    }
    auto* node = TStrukturNode::af(item);
    if (node && erMappe(node->rec.mappe)) {
        vaelg(FStruktur2, node);
        FMappenavn = node->rec.mappe;
        return FMappenavn;
    }
    if (node && erFil(node->rec.filnavn)) {
        vaelg(FStruktur2, node);
        FFilnavn = node->rec.filnavn;
        return FMappenavn;
    }
    return {};
}

QString TStrukturCompo::valgt(bool medSti)
{
    FFilnavn.clear();
    auto* node = valgtNode(aktivTrae());
    if (!node)
        return {};
    if (FAktiveStruktur == 2 && erFil(node->rec.filnavn)) {
        FFilnavn = node->rec.filnavn;
        return medSti ? FFilnavn : QFileInfo(FFilnavn).fileName();
    }
    FMappenavn = node->rec.mappe;
    return medSti ? FMappenavn : getLastDirectory(FMappenavn);
}

QString TStrukturCompo::getSelected() { return valgt(false); }

QString TStrukturCompo::getSelectedMedSti() { return valgt(true); }

int TStrukturCompo::getSelectListe(QStringList& aListe) const
{
    for (const TStrukturNode* node : valgteNoder(FStruktur2))
        if (!filExt(node->text(0)).isEmpty())
            aListe.append(node->text(0));
    return int(aListe.size());
}

int TStrukturCompo::loadLister(QStringList& aMlist, QStringList& aFlist)
{
    aMlist.clear();
    aFlist.clear();
    FFilnavn.clear();
    const bool mappeTrae = FAktiveStruktur == 1;
    for (const TStrukturNode* node : valgteNoder(mappeTrae ? FStruktur1 : FStruktur2)) {
        if (erMappe(node->rec.mappe))
            aMlist.append(node->rec.mappe);
        else if (!mappeTrae && erFil(node->rec.filnavn))
            aFlist.append(node->rec.filnavn);
    }
    return int(aMlist.size() + aFlist.size());
}

QString TStrukturCompo::makeParamString() const
{
    if (FAktiveStruktur == 1)
        return {};
    QStringList quoted;
    for (const TStrukturNode* node : valgteNoder(FStruktur2)) {
        const QString path = stiMed(FMappenavn, node->text(0));
        if (erFil(path))
            quoted.append(platform::quoteArgument(path));
    }
    return quoted.join(u' ');
}

int TStrukturCompo::getNodeId() const
{
    auto* node = valgtNode(aktivTrae());
    return node ? node->rec.ID : idIntet;
}

QString TStrukturCompo::SelectFil(const QString& fName)
{
    if (!erFil(fName))
        return FFilnavn;
    makeStruktur2(QFileInfo(fName).absolutePath());
    TStrukturNode* match = nullptr;
    for (int i = 0; i < FStruktur2->topLevelItemCount(); ++i) {
        auto* node = TStrukturNode::af(FStruktur2->topLevelItem(i));
        if (!node || !erFil(node->rec.filnavn))
            continue;
        if (node->rec.filnavn == fName) {
            match = node;
            break;
        }
        if (!match && sammeTekst(node->rec.filnavn, fName))
            match = node;
    }
    if (!match) {
        auto* first = TStrukturNode::af(FStruktur2->topLevelItem(0));
        vaelg(FStruktur2, first);
        if (first && first->rec.ID == idFil)
            FFilnavn = first->rec.filnavn;
        return FFilnavn;
    }
    vaelg(FStruktur2, match);
    FFilnavn = match->rec.filnavn;
    return FFilnavn;
}

void TStrukturCompo::SelectMapperFiler(int actionNumber)
{
    if (FAktiveStruktur != 2 || FStruktur2->topLevelItemCount() == 0)
        return;
    switch (actionNumber) {
    case 1:
        FStruktur2->selectAll();
        FFilnavn.clear();
        break;
    case 2:
        FStruktur2->clearSelection();
        FFilnavn.clear();
        return;
    case 3:
        for (QTreeWidgetItemIterator it(FStruktur2); *it; ++it)
            (*it)->setSelected(!(*it)->isSelected());
        break;
    default:
        return;
    }
    FStruktur2->setFocus();
    auto* current = TStrukturNode::af(FStruktur2->currentItem());
    if (current && erFil(current->rec.filnavn))
        FFilnavn = current->rec.filnavn;
}

void TStrukturCompo::deselectMapper()
{
    if (FAktiveStruktur == 1)
        vaelg(FStruktur1, nullptr);
}

int TStrukturCompo::fremvisFiltype(QString aExt)
{
    if (!aExt.startsWith(u'.'))
        aExt.prepend(u'.');
    FStruktur2->clearSelection();
    int marked = 0;
    for (QTreeWidgetItemIterator it(FStruktur2); *it; ++it) {
        auto* node = TStrukturNode::af(*it);
        if (node && !node->rec.filnavn.isEmpty() && filExt(node->rec.filnavn).compare(aExt, Qt::CaseInsensitive) == 0) {
            node->ikon = ikoner::fremvist;
            node->setIcon(0, ikoner::filIkon(ikoner::fremvist));
            ++marked;
        }
    }
    return marked;
}
