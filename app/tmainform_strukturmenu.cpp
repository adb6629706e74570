// The menu of home-made structures: named lists of folders shown as outlines in an explorer.
#include "app/elementvinduer.h"
#include "boxes/tinfform.h"
#include "app/tmainform.h"
#include "platform/textfile.h"
#include "core/mappelaeser.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QStyle>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

namespace {
constexpr int faste = 2;  // the fixed items before the structures
}

void Tmainform::byggeStrukturMenu()
{
    strukturMenu = new QMenu(this);
    strukturMenu->setObjectName(QStringLiteral("PuMappeStruk"));
    QMenu* hjemmelavede = strukturMenu->addMenu(QStringLiteral("Hjemmelavede strukturer"));
    hjemmelavede->menuAction()->setToolTip(QStringLiteral("Konstruerede mappestrukturer"));
    hjemmelavede->addAction(handlinger.value("OpretSmappe"));
    hjemmelavede->addSeparator();
    hjemmelavede->addAction(handlinger.value("mVisEside"));
    strukturMenu->addSeparator();
    strukturMenu->setToolTipsVisible(true);
}

void Tmainform::loadMappeStruktur(bool medMappestrukturform)
{
    Q_UNUSED(medMappestrukturform)  // the structure window keeps its own list in step with the menu
    const QList<QAction*> items = strukturMenu->actions();
    for (qsizetype i = faste; i < items.size(); ++i) {
        strukturMenu->removeAction(items[i]);
        items[i]->deleteLater();
    }
    if (!QFileInfo(folders.mappestrukturDir).isDir())
        return;
    const MappeIndhold indhold = laesMappe(folders.mappestrukturDir, {true, true, false});
    for (const StrukturEntry& entry : indhold.filer) {
        if (!sammeTekst(filExt(entry.caption), QStringLiteral(".txt")))
            continue;
        const QString navn = entry.caption.chopped(4);
        QAction* item = strukturMenu->addAction(style()->standardIcon(QStyle::SP_DirLinkIcon), navn);
        item->setProperty("ikon", 87);
        item->setToolTip(QStringLiteral("Aktiver ") + navn);
        connect(item, &QAction::triggered, this, [this, item] { mMsOnClick(item); });
    }
}

void Tmainform::mMsOnClick(QAction* item)
{
    if (!aktivStifinder()) {
        makeNewStifinder();
        QApplication::processEvents();
    }
    StifinderVindue* explorer = aktivStifinder();
    opt.OnClickIndex = int(strukturMenu->actions().indexOf(item));
    opt.OnClickCaption = item->text().remove(u'&');
    if (!explorer)
        return;
    const auto lines = platform::readTextLines(folders.mappestrukturDir + opt.OnClickCaption + QStringLiteral(".txt"));
    QStringList liste = lines.value_or(QStringList());
    TStrukturCompo& compo = explorer->strukturCompo();
    if (opt.FremFormCheck == 1)
        compo.makePunktStruktur(liste);
    else
        compo.makeHistoryStruktur(liste);
    if (QFileInfo(compo.Mappenavn()).isDir())
        explorer->gaaTilMappe(compo.Mappenavn());
    explorer->visStruktur1();
}

void Tmainform::CallOnClick()
{
    const QList<QAction*> items = strukturMenu->actions();
    for (qsizetype i = faste; i < items.size(); ++i) {
        if (sammeTekst(QString(items[i]->text()).remove(u'&'), opt.OnClickCaption)) {
            opt.OnClickIndex = int(i);
            mMsOnClick(items[i]);
            return;
        }
    }
    info->sig(QStringLiteral("Sidste hjemmelavede struktur:\n") + opt.OnClickCaption + u'\n'
              + QStringLiteral("blev ikke fundet.") + u'\n'
              + QStringLiteral("Strukturmenuen må være blevet ændret siden sidst."));
    opt.OnClickIndex = -1;
    opt.OnClickCaption.clear();
}
