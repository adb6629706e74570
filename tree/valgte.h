#pragma once

#include "tree/strukturnode.h"

#include <QList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// The selected nodes of a tree, in tree order.
inline QList<TStrukturNode*> valgteNoder(QTreeWidget* tree)
{
    QList<TStrukturNode*> nodes;
    if (!tree)
        return nodes;
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::Selected); *it; ++it)
        if (auto* node = TStrukturNode::af(*it))
            nodes.append(node);
    return nodes;
}

// The selected node of a tree: the current node when it is selected, else the first selected.
inline TStrukturNode* valgtNode(QTreeWidget* tree)
{
    if (!tree)
        return nullptr;
    QTreeWidgetItem* current = tree->currentItem();
    if (current && current->isSelected())
        return TStrukturNode::af(current);
    return valgteNoder(tree).value(0);
}
