#include "fileops/tfilinfoform.h"

#include "platform/attributes.h"
#include "core/beskeder.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <class W>
W* navngivet(W* widget, const char* navn)
{
    widget->setObjectName(QLatin1String(navn));
    return widget;
}

QLineEdit* feltTilVisning(const char* navn, QWidget* parent)
{
    auto* felt = navngivet(new QLineEdit(parent), navn);
    felt->setReadOnly(true);
    return felt;
}

}  // namespace

Tfilinfoform::Tfilinfoform(QWidget* mainWindow, Beskeder* beskeder)
    : QWidget(mainWindow, Qt::Window | Qt::WindowStaysOnTopHint)
    , FBeskeder(beskeder)
{
    setObjectName(QStringLiteral("filinfoform"));
    setWindowTitle(QStringLiteral("Fil egenskaber"));
    auto* layout = new QVBoxLayout(this);
    Bog = navngivet(new QTabWidget(this), "Bog");
    Bog->addTab(byggeFilSide(), QStringLiteral("Fil"));
    Bog->addTab(byggeMappeSide(), QStringLiteral("Mappe"));
    Bog->addTab(byggeDrevSide(), QStringLiteral("Drev"));
    // The page of the element shown stays in front.
    connect(Bog, &QTabWidget::currentChanged, this, [this](int side) {
        if (side != SideNummer)
            Bog->setCurrentIndex(SideNummer);
    });
    layout->addWidget(Bog, 1);

    auto* knapper = new QHBoxLayout;
    ButtonInfo = navngivet(new QPushButton(QStringLiteral("Information"), this), "ButtonInfo");
    ButtonInfo->setToolTip(QStringLiteral("Information om drev, fil og mappe egenskaber"));
    // Hidden until the program carries help pages to open.
    ButtonInfo->hide();
    auto* luk = navngivet(new QPushButton(QStringLiteral("Luk"), this), "Button2");
    luk->setToolTip(QStringLiteral("Luk egenskabsboksen"));
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    aUdfold = navngivet(new QAction(style()->standardIcon(QStyle::SP_ArrowRight), QString(), this), "aUdfold");
    aUdfold->setToolTip(QStringLiteral("Gør boksen større"));
    connect(aUdfold, &QAction::triggered, this, &Tfilinfoform::aUdfoldExecute);
    aSammenfold = navngivet(new QAction(style()->standardIcon(QStyle::SP_ArrowLeft), QString(), this), "aSammenfold");
    aSammenfold->setToolTip(QStringLiteral("Gør boksen mindre"));
    connect(aSammenfold, &QAction::triggered, this, &Tfilinfoform::aSammenfoldExecute);
    knapper->addWidget(ButtonInfo);
    for (QAction* action : {aSammenfold, aUdfold}) {
        auto* knap = new QToolButton(this);
        knap->setDefaultAction(action);
        knapper->addWidget(knap);
    }
    knapper->addStretch();
    knapper->addWidget(luk);
    layout->addLayout(knapper);
    resize(400, 420);
    opdaterStoerrelsesHandlinger();
}

QWidget* Tfilinfoform::byggeFilSide()
{
    auto* side = navngivet(new QWidget(this), "side1");
    auto* form = new QFormLayout(side);
    ikonBox = navngivet(new QLabel(side), "ikonBox");
    EditFilnavn = feltTilVisning("EditFilnavn", side);
    form->addRow(ikonBox, EditFilnavn);
    EditPath = feltTilVisning("EditPath", side);
    form->addRow(QStringLiteral("Placering:"), EditPath);
    LabelSize = navngivet(new QLabel(side), "LabelSize");
    form->addRow(QStringLiteral("Størrelse:"), LabelSize);
    LabelOprettet = navngivet(new QLabel(side), "LabelOprettet");
    form->addRow(QStringLiteral("Oprettet:"), LabelOprettet);
    LabelForandret = navngivet(new QLabel(side), "LabelForandret");
    form->addRow(QStringLiteral("Ændret:"), LabelForandret);
    LabelAabnet = navngivet(new QLabel(side), "LabelAabnet");
    form->addRow(QStringLiteral("Åbnet:"), LabelAabnet);
    auto* attributter = new QHBoxLayout;
    cbReadOnly = navngivet(new QCheckBox(QStringLiteral("Skrivebeskyttet"), side), "cbReadOnly");
    cbHidden = navngivet(new QCheckBox(QStringLiteral("Skjult"), side), "cbHidden");
    aAnvend = navngivet(new QAction(QStringLiteral("Anvend"), this), "aAnvend");
    aAnvend->setToolTip(QStringLiteral("Sæt de nye attributværdier"));
    aAnvend->setEnabled(false);
    connect(aAnvend, &QAction::triggered, this, &Tfilinfoform::aAnvendExecute);
    for (QCheckBox* box : {cbReadOnly, cbHidden})
        connect(box, &QCheckBox::clicked, aAnvend, [this] { aAnvend->setEnabled(true); });
    auto* anvend = new QToolButton(side);
    anvend->setDefaultAction(aAnvend);
    attributter->addWidget(cbReadOnly);
    attributter->addWidget(cbHidden);
    attributter->addWidget(anvend);
    form->addRow(QStringLiteral("Attributter:"), attributter);
    LabelFiltype = navngivet(new QLabel(side), "LabelFiltype");
    form->addRow(QStringLiteral("Filtype:"), LabelFiltype);
    return side;
}

