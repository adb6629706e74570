#include "platform/drives.h"
#include "platform/sysinfo.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

using Forekomster = QList<QHash<QString, QString>>;

struct Koersel {
    int kode = -1;
    QString ud, fejl;
};

Koersel koer(const QString& program, const QStringList& argumenter, const QString& mappe = QString(),
             const QProcessEnvironment& miljoe = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setWorkingDirectory(mappe);
    p.setProcessEnvironment(miljoe);
    p.start(program, argumenter);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// The instances of the helper's text output for one class: the blocks of "Name = value" lines
// after the class's heading.
Forekomster forekomsterAf(const QString& tekst)
{
    Forekomster alle;
    QHash<QString, QString> en;
    const QStringList linjer = tekst.split(u'\n');
    for (qsizetype i = 2; i < linjer.size(); ++i) {
        const qsizetype lig = linjer[i].indexOf(QStringLiteral(" = "));
        if (lig > 0) {
            en.insert(linjer[i].left(lig), linjer[i].mid(lig + 3));
        } else if (!en.isEmpty()) {
            alle.append(en);
            en.clear();
        }
    }
    return alle;
}

Forekomster helper(const QString& klasse)
{
    const Koersel k = koer(QStringLiteral(QVM_SYSINFO), {klasse});
    if (k.kode != 0)
        qWarning("%s: %s", qPrintable(klasse), qPrintable(k.fejl));
    return forekomsterAf(k.ud);
}

// A file that even root cannot read: a folder where the file should be (reading it fails as a
// root-only file does for a user).
void ulaeselig(const QString& sti)
{
    QDir().mkpath(QFileInfo(sti).absolutePath());
    if (geteuid() == 0) {
        QDir().mkpath(sti);
        return;
    }
    QFile f(sti);
    f.open(QIODevice::WriteOnly);
    f.write("hemmelig\n");
    f.close();
    f.setPermissions({});
}

// The instances of a class read from a fixture root instead of the system's: "path=content" a file
// below the root, "path!" one that cannot be read, "path/" a folder, "path@target" a link; ROD
// anywhere stands for the root itself.
QList<platform::Forekomst> forekomsterPaaRod(const QString& rod, const QStringList& filer, const QString& klasse)
{
    for (QString fil : filer) {
        fil.replace(QStringLiteral("ROD"), rod);
        const qsizetype lig = fil.indexOf(u'=');
        const qsizetype at = fil.indexOf(u'@');
        const QString sti = rod + u'/' + fil.left(at >= 0 && (lig < 0 || at < lig) ? at : lig);
        QDir().mkpath(QFileInfo(sti).absolutePath());
        if (at >= 0 && (lig < 0 || at < lig)) {
            QFile::link(fil.mid(at + 1), sti);
        } else if (sti.endsWith(u'!')) {
            ulaeselig(sti.chopped(1));
        } else if (sti.endsWith(u'/')) {
            QDir().mkpath(sti);
        } else {
            QFile f(sti);
            f.open(QIODevice::WriteOnly);
            f.write(fil.mid(lig + 1).toUtf8());
        }
    }
    platform::SystemRoots roots;
    roots.procRoot = rod + QStringLiteral("/proc");
    roots.sysRoot = rod + QStringLiteral("/sys");
    roots.etcRoot = rod + QStringLiteral("/etc");
    roots.devRoot = QStringLiteral("/dev");
    roots.idsDirs = {rod + QStringLiteral("/ids")};
    roots.systemctl.clear();
    roots.statvfs = false;
    return platform::Systemoplysninger(roots).forekomster(klasse);
}

}  // namespace

// The helper qvm-sysinfo and the installation's WMI and applet scripts: the facts against this
// machine's own tools, fixture roots for the cases this machine does not have, and the scripts
// with recording fake tools.
class SysinfoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesThisMachine();
    void everyClassPrints();
    void argumentsAndExitCodes_data();
    void argumentsAndExitCodes();
    void factsOnFixtureRoots_data();
    void factsOnFixtureRoots();
    void unitsOfTheClasses_data();
    void unitsOfTheClasses();
    void htmlIsEscaped();
    void scriptsRefuseNoClassNames_data();
    void scriptsRefuseNoClassNames();
    void writtenScriptWritesBesideItself_data();
    void writtenScriptWritesBesideItself();
    void appletsOpenTheDesktopsPage_data();
    void appletsOpenTheDesktopsPage();
    void appletsWithNothingInstalled();

private:
    // A folder of programs for a PATH: fake tools that record their arguments in a log (with
    // "--list" they print their list), and links to the basic tools the scripts use.
    QString vaerktoejer(const QString& mappe, const QStringList& falske, const QString& log);
    QProcessEnvironment miljoe(const QString& sti, const QString& skrivebord, const QString& hjem);
};

