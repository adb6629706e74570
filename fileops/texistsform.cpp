#include "fileops/texistsform.h"

#include "boxes/modalseam.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TExistsForm::TExistsForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , dirEdit(new QLineEdit(this))
    , filEdit(new QLineEdit(this))
    , resultBox(new QButtonGroup(this))
    , checkOverskriv(new QCheckBox(QStringLiteral("Overskriv dette element"), this))
{
    setObjectName(QStringLiteral("existsform"));
    setWindowTitle(QStringLiteral("Bestem handling"));
    dirEdit->setObjectName(QStringLiteral("dirEdit"));
    filEdit->setObjectName(QStringLiteral("filEdit"));
    dirEdit->setReadOnly(true);
    filEdit->setReadOnly(true);
    checkOverskriv->setObjectName(QStringLiteral("checkOverskriv"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Mappenavn"), this));
    layout->addWidget(dirEdit);
    layout->addWidget(new QLabel(QStringLiteral("Filnavn"), this));
    layout->addWidget(filEdit);
    auto* tekst = new QLabel(QStringLiteral("Hvis der findes filer eller mapper med samme navn, hvad skal der så gøres?"), this);
    tekst->setWordWrap(true);
    layout->addWidget(tekst);
    auto* gruppe = new QGroupBox(QStringLiteral("Handling"), this);
    gruppe->setObjectName(QStringLiteral("resultBox"));
    auto* grid = new QGridLayout(gruppe);
    const QStringList valg = {QStringLiteral("Overskriv ingen"), QStringLiteral("Overskriv alle"),
                              QStringLiteral("Opret kopier"), QStringLiteral("Spørg hver gang")};
    for (int i = 0; i < valg.size(); ++i) {
        auto* knap = new QRadioButton(valg[i], gruppe);
        resultBox->addButton(knap, i);
        grid->addWidget(knap, i % 2, i / 2);
    }
    resultBox->button(SpoergHverGang)->setChecked(true);
    connect(resultBox, &QButtonGroup::idClicked, this, [this](int id) { checkOverskriv->setChecked(id == SpoergHverGang); });
    layout->addWidget(gruppe);
    layout->addWidget(checkOverskriv);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

int TExistsForm::spoerg(const QString& mappe, const QString& fil, bool& overskriv)
{
    dirEdit->setText(mappe);
    filEdit->setText(fil);
    checkOverskriv->setChecked(resultBox->checkedId() == SpoergHverGang);
    modalseam::exec(*this);
    overskriv = checkOverskriv->isChecked();
    return resultBox->checkedId();
}
