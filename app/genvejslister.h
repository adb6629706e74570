#pragma once

#include <QList>
#include <QString>
#include <functional>

class QTreeWidget;
class QWidget;

// One key of the shortcut lists and how it is explained: by a help page, or by a text in the
// information box.
struct Genvejstast {
    QString tast;
    QString funktion;
    QString side;   // a page file (a name with ".html"); empty when the text explains the key
    QString tekst;
};

// One list of the left panel's page "Program genveje": its name, the caption of its key column
// and its keys in the order shown.
struct Genvejsliste {
    QString navn;
    QString tastKolonne;
    QList<Genvejstast> taster;
};

// The four lists, in the order of the inner pages of "genvejsBog". Fixed: nothing is read from a file.
const QList<Genvejsliste>& genvejslister();

// Puts the list on page as a read-only two-column report list with an icon per row. A double click
// on a row, and Enter or Space in the list, hand the selected row to forklar; without a selected
// row nothing happens.
QTreeWidget* byggeGenvejsliste(const Genvejsliste& liste, QWidget* page, std::function<void(const Genvejstast&)> forklar);