void SysinfoTest::matchesThisMachine()
{
    // Processors: the logical processors of all packages are nproc's count, their L2 caches in
    // kilobytes lscpu's sum in bytes.
    int logiske = 0;
    qint64 l2 = 0;
    for (const auto& p : helper(QStringLiteral("Win32_Processor"))) {
        logiske += p.value(QStringLiteral("NumberOfLogicalProcessors")).toInt();
        l2 += p.value(QStringLiteral("L2CacheSize")).toLongLong();
    }
    QCOMPARE(logiske, koer(QStringLiteral("nproc"), {}).ud.trimmed().toInt());
    qint64 lscpuL2 = 0;
    for (const QString& linje : koer(QStringLiteral("lscpu"), {"-B", "-C=NAME,ALL-SIZE"}).ud.split(u'\n'))
        if (linje.simplified().section(u' ', 0, 0) == u"L2")
            lscpuL2 = linje.simplified().section(u' ', 1, 1).toLongLong();
    QCOMPARE(l2 * 1024, lscpuL2);

    // Memory in kilobytes as free counts it: the totals exactly, what is free within 5 % (it moves).
    const QStringList freeUd = koer(QStringLiteral("free"), {QStringLiteral("-k")}).ud.split(u'\n');
    const QStringList mem = freeUd.value(1).simplified().split(u' ');
    const QStringList swap = freeUd.value(2).simplified().split(u' ');
    QVERIFY2(mem.size() >= 7 && swap.size() >= 4, qPrintable(freeUd.join(u'\n')));
    const auto os = helper(QStringLiteral("Win32_OperatingSystem"));
    QCOMPARE(os.size(), 1);
    const qint64 total = mem[1].toLongLong();
    QCOMPARE(os[0].value(QStringLiteral("TotalVisibleMemorySize")).toLongLong(), total);
    QCOMPARE(os[0].value(QStringLiteral("TotalVirtualMemorySize")).toLongLong(), total + swap[1].toLongLong());
    QVERIFY(std::abs(os[0].value(QStringLiteral("FreePhysicalMemory")).toLongLong() - mem[6].toLongLong()) <= total / 20);
    QVERIFY(std::abs(os[0].value(QStringLiteral("FreeVirtualMemory")).toLongLong() - mem[6].toLongLong() - swap[3].toLongLong())
            <= total / 20);

    // "/": size and free space as df tells them, within 1 %.
    const QStringList df = koer(QStringLiteral("df"), {QStringLiteral("-B1"), QStringLiteral("/")}).ud.split(u'\n').value(1).simplified().split(u' ');
    QVERIFY(df.size() >= 4);
    bool fundet = false;
    for (const auto& d : helper(QStringLiteral("Win32_LogicalDisk"))) {
        if (d.value(QStringLiteral("DeviceID")) != u"/")
            continue;
        fundet = true;
        QCOMPARE(d.value(QStringLiteral("DriveType")), QStringLiteral("3"));
        const double str = d.value(QStringLiteral("Size")).toDouble();
        const double fri = d.value(QStringLiteral("FreeSpace")).toDouble();
        QVERIFY2(std::abs(str - df[1].toDouble()) <= df[1].toDouble() * 0.01, qPrintable(df.join(u' ')));
        QVERIFY2(std::abs(fri - df[3].toDouble()) <= df[1].toDouble() * 0.01, qPrintable(df.join(u' ')));
    }
    QVERIFY(fundet);
    // The drives are the explorer's, and no RAM or pseudo file system df shows is among them.
    QStringList drev, brugerdrev;
    for (const auto& d : helper(QStringLiteral("Win32_LogicalDisk")))
        drev.append(d.value(QStringLiteral("DeviceID")));
    for (const platform::DriveInfo& d : platform::userDrives(platform::makeLinuxDrives()->mounted()))
        brugerdrev.append(d.mountPoint);
    QCOMPARE(drev, brugerdrev);
    for (const QString& linje : koer(QStringLiteral("df"), {QStringLiteral("--output=fstype,target")}).ud.split(u'\n').mid(1)) {
        const QString type = linje.simplified().section(u' ', 0, 0);
        if (type == u"tmpfs" || type == u"devtmpfs")
            QVERIFY2(!drev.contains(linje.simplified().section(u' ', 1)), qPrintable(linje));
    }

    // Disks: each size as lsblk gives it.
    QHash<QString, QString> lsblk;
    for (const QString& linje : koer(QStringLiteral("lsblk"), {"-b", "-d", "-n", "-o", "NAME,SIZE"}).ud.split(u'\n', Qt::SkipEmptyParts))
        lsblk.insert(QStringLiteral("/dev/") + linje.simplified().section(u' ', 0, 0), linje.simplified().section(u' ', 1, 1));
    for (const auto& d : helper(QStringLiteral("Win32_DiskDrive")))
        QCOMPARE(d.value(QStringLiteral("Size")), lsblk.value(d.value(QStringLiteral("DeviceID"))));

    // The system's name as os-release gives it.
    QString pretty;
    for (const char* sti : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile f{QLatin1String(sti)};
        if (pretty.isEmpty() && f.open(QIODevice::ReadOnly))
            for (const QByteArray& linje : f.readAll().split('\n'))
                if (linje.startsWith("PRETTY_NAME="))
                    pretty = QString::fromUtf8(linje.mid(12)).remove(u'"');
    }
    QCOMPARE(os[0].value(QStringLiteral("Caption")), pretty);
}

void SysinfoTest::everyClassPrints()
{
    const Koersel klasser = koer(QStringLiteral(QVM_SYSINFO), {QStringLiteral("--klasser")});
    QCOMPARE(klasser.kode, 0);
    QStringList navne = klasser.ud.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(navne, platform::Systemoplysninger::klasser());
    QVERIFY(navne.contains(QStringLiteral("Win32_BIOS")) && navne.size() == 19);
    QStringList sorteret = navne;
    sorteret.sort();
    QCOMPARE(navne, sorteret);
    for (const QString& klasse : navne) {
        const Koersel k = koer(QStringLiteral(QVM_SYSINFO), {klasse});
        QVERIFY2(k.kode == 0 && k.ud.startsWith(klasse + u'\n'), qPrintable(klasse + k.fejl));
        QVERIFY2(k.ud.contains(QStringLiteral(" = ")) || k.ud.contains(QStringLiteral("Ingen forekomster.")), qPrintable(klasse));
        const Koersel h = koer(QStringLiteral(QVM_SYSINFO), {QStringLiteral("--html"), klasse});
        QVERIFY2(h.kode == 0 && h.ud.startsWith(QStringLiteral("<!DOCTYPE html>")) && h.ud.contains(QStringLiteral("charset=\"utf-8\"")),
                 qPrintable(klasse));
    }
    const Koersel oversigt = koer(QStringLiteral(QVM_SYSINFO), {QStringLiteral("--html"), QStringLiteral("--oversigt")});
    QCOMPARE(oversigt.kode, 0);
    QVERIFY(oversigt.ud.contains(QStringLiteral("<h2>Win32_Processor</h2>")));
}

