#include "fileops/tmetodecompo.h"

#include "core/stoerrelser.h"
#include "fileops/tklipbordslister.h"
#include "platform/filesystem.h"
#include "platform/trash.h"
#include "core/beskeder.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"
#include "tree/valgte.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QThreadPool>
#include <QFileInfo>
#include <QTreeWidget>

TMetodeCompo::TMetodeCompo(QObject* owner)
    : TFilMappeDrevInfo(owner)
{
}

TMetodeCompo::~TMetodeCompo() = default;

namespace {

QTreeWidget* aktivtTrae(const TStrukturCompo& compo)
{
    return compo.AktiveStruktur() == 1 ? compo.Struktur1() : compo.AktiveStruktur() == 2 ? compo.Struktur2() : nullptr;
}

void vaelgNode(QTreeWidgetItem* node)
{
    if (QTreeWidget* tree = node ? node->treeWidget() : nullptr) {
        tree->clearSelection();
        tree->setCurrentItem(node);
        node->setSelected(true);
    }
}

QString foraelder(QString sti)
{
    while (sti.size() > 1 && sti.endsWith(u'/'))
        sti.chop(1);
    return QFileInfo(sti).absolutePath();
}

// The nodes below a renamed folder stand for paths inside it.
void flytUndernoder(QTreeWidgetItem* item, const QString& gammel, const QString& ny)
{
    for (int i = 0; i < item->childCount(); ++i) {
        if (auto* under = TStrukturNode::af(item->child(i)))
            for (QString* sti : {&under->rec.mappe, &under->rec.filnavn})
                if (sti->startsWith(gammel + u'/'))
                    sti->replace(0, gammel.size(), ny);
        flytUndernoder(item->child(i), gammel, ny);
    }
}

}  // namespace

QString TMetodeCompo::RenameMappe(const QString& aOldName, const QString& aNewName, QTreeWidgetItem* aNode)
{
    if (aOldName == aNewName)
        return aOldName;
    TStrukturCompo& compo = *FStrukturY;
    auto* node = TStrukturNode::af(aNode);
    if (!node || node->rec.ID > idFil || aNewName.contains(u'/') || aNewName.isEmpty()) {
        sig(QStringLiteral("Elementet kunne ikke omdøbes.\nDer opstod en fejl."));
        return aOldName;
    }
    vaelgNode(node);
    const QString gammel = node->rec.mappe;
    if (compo.AktiveStruktur() == 2 && !QFileInfo(gammel).isDir())
        return {};
    QString ny = stiMed(foraelder(gammel), aNewName);
    if (QFileInfo(ny).isDir())
        ny = getNewDirectoryName(ny, QString());
    if (!platform::renameNoReplace(gammel, ny)) {
        sig(QStringLiteral("Mappen:\n") + gammel + u'\n' + QStringLiteral("kunne ikke omdøbes til:") + u'\n' + ny);
        node->treeWidget()->clearSelection();
        return aOldName;
    }
    if (compo.AktiveStruktur() == 1) {
        compo.setMappenavn(ny);
    } else {
        compo.setMappenavn(foraelder(ny));
        node->treeWidget()->clearSelection();
    }
    node->rec.mappe = ny;
    flytUndernoder(node, gammel, ny);
    return getLastDirectory(ny);
}

QString TMetodeCompo::RenameFil(const QString& aOldName, const QString& aNewName, QTreeWidgetItem* aNode)
{
    const QString fejl = QStringLiteral("Der opstod en fejl ved omdøbning af fil.");
    TStrukturCompo& compo = *FStrukturY;
    auto* node = TStrukturNode::af(aNode);
    if (compo.AktiveStruktur() != 2 || !node || aNewName.contains(u'/') || aNewName.isEmpty()) {
        sig(fejl);
        return aOldName;
    }
    vaelgNode(node);
    const QString gammel = compo.Filnavn();
    if (!QFileInfo(gammel).isFile())
        return {};
    if (!FBeskeder) {
        sig(fejl);
        return aOldName;
    }
    const QString ny = getNewFilename(gammel, aNewName, QString(), *FBeskeder);
    if (!platform::renameNoReplace(gammel, ny)) {
        sig(fejl);
        return aOldName;
    }
    node->rec.filnavn = ny;
    compo.setFilnavn(ny);
    vaelgNode(node);
    return QFileInfo(ny).fileName();
}

bool TMetodeCompo::editSelected()
{
    QTreeWidget* tree = aktivtTrae(*FStrukturY);
    TStrukturNode* node = valgtNode(tree);
    if (!node) {
        sig(QStringLiteral("Der er ikke valgt element, der skal omdøbes."));
        return false;
    }
    if (node->rec.ID > idFil) {
        sig(node->text(0) + u'\n'
            + (FStrukturY->AktiveStruktur() == 1 ? QStringLiteral("må ikke omdøbes.") : QStringLiteral("må ikke omdøbes")));
        return false;
    }
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    tree->editItem(node);
    return true;
}

