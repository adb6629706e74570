#include "tools/information/tinfoform.h"

#include "app/handlingsregler.h"
#include "app/tmainform.h"
#include "tools/information/tstruktur.h"
#include "tools/information/turlform1.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int eksternBredde = 650;

QToolButton* knapFor(QAction* action, QWidget* parent, const char* navn = nullptr)
{
    auto* knap = new QToolButton(parent);
    if (navn)
        knap->setObjectName(QLatin1String(navn));
    knap->setDefaultAction(action);
    knap->setAutoRaise(true);
    return knap;
}

struct Emne {
    const char* navn;
    const char* tekst;
    const char* hint;
    QStyle::StandardPixmap ikon;
    QStringList titler;
};

const QList<Emne>& emner()
{
    static const QList<Emne> liste = {
        {"infStifinder", "Stifinder", "Vis informationssider angående Stifinder", QStyle::SP_DirHomeIcon,
         {QStringLiteral("Stifinderen"), QStringLiteral("Mappestrukturen"), QStringLiteral("Filstrukturen"),
          QStringLiteral("Højre panel"), QStringLiteral("Aktuel information"), QStringLiteral("Indstillinger"),
          QStringLiteral("Særlige egenskaber"), QStringLiteral("Egenskaber2")}},
        {"infKlipbordet", "Klipbordet", "Informationssider angående Klipbordet", QStyle::SP_FileDialogListView,
         {QStringLiteral("Klipbordet"), QStringLiteral("Egenskaber")}},
        {"infFunktioner", "Funktioner", "Vis informationssider angående fil og mappe funktioner i listen",
         QStyle::SP_FileDialogDetailedView,
         {QStringLiteral("Klip"), QStringLiteral("Kopier"), QStringLiteral("Sæt ind"), QStringLiteral("Slet til papirkurv"),
          QStringLiteral("Slet permanent"), QStringLiteral("Omdøb"), QStringLiteral("Omdøb filtype"),
          QStringLiteral("Ny mappe"), QStringLiteral("Mappe egenskaber"), QStringLiteral("Ny fil"),
          QStringLiteral("Omdøb filtype")}},
        {"infProgrammer", "Programmer", "Vis informationssider angående programmer i listen", QStyle::SP_DesktopIcon,
         {QStringLiteral("Genveje"), QStringLiteral("Indfør programmer"), QStringLiteral("Opret mappestrukturer"),
          QStringLiteral("Søg i tekstfiler"), QStringLiteral("Billeder"), QStringLiteral("Kalender"), QStringLiteral("WMI"),
          QStringLiteral("Applets")}},
    };
    return liste;
}

}  // namespace