void SysinfoTest::argumentsAndExitCodes_data()
{
    QTest::addColumn<QStringList>("argumenter");
    QTest::addColumn<int>("kode");
    QTest::addColumn<QString>("ud");    // how standard output starts
    QTest::addColumn<QString>("fejl");  // how standard error starts
    const QString brug = QStringLiteral("Brug: qvm-sysinfo --klasser | [--html] KLASSE... | --html --oversigt | --help\n");
    QTest::newRow("help") << QStringList{"--help"} << 0 << brug << "";
    QTest::newRow("help beside a class") << QStringList{"Win32_BIOS", "--help"} << 0 << brug << "";
    QTest::newRow("nothing") << QStringList() << 2 << "" << brug;
    QTest::newRow("unknown option") << QStringList{"--hjaelp"} << 2 << "" << brug;
    QTest::newRow("short option") << QStringList{"-h"} << 2 << "" << brug;
    QTest::newRow("class list with more") << QStringList{"--klasser", "Win32_BIOS"} << 2 << "" << brug;
    QTest::newRow("overview with a class") << QStringList{"--html", "--oversigt", "Win32_BIOS"} << 2 << "" << brug;
    // An unknown class: a Danish line, nothing printed, also beside a known one.
    const QString ukendt = QStringLiteral("Ukendt klasse: Win32_Findesikke. Se listen med qvm-sysinfo --klasser.\n");
    QTest::newRow("unknown class") << QStringList{"Win32_Findesikke"} << 2 << "" << ukendt;
    QTest::newRow("unknown beside a known class") << QStringList{"Win32_BIOS", "Win32_Findesikke"} << 2 << "" << ukendt;
    QTest::newRow("unknown class as HTML") << QStringList{"--html", "Win32_Findesikke"} << 2 << "" << ukendt;
}

// --help answers on standard output with success; any wrong call on standard error with code 2.
void SysinfoTest::argumentsAndExitCodes()
{
    QFETCH(QStringList, argumenter);
    QFETCH(int, kode);
    QFETCH(QString, ud);
    QFETCH(QString, fejl);
    const Koersel k = koer(QStringLiteral(QVM_SYSINFO), argumenter);
    QCOMPARE(k.kode, kode);
    QVERIFY2(ud.isEmpty() ? k.ud.isEmpty() : k.ud.startsWith(ud), qPrintable(k.ud));
    QVERIFY2(fejl.isEmpty() ? k.fejl.isEmpty() : k.fejl.startsWith(fejl), qPrintable(k.fejl));
    if (kode == 0)
        QVERIFY(k.ud.contains(QStringLiteral("--html --oversigt")) && k.ud.endsWith(u'\n'));
}

