#include "app/programentry.h"
#include "app/tmainform.h"
#include "boxes/modalseam.h"
#include "boxes/tinfform.h"
#include "platform/terminationsignals.h"
#include "platform/textfile.h"
#include "platform/useraccount.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QtTest>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString shipped = QStringLiteral(QVM_CONTENT_DIR);

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString settingsPath(const TestHome& home)
{
    return home / (QStringLiteral("qvmMirvel/") + GetUserFromWindows() + QStringLiteral("/Egenskaber/MainEgenskaber.txt"));
}

// Started as a child process under another user: starts and closes the main window and prints
// the texts of the boxes shown.
int startAndCloseAsChild()
{
    ScriptedBoxes boxes;
    {
        ProgramEntry entry(shipped, {});
        entry.mainform().show();
        entry.mainform().FormActivate();
        entry.mainform().close();
    }
    for (const QString& text : boxes.texts())
        printf("BOKS: %s\n", qPrintable(QString(text).replace(u'\n', u' ')));
    return 0;
}

// Started as a child process: a termination signal arrives while a box is open. The program
// closes only once the box has returned, then as it always closes. Prints what it saw.
int sigtermInABoxAsChild()
{
    std::unique_ptr<ProgramEntry> entry;
    platform::installTerminationHandler([&entry] {
        if (entry)
            entry->mainform().lukEfterSignal();
    });
    entry = std::make_unique<ProgramEntry>(shipped, QStringList());
    Tmainform& main = entry->mainform();
    main.show();
    main.FormActivate();
    bool aabenIBoksen = false;
    modalseam::install([&main, &aabenIBoksen](QDialog&) {
        ::kill(::getpid(), SIGTERM);
        // The box's own event loop runs while it is open, and takes in the signal.
        QElapsedTimer open;
        open.start();
        while (open.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        aabenIBoksen = main.isVisible();
        return int(QDialog::Accepted);
    });
    main.infform()->sig(QStringLiteral("En boks"));
    modalseam::install({});
    const bool aabenEfterBoksen = main.isVisible();
    QElapsedTimer efter;
    efter.start();
    while (main.isVisible() && efter.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    printf("i boksen %d, efter boksen %d, lukket %d\n", aabenIBoksen, aabenEfterBoksen, !main.isVisible());
    return 0;
}

}  // namespace

class MainformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsFile_data();
    void settingsFile();
    void firstStartThenClose();
    void closingRules();
    void startFolderArgument_data();
    void startFolderArgument();
    void sigtermClosesThroughTheClosingRules();
    void sigtermWhileABoxIsOpenWaitsForIt();
    void sigtermEndsARealBoxAndTellsUnsavedSettingsNextTime();
    void unwritableHomeOrUnreadableSettings_data();
    void unwritableHomeOrUnreadableSettings();
};

void MainformTest::settingsFile_data()
{
    MainSettings stored;
    stored.designName = QStringLiteral("Zircon");
    stored.mainLeft = 40;
    stored.OnClickCaption = QStringLiteral("Æbler og pærer");
    stored.TryedBefore = true;
    const QStringList lines = mainSettingsLines(stored);

    QTest::addColumn<QByteArray>("bytes");  // empty: no file
    QTest::addColumn<QString>("designName");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("kopi");  // a file that could not be read whole is kept as ".fejl"
    QTest::newRow("missing") << QByteArray() << "Sky" << 250 << "" << false;
    QTest::newRow("45 lines") << crlfLines(lines) << "Zircon" << 40 << "Æbler og pærer" << false;
    QTest::newRow("44 lines") << crlfLines(lines.mid(0, 44)) << "Sky" << 250 << "" << true;
    QTest::newRow("46 lines") << crlfLines(lines + QStringList{QStringLiteral("0")}) << "Sky" << 250 << "" << true;
    QTest::newRow("utf-8 with mark, lf alone") << QByteArray("\xEF\xBB\xBF") + crlfLines(lines).replace("\r\n", "\n")
                                               << "Zircon" << 40 << "Æbler og pærer" << false;
    QByteArray windows1252 = crlfLines(lines);
    windows1252.replace("\xC3\x86", "\xC6").replace("\xC3\xA6", "\xE6");
    QTest::newRow("windows-1252") << windows1252 << "Zircon" << 40 << "Æbler og pærer" << false;
    QByteArray noise(20000, '\0');
    quint32 seed = 7;
    for (char& c : noise)
        c = char((seed = seed * 1103515245u + 12345u) >> 16);
    QTest::newRow("random bytes") << noise << "Sky" << 250 << "" << true;
}

