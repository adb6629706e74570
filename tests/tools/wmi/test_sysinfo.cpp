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

}  // namespace

// The helper qvm-sysinfo and the installation's WMI and applet scripts: the facts against this
// machine's own tools, fixture roots for the cases this machine does not have, and the scripts
// with recording fake tools.
class SysinfoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesThisMachine();
    void everyClassPrints();
    void factsOnFixtureRoots_data();
    void factsOnFixtureRoots();
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
    // Processors: the logical processors of all packages are nproc's count.
    int logiske = 0;
    for (const auto& p : helper(QStringLiteral("Win32_Processor")))
        logiske += p.value(QStringLiteral("NumberOfLogicalProcessors")).toInt();
    QCOMPARE(logiske, koer(QStringLiteral("nproc"), {}).ud.trimmed().toInt());

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
    const auto os = helper(QStringLiteral("Win32_OperatingSystem"));
    QCOMPARE(os.size(), 1);
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
    // An unknown class: a Danish line and code 2, nothing printed, also beside a known one.
    for (const QStringList& argumenter : {QStringList{"Win32_Findesikke"}, QStringList{"Win32_BIOS", "Win32_Findesikke"},
                                          QStringList{"--html", "Win32_Findesikke"}}) {
        const Koersel k = koer(QStringLiteral(QVM_SYSINFO), argumenter);
        QCOMPARE(k.kode, 2);
        QVERIFY(k.ud.isEmpty());
        QVERIFY(k.fejl.startsWith(QStringLiteral("Ukendt klasse: Win32_Findesikke")));
    }
}

void SysinfoTest::factsOnFixtureRoots_data()
{
    QTest::addColumn<QStringList>("filer");   // "path=content" below the root; "path!" unreadable
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
    const QString mounts = QStringLiteral(
        "22 1 254:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
        "23 22 0:5 / /proc rw shared:2 - proc proc rw\n"
        "24 22 8:17 / /media/min\\040stick rw shared:3 - vfat /dev/sdb1 rw\n"
        "25 22 0:40 / /mnt/net rw shared:4 - nfs4 server:/export rw\n");
    QTest::newRow("mount point with a blank")
        << QStringList{"proc/self/mountinfo=" + mounts, "sys/block/sdb/removable=1\n"} << "Win32_LogicalDisk" << 3 << 1
        << QStringList{"DeviceID=/media/min stick", "DriveType=2", "FileSystem=vfat", "!Size"};
    QTest::newRow("network drive") << QStringList{"proc/self/mountinfo=" + mounts} << "Win32_LogicalDisk" << 3 << 2
                                   << QStringList{"DeviceID=/mnt/net", "DriveType=4", "ProviderName=server:/export", "!FreeSpace"};
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
        << QStringList{"Caption=Debian <12> & \"co\"", "Version=12", "BuildNumber=6.1.0-18-amd64", "TotalVisibleMemorySize=1024000",
                       "FreePhysicalMemory=512000", "!TotalVirtualMemorySize"};
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
    for (const QString& fil : filer) {
        const QString sti = rod.path() + u'/' + fil.section(u'=', 0, 0);
        if (sti.endsWith(u'!')) {
            ulaeselig(sti.chopped(1));
        } else if (sti.endsWith(u'/')) {
            QDir().mkpath(sti);
        } else {
            QDir().mkpath(QFileInfo(sti).absolutePath());
            QFile f(sti);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(fil.section(u'=', 1).toUtf8());
        }
    }
    platform::SystemRoots roots;
    roots.procRoot = rod.path() + QStringLiteral("/proc");
    roots.sysRoot = rod.path() + QStringLiteral("/sys");
    roots.etcRoot = rod.path() + QStringLiteral("/etc");
    roots.devRoot = QStringLiteral("/dev");
    roots.idsDirs = {rod.path() + QStringLiteral("/ids")};
    roots.systemctl.clear();
    roots.statvfs = false;
    const QList<platform::Forekomst> alle = platform::Systemoplysninger(roots).forekomster(klasse);
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
            QCOMPARE(egenskab.section(u'=', 0, 0) + u'=' + f.vaerdi(egenskab.section(u'=', 0, 0)), egenskab);
        }
    }
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
    // Asked first, it answers without starting anything.
    const Koersel tjek = koer(sti, {QStringLiteral("--tjek")}, home.path(), m);
    QCOMPARE(tjek.kode, 0);
    QVERIFY(tjek.ud.isEmpty());
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
