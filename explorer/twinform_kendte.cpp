// The explorer's page of known folders: the user's and the system's well-known folders one click
// away, outlines of them all, and the shortcuts of the main window's fixed place.
#include "explorer/twinform.h"

#include "app/aktivertaster.h"
#include "app/handlingsregler.h"
#include "app/indstillingsbinder.h"
#include "app/kontroller.h"
#include "app/linjetegner.h"
#include "app/ombrydningslayout.h"
#include "app/programkontekst.h"
#include "core/beskeder.h"
#include "core/genveje.h"
#include "core/tmapper.h"
#include "explorer/hjaelpknap.h"
#include "platform/registry.h"
#include "platform/userfolders.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using platform::UserFolder;

QString brugermappe(UserFolder mappe) { return platform::get<platform::UserFolders>().path(mappe); }

}  // namespace

QString Twinform::getSpecialMappe(int nr) const
{
    const QString stier[] = {
        brugermappe(UserFolder::Home) + QStringLiteral("/Contacts"),
        brugermappe(UserFolder::Home) + QStringLiteral("/OneDrive"),
        FStrukturY->GetCameraPath(),
        brugermappe(UserFolder::Videos) + QStringLiteral("/Captures"),
    };
    const QString sti = nr >= 0 && nr < 4 ? stier[nr] : QString();
    return QFileInfo(sti).isDir() ? sti : QString();
}

QStringList Twinform::kendteMapper() const
{
    // A getter that finds no folder leaves it out, as does the root that two of them give then.
    const auto hent = [this](QString (TMapper::*getter)() const) {
        try {
            const QString mappe = (FStrukturY->*getter)();
            return mappe == u"/" ? QString() : mappe;
        } catch (const MappeFejl&) {
            return QString();
        }
    };
    const QString alle[] = {
        hent(&TMapper::GetMyDesktop), hent(&TMapper::GetMyDocuments), hent(&TMapper::GetMyFavorit),
        hent(&TMapper::GetMyPictures), hent(&TMapper::GetMyMusic), hent(&TMapper::GetMyVideo),
        getSpecialMappe(1), getSpecialMappe(0),
        hent(&TMapper::GetMyDownLoad), hent(&TMapper::GetStartMenuPrograms), hent(&TMapper::GetMyApp),
        hent(&TMapper::GetAllUsers),
        getSpecialMappe(2), getSpecialMappe(3),
    };
    QStringList mapper;
    for (const QString& mappe : alle)
        if (!mappe.isEmpty())
            mapper << mappe;
    return mapper;
}

void Twinform::makeSpMapper(int form)
{
    QStringList mapper = kendteMapper();
    if (form == 0)
        FStrukturY->makeHistoryStruktur(mapper);
    else
        FStrukturY->makePunktStruktur(mapper);
    visStruktur1();
}

void Twinform::openMappeStruktur(const QString& mappe)
{
    if (mappe.isEmpty() || !QFileInfo(mappe).isDir()) {
        main.beskeder()->sig(QStringLiteral("Mappen blev ikke fundet."));
        return;
    }
    if (opt.mappeBox == 1) {
        aktivStruktur(2);
        mappeKontrol(FStrukturY->makeStruktur2(mappe), true);
    } else {
        // The folder tree unfolded down to the folder, which is selected as by a click.
        FStrukturY->udfoldMappe(mappe);
        vaelgSti(MappeStruktur, QDir::cleanPath(mappe));
        mappeIStruktur1Valgt();
    }
}