void MainformTest::settingsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, designName);
    QFETCH(int, left);
    QFETCH(QString, caption);
    TestHome home;
    if (!bytes.isEmpty())
        home.write(settingsPath(home).mid(home.path().size() + 1), bytes);
    ProgramEntry entry(shipped, {});
    const Tmainform& main = entry.mainform();
    QCOMPARE(main.opt.designName, designName);
    QCOMPARE(main.opt.mainLeft, left);
    QCOMPARE(main.opt.OnClickCaption, caption);
    QCOMPARE(main.pos().x(), left);
    const QString kopi = settingsPath(home) + QStringLiteral(".fejl");
    QTEST(QFileInfo::exists(kopi), "kopi");
    if (QFileInfo::exists(kopi)) {
        QFile gemt(kopi);
        QVERIFY(gemt.open(QIODevice::ReadOnly));
        QCOMPARE(gemt.readAll(), bytes);
    }
}

void MainformTest::firstStartThenClose()
{
    TestHome home;
    ScriptedBoxes boxes;
    {
        ProgramEntry entry(shipped, {});
        Tmainform& main = entry.mainform();
        QCOMPARE(main.windowTitle(), QStringLiteral("qvmMirvel: ") + GetUserFromWindows());
        QCOMPARE(main.geometry().topLeft(), QPoint(250, 50));
        QCOMPARE(main.size(), QSize(1270, 870));
        QVERIFY(QFileInfo(main.opt.PlaceringsMappe).isDir());
        QCOMPARE(main.opt.PlaceringsMappe, main.folders.BrugerMappe + QStringLiteral("/Genveje"));
        entry.start();
        main.FormActivate();
        QCOMPARE(main.findChild<QTabWidget*>(QStringLiteral("Hovedbog"))->currentIndex(), 4);
        QCOMPARE(main.findChild<QLabel*>(QStringLiteral("informationsKnappenL"))->text(), QStringLiteral("Egenskaber"));
        QVERIFY(main.close());
    }
    QVERIFY(boxes.shown.isEmpty());
    QFile file(settingsPath(home));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 45);
    QVERIFY(bytes.endsWith("\r\n"));
    const QStringList lines = platform::splitLines(QString::fromUtf8(bytes));
    QCOMPARE(lines.size(), 45);
    QCOMPARE(lines[31], QStringLiteral("1"));
    QCOMPARE(lines[22], QStringLiteral("4"));
    QCOMPARE(lines.mid(0, 5), QStringList({"Sky", "50", "250", "1270", "870"}));

    // The next start is no first start: the pages stay as they were left.
    ProgramEntry again(shipped, {});
    QVERIFY(again.mainform().opt.TryedBefore);
}

void MainformTest::closingRules()
{
    TestHome home;
    ScriptedBoxes boxes;
    ProgramEntry entry(shipped, {});
    Tmainform& main = entry.mainform();
    entry.start();
    main.FormActivate();

    main.MsRedigeret = true;
    QVERIFY(!main.close());
    QVERIFY(boxes.shown.isEmpty());
    main.MsRedigeret = false;

    main.processCount = 1;
    boxes.answer(QDialog::Rejected);
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QVERIFY(!QFileInfo::exists(main.folders.optFilnavn));
    boxes.answer(QDialog::Accepted);
    QVERIFY(main.close());
    QCOMPARE(boxes.texts(), QStringList(2, QStringLiteral("Der er en funktion kørende.\nSkal programmet lukkes "
                                                          "alligevel med risiko for fejl ved lukning?")));
    QVERIFY(QFileInfo::exists(main.folders.optFilnavn));
}

void MainformTest::startFolderArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("shown");
    QTest::newRow("one folder") << QStringList{"mappe med blanke"} << true;
    QTest::newRow("a file") << QStringList{"fil.txt"} << false;
    QTest::newRow("two folders") << QStringList{"mappe med blanke", "mappe med blanke"} << false;
    QTest::newRow("missing") << QStringList{"findes ikke"} << false;
    QTest::newRow("none") << QStringList{} << false;
}

void MainformTest::startFolderArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, shown);
    TestHome home;
    home.write(QStringLiteral("mappe med blanke/fil.txt"), "x");
    home.write(QStringLiteral("fil.txt"), "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(home.path());
    const QString folder = Tmainform::startMappeFraArgumenter(arguments);
    QDir::setCurrent(before);
    QCOMPARE(folder, shown ? home / QStringLiteral("mappe med blanke") : QString());
}

void MainformTest::sigtermClosesThroughTheClosingRules()
{
    TestHome home;
    QProcess program;
    program.setProgram(QStringLiteral(QVM_EXECUTABLE));
    program.start();
    QVERIFY(program.waitForStarted());
    // The user's folders exist once the main window is made; its handler of the signal is then in place.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(settingsPath(home)).dir().exists(), 20000);
    program.terminate();
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const auto lines = platform::readTextLines(settingsPath(home));
    QVERIFY(lines);
    QCOMPARE(lines->size(), 45);
}

void MainformTest::sigtermWhileABoxIsOpenWaitsForIt()
{
    TestHome home;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QVM_SIGTERM_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output + QString::fromUtf8(child.readAllStandardError())));
    QVERIFY2(output.contains(QStringLiteral("i boksen 1, efter boksen 1, lukket 1")), qPrintable(output));
    // Closed as always: the settings were saved.
    QCOMPARE(platform::readTextLines(settingsPath(home)).value_or(QStringList()).size(), 45);
}

