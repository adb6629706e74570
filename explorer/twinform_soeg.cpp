// The explorer's search page: folders and files below the current folder whose names hold a text,
// searched on the thread pool while the window stays in use, and the files of one extension shown
// in the folder-and-file tree.
#include "explorer/twinform.h"

#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/ombrydningslayout.h"
#include "app/programkontekst.h"
#include "app/treopenfiler.h"
#include "core/beskeder.h"
#include "core/drev.h"
#include "core/navnesoegning.h"
#include "core/pathhelpers.h"
#include "explorer/hjaelpknap.h"
#include "explorer/listeboks.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <thread>

namespace {

// The folder a search from the current element covers: the element, or a file's folder.
QString soegemappeFor(const QString& element)
{
    return QFileInfo(element).isFile() ? QFileInfo(element).absolutePath() : element;
}

const QString soegEfter = QStringLiteral("Søg efter");

}  // namespace

QWidget* Twinform::byggeSoegeside()
{
    auto* side = new QWidget(winBog);
    side->setObjectName(QStringLiteral("sideH5"));
    // The hits, in lists without a file whose paths compare exactly.
    findDir = new TReopenFilerX(this);
    findFiler = new TReopenFilerX(this);
    findFiler->Itemtype = itFil;
    for (TReopenFilerX* liste : {findDir, findFiler}) {
        liste->eksakteStier = true;
        liste->setBeskeder(main.beskeder());
        liste->OnListeKlik = [this](const QString&, const QString& sti) { main.UdskrivInfo(sti); };
    }
    findDir->OnDblListeKlik = [this](const QString&, const QString& sti) { gaaTilMappe(sti); };
    findFiler->OnDblListeKlik = [this](const QString&, const QString& sti) { gaaTilFil(sti); };

    auto* layout = new QVBoxLayout(side);
    const auto label = [side](const char* navn, const QString& tekst) {
        auto* l = new QLabel(tekst, side);
        l->setObjectName(QLatin1String(navn));
        return l;
    };
    mappeLabel = label("mappeLabel", QStringLiteral("Søgemappe: Aktuelle element"));
    // The label names the folder the next search covers, however the current element changed.
    connect(main.EditSti(), &QLineEdit::textChanged, this, [this](const QString& element) {
        if (!soegningStop)
            mappeLabel->setText(getLastDirectory(soegemappeFor(element)));
    });
    BarEdit = new QLineEdit(soegEfter, side);
    BarEdit->setObjectName(QStringLiteral("BarEdit"));
    BarEdit->setReadOnly(true);
    findTekstEdit = felt<QLineEdit>("findTekstEdit", QString(), QStringLiteral("Indfør søgeord"), side);

    // The button starts a search, and stops the one that runs, as Escape does.
    QAction* aSearch = handling("aSearch", QStringLiteral("Start søgning: Der søges i aktuelle element mappen"), {},
                                [this] { aSearchExecute(); });
    regler->tilfoej(aSearch, [this] { return !findTekstEdit->text().isEmpty() && !soegningStop; });
    findTekstKnap = tekstknap("findTekstKnap", QStringLiteral("Søg"), aSearch->toolTip(), side);
    connect(findTekstKnap, &QPushButton::clicked, this, [this, aSearch] {
        if (soegningStop)
            *soegningStop = true;
        else
            aSearch->trigger();
    });
    regler->tilfoej([this, aSearch] { findTekstKnap->setEnabled(soegningStop || aSearch->isEnabled()); });
    connect(findTekstEdit, &QLineEdit::returnPressed, aSearch, &QAction::trigger);
    connect(findTekstEdit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    auto* escape = new QShortcut(Qt::Key_Escape, side, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (soegningStop)
            *soegningStop = true;
    });
    auto* soegRaekke = new QHBoxLayout;
    soegRaekke->addWidget(findTekstEdit, 1);
    soegRaekke->addWidget(findTekstKnap);

    // Clearing, the four outlines of the hits, and help.
    auto* knapper = new QWidget(side);
    auto* raekke = new Ombrydningslayout(knapper);
    raekke->addWidget(listeknap("infoClearFind", QStringLiteral("Rens lister: Klargør til ny søgning"),
                                QStyle::SP_DialogResetButton, [this] { infoClearFindClick(); }, knapper));
    const QString mappeTom = QStringLiteral("Der blev ikke fundet eksisterende emner i mappelisten.\r");
    const QString filTom = QStringLiteral("Der blev ikke fundet eksisterende emner i fillisten.\r");
    const struct {
        const char* navn;
        const char* tekst;
        const char* hint;
        bool filer;
        bool punkt;
    } omrids[] = {
        {"mappePunktstruktur", "M", "Fremstil en mappe punktstruktur", false, true},
        {"mappeNiveaustruktur", "M", "Fremstil en mappe niveaustruktur", false, false},
        {"filPunktstruktur", "F", "Fremstil en punktstruktur ud fra filnavne", true, true},
        {"filNiveaustruktur", "F", "Fremstil en niveaustruktur ud fra filnavne", true, false},
    };
    for (const auto& o : omrids) {
        TReopenFilerX* liste = o.filer ? findFiler : findDir;
        QAction* action = handling(o.navn, QString::fromUtf8(o.hint), {}, [this, liste, o, mappeTom, filTom] {
            // A point per folder takes each once; the levels take a file's folder once per file.
            if (listestruktur(*liste, o.filer, o.punkt, o.punkt, o.filer ? filTom : mappeTom))
                mappeKontrol(QString(), false);
        });
        action->setText(QString::fromUtf8(o.tekst));
        regler->tilfoej(action, [liste] { return liste->Antal() > 0; });
        auto* knap = new QToolButton(knapper);
        knap->setDefaultAction(action);
        raekke->addWidget(knap);
    }
    raekke->addWidget(hjaelpKnap("SpeedButton35", QStringLiteral("Information: Søg"),
                                 QStringLiteral("Søg efter filer og mapper.html"), main, knapper));

    mapperOverskrift = label("mapperOverskrift", QStringLiteral("Mapper"));
    findBar = new QProgressBar(side);
    findBar->setObjectName(QStringLiteral("findBar"));
    findBar->setTextVisible(false);
    findBar->setMaximumHeight(8);
    mappeBoxen = listeboks("mappeBoxen", QString(), regler, side);
    filerOverskrift = label("filerOverskrift", QStringLiteral("Filer"));
    filBoxen = listeboks("filBoxen", QString(), regler, side);
    for (QListWidget* boks : {mappeBoxen, filBoxen})
        boks->setUniformItemSizes(true);
    findDir->setListeBoks(mappeBoxen);
    findFiler->setListeBoks(filBoxen);
    auto* splitter = new QSplitter(Qt::Vertical, side);
    splitter->setObjectName(QStringLiteral("findSplitter"));
    auto* top = new QWidget(splitter);
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(mapperOverskrift);
    topLayout->addWidget(findBar);
    topLayout->addWidget(mappeBoxen, 1);
    auto* bund = new QWidget(splitter);
    auto* bundLayout = new QVBoxLayout(bund);
    bundLayout->setContentsMargins(0, 0, 0, 0);
    bundLayout->addWidget(filerOverskrift);
    bundLayout->addWidget(filBoxen, 1);

    QPushButton* sorterknapFiler =
        tekstknap("sorterknapFiler", QStringLiteral("Sorter filer"), QStringLiteral("Sorter fillisten alfabetisk"), side);
    QPushButton* sorterknapMapper =
        tekstknap("sorterknapMapper", QStringLiteral("Sorter mapper"), QStringLiteral("Sorter mappelisten alfabetisk"), side);
    connect(sorterknapFiler, &QPushButton::clicked, this, [this] { findFiler->sorterListe(); });
    connect(sorterknapMapper, &QPushButton::clicked, this, [this] { findDir->sorterListe(); });
    auto* sorterRaekke = new QHBoxLayout;
    sorterRaekke->addWidget(sorterknapFiler);
    sorterRaekke->addWidget(sorterknapMapper);

    // The files of one extension in the folder-and-file tree.
    extEdit = felt<QLineEdit>("extEdit", QStringLiteral("Filefternavn med eller uden punktum"), QString(), side);
    antalExtEdit = new QLineEdit(QStringLiteral("0"), side);
    antalExtEdit->setObjectName(QStringLiteral("antalExtEdit"));
    antalExtEdit->setReadOnly(true);
    antalExtEdit->setToolTip(QStringLiteral("Antal filer fundne med indførte efternavn"));
    antalExtEdit->setMaximumWidth(70);
    QAction* aExtType1 = handling("aExtType1", QStringLiteral("Fremhæv filer med indførte efternavn: Opdater struktur 2 ved F6"),
                                  {}, [this] { aExtTypeExecute(false); });
    aExtType1->setText(QStringLiteral("Vis"));
    QAction* aExtType2 = handling("aExtType2", QStringLiteral("Fremvis kun filer med indførte efternavn: Opdater struktur 2 ved F6"),
                                  {}, [this] { aExtTypeExecute(true); });
    aExtType2->setText(QStringLiteral("Isoler"));
    for (QAction* action : {aExtType1, aExtType2})
        regler->tilfoej(action, [this] { return !extEdit->text().isEmpty(); });
    connect(extEdit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    auto* extRaekke = new QHBoxLayout;
    extRaekke->addWidget(knapFor(aExtType1, side));
    extRaekke->addWidget(knapFor(aExtType2, side));
    extRaekke->addWidget(extEdit, 1);
    extRaekke->addWidget(antalExtEdit);

    layout->addWidget(mappeLabel);
    layout->addWidget(BarEdit);
    layout->addLayout(soegRaekke);
    layout->addWidget(knapper);
    layout->addWidget(splitter, 1);
    layout->addLayout(sorterRaekke);
    layout->addWidget(new QLabel(QStringLiteral("Fremvis filtype"), side));
    layout->addLayout(extRaekke);
    return side;
}

void Twinform::ClearAlt()
{
    findDir->DeleteAlleItems();
    findFiler->DeleteAlleItems();
    mapperOverskrift->setText(QStringLiteral("Mapper"));
    filerOverskrift->setText(QStringLiteral("Filer"));
    BarEdit->setText(soegEfter);
    findBar->setMaximum(100);
    findBar->setValue(0);
}

void Twinform::infoClearFindClick()
{
    stopSoegning();
    findTekstEdit->clear();
    ClearAlt();
}

void Twinform::stopSoegning()
{
    if (!soegningStop)
        return;
    // What the search still delivers is for no one.
    *soegningStop = true;
    soegningSlut();
}

void Twinform::soegningSlut()
{
    soegningStop.reset();
    unsetCursor();
    findTekstKnap->setText(QStringLiteral("Søg"));
    findTekstKnap->setToolTip(QStringLiteral("Start søgning: Der søges i aktuelle element mappen"));
    regler->opdaterSenere();
}

void Twinform::aSearchExecute()
{
    if (soegningStop)
        return;
    ClearAlt();
    mappeLabel->clear();
    const QString start = soegemappeFor(main.EditSti()->text());
    const QString tekst = findTekstEdit->text();
    if (tekst.isEmpty()) {
        main.beskeder()->sig(
            QStringLiteral("Der mangler en tekst!\rIndfør en tekst der skal søges efter i mappe og filnavne."));
        return;
    }
    soegemappe = start;
    mappeLabel->setText(getLastDirectory(start));
    BarEdit->setText(QStringLiteral("Undersøger..."));
    main.UdskrivInfo(QString());
    setCursor(Qt::BusyCursor);
    findTekstKnap->setText(QStringLiteral("Stop"));
    findTekstKnap->setToolTip(QStringLiteral("Stop søgningen"));

    // The task owns what it works on, the mounts read once for it; its results reach this window
    // only while it exists and this is still its search.
    auto monteringer = std::make_shared<const Monteringer>();
    Navnesoegning s;
    s.mappe = start;
    s.tekst = tekst;
    s.maksElementer = main.opt.maxElementer;
    s.udeladte = monteringer->pseudomonteringerUnder(start);
    s.efterElement = soegeKrog;
    soegningStop = s.stop;
    s.lever = [vindue = QPointer<Twinform>(this), stop = s.stop, monteringer](Navneparti parti) {
        QList<TReopenRec> mapper;
        QList<TReopenRec> filer;
        for (const Navnefund& fund : std::as_const(parti.fund))
            if (fund.mappe)
                mapper.append({monteringer->mappeCaption(fund.sti), fund.sti});
            else
                filer.append({QFileInfo(fund.sti).fileName(), fund.sti});
        parti.fund.clear();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [vindue, stop, parti, mapper, filer] {
            if (vindue && vindue->soegningStop == stop)
                vindue->modtagNavneparti(parti, mapper, filer);
        });
    };
    // A thread of its own: a search held by a mount that no longer answers keeps no thread of the
    // shared pool from the work that needs it, and the program can end without it.
    std::thread([s] { soegNavne(s); }).detach();
    regler->opdaterSenere();
}

