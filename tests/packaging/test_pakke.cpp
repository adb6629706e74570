#include "app/contentinstall.h"
#include "app/leveretprogram.h"
#include "platform/textfile.h"
#include "tests/common/testhome.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
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

// The two programs the package installs in /usr/bin, as a test's rows.
void deToProgrammer()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("qvmmirvel") << "qvmmirvel";
    QTest::newRow("qvm-sysinfo") << "qvm-sysinfo";
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
    void manualPages_data();
    void manualPages();
    void binariesAreHardened_data();
    void binariesAreHardened();
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
    // Each package once, the scan's finds beside the named ones.
    QStringList navne;
    for (const QString& afhaengighed : depends.trimmed().split(QStringLiteral(", "))) {
        const QString navn = afhaengighed.section(u' ', 0, 0);
        QVERIFY2(!navne.contains(navn), qPrintable(depends));
        navne.append(navn);
    }
    // Qt's own dialogs speak Danish only with its translations.
    QCOMPARE(koer("dpkg-deb", {"-f", pakke, "Recommends"}).trimmed(), QStringLiteral("qt6-translations-l10n, qt6-wayland"));
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

void PakkeTest::manualPages_data() { deToProgrammer(); }

// Each program's manual page, compressed as Debian does it: gzip at its best, without the name and
// time of the file, so the package is the same from the same sources.
void PakkeTest::manualPages()
{
    QFETCH(QString, program);
    QFile side(rod + "/usr/share/man/man1/" + program + ".1.gz");
    QVERIFY(side.open(QIODevice::ReadOnly));
    const QByteArray gz = side.readAll();
    QVERIFY(gz.size() > 10 && gz.startsWith("\x1f\x8b\x08"));
    QCOMPARE(gz[3] & 0x08, 0);                     // no file name
    QCOMPARE(gz.mid(4, 4), QByteArray(4, '\0'));   // no time
    QCOMPARE(int(gz[8]), 2);                       // the best compression
    QFile kilde(QStringLiteral(QVM_SOURCE_DIR "/packaging/man/") + program + ".1");
    QVERIFY(kilde.open(QIODevice::ReadOnly));
    const QString tekst = koer("gzip", {"-dc", side.fileName()});
    QCOMPARE(tekst.toUtf8(), kilde.readAll());
    QVERIFY(tekst.startsWith(".TH " + program.toUpper() + " 1 "));
    for (const char* afsnit : {".SH OPTIONS", ".SH FILES", ".SH ENVIRONMENT", ".SH EXIT STATUS"})
        QVERIFY2(tekst.contains(QLatin1String(afsnit)), afsnit);
    // Every option the helper's usage names has its paragraph.
    if (program == u"qvm-sysinfo") {
        auto valg = QRegularExpression(QStringLiteral("--([a-z]+)")).globalMatch(koer(rod + "/usr/bin/qvm-sysinfo", {"--help"}));
        int antal = 0;
        for (; valg.hasNext(); ++antal) {
            const QString navn = valg.next().captured(1);
            QVERIFY2(tekst.contains(".B \\-\\-" + navn + u'\n'), qPrintable(navn));
        }
        QVERIFY(antal >= 4);
    }
}

void PakkeTest::binariesAreHardened_data() { deToProgrammer(); }

// Built with Debian's hardening as readelf shows it: position independent, relocations read-only
// (relro) and bound at start (now), the stack protector; stripped of the compiler's notes. The
// fortified functions show only where a call needs a check at run time, so the compiler's
// commands tell that they were asked for.
void PakkeTest::binariesAreHardened()
{
    QFETCH(QString, program);
    const QString fil = rod + "/usr/bin/" + program;
    QVERIFY(koer("readelf", {"-h", fil}).contains(QRegularExpression(QStringLiteral("Type:\\s+DYN"))));
    QVERIFY(koer("readelf", {"-lW", fil}).contains(QStringLiteral("GNU_RELRO")));
    QVERIFY(koer("readelf", {"-d", fil}).contains(QRegularExpression(QStringLiteral("\\(FLAGS\\)\\s+BIND_NOW"))));
    QVERIFY(koer("readelf", {"--dyn-syms", "-W", fil}).contains(QStringLiteral(" __stack_chk_fail")));
    QFile kommandoer(QStringLiteral(QVM_BUILD_DIR "/compile_commands.json"));
    QVERIFY(kommandoer.open(QIODevice::ReadOnly));
    const QJsonArray oversaettelser = QJsonDocument::fromJson(kommandoer.readAll()).array();
    QVERIFY(!oversaettelser.isEmpty());
    for (const QJsonValue& o : oversaettelser) {
        const QString kommando = o[QLatin1String("command")].toString();
        QVERIFY2(kommando.contains(QStringLiteral(" -D_FORTIFY_SOURCE=2 ")) && kommando.contains(QStringLiteral(" -fstack-protector-strong ")),
                 qPrintable(kommando));
    }
    const QString afsnit = koer("readelf", {"-SW", fil});
    QVERIFY(afsnit.contains(QStringLiteral(".dynsym")));
    QVERIFY(!afsnit.contains(QStringLiteral(".comment")));
    QVERIFY(!afsnit.contains(QStringLiteral(".symtab")));
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
