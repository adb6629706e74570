#include "fileops/tprogressform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

QProgressBar* bjaelke(const char* navn, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QLatin1String(navn));
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

}  // namespace

Tprogressform::Tprogressform(QWidget* mainWindow)
    : TFremgangsform(QStringLiteral("Kopierer mapper og filer"), mainWindow)
    , pBar(bjaelke("pBar", this))
    , pBarAll(bjaelke("pBarAll", this))
    , pBarAktiv(bjaelke("pBarAktiv", this))
    , infoBar(new QStatusBar(this))
    , infoBarAntal(new QLabel(QStringLiteral("0"), this))
    , stopButton(new QPushButton(QStringLiteral("Stop"), this))
    , destinationEdit(new QLineEdit(this))
    , kildeLabel(new QLabel(QStringLiteral("Kildemapper"), this))
    , infoLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("progressform"));
    LabelInfo->setText(QStringLiteral("Kopierings information"));
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);
    infoBar->addWidget(new QLabel(QStringLiteral(" Indlæste mapper"), infoBar));
    infoBar->addWidget(infoBarAntal, 1);
    stopButton->setObjectName(QStringLiteral("stopButton"));
    stopButton->setToolTip(QStringLiteral("Stop processen på eget ansvar.\r\nKopieringen er muligvist ikke gennemført."));
    destinationEdit->setObjectName(QStringLiteral("destinationEdit"));
    destinationEdit->setReadOnly(true);
    kildeLabel->setObjectName(QStringLiteral("kildeLabel"));
    infoLabel->setObjectName(QStringLiteral("infoLabel"));

    kolonne->addWidget(LabelInfo);
    kolonne->addWidget(pBar);
    tilfoejResterende();
    kolonne->addWidget(pBarAll);
    kolonne->addWidget(pBarAktiv);
    kolonne->addWidget(new QLabel(QStringLiteral("Destination"), this));
    kolonne->addWidget(destinationEdit);
    kolonne->addWidget(kildeLabel);
    kolonne->addWidget(listbox, 1);
    kolonne->addWidget(infoLabel);
    kolonne->addWidget(stopButton, 0, Qt::AlignRight);
    kolonne->addWidget(infoBar);
}

void Tprogressform::setInfoBarAntal(qint64 mapper) { infoBarAntal->setText(QLocale().toString(mapper)); }
