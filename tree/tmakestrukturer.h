#pragma once

#include "tree/strukturnode.h"
#include "core/tmapper.h"

#include <QList>
#include <QStringList>
#include <functional>

struct TDrev;

// Builds the two trees: the drives and the user's folders in the folder tree, one folder's
// content in the folder-and-file tree, folders unfolded on demand, and the outlines made from
// lists of folders.
class TMakeStrukturer : public TStrukMapper {
    Q_OBJECT
public:
    using TStrukMapper::TStrukMapper;

    // Raised when the user picks a drive from the drive menu; medPath is true when the
    // folder-and-file tree was rebuilt, false when the folder tree was.
    std::function<void(const QString& aDirectory, bool medPath)> onDirectoryChange;

    int AktiveStruktur() const { return FAktiveStruktur; }
    void setAktiveStruktur(int aktiv) { FAktiveStruktur = aktiv; }

    void makePreStruktur(bool asFirst);
    void makePreDrives();
    QString makeStruktur1();
    void makeDrive(const QString& aDrive);
    QString makeStruktur2(const QString& aDirectory);
    QString udfoldDirectory();
    bool udfoldNode(QTreeWidgetItem* aNode);
    bool udfoldStruktur1(const QString& aDirectory, bool medAlleDrev);
    QTreeWidgetItem* getStartNode(QTreeWidgetItem* aNode, const QString& aBib);

    // Outlines of lists of folders. The list is normalised in place: entries that are not
    // existing folders are removed and a closing "/" is dropped.
    void makeHistoryStruktur(QStringList& aList);
    void makePunktStruktur(QStringList& aList);
    void makeHisDrive(const QString& aDrive);
    QString udfoldMappe(const QString& aDirectory);

    int StartNo = 0;
    QList<StrukturEntry> SL;
    QList<StrukturEntry> SLfil;

protected:
    void addSL(const QString& dir);
    void addSLfil(const QString& dir);
    // The node of a drive as both trees' outlines and the drive tree show it.
    TStrukturNode* drevNode(const TDrev& drev) const;
    // Nodes of the folder-and-file tree made from SLfil, appended to nodes.
    void tilfoejFilNoder(QList<QTreeWidgetItem*>& nodes) const;
    // Children made from SL under node, replacing the ones it had; true when it got any.
    bool fyldBoern(QTreeWidgetItem* node);
    static void vaelg(QTreeWidget* tree, QTreeWidgetItem* node);
    QTreeWidgetItem* rodMed(const QString& mappe) const;

    int FAktiveStruktur = 1;

private:
    // The list after removing what is no folder and a closing "/"; false when nothing is left,
    // and the plain drive tree is then shown.
    bool normaliser(QStringList& aList);
    // A folder node of an outline: icon slot 3, ID 5 for a system folder.
    static TStrukturNode* mappeNode(const QString& caption, const QString& mappe);
};
