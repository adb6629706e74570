#pragma once

#include "fileops/tfilmappedrevinfo.h"
#include "fileops/tklipbordslister.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QTreeWidgetItem;

// The explorer's bridge between its trees and the file system for the small operations:
// renaming a folder or file in place, a new folder, selecting a folder node and the paste
// destination; below it, the information about files, folders and drives.
class TMetodeCompo : public TFilMappeDrevInfo {
    Q_OBJECT
public:
    explicit TMetodeCompo(QObject* owner = nullptr);
    ~TMetodeCompo() override;


    // The clipboard whose lists this component reads and writes.
    TKlipbordsLister* Klipbord() const { return FKlipbord; }
    void setKlipbord(TKlipbordsLister* klipbord) { FKlipbord = klipbord; }
    // After elements are gathered, the clipboard window is shown when this is set.
    bool BoolVisKlipbord = false;
    std::function<void()> visKlipbord;

    // Adds the selected nodes of the active tree to the clipboard; the number of nodes counted.
    int CopyElementer();
    // Fills the lists with the clipboard's ticked, still existing entries (folders other than
    // the destination), in reverse order; the number added.
    int loadLister(QStringList& aMlist, QStringList& aFlist, const QString& aDestination);

    // Empties the trash of the drive mounted at aDrive, asking first when Confirm is set; 0 when
    // it was emptied or the user said no, else a failure code of the error table.
    int EmptyRecycleBin(bool Confirm, const QString& aDrive);

    // Starts the size calculation of the clipboard's ticked entries on the thread pool and
    // returns at once; stoerrelseBeregnes now and stoerrelseBeregnet with the result tell about it.
    void getSizeOfKlipbord();

    // The gathered elements are moved (cut) rather than copied by the next paste.
    bool FlytElementer() const { return FFlytElementer; }
    void setFlytElementer(bool flyt) { FFlytElementer = flyt; }

    // Called when in-place editing of a node's text ends; the text the node is to show.
    QString RenameMappe(const QString& aOldName, const QString& aNewName, QTreeWidgetItem* aNode);
    QString RenameFil(const QString& aOldName, const QString& aNewName, QTreeWidgetItem* aNode);
    // Starts in-place editing of the selected node of the active tree; true when it began.
    bool editSelected();
    // Makes a new folder under the current folder; its path, or empty.
    QString OpretNyMappe(QString mappeNavnet);
    bool SelectMappe(const QString& aNewMappe);
    QString getDestination() const;

Q_SIGNALS:
    void stoerrelseBeregnes();
    void stoerrelseBeregnet(qint64 mapper, qint64 filer, qint64 bytes);

private:
    QPointer<TKlipbordsLister> FKlipbord;  // gone with its window
    bool FFlytElementer = false;
};
