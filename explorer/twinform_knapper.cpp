// Where the explorer's actions stand: the file-action bar at the top and the toolbar's three groups.
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/programkontekst.h"
#include "platform/recentdocs.h"
#include "core/beskeder.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

QToolButton* Twinform::knap(QWidget* gruppe, const char* navn, const char* menu)
{
    auto* button = new QToolButton(gruppe);
    button->setAutoRaise(true);
    // A bar narrower than its buttons cuts them off rather than widening the window.
    button->setMinimumWidth(1);
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    if (navn)
        button->setDefaultAction(findChild<QAction*>(QLatin1String(navn)));
    if (menu) {
        button->setMenu(findChild<QMenu*>(QLatin1String(menu)));
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    return button;
}

void Twinform::placerKnapper()
{
    // The file-action bar, left of the activity indicator.
    auto* filhandlinger = topPanel->findChild<QWidget*>(QStringLiteral("filhandlinger"));
    const auto iBar = [filhandlinger](QToolButton* button) { filhandlinger->layout()->addWidget(button); };
    for (const char* navn : {"Copy", "Paste", "Cut", "DeleteToPapirkurv", "DeletePermanent", "Rename2", "Rename", "RenameExt",
                             "NyMappe", "Info", "AnnullerKopiering"})
        iBar(knap(filhandlinger, navn));
    iBar(knap(filhandlinger, "aOpretTekstfil", "TekstPopup"));
    iBar(knap(filhandlinger, "aEmptyRB"));
    QToolButton* ekstraButton3 = knap(filhandlinger, nullptr);
    ekstraButton3->setObjectName(QStringLiteral("ekstraButton3"));
    ekstraButton3->setText(QStringLiteral("Rens"));
    ekstraButton3->setToolTip(QStringLiteral("Rens Window Stifinders Seneste filer"));
    connect(ekstraButton3, &QToolButton::clicked, this, [this] {
        platform::rydSenesteDokumenter();
        main.beskeder()->sig(QStringLiteral("Der blev gjort et forsøg på at tømme Seneste i Windows Stifinder."));
    });
    iBar(ekstraButton3);
    iBar(knap(filhandlinger, "insertFilSFWS"));
    QToolButton* opdFunkButton = knap(filhandlinger, "ActionUpd");
    opdFunkButton->setObjectName(QStringLiteral("opdFunkButton"));
    iBar(opdFunkButton);

    // The toolbar's groups, in their order.
    const auto gruppe = [this](const char* navn) { return findChild<QWidget*>(QLatin1String(navn)); };
    const auto iGruppe = [](QWidget* panel, QToolButton* button) {
        panel->layout()->addWidget(button);
        return button;
    };
    for (const auto& [navn, menu] : {std::pair{"UdfoldStruktur", ""}, std::pair{"OpdaterKunEn", ""},
                                     std::pair{"KunDrev", "PUdrev1"}, std::pair{"SammenfoldStruktur", ""},
                                     std::pair{"aMedtagPrivat", ""}, std::pair{"Fokus", ""}})
        iGruppe(funkPanel1, knap(funkPanel1, navn, *menu ? menu : nullptr));
    // A click opens the window of home-made structures; its menu is the main window's menu of them.
    QToolButton* opretStrukturButton = iGruppe(funkPanel1, knap(funkPanel1, nullptr));
    opretStrukturButton->setObjectName(QStringLiteral("opretStrukturButton"));
    opretStrukturButton->setToolTip(main.programhandlinger.opretStruktur->toolTip());
    connect(opretStrukturButton, &QToolButton::clicked, main.programhandlinger.opretStruktur, &QAction::trigger);
    opretStrukturButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    opretStrukturButton->setMenu(main.PuMappeStruk());
    opretStrukturButton->setPopupMode(QToolButton::MenuButtonPopup);
    iGruppe(funkPanel1, knap(funkPanel1, "aReloadStruktur"))->setObjectName(QStringLiteral("Button14"));
    iGruppe(funkPanel1, knap(funkPanel1, "OpdaterAlle"));
    iGruppe(funkPanel1, knap(funkPanel1, "deselectAll"));

    QWidget* funkPanel2 = gruppe("funkPanel2");
    iGruppe(funkPanel2, knap(funkPanel2, "Fokus2", "PUdrev2"))->setObjectName(QStringLiteral("SelectDrevButton2"));
    iGruppe(funkPanel2, knap(funkPanel2, "indstilMappestruktur"));
    iGruppe(funkPanel2, knap(funkPanel2, "aRun", "PUrun"));
    iGruppe(funkPanel2, knap(funkPanel2, "aHTMLbutton", "PUlister"))->setObjectName(QStringLiteral("MFBbutton"));
    iGruppe(funkPanel2, knap(funkPanel2, "opdater2"));
    iGruppe(funkPanel2, knap(funkPanel2, "aShowPic"));
    auto* selectPanel = new QWidget(funkPanel2);
    selectPanel->setObjectName(QStringLiteral("selectPanel"));
    auto* markering = new QHBoxLayout(selectPanel);
    markering->setContentsMargins(0, 0, 0, 0);
    markering->setSpacing(1);
    QToolButton* selectButton = knap(selectPanel, "aSelectButton", "PUselect");
    selectButton->setObjectName(QStringLiteral("selectButton"));
    markering->addWidget(selectButton);
    for (const char* navn : {"selectAlleElementer", "deselectElementer", "inverterSelection"})
        markering->addWidget(knap(selectPanel, navn));
    funkPanel2->layout()->addWidget(selectPanel);
    static_cast<QBoxLayout*>(funkPanel2->layout())->addStretch();
    setMarkerButton();

    QWidget* Panel1 = gruppe("Panel1");
    iGruppe(Panel1, knap(Panel1, "aInsertFavoritmappe"))->setObjectName(QStringLiteral("sbFavorit"));
    iGruppe(Panel1, knap(Panel1, "gemStruktur"))->setObjectName(QStringLiteral("strukturGemButton"));
    iGruppe(Panel1, knap(Panel1, "hentStruktur"))->setObjectName(QStringLiteral("StrukturHentButton"));
    QToolButton* ghopt = iGruppe(Panel1, knap(Panel1, nullptr));
    ghopt->setObjectName(QStringLiteral("GHoptButton"));
    ghopt->setToolTip(QStringLiteral("Bestem fremvisnings metode"));
    ghopt->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    connect(ghopt, &QToolButton::clicked, main.programhandlinger.visEside, &QAction::trigger);
    iGruppe(Panel1, knap(Panel1, "aTopPanel"));
    QToolButton* opdateActButton = iGruppe(Panel1, knap(Panel1, nullptr));
    opdateActButton->setObjectName(QStringLiteral("opdateActButton"));
    opdateActButton->setToolTip(QStringLiteral("Opdater funktioner"));
    opdateActButton->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(opdateActButton, &QToolButton::clicked, regler, &Handlingsregler::opdaterFraTraad);
}

void Twinform::setMarkerButton()
{
    // Either the three small buttons, or the split button whose menu holds them.
    const bool alle = opt.udfoldCheck;
    findChild<QToolButton*>(QStringLiteral("selectButton"))->setVisible(!alle);
    const QStyle::StandardPixmap ikoner[] = {QStyle::SP_DialogYesButton, QStyle::SP_DialogNoButton, QStyle::SP_BrowserReload};
    const char* const tekster[] = {"Marker alt", "Fjern alle markeringer", "Inverter nuværende markering"};
    int i = 0;
    for (const char* navn : {"selectAlleElementer", "deselectElementer", "inverterSelection"}) {
        QAction* action = findChild<QAction*>(QLatin1String(navn));
        action->setText(alle ? QString() : QString::fromUtf8(tekster[i]));
        action->setIcon(alle ? style()->standardIcon(ikoner[i]) : QIcon());
        for (QToolButton* button : findChild<QWidget*>(QStringLiteral("selectPanel"))->findChildren<QToolButton*>())
            if (button->defaultAction() == action)
                button->setVisible(alle);
        ++i;
    }
    findChild<QWidget*>(QStringLiteral("selectPanel"))->setFixedWidth(alle ? 84 : 43);
}
