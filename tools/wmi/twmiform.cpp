#include "tools/wmi/twmiform.h"

#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "boxes/tinfform.h"
#include "core/pathhelpers.h"
#include "core/soegeadresse.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "tools/applets/twaform.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <utility>
#include <QVBoxLayout>
#include <exception>

namespace {

constexpr int eksternBredde = 570;
constexpr int eksternHoejde = 576;
constexpr int ventetid = 1000;      // ms between the looks for the written script and its output
constexpr int outputForsoegMax = 60;  // looks for the output before the script counts as failed
const QString vaelgKlasse = QStringLiteral("Vælg en wmi class");

QLabel* fedLabel(const QString& tekst, QWidget* parent)
{
    auto* label = new QLabel(tekst, parent);
    QFont fed = label->font();
    fed.setBold(true);
    label->setFont(fed);
    return label;
}

}  // namespace

TwmiForm::TwmiForm(Tmainform& main, bool internt)
    : QWidget(&main), showInternt(internt), optFilnavn(main.folders.OptMappe + QStringLiteral("WMI.txt")),
      wmidir(main.folders.programmappe + QStringLiteral("/Programfiler")), wmiFile(wmidir + QStringLiteral("/_wmiClasses.wsf")),
      udskrivFile(wmidir + QStringLiteral("/_udskrivKode.wsf")), udskrivFileHTML(wmidir + QStringLiteral("/_udskrivKodeHTML.wsf")),
      wmiMappe(main.folders.BrugerMappe + QStringLiteral("/WMI")), classFile(wmiMappe + QStringLiteral("/classes.txt")), main(main),
      regler(new Handlingsregler(this))
{
    setWindowTitle(QStringLiteral("WMI"));
    QDir().mkpath(wmiMappe);
    wmiTimer = new QTimer(this);
    wmiTimer->setObjectName(QStringLiteral("wmiTimer"));
    wmiTimer->setInterval(ventetid);
    connect(wmiTimer, &QTimer::timeout, this, &TwmiForm::wmiTimerTimer);
    // The class list written by the script makes "Indlæs classes" possible when it appears.
    vagt = new QFileSystemWatcher(this);
    vagt->addPath(wmiMappe);
    connect(vagt, &QFileSystemWatcher::directoryChanged, regler, &Handlingsregler::opdaterSenere);

    auto* layout = new QVBoxLayout(this);
    auto* dele = new QHBoxLayout;
    dele->addWidget(byggeVenstre());
    dele->addWidget(byggeHoejre(), 1);
    layout->addLayout(dele, 1);
    layout->addLayout(vaerktoejsBund(main, this, showInternt, QStringLiteral("WMI.html"), "SpeedButton2"));
    if (!showInternt) {
        panelRight->hide();
        setWindowFlag(Qt::Dialog);
        setFixedSize(eksternBredde, eksternHoejde);
    }
    regler->opdaterSenere();
}