QWidget* Twinform::byggeKendteMapper()
{
    auto* side = new QWidget(winBog);
    side->setObjectName(QStringLiteral("sideH1"));
    auto* layout = new QVBoxLayout(side);
    auto* forklaring = new QLabel(QStringLiteral("Fremstil alle mapper som punktstruktur eller niveaustruktur i mappestrukturen."), side);
    forklaring->setWordWrap(true);
    layout->addWidget(forklaring);
    layout->addWidget(new QLabel(QStringLiteral("Kendte mapper"), side));

    const struct {
        const char* navn;
        const char* tekst;
        const char* hint;
        std::function<QString()> mappe;
    } kendte[] = {
        {"Adesktopdir", "Skrivebord", "Åben skrivebordsmappen", [] { return brugermappe(UserFolder::Desktop); }},
        {"Adokudir", "Dokumenter", "Åben dokumentmappen", [] { return brugermappe(UserFolder::Documents); }},
        {"Amusikdir", "Musik", "Åben musikmappe", [] { return brugermappe(UserFolder::Music); }},
        {"Avideodir", "Videoer", "Åben videomappen", [] { return brugermappe(UserFolder::Videos); }},
        {"Apicdir", "Billeder", "Åben billedmappe", [] { return brugermappe(UserFolder::Pictures); }},
        {"AallUsers", "Alle brugere", "Hurtig adgang til Alle brugere", [] { return brugermappe(UserFolder::PublicShare); }},
        {"aFavoritmappe", "Favoritter", "Åben favoritmappen", [] { return brugermappe(UserFolder::Favorites); }},
        {"aKontakter", "Kontakter", "Hurtig adgang til Kontakter", [this] { return getSpecialMappe(0); }},
        {"aDownload", "Overførsler", "Hurtig adgang til Downloads", [] { return brugermappe(UserFolder::Downloads); }},
        {"aOneDrev", "OneDrive", "Hurtig adgang til OneDrive mappen på computeren", [this] { return getSpecialMappe(1); }},
        {"Aprogdir", "AppData", "Åben AppData mappen", [] { return brugermappe(UserFolder::AppData); }},
        {"aStartMappe", "Startmenu", "Åbner startmenumappen", [] { return brugermappe(UserFolder::StartMenuPrograms); }},
        {"aKamBil", "Billeder", "Hurtig adgang til kamera billedmappe", [this] { return getSpecialMappe(2); }},
        {"aKamFilm", "Film", "Hurtig adgang til kamera filmmappe", [this] { return getSpecialMappe(3); }},
    };
    // The buttons go in rows as the panel's width allows, in their order.
    auto* knapper = new QWidget(side);
    auto* raekker = new Ombrydningslayout(knapper);
    raekker->setContentsMargins(0, 0, 0, 0);
    for (const auto& k : kendte) {
        QAction* action = handling(k.navn, QString::fromUtf8(k.hint), {}, [this, mappe = k.mappe] { openMappeStruktur(mappe()); });
        action->setText(QString::fromUtf8(k.tekst));
        raekker->addWidget(knapFor(action, knapper));
    }
    QPushButton* startProgButton = tekstknap("startProgButton", QStringLiteral("Start"),
                                             QStringLiteral("Åben mappen med opstartprogrammer"), knapper);
    connect(startProgButton, &QPushButton::clicked, this, [this] {
        const QString mappe = brugermappe(UserFolder::Autostart);
        if (QFileInfo(mappe).isDir())
            openMappeStruktur(mappe);
        else
            main.beskeder()->sig(QStringLiteral("Mappen kunne ikke findes.\r"));
    });
    raekker->addWidget(startProgButton);
    layout->addWidget(knapper);

    QAction* aStrukPunkt = handling("aStrukPunkt", QStringLiteral("Fremstil punktstruktur i mappestrukturen"), {},
                                    [this] { makeSpMapper(1); });
    aStrukPunkt->setText(QStringLiteral("Punktstruktur"));
    QAction* aStrukNiveau = handling("aStrukNiveau", QStringLiteral("Fremstil niveaustruktur i mappestrukturen"), {},
                                     [this] { makeSpMapper(0); });
    aStrukNiveau->setText(QStringLiteral("Niveaustruktur"));
    QToolButton* info = hjaelpKnap("infAktMapBut", QStringLiteral("Information: Aktiverbare mapper"),
                                   QStringLiteral("Aktiverbare mapper.html"), main, side);
    info->setText(QStringLiteral("Info"));
    info->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(ombrudtRaekke(side, {knapFor(aStrukPunkt, side), knapFor(aStrukNiveau, side), info}));
    layout->addWidget(binder->valgGruppe("mappeBox", QStringLiteral("Vælg struktur til visning af mappe"),
                                         {QStringLiteral("Mappestuktur"), QStringLiteral("Filstruktur")},
                                         &StifinderIndstillinger::mappeBox, {}, side));
    layout->addWidget(byggeGenvejspanel(side), 1);
    return side;
}

