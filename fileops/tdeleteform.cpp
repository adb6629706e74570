#include "fileops/tdeleteform.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

Tdeleteform::Tdeleteform(QWidget* mainWindow)
    : TFremgangsform(QStringLiteral("Sletter mapper og filer"), mainWindow)
    , destLabel(new QLabel(this))
    , proBar(new QProgressBar(this))
    , mapperLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("deleteform"));
    destLabel->setObjectName(QStringLiteral("destLabel"));
    proBar->setObjectName(QStringLiteral("proBar"));
    proBar->setRange(0, 100);
    proBar->setValue(0);
    mapperLabel->setObjectName(QStringLiteral("mapperLabel"));
    kolonne->addWidget(destLabel);
    kolonne->addWidget(LabelInfo);
    tilfoejResterende();
    kolonne->addWidget(proBar);
    kolonne->addWidget(mapperLabel);
    kolonne->addWidget(listbox, 1);
}
