// The outlines of lists of folders: the level structure, the bullet structure and one folder's chain.
#include "tree/tmakestrukturer.h"

#include "core/drev.h"
#include "tree/ikoner.h"
#include "core/mappelaeser.h"
#include "core/pathhelpers.h"

#include <QFileInfo>
#include <QHash>
#include <QTreeWidget>

namespace {

const QString fejlTekst = QStringLiteral("Det lykkedes ikke at fremstille strukturen.\n");

// A caption with the letters A to Z folded, as captions are compared.
QString foldAZ(const QString& tekst)
{
    QString ud = tekst;
    for (QChar& c : ud)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return ud;
}

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
        // The drives of the entries, from the last entry up, each once; the outline is built on
        // them before it goes into the tree, and a child is found by its caption, the letters A to
        // Z folded, through a table.
        const Monteringer drev;
        const QList<TDrev> vist = drev.visteDrev();
        QHash<QString, QTreeWidgetItem*> roedder;
        QList<QTreeWidgetItem*> orden;
        QStringList drevDele(aList.size());
        for (qsizetype i = aList.size() - 1; i >= 0; --i) {
            drevDele[i] = drev.drevDel(aList[i]);
            if (roedder.contains(drevDele[i]))
                continue;
            for (const TDrev& d : vist)
                if (d.rod == drevDele[i]) {
                    orden.append(drevNode(d));
                    roedder.insert(d.rod, orden.last());
                }
        }
        QHash<QTreeWidgetItem*, QHash<QString, QTreeWidgetItem*>> boern;
        for (qsizetype i = 0; i < aList.size(); ++i) {
            const QString& entry = aList[i];
            const QString& drive = drevDele[i];
            QTreeWidgetItem* node = drive == entry ? nullptr : roedder.value(drive);
            if (!node)
                continue;
            QString built = drive;
            for (const QString& part : entry.mid(drive.size()).split(u'/', Qt::SkipEmptyParts)) {
                built = stiMed(built, part);
                QTreeWidgetItem*& found = boern[node][foldAZ(part)];
                if (!found) {
                    found = mappeNode(part, built);
                    node->addChild(found);
                }
                node = found;
            }
        }
        StartNo = int(orden.size());
        FStruktur1->addTopLevelItems(orden);
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
        const Monteringer drev;
        QList<QTreeWidgetItem*> mapper;
        for (const QString& entry : std::as_const(aList)) {
            if (drev.drevDel(entry) == entry)
                makeHisDrive(entry);
            else
                mapper.append(mappeNode(getLastDirectory(entry), entry));
        }
        // A bare drive that cannot be shown is left out; the folders are listed all the same.
        FStruktur1->addTopLevelItems(mapper);
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