Tinfoform::Tinfoform(Tmainform& main, Turlform1& urlform, TStruktur& struktur, bool internt)
    : QWidget(&main), showInternt(internt), main(main), urlform(urlform), struktur(struktur)
{
    setWindowTitle(QStringLiteral("Information"));
    regler = new Handlingsregler(this);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    // Local pages open in this view; addresses on the net go to the user's browser.
    WebBrowser1->setOpenExternalLinks(true);
    connect(WebBrowser1, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        Edit->setText(url.fileName());
        UrlLister(url.fileName());
    });
    connect(WebBrowser1, &QTextBrowser::highlighted, this,
            [this](const QUrl& url) { globalUrl = url.isValid() ? url.toString() : QString(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(byggeNavigation());
    QWidget* funkPanel = byggeFunkPanel();
    layout->addWidget(funkPanel);
    auto* midte = new QHBoxLayout;
    midte->addWidget(WebBrowser1, 1);
    QWidget* hoejrePanel = byggeHoejrePanel();
    midte->addWidget(hoejrePanel);
    layout->addLayout(midte, 1);

    funkPanel->setVisible(!showInternt);
    hoejrePanel->setVisible(showInternt);
    if (showInternt) {
        listePlads->layout()->addWidget(urlListe());
    } else {
        for (QAction* emne : emneHandlinger)
            emne->setText(QString());
        setFixedWidth(eksternBredde);
    }
    connect(&urlform, &Turlform1::linjeValgt, this, &Tinfoform::gaaTilLinje);
    connect(&urlform, &Turlform1::listeSlettet, this, [this] { urlIndex = -1; });
    connect(urlListe()->model(), &QAbstractItemModel::rowsInserted, regler, &Handlingsregler::opdaterSenere);
    connect(urlListe()->model(), &QAbstractItemModel::rowsRemoved, regler, &Handlingsregler::opdaterSenere);
    connect(urlListe()->model(), &QAbstractItemModel::modelReset, regler, &Handlingsregler::opdaterSenere);
    connect(Edit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    byggeRegler();
}

Tinfoform::~Tinfoform()
{
    // The history list belongs to "Informationssider" and outlives this window.
    if (showInternt)
        urlform.tagListeTilbage();
}

QListWidget* Tinfoform::urlListe() const { return urlform.urlListe(); }

QAction* Tinfoform::handling(const char* navn, const QString& tekst, const QString& hint)
{
    auto* action = new QAction(tekst, this);
    action->setObjectName(QLatin1String(navn));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    addAction(action);
    connect(action, &QAction::triggered, regler, &Handlingsregler::opdaterSenere);
    return action;
}

QWidget* Tinfoform::byggeNavigation()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("navigationsPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* navn;
        const char* hint;
        QStyle::StandardPixmap ikon;
        std::function<void()> udfoer;
    } trin[] = {
        {"Afirst", "Gå til første", QStyle::SP_MediaSkipBackward, [this] { gaaTilLinje(0); }},
        {"Aback", "Tilbage", QStyle::SP_ArrowBack, [this] { gaaTilLinje(std::max(urlIndex - 1, 0)); }},
        {"Aforward", "Frem", QStyle::SP_ArrowForward,
         [this] { gaaTilLinje(std::min(urlIndex + 1, urlListe()->count() - 1)); }},
        {"Alast", "Gå til sidste", QStyle::SP_MediaSkipForward, [this] { gaaTilLinje(urlListe()->count() - 1); }},
    };
    for (const auto& t : trin) {
        QAction* action = handling(t.navn, QString(), QString::fromUtf8(t.hint));
        action->setIcon(style()->standardIcon(t.ikon));
        connect(action, &QAction::triggered, this, t.udfoer);
        row->addWidget(knapFor(action, panel));
    }
    Edit = new QLineEdit(panel);
    Edit->setObjectName(QStringLiteral("Edit"));
    row->addWidget(Edit, 1);
    QAction* Ago = handling("Ago", QStringLiteral("Opdater/Gå"), QStringLiteral("Opdater/Gå"));
    Ago->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(Ago, &QAction::triggered, this, [this] {
        const QString side = main.folders.infoDir + Edit->text();
        if (QFileInfo(side).isFile())
            WebBrowser1->setSource(QUrl::fromLocalFile(side));
    });
    connect(Edit, &QLineEdit::returnPressed, Ago, &QAction::trigger);
    row->addWidget(knapFor(Ago, panel));
    QAction* ButtonLuk = handling("ButtonLuk", QStringLiteral("Luk"), QStringLiteral("Luk informationen"));
    ButtonLuk->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(ButtonLuk, &QAction::triggered, this, [this] {
        if (QWidget* sub = showInternt ? parentWidget() : nullptr)
            sub->close();
        else
            close();
    });
    row->addWidget(knapFor(ButtonLuk, panel));

    for (const Emne& emne : emner()) {
        QAction* action = handling(emne.navn, QString::fromUtf8(emne.tekst), QString::fromUtf8(emne.hint));
        action->setIcon(style()->standardIcon(emne.ikon));
        connect(action, &QAction::triggered, this, [this, titler = emne.titler] { fyldListe(titler); });
        emneHandlinger.append(action);
    }
    QAction* aVisUrlliste = handling("aVisUrlliste", QStringLiteral("Vis urlliste"), QStringLiteral("Vis urllisten med indførte urls"));
    aVisUrlliste->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    connect(aVisUrlliste, &QAction::triggered, this, [this] {
        urlform.show();
        urlform.raise();
    });
    return panel;
}

QWidget* Tinfoform::byggeHoejrePanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("rightPanel"));
    panel->setFixedWidth(200);
    auto* layout = new QVBoxLayout(panel);
    auto* titel = new QLabel(QStringLiteral("Information"), panel);
    titel->setObjectName(QStringLiteral("titelLabel"));
    layout->addWidget(titel);
    auto* hovedknapper = new QHBoxLayout;
    for (const char* navn : {"aVisStifinder", "aVisInfoStruk", "aPanelV"})
        hovedknapper->addWidget(knapFor(main.hovedhandling(navn), panel));
    hovedknapper->addStretch();
    layout->addLayout(hovedknapper);
    layout->addWidget(new QLabel(QStringLiteral("Liste emner"), panel));
    for (QAction* emne : emneHandlinger) {
        QToolButton* knap = knapFor(emne, panel);
        knap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        layout->addWidget(knap);
    }
    layout->addWidget(knapFor(urlform.AsletAlle(), panel, "sletListeKnap"));
    listePlads = new QWidget(panel);
    listePlads->setObjectName(QStringLiteral("listePlads"));
    auto* pladsLayout = new QVBoxLayout(listePlads);
    pladsLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listePlads, 1);
    return panel;
}

