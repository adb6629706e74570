// Opening and running files, consoles, the system's file manager, and the bars that show the
// current element and program.
#include "app/elementvinduer.h"
#include "app/tmainform.h"

#include "app/errorinfo.h"
#include "boxes/tinfform.h"
#include "platform/notifications.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/userfolders.h"
#include "core/pathhelpers.h"

#include <QStyle>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>

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
    const auto knap = [&](const char* name, const QString& hint, QStyle::StandardPixmap ikon) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setIcon(style()->standardIcon(ikon));
        row->addWidget(button);
        return button;
    };
    connect(knap("klipbordStiKnap", QStringLiteral("Kopier aktuelle sti til klipbordet"), QStyle::SP_DirIcon),
            &QToolButton::clicked, this, [this] {
                const QString sti = editSti->text();
                QGuiApplication::clipboard()->setText(QFileInfo(sti).isFile() ? QFileInfo(sti).absolutePath() : sti);
                UdskrivInfo(QStringLiteral("Stien blev kopieret til klipbordet"));
            });
    connect(knap("klipbordStiFilKnap", QStringLiteral("Kopier aktuelle sti med filnavn til klipbordet"),
                 QStyle::SP_FileIcon),
            &QToolButton::clicked, this, [this] {
                const QString sti = editSti->text();
                if (!QFileInfo(sti).isFile()) {
                    UdskrivInfo(QStringLiteral("Der er ikke valgt et filnavn"));
                    return;
                }
                QGuiApplication::clipboard()->setText(sti);
                UdskrivInfo(QStringLiteral("Filnavnet blev kopieret til klipbordet"));
            });
    knap("SpeedButton25", QString(), QStyle::SP_ArrowLeft);
    knap("infMappe", QString(), QStyle::SP_DirOpenIcon);
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

void Tmainform::InfoProg(const QString& S)
{
    QFont font = infobarProgram->font();
    font.setPointSize(9);
    infobarProgram->setFont(font);
    infobarProgram->setText(S);
    infobarProgram->setFixedWidth(QFontMetrics(font).horizontalAdvance(S) + 8);
    if (programLabel)
        programLabel->setText(S.isEmpty() ? QStringLiteral("Valgt program") : S);
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
    // A link runs its target: a folder opens in an explorer window; a shortcut "<name>.lnk" runs its
    // target file, as the desktop knows no ".lnk" files; any other link to a file runs as itself,
    // keeping the name it was started by.
    if (fil.isSymLink()) {
        const QString maal = fil.canonicalFilePath();
        if (maal.isEmpty()) {
            info->sig(QStringLiteral("Genvejens mål blev ikke fundet."));
            return;
        }
        if (QFileInfo(maal).isDir()) {
            if (StifinderVindue* explorer = fremStifinder())
                explorer->gaaTilMappe(maal);
            return;
        }
        if (sammeTekst(filExt(aFilename), QStringLiteral(".lnk"))) {
            runFilname(maal, fileRunNumber);
            return;
        }
    }
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

void Tmainform::OpenTheEle() { OpenFilMedProgram(opt.exeProgram, parameterTekst()); }

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
        info->sig(QStringLiteral("PowerShell er ikke installeret (programmet pwsh blev ikke fundet)."));
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

bool Tmainform::makeInfo(const QString& overskrift, const QString& tekst)
{
    ++ncNumber;
    return platform::postNotification(QStringLiteral("qvm Mirvel %1").arg(ncNumber), overskrift, tekst, folders.lydFil);
}
