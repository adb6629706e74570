#include "app/elementvinduer.h"

#include <QWidget>

namespace {
constexpr char property[] = "qvmElementType";
}

void setElementType(QWidget* window, ElementType type) { window->setProperty(property, int(type)); }

ElementType elementType(const QWidget* window)
{
    return window ? ElementType(window->property(property).toInt()) : ElementType::Andet;
}
