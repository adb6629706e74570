// The explorer's list pages: the visited folders and the favourite folders and files, their
// buttons and enable rules, and the outlines made from the lists.
#include "explorer/twinform.h"

#include "app/aktivertaster.h"
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/ombrydningslayout.h"
#include "app/programkontekst.h"
#include "core/beskeder.h"
#include "core/drev.h"
#include "core/ikonslots.h"
#include "explorer/hjaelpknap.h"
#include "explorer/listeboks.h"
#include "app/treopenfiler.h"
#include "fileops/tklipbordslister.h"
#include "platform/shell.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString historieTom() { return QStringLiteral("Der blev ikke fundet eksisterende emner i historielisten."); }

}  // namespace

QToolButton* Twinform::listeknap(const char* navn, const QString& hint, QStyle::StandardPixmap ikon,
                                 std::function<void()> udfoer, QWidget* parent)
{
    QAction* action = handling(navn, hint, {}, std::move(udfoer));
    action->setIcon(style()->standardIcon(ikon));
    auto* knap = new QToolButton(parent);
    knap->setAutoRaise(true);
    knap->setDefaultAction(action);
    return knap;
}

QWidget* Twinform::byggeHistorieside()
{
    QWidget* side = new QWidget(winBog);
    side->setObjectName(QStringLiteral("sideH2"));
    auto* layout = new QVBoxLayout(side);
    auto* titel = hjaelpRaekke(hjaelpKnap("hInformation", QStringLiteral("Information om Historielisten"),
                                          QStringLiteral("Besøgte mapper.html"), main, side));
    titel->insertWidget(0, new QLabel(QStringLiteral("Besøgte mapper"), side));
    layout->addLayout(titel);
    auto* knapper = new QWidget(side);
    auto* raekke = new Ombrydningslayout(knapper);
    const auto valgt = [this] { return HistorieListe->currentRow(); };
    raekke->addWidget(listeknap("hGem", QStringLiteral("Gem nuværende liste"), QStyle::SP_DialogSaveButton,
                                [this] {
                                    if (!historieDir->GemReopenFiler())
                                        return;
                                    HListeForandret = false;
                                    main.UdskrivInfo(QStringLiteral("Listen er gemt!"));
                                },
                                knapper));
    raekke->addWidget(listeknap("hHent", QStringLiteral("Erstat nuværende liste med den tidligere gemte"),
                                QStyle::SP_DialogOpenButton,
                                [this] {
                                    if (!QFileInfo::exists(historieDir->Itemfile)) {
                                        main.beskeder()->sig(QStringLiteral("Der blev ikke fundet en gemt historieliste."));
                                        return;
                                    }
                                    historieDir->HentReopenFiler();
                                    HListeForandret = false;
                                    main.UdskrivInfo(QStringLiteral("Listen er hentet!"));
                                },
                                knapper));
    raekke->addWidget(listeknap("hStruktur2", QStringLiteral("Fremstil en niveaustruktur"), QStyle::SP_FileDialogDetailedView,
                                [this] { listestruktur(*historieDir, false, false, false, historieTom()); }, knapper));
    raekke->addWidget(listeknap("hStruktur", QStringLiteral("Fremstil en punktstruktur"), QStyle::SP_FileDialogListView,
                                [this] { listestruktur(*historieDir, false, true, false, historieTom()); }, knapper));
    raekke->addWidget(listeknap("hSlet", QStringLiteral("Slet valgte"), QStyle::SP_DialogDiscardButton,
                                [this, valgt] {
                                    sletValgte(*historieDir, valgt());
                                    HListeForandret = true;
                                },
                                knapper));
    raekke->addWidget(listeknap("hNed", QStringLiteral("Flyt valgte ned"), QStyle::SP_ArrowDown,
                                [this, valgt] {
                                    if (flyt(*historieDir, valgt(), 1))
                                        HListeForandret = true;
                                },
                                knapper));
    raekke->addWidget(listeknap("hOp", QStringLiteral("Flyt valgte op"), QStyle::SP_ArrowUp,
                                [this, valgt] {
                                    if (flyt(*historieDir, valgt(), -1))
                                        HListeForandret = true;
                                },
                                knapper));
    raekke->addWidget(listeknap("hClearListe", QStringLiteral("Ryd hele listen"), QStyle::SP_DialogResetButton,
                                [this] { historieDir->SletAlleItems(); }, knapper));
    layout->addWidget(knapper);
    HistorieListe = listeboks("HistorieListe", QString(), regler, side);
    new AktiverTaster(HistorieListe, [this, valgt] {
        if (valgt() >= 0)
            skiftHisDir();
    });
    layout->addWidget(HistorieListe, 1);
    auto* bund = new QHBoxLayout;
    QPushButton* mappenavn = tekstknap("bmMappenavn", QStringLiteral("Mappenavn"), QStringLiteral("Vis valgte elements mappenavn"), side);
    connect(mappenavn, &QPushButton::clicked, this,
            [this, valgt] { visMappenavn(*historieDir, valgt(), QStringLiteral("Mappen kunne ikke findes.")); });
    QPushButton* sorter = tekstknap("bmSorter", QStringLiteral("Sorter"), QStringLiteral("Sorter mappelisten alfabetisk"), side);
    connect(sorter, &QPushButton::clicked, this, [this] { historieDir->sorterListe(); });
    bund->addWidget(mappenavn);
    bund->addWidget(sorter);
    bund->addStretch();
    layout->addLayout(bund);

    const auto regel = [this](const char* navn, std::function<bool()> Update) {
        regler->tilfoej(findChild<QAction*>(QLatin1String(navn)), std::move(Update));
    };
    const auto antal = [this] { return HistorieListe->count(); };
    regel("hGem", [this] { return HListeForandret; });
    regel("hOp", [valgt] { return valgt() > 0; });
    regel("hNed", [valgt, antal] { return valgt() >= 0 && valgt() < antal() - 1; });
    regel("hSlet", [valgt] { return valgt() >= 0; });
    for (const char* navn : {"hClearListe", "hStruktur", "hStruktur2"})
        regel(navn, [antal] { return antal() > 0; });
    return side;
}

