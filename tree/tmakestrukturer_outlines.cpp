// The outlines of lists of folders: the level structure, the bullet structure and one folder's chain.
#include "tree/tmakestrukturer.h"

#include "core/drev.h"
#include "tree/ikoner.h"
#include "core/mappelaeser.h"
#include "core/pathhelpers.h"

#include <QFileInfo>
#include <QTreeWidget>

namespace {

const QString fejlTekst = QStringLiteral("Det lykkedes ikke at fremstille strukturen.\n");

// An entry that is the mount point of its own file system: a bare drive.
bool erDrev(const QString& entry) { return drevDel(entry) == entry; }

}  // namespace

TStrukturNode* TMakeStrukturer::mappeNode(const QString& caption, const QString& mappe)
{
    auto* node = new TStrukturNode(caption, {mappe, QString(), erSystemMappe(mappe) ? idSystem : idMappe},
                                   ikoner::undermappe);
    node->setIcon(0, ikoner::mappeIkon(ikoner::undermappe));
    return node;
}

bool TMakeStrukturer::normaliser(QStringList& aList)
{
    for (qsizetype i = aList.size() - 1; i >= 0; --i) {
        if (!aList[i].startsWith(u'/') || !QFileInfo(aList[i]).isDir()) {
            aList.removeAt(i);
            continue;
        }
        while (aList[i].size() > 1 && aList[i].endsWith(u'/'))
            aList[i].chop(1);
    }
    if (!aList.isEmpty())
        return true;
    makePreDrives();
    vaelg(FStruktur1, FStruktur1->topLevelItem(0));
    return false;
}

void TMakeStrukturer::makeHisDrive(const QString& aDrive)
{
    if (rodMed(aDrive))
        return;
    for (const TDrev& drev : visteDrev()) {
        if (drev.rod != aDrive)
            continue;
        if (StartNo == 0)
            FStruktur1->clear();
        FStruktur1->addTopLevelItem(drevNode(drev));
        ++StartNo;
        return;
    }
}

void TMakeStrukturer::makeHistoryStruktur(QStringList& aList)
{
    try {
        if (!normaliser(aList))
            return;
        FStruktur1->clear();
        StartNo = 0;
        for (qsizetype i = aList.size() - 1; i >= 0; --i)
            makeHisDrive(drevDel(aList[i]));
        for (const QString& entry : std::as_const(aList)) {
            const QString drive = drevDel(entry);
            QTreeWidgetItem* node = drive == entry ? nullptr : rodMed(drive);
            if (!node)
                continue;
            QString built = drive;
            for (const QString& part : entry.mid(drive.size()).split(u'/', Qt::SkipEmptyParts)) {
                built = stiMed(built, part);
                QTreeWidgetItem* found = nullptr;
                for (int c = 0; c < node->childCount() && !found; ++c)
                    if (sammeTekst(node->child(c)->text(0), part))
                        found = node->child(c);
                if (!found) {
                    found = mappeNode(part, built);
                    node->addChild(found);
                }
                node = found;
            }
        }
        FStruktur1->expandAll();
        vaelg(FStruktur1, nullptr);
    } catch (const std::exception&) {
        sig(fejlTekst);
    }
}

void TMakeStrukturer::makePunktStruktur(QStringList& aList)
{
    try {
        if (!normaliser(aList))
            return;
        FStruktur1->clear();
        StartNo = 0;
        bool kunDrev = true;
        for (const QString& entry : std::as_const(aList)) {
            if (erDrev(entry))
                makeHisDrive(entry);
            else
                kunDrev = false;
        }
        if (!kunDrev) {
            // A bare drive that cannot be shown is left out; the folders are listed all the same.
            for (const QString& entry : std::as_const(aList))
                if (!erDrev(entry))
                    FStruktur1->addTopLevelItem(mappeNode(getLastDirectory(entry), entry));
        }
        vaelg(FStruktur1, FStruktur1->topLevelItem(0));
    } catch (const std::exception&) {
        sig(fejlTekst);
    }
}

QString TMakeStrukturer::udfoldMappe(const QString& aDirectory)
{
    try {
        FStruktur1->clear();
        if (!QFileInfo(aDirectory).isDir()) {
            makePreDrives();
            vaelg(FStruktur1, FStruktur1->topLevelItem(0));
            return {};
        }
        QString path = aDirectory;
        while (path.size() > 1 && path.endsWith(u'/'))
            path.chop(1);
        const QString drive = drevDel(path);
        QStringList chain{drive};
        for (const QString& part : path.mid(drive.size()).split(u'/', Qt::SkipEmptyParts))
            chain.append(stiMed(chain.last(), part));
        makeHistoryStruktur(chain);
        return delimKon(path);
    } catch (const std::exception&) {
        sig(QStringLiteral("Der opstod en ukendt fejl.\n"));
        return {};
    }
}
