#pragma once

#include <QLayout>
#include <QList>
#include <initializer_list>

// Lays its widgets out in a row at their preferred sizes and goes on in a new row where the width
// runs out, so that no widget is ever narrower than its text needs.
class Ombrydningslayout : public QLayout {
public:
    explicit Ombrydningslayout(QWidget* parent, int afstand = 2);
    ~Ombrydningslayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items.size()); }
    QLayoutItem* itemAt(int index) const override { return items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in rect (or only measures, when placer is false); the height used.
    int lagUd(const QRect& rect, bool placer) const;

    QList<QLayoutItem*> items;
    int afstand;
};

// A row of widgets (buttons) that goes on in a new row where the width runs out.
QWidget* ombrudtRaekke(QWidget* parent, std::initializer_list<QWidget*> widgets);
