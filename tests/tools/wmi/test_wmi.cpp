#include "app/errorinfo.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/twinform.h"
#include "platform/registry.h"
#include "platform/textfile.h"
#include "tests/common/optagendeshell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/applets/twaform.h"
#include "tools/wmi/twmiform.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

namespace {

// The desktop as the window sees it: every start recorded with its working folder too.
class MappeShell : public OptagendeShell {
public:
    MappeShell(QList<Kald>* kald, QStringList* mapper) : OptagendeShell(kald), mapper(mapper) {}
    int open(const QString& path, const QStringList& arguments, const QString& folder) override
    {
        mapper->append(folder);
        return OptagendeShell::open(path, arguments, folder);
    }
    QStringList* mapper;
};

}  // namespace

// The window "WMI" in the running program: fetching and loading the class list, writing a
// class's script and running it once it appears, its failures, closing while it waits, the web
// search and the window of its own.
class WmiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fetchingAndLoadingTheClasses();
    void writingAndRunningAClassScript_data();
    void writingAndRunningAClassScript();
    void refusedStartAndClosingWhileWaiting();
    void searchAddress_data();
    void searchAddress();
    void toolButtonsAndOwnWindow();

private:
    Tmainform& main() { return entry->mainform(); }
    TwmiForm* aabn();
    // Loads a class list and chooses the class.
    void vaelg(TwmiForm* form, const QString& klasse);
    bool aktiv(TwmiForm* form, const char* navn)
    {
        QCoreApplication::processEvents();
        return form->findChild<QAction*>(navn)->isEnabled();
    }
    void udfoer(TwmiForm* form, const char* navn)
    {
        QTRY_VERIFY2(form->findChild<QAction*>(navn)->isEnabled(), navn);
        form->findChild<QAction*>(navn)->trigger();
    }
    QString sidsteBesked() const { return boxes->texts().value(boxes->texts().size() - 1); }
    QList<OptagendeShell::Kald> startet(const QString& sti) const
    {
        QList<OptagendeShell::Kald> med;
        for (const auto& k : kald)
            if (k.sti == sti)
                med.append(k);
        return med;
    }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QList<OptagendeShell::Kald> kald;
    QStringList mapper;
    MappeShell* shell = nullptr;
    QString nuvaerende;
};

void WmiTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    kald.clear();
    mapper.clear();
    auto recorder = std::make_unique<MappeShell>(&kald, &mapper);
    shell = recorder.get();
    platform::install<platform::Shell>(std::move(recorder));
    nuvaerende = QDir::currentPath();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    entry->mainform().setStifinderFabrik([](Tmainform& main) { return new Twinform(main); });
    registrerWmi(entry->mainform());
    registrerApplets(entry->mainform());
    entry->mainform().opt.TryedBefore = true;
    entry->start();
    entry->mainform().FormActivate();
}

void WmiTest::cleanup()
{
    // The process's current folder is never the window's to change.
    QCOMPARE(QDir::currentPath(), nuvaerende);
    entry.reset();
    platform::install<platform::Shell>(nullptr);
    boxes.reset();
    home.reset();
}

TwmiForm* WmiTest::aabn()
{
    main().hovedhandling("aWmi")->trigger();
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TwmiForm*>(vindue))
            return form;
    return main().findChild<TwmiForm*>();
}

void WmiTest::vaelg(TwmiForm* form, const QString& klasse)
{
    QVERIFY(platform::writeTextLines(form->classFile, {"Win32_BIOS", "Win32_Processor"}));
    udfoer(form, "Awmi");
    auto* box = form->findChild<QComboBox*>("wmiBox");
    box->setCurrentIndex(box->findText(klasse));
    QCOMPARE(box->currentText(), klasse);
}