void MainformTest::sigtermEndsARealBoxAndTellsUnsavedSettingsNextTime()
{
    // The settings file is a folder: the start says in a box that it cannot be read, and nothing
    // can be saved. A signal with nobody at the box ends the program at once all the same.
    TestHome home;
    QVERIFY(QDir().mkpath(settingsPath(home)));
    QProcess program;
    program.setProgram(QStringLiteral(QVM_EXECUTABLE));
    program.start();
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(settingsPath(home)).dir().exists(), 20000);
    // The box is open when the started program waits: its processor time stands still.
    const auto processortid = [&program] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(program.processId()));
        const QList<QByteArray> felter = stat.open(QIODevice::ReadOnly) ? stat.readAll().split(')').value(1).split(' ')
                                                                        : QList<QByteArray>();
        return felter.value(12).toLongLong() + felter.value(13).toLongLong();  // utime and stime
    };
    for (int stille = 0, forsoeg = 0; stille < 3 && forsoeg < 100; ++forsoeg) {
        const qint64 foer = processortid();
        QTest::qWait(200);
        stille = processortid() == foer ? stille + 1 : 0;
    }
    QElapsedTimer lukning;
    lukning.start();
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QVERIFY2(lukning.elapsed() < 2000, qPrintable(QString::number(lukning.elapsed())));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains("Indstillingerne kunne ikke gemmes i filen"));

    ScriptedBoxes boxes;
    ProgramEntry entry(shipped, QStringList());
    entry.mainform().opt.TryedBefore = true;
    entry.mainform().FormActivate();
    QVERIFY2(boxes.texts().join('|').contains("Indstillingerne blev ikke gemt, da programmet blev lukket af systemet "),
             qPrintable(boxes.texts().join('|')));
    QVERIFY(!QFile::exists(settingsPath(home) + ".ikke-gemt"));
}

void MainformTest::unwritableHomeOrUnreadableSettings_data()
{
    QTest::addColumn<bool>("homeWritable");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("home without write permission") << false << QStringList{"Programmets data kan ikke gemmes"};
    // The start says the file could not be read (no copy of it can be made either); at close
    // the file is not replaced behind the user's back.
    QTest::newRow("unreadable settings file")
        << true
        << QStringList{"Indstillingsfilen kunne ikke læses helt; standardværdier bruges. Der kunne ikke gemmes en kopi af den.",
                       "Indstillingerne kunne ikke gemmes i filen"};
}

void MainformTest::unwritableHomeOrUnreadableSettings()
{
    QFETCH(bool, homeWritable);
    QFETCH(QStringList, messages);
    // Root reads and writes everything: the check runs as the user "nobody".
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody)
        QSKIP("needs root and the user nobody to run a check without write permission");
    QTemporaryDir place;
    QVERIFY(place.isValid());
    chmod(QFile::encodeName(place.path()), 0755);
    const QString binary = place.path() + QStringLiteral("/mainform-child");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), binary));
    chmod(QFile::encodeName(binary), 0755);
    const QString childHome = place.path() + QStringLiteral("/home");
    const QString settings = childHome + QStringLiteral("/qvmMirvel/nobody/Egenskaber/MainEgenskaber.txt");
    if (homeWritable) {
        QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
        QVERIFY(platform::writeTextLines(settings, {QStringLiteral("hemmelig")}));
        chmod(QFile::encodeName(settings), 0);
        for (QString folder = QFileInfo(settings).path(); folder.startsWith(childHome); folder = QFileInfo(folder).path())
            QVERIFY(chown(QFile::encodeName(folder), nobody->pw_uid, nobody->pw_gid) == 0);
    } else {
        QVERIFY(QDir().mkpath(childHome));
        chmod(QFile::encodeName(childHome), 0555);
    }

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), childHome);
    environment.insert(QStringLiteral("QVM_START_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                             QStringLiteral("--regid=%1").arg(nobody->pw_gid),
                                             QStringLiteral("--clear-groups"), binary});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output + QString::fromUtf8(child.readAllStandardError())));
    QCOMPARE(output.count(QStringLiteral("BOKS:")), messages.size());
    for (const QString& message : messages)
        QVERIFY2(output.contains(message), qPrintable(output));
    if (homeWritable)
        QCOMPARE(platform::readTextLines(settings), std::optional<QStringList>(QStringList{QStringLiteral("hemmelig")}));
    else
        QVERIFY(!QFileInfo::exists(childHome + QStringLiteral("/qvmMirvel")));
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("QVM_START_CHILD"))
        return startAndCloseAsChild();
    if (qEnvironmentVariableIsSet("QVM_SIGTERM_CHILD"))
        return sigtermInABoxAsChild();
    MainformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainform.moc"
