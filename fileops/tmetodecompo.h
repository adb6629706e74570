#pragma once

#include <QObject>
#include <QString>
#include <memory>

class Beskeder;
class QTreeWidgetItem;
class TStrukturCompo;

// The explorer's bridge between its trees and the file system for the small operations:
// renaming a folder or file in place, a new folder, selecting a folder node and the paste
// destination. It owns the explorer's tree engine.
class TMetodeCompo : public QObject {
    Q_OBJECT
public:
    explicit TMetodeCompo(QObject* owner = nullptr);
    ~TMetodeCompo() override;

    TStrukturCompo& StrukturY() const { return *FStrukturY; }
    void setBeskeder(Beskeder* beskeder) { FBeskeder = beskeder; }

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

private:
    void sig(const QString& tekst) const;

    std::unique_ptr<TStrukturCompo> FStrukturY;
    Beskeder* FBeskeder = nullptr;
    bool FFlytElementer = false;
};