void SysinfoTest::factsOnFixtureRoots_data()
{
    QTest::addColumn<QStringList>("filer");   // as forekomsterPaaRod takes them
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<int>("antal");
    QTest::addColumn<int>("nr");              // the instance checked
    QTest::addColumn<QStringList>("forventet");  // "Name=value", or "!Name" for a property left out

    const QString arm = QStringLiteral("processor\t: %1\nBogoMIPS\t: 108.00\nFeatures\t: fp asimd evtstrm crc32 cpuid\n"
                                       "CPU implementer\t: 0x41\nCPU architecture: 8\nCPU variant\t: 0x0\nCPU part\t: 0xd08\n"
                                       "CPU revision\t: 3\n\n");
    QTest::newRow("no DMI: BIOS") << QStringList{"sys/class/net/"} << "Win32_BIOS" << 0 << 0 << QStringList();
    QTest::newRow("no DMI: base board") << QStringList{"sys/"} << "Win32_BaseBoard" << 0 << 0 << QStringList();
    QTest::newRow("DMI with a root-only serial")
        << QStringList{"sys/class/dmi/id/bios_vendor=SeaBIOS\n", "sys/class/dmi/id/bios_version=1.16.2\n",
                       "sys/class/dmi/id/bios_date=04/01/2014\n", "sys/class/dmi/id/product_serial!"}
        << "Win32_BIOS" << 1 << 0 << QStringList{"Manufacturer=SeaBIOS", "SMBIOSBIOSVersion=1.16.2", "ReleaseDate=04/01/2014", "!SerialNumber"};
    QTest::newRow("ARM cpuinfo")
        << QStringList{"proc/cpuinfo=" + arm.arg(0) + arm.arg(1) + arm.arg(2) + arm.arg(3)
                       + "Hardware\t: BCM2835\nModel\t\t: Raspberry Pi 4 Model B Rev 1.4\n",
                       "sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq=1800000\n"}
        << "Win32_Processor" << 1 << 0
        << QStringList{"Name=ARM Cortex-A72", "Manufacturer=ARM", "Architecture=12", "NumberOfLogicalProcessors=4",
                       "NumberOfCores=4", "MaxClockSpeed=1800", "!CurrentClockSpeed"};
    const QString x86 = QStringLiteral("processor\t: %1\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Xeon(R) Gold\n"
                                       "cpu MHz\t\t: 2593.906\nphysical id\t: %2\ncore id\t\t: %3\nflags\t\t: fpu lm hypervisor\n\n");
    QTest::newRow("two x86 packages")
        << QStringList{"proc/cpuinfo=" + x86.arg(0).arg(0).arg(0) + x86.arg(1).arg(0).arg(1) + x86.arg(2).arg(1).arg(0) + x86.arg(3).arg(1).arg(1)}
        << "Win32_Processor" << 2 << 1
        << QStringList{"DeviceID=CPU1", "Name=Intel(R) Xeon(R) Gold", "Architecture=9", "NumberOfLogicalProcessors=2",
                       "NumberOfCores=2", "CurrentClockSpeed=2594", "!MaxClockSpeed"};
    // Of the mounts, only what the explorer lists as drives: no pseudo, RAM or network file system,
    // no mount point that is not a folder, and a place mounted twice once, as mounted last.
    const QString mounts = QStringLiteral(
        "22 1 254:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
        "23 22 0:5 / /proc rw shared:2 - proc proc rw\n"
        "24 22 0:29 / /sys/fs/cgroup rw - tmpfs tmpfs rw,mode=755\n"
        "25 22 0:26 / ROD/sandkasse ro - tmpfs tmpfs ro,size=4k\n"
        "26 22 8:17 / ROD/media/min\\040stick rw shared:3 - ext4 /dev/sdb1 rw\n"
        "27 22 0:40 / ROD/net rw shared:4 - nfs4 server:/export rw\n"
        "28 22 8:33 / ROD/findes/ikke rw - ext4 /dev/sdc1 rw\n"
        "29 26 8:17 / ROD/media/min\\040stick rw shared:5 - vfat /dev/sdb1 rw\n");
    const QStringList mapper{"sandkasse/", "media/min stick/", "net/"};
    QTest::newRow("drives as the explorer lists them")
        << QStringList{"proc/self/mountinfo=" + mounts, "sys/block/sdb/removable=1\n"} + mapper << "Win32_LogicalDisk" << 2 << 1
        << QStringList{"DeviceID=ROD/media/min stick", "DriveType=2", "Description=Flytbar disk", "FileSystem=vfat", "!Size"};
    QTest::newRow("the root file system") << QStringList{"proc/self/mountinfo=" + mounts} + mapper << "Win32_LogicalDisk" << 2 << 0
                                          << QStringList{"DeviceID=/", "DriveType=3", "Description=Lokal disk", "FileSystem=ext4"};
    QTest::newRow("no battery") << QStringList{"sys/class/power_supply/AC/type=Mains\n"} << "Win32_Battery" << 0 << 0 << QStringList();
    QTest::newRow("a battery")
        << QStringList{"sys/class/power_supply/AC/type=Mains\n", "sys/class/power_supply/BAT0/type=Battery\n",
                       "sys/class/power_supply/BAT0/capacity=87\n", "sys/class/power_supply/BAT0/status=Discharging\n",
                       "sys/class/power_supply/BAT0/technology=Li-ion\n", "sys/class/power_supply/BAT0/energy_full_design=57000000\n",
                       "sys/class/power_supply/BAT0/manufacturer!"}
        << "Win32_Battery" << 1 << 0
        << QStringList{"DeviceID=BAT0", "EstimatedChargeRemaining=87", "BatteryStatus=1", "Chemistry=6", "DesignCapacity=57000",
                       "!Manufacturer"};
    QTest::newRow("disk and partitions")
        << QStringList{"sys/block/sda/device/model=Samsung SSD 870\n", "sys/block/sda/size=2048\n", "sys/block/sda/removable=0\n",
                       "sys/block/sda/sda1/partition=1\n", "sys/block/sda/sda1/size=1024\n", "sys/block/sda/sda2/partition=2\n",
                       "sys/block/loop0/size=100\n"}
        << "Win32_DiskDrive" << 1 << 0
        << QStringList{"DeviceID=/dev/sda", "Size=1048576", "Partitions=2", "Model=Samsung SSD 870", "MediaType=Fixed hard disk media"};
    QTest::newRow("partitions")
        << QStringList{"sys/block/sda/device/", "sys/block/sda/size=2048\n", "sys/block/sda/sda1/partition=1\n",
                       "sys/block/sda/sda1/size=1024\n", "sys/block/sda/sda1/start=2048\n", "sys/block/sda/sda2/partition=2\n",
                       "sys/block/sda/sda2/size!"}
        << "Win32_DiskPartition" << 2 << 1 << QStringList{"DeviceID=/dev/sda2", "Name=Disk #0, Partition #1", "!Size"};
    QTest::newRow("video card named from pci.ids")
        << QStringList{"sys/bus/pci/devices/0000:00:02.0/vendor=0x8086\n", "sys/bus/pci/devices/0000:00:02.0/device=0x46a6\n",
                       "sys/bus/pci/devices/0000:00:02.0/class=0x030000\n", "sys/bus/pci/devices/0000:00:1f.3/vendor=0x8086\n",
                       "sys/bus/pci/devices/0000:00:1f.3/device=0x51c8\n", "sys/bus/pci/devices/0000:00:1f.3/class=0x040300\n",
                       "ids/pci.ids=# comment\n1002  AMD\n\t46a6  Not this\n8086  Intel Corporation\n\t1234  Other\n"
                       "\t\t1028 0001  Sub\n\t46a6  Alder Lake-P GT2 [Iris Xe Graphics]\n8087  Intel Corp.\n"}
        << "Win32_VideoController" << 1 << 0
        << QStringList{"Name=Alder Lake-P GT2 [Iris Xe Graphics]", "AdapterCompatibility=Intel Corporation",
                       "PNPDeviceID=PCI\\VEN_8086&DEV_46A6&SUBSYS_00000000\\0000:00:02.0"};
    QTest::newRow("os-release")
        << QStringList{"etc/os-release=NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian <12> & \\\"co\\\"\"\nVERSION_ID=\"12\"\n",
                       "proc/sys/kernel/osrelease=6.1.0-18-amd64\n", "proc/meminfo=MemTotal:       1000 kB\nMemAvailable:    500 kB\n"}
        << "Win32_OperatingSystem" << 1 << 0
        << QStringList{"Caption=Debian <12> & \"co\"", "Version=12", "BuildNumber=6.1.0-18-amd64", "TotalVisibleMemorySize=1000",
                       "FreePhysicalMemory=500", "!TotalVirtualMemorySize"};
    QTest::newRow("users") << QStringList{"etc/passwd=root:x:0:0:root:/root:/bin/bash\nbin:x:2:2:bin:/bin:/usr/sbin/nologin\n"
                                          "eva:x:1000:1000:Eva Hansen,,,:/home/eva:/bin/bash\n",
                                          "proc/sys/kernel/hostname=pc\n"}
                           << "Win32_UserAccount" << 3 << 2
                           << QStringList{"Name=eva", "FullName=Eva Hansen", "Caption=pc\\eva", "SID=S-1-22-1-1000", "Disabled=False"};
    QTest::newRow("start-up commands")
        << QStringList{"etc/xdg/autostart/a.desktop=[Desktop Entry]\nName=Agent\nExec=agent --start\n",
                       "etc/xdg/autostart/b.desktop=[Desktop Entry]\nName=Skjult\nExec=b\nHidden=true\n"}
        << "Win32_StartupCommand" << 1 << 0 << QStringList{"Name=Agent", "Command=agent --start", "Location=Common Startup"};
    QTest::newRow("time zone") << QStringList{"etc/timezone=Europe/Copenhagen\n"} << "Win32_TimeZone" << 1 << 0
                               << QStringList{"Description=Europe/Copenhagen", "Bias=60", "Caption=(UTC+01:00) Europe/Copenhagen"};
}

