#pragma once

#include <QTreeWidget>

// The information tree: a tree of page titles read from a tree file (one node per line, one
// leading TAB or blank per level) and a data file beside it (one line per node in depth-first
// order: a picture digit, then the node's page name).
class TStruktur : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStruktur(QWidget* parent = nullptr);

    QString Strukturfile;
    QString Datafile;
    QString Infomappe;  // the pages' folder, ending in "/"
    QString Billedmappe;
    QString Htmlmappe;
    bool DataOn = true;
    bool Modified = false;

    // Loads the tree and its data lines. False, with the tree emptied, when the tree file is
    // missing or the data file has fewer lines than the tree; fejl() then says why.
    bool HentStruktur();
    QString fejl() const { return sidsteFejl; }

    // The selected node's page name; empty without data or selection.
    QString SelectedData() const;
    // Selects the first node whose page name equals DataUrl without its extension (exactly);
    // true when a node was newly selected.
    bool setSelected(const QString& DataUrl);
    // The same search; selects the node and returns its text, empty when there is none.
    QString getNodeTekst(const QString& DataUrl);
    // The first node, depth-first, whose text equals tekst without regard to case.
    QTreeWidgetItem* nodeMedTekst(const QString& tekst) const;
    int antalNoder() const;

    static QString sidenavn(const QTreeWidgetItem* node);

private:
    QList<QTreeWidgetItem*> noderDybdeFoerst() const;
    QTreeWidgetItem* nodeMedSide(const QString& DataUrl) const;
    void saetData(QTreeWidgetItem* node, const QString& data);

    QString sidsteFejl;
};
