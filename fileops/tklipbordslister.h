#pragma once

#include <QObject>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

// The clipboard's two lists of ticked entries, folders and files: an entry shows an image and
// the full path and can be ticked; only ticked entries take part in a paste, a move, a size
// calculation or a transfer. A path stands at most once in a list (the letters A to Z folded).
class TKlipbordsLister : public QObject {
    Q_OBJECT
public:
    TKlipbordsLister(QTreeWidget* Mappeliste, QTreeWidget* Filliste, QObject* owner = nullptr);

    QTreeWidget* Mappeliste() const { return mapper; }
    QTreeWidget* Filliste() const { return filer; }

    // Adds an entry to the folder list (aList 1) or the file list (any other) unless the path
    // is there already, ticked or not; true when it was added.
    bool CopyListAdd(int aList, int aIndex, const QString& aTekst, bool check);
    // An existing folder goes to the folder list, an existing file to the file list.
    bool RegisterElements(const QString& aElement);
    // The path of an entry, without a closing line feed and carriage return.
    static QString sti(const QTreeWidgetItem* entry);
    // The ticked paths of a list, from the last entry to the first; entries whose folder or file
    // is gone are removed from the list on the way.
    QStringList afkrydsede(QTreeWidget* liste, bool mapperne);
    // The number of ticked entries of both lists.
    int getElementAntal() const;
    // Removes the ticked entries of both lists, folders first.
    void ClearCopyLister();

Q_SIGNALS:
    // A list changed: entries added, removed, ticked or unticked.
    void aendret(QTreeWidget* liste);

private:
    QTreeWidget* mapper;
    QTreeWidget* filer;
};
