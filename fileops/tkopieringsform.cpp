#include "fileops/tkopieringsform.h"

#include "boxes/modalseam.h"
#include "platform/textfile.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* listeMedOverskrift(const QString& overskrift, QListWidget* liste, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(overskrift, panel));
    layout->addWidget(liste);
    return panel;
}

}  // namespace

Tkopieringsform::Tkopieringsform(const QString& optMappe, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , mappeBox(new QListWidget(this))
    , filBox(new QListWidget(this))
    , splitter(new QSplitter(this))
    , EditDest(new QLineEdit(this))
    , LabelSpm(new QLabel(this))
    , Image1(new QLabel(this))
{
    setObjectName(QStringLiteral("kopieringsform"));
    setWindowTitle(QStringLiteral("Kopiering/Flytning/Sletning"));
    mappeBox->setObjectName(QStringLiteral("mappeBox"));
    filBox->setObjectName(QStringLiteral("filBox"));
    EditDest->setObjectName(QStringLiteral("EditDest"));
    EditDest->setReadOnly(true);
    LabelSpm->setObjectName(QStringLiteral("LabelSpm"));
    Image1->setObjectName(QStringLiteral("Image1"));
    splitter->addWidget(listeMedOverskrift(QStringLiteral("Mapper:"), mappeBox, splitter));
    splitter->addWidget(listeMedOverskrift(QStringLiteral("Filer:"), filBox, splitter));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(new QLabel(QStringLiteral("Destignationsmappe:"), this));
    layout->addWidget(EditDest);
    auto* bund = new QHBoxLayout;
    bund->addWidget(Image1);
    bund->addWidget(LabelSpm, 1);
    aUdfold = new QAction(style()->standardIcon(QStyle::SP_ArrowRight), QString(), this);
    aUdfold->setObjectName(QStringLiteral("aUdfold"));
    aUdfold->setToolTip(QStringLiteral("Gør boksen større"));
    connect(aUdfold, &QAction::triggered, this, &Tkopieringsform::aUdfoldExecute);
    aSammenfold = new QAction(style()->standardIcon(QStyle::SP_ArrowLeft), QString(), this);
    aSammenfold->setObjectName(QStringLiteral("aSammenfold"));
    aSammenfold->setToolTip(QStringLiteral("Gør boksen mindre"));
    connect(aSammenfold, &QAction::triggered, this, &Tkopieringsform::aSammenfoldExecute);
    for (QAction* action : {aSammenfold, aUdfold}) {
        auto* knap = new QToolButton(this);
        knap->setDefaultAction(action);
        bund->addWidget(knap);
    }
    auto* nej = new QPushButton(QStringLiteral("Nej"), this);
    nej->setObjectName(QStringLiteral("NejButton"));
    auto* ja = new QPushButton(QStringLiteral("Ja"), this);
    ja->setObjectName(QStringLiteral("JaButton"));
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    bund->addWidget(nej);
    bund->addWidget(ja);
    layout->addLayout(bund);

    setMinimumWidth(mindsteBredde);
    setMaximumWidth(stoersteBredde);
    int bredde = 632;
    const auto linjer = platform::readTextLines(optMappe + QStringLiteral("Spm_kopiering.txt"));
    bool ok = false;
    if (linjer && !linjer->isEmpty())
        if (const int gemt = linjer->first().trimmed().toInt(&ok); ok)
            bredde = gemt;
    resize(std::clamp(bredde, mindsteBredde, stoersteBredde), 420);
    if (linjer && linjer->size() > 1)
        if (const int fil = linjer->at(1).trimmed().toInt(&ok); ok)
            splitter->setSizes({std::max(width() - 21 - fil, 1), fil});
}

void Tkopieringsform::nyBredde(int bredde)
{
    resize(std::clamp(bredde, mindsteBredde, stoersteBredde), height());
    layout()->activate();
    const int mappePanel = (width() - 21) / 2;
    splitter->setSizes({mappePanel, std::max(splitter->width() - splitter->handleWidth() - mappePanel, 1)});
    aUdfold->setEnabled(width() < 1675);
    aSammenfold->setEnabled(width() >= 416);
}

void Tkopieringsform::aUdfoldExecute()
{
    if (width() < 1675)
        nyBredde(width() + 140);
}

void Tkopieringsform::aSammenfoldExecute()
{
    if (width() >= 416)
        nyBredde(width() - 140);
}

int Tkopieringsform::mappePanelBredde() const { return splitter->sizes().value(0); }

bool Tkopieringsform::spoerg(const QString& caption, const QString& spoergsmaal, int billede, const QStringList& mapper,
                             const QStringList& filer, const QString& destination)
{
    setWindowTitle(caption);
    LabelSpm->setText(spoergsmaal);
    Image1->setProperty("ikon", billede);
    Image1->setPixmap(style()->standardIcon(billede == 7 ? QStyle::SP_ArrowForward : QStyle::SP_DialogSaveButton).pixmap(32));
    mappeBox->clear();
    mappeBox->addItems(mapper);
    filBox->clear();
    filBox->addItems(filer);
    EditDest->setText(destination);
    aUdfold->setEnabled(width() < 1675);
    aSammenfold->setEnabled(width() >= 416);
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
    return modalseam::exec(*this) == QDialog::Accepted;
}

bool Tkopieringsform::skalElementerKopieres(const QString& aDestDir, bool flytEle, const QStringList& filelist,
                                            const QStringList& mappelist)
{
    return flytEle ? spoerg(QStringLiteral("Flytning af elementer"), QStringLiteral("Skal valgte elementer flyttes?"), 7,
                            mappelist, filelist, aDestDir)
                   : spoerg(QStringLiteral("Kopiering af elementer"), QStringLiteral("Skal valgte elementer kopieres?"), 2,
                            mappelist, filelist, aDestDir);
}

bool Tkopieringsform::skalElementerSlettes(const QStringList& Fliste, const QStringList& Mliste, bool tilPapirkurv)
{
    return spoerg(QStringLiteral("Sletning af elementer"), QStringLiteral("Skal udvalgte elementer slettes?"), 0, Mliste,
                  Fliste,
                  tilPapirkurv ? QStringLiteral("Papirkurv") : QStringLiteral("Ingen: Elementerne slettes permanent."));
}
