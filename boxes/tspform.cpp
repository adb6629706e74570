#include "boxes/tspform.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Tspform::Tspform(QWidget* mainWindow)
    : TBoksform(mainWindow, QStringLiteral("Spørgsmål"))
    , alle(new QCheckBox(QStringLiteral("Gør det samme med alle"), this))
{
    setObjectName(QStringLiteral("spform"));
    alle->setObjectName(QStringLiteral("alleCheck"));
    alle->setVisible(false);
    auto* ja = new QPushButton(QStringLiteral("Ja"), this);
    ja->setObjectName(QStringLiteral("JaButton"));
    ja->setDefault(true);
    auto* nej = new QPushButton(QStringLiteral("Nej"), this);
    nej->setObjectName(QStringLiteral("NejButton"));
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ja);
    row->addWidget(nej);
    row->addStretch();
    knapLayout()->addWidget(alle);
    knapLayout()->addLayout(row);
}

bool Tspform::spoerg(const QString& tekst)
{
    insertTekst(tekst);
    return visModal() == QDialog::Accepted;
}

int Tspform::tilfoejetHoejde() const
{
    return TBoksform::tilfoejetHoejde() + (alle->isVisibleTo(this) ? alleCheckHeight : 0);
}

void Tspform::foerVisning() { alle->setChecked(false); }