QString TMetodeCompo::OpretNyMappe(QString mappeNavnet)
{
    TStrukturCompo& compo = *FStrukturY;
    QString base;
    if (compo.AktiveStruktur() == 1) {
        TStrukturNode* node = valgtNode(compo.Struktur1());
        if (!node || !QFileInfo(node->rec.mappe).isDir())
            return {};
        base = node->rec.mappe;
    } else {
        TStrukturNode* node = valgtNode(compo.Struktur2());
        if (node && QFileInfo(node->rec.mappe).isDir())
            compo.setMappenavn(foraelder(node->rec.mappe));
        base = compo.Mappenavn();
        if (!QFileInfo(base).isDir())
            return {};
    }
    if (mappeNavnet.isEmpty())
        mappeNavnet = QStringLiteral("Ny mappe");
    const QString sti = getNewDirectoryName(stiMed(base, mappeNavnet), QStringLiteral("Kopi"));
    if (!mappeNavnet.contains(u'/') && QDir().mkpath(sti) && QFileInfo(sti).isDir())
        return sti;
    sig(QStringLiteral("Der kunne ikke oprettes en ny mappe.\nDer opstod en fejl."));
    return {};
}

bool TMetodeCompo::SelectMappe(const QString& aNewMappe)
{
    QTreeWidget* tree = aktivtTrae(*FStrukturY);
    if (!tree)
        return false;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        auto* node = TStrukturNode::af(tree->topLevelItem(i));
        if (node && sammeTekst(node->rec.mappe, aNewMappe)) {
            vaelgNode(node);
            tree->setFocus();
            return true;
        }
    }
    return false;
}

QString TMetodeCompo::getDestination() const
{
    const TStrukturCompo& compo = *FStrukturY;
    if (compo.AktiveStruktur() == 1) {
        TStrukturNode* node = valgtNode(compo.Struktur1());
        return node ? node->rec.mappe : QString();
    }
    if (compo.AktiveStruktur() != 2)
        return {};
    TStrukturNode* node = valgtNode(compo.Struktur2());
    const QString destination = node && node->rec.filnavn.isEmpty() ? node->rec.mappe : compo.Mappenavn();
    return QFileInfo(destination).isDir() ? destination : QString();
}

int TMetodeCompo::CopyElementer()
{
    if (!FKlipbord)
        return 0;
    TStrukturCompo& compo = *FStrukturY;
    int antal = 0;
    if (compo.AktiveStruktur() == 1) {
        for (const TStrukturNode* node : valgteNoder(compo.Struktur1()))
            if (QFileInfo(node->rec.mappe).isDir())
                FKlipbord->CopyListAdd(1, 4, node->rec.mappe, true);
    } else if (compo.AktiveStruktur() == 2) {
        if (compo.Struktur2()->topLevelItemCount() == 0) {
            sig(QStringLiteral("Der er ikke valgt elementer til kopiering.\nDer skal vælges elementer til kopiering."));
            return 0;
        }
        for (const TStrukturNode* node : valgteNoder(compo.Struktur2())) {
            ++antal;
            if (QFileInfo(node->rec.filnavn).isFile())
                FKlipbord->CopyListAdd(2, node->ikon, node->rec.filnavn, true);
            else if (QFileInfo(node->rec.mappe).isDir())
                FKlipbord->CopyListAdd(1, 4, node->rec.mappe, true);
        }
    } else {
        return 0;
    }
    if (BoolVisKlipbord && visKlipbord)
        visKlipbord();
    return antal;
}

int TMetodeCompo::loadLister(QStringList& aMlist, QStringList& aFlist, const QString& aDestination)
{
    if (FKlipbord) {
        for (const QString& mappe : FKlipbord->afkrydsede(FKlipbord->Mappeliste(), true))
            if (!sammeTekst(mappe, aDestination))
                aMlist.append(mappe);
        aFlist += FKlipbord->afkrydsede(FKlipbord->Filliste(), false);
    }
    const int antal = int(aMlist.size() + aFlist.size());
    if (antal == 0)
        sig(QStringLiteral("Der mangler elementer til kopiering.\nKilde og destination er muligvist den samme eller "
                           "der mangler elementer i Klipbordet."));
    return antal;
}

void TMetodeCompo::getSizeOfKlipbord()
{
    if (!FKlipbord)
        return;
    Q_EMIT stoerrelseBeregnes();
    // The task gets copies of the paths; the lists and the labels stay on this thread, and a
    // component that is gone when the task ends is not touched.
    const QStringList mapper = FKlipbord->afkrydsede(FKlipbord->Mappeliste(), true);
    const QStringList filer = FKlipbord->afkrydsede(FKlipbord->Filliste(), false);
    QPointer<TMetodeCompo> self(this);
    QThreadPool::globalInstance()->start([self, mapper, filer] {
        const MappeOptaelling optaelling = sizeOfKlipbord(mapper, filer);
        QMetaObject::invokeMethod(
            qApp, [self, optaelling] {
                if (self)
                    Q_EMIT self->stoerrelseBeregnet(optaelling.mapper, optaelling.filer, optaelling.bytes);
            },
            Qt::QueuedConnection);
    });
}

int TMetodeCompo::EmptyRecycleBin(bool Confirm, const QString& aDrive)
{
    if (Confirm
        && (!FBeskeder
            || !FBeskeder->spoerg(QStringLiteral("Skal papirkurven for drevet ") + aDrive + QStringLiteral(" tømmes?\n")
                                      + QStringLiteral("Elementerne i den kan ikke gendannes bagefter."),
                                  Beskeder::AlleCheck::Skjul)
                   .ja))
        return 0;
    // Code 5 of the error table: the system refused to remove something.
    return platform::emptyTrash(aDrive) ? 0 : 5;
}
