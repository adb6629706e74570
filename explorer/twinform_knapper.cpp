// Where the explorer's file actions stand: the file-action bar at the top, the toolbar's groups.
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/tmainform.h"
#include "platform/recentdocs.h"
#include "tree/beskeder.h"

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
    auto* bar = static_cast<QBoxLayout*>(topPanel->layout());
    int plads = 0;
    const auto iBar = [&](QToolButton* button) { bar->insertWidget(plads++, button); };
    for (const char* navn : {"Copy", "Paste", "Cut", "DeleteToPapirkurv", "DeletePermanent", "Rename2", "Rename", "RenameExt",
                             "NyMappe", "Info", "AnnullerKopiering"})
        iBar(knap(topPanel, navn));
    iBar(knap(topPanel, "aOpretTekstfil", "TekstPopup"));
    iBar(knap(topPanel, "aEmptyRB"));
    QToolButton* ekstraButton3 = knap(topPanel, nullptr);
    ekstraButton3->setObjectName(QStringLiteral("ekstraButton3"));
    ekstraButton3->setText(QStringLiteral("Rens"));
    ekstraButton3->setToolTip(QStringLiteral("Rens Window Stifinders Seneste filer"));
    connect(ekstraButton3, &QToolButton::clicked, this, [this] {
        platform::rydSenesteDokumenter();
        main.beskeder()->sig(QStringLiteral("Der blev gjort et forsøg på at tømme Seneste i Windows Stifinder."));
    });
    iBar(ekstraButton3);
    iBar(knap(topPanel, "insertFilSFWS"));
    QToolButton* opdFunkButton = knap(topPanel, "ActionUpd");
    opdFunkButton->setObjectName(QStringLiteral("opdFunkButton"));
    iBar(opdFunkButton);

    // The toolbar's groups.
    QWidget* funkPanel2 = findChild<QWidget*>(QStringLiteral("funkPanel2"));
    funkPanel1->layout()->addWidget(knap(funkPanel1, "deselectAll"));
    auto* gruppe2 = static_cast<QBoxLayout*>(funkPanel2->layout());
    gruppe2->insertWidget(gruppe2->indexOf(findChild<QToolButton*>(QStringLiteral("SelectDrevButton2"))) + 2,
                          knap(funkPanel2, "aRun", "PUrun"));
    gruppe2->addWidget(knap(funkPanel2, "aShowPic"));
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
    gruppe2->addWidget(selectPanel);
    gruppe2->addStretch();
    setMarkerButton();
    QWidget* Panel1 = findChild<QWidget*>(QStringLiteral("Panel1"));
    QToolButton* opdateActButton = knap(Panel1, nullptr);
    opdateActButton->setObjectName(QStringLiteral("opdateActButton"));
    opdateActButton->setToolTip(QStringLiteral("Opdater funktioner"));
    opdateActButton->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(opdateActButton, &QToolButton::clicked, regler, &Handlingsregler::opdaterFraTraad);
    Panel1->layout()->addWidget(opdateActButton);
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