QWidget* Twinform::byggeGenvejspanel(QWidget* side)
{
    auto* panel = new QWidget(side);
    panel->setObjectName(QStringLiteral("genvejsPanel"));
    const QString placering = main.opt.PlaceringsMappe;
    panel->setVisible(QFileInfo(placering).isDir());
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* titel = new QHBoxLayout;
    QPushButton* infGFpButton = tekstknap("infGFpButton", QString(), QStringLiteral("Information"), panel);
    infGFpButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    connect(infGFpButton, &QPushButton::clicked, this, [this] {
        main.beskeder()->sig(QStringLiteral("Genveje kan aktiveres herfra, hvis der er indført genveje i mappen \"Fast "
                                            "placering.\"\rDet kan gøres med programmet \"Genveje\".\rDer er "
                                            "informationsfiler om emnet genveje."));
    });
    titel->addWidget(infGFpButton);
    titel->addWidget(new QLabel(QStringLiteral("Genveje i Fast placering"), panel), 1);
    layout->addLayout(titel);
    genvejsListe = new QListWidget(panel);
    genvejsListe->setObjectName(QStringLiteral("genvejsListe"));
    genvejsListe->setItemDelegate(new Linjetegner(Linjetegner::Maerke::Firkant,
                                                  genvejsListe->palette().color(QPalette::Highlight), 0, genvejsListe));
    layout->addWidget(genvejsListe, 1);
    connect(genvejsListe, &QListWidget::currentRowChanged, regler, &Handlingsregler::opdaterSenere);

    const auto placeringFindes = [this] { return QFileInfo(main.opt.PlaceringsMappe).isDir(); };
    QAction* hentGenveje = handling("hentGenveje", QStringLiteral("Indlæser alle genveje anbragt i den faste placering"), {},
                                    [this] { hentGenvejeExecute(); });
    hentGenveje->setText(QStringLiteral("Hent"));
    QAction* visStifinder = handling("visStifinder", QStringLiteral("Vis mappen i Stifinder"), {},
                                     [this] { main.visKalMappe(main.opt.PlaceringsMappe); });
    visStifinder->setText(QStringLiteral("Vis"));
    QAction* runGenvej = handling("runGenvej", QStringLiteral("Kør valgte genvej"), {}, [this] { runGenvejExecute(); });
    runGenvej->setText(QStringLiteral("Kør"));
    regler->tilfoej(hentGenveje, placeringFindes);
    regler->tilfoej(visStifinder, placeringFindes);
    regler->tilfoej(runGenvej, [this, placeringFindes] { return genvejsListe->currentRow() >= 0 && placeringFindes(); });
    const auto koerNaarMuligt = [runGenvej] {
        if (runGenvej->isEnabled())
            runGenvej->trigger();
    };
    connect(genvejsListe, &QListWidget::itemDoubleClicked, this, koerNaarMuligt);
    new AktiverTaster(genvejsListe, koerNaarMuligt);
    auto* knapper = new QHBoxLayout;
    for (QAction* action : {hentGenveje, visStifinder, runGenvej})
        knapper->addWidget(knapFor(action, panel));
    layout->addLayout(knapper);
    return panel;
}

void Twinform::hentGenvejeExecute()
{
    genvejsListe->clear();
    for (const QString& fil : genvejsfiler(main.opt.PlaceringsMappe)) {
        auto* linje = new QListWidgetItem(QFileInfo(fil).completeBaseName(), genvejsListe);
        linje->setData(Qt::UserRole, fil);
    }
    if (genvejsListe->count() == 0)
        main.beskeder()->sig(QStringLiteral("Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."));
}

void Twinform::runGenvejExecute()
{
    const QListWidgetItem* linje = genvejsListe->currentItem();
    if (!linje)
        return;
    const QString fil = main.opt.PlaceringsMappe + u'/' + linje->data(Qt::UserRole).toString();
    // A shortcut whose target is gone is as good as gone.
    if (!QFileInfo::exists(fil)) {
        main.beskeder()->sig(QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    main.runFilname(fil, 0);
}
