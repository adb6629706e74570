#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// One line of the program's simple lists: a small mark in its colour (a square, or a circle
// outlined and filled) at 2 pixels from the left and 5 from the top, the caption at 14 and 1, and
// a grey line along the bottom. A fixed line height, or 0 for the font's.
class Linjetegner : public QStyledItemDelegate {
public:
    enum class Maerke { Firkant, Cirkel };

    Linjetegner(Maerke maerke, QColor farve, int linjehoejde, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Maerke maerke;
    QColor farve;
    int linjehoejde;
};
