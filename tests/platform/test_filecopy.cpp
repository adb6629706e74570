#include "platform/filecopy.h"
#include "tests/common/testhome.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <sys/stat.h>

using platform::KopiResultat;

namespace {

QByteArray indhold(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<mangler>");
}

// Nothing but the expected names stand in the folder: no temporary copy is left behind.
QStringList navne(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

}  // namespace

class FileCopyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { platform::installKopiFejl({}); }
    void copiesContentModeAndTime();
    void replacesOnlyWhenAsked();
    void stopAndFaultLeaveNothingHalf_data();
    void stopAndFaultLeaveNothingHalf();
    void linksEmptyFilesAndSpecialFiles();
    void acrossFileSystems();
};

void FileCopyTest::copiesContentModeAndTime()
{
    TestHome home;
    const QByteArray data(3 * 1024 * 1024 + 17, 'q');
    home.write("k/a.bin", data);
    QVERIFY(QFile::setPermissions(home / "k/a.bin", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QDateTime tid = QDateTime::fromSecsSinceEpoch(1600000000);
    {
        QFile f(home / "k/a.bin");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(tid, QFileDevice::FileModificationTime));
    }
    home.make({"m/"});
    qint64 sidst = -1;
    QCOMPARE(platform::kopierFil(home / "k/a.bin", home / "m/a.bin", false,
                                 [&](qint64 kopieret, qint64 total) {
                                     sidst = kopieret;
                                     return total == data.size();
                                 }),
             KopiResultat::Kopieret);
    QCOMPARE(sidst, data.size());
    QCOMPARE(indhold(home / "m/a.bin"), data);
    QCOMPARE(QFileInfo(home / "m/a.bin").permissions() & 0x0FFF, QFileInfo(home / "k/a.bin").permissions() & 0x0FFF);
    QCOMPARE(QFileInfo(home / "m/a.bin").lastModified(), tid);
    QCOMPARE(navne(home / "m"), QStringList{"a.bin"});
}

void FileCopyTest::replacesOnlyWhenAsked()
{
    TestHome home;
    home.write("a.txt", "ny");
    home.write("m/a.txt", "gammel");
    int kode = 0;
    QCOMPARE(platform::kopierFil(home / "a.txt", home / "m/a.txt", false, {}, &kode), KopiResultat::Fejl);
    QCOMPARE(kode, EEXIST);
    QCOMPARE(indhold(home / "m/a.txt"), QByteArray("gammel"));
    QCOMPARE(platform::kopierFil(home / "a.txt", home / "m/a.txt", true, {}), KopiResultat::Kopieret);
    QCOMPARE(indhold(home / "m/a.txt"), QByteArray("ny"));
    QCOMPARE(navne(home / "m"), QStringList{"a.txt"});
}

void FileCopyTest::stopAndFaultLeaveNothingHalf_data()
{
    QTest::addColumn<bool>("stop");
    QTest::newRow("stop in the middle") << true;
    QTest::newRow("failure in the middle") << false;
}

void FileCopyTest::stopAndFaultLeaveNothingHalf()
{
    QFETCH(bool, stop);
    TestHome home;
    home.write("stor.bin", QByteArray(20 * 1024 * 1024, 's'));
    home.write("m/stor.bin", "det gamle");
    if (!stop)
        platform::installKopiFejl([](const QString&, qint64 offset) { return offset > 0 ? ENOSPC : 0; });
    int kaldt = 0;
    int kode = 0;
    const auto resultat = platform::kopierFil(home / "stor.bin", home / "m/stor.bin", true,
                                              [&](qint64, qint64) { return ++kaldt < 2 || !stop; }, &kode);
    QCOMPARE(resultat, stop ? KopiResultat::Stoppet : KopiResultat::Fejl);
    if (!stop)
        QCOMPARE(kode, ENOSPC);
    // The old target is kept whole and no partial copy is left.
    QCOMPARE(indhold(home / "m/stor.bin"), QByteArray("det gamle"));
    QCOMPARE(navne(home / "m"), QStringList{"stor.bin"});
}

void FileCopyTest::linksEmptyFilesAndSpecialFiles()
{
    TestHome home;
    home.write("tom", QByteArray());
    QVERIFY(QFile::link("tom", home / "link"));
    QVERIFY(::mkfifo(QFile::encodeName(home / "fifo").constData(), 0644) == 0);
    home.make({"m/"});
    QList<std::pair<qint64, qint64>> fremgang;
    QCOMPARE(platform::kopierFil(home / "tom", home / "m/tom", false,
                                 [&](qint64 k, qint64 t) {
                                     fremgang.append({k, t});
                                     return true;
                                 }),
             KopiResultat::Kopieret);
    QCOMPARE(fremgang, (QList<std::pair<qint64, qint64>>{{0, 0}}));
    QCOMPARE(platform::kopierFil(home / "link", home / "m/link", false, {}), KopiResultat::Kopieret);
    QCOMPARE(QFileInfo(home / "m/link").symLinkTarget(), home / "m/tom");
    QCOMPARE(platform::kopierFil(home / "fifo", home / "m/fifo", false, {}), KopiResultat::IkkeKopieret);
    QCOMPARE(navne(home / "m"), QStringList({"link", "tom"}));
}

void FileCopyTest::acrossFileSystems()
{
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        QSKIP("no second file system at /dev/shm");
    TestHome home;
    home.write("a.bin", QByteArray(2 * 1024 * 1024, 'x'));
    QTemporaryDir andet(QStringLiteral("/dev/shm/qvm-test-XXXXXX"));
    QVERIFY(andet.isValid());
    QCOMPARE(platform::kopierFil(home / "a.bin", andet.path() + "/a.bin", false, {}), KopiResultat::Kopieret);
    QCOMPARE(QFileInfo(andet.path() + "/a.bin").size(), 2 * 1024 * 1024);
}

QTEST_GUILESS_MAIN(FileCopyTest)
#include "test_filecopy.moc"
