#pragma once

#include "core/strukturrec.h"

#include <QTreeWidgetItem>

// A node of the folder tree or the folder-and-file tree: its record and its icon slot.
class TStrukturNode : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    TStrukturNode(const QString& caption, const StrukturRec& rec, int ikon)
        : QTreeWidgetItem(QStringList{caption}, Type), rec(rec), ikon(ikon)
    {
    }

    // The record of a node of ours; nullptr for anything else.
    static TStrukturNode* af(QTreeWidgetItem* item)
    {
        return item && item->type() == Type ? static_cast<TStrukturNode*>(item) : nullptr;
    }

    StrukturRec rec;
    int ikon;
};