void SysinfoTest::factsOnFixtureRoots()
{
    QFETCH(QStringList, filer);
    QFETCH(QString, klasse);
    QFETCH(int, antal);
    QFETCH(int, nr);
    QFETCH(QStringList, forventet);
    QTemporaryDir rod;
    const QList<platform::Forekomst> alle = forekomsterPaaRod(rod.path(), filer, klasse);
    QCOMPARE(alle.size(), antal);
    if (antal == 0) {
        QCOMPARE(platform::somTekst({{klasse, alle}}), klasse + u'\n' + QString(klasse.size(), u'=') + QStringLiteral("\n\nIngen forekomster.\n\n"));
        return;
    }
    const platform::Forekomst& f = alle[nr];
    for (const QString& egenskab : forventet) {
        if (egenskab.startsWith(u'!')) {
            QVERIFY2(f.vaerdi(egenskab.mid(1)).isEmpty(), qPrintable(egenskab + u' ' + f.vaerdi(egenskab.mid(1))));
            for (const auto& [navn, vaerdi] : f.egenskaber)
                QVERIFY(!vaerdi.isEmpty());
        } else {
            QCOMPARE(egenskab.section(u'=', 0, 0) + u'=' + f.vaerdi(egenskab.section(u'=', 0, 0)),
                     QString(egenskab).replace(QStringLiteral("ROD"), rod.path()));
        }
    }
}

