#include "app/contentinstall.h"
#include "app/leveretprogram.h"
#include "platform/textfile.h"
#include "tests/common/testhome.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

// A program's output; the test fails when it does not end well.
QString koer(const QString& program, const QStringList& argumenter, const QString& mappe = QString())
{
    QProcess p;
    p.setWorkingDirectory(mappe);
    p.start(program, argumenter);
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qWarning("%s %s: %s", qPrintable(program), qPrintable(argumenter.join(u' ')), p.readAllStandardError().constData());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every file below a folder with whether it may be executed, by its path below the folder.
QMap<QString, bool> filer(const QString& rod)
{
    QMap<QString, bool> alle;
    QDirIterator it(rod, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        alle.insert(it.filePath().mid(rod.size()), it.fileInfo().isExecutable());
    }
    return alle;
}

}  // namespace

// The Debian package made from the build: what it holds and needs, and the installed program
// started from it. And where the program finds the tree it ships.
class PakkeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void packageHoldsAndNeeds();
    void installedFilesAreValid();
    void installedProgramStarts();
    void shippedTreeIsFound_data();
    void shippedTreeIsFound();

private:
    QTemporaryDir ud;
    QString pakke;
    QString rod;
};

void PakkeTest::initTestCase()
{
    QVERIFY(ud.isValid());
    koer(QStringLiteral(QVM_CPACK), {"-G", "DEB", "-B", ud.path()}, QStringLiteral(QVM_BUILD_DIR));
    const QStringList pakker = QDir(ud.path()).entryList({"qvmmirvel_*.deb"});
    QCOMPARE(pakker.size(), 1);
    pakke = ud.path() + u'/' + pakker.first();
    rod = ud.path() + QStringLiteral("/rod");
    koer("dpkg-deb", {"-x", pakke, rod});
}

void PakkeTest::packageHoldsAndNeeds()
{
    QCOMPARE(koer("dpkg-deb", {"-f", pakke, "Package"}).trimmed(), QStringLiteral("qvmmirvel"));
    QCOMPARE(koer("dpkg-deb", {"-f", pakke, "Version"}).trimmed(), QStringLiteral(QVM_VERSION));
    // Every library the program needs is named by the package that owns it.
    const QString depends = koer("dpkg-deb", {"-f", pakke, "Depends"});
    QVERIFY(depends.contains(QStringLiteral("shared-mime-info")));
    const QRegularExpression needed(QStringLiteral("\\(NEEDED\\)\\s+Shared library: \\[([^\\]]+)\\]"));
    auto biblioteker = needed.globalMatch(koer("readelf", {"-d", rod + "/usr/bin/qvmmirvel"}));
    int antal = 0;
    while (biblioteker.hasNext()) {
        const QString bibliotek = biblioteker.next().captured(1);
        // Its owner among the packages holding a file of that name (other architectures' too).
        QStringList ejere;
        for (const QString& linje : koer("dpkg", {"-S", "*/" + bibliotek}).split(u'\n', Qt::SkipEmptyParts))
            ejere.append(linje.section(u':', 0, 0).trimmed());
        const bool navngivet = std::any_of(ejere.begin(), ejere.end(), [&depends](const QString& ejer) {
            return depends.contains(QRegularExpression(QStringLiteral("(^|, )%1( |,|$)").arg(QRegularExpression::escape(ejer))));
        });
        QVERIFY2(navngivet, qPrintable(bibliotek + ": " + ejere.join(u' ')));
        ++antal;
    }
    QVERIFY(antal > 3);
    // Only the program and what it ships, all owned by root.
    for (const QString& linje : koer("dpkg-deb", {"-c", pakke}).split(u'\n', Qt::SkipEmptyParts)) {
        QVERIFY2(linje.section(u' ', 1, 1, QString::SectionSkipEmpty) == u"root/root", qPrintable(linje));
        for (const char* fremmed : {"/tests/", "_bench", "make_icons", "make_chime", "test_"})
            QVERIFY2(!linje.contains(QLatin1String(fremmed)), qPrintable(linje));
    }
}

