#include "explorer/listeboks.h"

#include "app/handlingsregler.h"

#include <QListWidget>

QListWidget* listeboks(const char* navn, const QString& hint, Handlingsregler* regler, QWidget* parent)
{
    auto* liste = new QListWidget(parent);
    liste->setObjectName(QLatin1String(navn));
    liste->setToolTip(hint);
    QAbstractItemModel* model = liste->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        QObject::connect(model, signal, regler, &Handlingsregler::opdaterSenere);
    QObject::connect(model, &QAbstractItemModel::modelReset, regler, &Handlingsregler::opdaterSenere);
    QObject::connect(liste, &QListWidget::currentRowChanged, regler, &Handlingsregler::opdaterSenere);
    return liste;
}
