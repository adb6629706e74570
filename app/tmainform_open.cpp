// Opening and running files, consoles, the system's file manager, and the bars that show the
// current element and program.
#include "app/tmainform.h"

#include "app/errorinfo.h"
#include "app/tinfform.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/userfolders.h"
#include "tree/pathhelpers.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

platform::Shell& shell() { return platform::get<platform::Shell>(); }

// Runs a batch file in the terminal, then leaves the user in a shell there. The file's path is
// the script's $0, an argument of its own, so no name is ever read as shell code.
QStringList batchKommando(const QString& fil)
{
    return {QStringLiteral("sh"), QStringLiteral("-c"),
            QStringLiteral("if [ -x \"$0\" ]; then \"$0\"; else sh \"$0\"; fi; exec \"${SHELL:-/bin/sh}\""), fil};
}

bool erBatchfil(const QString& fil)
{
    const QString ext = filExt(fil);
    return sammeTekst(ext, QStringLiteral(".bat")) || sammeTekst(ext, QStringLiteral(".sh"));
}

}  // namespace

QWidget* Tmainform::byggeStiPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelSti"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(QStringLiteral("Aktuelle element"), panel));
    editSti = new QLineEdit(panel);
    editSti->setObjectName(QStringLiteral("EditSti"));
    editSti->setReadOnly(true);
    row->addWidget(editSti, 1);
    auto* infMappe = new QToolButton(panel);
    infMappe->setObjectName(QStringLiteral("infMappe"));
    row->addWidget(infMappe);
    return panel;
}

void Tmainform::byggeStatusbar()
{
    statusBar()->setObjectName(QStringLiteral("infobar"));
    infobarProgram = new QLabel(statusBar());
    infobarProgram->setObjectName(QStringLiteral("infobarProgram"));
    infobarProgram->setMinimumWidth(200);
    auto* mellem = new QLabel(statusBar());
    mellem->setFixedWidth(12);
    mellem->setFrameStyle(QFrame::Panel | QFrame::Raised);
    infobarBesked = new QLabel(statusBar());
    infobarBesked->setObjectName(QStringLiteral("infobarBesked"));
    statusBar()->addWidget(infobarProgram);
    statusBar()->addWidget(mellem);
    statusBar()->addWidget(infobarBesked, 1);
}

void Tmainform::byggeHandlinger()
{
    aGoBoks = new QAction(QStringLiteral("Kørkassen"), this);
    aGoBoks->setObjectName(QStringLiteral("aGoBoks"));
    aGoBoks->setToolTip(QStringLiteral("Åbner Kør-kassen"));
    aGoBoks->setShortcut(QKeySequence(Qt::META | Qt::Key_R));
    connect(aGoBoks, &QAction::triggered, this, &Tmainform::aGoBoksExecute);
    aOpenStifinder = new QAction(this);
    aOpenStifinder->setObjectName(QStringLiteral("aOpenStifinder"));
    aOpenStifinder->setToolTip(QStringLiteral("Åben aktuelle mappe i Window Stifinder: Ctrl+Alt+S"));
    aOpenStifinder->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    connect(aOpenStifinder, &QAction::triggered, this, &Tmainform::aOpenStifinderExecute);
    addActions({aGoBoks, aOpenStifinder});
    findChild<QToolButton*>(QStringLiteral("infMappe"))->setDefaultAction(aOpenStifinder);

    QWidget* dosSide = funkBog->widget(2);
    auto* knapper = new QVBoxLayout(dosSide);
    const auto knap = [&](const char* name, const QString& tekst, const QString& hint) {
        auto* button = new QPushButton(tekst, dosSide);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        knapper->addWidget(button, 0, Qt::AlignLeft);
        return button;
    };
    connect(knap("dosKnap", QStringLiteral("Konsol"), QStringLiteral("Åben en dos-konsol")), &QPushButton::clicked,
            this, &Tmainform::dosKnapClick);
    connect(knap("SpeedButton81", QStringLiteral("PowerShell"), QStringLiteral("Åben en PowerShell-konsol")),
            &QPushButton::clicked, this, &Tmainform::SpeedButton81Click);
    auto* gobox = knap("goboxButton", aGoBoks->text(), aGoBoks->toolTip());
    connect(gobox, &QPushButton::clicked, aGoBoks, &QAction::trigger);
    knapper->addStretch();
}

void Tmainform::InfoProg(const QString& S)
{
    QFont font = infobarProgram->font();
    font.setPointSize(9);
    infobarProgram->setFont(font);
    infobarProgram->setText(S);
    infobarProgram->setFixedWidth(QFontMetrics(font).horizontalAdvance(S) + 8);
}

void Tmainform::UdskrivInfo(const QString& S) { infobarBesked->setText(S); }

QString Tmainform::statusTekst() const { return infobarBesked->text(); }

void Tmainform::ErrorInfo(int Nr) { info->sig(errorTekst(Nr) + u'\n'); }

void Tmainform::rapporter(int resultat)
{
    if (resultat <= 32)
        ErrorInfo(resultat);
}

void Tmainform::runFilname(const QString& aFilename, int fileRunNumber)
{
    const QFileInfo fil(aFilename);
    if (!fil.isFile())
        return;
    if (fileRunNumber != 0)
        rapporter(shell().edit(aFilename));
    else if (erBatchfil(aFilename))
        rapporter(shell().console(fil.absolutePath(), batchKommando(fil.absoluteFilePath())));
    else
        rapporter(shell().open(aFilename, {}, fil.absolutePath()));
}

void Tmainform::OpenFilen(const QString& aFilnavn, bool forRedigering)
{
    rapporter(forRedigering ? shell().edit(aFilnavn) : shell().open(aFilnavn, {}, QFileInfo(aFilnavn).absolutePath()));
}

void Tmainform::OpenFilMedProgram(const QString& aProgram, const QString& aFilnavn)
{
    rapporter(shell().open(aProgram, platform::splitParameterText(aFilnavn), QString()));
}

void Tmainform::OpenTheEle()
{
    const QString sti = editSti->text();
    OpenFilMedProgram(opt.exeProgram, sti.isEmpty() ? QString() : platform::quoteArgument(sti));
}

void Tmainform::MenuExeParam(const QString& aProgram, const QString& aCaption)
{
    opt.exeProgram = aProgram;
    InfoProg(aCaption);
    OpenTheEle();
}

void Tmainform::dosKnapClick()
{
    const QString sti = editSti->text();
    QString folder = QFileInfo(sti).isDir() ? sti : QFileInfo(sti).absolutePath();
    if (sti.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStringLiteral("/");
    rapporter(shell().console(folder, {}));
}

void Tmainform::SpeedButton81Click()
{
    const QString pwsh = QStandardPaths::findExecutable(QStringLiteral("pwsh"));
    if (pwsh.isEmpty()) {
        ErrorInfo(platform::shellFilIkkeFundet);
        return;
    }
    rapporter(shell().console(platform::get<platform::UserFolders>().path(platform::UserFolder::Home),
                              {pwsh, QStringLiteral("-NoExit")}));
}

void Tmainform::aGoBoksExecute()
{
    // The desktops of this system open their run box with Alt+F2.
    info->sig(QStringLiteral("Tryk Alt+F2 for at åbne kør-kassen."));
}

void Tmainform::aOpenStifinderExecute()
{
    QString sti = editSti->text();
    if (QFileInfo(sti).isFile())
        sti = QFileInfo(sti).absolutePath();
    if (!sti.isEmpty() && QFileInfo(sti).isDir())
        shell().open(sti, {}, QString());
    else
        UdskrivInfo(QStringLiteral("Mappen blev ikke fundet."));
}
