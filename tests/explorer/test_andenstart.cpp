// A second start of the program while one runs: it hands over its folder and touches nothing.
#include "app/enkeltprogram.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "core/kopijournal.h"
#include "platform/filecopy.h"
#include "platform/useraccount.h"
#include "tests/common/fakedrives.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {

// Every entry below the folder with its size and time of change.
QStringList oejebliksbillede(const QString& mappe)
{
    QStringList billede;
    for (QDirIterator it(mappe, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        it.next();
        const QFileInfo info = it.fileInfo();
        billede << info.filePath() + u' ' + QString::number(info.size()) + u' '
                + QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    billede.sort();
    return billede;
}

}  // namespace

class AndenStartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartHandsOverItsFolderAndTouchesNothing();
};

void AndenStartTest::secondStartHandsOverItsFolderAndTouchesNothing()
{
    TestHome home;
    home.make({"C/x/y/", "C/z/"});
    const QString laas = home / "qvmMirvel/" + GetUserFromWindows() + "/.qvmmirvel.lock";

    // A program that was killed leaves its lock and its socket: the next start takes both over.
    QProcess draebt;
    draebt.start(QStringLiteral(QVM_EXECUTABLE), QStringList());
    QVERIFY(draebt.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(laas) && QDir(home / "qvmMirvel").exists(), 20000);
    QTest::qWait(500);
    ::kill(pid_t(draebt.processId()), SIGKILL);
    QVERIFY(draebt.waitForFinished(20000));

    FakeDrives drives({{"/", "ext4", "/dev/sda1", "rod", platform::DriveKind::Fixed},
                       {home / "C", "ext4", "/dev/sda2", "System", platform::DriveKind::Fixed}});
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    EnkeltProgram enkelt(entry.mainform().folders.BrugerMappe);
    QVERIFY(enkelt.tagPladsen({}));
    connect(&enkelt, &EnkeltProgram::andenStart, &entry.mainform(), &Tmainform::andenStart);
    QVERIFY(startMedStifinder(entry));
    // A paste of this program runs: its record and unfinished copy must stay as they are.
    const QString journal = entry.mainform().folders.kopieringsDir + "Stifinder 1.txt";
    QVERIFY(kopijournal::skriv(journal, {home / "C/z", {home / "C/x"}, qint64(::getpid())}));
    home.write("C/z/.x" + platform::midlertidigtMaerke(::getpid()), "halv");
    const QStringList foer = oejebliksbillede(home.path());

    // Started in another folder, with a folder relative to it.
    QProcess anden;
    anden.setWorkingDirectory(home / "C/x");
    anden.start(QStringLiteral(QVM_EXECUTABLE), {"y"});
    QVERIFY(anden.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(anden.state() == QProcess::NotRunning, 20000);
    QCOMPARE(anden.exitStatus(), QProcess::NormalExit);
    QCOMPARE(anden.exitCode(), 0);
    QTRY_COMPARE(entry.mainform().EditSti()->text(), home / "C/x/y");
    QCOMPARE(oejebliksbillede(home.path()), foer);
}

QTEST_MAIN(AndenStartTest)
#include "test_andenstart.moc"
