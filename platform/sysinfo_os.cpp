// The operating-system classes of the system information: the system, its processes, services,
// start-up commands, time zone, users and network configuration.
#include "platform/sysinfo_laes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTimeZone>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>
#include <algorithm>
#include <cmath>

namespace platform::sysinfo {

namespace {

QHash<QString, QString> osRelease(const SystemRoots& roots)
{
    QString tekst = laes(roots.etcRoot + QStringLiteral("/os-release"));
    if (tekst.isEmpty())
        tekst = laes(QFileInfo(roots.etcRoot).absolutePath() + QStringLiteral("/usr/lib/os-release"));
    QHash<QString, QString> felter;
    for (const QString& linje : tekst.split(u'\n')) {
        const qsizetype i = linje.indexOf(u'=');
        if (i <= 0 || linje.startsWith(u'#'))
            continue;
        QString v = linje.mid(i + 1).trimmed();
        if (v.size() >= 2 && (v.startsWith(u'"') || v.startsWith(u'\'')) && v.endsWith(v[0]))
            v = v.mid(1, v.size() - 2);
        felter.insert(linje.left(i).trimmed(), v.replace(QStringLiteral("\\\""), QStringLiteral("\"")));
    }
    return felter;
}

// A value of /proc/meminfo in kilobytes, the file's own unit; -1 when missing.
qint64 kilobytes(const QHash<QString, QString>& meminfo, const char* navn)
{
    const QString v = meminfo.value(QLatin1String(navn));
    return v.isEmpty() ? -1 : v.section(u' ', 0, 0).toLongLong();
}

// An IPv4 or IPv6 address as text.
QString adresse(const sockaddr* a)
{
    char tekst[INET6_ADDRSTRLEN] = {};
    const void* data = a->sa_family == AF_INET ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(a)->sin_addr)
                                                : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(a)->sin6_addr);
    return inet_ntop(a->sa_family, data, tekst, sizeof tekst) ? QString::fromLatin1(tekst) : QString();
}

QString tidspunkt(const QDateTime& t) { return t.isValid() ? t.toString(Qt::ISODate) : QString(); }

QDateTime opstartstid(const SystemRoots& roots)
{
    for (const QString& linje : laes(roots.procRoot + QStringLiteral("/stat")).split(u'\n'))
        if (linje.startsWith(QStringLiteral("btime ")))
            return QDateTime::fromSecsSinceEpoch(linje.mid(6).toLongLong());
    return {};
}

QStringList processer(const SystemRoots& roots)
{
    QStringList alle;
    for (const QString& navn : navne(roots.procRoot))
        if (!navn.isEmpty() && navn[0].isDigit())
            alle.append(navn);
    return alle;
}

// The class's priority, 0 (lowest) to 31 (highest), of the kernel's: 0 to 39 for a normal process
// (20 + its nice value, the lower the sooner), -2 to -100 for a real-time one (-1 - its real-time
// priority). Normal processes get 1 to 15 around the normal 8, real-time ones 16 to 31.
int prioritet(int kerne)
{
    if (kerne < 0)
        return 16 + int(std::lround((std::clamp(-1 - kerne, 1, 99) - 1) * 15.0 / 98.0));
    return int(std::lround(8.0 - (std::clamp(kerne, 0, 39) - 20) * 7.0 / 20.0));
}

QString systemType()
{
    const QString arkitektur = QSysInfo::currentCpuArchitecture();
    if (arkitektur == u"x86_64")
        return QStringLiteral("x64-based PC");
    if (arkitektur == u"arm64")
        return QStringLiteral("ARM64-based PC");
    if (arkitektur == u"i386")
        return QStringLiteral("X86-based PC");
    return arkitektur;
}

}  // namespace

QString vaertsnavn(const SystemRoots& roots)
{
    QString navn = laes(roots.procRoot + QStringLiteral("/sys/kernel/hostname"));
    if (navn.isEmpty())
        navn = laes(roots.etcRoot + QStringLiteral("/hostname"));
    return navn;
}

