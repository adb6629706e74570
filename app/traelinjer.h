#pragma once

#include <QProxyStyle>

// The application's style with connecting lines in the trees that ask for them: a tree view whose
// property "medLinjer" is true gets dotted lines from each item to its parent and siblings.
class TraeLinjer : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Turns the lines of a tree on or off and shows the change.
void visLinjer(QWidget* tree, bool medLinjer);
