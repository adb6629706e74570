// The menu of home-made structures: named lists of folders shown as outlines in an explorer.
#include "app/elementvinduer.h"
#include "boxes/tinfform.h"
#include "app/tmainform.h"
#include "platform/textfile.h"
#include "core/pathhelpers.h"
#include "core/strukturnavne.h"
#include "tree/tstrukturcompo.h"

#include <QStyle>
#include <QAction>
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
    const QList<QAction*> items = strukturMenu->actions();
    for (qsizetype i = faste; i < items.size(); ++i) {
        strukturMenu->removeAction(items[i]);
        items[i]->deleteLater();
    }
    const std::optional<QStringList> navne = strukturnavne(folders.mappestrukturDir);
    if (!navne) {
        info->sig(QStringLiteral("Der opstod en fejl i forbindelse med indlæsningen af mappestrukturfiler."));
        return;
    }
    for (const QString& navn : *navne) {
        QAction* item = strukturMenu->addAction(style()->standardIcon(QStyle::SP_DirLinkIcon), navn);
        item->setProperty("ikon", 87);
        item->setToolTip(QStringLiteral("Aktiver ") + navn);
        connect(item, &QAction::triggered, this, [this, item] { mMsOnClick(item); });
    }
    if (auto* strukturer = dynamic_cast<StrukturVindue*>(vaerktoejer.value(QStringLiteral("OpretSmappe")).vindue.data());
        strukturer && medMappestrukturform)
        strukturer->visStrukturer(*navne);
}

void Tmainform::mMsOnClick(QAction* item)
{
    opt.OnClickIndex = int(strukturMenu->actions().indexOf(item));
    opt.OnClickCaption = item->text().remove(u'&');
    const QStringList mapper = strukturmapper(folders.mappestrukturDir + opt.OnClickCaption + QStringLiteral(".txt"));
    if (StifinderVindue* explorer = visStrukturOmrids(mapper, opt.FremFormCheck == 1, QString()))
        explorer->visStruktur1();
}

StifinderVindue* Tmainform::visStrukturOmrids(QStringList mapper, bool punktstruktur, const QString& gaaTil)
{
    StifinderVindue* explorer = fremStifinder();
    if (!explorer)
        return nullptr;
    TStrukturCompo& compo = explorer->strukturCompo();
    if (punktstruktur)
        compo.makePunktStruktur(mapper);
    else
        compo.makeHistoryStruktur(mapper);
    const QString mappe = QFileInfo(gaaTil).isDir() ? gaaTil : compo.Mappenavn();
    if (QFileInfo(mappe).isDir())
        explorer->gaaTilMappe(mappe);
    return explorer;
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