// One favourite page: the folders (filer false) or the files.
QWidget* Twinform::byggeFavoritside(bool filer)
{
    QWidget* side = new QWidget(favoritBog);
    side->setObjectName(filer ? QStringLiteral("sideFav2") : QStringLiteral("sideFav1"));
    auto* layout = new QVBoxLayout(side);
    auto* knapper = new QWidget(side);
    auto* raekke = new Ombrydningslayout(knapper);
    const auto komponent = [this, filer]() -> TReopenFilerX& { return filer ? *FavFiler : *FavDir; };
    QListWidget* liste = listeboks(filer ? "favfilerListe" : "favoritliste",
                                   filer ? QStringLiteral("Favoritfiler") : QStringLiteral("Favoritmapper"), regler, side);
    const auto valgt = [liste] { return liste->currentRow(); };
    const auto sti = [komponent, valgt] { return komponent().GetFilnavn(valgt()); };
    const char* hjaelp = filer ? "fInformation" : "mInformation";
    QToolButton* information = hjaelpKnap(hjaelp, QStringLiteral("Information"),
                                          filer ? QStringLiteral("Favoritfiler.html") : QStringLiteral("Favoritmapper.html"),
                                          main, knapper);
    const QString tom = QStringLiteral("Der blev ikke fundet eksisterende emner i favoritlisten.");
    QToolButton* vis = listeknap(filer ? "FLVisMappe" : "MLVisMappe",
                                 filer ? QStringLiteral("Indstil Struktur 2 til valgte fils mappe")
                                       : QStringLiteral("Indstil Struktur 2 til valgte mappe"),
                                 QStyle::SP_DirOpenIcon, [this, filer, sti] { filer ? gaaTilFil(sti()) : gaaTilMappe(sti()); },
                                 knapper);
    QToolButton* punkt = listeknap(filer ? "fxStruktur" : "fStruktur", QStringLiteral("Fremstil en punktstruktur"),
                                   QStyle::SP_FileDialogListView,
                                   [this, komponent, filer, tom] { listestruktur(komponent(), filer, true, filer, tom); }, knapper);
    QToolButton* niveau = listeknap(filer ? "fxStruktur1" : "fStruktur1", QStringLiteral("Fremstil en niveaustruktur"),
                                    QStyle::SP_FileDialogDetailedView,
                                    [this, komponent, filer, tom] { listestruktur(komponent(), filer, false, false, tom); },
                                    knapper);
    QToolButton* op = listeknap(filer ? "FLop" : "fOp", QStringLiteral("Flyt valgte op"), QStyle::SP_ArrowUp,
                                [this, komponent, valgt] { flyt(komponent(), valgt(), -1); }, knapper);
    QToolButton* ned = listeknap(filer ? "FLned" : "fNed", QStringLiteral("Flyt valgte ned"), QStyle::SP_ArrowDown,
                                 [this, komponent, valgt] { flyt(komponent(), valgt(), 1); }, knapper);
    QToolButton* sletEn = listeknap(filer ? "FLsletValgte" : "fSletValgte", QStringLiteral("Slet valgte element fra listen"),
                                        QStyle::SP_DialogDiscardButton,
                                        [this, komponent, valgt] { sletValgte(komponent(), valgt()); }, knapper);
    QToolButton* sletAlle = listeknap(filer ? "FLsletAlle" : "fSletAlle", QStringLiteral("Slet alle elementer fra listen"),
                                      QStyle::SP_DialogResetButton, [komponent] { komponent().SletAlleItems(); }, knapper);
    QToolButton* kopier = listeknap(filer ? "fLkopier" : "fKopier",
                                    filer ? QStringLiteral("Indsæt valgte fil i klipbordet")
                                          : QStringLiteral("Indsæt valgte mappe i klipbordet"),
                                    filer ? QStyle::SP_FileLinkIcon : QStyle::SP_DirLinkIcon,
                                    [this, filer, sti] { tilKlipbordet(sti(), filer); }, knapper);
    // The buttons in the order each page shows them.
    const QList<QToolButton*> orden = filer ? QList{vis, punkt, op, niveau, sletAlle, sletEn, ned, information, kopier}
                                            : QList{op, ned, punkt, sletAlle, sletEn, niveau, information, vis, kopier};
    for (QToolButton* knap : orden)
        raekke->addWidget(knap);
    layout->addWidget(knapper);
    layout->addWidget(liste, 1);

    if (filer) {
        auto* aabning = new QHBoxLayout;
        const struct {
            const char* navn;
            const char* tekst;
            const char* hint;
            std::function<void()> udfoer;
        } knapperTilFil[] = {
            {"FLopenProgram", "Program", "Kør aktive program med valgte fil som parameter",
             [this, sti] {
                 if (QFileInfo(sti()).isFile())
                     main.OpenFilMedProgram(main.opt.exeProgram, platform::quoteArgument(sti()));
                 else
                     main.beskeder()->sig(QStringLiteral("Filen kunne ikke findes."));
             }},
            {"FLopenEdit", "Rediger", "Åben valgte fil i listen til redigering, hvis muligt", [this, sti] { koer(sti(), true); }},
            {"FLopen", "Kør", "Forsøg at køre valgte fil i listen", [this, sti] { koer(sti(), false); }},
        };
        for (const auto& k : knapperTilFil) {
            QAction* action = handling(k.navn, QString::fromUtf8(k.hint), {}, k.udfoer);
            action->setText(QString::fromUtf8(k.tekst));
            auto* knap = new QToolButton(side);
            knap->setDefaultAction(action);
            aabning->addWidget(knap);
        }
        aabning->addStretch();
        layout->addLayout(aabning);
    }

    auto* edit = new QLineEdit(side);
    edit->setObjectName(filer ? QStringLiteral("RenamFEdit") : QStringLiteral("RenamMEdit"));
    edit->setToolTip(QStringLiteral("Indfør ny tekst til valgte punkt"));
    (filer ? RenamFEdit : RenamMEdit) = edit;
    connect(edit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    layout->addWidget(edit);
    auto* tekstknapper = new QWidget(side);
    auto* tekstraekke = new Ombrydningslayout(tekstknapper);
    QToolButton* omdoeb = listeknap(filer ? "FLRenameCaption" : "fRenameCaption", QStringLiteral("Omdøb valgte elements tekst"),
                                    QStyle::SP_DialogApplyButton,
                                    [komponent, valgt, edit] {
                                        komponent().SetCaption(valgt(), edit->text());
                                        edit->clear();
                                    },
                                    tekstknapper);
    connect(edit, &QLineEdit::returnPressed, this, [omdoeb] {
        if (omdoeb->defaultAction()->isEnabled())
            omdoeb->defaultAction()->trigger();
    });
    QToolButton* saetInd = listeknap(filer ? "pasteFavFiler" : "pasteFavMapper", QStringLiteral("Sæt ind fra klipbord"),
                                     QStyle::SP_ArrowDown,
                                     [edit] {
                                         edit->selectAll();
                                         edit->insert(udenLinjeskift(QGuiApplication::clipboard()->text()));
                                     },
                                     tekstknapper);
    QToolButton* kopierTekst = listeknap(filer ? "kopierFavFiler" : "kopierFavMapper", QStringLiteral("Kopier til klipbord"),
                                         QStyle::SP_ArrowUp,
                                         [edit] {
                                             edit->selectAll();
                                             QGuiApplication::clipboard()->setText(edit->text());
                                         },
                                         tekstknapper);
    QAction* navn = handling(filer ? "visFavFilnavn" : "visFavMappenavn",
                             filer ? QStringLiteral("Vis elementets filnavn") : QStringLiteral("Vis elementets mappenavn"), {},
                             [this, filer, komponent, valgt] {
                                 if (filer)
                                     visFilnavn(komponent(), valgt());
                                 else
                                     visMappenavn(komponent(), valgt(), QStringLiteral("Filen kunne ikke findes."));
                             });
    navn->setText(filer ? QStringLiteral("Vis filnavn") : QStringLiteral("Vis mappenavn"));
    QPushButton* sorter = tekstknap(filer ? "sorterFilFavKnap" : "sorterMappeFavKnap", QStringLiteral("Sorter"),
                                    filer ? QStringLiteral("Sorter fillisten alfabetisk")
                                          : QStringLiteral("Sorter mappelisten alfabetisk"),
                                    tekstknapper);
    connect(sorter, &QPushButton::clicked, this, [komponent] { komponent().sorterListe(); });
    for (QWidget* knap : std::initializer_list<QWidget*>{omdoeb, saetInd, kopierTekst})
        tekstraekke->addWidget(knap);
    tekstraekke->addWidget(knapFor(navn, filer ? QStringLiteral("Filnavn") : QStringLiteral("Mappenavn"),
                                   filer ? QStringLiteral("Vis valgte elements filnavn")
                                         : QStringLiteral("Vis valgte elements mappenavn"),
                                   tekstknapper));
    tekstraekke->addWidget(sorter);
    layout->addWidget(tekstknapper);
    // Enter or Space on a line shows it in the folder-and-file tree, when that is allowed.
    new AktiverTaster(liste, [vis] {
        if (vis->defaultAction()->isEnabled())
            vis->defaultAction()->trigger();
    });

    const auto regel = [this](QToolButton* knap, std::function<bool()> Update) {
        regler->tilfoej(knap->defaultAction(), std::move(Update));
    };
    const auto antal = [liste] { return liste->count(); };
    const auto linje = [valgt] { return valgt() >= 0; };
    const auto tekst = [edit] { return !edit->text().isEmpty(); };
    for (QToolButton* knap : {vis, sletEn, kopier})
        regel(knap, linje);
    regel(op, [valgt] { return valgt() > 0; });
    regel(ned, [valgt, antal] { return valgt() >= 0 && valgt() < antal() - 1; });
    for (QToolButton* knap : {sletAlle, punkt, niveau})
        regel(knap, [antal] { return antal() > 0; });
    regel(omdoeb, [linje, tekst] { return linje() && tekst(); });
    regel(kopierTekst, tekst);
    regel(saetInd, [this] { return systemklipbordHarTekst; });
    regler->tilfoej(navn, tekst);
    if (filer) {
        for (const char* navn2 : {"FLopen", "FLopenEdit"})
            regler->tilfoej(findChild<QAction*>(QLatin1String(navn2)), linje);
        regler->tilfoej(findChild<QAction*>(QStringLiteral("FLopenProgram")),
                        [this, linje] { return linje() && !main.opt.exeProgram.isEmpty(); });
    }
    return side;
}

void Twinform::forbindListerne()
{
    // A click also puts the caption into the page's edit field.
    FavDir->OnListeKlik = [this](const QString& caption, const QString& sti) {
        RenamMEdit->setText(caption);
        main.UdskrivInfo(sti);
    };
    FavFiler->OnListeKlik = [this](const QString& caption, const QString& sti) {
        RenamFEdit->setText(caption);
        main.UdskrivInfo(sti);
    };
    // Whether the system clipboard holds text is kept from its changes: reading it on every pass
    // of the rules would ask the program that owns it each time.
    QClipboard* klipbord = QGuiApplication::clipboard();
    const auto husk = [this, klipbord] {
        const QMimeData* data = klipbord->mimeData();
        systemklipbordHarTekst = data && data->hasText() && !data->text().isEmpty();
        regler->opdaterSenere();
    };
    connect(klipbord, &QClipboard::dataChanged, this, husk);
    husk();
}

bool Twinform::flyt(TReopenFiler& liste, int index, int retning)
{
    if (!(retning < 0 ? liste.flytOp(index) : liste.flytNed(index)))
        return false;
    liste.MakeListeMenu();
    liste.ListeBoks()->setCurrentRow(index + retning);
    return true;
}

void Twinform::sletValgte(TReopenFiler& liste, int index)
{
    liste.DeleteItem(index);
    // The line that took the removed one's place, else the one before it.
    liste.ListeBoks()->setCurrentRow(index < liste.Antal() ? index : index - 1);
}

void Twinform::visMappenavn(const TReopenFiler& liste, int index, const QString& mangler)
{
    if (index < 0)
        return;
    const QString sti = liste.GetFilnavn(index);
    main.beskeder()->sig(QFileInfo(sti).isDir() ? QStringLiteral("Mappenavn:\r") + sti : mangler);
}

void Twinform::visFilnavn(const TReopenFiler& liste, int index)
{
    if (index < 0)
        return;
    const QFileInfo fil(liste.GetFilnavn(index));
    main.beskeder()->sig(fil.isFile() ? QStringLiteral("Mappenavn:\r") + fil.absolutePath() + QStringLiteral("\rFilnavn:\r")
                                            + fil.fileName()
                                      : QStringLiteral("Filen kunne ikke findes."));
}

void Twinform::koer(const QString& fil, bool redigering)
{
    if (!QFileInfo(fil).isFile()) {
        main.beskeder()->sig(QStringLiteral("Filen kunne ikke findes."));
        return;
    }
    main.runFilname(fil, redigering ? 1 : 0);
}

void Twinform::tilKlipbordet(const QString& sti, bool fil)
{
    const QFileInfo element(sti);
    if (fil ? !element.isFile() : !element.isDir()) {
        main.beskeder()->sig(fil ? QStringLiteral("Filen kunne ikke findes.\rSlet eventuelt valgte element.")
                                 : QStringLiteral("Mappen kunne ikke findes.\rSlet eventuelt valgte element."));
        return;
    }
    TKlipbordsLister* lister = klipbordsLister();
    if (!lister)
        return;
    if (fil)
        lister->CopyListAdd(2, ikoner::filSlot(sti), sti, true);
    else
        lister->CopyListAdd(1, 4, sti, true);
    if (opt.visIndstillingerCheck)
        winBog->setCurrentIndex(5);
}

bool Twinform::listestruktur(const TReopenFiler& liste, bool filernesMapper, bool punkt, bool udenGentagelser,
                             const QString& tomBesked)
{
    QStringList mapper = listensMapper(liste, filernesMapper, udenGentagelser);
    if (mapper.isEmpty()) {
        main.beskeder()->sig(tomBesked);
        return false;
    }
    if (punkt)
        FStrukturY->makePunktStruktur(mapper);
    else
        FStrukturY->makeHistoryStruktur(mapper);
    visStruktur1();
    return true;
}
