#include "tools/information/informationssider.h"

#include "app/aktivertaster.h"
#include "app/handlingsregler.h"
#include "app/ombrydningslayout.h"
#include "app/tmainform.h"
#include "app/traelinjer.h"
#include "tools/information/infosoegning.h"
#include "tools/information/tinfoform.h"
#include "tools/information/tstruktur.h"
#include "tools/information/turlform1.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

Informationssider::Informationssider(Tmainform& main)
    : QObject(&main)
    , main(main)
    , regler(new Handlingsregler(main.informationsside()))
    , urlform(new Turlform1(&main, main.folders.OptMappe + QStringLiteral("urlboks.txt")))
{
    QWidget* side = main.informationsside();
    auto* infoBogen = new QTabWidget(side);
    infoBogen->setObjectName(QStringLiteral("infoBogen"));
    side->layout()->addWidget(infoBogen);
    byggeInfoside(infoBogen);
    byggeSoegning(infoBogen);
    main.registrerVaerktoej(QStringLiteral("aInfo"),
                            [this, &main] { return new Tinfoform(main, *urlform, *Struktur, main.opt.openInfo == 0); },
                            {QStringLiteral("Information.txt"), {20, 40, 576}});
}

void Informationssider::byggeInfoside(QTabWidget* infoBogen)
{
    auto* infoSide1 = new QWidget(infoBogen);
    infoSide1->setObjectName(QStringLiteral("infoSide1"));
    auto* strukturLayout = new QVBoxLayout(infoSide1);
    Struktur = new TStruktur(infoSide1);
    Struktur->setObjectName(QStringLiteral("Struktur"));
    connect(&main.signaler, &Programsignaler::strukturLinjerAendret, Struktur, [this](bool medLinjer) { visLinjer(Struktur, medLinjer); });
    connect(Struktur, &QTreeWidget::itemClicked, this, [this] { StrukturClick(); });
    new AktiverTaster(Struktur, [this] { StrukturClick(); });
    strukturLayout->addWidget(Struktur, 1);
    auto* antalRow = new QHBoxLayout;
    antalRow->addWidget(new QLabel(QStringLiteral("Elementer: "), infoSide1));
    antalLabel = new QLabel(infoSide1);
    antalLabel->setObjectName(QStringLiteral("antalLabel"));
    antalRow->addWidget(antalLabel, 1);
    strukturLayout->addLayout(antalRow);
    auto* foldPanel = new QWidget(infoSide1);
    auto* foldRow = new Ombrydningslayout(foldPanel);
    for (const auto& [navn, tekst, udfold] : {std::tuple{"expandKnap", "Udfold struktur", true},
                                               std::tuple{"collapseKnap", "Sammenfold struktur", false}}) {
        auto* knap = new QPushButton(QString::fromUtf8(tekst), infoSide1);
        knap->setObjectName(QLatin1String(navn));
        connect(knap, &QPushButton::clicked, Struktur, udfold ? &QTreeView::expandAll : &QTreeView::collapseAll);
        foldRow->addWidget(knap);
    }
    strukturLayout->addWidget(foldPanel);
    infoBogen->addTab(infoSide1, QStringLiteral("Struktur"));
}

void Informationssider::byggeSoegning(QTabWidget* infoBogen)
{
    auto* infoSide2 = new QWidget(infoBogen);
    infoSide2->setObjectName(QStringLiteral("infoSide2"));
    auto* soegLayout = new QVBoxLayout(infoSide2);
    EditFind = new QLineEdit(infoSide2);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setPlaceholderText(QStringLiteral("Indfør søgetekst"));
    soegLayout->addWidget(EditFind);
    auto* aSearch = new QAction(QStringLiteral("Find tekst i infosiderne"), infoSide2);
    aSearch->setObjectName(QStringLiteral("aSearch"));
    aSearch->setToolTip(QStringLiteral("Find tekst i infosiderne"));
    connect(aSearch, &QAction::triggered, this, [this] { FindInfoTekst(EditFind->text()); });
    regler->tilfoej(aSearch, [this] { return !EditFind->text().isEmpty(); });
    connect(EditFind, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    connect(EditFind, &QLineEdit::returnPressed, this, [this, aSearch] {
        if (!EditFind->text().isEmpty())
            aSearch->trigger();
    });
    auto* soegKnap = new QToolButton(infoSide2);
    soegKnap->setObjectName(QStringLiteral("soegKnap"));
    soegKnap->setToolButtonStyle(Qt::ToolButtonTextOnly);
    soegKnap->setDefaultAction(aSearch);
    soegLayout->addWidget(soegKnap);
    findis = new QListWidget(infoSide2);
    findis->setObjectName(QStringLiteral("findis"));
    const auto aabnFund = [this] {
        if (QListWidgetItem* fund = findis->currentItem())
            InfoHelp(fund->text() + QStringLiteral(".html"));
    };
    connect(findis, &QListWidget::itemDoubleClicked, this, aabnFund);
    new AktiverTaster(findis, aabnFund);
    soegLayout->addWidget(findis, 1);
    infoBogen->addTab(infoSide2, QStringLiteral("Søg"));
    regler->opdaterSenere();
}

Tinfoform* Informationssider::visInfoform() { return qobject_cast<Tinfoform*>(main.aabnVaerktoej(QStringLiteral("aInfo"))); }

void Informationssider::LoadStruktur()
{
    Struktur->Strukturfile = main.folders.strukturDir + QStringLiteral("/struktur.txt");
    Struktur->Datafile = main.folders.strukturDir + QStringLiteral("/data.txt");
    Struktur->Infomappe = main.folders.infoDir;
    Struktur->Billedmappe = main.folders.infoDir + QStringLiteral("Billeder/");
    Struktur->Htmlmappe = main.folders.infoDir + QStringLiteral("Design og funktioner/");
    Struktur->DataOn = true;
    visLinjer(Struktur, main.opt.CheckStrukturLinjer);
    if (!Struktur->HentStruktur())
        main.UdskrivInfo(Struktur->fejl());
    antalLabel->setText(QString::number(Struktur->antalNoder()));
}

void Informationssider::StrukturClick()
{
    const QString side = Struktur->SelectedData();
    if (!side.isEmpty())
        InfoStruk(side + QStringLiteral(".html"), side);
}

void Informationssider::InfoStruk(const QString& side, const QString& tekst)
{
    if (Tinfoform* infoform = visInfoform()) {
        infoform->LoadHjemmeside(side);
        main.UdskrivInfo(tekst);
    }
}

void Informationssider::InfoHelp(const QString& S)
{
    Tinfoform* infoform = visInfoform();
    if (!infoform)
        return;
    infoform->LoadHjemmeside(S);
    const qsizetype punktum = S.lastIndexOf(u'.');
    if (QTreeWidgetItem* node = Struktur->nodeMedTekst(punktum < 0 ? S : S.left(punktum))) {
        Struktur->setCurrentItem(node);
        node->setExpanded(true);
        StrukturClick();
    }
}

void Informationssider::visHtmlFil(const QString& sti)
{
    if (Tinfoform* infoform = visInfoform())
        infoform->visFil(sti);
}

void Informationssider::FindInfoTekst(const QString& tekst)
{
    findis->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    findis->addItems(findInfoTekst(main.folders.infoDir, tekst));
    QApplication::restoreOverrideCursor();
}

Informationssider& registrerInformation(Tmainform& main)
{
    auto* sider = new Informationssider(main);
    main.setHjaelpesider(sider);
    return *sider;
}
