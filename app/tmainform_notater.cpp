// The page "Notater": plain-text notes in NotatMappe, one file per heading.
#include "app/elementvinduer.h"
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/linjetegner.h"
#include "app/tmainform.h"
#include "boxes/tinfform.h"
#include "core/beskeder.h"
#include "core/soegeadresse.h"
#include "core/tekstfilnavn.h"
#include "platform/textfile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

void Tmainform::byggeNotatside()
{
    QWidget* side = notatIndhold;
    auto* gitter = new QGridLayout(side);
    notatEdit = felt<QLineEdit>("notatEdit", QStringLiteral("Overskriften danner filnavnet"),
                                QStringLiteral("Indfør ny eller vælg eksisterende"), side);
    NotatLabel = new QLabel(side);
    NotatLabel->setObjectName(QStringLiteral("NotatLabel"));
    notatBox = new QListWidget(side);
    notatBox->setObjectName(QStringLiteral("notatBox"));
    notatBox->setItemDelegate(new Linjetegner(Linjetegner::Maerke::Firkant, notatBox->palette().color(QPalette::Highlight),
                                              19, notatBox));
    notatBox->setFixedHeight(150);
    notatMemo = new QPlainTextEdit(side);
    notatMemo->setObjectName(QStringLiteral("notatMemo"));
    notatMemo->setMinimumHeight(220);

    // The note's own pop-up menu, in Danish.
    notatMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(notatMemo, &QPlainTextEdit::customContextMenuRequested, this, [this](const QPoint& punkt) {
        QMenu menu(notatMemo);
        menu.setObjectName(QStringLiteral("notatMenu"));
        const bool markeret = notatMemo->textCursor().hasSelection();
        menu.addAction(QStringLiteral("Fortryd"), notatMemo, &QPlainTextEdit::undo)
            ->setEnabled(notatMemo->document()->isUndoAvailable());
        menu.addSeparator();
        menu.addAction(QStringLiteral("Klip"), notatMemo, &QPlainTextEdit::cut)->setEnabled(markeret);
        menu.addAction(QStringLiteral("Kopier"), notatMemo, &QPlainTextEdit::copy)->setEnabled(markeret);
        menu.addAction(QStringLiteral("Sæt ind"), notatMemo, &QPlainTextEdit::paste)->setEnabled(notatMemo->canPaste());
        menu.addAction(QStringLiteral("Slet"), notatMemo, [this] { notatMemo->textCursor().removeSelectedText(); })
            ->setEnabled(markeret);
        menu.addSeparator();
        menu.addAction(QStringLiteral("Marker alt"), notatMemo, &QPlainTextEdit::selectAll);
        menu.exec(notatMemo->mapToGlobal(punkt));
    });

    // Ctrl+G and Ctrl+H act on the notes where the focus is on this page, and on an explorer's
    // structure where the focus is in the explorer.
    QWidget* notatSide = Hovedbog->findChild<QWidget*>(QStringLiteral("notatSide"));
    const auto paaSiden = [this, notatSide](QAction* action) {
        removeAction(action);
        notatSide->addAction(action);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        return action;
    };
    QAction* aGemNotat = paaSiden(handling("aGemNotat", QStringLiteral("Gem"), QStringLiteral("Gem nuværende notat: Ctrl+G"),
                                           Qt::CTRL | Qt::Key_G, [this] { aGemNotatExecute(); }));
    QAction* aHentNotat = paaSiden(handling("aHentNotat", QStringLiteral("Hent"), QStringLiteral("Hent valgte notat: Ctrl+H"),
                                            Qt::CTRL | Qt::Key_H, [this] { aHentNotatExecute(); }));
    regler->tilfoej(aGemNotat, [this] {
        return (notatMemo->document()->isModified() || notatEdit->isModified()) && !notatEdit->text().isEmpty();
    });
    regler->tilfoej(aHentNotat, [this] { return notatBox->currentRow() >= 0; });
    connect(notatEdit, &QLineEdit::textEdited, this, [this] { nytNotatNavn = true; });
    connect(notatEdit, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    connect(notatMemo, &QPlainTextEdit::modificationChanged, regler, &Handlingsregler::opdaterSenere);
    connect(notatBox, &QListWidget::currentRowChanged, regler, &Handlingsregler::opdaterSenere);
    connect(notatBox, &QListWidget::itemDoubleClicked, this, [this] { aHentNotatExecute(); });

    const auto ikonknap = [side](const char* navn, const QString& hint, QStyle::StandardPixmap ikon) {
        QPushButton* knap = tekstknap(navn, QString(), hint, side);
        knap->setIcon(side->style()->standardIcon(ikon));
        return knap;
    };
    QPushButton* nytNotatButton = ikonknap("nytNotatButton", QStringLiteral("Opret nyt notat"), QStyle::SP_FileIcon);
    QPushButton* notatMappeVisKnap = ikonknap("notatMappeVisKnap", QStringLiteral("Vis notatmappe"), QStyle::SP_DirOpenIcon);
    QPushButton* opdaterNoterButton = ikonknap("opdaterNoterButton", QStringLiteral("Opdater listen"), QStyle::SP_BrowserReload);
    QPushButton* googleUrl2 = ikonknap("googleUrl2", QStringLiteral("Søg på Google"), QStyle::SP_DriveNetIcon);
    connect(nytNotatButton, &QPushButton::clicked, this, [this] { nytNotat(); });
    connect(notatMappeVisKnap, &QPushButton::clicked, this, [this] { visNotatmappe(); });
    connect(opdaterNoterButton, &QPushButton::clicked, this, [this] { loadNotater(); });
    connect(googleUrl2, &QPushButton::clicked, this, [this] { soegPaaNettet(Soegetjeneste::Google, notatEdit->text()); });

    gitter->addWidget(notatEdit, 0, 0, 1, 4);
    gitter->addWidget(NotatLabel, 1, 0, 1, 4);
    gitter->addWidget(notatBox, 2, 0, 1, 4);
    gitter->addWidget(knapFor(aGemNotat, side), 3, 0);
    gitter->addWidget(knapFor(aHentNotat, side), 3, 1);
    QPushButton* knapper[] = {nytNotatButton, notatMappeVisKnap, opdaterNoterButton, googleUrl2};
    auto* raekke = new QHBoxLayout;
    for (QPushButton* knap : knapper)
        raekke->addWidget(knap);
    gitter->addLayout(raekke, 4, 0, 1, 4);
    gitter->addWidget(notatMemo, 5, 0, 1, 4);
    gitter->setRowStretch(5, 1);
}

void Tmainform::loadNotater()
{
    notatBox->clear();
    notatEdit->clear();
    // A notes folder that could not be made was said at start: its list is empty.
    const QDir mappe(folders.NotatMappe);
    if (mappe.exists() && !mappe.isReadable()) {
        info->sig(QStringLiteral("Der opstod en fejl i forbindelse med indlæsningen af notatfiler."));
        return;
    }
    const QFileInfoList filer = mappe.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden,
                                                    QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& fil : filer)
        notatBox->addItem(tekstAfFilnavn(fil.completeBaseName()));
    NotatLabel->setText(QStringLiteral("Eksisterende notater: %1").arg(notatBox->count()));
}

