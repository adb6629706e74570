#include "tools/galleri/tgalform.h"

#include "app/afkortettekst.h"
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/mainsettings.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "controls/tbibpan.h"
#include "controls/tbitmapx.h"
#include "controls/tprogresscompo.h"
#include "controls/trammex.h"
#include "controls/trulskakt.h"
#include "tools/galleri/galfarver.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString felter(QSize s) { return QString::number(s.width()) + QStringLiteral(" x ") + QString::number(s.height()); }

QIcon farveIkon(const QColor& farve)
{
    QPixmap billede(16, 16);
    billede.fill(farve);
    QPainter p(&billede);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
    return QIcon(billede);
}

// A read-only field as wide as its layout makes it: its text never widens its panel.
QLineEdit* visningsfelt(const char* navn, QWidget* parent)
{
    auto* felt = new QLineEdit(parent);
    felt->setObjectName(QLatin1String(navn));
    felt->setReadOnly(true);
    felt->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return felt;
}

// A read-only field for a picture's measure, wide enough for five digits.
QLineEdit* maalfelt(const char* navn, QWidget* parent)
{
    QLineEdit* felt = visningsfelt(navn, parent);
    felt->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    felt->setFixedWidth(felt->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    return felt;
}

}  // namespace

TGalForm::TGalForm(Tmainform& main, bool internt)
    : QWidget(&main), showInternt(internt), main(main), regler(new Handlingsregler(this)), BibRF(new TRammeFeltX),
      BibBitmap(new TBitmapX)
{
    setWindowTitle(QStringLiteral("Billeder"));
    // The gallery's field frames: sunken, width 2, margin 2, gaps of 2; the field under the mouse
    // blue, the pressed field yellow, the selected picture outlined 2 px wide.
    BibRF->Art = rtInd;
    BibRF->Bredde = 2;
    BibRF->Margen = 2;
    BibRF->AfstandVandret = 2;
    BibRF->AfstandLodret = 2;
    BibRF->FarveOver = Qt::blue;
    BibRF->FarveAktiv = Qt::yellow;
    BibRF->BreddeOmrids = 2;
    anvendPalet();

    byggeHandlinger();
    auto* layout = new QVBoxLayout(this);
    // The side panels are as wide as their controls need, the thumbnails have the rest.
    auto* dele = new QHBoxLayout;
    dele->addWidget(byggeVenstre());
    dele->addWidget(byggeMidte(), 1);
    dele->addWidget(byggeHoejre());
    layout->addLayout(dele, 1);
    layout->addLayout(vaerktoejsBund(main, this, showInternt, QStringLiteral("Billeder.html")));
    forbindPanel();

    AntalV = std::max(main.opt.GBoxV, 1);
    AntalL = std::max(main.opt.GBoxL, 1);
    BibPan->NyeFelterVL(AntalV, AntalL);
    BVedit->setText(QString::number(AntalV));
    BLedit->setText(QString::number(AntalL));
    visFeltknapper();
    connect(BVedit, &QLineEdit::textChanged, this, &TGalForm::anvendAntal);
    connect(BLedit, &QLineEdit::textChanged, this, &TGalForm::anvendAntal);
    if (showInternt) {
        connect(main.mdi(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
            if (sub && sub->widget() == this)
                aktiveret();
        });
    } else {
        setMinimumWidth(eksternBredde);
        setMaximumWidth(eksternBredde);
    }
    regler->opdaterNu();
}

TGalForm::~TGalForm()
{
    // The panel stops its reading before the frame and picture list it draws with go.
    delete BibPan;
    delete BibRF;
    delete BibBitmap;
}

