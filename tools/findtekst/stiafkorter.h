#pragma once

#include <QStyledItemDelegate>

// Draws a column of paths so that the file name stays: a path too long for its cell loses the
// middle of its folders ("/home/…/Bilag/regning.txt"), and only a file name that alone is too
// long loses its own middle. The whole path is the cell's hint (from the model).
class Stiafkorter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The path as shown in a width of bredde pixels.
    static QString afkortet(const QString& sti, const QFontMetrics& maal, int bredde);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