void SysinfoTest::unitsOfTheClasses_data()
{
    QTest::addColumn<QStringList>("filer");  // as forekomsterPaaRod takes them
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("egenskab");
    QTest::addColumn<QString>("forventet");  // the value of the first instance

    // Each number in its class's unit, from the kernel's: meminfo counts kilobytes, cpufreq
    // kilohertz, a block device 512-byte sectors, a network card megabits per second, a battery
    // microwatt-hours, and a process's priority runs on a scale of the kernel's own.
    const QString meminfo = QStringLiteral("proc/meminfo=MemTotal:       24683612 kB\nMemFree:        23512424 kB\n"
                                           "MemAvailable:   23844584 kB\nSwapTotal:       2097148 kB\nSwapFree:        1048576 kB\n");
    QTest::newRow("OperatingSystem.TotalVisibleMemorySize KB") << QStringList{meminfo} << "Win32_OperatingSystem"
                                                               << "TotalVisibleMemorySize" << "24683612";
    QTest::newRow("OperatingSystem.FreePhysicalMemory KB") << QStringList{meminfo} << "Win32_OperatingSystem"
                                                           << "FreePhysicalMemory" << "23844584";
    QTest::newRow("OperatingSystem.TotalVirtualMemorySize KB") << QStringList{meminfo} << "Win32_OperatingSystem"
                                                               << "TotalVirtualMemorySize" << "26780760";
    QTest::newRow("OperatingSystem.FreeVirtualMemory KB") << QStringList{meminfo} << "Win32_OperatingSystem"
                                                          << "FreeVirtualMemory" << "24893160";
    QTest::newRow("ComputerSystem.TotalPhysicalMemory bytes") << QStringList{meminfo} << "Win32_ComputerSystem"
                                                              << "TotalPhysicalMemory" << "25276018688";

    const QString cpu = QStringLiteral("processor\t: %1\nvendor_id\t: AuthenticAMD\nmodel name\t: AMD EPYC\n%2"
                                       "physical id\t: 0\ncore id\t\t: %1\nflags\t\t: fpu lm\n\n");
    const QString toKerner = "proc/cpuinfo=" + cpu.arg(0).arg("cpu MHz\t\t: 2595.124\n") + cpu.arg(1).arg("cpu MHz\t\t: 2595.124\n");
    // A level's cache of a logical processor: "cpuN/indexM=level,type,size,shared".
    const auto cache = [](const QString& plads, const QString& felter) {
        const QString m = "sys/devices/system/cpu/" + plads.section(u'/', 0, 0) + "/cache/" + plads.section(u'/', 1) + u'/';
        const QStringList f = felter.split(u',');
        return QStringList{m + "level=" + f[0] + u'\n', m + "type=" + f[1] + u'\n', m + "size=" + f[2] + u'\n',
                           m + "shared_cpu_list=" + f[3] + u'\n'};
    };
    QTest::newRow("Processor.CurrentClockSpeed MHz") << QStringList{toKerner} << "Win32_Processor" << "CurrentClockSpeed" << "2595";
    QTest::newRow("Processor.MaxClockSpeed MHz of kHz")
        << QStringList{toKerner, "sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq=3501000\n"} << "Win32_Processor"
        << "MaxClockSpeed" << "3501";
    QTest::newRow("Processor.CurrentClockSpeed MHz of kHz")
        << QStringList{"proc/cpuinfo=processor\t: 0\nCPU implementer\t: 0x41\nCPU part\t: 0xd08\n\n",
                       "sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq=1500000\n"}
        << "Win32_Processor" << "CurrentClockSpeed" << "1500";
    QTest::newRow("Processor.L2CacheSize KB, a cache per core")
        << QStringList{toKerner} + cache("cpu0/index0", "1,Data,32K,0") + cache("cpu0/index2", "2,Unified,1024K,0")
               + cache("cpu0/index3", "3,Unified,32768K,0-1") + cache("cpu1/index2", "2,Unified,1024K,1")
               + cache("cpu1/index3", "3,Unified,32768K,0-1")
        << "Win32_Processor" << "L2CacheSize" << "2048";
    QTest::newRow("Processor.L2CacheSize KB, a cache shared by two")
        << QStringList{"proc/cpuinfo=" + cpu.arg(0).arg("") + cpu.arg(1).arg("") + cpu.arg(2).arg("") + cpu.arg(3).arg("")}
               + cache("cpu0/index2", "2,Unified,512K,0-1") + cache("cpu1/index2", "2,Unified,512K,0-1")
               + cache("cpu2/index2", "2,Unified,512K,2-3") + cache("cpu3/index2", "2,Unified,512K,2-3")
        << "Win32_Processor" << "L2CacheSize" << "1024";

    const QStringList disk{"sys/block/sda/device/", "sys/block/sda/size=3907029168\n", "sys/block/sda/queue/logical_block_size=512\n",
                           "sys/block/sda/sda1/partition=1\n", "sys/block/sda/sda1/start=2048\n", "sys/block/sda/sda1/size=1048576\n"};
    QTest::newRow("DiskDrive.Size bytes") << disk << "Win32_DiskDrive" << "Size" << "2000398934016";
    QTest::newRow("DiskDrive.BytesPerSector bytes") << disk << "Win32_DiskDrive" << "BytesPerSector" << "512";
    QTest::newRow("DiskPartition.Size bytes") << disk << "Win32_DiskPartition" << "Size" << "536870912";
    QTest::newRow("DiskPartition.StartingOffset bytes") << disk << "Win32_DiskPartition" << "StartingOffset" << "1048576";

    const QStringList net{"sys/class/net/eth0/ifindex=2\n", "sys/class/net/eth0/speed=2500\n", "sys/class/net/eth0/mtu=9000\n"};
    QTest::newRow("NetworkAdapter.Speed bits/s") << net << "Win32_NetworkAdapter" << "Speed" << "2500000000";
    QTest::newRow("NetworkAdapterConfiguration.MTU bytes") << net << "Win32_NetworkAdapterConfiguration" << "MTU" << "9000";

    const QStringList video{"sys/bus/pci/devices/0000:00:02.0/vendor=0x8086\n", "sys/bus/pci/devices/0000:00:02.0/device=0x46a6\n",
                            "sys/bus/pci/devices/0000:00:02.0/class=0x030000\n",
                            "sys/class/drm/card0-HDMI-A-1/device@ROD/sys/bus/pci/devices/0000:00:02.0",
                            "sys/class/drm/card0-HDMI-A-1/status=connected\n",
                            "sys/class/drm/card0-HDMI-A-1/modes=2560x1440\n1920x1080\n"};
    QTest::newRow("VideoController.CurrentHorizontalResolution pixels") << video << "Win32_VideoController"
                                                                        << "CurrentHorizontalResolution" << "2560";
    QTest::newRow("VideoController.CurrentVerticalResolution pixels") << video << "Win32_VideoController"
                                                                      << "CurrentVerticalResolution" << "1440";

    const QStringList batteri{"sys/class/power_supply/BAT0/type=Battery\n", "sys/class/power_supply/BAT0/capacity=87\n",
                              "sys/class/power_supply/BAT0/energy_full_design=57020000\n",
                              "sys/class/power_supply/BAT0/energy_full=51300000\n"};
    QTest::newRow("Battery.EstimatedChargeRemaining percent") << batteri << "Win32_Battery" << "EstimatedChargeRemaining" << "87";
    QTest::newRow("Battery.DesignCapacity mWh") << batteri << "Win32_Battery" << "DesignCapacity" << "57020";
    QTest::newRow("Battery.FullChargeCapacity mWh") << batteri << "Win32_Battery" << "FullChargeCapacity" << "51300";

    // Field 18 of stat is the kernel's priority: 20 + nice for a normal process, -1 - the
    // real-time priority for a real-time one.
    const auto proces = [](const QString& prioritet) {
        return QStringList{"proc/stat=btime 1700000000\n", "proc/4242/status=Name:\tsky\nPPid:\t1\nThreads:\t3\nVmRSS:\t    2048 kB\n",
                           "proc/4242/stat=4242 (sky (x)) S 1 4242 4242 0 -1 4194560 100 0 0 0 5 3 0 0 " + prioritet
                               + " 0 3 0 12345 1000000 300 18446744073709551615\n"};
    };
    QTest::newRow("Process.WorkingSetSize bytes") << proces("20") << "Win32_Process" << "WorkingSetSize" << "2097152";
    QTest::newRow("Process.Priority normal") << proces("20") << "Win32_Process" << "Priority" << "8";
    QTest::newRow("Process.Priority nice 19") << proces("39") << "Win32_Process" << "Priority" << "1";
    QTest::newRow("Process.Priority nice -20") << proces("0") << "Win32_Process" << "Priority" << "15";
    QTest::newRow("Process.Priority real-time 1") << proces("-2") << "Win32_Process" << "Priority" << "16";
    QTest::newRow("Process.Priority real-time 99") << proces("-100") << "Win32_Process" << "Priority" << "31";

    QTest::newRow("TimeZone.Bias minutes") << QStringList{"etc/timezone=America/New_York\n"} << "Win32_TimeZone" << "Bias" << "-300";
    QTest::newRow("TimeZone.DaylightBias minutes") << QStringList{"etc/timezone=Europe/Copenhagen\n"} << "Win32_TimeZone"
                                                   << "DaylightBias" << "-60";
    QTest::newRow("TimeZone.DaylightBias minutes, south") << QStringList{"etc/timezone=Australia/Sydney\n"} << "Win32_TimeZone"
                                                          << "DaylightBias" << "-60";
}

void SysinfoTest::unitsOfTheClasses()
{
    QFETCH(QStringList, filer);
    QFETCH(QString, klasse);
    QFETCH(QString, egenskab);
    QFETCH(QString, forventet);
    QTemporaryDir rod;
    const QList<platform::Forekomst> alle = forekomsterPaaRod(rod.path(), filer, klasse);
    QVERIFY(!alle.isEmpty());
    QCOMPARE(alle[0].vaerdi(egenskab), forventet);
}

