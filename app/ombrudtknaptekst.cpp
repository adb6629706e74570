#include "app/ombrudtknaptekst.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>

namespace {

class Knaptekst : public QLabel {
public:
    Knaptekst(QAbstractButton* knap, QWidget* parent) : QLabel(knap->text(), parent), knap(knap)
    {
        setWordWrap(true);
        setToolTip(knap->toolTip());
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && knap->isEnabled())
            knap->click();
    }

private:
    QAbstractButton* knap;
};

}  // namespace

void ombrydKnaptekst(QAbstractButton* knap)
{
    QWidget* parent = knap->parentWidget();
    auto* raekke = new QWidget(parent);
    raekke->setObjectName(knap->objectName() + QStringLiteral("Raekke"));
    auto* layout = new QHBoxLayout(raekke);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tekst = new Knaptekst(knap, raekke);
    if (parent->layout())
        delete parent->layout()->replaceWidget(knap, raekke);
    knap->setAccessibleName(knap->text());
    knap->setText(QString());
    layout->addWidget(knap, 0, Qt::AlignTop);
    layout->addWidget(tekst, 1);
}