QList<Forekomst> operatingSystem(const SystemRoots& roots)
{
    const QHash<QString, QString> os = osRelease(roots);
    const QHash<QString, QString> meminfo = noegler(roots.procRoot + QStringLiteral("/meminfo"), u':');
    const QString kerne = laes(roots.procRoot + QStringLiteral("/sys/kernel/osrelease"));
    Forekomst f;
    f.tilfoej(QStringLiteral("Caption"), os.value(QStringLiteral("PRETTY_NAME")));
    f.tilfoej(QStringLiteral("Name"), os.value(QStringLiteral("NAME")));
    f.tilfoej(QStringLiteral("Manufacturer"), os.value(QStringLiteral("NAME")));
    f.tilfoej(QStringLiteral("Version"), os.value(QStringLiteral("VERSION_ID"), kerne));
    f.tilfoej(QStringLiteral("BuildNumber"), kerne);
    f.tilfoej(QStringLiteral("BuildType"), laes(roots.procRoot + QStringLiteral("/sys/kernel/version")));
    f.tilfoej(QStringLiteral("OSArchitecture"), QSysInfo::currentCpuArchitecture());
    f.tilfoej(QStringLiteral("CSName"), vaertsnavn(roots));
    f.tilfoej(QStringLiteral("SystemDrive"), QStringLiteral("/"));
    f.tilfoej(QStringLiteral("LastBootUpTime"), tidspunkt(opstartstid(roots)));
    if (!f.egenskaber.isEmpty())
        f.tilfoej(QStringLiteral("LocalDateTime"), tidspunkt(QDateTime::currentDateTime()));
    // The class counts memory in kilobytes; free memory is what programs can have at once.
    const qint64 total = kilobytes(meminfo, "MemTotal");
    const qint64 fri = kilobytes(meminfo, "MemAvailable");
    const qint64 swap = kilobytes(meminfo, "SwapTotal");
    const qint64 swapFri = kilobytes(meminfo, "SwapFree");
    if (total >= 0)
        f.tilfoej(QStringLiteral("TotalVisibleMemorySize"), tal(total));
    if (fri >= 0)
        f.tilfoej(QStringLiteral("FreePhysicalMemory"), tal(fri));
    if (total >= 0 && swap >= 0)
        f.tilfoej(QStringLiteral("TotalVirtualMemorySize"), tal(total + swap));
    if (fri >= 0 && swapFri >= 0)
        f.tilfoej(QStringLiteral("FreeVirtualMemory"), tal(fri + swapFri));
    if (const QStringList p = processer(roots); !p.isEmpty())
        f.tilfoej(QStringLiteral("NumberOfProcesses"), tal(p.size()));
    if (f.egenskaber.isEmpty())
        return {};
    return {f};
}

QList<Forekomst> computerSystem(const SystemRoots& roots)
{
    const QList<Pakke> alle = pakker(roots);
    const QHash<QString, QString> meminfo = noegler(roots.procRoot + QStringLiteral("/meminfo"), u':');
    const auto dmi = [&roots](const char* navn) { return laes(roots.sysRoot + QStringLiteral("/class/dmi/id/") + QLatin1String(navn)); };
    Forekomst f;
    const QString navn = vaertsnavn(roots);
    f.tilfoej(QStringLiteral("Name"), navn);
    f.tilfoej(QStringLiteral("DNSHostName"), navn);
    if (const QString domaene = laes(roots.procRoot + QStringLiteral("/sys/kernel/domainname")); domaene != u"(none)")
        f.tilfoej(QStringLiteral("Domain"), domaene);
    f.tilfoej(QStringLiteral("Manufacturer"), dmi("sys_vendor"));
    f.tilfoej(QStringLiteral("Model"), dmi("product_name"));
    f.tilfoej(QStringLiteral("SystemFamily"), dmi("product_family"));
    f.tilfoej(QStringLiteral("SystemSKUNumber"), dmi("product_sku"));
    if (!alle.isEmpty()) {
        int logiske = 0;
        bool hypervisor = false;
        for (const Pakke& p : alle) {
            logiske += p.logiske;
            hypervisor = hypervisor || p.hypervisor;
        }
        f.tilfoej(QStringLiteral("NumberOfProcessors"), tal(alle.size()));
        f.tilfoej(QStringLiteral("NumberOfLogicalProcessors"), tal(logiske));
        f.tilfoej(QStringLiteral("HypervisorPresent"), sandFalsk(hypervisor));
    }
    // In bytes, unlike the memory of Win32_OperatingSystem.
    if (const qint64 total = kilobytes(meminfo, "MemTotal"); total >= 0)
        f.tilfoej(QStringLiteral("TotalPhysicalMemory"), tal(total * 1024));
    if (f.egenskaber.isEmpty())
        return {};
    f.tilfoej(QStringLiteral("SystemType"), systemType());
    f.tilfoej(QStringLiteral("UserName"), qEnvironmentVariable("USER"));
    return {f};
}

