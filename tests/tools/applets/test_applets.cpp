#include "app/errorinfo.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "platform/registry.h"
#include "tests/common/optagendeshell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/applets/twaform.h"
#include "tools/information/informationssider.h"

#include <QAction>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

// The window "Window Applets" in the running program: each button starts its own script once a
// click, after the script's check; a missing script and a page nothing here can open give their
// messages and start nothing.
class AppletsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void window();
    void eachButtonStartsItsScript_data();
    void eachButtonStartsItsScript();
    void missingScriptAndFailedCheck_data();
    void missingScriptAndFailedCheck();
    void ownPageShowsInBrowserOrInformationWindow_data();
    void ownPageShowsInBrowserOrInformationWindow();

private:
    Tmainform& main() { return entry->mainform(); }
    TwaForm* aabn();
    // Puts a script of its own in place of the installed one.
    void script(const QString& navn, const QByteArray& indhold);

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QList<OptagendeShell::Kald> kald;
};

void AppletsTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    kald.clear();
    platform::install<platform::Shell>(std::make_unique<OptagendeShell>(&kald));
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    registrerApplets(entry->mainform());
    registrerInformation(entry->mainform());
    entry->mainform().opt.TryedBefore = true;
    entry->start();
    entry->mainform().FormActivate();
}

void AppletsTest::cleanup()
{
    entry.reset();
    platform::install<platform::Shell>(nullptr);
    boxes.reset();
    home.reset();
}

TwaForm* AppletsTest::aabn()
{
    main().hovedhandling("winApp")->trigger();
    return main().findChild<TwaForm*>();
}

void AppletsTest::script(const QString& navn, const QByteArray& indhold)
{
    const QString sti = main().folders.appletsDir + navn;
    QFile::remove(sti);
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(indhold);
    f.close();
    QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void AppletsTest::window()
{
    TwaForm* form = aabn();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Window Applets"));
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    QVERIFY(sub && sub->isMaximized());
    QVERIFY(form->minimumWidth() >= 940);
    QCOMPARE(form->findChild<QTextBrowser*>("Browser")->source().fileName(), QStringLiteral("Applets2.html"));
    // Five groups of buttons, twenty in all, each installed script there.
    const auto grupper = form->findChildren<QGroupBox*>();
    QCOMPARE(grupper.size(), 5);
    int knapper = 0;
    for (QGroupBox* gruppe : grupper)
        knapper += int(gruppe->findChildren<QPushButton*>().size());
    QCOMPARE(knapper, 20);
    for (const auto& gruppe : TwaForm::grupper())
        for (const auto& applet : gruppe)
            QVERIFY2(QFileInfo(main().folders.appletsDir + QString::fromUtf8(applet.script)).isExecutable(), applet.script);
    form->findChild<QPushButton*>("ButtonLuk")->click();
    QTRY_VERIFY(!main().findChild<TwaForm*>());
}

void AppletsTest::eachButtonStartsItsScript_data()
{
    QTest::addColumn<QString>("knap");
    QTest::addColumn<QString>("script");
    for (const auto& gruppe : TwaForm::grupper())
        for (const auto& applet : gruppe)
            QTest::newRow(applet.knap) << QString::fromLatin1(applet.knap) << QString::fromUtf8(applet.script);
}

void AppletsTest::eachButtonStartsItsScript()
{
    QFETCH(QString, knap);
    QFETCH(QString, script);
    // A script that says it can open its page.
    this->script(script, "#!/bin/sh\nexit 0\n");
    TwaForm* form = aabn();
    auto* button = form->findChild<QPushButton*>(knap);
    QVERIFY(button);
    button->click();
    button->click();
    QCOMPARE(kald.size(), 2);
    for (const auto& k : kald) {
        QCOMPARE(k.verb, QStringLiteral("open"));
        QCOMPARE(k.sti, main().folders.appletsDir + script);
        QVERIFY(k.argumenter.isEmpty());
    }
    QVERIFY(boxes->texts().isEmpty());
}

void AppletsTest::missingScriptAndFailedCheck_data()
{
    QTest::addColumn<QByteArray>("indhold");  // empty: no script; "-x": the installed one not executable
    QTest::addColumn<QString>("besked");
    QTest::newRow("missing") << QByteArray() << errorTekst(platform::shellFilIkkeFundet) + u'\n';
    QTest::newRow("not executable") << QByteArray("-x") << errorTekst(platform::shellAdgangNaegtet) + u'\n';
    QTest::newRow("nothing can open it")
        << QByteArray("#!/bin/sh\n[ \"$1\" = --tjek ] || touch \"$0.startet\"\n"
                      "echo 'Der er intet program på denne computer, der kan åbne lydindstillingerne. Installer fx pavucontrol.'\n"
                      "exit 1\n")
        << "Der er intet program på denne computer, der kan åbne lydindstillingerne. Installer fx pavucontrol.";
    QTest::newRow("check without a word") << QByteArray("#!/bin/sh\nexit 3\n")
                                          << "Der er intet program på denne computer, der kan åbne siden.";
    QTest::newRow("a check that hangs") << QByteArray("#!/bin/sh\nexec sleep 20\n")
                                        << "Siden kunne ikke åbnes: \"lyd.vbs\" svarede ikke.";
}

void AppletsTest::missingScriptAndFailedCheck()
{
    QFETCH(QByteArray, indhold);
    QFETCH(QString, besked);
    const QString lyd = main().folders.appletsDir + "lyd.vbs";
    if (indhold.isEmpty())
        QVERIFY(QFile::remove(lyd));
    else if (indhold == "-x")
        QVERIFY(QFile::setPermissions(lyd, QFile::ReadOwner | QFile::WriteOwner));
    else
        script("lyd.vbs", indhold);
    aabn()->findChild<QPushButton*>("winApp10")->click();
    QCOMPARE(boxes->texts(), QStringList{besked});
    QVERIFY(kald.isEmpty());
    QVERIFY(!QFile::exists(main().folders.appletsDir + "lyd.vbs.startet"));
}

void AppletsTest::ownPageShowsInBrowserOrInformationWindow_data()
{
    QTest::addColumn<int>("browser");  // what opening the page in the desktop's browser gives
    QTest::newRow("a browser") << int(platform::shellStartet);
    QTest::newRow("no browser") << int(platform::shellIngenTilknytning);
}

void AppletsTest::ownPageShowsInBrowserOrInformationWindow()
{
    // The page of the system's facts is written by the script and shown by the program.
    QFETCH(int, browser);
    static_cast<OptagendeShell&>(platform::get<platform::Shell>()).openSvar = browser;
    script("systemoplysninger.vbs", "#!/bin/sh\n[ \"$1\" = --tjek ] && { echo side; exit 0; }\n"
                                    "[ \"$1\" = --skriv ] || exit 1\n"
                                    "printf '<html><body>Systemets dele</body></html>' > \"$0.html\"\necho \"$0.html\"\n");
    aabn()->findChild<QPushButton*>("winApp17")->click();
    const QString side = main().folders.appletsDir + "systemoplysninger.vbs.html";
    QCOMPARE(kald.size(), 1);
    QCOMPARE(kald.first().sti, side);
    QVERIFY(boxes->texts().isEmpty());
    auto* vist = main().findChild<QTextBrowser*>("WebBrowser1");
    QCOMPARE(vist && vist->source() == QUrl::fromLocalFile(side), browser != platform::shellStartet);
}

QTEST_MAIN(AppletsTest)
#include "test_applets.moc"
