#include "fileops/tklipbordslister.h"

#include "tree/ikoner.h"
#include "core/pathhelpers.h"

#include <QFileInfo>
#include <QTreeWidget>

namespace {
constexpr int billedRolle = Qt::UserRole + 1;
}

TKlipbordsLister::TKlipbordsLister(QTreeWidget* Mappeliste, QTreeWidget* Filliste, QObject* owner)
    : QObject(owner)
    , mapper(Mappeliste)
    , filer(Filliste)
{
    for (QTreeWidget* liste : {mapper, filer})
        connect(liste, &QTreeWidget::itemChanged, this, [this, liste] { Q_EMIT aendret(liste); });
}

QString TKlipbordsLister::sti(const QTreeWidgetItem* entry)
{
    QString tekst = entry->text(1);
    if (tekst.endsWith(u'\n'))
        tekst.chop(1);
    if (tekst.endsWith(u'\r'))
        tekst.chop(1);
    return tekst;
}

bool TKlipbordsLister::CopyListAdd(int aList, int aIndex, const QString& aTekst, bool check)
{
    QTreeWidget* liste = aList == 1 ? mapper : filer;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (sammeTekst(sti(liste->topLevelItem(i)), aTekst))
            return false;
    auto* entry = new QTreeWidgetItem;
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setData(0, billedRolle, aIndex);
    entry->setIcon(0, aList == 1 ? ikoner::mappeIkon(ikoner::undermappe) : ikoner::filIkon(aIndex));
    entry->setText(1, aTekst);
    entry->setCheckState(0, check ? Qt::Checked : Qt::Unchecked);
    {
        const QSignalBlocker quiet(liste);
        liste->addTopLevelItem(entry);
    }
    Q_EMIT aendret(liste);
    return true;
}

bool TKlipbordsLister::RegisterElements(const QString& aElement)
{
    // Registered means it is in the list now, whether it was there before or not.
    if (QFileInfo(aElement).isDir()) {
        CopyListAdd(1, 4, aElement, true);
        return true;
    }
    if (QFileInfo(aElement).isFile()) {
        CopyListAdd(2, 2, aElement, true);
        return true;
    }
    return false;
}

QStringList TKlipbordsLister::afkrydsede(QTreeWidget* liste, bool mapperne)
{
    QStringList stier;
    bool fjernet = false;
    for (int i = liste->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* entry = liste->topLevelItem(i);
        if (entry->checkState(0) != Qt::Checked)
            continue;
        const QString path = sti(entry);
        if (mapperne ? QFileInfo(path).isDir() : QFileInfo(path).isFile()) {
            stier.append(path);
        } else {
            delete liste->takeTopLevelItem(i);
            fjernet = true;
        }
    }
    if (fjernet)
        Q_EMIT aendret(liste);
    return stier;
}

int TKlipbordsLister::getElementAntal() const
{
    int antal = 0;
    for (QTreeWidget* liste : {mapper, filer})
        for (int i = 0; i < liste->topLevelItemCount(); ++i)
            antal += liste->topLevelItem(i)->checkState(0) == Qt::Checked;
    return antal;
}

void TKlipbordsLister::ClearCopyLister()
{
    for (QTreeWidget* liste : {mapper, filer}) {
        for (int i = liste->topLevelItemCount() - 1; i >= 0; --i)
            if (liste->topLevelItem(i)->checkState(0) == Qt::Checked)
                delete liste->takeTopLevelItem(i);
    }
    Q_EMIT aendret(filer);
    Q_EMIT aendret(mapper);
}