QList<Forekomst> process(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    const QDateTime opstart = opstartstid(roots);
    for (const QString& pid : processer(roots)) {
        const QString m = roots.procRoot + u'/' + pid + u'/';
        const QHash<QString, QString> status = noegler(m + QStringLiteral("status"), u':');
        if (status.isEmpty())
            continue;  // ended meanwhile
        Forekomst f;
        f.tilfoej(QStringLiteral("ProcessId"), pid);
        f.tilfoej(QStringLiteral("Name"), status.value(QStringLiteral("Name")));
        f.tilfoej(QStringLiteral("ParentProcessId"), status.value(QStringLiteral("PPid")));
        f.tilfoej(QStringLiteral("ThreadCount"), status.value(QStringLiteral("Threads")));
        if (const QString rss = status.value(QStringLiteral("VmRSS")); !rss.isEmpty())
            f.tilfoej(QStringLiteral("WorkingSetSize"), tal(rss.section(u' ', 0, 0).toLongLong() * 1024));
        QFile cmd(m + QStringLiteral("cmdline"));
        if (cmd.open(QIODevice::ReadOnly)) {
            QByteArray linje = cmd.read(64 * 1024);
            while (linje.endsWith('\0'))
                linje.chop(1);
            f.tilfoej(QStringLiteral("CommandLine"), QString::fromUtf8(linje.replace('\0', ' ')));
        }
        f.tilfoej(QStringLiteral("ExecutablePath"), QFileInfo(m + QStringLiteral("exe")).symLinkTarget());
        // The kernel's priority, field 18 of stat (after the name in brackets), and the start in
        // clock ticks after boot, field 22.
        const QString stat = laes(m + QStringLiteral("stat"));
        const QStringList felter = stat.mid(stat.lastIndexOf(u')') + 2).split(u' ');
        if (felter.size() > 19) {
            f.tilfoej(QStringLiteral("Priority"), tal(prioritet(felter[15].toInt())));
            if (opstart.isValid())
                f.tilfoej(QStringLiteral("CreationDate"),
                          tidspunkt(opstart.addMSecs(felter[19].toLongLong() * 1000 / ::sysconf(_SC_CLK_TCK))));
        }
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> service(const SystemRoots& roots)
{
    if (roots.systemctl.isEmpty())
        return {};
    // systemd answers at once or not at all (a container without it): three seconds at most.
    const auto spoerg = [&roots](const QStringList& argumenter) {
        QProcess p;
        p.start(roots.systemctl, argumenter + QStringList{QStringLiteral("--no-legend"), QStringLiteral("--no-pager"),
                                                          QStringLiteral("--plain")});
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished(1000);
            return QStringList();
        }
        return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    };
    QHash<QString, QString> tilstande;
    for (const QString& linje : spoerg({QStringLiteral("list-unit-files"), QStringLiteral("--type=service")})) {
        const QStringList d = linje.simplified().split(u' ');
        if (d.size() >= 2)
            tilstande.insert(d[0], d[1]);
    }
    QList<Forekomst> alle;
    for (const QString& linje : spoerg({QStringLiteral("list-units"), QStringLiteral("--type=service"), QStringLiteral("--all")})) {
        const QStringList d = linje.simplified().split(u' ');
        if (d.size() < 4 || !d[0].endsWith(QStringLiteral(".service")))
            continue;
        Forekomst f;
        f.tilfoej(QStringLiteral("Name"), d[0].chopped(8));
        f.tilfoej(QStringLiteral("DisplayName"), d.mid(4).join(u' '));
        f.tilfoej(QStringLiteral("State"), d[3] == u"running" ? QStringLiteral("Running") : QStringLiteral("Stopped"));
        f.tilfoej(QStringLiteral("Started"), sandFalsk(d[2] == u"active"));
        const QString fil = tilstande.value(d[0]);
        f.tilfoej(QStringLiteral("StartMode"), fil == u"enabled"                      ? QStringLiteral("Auto")
                                               : fil == u"disabled" || fil == u"masked" ? QStringLiteral("Disabled")
                                               : fil.isEmpty()                          ? QString()
                                                                                        : QStringLiteral("Manual"));
        f.tilfoej(QStringLiteral("Status"), d[2] == u"failed" ? QStringLiteral("Degraded") : QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> startupCommand(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    const std::pair<QString, QString> mapper[] = {{roots.etcRoot + QStringLiteral("/xdg/autostart"), QStringLiteral("Common Startup")},
                                                  {roots.userAutostart, QStringLiteral("Startup")}};
    for (const auto& [mappe, sted] : mapper) {
        if (mappe.isEmpty())
            continue;
        for (const QString& navn : navne(mappe)) {
            if (!navn.endsWith(QStringLiteral(".desktop")))
                continue;
            QHash<QString, QString> post;
            bool iPost = false;
            for (const QString& linje : laes(mappe + u'/' + navn).split(u'\n')) {
                if (linje.startsWith(u'['))
                    iPost = linje.trimmed() == u"[Desktop Entry]";
                else if (iPost && linje.contains(u'=') && !post.contains(linje.section(u'=', 0, 0).trimmed()))
                    post.insert(linje.section(u'=', 0, 0).trimmed(), linje.section(u'=', 1).trimmed());
            }
            if (post.value(QStringLiteral("Hidden")) == u"true" || post.value(QStringLiteral("Exec")).isEmpty())
                continue;
            Forekomst f;
            f.tilfoej(QStringLiteral("Name"), post.value(QStringLiteral("Name"), navn.chopped(8)));
            f.tilfoej(QStringLiteral("Caption"), post.value(QStringLiteral("Name"), navn.chopped(8)));
            f.tilfoej(QStringLiteral("Command"), post.value(QStringLiteral("Exec")));
            f.tilfoej(QStringLiteral("Description"), post.value(QStringLiteral("Comment")));
            f.tilfoej(QStringLiteral("Location"), sted);
            f.tilfoej(QStringLiteral("User"), mappe == roots.userAutostart ? qEnvironmentVariable("USER") : QStringLiteral("Public"));
            alle.append(f);
        }
    }
    return alle;
}

QList<Forekomst> timeZone(const SystemRoots& roots)
{
    QString id = laes(roots.etcRoot + QStringLiteral("/timezone"));
    if (id.isEmpty()) {
        const QString maal = QFileInfo(roots.etcRoot + QStringLiteral("/localtime")).symLinkTarget();
        const qsizetype i = maal.indexOf(QStringLiteral("zoneinfo/"));
        if (i >= 0)
            id = maal.mid(i + 9);
    }
    if (id.isEmpty())
        return {};
    const QTimeZone zone(id.toUtf8());
    Forekomst f;
    f.tilfoej(QStringLiteral("Description"), id);
    if (zone.isValid()) {
        const int bias = zone.standardTimeOffset(QDateTime::currentDateTime()) / 60;
        f.tilfoej(QStringLiteral("Caption"), QStringLiteral("(UTC%1%2:%3) %4")
                                                 .arg(bias < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                                                 .arg(std::abs(bias) / 60, 2, 10, QLatin1Char('0'))
                                                 .arg(std::abs(bias) % 60, 2, 10, QLatin1Char('0'))
                                                 .arg(id));
        f.tilfoej(QStringLiteral("Bias"), tal(bias));
        f.tilfoej(QStringLiteral("StandardName"), zone.displayName(QTimeZone::StandardTime, QTimeZone::LongName));
        if (zone.hasDaylightTime()) {
            f.tilfoej(QStringLiteral("DaylightName"), zone.displayName(QTimeZone::DaylightTime, QTimeZone::LongName));
            // Summer time is in one half of the year or the other, by the hemisphere.
            const QDateTime nu = QDateTime::currentDateTime();
            const int sommertid = std::max(zone.daylightTimeOffset(nu), zone.daylightTimeOffset(nu.addMonths(6)));
            f.tilfoej(QStringLiteral("DaylightBias"), tal(-sommertid / 60));
        }
    }
    return {f};
}

QList<Forekomst> userAccount(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    const QString vaert = vaertsnavn(roots);
    for (const QString& linje : laes(roots.etcRoot + QStringLiteral("/passwd")).split(u'\n')) {
        const QStringList d = linje.split(u':');
        if (d.size() < 7 || d[0].isEmpty())
            continue;
        Forekomst f;
        f.tilfoej(QStringLiteral("Name"), d[0]);
        f.tilfoej(QStringLiteral("Caption"), vaert.isEmpty() ? d[0] : vaert + u'\\' + d[0]);
        f.tilfoej(QStringLiteral("Domain"), vaert);
        f.tilfoej(QStringLiteral("FullName"), d[4].section(u',', 0, 0));
        // The SID of a Unix user as Samba writes it.
        f.tilfoej(QStringLiteral("SID"), QStringLiteral("S-1-22-1-") + d[2]);
        f.tilfoej(QStringLiteral("LocalAccount"), QStringLiteral("True"));
        f.tilfoej(QStringLiteral("Disabled"), sandFalsk(d[6].endsWith(QStringLiteral("nologin")) || d[6].endsWith(QStringLiteral("/false"))));
        f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> networkAdapterConfiguration(const SystemRoots& roots)
{
    // The addresses of the interfaces (the running system's), by interface name.
    QHash<QString, QStringList> adresser, masker;
    if (ifaddrs* liste = nullptr; getifaddrs(&liste) == 0) {
        for (ifaddrs* a = liste; a; a = a->ifa_next) {
            if (!a->ifa_addr || (a->ifa_addr->sa_family != AF_INET && a->ifa_addr->sa_family != AF_INET6))
                continue;
            const QString navn = QString::fromLocal8Bit(a->ifa_name);
            adresser[navn].append(adresse(a->ifa_addr));
            if (a->ifa_netmask)
                masker[navn].append(adresse(a->ifa_netmask));
        }
        freeifaddrs(liste);
    }
    // The default gateway of each interface from the routing table (hexadecimal, little-endian).
    QHash<QString, QString> gateways;
    for (const QString& linje : laes(roots.procRoot + QStringLiteral("/net/route")).split(u'\n').mid(1)) {
        const QStringList d = linje.simplified().split(u' ');
        if (d.size() > 2 && d[1] == u"00000000") {
            bool ok = false;
            const quint32 g = d[2].toUInt(&ok, 16);
            // The routing table holds the address in memory order.
            in_addr ip{};
            ip.s_addr = g;
            char tekst[INET_ADDRSTRLEN] = {};
            if (ok && inet_ntop(AF_INET, &ip, tekst, sizeof tekst))
                gateways.insert(d[0], QString::fromLatin1(tekst));
        }
    }
    QStringList dns;
    for (const QString& linje : laes(roots.etcRoot + QStringLiteral("/resolv.conf")).split(u'\n'))
        if (linje.startsWith(QStringLiteral("nameserver")))
            dns.append(linje.simplified().section(u' ', 1, 1));
    QList<Forekomst> alle;
    const QString klasse = roots.sysRoot + QStringLiteral("/class/net/");
    for (const QString& navn : navne(klasse)) {
        Forekomst f;
        f.tilfoej(QStringLiteral("Index"), laes(klasse + navn + QStringLiteral("/ifindex")));
        f.tilfoej(QStringLiteral("Description"), navn);
        const QString mac = laes(klasse + navn + QStringLiteral("/address")).toUpper();
        if (mac != QStringLiteral("00:00:00:00:00:00"))
            f.tilfoej(QStringLiteral("MACAddress"), mac);
        const QStringList ip = adresser.value(navn);
        f.tilfoej(QStringLiteral("IPEnabled"), sandFalsk(!ip.isEmpty()));
        f.tilfoej(QStringLiteral("IPAddress"), ip.join(QStringLiteral(", ")));
        f.tilfoej(QStringLiteral("IPSubnet"), masker.value(navn).join(QStringLiteral(", ")));
        f.tilfoej(QStringLiteral("DefaultIPGateway"), gateways.value(navn));
        if (!ip.isEmpty() && laes(klasse + navn + QStringLiteral("/type")) != u"772")
            f.tilfoej(QStringLiteral("DNSServerSearchOrder"), dns.join(QStringLiteral(", ")));
        f.tilfoej(QStringLiteral("DNSHostName"), vaertsnavn(roots));
        f.tilfoej(QStringLiteral("MTU"), laes(klasse + navn + QStringLiteral("/mtu")));
        alle.append(f);
    }
    return alle;
}

}  // namespace platform::sysinfo