QWidget* Tinfoform::byggeFunkPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("funkPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(knapFor(main.hovedhandling("aVisInfoStruk"), panel));
    row->addWidget(new QLabel(QStringLiteral("Liste emner:"), panel));
    for (QAction* emne : emneHandlinger)
        row->addWidget(knapFor(emne, panel));
    row->addWidget(knapFor(findChild<QAction*>(QStringLiteral("aVisUrlliste")), panel));
    row->addStretch();
    return panel;
}

void Tinfoform::byggeRegler()
{
    const auto regel = [this](const char* navn, std::function<bool()> Update) {
        regler->tilfoej(findChild<QAction*>(QLatin1String(navn)), std::move(Update));
    };
    const auto linjer = [this] { return urlListe()->count(); };
    regel("Afirst", [this, linjer] { return linjer() >= 2 && urlIndex > 0; });
    regel("Aback", [this] { return urlIndex > 0; });
    regel("Aforward", [this, linjer] { return urlIndex < linjer() - 1; });
    regel("Alast", [this, linjer] { return linjer() >= 2 && urlIndex < linjer() - 1; });
    regel("Ago", [this] { return !Edit->text().isEmpty(); });
    regel("aVisUrlliste", [this] { return !urlform.isVisible(); });
    for (QAction* emne : emneHandlinger)
        regler->tilfoej(emne, [this] { return showInternt || urlform.isVisible(); });
    regler->opdaterSenere();
}

void Tinfoform::LoadHjemmeside(const QString& side)
{
    Hjemmeside = main.folders.infoDir + side;
    if (QFileInfo(Hjemmeside).isFile())
        WebBrowser1->setSource(QUrl::fromLocalFile(Hjemmeside));
}

void Tinfoform::visFil(const QString& sti)
{
    Hjemmeside = sti;
    WebBrowser1->setSource(QUrl::fromLocalFile(sti));
}

void Tinfoform::vaelgLinje(int linje)
{
    if (linje >= 0 && linje < urlListe()->count())
        urlListe()->setCurrentRow(linje);
}

void Tinfoform::UrlLister(const QString& S)
{
    if (S.compare(oldUrl, Qt::CaseInsensitive) == 0)
        return;
    oldUrl = S;
    Hjemmeside = main.folders.infoDir + S;
    if (naviKlikket) {
        naviKlikket = false;
        vaelgLinje(urlIndex);
    } else {
        const QString titel = struktur.getNodeTekst(S);
        int fundet = -1;
        for (int i = 0; i < urlListe()->count(); ++i)
            if (urlListe()->item(i)->text().compare(titel, Qt::CaseInsensitive) == 0)
                fundet = i;
        if (fundet < 0) {
            urlListe()->addItem(titel);
            fundet = urlListe()->count() - 1;
        }
        urlIndex = fundet;
        vaelgLinje(urlIndex);
    }
    regler->opdaterSenere();
}

void Tinfoform::gaaTilLinje(int n)
{
    if (n < 0 || n >= urlListe()->count())
        return;
    urlIndex = n;
    naviKlikket = true;
    main.InfoHelp(urlListe()->item(n)->text() + QStringLiteral(".html"));
    // The page shown already, or one that does not exist, brings no page change to take the mark.
    if (naviKlikket) {
        naviKlikket = false;
        vaelgLinje(urlIndex);
        regler->opdaterSenere();
    }
}

void Tinfoform::fyldListe(const QStringList& titler)
{
    urlListe()->clear();
    urlListe()->addItems(titler);
    urlIndex = -1;
}

void Tinfoform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (opstart) {
        opstart = false;
        setFocus();
    }
    main.anvendHints(this);
}

void Tinfoform::closeEvent(QCloseEvent* event)
{
    if (!showInternt && urlform.isVisible())
        urlform.close();
    QWidget::closeEvent(event);
}
