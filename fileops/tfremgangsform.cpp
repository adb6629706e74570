#include "fileops/tfremgangsform.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TFremgangsform::TFremgangsform(const QString& caption, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , LabelInfo(new QLabel(this))
    , LabelProcent(new QLabel(QStringLiteral("0%"), this))
    , LabelTekst(new QLabel(QStringLiteral(" Resterende elementer: "), this))
    , LabelResterende(new QLabel(this))
    , listbox(new QListWidget(this))
    , kolonne(new QVBoxLayout(this))
{
    setWindowTitle(caption);
    setFixedWidth(400);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelProcent->setObjectName(QStringLiteral("LabelProcent"));
    LabelTekst->setObjectName(QStringLiteral("LabelTekst"));
    LabelResterende->setObjectName(QStringLiteral("LabelResterende"));
    listbox->setObjectName(QStringLiteral("listbox"));
    listbox->setEnabled(false);
}

void TFremgangsform::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

void TFremgangsform::tilfoejResterende()
{
    auto* raekke = new QHBoxLayout;
    raekke->addWidget(LabelProcent);
    raekke->addWidget(LabelTekst);
    raekke->addWidget(LabelResterende, 1);
    kolonne->addLayout(raekke);
}

void TFremgangsform::visMapper(const QStringList& mapper)
{
    listbox->clear();
    for (const QString& mappe : mapper)
        tilfoejMappe(mappe);
}

void TFremgangsform::tilfoejMappe(const QString& mappe)
{
    auto* item = new QListWidgetItem(mappe, listbox);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

void TFremgangsform::afkryds(int index)
{
    if (QListWidgetItem* item = listbox->item(index))
        item->setCheckState(Qt::Checked);
}

bool TFremgangsform::erAfkrydset(int index) const
{
    const QListWidgetItem* item = listbox->item(index);
    return item && item->checkState() == Qt::Checked;
}
