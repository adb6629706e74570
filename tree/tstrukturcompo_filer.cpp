// The drive menu, the saved outline of the folder tree, one type of file, and extension renaming.
#include "tree/tstrukturcompo.h"

#include "platform/textfile.h"
#include "core/drev.h"
#include "tree/ikoner.h"
#include "core/mappelaeser.h"
#include "core/pathhelpers.h"

#include <QFileInfo>
#include <QMenu>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
const QString ukendtFejl = QStringLiteral("Der opstod en ukendt fejl.");
}

void TStrukturCompo::makeDrevMenu(QMenu* PU)
{
    PU->clear();
    for (const TDrev& drev : visteDrev()) {
        QAction* entry = PU->addAction(ikoner::mappeIkon(drev.ikon()), drev.caption());
        // The mount point travels with the entry: a caption cannot tell it when it holds brackets.
        entry->setData(drev.rod);
        connect(entry, &QAction::triggered, this, [this, entry] { drevKlik(entry); });
    }
}

void TStrukturCompo::drevKlik(QAction* entry)
{
    try {
        const QString drive = entry->data().toString();
        if (FAktiveStruktur == 1) {
            FStruktur1->clear();
            makeDrive(drive);
            udfoldDirectory();
            if (onDirectoryChange)
                onDirectoryChange(drive, false);
        } else if (FAktiveStruktur == 2) {
            makeStruktur2(drive);
            if (onDirectoryChange)
                onDirectoryChange(drive, true);
        }
    } catch (const std::exception&) {
        sig(ukendtFejl + u'\n');
    }
}

bool TStrukturCompo::GemStrukturen()
{
    if (FStruktur1->topLevelItemCount() == 0)
        return false;
    QStringList lines;
    for (QTreeWidgetItemIterator it(FStruktur1); *it; ++it) {
        auto* node = TStrukturNode::af(*it);
        if (node && !node->rec.mappe.isEmpty() && QFileInfo(node->rec.mappe).isDir())
            lines.append(node->rec.mappe);
    }
    if (platform::writeTextLines(FGemHentFilnavn, lines))
        return true;
    sig(ukendtFejl);
    return false;
}

bool TStrukturCompo::HentStrukturen(int fremstillingsNo)
{
    if (!QFileInfo::exists(FGemHentFilnavn)) {
        sig(QStringLiteral("Der er ikke gemt en struktur."));
        return false;
    }
    auto lines = platform::readTextLines(FGemHentFilnavn);
    if (!lines) {
        sig(ukendtFejl);
        return false;
    }
    if (fremstillingsNo == 1)
        makePunktStruktur(*lines);
    else
        makeHistoryStruktur(*lines);
    return true;
}

int TStrukturCompo::makeStrukturFil(QString aExt)
{
    if (!aExt.isEmpty() && !aExt.startsWith(u'.'))
        aExt.prepend(u'.');
    SLfil.clear();
    FStruktur2->clear();
    // Hidden files are always left out here.
    MappeIndhold indhold = laesMappe(FMappenavn, {true, false, false});
    for (StrukturEntry& entry : indhold.filer) {
        if (!QFileInfo(entry.rec.filnavn).isFile())
            continue;
        if (!aExt.isEmpty() && filExt(entry.caption).compare(aExt, Qt::CaseInsensitive) != 0)
            continue;
        entry.rec.mappe = FMappenavn;
        SLfil.append(entry);
    }
    QList<QTreeWidgetItem*> nodes;
    tilfoejFilNoder(nodes);
    FStruktur2->addTopLevelItems(nodes);
    return int(nodes.size());
}

int TStrukturCompo::RenameFilExt(const QString& aMappe, const QString& oldExt, const QString& newExt, bool alleMapper)
{
    const int found = renameFilExtIn(aMappe, oldExt, newExt, alleMapper);
    if (found < 0) {
        sig(QStringLiteral("Der opstod en ukendt fejl!"));
        return -1;
    }
    if (found > 0)
        makeStruktur2(aMappe);
    return found;
}