void SysinfoTest::htmlIsEscaped()
{
    platform::Forekomst f;
    f.tilfoej(QStringLiteral("Caption"), QStringLiteral("<script>alert(\"x\")</script> & æøå"));
    const QString side = platform::somHtml(QStringLiteral("A <b>"), {{QStringLiteral("Win32_X"), {f}}, {QStringLiteral("Win32_Y"), {}}});
    QVERIFY(side.contains(QStringLiteral("<td>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; æøå</td>")));
    QVERIFY(side.contains(QStringLiteral("<title>A &lt;b&gt;</title>")));
    QVERIFY(!side.contains(QStringLiteral("<script>")));
    QVERIFY(side.contains(QStringLiteral("<h2>Win32_Y</h2>\n<p>Ingen forekomster.</p>")));
    QVERIFY(side.contains(QStringLiteral("<meta charset=\"utf-8\">")));
}

QString SysinfoTest::vaerktoejer(const QString& mappe, const QStringList& falske, const QString& log)
{
    QDir().mkpath(mappe);
    for (const char* grundlaeggende : {"dirname", "mkdir", "mktemp", "rm", "mv", "chmod", "cat"})
        QFile::link(QStandardPaths::findExecutable(QLatin1String(grundlaeggende)), mappe + u'/' + QLatin1String(grundlaeggende));
    QFile::link(QStringLiteral(QVM_SYSINFO), mappe + QStringLiteral("/qvm-sysinfo"));
    // "name" or "name:listed,listed": a tool that records how it was started.
    for (const QString& falsk : falske) {
        const QString navn = falsk.section(u':', 0, 0);
        QFile f(mappe + u'/' + navn);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("#!/bin/sh\nif [ \"$1\" = --list ]; then printf 'Available panels:\\n'; printf '\\t%s\\n' %1; exit 0; fi\n"
                               "echo \"%2${*:+ $*}\" >> '%3'\n")
                    .arg(falsk.section(u':', 1).replace(u',', u' '), navn, log)
                    .toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return mappe;
}

QProcessEnvironment SysinfoTest::miljoe(const QString& sti, const QString& skrivebord, const QString& hjem)
{
    QProcessEnvironment m;
    m.insert(QStringLiteral("PATH"), sti);
    m.insert(QStringLiteral("HOME"), hjem);
    m.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    if (!skrivebord.isEmpty())
        m.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), skrivebord);
    return m;
}

void SysinfoTest::scriptsRefuseNoClassNames_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("klasse");
    for (const char* script : {"_udskrivKode.wsf", "_udskrivKodeHTML.wsf"})
        for (const char* klasse : {"a;touch x", "$(touch x)", "`touch x`", "", "Win32 BIOS", "../x", "Win32_BIOS\ntouch x", "Æble"})
            QTest::addRow("%s %s", script, klasse) << QString::fromLatin1(script) << QString::fromUtf8(klasse);
}

