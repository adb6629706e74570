#include "app/errorinfo.h"
#include "app/handlingsregler.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "core/soegeadresse.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "tests/common/optagendeshell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

// The web searches of the page "Søg på nettet": the addresses they open, when their actions are
// enabled, and a real hand-over to the desktop's browser.
class SoegTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void adresser_data();
    void adresser();
    void regler_data();
    void regler();
    void valgetGaarTilSitFelt();
    void ingenBrowserNaevnesSomAarsagen();
    void rigtigBrowserFaarAdressen();

private:
    template <class T>
    T* felt(const char* navn) const { return entry->mainform().findChild<T*>(QLatin1String(navn)); }
    void opdater() const
    {
        entry->mainform().findChild<Handlingsregler*>(QString(), Qt::FindDirectChildrenOnly)->opdaterNu();
    }
    // Fills the fields and checks the radio button: "Find", "Memo" or "Tube".
    void udfyld(const QString& find, const QString& memo, const QString& tube, const QString& valgt) const;

    QString browserRecord() const { return desktop.filePath(QStringLiteral("record")); }

    QTemporaryDir desktop;
    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QList<OptagendeShell::Kald> kald;
    OptagendeShell* shell = nullptr;
};

void SoegTest::initTestCase()
{
    // A browser of the test's own, the default for https addresses, records its arguments. The
    // desktop's folders are read once per process: they are set before anything asks for them.
    QVERIFY(desktop.isValid());
    const QByteArray xdg = QFile::encodeName(desktop.path());
    const QByteArray to = QFile::encodeName(browserRecord());
    const auto skriv = [&](const QString& navn, const QByteArray& indhold) {
        QDir().mkpath(QFileInfo(desktop.filePath(navn)).absolutePath());
        QFile fil(desktop.filePath(navn));
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write(indhold);
    };
    skriv("browser.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + to + ".'$$ && mv '" + to
                            + ".'$$ '" + to + "'\n");
    QFile::setPermissions(desktop.filePath("browser.sh"), QFile::permissions(desktop.filePath("browser.sh")) | QFile::ExeOwner);
    skriv("data/applications/qvmbrowser.desktop",
          "[Desktop Entry]\nType=Application\nName=QVM browser\nExec=" + xdg + "/browser.sh %u\nMimeType=x-scheme-handler/https;\n");
    skriv("config/mimeapps.list", "[Default Applications]\nx-scheme-handler/https=qvmbrowser.desktop\n");
    qputenv("XDG_DATA_HOME", xdg + "/data");
    qputenv("XDG_CONFIG_HOME", xdg + "/config");
    qputenv("XDG_DATA_DIRS", xdg + "/data");
    QCOMPARE(platform::get<platform::Shell>().openUri(QStringLiteral("qvm-ingen-kender-mig:x")),
             int(platform::shellIngenTilknytning));
}

void SoegTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    kald.clear();
    auto fake = std::make_unique<OptagendeShell>(&kald);
    shell = fake.get();
    platform::install<platform::Shell>(std::move(fake));
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
}

void SoegTest::cleanup()
{
    entry.reset();
    platform::install<platform::Shell>(nullptr);
    boxes.reset();
    home.reset();
}

void SoegTest::udfyld(const QString& find, const QString& memo, const QString& tube, const QString& valgt) const
{
    felt<QLineEdit>("findEditX")->setText(find);
    felt<QPlainTextEdit>("findMemo")->setPlainText(memo);
    felt<QLineEdit>("tubeEdit")->setText(tube);
    felt<QRadioButton>(qPrintable(QStringLiteral("Check") + valgt))->setChecked(true);
    opdater();
}

void SoegTest::adresser_data()
{
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("valgt");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("tube");
    QTest::addColumn<QString>("adresse");
    const QString google = QStringLiteral("https://www.google.com/search?q=");
    const QString bing = QStringLiteral("https://www.bing.com/search?q=");
    const QString tube = QStringLiteral("https://www.youtube.com/results?search_query=");
    QTest::newRow("Google, C++ & C#") << "googleUrlen" << "Find" << "C++ & C#" << "" << ""
                                      << google + "C%2B%2B%20%26%20C%23";
    QTest::newRow("Bing, æøå") << "bingUrl" << "Find" << "æøå" << "" << "" << bing + "%C3%A6%C3%B8%C3%A5";
    QTest::newRow("YouTube, a#b?c=d") << "tubeUrl" << "Tube" << "" << "" << "a#b?c=d" << tube + "a%23b%3Fc%3Dd";
    QTest::newRow("Google, two lines of the box") << "googleUrlen" << "Memo" << "felt" << "linje 1\nlinje 2" << ""
                                                  << google + "linje%201%0Alinje%202";
    QTest::newRow("Bing, unreserved characters") << "bingUrl" << "Find" << "Az09-._~" << "" << "" << bing + "Az09-._~";
    QTest::newRow("Google, chosen field empty") << "googleUrlen" << "Find" << "" << "boks" << ""
                                                << google + "Der%20mangler%20et%20s%C3%B8geord";
}

