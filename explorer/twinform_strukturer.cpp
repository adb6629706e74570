// The explorer's structure actions: saving and loading the folder tree's structure, the last
// home-made structure again, HTML pages of the selected media files, and the current element
// into a favourite list.
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "app/treopenfiler.h"
#include "tools/skrivtekstfiler/tskrivtekstfiler.h"
#include "core/beskeder.h"
#include "core/drev.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

void Twinform::byggeStrukturhandlinger()
{
    const auto ikon = [this](QAction* action, QStyle::StandardPixmap billede) {
        action->setIcon(style()->standardIcon(billede));
        return action;
    };
    // Saving or loading takes the three buttons away until a tree's selection changes.
    ikon(handling("gemStruktur", QStringLiteral("Gemmer aktuelle mappestruktur: Ctrl+G"), Qt::CTRL | Qt::Key_G, [this] {
             FStrukturY->GemStrukturen();
             saetStrukturknapper(false);
         }),
         QStyle::SP_DialogSaveButton);
    ikon(handling("hentStruktur", QStringLiteral("Hen gemte mappestruktur: Ctrl+H"), Qt::CTRL | Qt::Key_H, [this] {
             if (FStrukturY->HentStrukturen(main.opt.FremFormCheck))
                 aktivStruktur(1);
             saetStrukturknapper(false);
         }),
         QStyle::SP_DialogOpenButton);
    ikon(handling("aReloadStruktur", QStringLiteral("Genskab sidste aktiverede hjemmelavede struktur: F3"), Qt::Key_F3,
                  [this] { main.CallOnClick(); }),
         QStyle::SP_BrowserReload);
    ikon(handling("aInsertFavoritmappe", QStringLiteral("Indsæt aktuelle mappe eller fil i relevante favoritliste: Ctrl+N"),
                  Qt::CTRL | Qt::Key_N, [this] { aInsertFavoritmappeExecute(); }),
         QStyle::SP_DialogYesButton);

    PUlister = new QMenu(this);
    PUlister->setObjectName(QStringLiteral("PUlister"));
    const struct {
        const char* navn;
        const char* tekst;
        const char* hint;
        const char* side;
        QString (TSkrivTekstfiler::*skriv)(const QString&, const QStringList&);
    } lister[] = {
        {"aHTMLmusikliste", "Musikliste", "Skriver en hjemmeside hvorfra den valgte musik kan afspilles",
         "Musik_afspilningsliste.html", &TSkrivTekstfiler::opretMusikliste},
        {"aHTMLfilmliste", "Filmliste", "Skriver en hjemmeside hvorfra de valgte film kan afspilles",
         "Film_afspilningsliste.html", &TSkrivTekstfiler::opretFilmliste},
        {"aHTMLbilledliste", "Billedliste", "Skriver en hjemmeside hvorfra de valgte billeder kan vises",
         "Billed_afspilningsliste.html", &TSkrivTekstfiler::opretBilledliste},
    };
    for (const auto& liste : lister) {
        QAction* action = handling(liste.navn, QString::fromUtf8(liste.hint), {},
                                   [this, side = QString::fromUtf8(liste.side), skriv = liste.skriv] {
                                       skrivHTMLliste(side, skriv);
                                   });
        action->setText(QString::fromUtf8(liste.tekst));
        PUlister->addAction(action);
    }
    ikon(handling("aHTMLbutton", QStringLiteral("Musik, film og billeder"), {}, [this] {
             main.beskeder()->sig(QStringLiteral(
                 "Det er op til dig selv at vurdere, om de valgte filer er egnede til musikliste, filmliste eller "
                 "billedliste.\r\rMusikliste: Det kan for eksempel være mp3 filer.\rFilmliste: Det kan være mp4 "
                 "filer.\rBilledliste: For eksempel jpg eller png filer."));
         }),
         QStyle::SP_MediaPlay);

    const auto regel = [this](const char* navn, std::function<bool()> Update) {
        regler->tilfoej(findChild<QAction*>(QLatin1String(navn)), std::move(Update));
    };
    regel("gemStruktur", [this] { return strukturknapperAktive; });
    regel("hentStruktur", [this] { return strukturknapperAktive; });
    regel("aReloadStruktur", [this] { return main.opt.OnClickIndex > 1; });
    regel("aInsertFavoritmappe", [this] { return favChanged && opt.tabVisCheck2; });
    for (const auto& liste : lister)
        regel(liste.navn, [this] { return !FStrukturY->Filnavn().isEmpty(); });
    regel("aHTMLbutton", [this] { return funkNo == 1; });
    for (QTreeWidget* tree : {MappeStruktur, FilStruktur})
        connect(tree, &QTreeWidget::itemSelectionChanged, this, [this] { saetStrukturknapper(true); });
    // A new choice of how structures are shown may be fetched again.
    connect(&main.signaler, &Programsignaler::fremFormAendret, this, [this] { saetStrukturknapper(true); });
}

void Twinform::saetStrukturknapper(bool aktive)
{
    strukturknapperAktive = aktive;
    if (auto* ghopt = findChild<QToolButton*>(QStringLiteral("GHoptButton")))
        ghopt->setEnabled(aktive);
    regler->opdaterSenere();
}

void Twinform::skrivHTMLliste(const QString& side, QString (TSkrivTekstfiler::*skriv)(const QString&, const QStringList&))
{
    QStringList filer;
    FStrukturY->getSelectListe(filer);
    QString mappe = getStien(mirvel->currentIndex());
    if (QFileInfo(mappe).isFile())
        mappe = QFileInfo(mappe).absolutePath();
    TSkrivTekstfiler skriver(*main.beskeder());
    const QString fil = (skriver.*skriv)(stiMed(mappe, side), filer);
    if (fil.isEmpty())
        return;
    aktivStruktur(2);
    FStrukturY->SelectFil(fil);
    FilStruktur->setFocus();
    mappeKontrol(fil, false);
    main.OpenFilen(FStrukturY->Filnavn(), false);
}

void Twinform::aInsertFavoritmappeExecute()
{
    favChanged = false;
    const QString p = main.EditSti()->text();
    const QFileInfo info(p);
    if ((info.isFile() || info.isDir()) && harLinjeskift(p)) {
        main.beskeder()->sig(QStringLiteral("Navnet indeholder et linjeskift og kan ikke gemmes i listen."));
    } else if (info.isFile()) {
        FavFiler->InsertItem(p, info.fileName());
        FavFiler->GemReopenFiler();
        winBog->setCurrentIndex(2);
        favoritBog->setCurrentIndex(1);
    } else if (info.isDir()) {
        FavDir->InsertItem(p, mappeCaption(p));
        FavDir->GemReopenFiler();
        winBog->setCurrentIndex(2);
        favoritBog->setCurrentIndex(0);
    }
    regler->opdaterSenere();
}
