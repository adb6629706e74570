#include "explorer/hjaelpknap.h"

#include "app/programkontekst.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

QToolButton* hjaelpKnap(const char* navn, const QString& hint, const QString& side, Programkontekst& main, QWidget* parent)
{
    auto* knap = new QToolButton(parent);
    knap->setObjectName(QLatin1String(navn));
    knap->setToolTip(hint);
    knap->setAutoRaise(true);
    knap->setIcon(knap->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    QObject::connect(knap, &QToolButton::clicked, parent, [&main, side] { main.InfoHelp(side); });
    return knap;
}

QHBoxLayout* hjaelpRaekke(QToolButton* knap)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(knap);
    return row;
}