QWidget* Tfilinfoform::byggeMappeSide()
{
    auto* side = navngivet(new QWidget(this), "Side3");
    auto* form = new QFormLayout(side);
    auto* billede = new QLabel(side);
    billede->setPixmap(style()->standardIcon(QStyle::SP_DirIcon).pixmap(32));
    EditMappenavn = feltTilVisning("EditMappenavn", side);
    form->addRow(billede, EditMappenavn);
    LabelPlacering = navngivet(new QLabel(side), "LabelPlacering");
    form->addRow(QStringLiteral("Placering:"), LabelPlacering);
    LabelMappeSize = navngivet(new QLabel(side), "LabelMappeSize");
    form->addRow(QStringLiteral("Størrelse:"), LabelMappeSize);
    LabelMappeIndhold = navngivet(new QLabel(side), "LabelMappeIndhold");
    form->addRow(QStringLiteral("Indeholder:"), LabelMappeIndhold);
    LabeloprettelsesDato = navngivet(new QLabel(side), "LabeloprettelsesDato");
    form->addRow(QStringLiteral("Oprettet:"), LabeloprettelsesDato);
    return side;
}

QWidget* Tfilinfoform::byggeDrevSide()
{
    auto* side = navngivet(new QWidget(this), "Side2");
    auto* form = new QFormLayout(side);
    ImageDrive = navngivet(new QLabel(side), "ImageDrive");
    ImageDrive->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(32));
    EditDisknavn = feltTilVisning("EditDisknavn", side);
    form->addRow(ImageDrive, EditDisknavn);
    LabelFreeSpace = navngivet(new QLabel(side), "LabelFreeSpace");
    form->addRow(QStringLiteral("Ledig plads:"), LabelFreeSpace);
    LabelAnvendtSpace = navngivet(new QLabel(side), "LabelAnvendtSpace");
    form->addRow(QStringLiteral("Anvendt plads:"), LabelAnvendtSpace);
    LabelKapasitet = navngivet(new QLabel(side), "LabelKapasitet");
    form->addRow(QStringLiteral("Kapasitet:"), LabelKapasitet);
    ProgressBar = navngivet(new QProgressBar(side), "ProgressBar");
    ProgressBar->setRange(0, 100);
    form->addRow(ProgressBar);
    LabelType = navngivet(new QLabel(side), "LabelType");
    form->addRow(QStringLiteral("Type:"), LabelType);
    LabelFilsystem = navngivet(new QLabel(side), "LabelFilsystem");
    form->addRow(QStringLiteral("Filsystem:"), LabelFilsystem);
    return side;
}

void Tfilinfoform::visSide(int side, const QString& caption)
{
    setWindowTitle(caption);
    SideNummer = side;
    Bog->setCurrentIndex(side);
    show();
    raise();
}

void Tfilinfoform::aAnvendExecute()
{
    if (QFileInfo::exists(Filnavn) || QFileInfo(Filnavn).isSymLink()) {
        int fejl = 0;
        if (platform::erSkrivebeskyttet(Filnavn) != cbReadOnly->isChecked())
            fejl = platform::saetSkrivebeskyttet(Filnavn, cbReadOnly->isChecked());
        if (!fejl && platform::erSkjult(Filnavn) != cbHidden->isChecked())
            fejl = platform::saetSkjult(Filnavn, cbHidden->isChecked());
        if (fejl == EINVAL) {
            FBeskeder->sig(QStringLiteral("Filen er skjult, fordi navnet begynder med et punktum.\r"
                                          "Den vises kun, hvis den får et andet navn."));
            cbHidden->setChecked(true);
        } else if (fejl) {
            FBeskeder->sig(QStringLiteral("Der opstod en fejl.\rStien er muligvist invalid, eller der er muligvist "
                                          "ikke adgang til filen.\r"));
        }
    }
    aAnvend->setEnabled(false);
}

void Tfilinfoform::aUdfoldExecute()
{
    if (width() <= 1920)
        resize(width() + 140, height());
    opdaterStoerrelsesHandlinger();
}

void Tfilinfoform::aSammenfoldExecute()
{
    if (width() > 360)
        resize(350, height());
    opdaterStoerrelsesHandlinger();
}

void Tfilinfoform::opdaterStoerrelsesHandlinger()
{
    aUdfold->setEnabled(width() <= 1920);
    aSammenfold->setEnabled(width() > 360);
}
