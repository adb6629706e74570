#include "tools/applets/twaform.h"

#include "app/kontroller.h"
#include "app/tmainform.h"
#include "app/vaerktoejsbund.h"
#include "boxes/tinfform.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int tjekGraense = 3000;    // ms the script may take to say whether it can open its page
constexpr int skrivGraense = 30000;  // ms the script may take to write a page of the program's own
constexpr int mindsteBredde = 940;

}  // namespace

void runApplets(Tmainform& main, const QString& name)
{
    const QString sti = main.folders.appletsDir + name;
    if (!QFileInfo(sti).isFile()) {
        main.ErrorInfo(platform::shellFilIkkeFundet);
        return;
    }
    // The script tells first whether anything here can open its page; it is run directly, its
    // path one argument, no shell in between.
    QProcess tjek;
    tjek.setProgram(sti);
    tjek.setArguments({QStringLiteral("--tjek")});
    tjek.setProcessChannelMode(QProcess::SeparateChannels);
    tjek.start();
    // A script that cannot be run (no longer executable) is never handed on: opened, it would
    // show its text in an editor instead of its page.
    if (!tjek.waitForStarted(tjekGraense)) {
        main.ErrorInfo(platform::shellAdgangNaegtet);
        return;
    }
    if (!tjek.waitForFinished(tjekGraense)) {
        tjek.kill();
        tjek.waitForFinished(1000);
        main.infform()->sig(QStringLiteral("Siden kunne ikke åbnes: \"%1\" svarede ikke.").arg(name));
        return;
    }
    const QString svar = QString::fromUtf8(tjek.readAllStandardOutput()).trimmed();
    if (tjek.exitStatus() != QProcess::NormalExit || tjek.exitCode() != 0) {
        main.infform()->sig(svar.isEmpty() ? QStringLiteral("Der er intet program på denne computer, der kan åbne siden.")
                                           : svar);
        return;
    }
    // A page of the program's own (the system's facts): the script writes it and names it, and
    // the program shows it, in the browser or in its information window.
    if (svar == QStringLiteral("side")) {
        QProcess skriv;
        skriv.start(sti, {QStringLiteral("--skriv")});
        const bool skrevet = skriv.waitForFinished(skrivGraense) && skriv.exitStatus() == QProcess::NormalExit
            && skriv.exitCode() == 0;
        const QString side = QString::fromUtf8(skriv.readAllStandardOutput()).trimmed();
        if (!skrevet || !QFileInfo(side).isFile()) {
            skriv.kill();
            main.infform()->sig(QStringLiteral("Siden \"%1\" kunne ikke skrives.").arg(name));
            return;
        }
        main.visHtmlSide(side);
        return;
    }
    const int resultat = platform::get<platform::Shell>().open(sti, {}, QString());
    if (resultat <= 32)
        main.ErrorInfo(resultat);
}

