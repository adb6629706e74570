#include "tools/kalender/datoforskelside.h"

#include "app/kontroller.h"
#include "app/tmainform.h"
#include "core/beskeder.h"
#include "platform/textfile.h"
#include "tools/kalender/datoforskel.h"
#include "tools/kalender/datogruppe.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* resultatfelt(const char* navn, QWidget* parent)
{
    auto* felt = new QLineEdit(parent);
    felt->setObjectName(QLatin1String(navn));
    felt->setReadOnly(true);
    felt->setEnabled(false);
    return felt;
}

}  // namespace

Datoforskelside::Datoforskelside(Tmainform& main, QWidget* parent)
    : QWidget(parent), main(main), dato1(new Datogruppe(QStringLiteral("1"), this)),
      dato2(new Datogruppe(QStringLiteral("2"), this)), Edit1(resultatfelt("Edit1", this)),
      Edit2(resultatfelt("Edit2", this))
{
    setObjectName(QStringLiteral("Side2"));
    auto* layout = new QVBoxLayout(this);
    // Narrow margins leave the two month grids room for the weekdays' names in a window of its own.
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(QStringLiteral("Vælg datoer"), this));
    auto* grupper = new QHBoxLayout;
    grupper->addWidget(dato1);
    grupper->addWidget(dato2);
    layout->addLayout(grupper, 1);

    auto* resultat = new QGridLayout;
    QPushButton* beregn = tekstknap("beregnKnap", QStringLiteral("Beregn"),
                                    QStringLiteral("Beregn forskellen mellem de to datoer"), this);
    connect(beregn, &QPushButton::clicked, this, &Datoforskelside::beregnKnapClick);
    resultat->addWidget(beregn, 0, 0);
    resultat->addWidget(new QLabel(QStringLiteral("Forskel (år, måneder samt dage)"), this), 0, 1);
    resultat->addWidget(Edit1, 0, 2);
    resultat->addWidget(new QLabel(QStringLiteral("Forskel (dage ialt)"), this), 1, 1);
    resultat->addWidget(Edit2, 1, 2);
    resultat->setColumnStretch(2, 1);
    layout->addLayout(resultat);
}

void Datoforskelside::beregnKnapClick()
{
    Edit1->clear();
    Edit2->clear();
    const QDate fra = dato1->feltdato();
    const QDate til = dato2->feltdato();
    if (!fra.isValid() || !til.isValid()) {
        main.beskeder()->sig(QStringLiteral("Vælg to gyldige datoer."));
        return;
    }
    const Datoforskel forskel = beregnDatoforskel(fra, til);
    Edit1->setText(forskelTekst(forskel));
    Edit2->setText(ialtTekst(forskel));
    const QString resultatfil = main.folders.OptMappe + QStringLiteral("datediff.txt");
    if (!platform::writeTextLines(resultatfil, datediffLinjer(forskel)))
        main.beskeder()->sig(QStringLiteral("Resultatet kunne ikke gemmes i filen:\n") + resultatfil);
}
