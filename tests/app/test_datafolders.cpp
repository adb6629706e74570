#include "app/contentinstall.h"
#include "app/datafolders.h"
#include "app/foldercopy.h"
#include "platform/textfile.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
const QString shipped = QStringLiteral(QVM_CONTENT_DIR);

// Every name in a folder, hidden ones too, in byte order.
QStringList entriesOf(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<mangler>");
}
}  // namespace

class DataFoldersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartMakesEveryFolder();
    void secondStartKeepsTheUsersFiles();
    void installedTreeIsRepairedOrReplaced_data();
    void installedTreeIsRepairedOrReplaced();
    void noShippedTreeTouchesNothing();
    void wholeCopyNeverOverwritesAndSkipsLinks();
};

void DataFoldersTest::firstStartMakesEveryFolder()
{
    TestHome home;
    const DataFolders f = dataFoldersFor(home.path(), QStringLiteral("anna"));
    QCOMPARE(f.OptMappe, home / QStringLiteral("qvmMirvel/anna/Egenskaber/"));
    QCOMPARE(f.optFilnavn, home / QStringLiteral("qvmMirvel/anna/Egenskaber/MainEgenskaber.txt"));
    QCOMPARE(f.brugerKalenderMappe, home / QStringLiteral("qvmMirvel/anna/Kalender"));
    QCOMPARE(createDataFolders(f, shipped), QStringList());
    for (const QString& folder : {f.dosMappe, f.NotatMappe, f.OptMappe, f.brugerKalenderMappe, f.brugerNotatMappe,
                                  f.mappestrukturDir, f.scriptDir, f.infoDir, f.appletsDir, f.ikonDir})
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    QVERIFY(QFileInfo::exists(f.dosMappe + QStringLiteral("ls -la.txt")));
    QCOMPARE(contentOf(f.OptMappe + QStringLiteral("Spm_kopiering.txt")), QByteArray("700\r\n340\r\n"));
    QVERIFY(QFileInfo(f.lydFil).size() > 44);
    QVERIFY(!QFileInfo::exists(f.optFilnavn));
    QCOMPARE(contentStamp(f.programmappe), contentStamp(shipped));
    // Nothing temporary is left beside the folders.
    QCOMPARE(entriesOf(f.grundMappe), QStringList({QStringLiteral("Program"), QStringLiteral("anna")}));
}

void DataFoldersTest::secondStartKeepsTheUsersFiles()
{
    TestHome home;
    const DataFolders f = dataFoldersFor(home.path(), QStringLiteral("anna"));
    QVERIFY(createDataFolders(f, shipped).isEmpty());
    const QString edited = f.OptMappe + QStringLiteral("Spm_kopiering.txt");
    QVERIFY(platform::writeTextLines(edited, {QStringLiteral("900"), QStringLiteral("400")}));
    QVERIFY(QFile::remove(f.dosMappe + QStringLiteral("df -h.txt")));
    QVERIFY(createDataFolders(f, shipped).isEmpty());
    QCOMPARE(contentOf(edited), QByteArray("900\r\n400\r\n"));
    QVERIFY(!QFileInfo::exists(f.dosMappe + QStringLiteral("df -h.txt")));
}

void DataFoldersTest::installedTreeIsRepairedOrReplaced_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("older version") << "old stamp";
    QTest::newRow("half copied, no stamp") << "no stamp";
    QTest::newRow("missing") << "missing";
    QTest::newRow("interrupted swap") << "interrupted";
}

void DataFoldersTest::installedTreeIsRepairedOrReplaced()
{
    QFETCH(QString, damage);
    TestHome home;
    const DataFolders f = dataFoldersFor(home.path(), QStringLiteral("anna"));
    QVERIFY(createDataFolders(f, shipped).isEmpty());
    const QString stampFile = f.programmappe + u'/' + contentStampFile;
    QVERIFY(QFile::remove(f.programmappe + QStringLiteral("/Dos/lsblk.txt")));
    home.write(QStringLiteral("qvmMirvel/Program/fra gammel version.txt"), "x");
    if (damage == u"old stamp")
        QVERIFY(platform::writeTextLines(stampFile, {QStringLiteral("0.0.1-gammel")}));
    else if (damage == u"no stamp")
        QVERIFY(QFile::remove(stampFile));
    else if (damage == u"missing")
        QVERIFY(QDir(f.programmappe).removeRecursively());
    else {
        QVERIFY(QDir().rename(f.programmappe, f.programmappe + QStringLiteral(".gammel")));
        home.write(QStringLiteral("qvmMirvel/Program.ny/halv.txt"), "x");
    }

    QCOMPARE(installContent(shipped, f.programmappe), ContentInstall::Installed);
    QCOMPARE(contentStamp(f.programmappe), contentStamp(shipped));
    QVERIFY(QFileInfo::exists(f.programmappe + QStringLiteral("/Dos/lsblk.txt")));
    QVERIFY(!QFileInfo::exists(f.programmappe + QStringLiteral("/fra gammel version.txt")));
    QCOMPARE(entriesOf(f.grundMappe), QStringList({QStringLiteral("Program"), QStringLiteral("anna")}));
    QCOMPARE(installContent(shipped, f.programmappe), ContentInstall::UpToDate);
}

void DataFoldersTest::noShippedTreeTouchesNothing()
{
    TestHome home;
    const DataFolders f = dataFoldersFor(home.path(), QStringLiteral("anna"));
    home.write(QStringLiteral("qvmMirvel/Program/egen.txt"), "x");
    QCOMPARE(installContent(home / QStringLiteral("findes-ikke"), f.programmappe), ContentInstall::NoSource);
    QVERIFY(QFileInfo::exists(f.programmappe + QStringLiteral("/egen.txt")));
    // Without templates the user's folders are still made, empty.
    QCOMPARE(createDataFolders(f, home / QStringLiteral("findes-ikke")), QStringList());
    QVERIFY(QFileInfo(f.OptMappe).isDir());
    QVERIFY(QDir(f.dosMappe).isEmpty());
}

void DataFoldersTest::wholeCopyNeverOverwritesAndSkipsLinks()
{
    TestHome home;
    home.write(QStringLiteral("kilde/a.txt"), "a");
    home.write(QStringLiteral("kilde/under/b.txt"), "b");
    home.write(QStringLiteral("kilde/script.sh"), "#!/bin/sh\n");
    QVERIFY(QFile::setPermissions(home / QStringLiteral("kilde/script.sh"),
                                  QFile::permissions(home / QStringLiteral("kilde/script.sh")) | QFile::ExeOwner));
    QVERIFY(QFile::link(home / QStringLiteral("kilde/under"), home / QStringLiteral("kilde/link")));
    home.write(QStringLiteral("maal/a.txt"), "brugerens");
    QVERIFY(!copyFolderWhole(home / QStringLiteral("kilde"), home / QStringLiteral("maal")));
    QCOMPARE(contentOf(home / QStringLiteral("maal/a.txt")), QByteArray("brugerens"));

    QVERIFY(copyFolderWhole(home / QStringLiteral("kilde"), home / QStringLiteral("ny")));
    QCOMPARE(contentOf(home / QStringLiteral("ny/under/b.txt")), QByteArray("b"));
    QVERIFY(QFileInfo(home / QStringLiteral("ny/script.sh")).isExecutable());
    QVERIFY(!QFileInfo(home / QStringLiteral("ny/a.txt")).isExecutable());
    QVERIFY(!QFileInfo(home / QStringLiteral("ny/link")).exists());
}

QTEST_GUILESS_MAIN(DataFoldersTest)
#include "test_datafolders.moc"
