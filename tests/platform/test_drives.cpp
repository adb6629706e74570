#include "platform/drives.h"
#include "tests/common/testhome.h"

#include <QFile>
#include <QtTest>

using platform::DriveKind;

class DrivesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void kindsAndLabels_data();
    void kindsAndLabels();
    void malformedLinesArePassedOver();
    void runningSystemHasRoot();

private:
    QList<platform::DriveInfo> parsed;
    std::unique_ptr<TestHome> home;
};

void DrivesTest::initTestCase()
{
    home = std::make_unique<TestHome>();
    // A sysfs and a by-label folder of our own: sdb and mmcblk0 are removable, nvme0n1 is not.
    home->write(QStringLiteral("sys/block/sda/removable"), "0\n");
    home->write(QStringLiteral("sys/block/sdb/removable"), "1\n");
    home->write(QStringLiteral("sys/block/nvme0n1/removable"), "0\n");
    home->write(QStringLiteral("sys/block/mmcblk0/removable"), "1\n");
    QDir().mkpath(*home / QStringLiteral("by-label"));
    QVERIFY(QFile::link(QStringLiteral("/dev/sdb1"), *home / QStringLiteral("by-label/USB\\x20STICK")));
    QVERIFY(QFile::link(QStringLiteral("/dev/sda2"), *home / QStringLiteral("by-label/rod")));

    QFile fixture(QStringLiteral(QVM_FIXTURES "/mountinfo-desktop.txt"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    parsed = platform::parseMountInfo(fixture.readAll(),
                                      {*home / QStringLiteral("sys"), *home / QStringLiteral("by-label")});
}

void DrivesTest::kindsAndLabels_data()
{
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<DriveKind>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("fsType");
    QTest::newRow("root ext4") << "/" << DriveKind::Fixed << "rod" << "ext4";
    QTest::newRow("proc") << "/proc" << DriveKind::Pseudo << "" << "proc";
    QTest::newRow("cgroup2") << "/sys/fs/cgroup" << DriveKind::Pseudo << "" << "cgroup2";
    QTest::newRow("tmpfs") << "/run" << DriveKind::Ram << "" << "tmpfs";
    QTest::newRow("efi partition") << "/boot/efi" << DriveKind::Fixed << "" << "vfat";
    QTest::newRow("usb stick, blank in name") << "/media/anna/USB STICK" << DriveKind::Removable << "USB STICK" << "vfat";
    QTest::newRow("dvd") << "/media/anna/DVD Film" << DriveKind::Optical << "" << "iso9660";
    QTest::newRow("nfs") << "/mnt/nas" << DriveKind::Network << "" << "nfs4";
    QTest::newRow("sshfs") << "/home/anna/fjern" << DriveKind::Network << "" << "fuse.sshfs";
    QTest::newRow("nvme partition, tab and backslash") << "/mnt/tab\tog\\streg" << DriveKind::Fixed << "" << "ext4";
    QTest::newRow("memory card partition") << "/media/anna/kort" << DriveKind::Removable << "" << "exfat";
    QTest::newRow("local fuse") << "/run/user/1000/doc" << DriveKind::Pseudo << "" << "fuse.portal";
}

void DrivesTest::kindsAndLabels()
{
    QFETCH(QString, mountPoint);
    QFETCH(DriveKind, kind);
    QFETCH(QString, label);
    QFETCH(QString, fsType);
    const auto found = std::find_if(parsed.begin(), parsed.end(),
                                    [&](const platform::DriveInfo& d) { return d.mountPoint == mountPoint; });
    QVERIFY2(found != parsed.end(), qPrintable(mountPoint));
    QCOMPARE(found->kind, kind);
    QCOMPARE(found->label, label);
    QCOMPARE(found->fsType, fsType);
}

void DrivesTest::malformedLinesArePassedOver()
{
    QCOMPARE(parsed.size(), 13);
    QCOMPARE(parsed.first().source, QStringLiteral("/dev/sda2"));
    QVERIFY(platform::parseMountInfo("").isEmpty());
    QVERIFY(platform::parseMountInfo("1 2 3\n- - -\n").isEmpty());
}

void DrivesTest::runningSystemHasRoot()
{
    const auto drives = platform::makeLinuxDrives()->mounted();
    const auto root = std::find_if(drives.begin(), drives.end(),
                                   [](const platform::DriveInfo& d) { return d.mountPoint == u"/"; });
    QVERIFY(root != drives.end());
    QCOMPARE(root->kind, DriveKind::Fixed);
}

QTEST_GUILESS_MAIN(DrivesTest)
#include "test_drives.moc"
