#include "boxes/tinfform.h"

#include <QPushButton>
#include <QVBoxLayout>

Tinfform::Tinfform(QWidget* mainWindow)
    : TBoksform(mainWindow, QStringLiteral("Information"))
{
    setObjectName(QStringLiteral("infform"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    knapLayout()->addWidget(ok, 0, Qt::AlignHCenter);
}

void Tinfform::sig(const QString& tekst)
{
    insertTekst(tekst);
    visModal();
}