QWidget* TGalForm::byggeVenstre()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panelLeft"));
    panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    BibFelt = new QLabel(panel);
    BibFelt->setObjectName(QStringLiteral("BibFelt"));
    layout->addWidget(BibFelt);
    const QList<QList<QSize>> puNo3 = {{{4, 6}, {3, 5}}, {{2, 4}, {2, 3}, {2, 2}}, {{1, 3}, {1, 2}, {1, 1}}};
    layout->addWidget(feltknap("Button1", 14, 16, "PuNo1", {{{14, 16}, {13, 15}, {12, 14}, {11, 13}, {10, 12}}}));
    layout->addWidget(feltknap("Button6", 9, 11, "PuNo2", {{{9, 11}, {8, 10}, {7, 9}, {6, 8}, {5, 7}}}));
    layout->addWidget(feltknap("Button7", 4, 6, "PuNo3", puNo3));
    layout->addWidget(farveknap());
    layout->addWidget(antalGruppe(QStringLiteral("Felter vandret"), BVedit, "BVedit", "BVknapPlus", "BVknapMinus", true));
    layout->addWidget(antalGruppe(QStringLiteral("Felter lodret"), BLedit, "BLedit", "BLknapPlus", "BLknapMinus", false));
    QPushButton* bibKnap = knapFor(handling("Amappe"), panel);
    bibKnap->setObjectName(QStringLiteral("BibKnap"));
    layout->addWidget(bibKnap);
    StepPan = new TProgressCompo(panel);
    StepPan->setObjectName(QStringLiteral("StepPan"));
    StepPan->setFixedHeight(20);
    connect(StepPan, &TProgressCompo::OnProgress, this, [this](int procent) {
        StepPan->setTekst(QString::number(procent) + u'%');
    });
    layout->addWidget(StepPan);
    layout->addWidget(new QLabel(QStringLiteral("Antal billeder"), panel));
    antalEdit = visningsfelt("antalEdit", panel);
    layout->addWidget(antalEdit);
    layout->addStretch();
    return panel;
}

QToolButton* TGalForm::feltknap(const char* navn, int v, int l, const char* menuNavn, const QList<QList<QSize>>& grupper)
{
    auto* knap = new QToolButton(this);
    knap->setObjectName(QLatin1String(navn));
    knap->setText(QStringLiteral("Felter(") + felter({v, l}) + u')');
    knap->setToolTip(felter({v, l}) + QStringLiteral(" felter"));
    knap->setPopupMode(QToolButton::MenuButtonPopup);
    knap->setToolButtonStyle(Qt::ToolButtonTextOnly);
    knap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    knap->setCheckable(true);
    feltknapper.append({knap, QSize(v, l)});
    connect(knap, &QToolButton::clicked, this, [this, v, l] { loadBilleder(v, l); });
    auto* menu = new QMenu(knap);
    menu->setObjectName(QLatin1String(menuNavn));
    menu->setToolTipsVisible(true);
    for (const QList<QSize>& gruppe : grupper) {
        if (!menu->isEmpty())
            menu->addSeparator();
        for (const QSize s : gruppe) {
            QAction* punkt = menu->addAction(felter(s));
            punkt->setToolTip(s == QSize(1, 1) ? QStringLiteral("1 felt") : felter(s) + QStringLiteral(" felter"));
            connect(punkt, &QAction::triggered, this, [this, s] { loadBilleder(s.width(), s.height()); });
        }
    }
    knap->setMenu(menu);
    return knap;
}

QToolButton* TGalForm::farveknap()
{
    colButton2 = new QToolButton(this);
    colButton2->setObjectName(QStringLiteral("colButton2"));
    colButton2->setText(QStringLiteral("Baggrundsfarve"));
    colButton2->setToolTip(QStringLiteral("Vælg baggrundsfarve"));
    colButton2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    colButton2->setPopupMode(QToolButton::InstantPopup);
    colButton2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* ddFarver = new QMenu(colButton2);
    ddFarver->setObjectName(QStringLiteral("ddFarver"));
    for (int i = 0; i < galFarver().size(); ++i) {
        const GalFarve& farve = galFarver()[i];
        QAction* punkt = ddFarver->addAction(farveIkon(farve.farve), QString::fromUtf8(farve.tekst));
        punkt->setObjectName(QLatin1String(farve.menu));
        connect(punkt, &QAction::triggered, this, [this, i] { setBgFarve(i); });
    }
    colButton2->setMenu(ddFarver);
    return colButton2;
}