void WmiTest::fetchingAndLoadingTheClasses()
{
    TwmiForm* form = aabn();
    QVERIFY(form);
    QCOMPARE(form->wmiMappe, main().folders.BrugerMappe + "/WMI");
    QVERIFY(QFileInfo(form->wmiMappe).isDir());
    QCOMPARE(form->findChild<QTextBrowser*>("Browser")->source().fileName(), QStringLiteral("WMI2.html"));
    // An old list goes; the script runs in the user's folder, not in the installed tree.
    QVERIFY(platform::writeTextLines(form->classFile, {"Gammel"}));
    QVERIFY(aktiv(form, "Awmi"));
    udfoer(form, "AloadListe");
    QCOMPARE(startet(form->wmiFile).size(), 1);
    QCOMPARE(mapper.last(), form->wmiMappe);
    QVERIFY(!QFile::exists(form->classFile));
    QVERIFY(!aktiv(form, "AloadListe"));
    QVERIFY(!aktiv(form, "Awmi"));
    // The script's list appears: loading it becomes possible without any input, once.
    QFile liste(form->classFile);
    QVERIFY(liste.open(QIODevice::WriteOnly));
    liste.write("Win32_BIOS\r\nWin32_Processor\r\n\r\n");
    liste.close();
    QTRY_VERIFY(form->findChild<QAction*>("Awmi")->isEnabled());
    udfoer(form, "Awmi");
    auto* box = form->findChild<QComboBox*>("wmiBox");
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->itemText(0), QStringLiteral("Vælg en wmi class"));
    QCOMPARE(box->itemText(2), QStringLiteral("Win32_Processor"));
    QCOMPARE(box->currentIndex(), 0);
    QVERIFY(!aktiv(form, "Awmi"));
    // "Vælg en wmi class" keeps the writing actions off; a class turns them on and goes into
    // the search field.
    QVERIFY(!aktiv(form, "AmakeFile") && !aktiv(form, "AmakeFileHTML"));
    box->setCurrentIndex(1);
    QVERIFY(aktiv(form, "AmakeFile") && aktiv(form, "AmakeFileHTML"));
    QCOMPARE(form->findChild<QLineEdit*>("findEdit")->text(), QStringLiteral("Win32_BIOS"));
    // Without the installation's script the action stays off.
    QVERIFY(QFile::remove(form->udskrivFileHTML));
    box->setCurrentIndex(2);
    QVERIFY(!aktiv(form, "AmakeFileHTML"));
    QVERIFY(aktiv(form, "AmakeFile"));
}

void WmiTest::writingAndRunningAClassScript_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("output");
    QTest::newRow("text") << false << "Win32_BIOS.vbs" << "Win32_BIOS.txt";
    QTest::newRow("HTML") << true << "Win32_BIOS_Html.vbs" << "Win32_BIOS.html";
}

void WmiTest::writingAndRunningAClassScript()
{
    QFETCH(bool, html);
    QFETCH(QString, skrevet);
    QFETCH(QString, output);
    TwmiForm* form = aabn();
    vaelg(form, QStringLiteral("Win32_BIOS"));
    const QString vbs = form->wmiMappe + u'/' + skrevet;
    QVERIFY(platform::writeTextLines(vbs, {"gammelt script"}));
    udfoer(form, html ? "AmakeFileHTML" : "AmakeFile");
    // The old script is gone, the writer started with the class as its one argument in the
    // user's folder, and the window waits.
    QVERIFY(!QFile::exists(vbs));
    const auto skriver = startet(html ? form->udskrivFileHTML : form->udskrivFile);
    QCOMPARE(skriver.size(), 1);
    QCOMPARE(skriver[0].argumenter, QStringList{"Win32_BIOS"});
    QCOMPARE(mapper.last(), form->wmiMappe);
    QVERIFY(form->wmiTimer->isActive());
    QTest::qWait(1200);
    QVERIFY(startet(vbs).isEmpty());
    // The script appears: it runs once, and the window waits for what it writes.
    QVERIFY(platform::writeTextLines(vbs, {"#!/bin/sh"}));
    QTRY_COMPARE_WITH_TIMEOUT(startet(vbs).size(), 1, 3000);
    QCOMPARE(mapper.last(), form->wmiMappe);
    QVERIFY(form->wmiTimer->isActive());
    QTest::qWait(1200);
    QCOMPARE(startet(vbs).size(), 1);
    // Its output appears: an explorer shows the folder with the output selected in it.
    QVERIFY(platform::writeTextLines(form->wmiMappe + u'/' + output, {"Win32_BIOS"}));
    QTRY_VERIFY_WITH_TIMEOUT(!form->wmiTimer->isActive(), 3000);
    auto* stifinder = qobject_cast<Twinform*>(main().getWinform(QStringLiteral("Stifinder 1")));
    QVERIFY(stifinder);
    QCOMPARE(stifinder->strukturCompo().Mappenavn(), form->wmiMappe);
    QCOMPARE(main().EditSti()->text(), form->wmiMappe + u'/' + output);
    QVERIFY(boxes->texts().isEmpty());
}