void SysinfoTest::scriptsRefuseNoClassNames()
{
    QFETCH(QString, script);
    QFETCH(QString, klasse);
    QTemporaryDir mappe;
    const Koersel k = koer(QStringLiteral(QVM_CONTENT_DIR "/Programfiler/") + script, {klasse}, mappe.path());
    QCOMPARE(k.kode, 2);
    QVERIFY(k.fejl.contains(QStringLiteral("Ugyldigt klassenavn")));
    QCOMPARE(QDir(mappe.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void SysinfoTest::writtenScriptWritesBesideItself_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("resultat");
    QTest::newRow("text") << "_udskrivKode.wsf" << "Win32_TimeZone.vbs" << "Win32_TimeZone.txt";
    QTest::newRow("HTML") << "_udskrivKodeHTML.wsf" << "Win32_TimeZone_Html.vbs" << "Win32_TimeZone.html";
}

void SysinfoTest::writtenScriptWritesBesideItself()
{
    QFETCH(QString, script);
    QFETCH(QString, skrevet);
    QFETCH(QString, resultat);
    TestHome home;
    home.make({"WMI mappe/", "andet/"});
    const QString log = home / "log";
    const QProcessEnvironment m = miljoe(vaerktoejer(home / "bin", {"gio"}, log), QString(), home.path());
    // The class list.
    QCOMPARE(koer(QStringLiteral(QVM_CONTENT_DIR "/Programfiler/_wmiClasses.wsf"), {}, home / "WMI mappe", m).kode, 0);
    QCOMPARE(platform::Systemoplysninger::klasser().join(u'\n') + u'\n',
             [&] { QFile f(home / "WMI mappe/classes.txt"); f.open(QIODevice::ReadOnly); return QString::fromUtf8(f.readAll()); }());
    // The class's script, written by rename, run from another folder.
    QCOMPARE(koer(QStringLiteral(QVM_CONTENT_DIR "/Programfiler/") + script, {"Win32_TimeZone"}, home / "WMI mappe", m).kode, 0);
    QVERIFY(QFileInfo(home / "WMI mappe/" + skrevet).isExecutable());
    QCOMPARE(koer(home / "WMI mappe/" + skrevet, {}, home / "andet", m).kode, 0);
    QFile ud(home / "WMI mappe/" + resultat);
    QVERIFY(ud.open(QIODevice::ReadOnly));
    QVERIFY(ud.readAll().contains("Win32_TimeZone"));
    QCOMPARE(QDir(home / "andet").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QStringList der = QDir(home / "WMI mappe").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList forventet{skrevet, resultat, QStringLiteral("classes.txt")};
    der.sort();
    forventet.sort();
    QCOMPARE(der, forventet);
    QFile logfil(log);
    QVERIFY(logfil.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(logfil.readAll()), QStringLiteral("gio open ") + home.path() + QStringLiteral("/WMI mappe/") + resultat + u'\n');
}

void SysinfoTest::appletsOpenTheDesktopsPage_data()
{
    QTest::addColumn<QString>("skrivebord");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("falske");
    QTest::addColumn<QString>("kommando");  // as recorded; HOME for the home folder
    const QStringList gnome{"gnome-control-center:sound,network,display,user-accounts"};
    QTest::newRow("GNOME: sound") << "GNOME" << "lyd.vbs" << gnome + QStringList{"pavucontrol", "kcmshell5:kcm_pulseaudio"}
                                  << "gnome-control-center sound";
    QTest::newRow("ubuntu:GNOME: display") << "ubuntu:GNOME" << "vis_egenskaber.vbs" << gnome + QStringList{"kcmshell6:kcm_kscreen"}
                                           << "gnome-control-center display";
    QTest::newRow("KDE: sound") << "KDE" << "lyd.vbs" << gnome + QStringList{"pavucontrol", "kcmshell5:kcm_pulseaudio"}
                                << "kcmshell5 kcm_pulseaudio";
    QTest::newRow("KDE: Plasma 6 first") << "KDE" << "mus_egenskaber.vbs" << QStringList{"kcmshell5:kcm_mouse", "kcmshell6:kcm_mouse"}
                                         << "kcmshell6 kcm_mouse";
    QTest::newRow("XFCE: sound") << "XFCE" << "lyd.vbs" << gnome + QStringList{"pavucontrol"} << "pavucontrol";
    QTest::newRow("GNOME without the panel") << "GNOME" << "bruger_konti.vbs"
                                             << QStringList{"gnome-control-center:sound", "kcmshell6:kcm_users"} << "kcmshell6 kcm_users";
    QTest::newRow("control centre") << "GNOME" << "kontrolpanel.vbs" << gnome << "gnome-control-center";
    QTest::newRow("KDE: control centre") << "KDE" << "kontrolpanel.vbs" << gnome + QStringList{"systemsettings"} << "systemsettings";
    QTest::newRow("no desktop: firewall") << "" << "windows_firewall.vbs" << QStringList{"firewall-config", "gufw"} << "gufw";
    QTest::newRow("programs") << "" << "add_remove_programmer.vbs" << QStringList{"synaptic", "gnome-software"}
                              << "gnome-software --mode=installed";
    QTest::newRow("KDE: updates") << "KDE" << "actioncenter.vbs" << QStringList{"plasma-discover"} << "plasma-discover --mode update";
    QTest::newRow("ODBC in the editor") << "" << "ODBC.vbs" << QStringList{"gio"} << "gio open HOME/.odbc.ini";
    QTest::newRow("our overview") << "" << "systemoplysninger.vbs" << QStringList{"gio"}
                                  << "gio open HOME/.cache/qvmMirvel/systemoplysninger.html";
    QTest::newRow("our device list") << "GNOME" << "enhedshåndtering.vbs" << gnome + QStringList{"gio"}
                                     << "gio open HOME/.cache/qvmMirvel/enhedshåndtering.html";
    QTest::newRow("KDE: devices") << "KDE" << "enhedshåndtering.vbs" << QStringList{"gio", "kinfocenter", "hardinfo"} << "kinfocenter";
}

void SysinfoTest::appletsOpenTheDesktopsPage()
{
    QFETCH(QString, skrivebord);
    QFETCH(QString, script);
    QFETCH(QStringList, falske);
    QFETCH(QString, kommando);
    TestHome home;
    home.write(".odbc.ini", "[ODBC]\n");
    const QString log = home / "log";
    const QProcessEnvironment m = miljoe(vaerktoejer(home / "bin", falske, log), skrivebord, home.path());
    const QString sti = QStringLiteral(QVM_CONTENT_DIR "/Window applets/") + script;
    // Asked first, it answers without starting anything; a page of the program's own it names
    // "side", and then writes it for the program to show, naming where.
    const bool egenSide = kommando.endsWith(QStringLiteral(".html"));
    const Koersel tjek = koer(sti, {QStringLiteral("--tjek")}, home.path(), m);
    QCOMPARE(tjek.kode, 0);
    QCOMPARE(tjek.ud.trimmed(), egenSide ? QStringLiteral("side") : QString());
    if (egenSide) {
        const Koersel skriv = koer(sti, {QStringLiteral("--skriv")}, home.path(), m);
        QCOMPARE(skriv.kode, 0);
        QCOMPARE(skriv.ud.trimmed(), QString(kommando).section(u' ', 2).replace(QStringLiteral("HOME"), home.path()));
    }
    QVERIFY(!QFile::exists(log));
    QCOMPARE(koer(sti, {}, home.path(), m).kode, 0);
    QFile logfil(log);
    QVERIFY(logfil.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(logfil.readAll()), QString(kommando).replace(QStringLiteral("HOME"), home.path()) + u'\n');
    if (kommando.endsWith(QStringLiteral(".html"))) {
        QFile side(QString(kommando).section(u' ', 2).replace(QStringLiteral("HOME"), home.path()));
        QVERIFY(side.open(QIODevice::ReadOnly));
        QVERIFY(side.readAll().startsWith("<!DOCTYPE html>"));
    }
}

void SysinfoTest::appletsWithNothingInstalled()
{
    TestHome home;
    const QString log = home / "log";
    const QString bin = vaerktoejer(home / "bin", {}, log);
    QFile::remove(bin + QStringLiteral("/qvm-sysinfo"));
    const QStringList scripts = QDir(QStringLiteral(QVM_CONTENT_DIR "/Window applets")).entryList({"*.vbs"}, QDir::Files);
    QCOMPARE(scripts.size(), 20);
    for (const char* skrivebord : {"GNOME", "KDE", ""}) {
        for (const QString& script : scripts) {
            const QString sti = QStringLiteral(QVM_CONTENT_DIR "/Window applets/") + script;
            for (const QStringList& argumenter : {QStringList{"--tjek"}, QStringList()}) {
                const Koersel k = koer(sti, argumenter, home.path(), miljoe(bin, QLatin1String(skrivebord), home.path()));
                QCOMPARE(k.kode, 1);
                QVERIFY2(k.ud.startsWith(QStringLiteral("Der er intet program på denne computer, der kan åbne "))
                             && k.ud.contains(QStringLiteral("Installer fx ")),
                         qPrintable(script + u' ' + k.ud + k.fejl));
            }
        }
    }
    QVERIFY(!QFile::exists(log));
}

QTEST_GUILESS_MAIN(SysinfoTest)
#include "test_sysinfo.moc"