bool Tmainform::notatKanForlades(const QString& spoergsmaal)
{
    return !notatMemo->document()->isModified() || beskeder()->spoerg(spoergsmaal, Beskeder::AlleCheck::Skjul).ja;
}

void Tmainform::aGemNotatExecute()
{
    const QString overskrift = notatEdit->text();
    const std::optional<QString> navn = tekstfilnavn(overskrift);
    if (!navn) {
        info->sig(QStringLiteral("Teksten kan ikke bruges som filnavn."));
        return;
    }
    const QString fil = folders.NotatMappe + *navn;
    const bool findes = QFileInfo::exists(fil);
    if (nytNotatNavn && findes
        && !beskeder()->spoerg(QStringLiteral("Filnavn:\n") + fil + QStringLiteral("\nSkal denne fil overskrives?"),
                               Beskeder::AlleCheck::Skjul).ja)
        return;
    if (!gemTekstfil(fil, notatMemo->toPlainText()))
        return;
    if (!findes) {
        notatBox->addItem(overskrift);
        NotatLabel->setText(QStringLiteral("Eksisterende notater: %1").arg(notatBox->count()));
    }
    notatMemo->document()->setModified(false);
    notatEdit->setModified(false);
    nytNotatNavn = false;
}

bool Tmainform::gemTekstfil(const QString& fil, const QString& tekst)
{
    if (platform::writeTextLines(fil, tekst.split(u'\n')))
        return true;
    info->sig(QStringLiteral("Filen kunne ikke gemmes:\n") + fil);
    return false;
}

void Tmainform::aHentNotatExecute()
{
    QListWidgetItem* valgt = notatBox->currentItem();
    if (!valgt || !notatKanForlades(QStringLiteral("Nuværende notat er ikke gemt.\nSkal der åbnes et nyt notat alligevel?")))
        return;
    const std::optional<QString> navn = tekstfilnavn(valgt->text());
    const std::optional<QStringList> linjer = navn ? platform::readTextLines(folders.NotatMappe + *navn) : std::nullopt;
    if (!linjer) {
        info->sig(QStringLiteral("Filen blev ikke fundet.\n"));
        return;
    }
    notatEdit->setText(valgt->text());
    notatMemo->setPlainText(linjer->join(u'\n'));
    notatEdit->setModified(false);
    notatMemo->document()->setModified(false);
    nytNotatNavn = false;
}

void Tmainform::nytNotat()
{
    if (!notatKanForlades(QStringLiteral("Nuværende notat er redigeret men ikke gemt.\nSkal der startes et nyt notat alligevel?")))
        return;
    notatEdit->clear();
    notatMemo->clear();
    notatEdit->setModified(false);
    notatMemo->document()->setModified(false);
    nytNotatNavn = false;
    notatEdit->setFocus();
}

void Tmainform::visNotatmappe()
{
    StifinderVindue* stifinder = aktivStifinder();
    if (!stifinder) {
        info->sig(QStringLiteral("Der skal være en Stifinder aktiv for denne funktion.\nAktiver en Stifinder og prøv igen!"));
        return;
    }
    const QListWidgetItem* valgt = notatBox->currentItem();
    const std::optional<QString> navn = valgt ? tekstfilnavn(valgt->text()) : std::nullopt;
    if (navn && QFileInfo(folders.NotatMappe + *navn).isFile())
        stifinder->gaaTilFil(folders.NotatMappe + *navn);
    else
        stifinder->gaaTilMappe(QDir::cleanPath(folders.NotatMappe));
}