void WmiTest::refusedStartAndClosingWhileWaiting()
{
    TwmiForm* form = aabn();
    vaelg(form, QStringLiteral("Win32_Processor"));
    // A start the desktop refuses: its message, and no waiting.
    shell->openSvar = platform::shellAdgangNaegtet;
    udfoer(form, "AmakeFile");
    QCOMPARE(sidsteBesked(), errorTekst(platform::shellAdgangNaegtet) + u'\n');
    QVERIFY(!form->wmiTimer->isActive());
    // Waiting, then closed: the script that appears afterwards is never run.
    shell->openSvar = platform::shellStartet;
    udfoer(form, "AmakeFile");
    QVERIFY(form->wmiTimer->isActive());
    const QString vbs = form->wmiMappe + QStringLiteral("/Win32_Processor.vbs");
    QPointer<TwmiForm> vindue(form);
    main().findChild<QMdiArea*>()->closeAllSubWindows();
    QTRY_VERIFY(!vindue || !vindue->isVisible());
    QVERIFY(platform::writeTextLines(vbs, {"#!/bin/sh"}));
    QTest::qWait(1500);
    QVERIFY(startet(vbs).isEmpty());
}

void WmiTest::searchAddress_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("adresse");
    QTest::newRow("class") << "Win32_BIOS" << "https://www.google.com/search?q=Win32_BIOS";
    QTest::newRow("blanks kept") << "Win32 BIOS  klasse" << "https://www.google.com/search?q=Win32%20BIOS%20%20klasse";
    QTest::newRow("signs of an address") << "a&b=c#d+e?f/g%" << "https://www.google.com/search?q=a%26b%3Dc%23d%2Be%3Ff%2Fg%25";
    QTest::newRow("Danish letters") << "æøå" << "https://www.google.com/search?q=%C3%A6%C3%B8%C3%A5";
    QTest::newRow("empty") << "" << "https://www.google.com/search?q=";
}

void WmiTest::searchAddress()
{
    QFETCH(QString, tekst);
    QFETCH(QString, adresse);
    TwmiForm* form = aabn();
    form->findChild<QLineEdit*>("findEdit")->setText(tekst);
    form->findChild<QPushButton*>("googleUrlen")->click();
    QCOMPARE(kald.size(), 1);
    QCOMPARE(kald[0].verb, QStringLiteral("uri"));
    QCOMPARE(kald[0].sti, adresse);
    // No browser: the message for a missing association.
    shell->uriSvar = platform::shellIngenTilknytning;
    form->findChild<QPushButton*>("googleUrlen")->click();
    QCOMPARE(sidsteBesked(), errorTekst(platform::shellIngenTilknytning) + u'\n');
}

void WmiTest::toolButtonsAndOwnWindow()
{
    // The tools start the applets' scripts, through their check.
    const QString applets = main().folders.appletsDir;
    for (const char* script : {"systemoplysninger.vbs", "enhedshåndtering.vbs"}) {
        const QString sti = applets + QString::fromUtf8(script);
        QFile::remove(sti);
        home->write(QString(sti).mid(home->path().size() + 1), "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(sti, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    main().opt.openWmi = 1;
    TwmiForm* form = aabn();
    QVERIFY(form && !form->showInternt && form->isWindow());
    QCOMPARE(form->size(), QSize(570, 576));
    QVERIFY(form->minimumSize() == form->maximumSize());
    QVERIFY(form->findChild<QWidget*>("panelRight")->isHidden());
    form->findChild<QPushButton*>("winApp17")->click();
    form->findChild<QPushButton*>("winApp6")->click();
    QCOMPARE(kald.size(), 2);
    QCOMPARE(kald[0].sti, applets + "systemoplysninger.vbs");
    QCOMPARE(kald[1].sti, applets + QStringLiteral("enhedshåndtering.vbs"));
    // Its place is kept in two lines.
    form->move(111, 122);
    form->close();
    QTRY_VERIFY(QFile::exists(main().folders.OptMappe + "WMI.txt"));
    const auto linjer = platform::readTextLines(main().folders.OptMappe + "WMI.txt");
    QVERIFY(linjer);
    QCOMPARE(linjer->size(), 2);
}

QTEST_MAIN(WmiTest)
#include "test_wmi.moc"