QWidget* TGalForm::antalGruppe(const QString& titel, QLineEdit*& edit, const char* editNavn, const char* plusNavn,
                               const char* minusNavn, bool vandret)
{
    auto* gruppe = new QGroupBox(titel, this);
    auto* layout = new QHBoxLayout(gruppe);
    edit = visningsfelt(editNavn, gruppe);
    layout->addWidget(edit, 1);
    const QString plusTekst = vandret ? QStringLiteral("Forøg antal felter vandret.") : QStringLiteral("Forøg antallet af felter lodret.");
    const QString minusTekst =
        vandret ? QStringLiteral("Formindsk antallet af felter vandret.") : QStringLiteral("Formindsk antallet af felter lodret.");
    for (const auto& [navn, tekst, trin, status] :
         {std::tuple{plusNavn, QStringLiteral("+"), 1, plusTekst}, std::tuple{minusNavn, QStringLiteral("-"), -1, minusTekst}}) {
        QPushButton* knap = tekstknap(navn, tekst, QString(), gruppe);
        knap->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(knap, &QPushButton::clicked, this, [this, vandret, trin = trin] { aendrAntal(vandret, trin); });
        statusTekster.insert(knap, status);
        knap->installEventFilter(this);
        layout->addWidget(knap);
    }
    return gruppe;
}

QWidget* TGalForm::byggeMidte()
{
    auto* midte = new QWidget(this);
    auto* layout = new QVBoxLayout(midte);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* gitter = new QHBoxLayout;
    gitter->setSpacing(0);
    BibPan = new TBibPan(midte);
    BibPan->setObjectName(QStringLiteral("BibPan"));
    BibPan->setRammeFelt(BibRF);
    BibPan->BitmapFelt = BibBitmap;
    BibPan->IndreMargen = 2;
    BibPan->setRulRundt(false);
    gitter->addWidget(BibPan, 1);
    BibRul = new TRulskakt(midte);
    BibRul->setObjectName(QStringLiteral("BibRul"));
    BibRul->setFixedWidth(16);
    BibRul->VisMaerke = true;
    BibRul->FarveMaerke = Qt::gray;
    BibRul->NyePos(2, 0, 0);
    gitter->addWidget(BibRul);
    layout->addLayout(gitter, 1);
    // The file name and the folder have the width; a long file name loses its middle, so its
    // start and its extension stay in sight.
    auto* felter = new QGridLayout;
    const auto raekke = [&](int nr, const QString& tekst, QWidget* felt) {
        felter->addWidget(new QLabel(tekst, midte), nr, 0);
        felter->addWidget(felt, nr, 1);
    };
    Navnfelt = new Afkortettekst("Navnfelt", Qt::ElideMiddle, midte);
    raekke(0, QStringLiteral("Filnavn"), Navnfelt);
    auto* maal = new QHBoxLayout;
    Breddefelt = maalfelt("Breddefelt", midte);
    Hojdefelt = maalfelt("Hojdefelt", midte);
    for (const auto& [tekst, felt] : {std::pair{QStringLiteral("Bredde"), Breddefelt}, std::pair{QStringLiteral("Højde"), Hojdefelt}}) {
        maal->addWidget(new QLabel(tekst, midte));
        maal->addWidget(felt);
    }
    maal->addStretch();
    felter->addLayout(maal, 1, 1);
    mappeFelt = visningsfelt("mappeFelt", midte);
    raekke(2, QStringLiteral("Mappe"), mappeFelt);
    felter->setColumnStretch(1, 1);
    layout->addLayout(felter);
    return midte;
}

QWidget* TGalForm::byggeHoejre()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panelRight"));
    panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* titel = new QLabel(QStringLiteral("Billeder"), panel);
    QFont fed = titel->font();
    fed.setBold(true);
    titel->setFont(fed);
    layout->addWidget(titel);
    const auto gruppe = [&](const QString& overskrift) {
        auto* boks = new QGroupBox(overskrift, panel);
        auto* boksLayout = new QVBoxLayout(boks);
        layout->addWidget(boks);
        return boksLayout;
    };
    QVBoxLayout* aktuel = gruppe(QStringLiteral("Aktuelle mappe"));
    for (const char* navn : {"AkopierMappe", "AopenSF"})
        aktuel->addWidget(knapFor(handling(navn), panel));
    QVBoxLayout* valgte = gruppe(QStringLiteral("Valgte billede"));
    valgte->addWidget(knapFor(handling("AKopier"), panel));
    for (const auto& [navn, tekst] : {std::pair{"ADelete", "Slet i stifinderen"}, std::pair{"Avis", "Find og marker i filstrukturen"},
                                      std::pair{"AOpenPic", "Åben i andet program"}})
        valgte->addWidget(knapFor(handling(navn), QString::fromUtf8(tekst), handling(navn)->toolTip(), panel));
    layout->addStretch();
    return panel;
}