void SoegTest::adresser()
{
    QFETCH(QString, handling);
    QFETCH(QString, valgt);
    QFETCH(QString, find);
    QFETCH(QString, memo);
    QFETCH(QString, tube);
    QFETCH(QString, adresse);
    udfyld(find, memo, tube, valgt);
    QAction* action = entry->mainform().hovedhandling(handling);
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(kald.size(), 1);
    QCOMPARE(kald[0].verb, QStringLiteral("uri"));
    QCOMPARE(kald[0].sti, adresse);
    QVERIFY(boxes->shown.isEmpty());
}

void SoegTest::regler_data()
{
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("tube");
    QTest::addColumn<QString>("valgt");
    QTest::addColumn<bool>("googleBing");
    QTest::addColumn<bool>("youtube");
    QTest::addColumn<bool>("rens");
    QTest::newRow("all empty") << "" << "" << "" << "Find" << false << false << false;
    QTest::newRow("field, its choice") << "x" << "" << "" << "Find" << true << false << false;
    QTest::newRow("box only, field chosen") << "" << "x" << "" << "Find" << true << false << true;
    QTest::newRow("box, its choice") << "" << "x" << "" << "Memo" << true << false << true;
    QTest::newRow("field, YouTube chosen") << "x" << "x" << "" << "Tube" << false << false << true;
    QTest::newRow("YouTube field, its choice") << "" << "" << "x" << "Tube" << false << true << false;
    QTest::newRow("YouTube field, other choice") << "" << "" << "x" << "Find" << false << false << false;
}

void SoegTest::regler()
{
    QFETCH(QString, find);
    QFETCH(QString, memo);
    QFETCH(QString, tube);
    QFETCH(QString, valgt);
    QFETCH(bool, googleBing);
    QFETCH(bool, youtube);
    QFETCH(bool, rens);
    udfyld(find, memo, tube, valgt);
    Tmainform& main = entry->mainform();
    QCOMPARE(main.hovedhandling("googleUrlen")->isEnabled(), googleBing);
    QCOMPARE(main.hovedhandling("bingUrl")->isEnabled(), googleBing);
    QCOMPARE(main.hovedhandling("tubeUrl")->isEnabled(), youtube);
    QCOMPARE(main.hovedhandling("aClearMemo")->isEnabled(), rens);
    if (rens) {
        main.hovedhandling("aClearMemo")->trigger();
        QVERIFY(felt<QPlainTextEdit>("findMemo")->toPlainText().isEmpty());
    }
}

void SoegTest::valgetGaarTilSitFelt()
{
    Tmainform& main = entry->mainform();
    main.show();
    main.findChild<QTabWidget*>(QStringLiteral("Hovedbog"))->setCurrentIndex(2);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(felt<QRadioButton>("CheckFind")->isChecked());
    const std::pair<const char*, const char*> par[] = {{"CheckTube", "tubeEdit"}, {"CheckMemo", "findMemo"}, {"CheckFind", "findEditX"}};
    for (const auto& [knap, feltet] : par) {
        felt<QRadioButton>(knap)->click();
        QVERIFY(felt<QRadioButton>(knap)->isChecked());
        int valgte = 0;
        for (const char* k : {"CheckFind", "CheckMemo", "CheckTube"})
            valgte += felt<QRadioButton>(k)->isChecked();
        QCOMPARE(valgte, 1);
        QCOMPARE(QApplication::focusWidget(), felt<QWidget>(feltet));
    }
}

void SoegTest::ingenBrowserNaevnesSomAarsagen()
{
    shell->uriSvar = platform::shellIngenBrowser;
    udfyld(QStringLiteral("x"), {}, {}, QStringLiteral("Find"));
    entry->mainform().hovedhandling("bingUrl")->trigger();
    QCOMPARE(boxes->texts(), QStringList{errorTekst(platform::shellIngenBrowser) + "\n"});
    // The desktop's own answers: a web address nobody handles (this desktop has a browser for
    // https alone) wants a browser; another scheme has no program.
    platform::install<platform::Shell>(nullptr);
    QCOMPARE(platform::get<platform::Shell>().openUri(QStringLiteral("http://eksempel.dk/")),
             int(platform::shellIngenBrowser));
    QCOMPARE(platform::get<platform::Shell>().openUri(QStringLiteral("qvm-ingen-kender-mig:x")),
             int(platform::shellIngenTilknytning));
    QVERIFY(!QFile::exists(browserRecord()));
}

void SoegTest::rigtigBrowserFaarAdressen()
{
    QFile::remove(browserRecord());
    platform::install<platform::Shell>(nullptr);
    const QString tekst = QStringLiteral("Tom & \"Jerry\" 'x'; $(touch pwned)");
    udfyld(tekst, {}, {}, QStringLiteral("Find"));
    entry->mainform().hovedhandling("googleUrlen")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(browserRecord()), 15000);
    QFile file(browserRecord());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), soegeadresse(Soegetjeneste::Google, tekst).toUtf8() + '\0');
    QVERIFY(boxes->shown.isEmpty());
}

QTEST_MAIN(SoegTest)
#include "test_soeg.moc"
