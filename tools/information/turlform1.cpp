#include "tools/information/turlform1.h"

#include "platform/textfile.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

Turlform1::Turlform1(QWidget* mainWindow, const QString& sizeFile)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), sizeFile(sizeFile)
{
    setObjectName(QStringLiteral("Turlform1"));
    setWindowTitle(QStringLiteral("Informationssider"));
    setMinimumSize(167, 300);
    resize(180, 300);
    if (const auto stoerrelse = platform::readNumberLines(sizeFile, 2))
        resize(std::max(stoerrelse->at(0), 167), std::max(stoerrelse->at(1), 300));
    layout = new QVBoxLayout(this);
    liste = new QListWidget(this);
    liste->setObjectName(QStringLiteral("urlListe"));
    connect(liste, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Q_EMIT linjeValgt(liste->row(item)); });
    layout->addWidget(liste, 1);

    sletAlle = new QAction(QStringLiteral("Slet liste"), this);
    sletAlle->setObjectName(QStringLiteral("AsletAlle"));
    sletAlle->setToolTip(QStringLiteral("Slet alle urls fra listen"));
    sletAlle->setEnabled(false);
    connect(sletAlle, &QAction::triggered, this, [this] {
        liste->clear();
        Q_EMIT listeSlettet();
    });
    const auto opdaterSlet = [this] { sletAlle->setEnabled(liste->count() > 0); };
    connect(liste->model(), &QAbstractItemModel::rowsInserted, this, opdaterSlet);
    connect(liste->model(), &QAbstractItemModel::rowsRemoved, this, opdaterSlet);
    connect(liste->model(), &QAbstractItemModel::modelReset, this, opdaterSlet);

    auto* knapper = new QHBoxLayout;
    auto* sletKnap = new QToolButton(this);
    sletKnap->setObjectName(QStringLiteral("sletKnap"));
    sletKnap->setDefaultAction(sletAlle);
    auto* lukKnap = new QPushButton(QStringLiteral("Luk"), this);
    lukKnap->setObjectName(QStringLiteral("lukKnap"));
    lukKnap->setToolTip(QStringLiteral("Luk urlboksen"));
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);
    knapper->addWidget(sletKnap);
    knapper->addStretch();
    knapper->addWidget(lukKnap);
    layout->addLayout(knapper);
}

Turlform1::~Turlform1()
{
    // The list empties as it is destroyed, after the action that follows it.
    liste->model()->disconnect(this);
}

void Turlform1::tagListeTilbage()
{
    layout->insertWidget(0, liste, 1);
    liste->show();
}

void Turlform1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* main = parentWidget())
        move(main->geometry().center() - rect().center());
}

void Turlform1::closeEvent(QCloseEvent* event)
{
    platform::writeTextLines(sizeFile, {QString::number(width()), QString::number(height())});
    QDialog::closeEvent(event);
}