QWidget* TwmiForm::byggeVenstre()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panelLeft"));
    panel->setFixedWidth(eksternBredde - 30);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fedLabel(QStringLiteral("WMI"), panel));
    layout->addWidget(new QLabel(QStringLiteral("root\\cimv2"), panel));
    auto* guide = new QLabel(QStringLiteral("1. Indlæs WMI klasser  2. Vælg klasse  3. Skriv scriptet eller Skriv HTML 4. Se output"), panel);
    guide->setWordWrap(true);
    layout->addWidget(guide);

    wmiBox = new QComboBox(panel);
    wmiBox->setObjectName(QStringLiteral("wmiBox"));
    wmiBox->setEditable(false);
    connect(wmiBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        // A class goes into the search field; the line asking for one does not.
        if (index > 0)
            findEdit->setText(wmiBox->itemText(index));
        regler->opdaterSenere();
    });
    layout->addWidget(wmiBox);

    const auto klasseValgt = [this] { return wmiBox->currentIndex() > 0; };
    QAction* handlinger[] = {
        regler->handling("AloadListe", QStringLiteral("Hent classes"),
                         QStringLiteral("Hent (opdater) systemets wmi classes til namespace root/CIMV2. Dette kan tage lidt tid!"),
                         [this] { AloadListeExecute(); }, [this] { return !namespaceDone; }),
        regler->handling("Awmi", QStringLiteral("Indlæs classes"), QStringLiteral("Indlæs classes til Namespace: root\\CIMV2 "),
                         [this] { AwmiExecute(); }, [this] { return QFileInfo(classFile).isFile() && !wmiDone; }),
        regler->handling("AmakeFile", QStringLiteral("Skriv scriptet"), QStringLiteral("Skriver scriptet og åbner det"),
                         [this] { AmakeFileExecute(false); },
                         [this, klasseValgt] { return klasseValgt() && QFileInfo(udskrivFile).isFile(); }),
        regler->handling("AmakeFileHTML", QStringLiteral("Skriv HTML"),
                         QStringLiteral("Skriver scriptet og åbner det. Når det køres er output en html fil"),
                         [this] { AmakeFileExecute(true); },
                         [this, klasseValgt] { return klasseValgt() && QFileInfo(udskrivFileHTML).isFile(); }),
    };
    auto* knapper = new QGridLayout;
    for (int i = 0; i < 4; ++i)
        knapper->addWidget(knapFor(handlinger[i], panel), i / 2, i % 2);
    layout->addLayout(knapper);

    layout->addWidget(new QLabel(QStringLiteral("Søge tekst"), panel));
    auto* soeg = new QHBoxLayout;
    findEdit = new QLineEdit(panel);
    findEdit->setObjectName(QStringLiteral("findEdit"));
    findEdit->setToolTip(QStringLiteral("Søgefelt"));
    soeg->addWidget(findEdit, 1);
    QPushButton* googleUrlen = tekstknap("googleUrlen", QStringLiteral("Søg"), QStringLiteral("Indfør søgetekst og søg på Google"), panel);
    connect(googleUrlen, &QPushButton::clicked, this, &TwmiForm::googleUrlenExecute);
    soeg->addWidget(googleUrlen);
    layout->addLayout(soeg);

    auto* vaerktoejer = new QHBoxLayout;
    QPushButton* winApp17 = tekstknap("winApp17", QStringLiteral("System oplysninger"),
                                      QStringLiteral("Åbner en oversigt med oplysninger om systemets elementer"), panel);
    connect(winApp17, &QPushButton::clicked, this, [this] { runApplets(this->main, QStringLiteral("systemoplysninger.vbs")); });
    QPushButton* winApp6 = tekstknap("winApp6", QStringLiteral("Enhedshåndtering"),
                                     QStringLiteral("Viser en liste over enheder i computeren eller forbundet hermed"), panel);
    connect(winApp6, &QPushButton::clicked, this, [this] { runApplets(this->main, QStringLiteral("enhedshåndtering.vbs")); });
    vaerktoejer->addWidget(winApp17);
    vaerktoejer->addWidget(winApp6);
    vaerktoejer->addStretch();
    layout->addLayout(vaerktoejer);
    layout->addStretch();
    return panel;
}

QWidget* TwmiForm::byggeHoejre()
{
    panelRight = new QWidget(this);
    panelRight->setObjectName(QStringLiteral("panelRight"));
    auto* layout = new QVBoxLayout(panelRight);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fedLabel(QStringLiteral("Information"), panelRight));
    auto* Browser = new QTextBrowser(panelRight);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    const QString side = main.folders.infoDir + QStringLiteral("WMI2.html");
    if (QFileInfo(side).isFile())
        Browser->setSource(QUrl::fromLocalFile(side));
    layout->addWidget(Browser, 1);
    return panelRight;
}

void TwmiForm::ukendtFejl() { main.infform()->sig(QStringLiteral("Der opstod en ukendt fejl.")); }

bool TwmiForm::goScript(const QString& file, const QStringList& arguments, const QString& folder)
{
    const QString ext = filExt(file);
    if (sammeTekst(ext, QStringLiteral(".bat")) || sammeTekst(ext, QStringLiteral(".sh"))) {
        main.runFilname(file, 0);
        return true;
    }
    const int resultat = platform::get<platform::Shell>().open(file, arguments, folder);
    if (resultat <= 32) {
        main.ErrorInfo(resultat);
        return false;
    }
    return true;
}

