// The program list: the submenu "Programmer", the left panel's page of programs, and running the
// current program with the selection.
#include "app/elementvinduer.h"
#include "app/handlingsregler.h"
#include "app/indstillingsbinder.h"
#include "app/tmainform.h"
#include "app/tmenuexefiler.h"
#include "boxes/tinfform.h"
#include "platform/shell.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

QWidget* Tmainform::byggeProgramside(QWidget* parent)
{
    auto* side = new QWidget(parent);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    programBox = new QListWidget(side);
    programBox->setObjectName(QStringLiteral("programBox"));
    programBox->setToolTip(QStringLiteral("Klik på program for at gøre det til aktive program"));
    programBox->setWordWrap(true);
    layout->addWidget(programBox, 1);
    programLabel = new QLabel(QStringLiteral("Valgt program"), side);
    programLabel->setObjectName(QStringLiteral("programLabel"));
    programLabel->setToolTip(QStringLiteral("Aktive program"));
    layout->addWidget(programLabel);
    auto* knapper = new QHBoxLayout;
    for (const char* navn : {"progOpen2Knap", "ProgInsert2Knap"}) {
        auto* knap = new QToolButton(side);
        knap->setObjectName(QLatin1String(navn));
        knapper->addWidget(knap);
    }
    knapper->addStretch();
    layout->addLayout(knapper);
    layout->addWidget(binder->valgGruppe("visProgrammer", QStringLiteral("Visningstyper"),
                                         {QStringLiteral("Opstil som liste"), QStringLiteral("Opstil flydende")},
                                         &MainSettings::visProgrammer, [this] { visProgramBox(); }, side));
    connect(programBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { programBoxClick(programBox->row(item)); });
    connect(programBox, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { programBoxDblClick(programBox->row(item)); });
    return side;
}

void Tmainform::byggeProgramliste()
{
    QAction* aabn = handling("progOpen2", QStringLiteral("Program"),
                             QStringLiteral("Åben valgte program eventuelt med valgt/valgte fil/filer"), {},
                             [this] { OpenTheEle(); });
    QAction* indfoer = handling("ProgInsert2", QStringLiteral("Indfør"), QStringLiteral("Indfør eller rediger programmer"), {},
                                [this] { handlinger.value("progInsert")->trigger(); });
    findChild<QToolButton*>(QStringLiteral("progOpen2Knap"))->setDefaultAction(aabn);
    findChild<QToolButton*>(QStringLiteral("ProgInsert2Knap"))->setDefaultAction(indfoer);
    regler->tilfoej(aabn, [this] { return !opt.exeProgram.isEmpty(); });

    MenuExe = new TMenuExeFiler(this);
    MenuExe->Itemfile = folders.OptMappe + QStringLiteral("ProgItem.txt");
    MenuExe->MainItem = PuProgrammer->actions().constLast();
    // The three slots below the programs' icons.
    MenuExe->IconList = {style()->standardIcon(QStyle::SP_ComputerIcon), style()->standardIcon(QStyle::SP_DesktopIcon),
                         style()->standardIcon(QStyle::SP_FileIcon)};
    MenuExe->OnKlik = [this](QAction* item, const QString& caption, bool fundet) { MenuExeKlik(item, caption, fundet); };
    MenuExe->OnParam = [this](const QString& program, const QString& caption) { MenuExeParam(program, caption); };
    programlistefejl = MenuExe->HentProgrammer();
    MenuExe->setAktuelleProgram(opt.exeProgram);
    InfoProg(MenuExe->getAktuelleCaption());
    visProgramBox();
}

void Tmainform::loadProgramBox()
{
    programBox->clear();
    for (int i = 0; i < MenuExe->Filantal(); ++i)
        programBox->addItem(new QListWidgetItem(MenuExe->ikon(i), MenuExe->GetCaption(i)));
}

void Tmainform::visProgramBox()
{
    if (opt.visProgrammer == 0) {
        programBox->setViewMode(QListView::ListMode);
        programBox->setFlow(QListView::LeftToRight);
        programBox->setWrapping(true);
        programBox->setGridSize(QSize(130, 36));
        programBox->setIconSize(QSize(16, 16));
    } else {
        programBox->setViewMode(QListView::IconMode);
        programBox->setGridSize(QSize());
        programBox->setIconSize(QSize(32, 32));
    }
    programBox->setResizeMode(QListView::Adjust);
    programBox->setMovement(QListView::Static);
    // Items laid out before the mode changed do not follow it: the list is filled again.
    if (MenuExe)
        loadProgramBox();
}

void Tmainform::programBoxClick(int nr)
{
    if (nr < 0)
        return;
    MenuExe->setAktuelleProgram(MenuExe->GetFilnavn(nr));
    opt.exeProgram = MenuExe->GetFilnavn(nr);
    InfoProg(MenuExe->getAktuelleCaption());
    regler->opdaterSenere();
}

void Tmainform::programBoxDblClick(int nr)
{
    if (nr < 0)
        return;
    opt.exeProgram = MenuExe->GetFilnavn(nr);
    OpenTheEle();
}

void Tmainform::MenuExeKlik(QAction* item, const QString& caption, bool fundet)
{
    if (!fundet)
        info->sig(caption + QStringLiteral(" blev ikke fundet.\rDet vil blive slettet fra listen."));
    else if (!item)
        loadProgramBox();
}

QString Tmainform::parameterTekst()
{
    if (auto* explorer = dynamic_cast<StifinderVindue*>(aktivtElement()))
        return explorer->strukturCompo().makeParamString();
    const QString sti = editSti->text();
    return sti.isEmpty() ? QString() : platform::quoteArgument(sti);
}

void Tmainform::visProgramside() { visSide(1, 0, QString()); }