void PakkeTest::installedFilesAreValid()
{
    const QString program = rod + QStringLiteral("/usr/share/qvmmirvel/Program");
    QCOMPARE(filer(program), filer(QStringLiteral(QVM_BUILD_DIR "/Program")));
    QCOMPARE(contentStamp(program), contentStamp(QStringLiteral(QVM_BUILD_DIR "/Program")));
    const QString id = applikationsId;
    koer("desktop-file-validate", {rod + "/usr/share/applications/" + id + ".desktop"});
    koer("appstreamcli", {"validate", "--no-net", rod + "/usr/share/metainfo/" + id + ".metainfo.xml"});
    QVERIFY(QFile::exists(rod + "/usr/share/icons/hicolor/256x256/apps/" + id + ".png"));
    QVERIFY(QFile::exists(rod + "/usr/share/doc/qvmmirvel/copyright"));
    QVERIFY(QFile::exists(rod + "/usr/share/doc/qvmmirvel/changelog.gz"));
    QVERIFY(!koer("readelf", {"-d", rod + "/usr/bin/qvmmirvel"}).contains(QStringLiteral(QVM_BUILD_DIR)));
    // The system-information helper that the installed scripts find on PATH.
    QVERIFY(koer(rod + "/usr/bin/qvm-sysinfo", {"--klasser"}).split(u'\n').contains(QStringLiteral("Win32_Processor")));
}

// The installed program, started with a folder on a fresh home, lays its tree out and closes
// on SIGTERM as always.
void PakkeTest::installedProgramStarts()
{
    TestHome home;
    QProcess program;
    program.start(rod + "/usr/bin/qvmmirvel", {home.path()});
    QVERIFY(program.waitForStarted());
    const QString stempel = home / "qvmMirvel/Program/versionsstempel.txt";
    const QString indstillinger = home / "qvmMirvel/root/Egenskaber";
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(indstillinger).isDir(), 30000);
    QCOMPARE(contentStamp(home / "qvmMirvel/Program"), contentStamp(rod + "/usr/share/qvmmirvel/Program"));
    QVERIFY(QFile::exists(stempel));
    program.terminate();
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(platform::readTextLines(indstillinger + "/MainEgenskaber.txt").value_or(QStringList()).size(), 45);
}

void PakkeTest::shippedTreeIsFound_data()
{
    QTest::addColumn<bool>("ved");    // a tree beside the executable
    QTest::addColumn<bool>("share");  // a tree in the installed data folder
    QTest::addColumn<QString>("fundet");
    QTest::newRow("beside") << true << false << "bin/Program";
    QTest::newRow("under share") << false << true << "share/qvmmirvel/Program";
    QTest::newRow("both: beside wins") << true << true << "bin/Program";
    QTest::newRow("neither") << false << false << "";
}

void PakkeTest::shippedTreeIsFound()
{
    QFETCH(bool, ved);
    QFETCH(bool, share);
    QFETCH(QString, fundet);
    TestHome home;
    home.make({"bin/"});
    if (ved)
        home.write("bin/Program/versionsstempel.txt", "1\r\n");
    if (share)
        home.write("share/qvmmirvel/Program/versionsstempel.txt", "1\r\n");
    QCOMPARE(findLeveretProgram(home / "bin"), fundet.isEmpty() ? QString() : home / fundet);
    QCOMPARE(manglendeProgramBesked(home / "bin"),
             "Programmets hjælpesider og skabeloner blev ikke fundet i:\r" + home / "bin/Program" + u'\r'
                 + home / "share/qvmmirvel/Program" + "\rProgrammet fortsætter uden dem.");
}

QTEST_GUILESS_MAIN(PakkeTest)
#include "test_pakke.moc"