void TwmiForm::AloadListeExecute()
{
    if (!QFileInfo(wmiFile).isFile())
        return;
    try {
        wmiBox->clear();
        if (QFileInfo::exists(classFile))
            QFile::remove(classFile);
        QDir().mkpath(wmiMappe);
        // The script writes "classes.txt" in its working folder, the user's own.
        goScript(wmiFile, {}, wmiMappe);
        wmiDone = false;
        namespaceDone = true;
    } catch (const std::exception&) {
        ukendtFejl();
    }
    regler->opdaterSenere();
}

void TwmiForm::AwmiExecute()
{
    if (!QFileInfo(classFile).isFile())
        return;
    const std::optional<QStringList> linjer = platform::readTextLines(classFile);
    if (!linjer) {
        ukendtFejl();
        return;
    }
    QStringList klasser = *linjer;
    if (!klasser.isEmpty() && klasser.last().isEmpty())
        klasser.removeLast();
    wmiBox->clear();
    wmiBox->addItem(vaelgKlasse);
    wmiBox->addItems(klasser);
    wmiBox->setCurrentIndex(0);
    wmiDone = true;
    regler->opdaterSenere();
}

void TwmiForm::AmakeFileExecute(bool html)
{
    if (!QFileInfo(wmiMappe).isDir() || wmiBox->currentIndex() <= 0)
        return;
    try {
        const QString klasse = wmiBox->currentText();
        wmiTimer->stop();
        vbsFile = wmiMappe + u'/' + klasse + (html ? QStringLiteral("_Html.vbs") : QStringLiteral(".vbs"));
        outputFil = wmiMappe + u'/' + klasse + (html ? QStringLiteral(".html") : QStringLiteral(".txt"));
        for (const QString& gammel : {vbsFile, outputFil})
            QFile::remove(gammel);
        // The class name is the script's one argument; the script refuses a name that is no class.
        if (goScript(html ? udskrivFileHTML : udskrivFile, {klasse}, wmiMappe)) {
            wmiTimer->start();
        } else {
            vbsFile.clear();
            outputFil.clear();
        }
    } catch (const std::exception&) {
        ukendtFejl();
    }
}

void TwmiForm::wmiTimerTimer()
{
    if (!vbsFile.isEmpty()) {
        if (!QFileInfo::exists(vbsFile))
            return;
        const QString fil = std::exchange(vbsFile, QString());
        outputForsoeg = 0;
        // ExecuteFile: a name without extension is not opened.
        const int resultat = filExt(fil).isEmpty() ? platform::shellStartet
                                                   : platform::get<platform::Shell>().open(fil, {}, wmiMappe);
        if (resultat <= 32) {
            main.ErrorInfo(resultat);
            outputFil.clear();
        }
        if (!outputFil.isEmpty())
            return;  // the timer goes on, now for the script's output
    }
    if (!outputFil.isEmpty() && !QFileInfo::exists(outputFil) && ++outputForsoeg < outputForsoegMax)
        return;
    wmiTimer->stop();
    const QString output = std::exchange(outputFil, QString());
    // An explorer shows the folder, the one brought forward or a new one, with the output in it.
    main.visKalMappe(wmiMappe);
    if (output.isEmpty())
        return;
    if (!QFileInfo::exists(output)) {
        main.infform()->sig(QStringLiteral("Scriptet skrev ikke sit output:\n") + output);
        return;
    }
    main.selectFromGal(output, false);
}

void TwmiForm::googleUrlenExecute()
{
    // The text exactly as typed, percent-encoded as UTF-8.
    const int resultat = platform::get<platform::Shell>().openUri(soegeadresse(Soegetjeneste::Google, findEdit->text()));
    if (resultat <= 32)
        main.ErrorInfo(resultat);
}

void TwmiForm::closeEvent(QCloseEvent* event)
{
    // Nothing runs after the window has gone.
    wmiTimer->stop();
    vbsFile.clear();
    outputFil.clear();
    QWidget::closeEvent(event);
}

void TwmiForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A window of its own takes the hint setting when activated; a child window gets it from the frame.
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
        main.anvendHints(this);
}

void registrerWmi(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("aWmi"), [&main] { return new TwmiForm(main, main.opt.openWmi == 0); },
                            {QStringLiteral("WMI.txt"), TwmiForm::placering});
}