const QList<QList<TwaForm::Applet>>& TwaForm::grupper()
{
    static const QList<QList<Applet>> alle = {
        {{"winApp9", "Kontrolpanel", "Åbner kontrolpanelet med adgang til forskellige computerindstillinger", "kontrolpanel.vbs"},
         {"winApp20", "Windows firewall", "Åbner kontrolpanelets side der angår Windows firewall", "windows_firewall.vbs"},
         {"winApp4", "Brugerkonti", "Åbner kontrolpanelets side Brugerkonti/Brugerkonti", "bruger_konti.vbs"},
         {"winApp12", "Netværks forbindelser", "Fører til Kontrolpanel/Netværk og internet/Netværksforbindelser",
          "net_forbindelser.vbs"}},
        {{"winApp1", "Sikkerhed", "Åbner kontrolpanelets side der angår sikkerhed og vedligeholdelse", "actioncenter.vbs"},
         {"winApp2", "Programmer", "Åbner kontrolpanelets side Programmer/Fjern et program", "add_remove_programmer.vbs"},
         {"winApp19", "Skærmopløsning", "Fører til Kontrolpanel/Udseende og personlige indstillinger/Skærm/Skærmopløsning",
          "vis_egenskaber.vbs"},
         {"winApp14", "Strømstyring", "Fører til Kontrolpanel/Hardware og lyd/Strømstyring", "power_options.vbs"},
         {"winApp8", "Internet indstillinger", "Åbner en dialogboks med indstillinger for internettet", "internet_egenskaber.vbs"}},
        {{"winApp5", "Dato og klokken", "Åbner boks med mulighed for at indstille dato og klokkeslet", "dato_tid.vbs"},
         {"winApp15", "Område", "Åbner en boks med mulighed for at bestemme sprog, dato og klokkesletsformater",
          "region_sprog-info.vbs"},
         {"winApp13", "ODBC", "Åbner ODBC datakildeadministrator boksen", "ODBC.vbs"},
         {"winApp18", "Telefon og modem", "Åbner boksen Telefon og modem", "telefon_modem.vbs"},
         {"winApp10", "Lyd", "Åbner en boks angående afspilning, optagelse, lyde samt kommunikation", "lyd.vbs"}},
        {{"winApp22", "Spilleenheder", "Fører til boksen Spilleenheder", "game_controllers.vbs"},
         {"winApp6", "Enhedshåndtering", "Viser en liste over enheder i computeren eller forbundet hermed", "enhedshåndtering.vbs"},
         {"winApp11", "Egenskaber for mus", "Åbner boks hvor der kan bestemmes egenskaber for mus", "mus_egenskaber.vbs"},
         {"winApp7", "Skrifttyper", "Fører til Kontrolpanel/Udseende og personlige indstillinger/Skrifttyper", "fonts.vbs"}},
        {{"winApp17", "System oplysninger", "Åbner en oversigt med oplysninger om systemets elementer", "systemoplysninger.vbs"},
         {"winApp16", "Egenskaber for system", "Åbner en dialogboks med egenskaber for system", "system_egenskaber.vbs"}},
    };
    return alle;
}

TwaForm::TwaForm(Tmainform& main) : QWidget(&main), main(main)
{
    setWindowTitle(QStringLiteral("Window Applets"));
    setMinimumWidth(mindsteBredde);
    auto* layout = new QVBoxLayout(this);
    auto* overskrift = new QLabel(QStringLiteral("Nemadgang til forskellige Windows elementer"), this);
    QFont fed = overskrift->font();
    fed.setBold(true);
    overskrift->setFont(fed);
    layout->addWidget(overskrift);

    auto* dele = new QHBoxLayout;
    // The groups in two columns, the first three groups in the first.
    auto* knapper = new QGridLayout;
    int nr = 0;
    for (const QList<Applet>& gruppe : grupper()) {
        auto* boks = new QGroupBox(this);
        auto* raekke = new QVBoxLayout(boks);
        for (const Applet& applet : gruppe) {
            QPushButton* knap = tekstknap(applet.knap, QString::fromUtf8(applet.tekst), QString::fromUtf8(applet.hint), boks);
            const QString script = QString::fromUtf8(applet.script);
            connect(knap, &QPushButton::clicked, this, [this, script] { runApplets(this->main, script); });
            raekke->addWidget(knap);
        }
        raekke->addStretch();
        knapper->addWidget(boks, nr < 3 ? nr : nr - 3, nr < 3 ? 0 : 1);
        ++nr;
    }
    knapper->setRowStretch(3, 1);
    dele->addLayout(knapper);

    auto* Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    const QString side = main.folders.infoDir + QStringLiteral("Applets2.html");
    if (QFileInfo(side).isFile())
        Browser->setSource(QUrl::fromLocalFile(side));
    dele->addWidget(Browser, 1);
    layout->addLayout(dele, 1);
    layout->addLayout(vaerktoejsBund(main, this, true, QStringLiteral("Applets.html")));
}

void registrerApplets(Tmainform& main)
{
    main.registrerVaerktoej(QStringLiteral("winApp"), [&main] { return new TwaForm(main); });
}
