#include "tools/kalender/helligdagspanel.h"

#include "app/kontroller.h"
#include "app/tmainform.h"
#include "tools/kalender/datofelter.h"
#include "tools/kalender/helligdage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Helligdagspanel::Helligdagspanel(Tmainform& main, QWidget* parent)
    : QGroupBox(QStringLiteral("Find datoer"), parent), datoerLabel(new QLabel(this)), aarEdit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("findDatoerPanel"));
    auto* layout = new QVBoxLayout(this);
    datoerLabel->setObjectName(QStringLiteral("datoerLabel"));
    layout->addWidget(datoerLabel);

    auto* aarRaekke = new QHBoxLayout;
    aarEdit->setObjectName(QStringLiteral("aarEdit"));
    aarEdit->setToolTip(QStringLiteral("Viser det år datoerne beregnes ud fra"));
    aarEdit->setReadOnly(true);
    aarEdit->setFixedWidth(aarEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    aarRaekke->addWidget(aarEdit);
    QPushButton* find = tekstknap("DatoerFindKnap", QStringLiteral("Find datoer"), QStringLiteral("Find datoer"), this);
    connect(find, &QPushButton::clicked, this, &Helligdagspanel::DatoerFindKnapClick);
    aarRaekke->addWidget(find);
    aarRaekke->addStretch();
    QPushButton* info = tekstknap("infDatoBut", QStringLiteral("?"), QStringLiteral("Information: Datoer"), this);
    connect(info, &QPushButton::clicked, this, [&main] { main.InfoHelp(QStringLiteral("Kalender.html")); });
    aarRaekke->addWidget(info);
    layout->addLayout(aarRaekke);

    auto* knapper = new QHBoxLayout;
    const auto aarKnap = [this, knapper](const char* navn, const char* tekst, const char* hint, int skridt) {
        QPushButton* knap = tekstknap(navn, QString::fromUtf8(tekst), QString::fromUtf8(hint), this);
        connect(knap, &QPushButton::clicked, this, [this, skridt] { saetAar(visAar + skridt); });
        knapper->addWidget(knap);
    };
    aarKnap("yearTilbageButton10", "<<", "Gå ti år tilbage", -10);
    aarKnap("yearTilbageButton", "<", "Gå et år tilbage", -1);
    yearNuButton = tekstknap("yearNuButton", QStringLiteral("Nu"), QStringLiteral("Gå til nuværende år"), this);
    connect(yearNuButton, &QPushButton::clicked, this, [this] { saetAar(QDate::currentDate().year()); });
    knapper->addWidget(yearNuButton);
    aarKnap("yearFremButton", ">", "Gå et år frem", 1);
    aarKnap("yearFremButton10", ">>", "Gå ti år frem", 10);
    knapper->addStretch();
    layout->addLayout(knapper);

    auto* raekker = new QGridLayout;
    raekker->setColumnStretch(1, 1);
    for (const Helligdag& dag : helligdage(QDate::currentDate().year())) {
        const int r = raekker->rowCount();
        raekker->addWidget(new QLabel(dag.navn, this), r, 0, Qt::AlignTop);
        auto* vaerdi = new QLabel(dag.start, this);
        vaerdi->setObjectName(QLatin1String(dag.label));
        // A date stands on one line; only a note after it wraps.
        vaerdi->setWordWrap(true);
        vaerdi->setMinimumWidth(vaerdi->fontMetrics().horizontalAdvance(QStringLiteral("26. December - Torsdag ")));
        raekker->addWidget(vaerdi, r, 1, Qt::AlignTop);
        hdLabels.append(vaerdi);
    }
    layout->addLayout(raekker);
    layout->addStretch();
    saetAar(QDate::currentDate().year());
}

void Helligdagspanel::saetAar(int aar)
{
    visAar = std::clamp(aar, foersteDato().year(), sidsteDato().year());
    aarEdit->setText(QString::number(visAar));
    yearNuButton->setEnabled(visAar != QDate::currentDate().year());
}

void Helligdagspanel::DatoerFindKnapClick()
{
    datoerLabel->setText(QStringLiteral("Datoer: ") + QString::number(visAar));
    const QList<Helligdag> dage = helligdage(visAar);
    for (qsizetype i = 0; i < dage.size(); ++i)
        hdLabels[i]->setText(dage[i].tekst);
}

void Helligdagspanel::rydDatoerLabel() { datoerLabel->clear(); }