void Twinform::modtagNavneparti(const Navneparti& parti, const QList<TReopenRec>& mapper, const QList<TReopenRec>& filer)
{
    findDir->InsertItems(mapper);
    findFiler->InsertItems(filer);
    const Navnetal& tal = parti.tal;
    if (parti.fase != Navneparti::Fase::Taeller) {
        // A bar whose maximum is 0 would run as a busy indicator: an empty tree is a full bar.
        findBar->setMaximum(int(std::clamp<qint64>(tal.total(), 1, INT_MAX)));
        findBar->setValue(tal.total() == 0 ? 1 : int(std::min<qint64>(tal.position(), INT_MAX)));
        BarEdit->setText(QString::number(tal.procent()) + u'%');
    }
    if (parti.fase != Navneparti::Fase::Faerdig)
        return;
    soegningSlut();
    if (parti.startmappeFejl) {
        BarEdit->setText(soegEfter);
        main.beskeder()->sig(QStringLiteral("Søgemappen kunne ikke åbnes:\n") + soegemappe);
        return;
    }
    if (tal.mapperUndersoegt > 0)
        mapperOverskrift->setText(
            QStringLiteral("Der er undersøgt %1:%2 mappenavne").arg(tal.mapperUndersoegt).arg(tal.mapperFundet));
    if (tal.filerUndersoegt > 0)
        filerOverskrift->setText(
            QStringLiteral("Der er undersøgt %1:%2 filnavne").arg(tal.filerUndersoegt).arg(tal.filerFundet));
    // Every search ends with its own status; none is left from an earlier one.
    if (parti.stoppetVedMaks)
        main.UdskrivInfo(QStringLiteral("Søgningen stoppede ved maksimum antal (%1).").arg(main.opt.maxElementer));
    else if (parti.stoppet)
        main.UdskrivInfo(QStringLiteral("Søgningen blev stoppet."));
    else
        main.UdskrivInfo(QStringLiteral("Søgningen er færdig: %1 mapper og %2 filer fundet.")
                             .arg(tal.mapperFundet)
                             .arg(tal.filerFundet));
    if (parti.stoppet)
        BarEdit->setText(QStringLiteral("Søgningen blev stoppet."));
    if (parti.fejl)
        main.beskeder()->sig(QStringLiteral("Information:\nDer opstod en ukendt fejl."));
}

void Twinform::aExtTypeExecute(bool isoler)
{
    const QString ext = extEdit->text();
    const int antal = isoler ? FStrukturY->makeStrukturFil(ext) : FStrukturY->fremvisFiltype(ext);
    main.UdskrivInfo(QStringLiteral("Der blev fundte %1 filer af typen %2").arg(antal).arg(ext));
    antalExtEdit->setText(QString::number(antal));
    FilStruktur->setFocus();
    mappeKontrol(QString(), false);
}
