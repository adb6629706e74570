#include "tools/kalender/datogruppe.h"

#include "app/kontroller.h"
#include "tools/kalender/datofelter.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QByteArray navn(const char* foer, const QString& nr, const char* efter)
{
    return QByteArray(foer) + nr.toLatin1() + QByteArray(efter);
}

QLineEdit* cifferfelt(const QByteArray& navn, int laengde, const QString& hint, QWidget* parent)
{
    auto* felt = new QLineEdit(parent);
    felt->setObjectName(QLatin1String(navn));
    felt->setToolTip(hint);
    felt->setMaxLength(laengde);
    felt->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), felt));
    felt->setFixedWidth(felt->fontMetrics().horizontalAdvance(QString(laengde + 1, u'0')) + 12);
    return felt;
}

}  // namespace

Datogruppe::Datogruppe(const QString& nr, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid = new QCalendarWidget(this);
    grid->setObjectName(QLatin1String(navn("kalender", nr, "")));
    grid->setLocale(QLocale(QLocale::Danish, QLocale::Denmark));
    grid->setFirstDayOfWeek(Qt::Monday);
    grid->setDateRange(foersteDato(), sidsteDato());
    grid->setSelectedDate(QDate::currentDate());
    connect(grid, &QCalendarWidget::selectionChanged, this, &Datogruppe::visFelter);
    layout->addWidget(grid, 1);

    auto* felter = new QHBoxLayout;
    dayEdit = cifferfelt(navn("day", nr, "Edit"), 2, QStringLiteral("Dag"), this);
    monthEdit = cifferfelt(navn("month", nr, "Edit"), 2, QStringLiteral("Måned"), this);
    yearEdit = cifferfelt(navn("year", nr, "Edit"), 4, QStringLiteral("År"), this);
    QPushButton* opdater = tekstknap(navn("opdater", nr, "Knap"), QStringLiteral("Opdater"),
                                     QStringLiteral("Opdater kalenderen til indførte dato"), this);
    connect(opdater, &QPushButton::clicked, this, &Datogruppe::opdaterKnapClick);
    for (QLineEdit* felt : {dayEdit, monthEdit, yearEdit}) {
        connect(felt, &QLineEdit::returnPressed, this, &Datogruppe::opdaterKnapClick);
        felter->addWidget(felt);
    }
    felter->addWidget(opdater);
    felter->addStretch();
    layout->addLayout(felter);

    auto* knapper = new QHBoxLayout;
    const auto flyt = [this, &nr, knapper](const char* foer, const char* efter, const char* tekst, const char* hint,
                                            void (Datogruppe::*skridt)(int), int antal) {
        QPushButton* knap = tekstknap(navn(foer, nr, efter), QString::fromUtf8(tekst), QString::fromUtf8(hint), this);
        knap->setFixedWidth(knap->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 16);
        connect(knap, &QPushButton::clicked, this, [this, skridt, antal] { (this->*skridt)(antal); });
        knapper->addWidget(knap);
    };
    knapper->addWidget(new QLabel(QStringLiteral("Måned"), this));
    flyt("m", "Prev", "<", "Foregående måned", &Datogruppe::flytMaaneder, -1);
    flyt("m", "Next", ">", "Næste måned", &Datogruppe::flytMaaneder, 1);
    knapper->addSpacing(8);
    knapper->addWidget(new QLabel(QStringLiteral("År"), this));
    flyt("y", "Prev", "<", "Foregående år", &Datogruppe::flytAar, -1);
    flyt("y", "Next", ">", "Næste år", &Datogruppe::flytAar, 1);
    knapper->addStretch();
    layout->addLayout(knapper);

    datoLabel = tekstknap(navn("dato", nr, "Label"), QString(), QStringLiteral("Vælg dagens dato"), this);
    connect(datoLabel, &QPushButton::clicked, this, [this] { vaelg(QDate::currentDate()); });
    auto* iDag = new QHBoxLayout;
    iDag->addWidget(datoLabel);
    iDag->addStretch();
    layout->addLayout(iDag);

    visIDag();
    visFelter();
}

QDate Datogruppe::dato() const { return grid->selectedDate(); }

void Datogruppe::vaelg(const QDate& dato)
{
    if (dato < grid->minimumDate() || dato > grid->maximumDate())
        return;
    grid->setSelectedDate(dato);
    grid->setCurrentPage(dato.year(), dato.month());
}

QDate Datogruppe::feltdato() const { return datoAfFelter(dayEdit->text(), monthEdit->text(), yearEdit->text()); }

void Datogruppe::visIDag()
{
    datoLabel->setText(QStringLiteral("I dag: ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void Datogruppe::visFelter()
{
    const QDate valgt = dato();
    dayEdit->setText(QString::number(valgt.day()));
    monthEdit->setText(QString::number(valgt.month()));
    yearEdit->setText(QString::number(valgt.year()));
}

void Datogruppe::opdaterKnapClick()
{
    vaelg(opdateretDato(dato(), EditInteger(dayEdit->text()), EditInteger(monthEdit->text()),
                        EditInteger(yearEdit->text())));
    visFelter();
}

void Datogruppe::flytMaaneder(int antal) { vaelg(dato().addMonths(antal)); }

void Datogruppe::flytAar(int antal) { vaelg(dato().addYears(antal)); }
