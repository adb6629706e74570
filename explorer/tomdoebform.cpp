#include "explorer/tomdoebform.h"

#include "boxes/modalseam.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TOmdoebForm::TOmdoebForm(const QString& caption, int bredde, const QString& gammelTekst, const QString& nyTekst,
                         QWidget* mainWindow)
    : QDialog(mainWindow)
    , mappeEdit(new QLineEdit(this))
    , oldEdit(new QLineEdit(this))
    , newEdit(new QLineEdit(this))
    , okKnap(new QPushButton(QStringLiteral("Omdøb"), this))
    , annullerKnap(new QPushButton(QStringLiteral("Annuller"), this))
    , raekker(new QFormLayout)
{
    setWindowTitle(caption);
    setFixedWidth(bredde);
    mappeEdit->setObjectName(QStringLiteral("mappeEdit"));
    oldEdit->setObjectName(QStringLiteral("oldEdit"));
    newEdit->setObjectName(QStringLiteral("newEdit"));
    mappeEdit->setReadOnly(true);
    oldEdit->setReadOnly(true);
    okKnap->setObjectName(QStringLiteral("okKnap"));
    okKnap->setToolTip(QStringLiteral("Omdøb og luk boksen"));
    annullerKnap->setObjectName(QStringLiteral("annullerKnap"));
    annullerKnap->setToolTip(QStringLiteral("Annuller og luk boksen"));
    okKnap->setAutoDefault(false);
    annullerKnap->setAutoDefault(false);
    connect(okKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::reject);
    connect(newEdit, &QLineEdit::returnPressed, okKnap, [this] { okKnap->setFocus(); });
    raekker->addRow(QStringLiteral("Mappe"), mappeEdit);
    raekker->addRow(gammelTekst, oldEdit);
    raekker->addRow(nyTekst, newEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raekker);
    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(okKnap);
    knapper->addWidget(annullerKnap);
    layout->addLayout(knapper);
}

bool TOmdoebForm::vis()
{
    newEdit->clear();
    newEdit->setFocus();
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
    return modalseam::exec(*this) == QDialog::Accepted;
}

TrenameForm::TrenameForm(QWidget* mainWindow)
    : TOmdoebForm(QStringLiteral("Omdøb"), 500, QStringLiteral("Navn"), QStringLiteral("Nyt navn"), mainWindow)
{
    setObjectName(QStringLiteral("renameForm"));
}

TextForm::TextForm(QWidget* mainWindow)
    : TOmdoebForm(QStringLiteral("Omdøb filtype"), 533, QStringLiteral("Filtype"), QStringLiteral("Ny filtype"), mainWindow)
    , Check(new QComboBox(this))
{
    setObjectName(QStringLiteral("extForm"));
    Check->setObjectName(QStringLiteral("Check"));
    Check->addItems({QStringLiteral("Omdøb kun filer i denne mappe"),
                     QStringLiteral("Omdøb filer i denne mappe samt alle undermapper")});
    raekker->addRow(Check);
}
