#include "platform/sysinfo.h"

#include "platform/drives.h"
#include "platform/sysinfo_laes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <sys/statvfs.h>

namespace platform {
namespace sysinfo {

QString laes(const QString& sti)
{
    QFile fil(sti);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = fil.read(1 << 20);
    if (fil.error() != QFileDevice::NoError)
        return {};
    return QString::fromUtf8(data).trimmed();
}

QHash<QString, QString> noegler(const QString& sti, QChar sep)
{
    QHash<QString, QString> par;
    for (const QString& linje : laes(sti).split(u'\n')) {
        const qsizetype i = linje.indexOf(sep);
        if (i > 0)
            par.insert(linje.left(i).trimmed(), linje.mid(i + 1).trimmed());
    }
    return par;
}

QStringList navne(const QString& mappe)
{
    QStringList alle = QDir(mappe).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    // Numbered names in number order: "card2" before "card10".
    const auto deling = [](const QString& s) {
        qsizetype i = s.size();
        while (i > 0 && s[i - 1].isDigit())
            --i;
        return std::pair{s.left(i), i < s.size() ? s.mid(i).toLongLong() : -1};
    };
    std::sort(alle.begin(), alle.end(), [&deling](const QString& a, const QString& b) {
        const auto da = deling(a);
        const auto db = deling(b);
        if (da.first != db.first)
            return a < b;
        return da.second != db.second ? da.second < db.second : a < b;
    });
    return alle;
}

QString tal(qint64 n) { return QString::number(n); }
QString sandFalsk(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

QString linkNavn(const QString& sti)
{
    const QString maal = QFileInfo(sti).symLinkTarget();
    return maal.isEmpty() ? QString() : QFileInfo(maal).fileName();
}

const QByteArray& IdNavne::data(const QString& fil) const
{
    auto it = filer.find(fil);
    if (it == filer.end()) {
        QByteArray indhold;
        for (const QString& mappe : roots.idsDirs) {
            QFile f(mappe + u'/' + fil);
            if (f.open(QIODevice::ReadOnly)) {
                indhold = f.readAll();
                break;
            }
        }
        it = filer.insert(fil, indhold);
    }
    return *it;
}

namespace {

// The line of a vendor (no tab) or, after it, of a device (one tab) in an ids file; the rest of
// the line after the id and two blanks.
QString idsLinje(const QByteArray& data, const QString& vendor, const QString& device)
{
    const QByteArray v = vendor.toLower().toLatin1();
    qsizetype pos = data.startsWith(v + "  ") ? 0 : data.indexOf("\n" + v + "  ");
    if (pos < 0)
        return {};
    if (pos > 0)
        ++pos;
    const qsizetype slut = data.indexOf('\n', pos);
    if (device.isEmpty())
        return QString::fromUtf8(data.mid(pos + v.size() + 2, slut - pos - v.size() - 2)).trimmed();
    const QByteArray d = "\n\t" + device.toLower().toLatin1() + "  ";
    qsizetype i = slut;
    while (i >= 0 && i + 1 < data.size()) {
        // The vendor's block ends at the next line that does not start with a tab or a comment.
        if (data.mid(i, d.size()) == d) {
            const qsizetype e = data.indexOf('\n', i + 1);
            return QString::fromUtf8(data.mid(i + d.size(), e - i - d.size())).trimmed();
        }
        const char naeste = i + 1 < data.size() ? data[i + 1] : '\0';
        if (naeste != '\t' && naeste != '#' && naeste != '\n')
            break;
        i = data.indexOf('\n', i + 1);
    }
    return {};
}

QString hex4(const QString& s)
{
    QString h = s.trimmed().toUpper();
    if (h.startsWith(QStringLiteral("0X")))
        h = h.mid(2);
    return h.rightJustified(4, u'0');
}

}  // namespace

QString IdNavne::leverandoer(const QString& fil, const QString& vendor) const { return idsLinje(data(fil), vendor, {}); }
QString IdNavne::enhed(const QString& fil, const QString& vendor, const QString& device) const
{
    return idsLinje(data(fil), vendor, device);
}

namespace {

Enhed pciEnhed(const QString& sti, const IdNavne& ider)
{
    Enhed e;
    e.sysSti = sti;
    e.bus = QStringLiteral("PCI");
    e.vendor = hex4(laes(sti + QStringLiteral("/vendor")));
    e.device = hex4(laes(sti + QStringLiteral("/device")));
    e.klasse = laes(sti + QStringLiteral("/class")).mid(2).toUpper();
    e.producent = ider.leverandoer(QStringLiteral("pci.ids"), e.vendor);
    e.navn = ider.enhed(QStringLiteral("pci.ids"), e.vendor, e.device);
    if (e.navn.isEmpty())
        e.navn = QStringLiteral("PCI-enhed %1:%2").arg(e.vendor, e.device);
    e.driver = linkNavn(sti + QStringLiteral("/driver"));
    const QString sub = hex4(laes(sti + QStringLiteral("/subsystem_device"))) + hex4(laes(sti + QStringLiteral("/subsystem_vendor")));
    e.pnpId = QStringLiteral("PCI\\VEN_%1&DEV_%2&SUBSYS_%3\\%4").arg(e.vendor, e.device, sub, QFileInfo(sti).fileName());
    return e;
}

Enhed usbEnhed(const QString& sti, const IdNavne& ider)
{
    Enhed e;
    e.sysSti = sti;
    e.bus = QStringLiteral("USB");
    e.vendor = hex4(laes(sti + QStringLiteral("/idVendor")));
    e.device = hex4(laes(sti + QStringLiteral("/idProduct")));
    e.producent = laes(sti + QStringLiteral("/manufacturer"));
    if (e.producent.isEmpty())
        e.producent = ider.leverandoer(QStringLiteral("usb.ids"), e.vendor);
    e.navn = laes(sti + QStringLiteral("/product"));
    if (e.navn.isEmpty())
        e.navn = ider.enhed(QStringLiteral("usb.ids"), e.vendor, e.device);
    if (e.navn.isEmpty())
        e.navn = QStringLiteral("USB-enhed %1:%2").arg(e.vendor, e.device);
    e.driver = linkNavn(sti + QStringLiteral("/driver"));
    const QString serie = laes(sti + QStringLiteral("/serial"));
    e.pnpId = QStringLiteral("USB\\VID_%1&PID_%2\\%3").arg(e.vendor, e.device, serie.isEmpty() ? QFileInfo(sti).fileName() : serie);
    return e;
}

}  // namespace

QList<Enhed> pciEnheder(const SystemRoots& roots, const IdNavne& ider)
{
    QList<Enhed> alle;
    const QString mappe = roots.sysRoot + QStringLiteral("/bus/pci/devices/");
    for (const QString& navn : navne(mappe))
        alle.append(pciEnhed(mappe + navn, ider));
    return alle;
}

QList<Enhed> usbEnheder(const SystemRoots& roots, const IdNavne& ider)
{
    QList<Enhed> alle;
    const QString mappe = roots.sysRoot + QStringLiteral("/bus/usb/devices/");
    for (const QString& navn : navne(mappe))
        if (QFileInfo::exists(mappe + navn + QStringLiteral("/idVendor")))
            alle.append(usbEnhed(mappe + navn, ider));
    return alle;
}

std::optional<Enhed> enhedFor(const QString& sysMappe, const IdNavne& ider)
{
    const QString enhed = QFileInfo(sysMappe + QStringLiteral("/device")).canonicalFilePath();
    if (enhed.isEmpty())
        return std::nullopt;
    if (QFileInfo::exists(enhed + QStringLiteral("/idVendor")))
        return usbEnhed(enhed, ider);
    // A USB interface: its device is the folder above.
    if (QFileInfo::exists(enhed + QStringLiteral("/../idVendor")))
        return usbEnhed(QFileInfo(enhed).absolutePath(), ider);
    if (QFileInfo::exists(enhed + QStringLiteral("/vendor")) && QFileInfo::exists(enhed + QStringLiteral("/class")))
        return pciEnhed(enhed, ider);
    return std::nullopt;
}

void tilfoejEnhed(Forekomst& f, const Enhed& e)
{
    f.tilfoej(QStringLiteral("Name"), e.navn);
    f.tilfoej(QStringLiteral("Caption"), e.navn);
    f.tilfoej(QStringLiteral("Manufacturer"), e.producent);
    f.tilfoej(QStringLiteral("PNPDeviceID"), e.pnpId);
    f.tilfoej(QStringLiteral("DeviceID"), e.pnpId);
    f.tilfoej(QStringLiteral("Service"), e.driver);
    f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
}

namespace {

// The ARM processor designers and a few of their cores, by the codes of cpuinfo.
QString armProducent(const QString& kode)
{
    static const QHash<QString, QString> navne = {
        {"0x41", "ARM"}, {"0x42", "Broadcom"}, {"0x43", "Cavium"}, {"0x48", "HiSilicon"}, {"0x4e", "NVIDIA"},
        {"0x50", "APM"}, {"0x51", "Qualcomm"}, {"0x53", "Samsung"}, {"0x61", "Apple"}, {"0xc0", "Ampere"}};
    return navne.value(kode.toLower());
}

QString armKerne(const QString& kode)
{
    static const QHash<QString, QString> navne = {
        {"0xd03", "Cortex-A53"}, {"0xd04", "Cortex-A35"}, {"0xd05", "Cortex-A55"}, {"0xd07", "Cortex-A57"},
        {"0xd08", "Cortex-A72"}, {"0xd09", "Cortex-A73"}, {"0xd0a", "Cortex-A75"}, {"0xd0b", "Cortex-A76"},
        {"0xd0c", "Neoverse-N1"}, {"0xd0d", "Cortex-A77"}, {"0xd40", "Neoverse-V1"}, {"0xd41", "Cortex-A78"},
        {"0xd49", "Neoverse-N2"}};
    return navne.value(kode.toLower());
}

}  // namespace

QList<Pakke> pakker(const SystemRoots& roots)
{
    QMap<QString, Pakke> efterId;
    QMap<QString, QSet<QString>> kerner;
    QHash<QString, QString> faelles;  // lines outside the processor blocks (ARM "Hardware", "Model")
    QList<QHash<QString, QString>> blokke;
    QHash<QString, QString> blok;
    for (const QString& linje : laes(roots.procRoot + QStringLiteral("/cpuinfo")).split(u'\n')) {
        if (linje.trimmed().isEmpty()) {
            if (!blok.isEmpty())
                blokke.append(blok);
            blok.clear();
            continue;
        }
        const qsizetype i = linje.indexOf(u':');
        if (i > 0)
            blok.insert(linje.left(i).trimmed(), linje.mid(i + 1).trimmed());
    }
    if (!blok.isEmpty())
        blokke.append(blok);
    for (const auto& b : blokke) {
        if (!b.contains(QStringLiteral("processor"))) {
            faelles.insert(b);
            continue;
        }
        const QString id = b.value(QStringLiteral("physical id"), QStringLiteral("0"));
        Pakke& p = efterId[id];
        p.cpuer.append(b.value(QStringLiteral("processor")));
        if (p.logiske++ == 0) {
            p.navn = b.value(QStringLiteral("model name"), b.value(QStringLiteral("cpu model")));
            p.producent = b.value(QStringLiteral("vendor_id"));
            if (const QString arm = b.value(QStringLiteral("CPU implementer")); !arm.isEmpty()) {
                p.producent = armProducent(arm);
                if (p.navn.isEmpty()) {
                    const QString kerne = armKerne(b.value(QStringLiteral("CPU part")));
                    p.navn = (p.producent.isEmpty() ? QStringLiteral("ARM") : p.producent) + u' '
                             + (kerne.isEmpty() ? b.value(QStringLiteral("CPU part")) : kerne);
                }
                p.arkitektur = b.value(QStringLiteral("CPU architecture")).toInt() >= 8 ? 12 : 5;
            } else if (b.contains(QStringLiteral("flags"))) {
                const QStringList flag = b.value(QStringLiteral("flags")).split(u' ');
                p.arkitektur = flag.contains(QStringLiteral("lm")) ? 9 : 0;
                p.hypervisor = flag.contains(QStringLiteral("hypervisor"));
            }
            p.mhz = b.value(QStringLiteral("cpu MHz"));
            p.kerner = b.value(QStringLiteral("cpu cores")).toInt();
        }
        if (b.contains(QStringLiteral("core id")))
            kerner[id].insert(b.value(QStringLiteral("core id")));
    }
    QList<Pakke> alle;
    for (auto it = efterId.begin(); it != efterId.end(); ++it) {
        Pakke p = it.value();
        if (p.kerner <= 0)
            p.kerner = kerner.value(it.key()).isEmpty() ? p.logiske : int(kerner.value(it.key()).size());
        if (p.navn.isEmpty())
            p.navn = faelles.value(QStringLiteral("Model"), faelles.value(QStringLiteral("Hardware")));
        alle.append(p);
    }
    return alle;
}

namespace {

// The size in kilobytes of a package's caches of one level, a cache its logical processors share
// counted once, as lscpu sums them; -1 when /sys tells none.
qint64 cacheKilobytes(const SystemRoots& roots, const QStringList& cpuer, int niveau)
{
    QSet<QString> talte;
    qint64 sum = 0;
    for (const QString& cpu : cpuer) {
        const QString mappe = roots.sysRoot + QStringLiteral("/devices/system/cpu/cpu") + cpu + QStringLiteral("/cache/");
        for (const QString& index : navne(mappe)) {
            const QString m = mappe + index + u'/';
            const QString stoerrelse = laes(m + QStringLiteral("size"));
            if (!index.startsWith(QStringLiteral("index")) || laes(m + QStringLiteral("level")).toInt() != niveau
                || !stoerrelse.endsWith(u'K'))
                continue;
            const QString deles = laes(m + QStringLiteral("shared_cpu_list"));
            const QString noegle = laes(m + QStringLiteral("type")) + u' ' + (deles.isEmpty() ? cpu + u'/' + index : deles);
            if (talte.contains(noegle))
                continue;
            talte.insert(noegle);
            sum += stoerrelse.chopped(1).toLongLong();
        }
    }
    return talte.isEmpty() ? -1 : sum;
}

QList<Forekomst> processor(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    for (const Pakke& p : pakker(roots)) {
        Forekomst f;
        const QString cpu = roots.sysRoot + QStringLiteral("/devices/system/cpu/cpu") + p.cpuer.first() + QStringLiteral("/cpufreq/");
        f.tilfoej(QStringLiteral("DeviceID"), QStringLiteral("CPU%1").arg(alle.size()));
        f.tilfoej(QStringLiteral("Name"), p.navn);
        f.tilfoej(QStringLiteral("Manufacturer"), p.producent);
        if (p.arkitektur >= 0)
            f.tilfoej(QStringLiteral("Architecture"), tal(p.arkitektur));
        f.tilfoej(QStringLiteral("NumberOfCores"), tal(p.kerner));
        f.tilfoej(QStringLiteral("NumberOfLogicalProcessors"), tal(p.logiske));
        const qint64 maks = laes(cpu + QStringLiteral("cpuinfo_max_freq")).toLongLong();
        if (maks > 0)
            f.tilfoej(QStringLiteral("MaxClockSpeed"), tal(maks / 1000));
        if (!p.mhz.isEmpty())
            f.tilfoej(QStringLiteral("CurrentClockSpeed"), tal(std::llround(p.mhz.toDouble())));
        else if (const qint64 nu = laes(cpu + QStringLiteral("scaling_cur_freq")).toLongLong(); nu > 0)
            f.tilfoej(QStringLiteral("CurrentClockSpeed"), tal(nu / 1000));
        // The class means the whole processor's cache, not one core's.
        if (const qint64 l2 = cacheKilobytes(roots, p.cpuer, 2); l2 >= 0)
            f.tilfoej(QStringLiteral("L2CacheSize"), tal(l2));
        f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

QString dmi(const SystemRoots& roots, const char* navn)
{
    return laes(roots.sysRoot + QStringLiteral("/class/dmi/id/") + QLatin1String(navn));
}

QList<Forekomst> dmiKlasse(const SystemRoots& roots, std::initializer_list<std::pair<const char*, const char*>> felter)
{
    Forekomst f;
    for (const auto& [egenskab, fil] : felter)
        f.tilfoej(QLatin1String(egenskab), dmi(roots, fil));
    if (f.egenskaber.isEmpty())
        return {};
    return {f};
}

// The class's drive type and description of a drive as the user sees it.
std::pair<int, QString> drevType(DriveKind kind)
{
    switch (kind) {
    case DriveKind::Removable: return {2, QStringLiteral("Flytbar disk")};
    case DriveKind::Optical: return {5, QStringLiteral("Cd-rom-disk")};
    default: return {3, QStringLiteral("Lokal disk")};
    }
}

// The drives the explorer lists, and no other mount.
QList<Forekomst> logicalDisk(const SystemRoots& roots)
{
    QFile fil(roots.procRoot + QStringLiteral("/self/mountinfo"));
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    const DeviceFacts facts{roots.sysRoot, roots.devRoot + QStringLiteral("/disk/by-label")};
    QList<Forekomst> alle;
    for (const DriveInfo& d : userDrives(parseMountInfo(fil.read(8 << 20), facts))) {
        const auto [type, beskrivelse] = drevType(d.kind);
        Forekomst f;
        f.tilfoej(QStringLiteral("DeviceID"), d.mountPoint);
        f.tilfoej(QStringLiteral("Name"), d.mountPoint);
        f.tilfoej(QStringLiteral("Description"), beskrivelse);
        f.tilfoej(QStringLiteral("DriveType"), tal(type));
        f.tilfoej(QStringLiteral("FileSystem"), d.fsType);
        f.tilfoej(QStringLiteral("VolumeName"), d.label);
        struct statvfs s;
        if (roots.statvfs && ::statvfs(QFile::encodeName(d.mountPoint).constData(), &s) == 0) {
            f.tilfoej(QStringLiteral("Size"), tal(qint64(s.f_blocks) * qint64(s.f_frsize)));
            f.tilfoej(QStringLiteral("FreeSpace"), tal(qint64(s.f_bavail) * qint64(s.f_frsize)));
        }
        alle.append(f);
    }
    return alle;
}

// The disks of /sys/block that stand for a device (not loop, ram or zram devices).
QStringList diske(const SystemRoots& roots)
{
    QStringList alle;
    for (const QString& navn : navne(roots.sysRoot + QStringLiteral("/block")))
        if (QFileInfo::exists(roots.sysRoot + QStringLiteral("/block/") + navn + QStringLiteral("/device")))
            alle.append(navn);
    return alle;
}

QList<Forekomst> diskDrive(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    for (const QString& navn : diske(roots)) {
        const QString mappe = roots.sysRoot + QStringLiteral("/block/") + navn;
        const QString sti = QFileInfo(mappe).canonicalFilePath();
        Forekomst f;
        QString model = laes(mappe + QStringLiteral("/device/model"));
        if (const QString v = laes(mappe + QStringLiteral("/device/vendor"));
            !v.isEmpty() && !v.startsWith(QStringLiteral("0x")) && !model.startsWith(v))
            model = v + u' ' + model;
        f.tilfoej(QStringLiteral("DeviceID"), roots.devRoot + u'/' + navn);
        f.tilfoej(QStringLiteral("Name"), roots.devRoot + u'/' + navn);
        f.tilfoej(QStringLiteral("Index"), tal(alle.size()));
        f.tilfoej(QStringLiteral("Model"), model.trimmed());
        f.tilfoej(QStringLiteral("Caption"), model.trimmed().isEmpty() ? navn : model.trimmed());
        const bool flytbar = laes(mappe + QStringLiteral("/removable")) == u"1" || sti.contains(QStringLiteral("/usb"));
        f.tilfoej(QStringLiteral("InterfaceType"), sti.contains(QStringLiteral("/usb"))      ? QStringLiteral("USB")
                                                   : navn.startsWith(QStringLiteral("nvme")) ? QStringLiteral("NVMe")
                                                   : sti.contains(QStringLiteral("/virtio")) ? QStringLiteral("Virtio")
                                                   : navn.startsWith(QStringLiteral("sd"))   ? QStringLiteral("SCSI")
                                                   : navn.startsWith(QStringLiteral("mmc"))  ? QStringLiteral("SD")
                                                                                             : QString());
        f.tilfoej(QStringLiteral("MediaType"), flytbar ? QStringLiteral("Removable Media") : QStringLiteral("Fixed hard disk media"));
        const QString sektorer = laes(mappe + QStringLiteral("/size"));
        if (!sektorer.isEmpty())
            f.tilfoej(QStringLiteral("Size"), tal(sektorer.toLongLong() * 512));
        f.tilfoej(QStringLiteral("BytesPerSector"), laes(mappe + QStringLiteral("/queue/logical_block_size")));
        int dele = 0;
        for (const QString& del : navne(mappe))
            if (QFileInfo::exists(mappe + u'/' + del + QStringLiteral("/partition")))
                ++dele;
        f.tilfoej(QStringLiteral("Partitions"), tal(dele));
        QString serie = laes(mappe + QStringLiteral("/serial"));
        if (serie.isEmpty())
            serie = laes(mappe + QStringLiteral("/device/serial"));
        f.tilfoej(QStringLiteral("SerialNumber"), serie);
        f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> diskPartition(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    int disk = 0;
    for (const QString& navn : diske(roots)) {
        const QString mappe = roots.sysRoot + QStringLiteral("/block/") + navn;
        int index = 0;
        for (const QString& del : navne(mappe)) {
            const QString delMappe = mappe + u'/' + del;
            if (!QFileInfo::exists(delMappe + QStringLiteral("/partition")))
                continue;
            Forekomst f;
            f.tilfoej(QStringLiteral("DeviceID"), roots.devRoot + u'/' + del);
            f.tilfoej(QStringLiteral("Name"), QStringLiteral("Disk #%1, Partition #%2").arg(disk).arg(index));
            f.tilfoej(QStringLiteral("DiskIndex"), tal(disk));
            f.tilfoej(QStringLiteral("Index"), tal(index));
            if (const QString s = laes(delMappe + QStringLiteral("/size")); !s.isEmpty())
                f.tilfoej(QStringLiteral("Size"), tal(s.toLongLong() * 512));
            if (const QString s = laes(delMappe + QStringLiteral("/start")); !s.isEmpty())
                f.tilfoej(QStringLiteral("StartingOffset"), tal(s.toLongLong() * 512));
            alle.append(f);
            ++index;
        }
        ++disk;
    }
    return alle;
}

QList<Forekomst> videoController(const SystemRoots& roots, const IdNavne& ider)
{
    QList<Forekomst> alle;
    for (const Enhed& e : pciEnheder(roots, ider)) {
        if (!e.klasse.startsWith(QStringLiteral("03")))
            continue;
        Forekomst f;
        f.tilfoej(QStringLiteral("DeviceID"), QStringLiteral("VideoController%1").arg(alle.size() + 1));
        f.tilfoej(QStringLiteral("Name"), e.navn);
        f.tilfoej(QStringLiteral("AdapterCompatibility"), e.producent);
        f.tilfoej(QStringLiteral("PNPDeviceID"), e.pnpId);
        f.tilfoej(QStringLiteral("InstalledDisplayDrivers"), e.driver);
        // The first shown mode of a connected screen of this card.
        for (const QString& drm : navne(roots.sysRoot + QStringLiteral("/class/drm"))) {
            const QString m = roots.sysRoot + QStringLiteral("/class/drm/") + drm;
            if (!drm.contains(u'-') || QFileInfo(m + QStringLiteral("/device")).canonicalFilePath() != QFileInfo(e.sysSti).canonicalFilePath()
                || laes(m + QStringLiteral("/status")) != u"connected")
                continue;
            const QStringList maal = laes(m + QStringLiteral("/modes")).section(u'\n', 0, 0).split(u'x');
            if (maal.size() == 2) {
                f.tilfoej(QStringLiteral("CurrentHorizontalResolution"), maal[0]);
                f.tilfoej(QStringLiteral("CurrentVerticalResolution"), maal[1].section(u'i', 0, 0));
                break;
            }
        }
        f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> soundDevice(const SystemRoots& roots, const IdNavne& ider)
{
    QList<Forekomst> alle;
    const QString klasse = roots.sysRoot + QStringLiteral("/class/sound/");
    for (const QString& kort : navne(klasse)) {
        if (!kort.startsWith(QStringLiteral("card")) || kort.contains(u'-'))
            continue;
        Forekomst f;
        const std::optional<Enhed> e = enhedFor(klasse + kort, ider);
        const QString id = laes(klasse + kort + QStringLiteral("/id"));
        f.tilfoej(QStringLiteral("Name"), e ? e->navn : id);
        f.tilfoej(QStringLiteral("ProductName"), id);
        f.tilfoej(QStringLiteral("Manufacturer"), e ? e->producent : QString());
        f.tilfoej(QStringLiteral("DeviceID"), e ? e->pnpId : kort);
        f.tilfoej(QStringLiteral("PNPDeviceID"), e ? e->pnpId : QString());
        f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> networkAdapter(const SystemRoots& roots, const IdNavne& ider)
{
    QList<Forekomst> alle;
    const QString klasse = roots.sysRoot + QStringLiteral("/class/net/");
    for (const QString& navn : navne(klasse)) {
        const QString m = klasse + navn;
        Forekomst f;
        const std::optional<Enhed> e = enhedFor(m, ider);
        f.tilfoej(QStringLiteral("DeviceID"), laes(m + QStringLiteral("/ifindex")));
        f.tilfoej(QStringLiteral("Index"), laes(m + QStringLiteral("/ifindex")));
        f.tilfoej(QStringLiteral("Name"), e ? e->navn : navn);
        f.tilfoej(QStringLiteral("NetConnectionID"), navn);
        f.tilfoej(QStringLiteral("Manufacturer"), e ? e->producent : QString());
        f.tilfoej(QStringLiteral("PNPDeviceID"), e ? e->pnpId : QString());
        const QString mac = laes(m + QStringLiteral("/address")).toUpper();
        if (mac != QStringLiteral("00:00:00:00:00:00"))
            f.tilfoej(QStringLiteral("MACAddress"), mac);
        const int type = laes(m + QStringLiteral("/type")).toInt();
        f.tilfoej(QStringLiteral("AdapterType"), QFileInfo::exists(m + QStringLiteral("/wireless")) ? QStringLiteral("Wireless")
                                                 : type == 1                                          ? QStringLiteral("Ethernet 802.3")
                                                 : type == 772                                        ? QStringLiteral("Loopback")
                                                                                                      : QString());
        const qint64 fart = laes(m + QStringLiteral("/speed")).toLongLong();
        if (fart > 0)
            f.tilfoej(QStringLiteral("Speed"), tal(fart * 1000000));
        const QString tilstand = laes(m + QStringLiteral("/operstate"));
        if (!tilstand.isEmpty())
            f.tilfoej(QStringLiteral("NetConnectionStatus"), tilstand == u"up" || tilstand == u"unknown" ? QStringLiteral("2")
                                                             : tilstand == u"down"                         ? QStringLiteral("7")
                                                                                                            : QStringLiteral("0"));
        if (const QString flag = laes(m + QStringLiteral("/flags")); !flag.isEmpty())
            f.tilfoej(QStringLiteral("NetEnabled"), sandFalsk(flag.toLongLong(nullptr, 16) & 1));
        f.tilfoej(QStringLiteral("PhysicalAdapter"), sandFalsk(e.has_value()));
        alle.append(f);
    }
    return alle;
}

QList<Forekomst> pnpEntity(const SystemRoots& roots, const IdNavne& ider)
{
    QList<Forekomst> alle;
    for (const QList<Enhed>& enheder : {pciEnheder(roots, ider), usbEnheder(roots, ider)})
        for (const Enhed& e : enheder) {
            Forekomst f;
            tilfoejEnhed(f, e);
            alle.append(f);
        }
    return alle;
}

QList<Forekomst> battery(const SystemRoots& roots)
{
    QList<Forekomst> alle;
    const QString klasse = roots.sysRoot + QStringLiteral("/class/power_supply/");
    for (const QString& navn : navne(klasse)) {
        const QString m = klasse + navn + u'/';
        if (laes(m + QStringLiteral("type")) != u"Battery")
            continue;
        Forekomst f;
        f.tilfoej(QStringLiteral("DeviceID"), navn);
        const QString model = laes(m + QStringLiteral("model_name"));
        f.tilfoej(QStringLiteral("Name"), model.isEmpty() ? navn : model);
        f.tilfoej(QStringLiteral("Manufacturer"), laes(m + QStringLiteral("manufacturer")));
        f.tilfoej(QStringLiteral("EstimatedChargeRemaining"), laes(m + QStringLiteral("capacity")));
        const QString status = laes(m + QStringLiteral("status"));
        static const QHash<QString, QString> statusKoder = {
            {"Discharging", "1"}, {"Not charging", "2"}, {"Unknown", "2"}, {"Full", "3"}, {"Charging", "6"}};
        f.tilfoej(QStringLiteral("BatteryStatus"), statusKoder.value(status));
        static const QHash<QString, QString> kemi = {
            {"Li-ion", "6"}, {"Li-poly", "8"}, {"NiMH", "5"}, {"NiCd", "4"}, {"Lead-acid", "3"}, {"LiFe", "6"}};
        f.tilfoej(QStringLiteral("Chemistry"), kemi.value(laes(m + QStringLiteral("technology")), QString()));
        for (const auto& [egenskab, fil] : {std::pair{"DesignCapacity", "energy_full_design"}, {"FullChargeCapacity", "energy_full"}})
            if (const QString v = laes(m + QLatin1String(fil)); !v.isEmpty())
                f.tilfoej(QLatin1String(egenskab), tal(v.toLongLong() / 1000));
        f.tilfoej(QStringLiteral("Status"), QStringLiteral("OK"));
        alle.append(f);
    }
    return alle;
}

using Laeser = QList<Forekomst> (*)(const SystemRoots&, const IdNavne&);

const QMap<QString, Laeser>& laesere()
{
    static const QMap<QString, Laeser> alle = {
        {"Win32_OperatingSystem", [](const SystemRoots& r, const IdNavne&) { return operatingSystem(r); }},
        {"Win32_ComputerSystem", [](const SystemRoots& r, const IdNavne&) { return computerSystem(r); }},
        {"Win32_BIOS", [](const SystemRoots& r, const IdNavne&) {
             return dmiKlasse(r, {{"Manufacturer", "bios_vendor"}, {"Name", "bios_version"}, {"SMBIOSBIOSVersion", "bios_version"},
                                  {"Version", "bios_release"}, {"ReleaseDate", "bios_date"}, {"SerialNumber", "product_serial"}});
         }},
        {"Win32_BaseBoard", [](const SystemRoots& r, const IdNavne&) {
             return dmiKlasse(r, {{"Manufacturer", "board_vendor"}, {"Product", "board_name"}, {"Version", "board_version"},
                                  {"SerialNumber", "board_serial"}, {"Tag", "board_asset_tag"}});
         }},
        {"Win32_Processor", [](const SystemRoots& r, const IdNavne&) { return processor(r); }},
        {"Win32_LogicalDisk", [](const SystemRoots& r, const IdNavne&) { return logicalDisk(r); }},
        {"Win32_DiskDrive", [](const SystemRoots& r, const IdNavne&) { return diskDrive(r); }},
        {"Win32_DiskPartition", [](const SystemRoots& r, const IdNavne&) { return diskPartition(r); }},
        {"Win32_NetworkAdapter", networkAdapter},
        {"Win32_NetworkAdapterConfiguration", [](const SystemRoots& r, const IdNavne&) { return networkAdapterConfiguration(r); }},
        {"Win32_VideoController", videoController},
        {"Win32_SoundDevice", soundDevice},
        {"Win32_PnPEntity", pnpEntity},
        {"Win32_Battery", [](const SystemRoots& r, const IdNavne&) { return battery(r); }},
        {"Win32_Process", [](const SystemRoots& r, const IdNavne&) { return process(r); }},
        {"Win32_Service", [](const SystemRoots& r, const IdNavne&) { return service(r); }},
        {"Win32_StartupCommand", [](const SystemRoots& r, const IdNavne&) { return startupCommand(r); }},
        {"Win32_TimeZone", [](const SystemRoots& r, const IdNavne&) { return timeZone(r); }},
        {"Win32_UserAccount", [](const SystemRoots& r, const IdNavne&) { return userAccount(r); }},
    };
    return alle;
}

}  // namespace

}  // namespace sysinfo

QStringList Systemoplysninger::klasser()
{
    QStringList alle = sysinfo::laesere().keys();
    alle.sort();
    return alle;
}

bool Systemoplysninger::kendtKlasse(const QString& klasse) { return sysinfo::laesere().contains(klasse); }

QStringList Systemoplysninger::oversigtsklasser()
{
    return {QStringLiteral("Win32_OperatingSystem"), QStringLiteral("Win32_ComputerSystem"), QStringLiteral("Win32_BIOS"),
            QStringLiteral("Win32_BaseBoard"),       QStringLiteral("Win32_Processor"),      QStringLiteral("Win32_LogicalDisk"),
            QStringLiteral("Win32_DiskDrive"),       QStringLiteral("Win32_NetworkAdapterConfiguration"),
            QStringLiteral("Win32_VideoController"), QStringLiteral("Win32_SoundDevice"),    QStringLiteral("Win32_Battery"),
            QStringLiteral("Win32_TimeZone")};
}

QList<Forekomst> Systemoplysninger::forekomster(const QString& klasse) const
{
    const auto laeser = sysinfo::laesere().value(klasse);
    if (!laeser)
        return {};
    const sysinfo::IdNavne ider(roots);
    return laeser(roots, ider);
}

QString somTekst(const QList<std::pair<QString, QList<Forekomst>>>& klasser)
{
    QString ud;
    for (const auto& [klasse, forekomster] : klasser) {
        ud += klasse + u'\n';
        ud += QString(klasse.size(), u'=') + QStringLiteral("\n\n");
        if (forekomster.isEmpty())
            ud += QStringLiteral("Ingen forekomster.\n\n");
        for (const Forekomst& f : forekomster) {
            for (const auto& [navn, vaerdi] : f.egenskaber)
                ud += navn + QStringLiteral(" = ") + QString(vaerdi).replace(u'\n', u' ') + u'\n';
            ud += u'\n';
        }
    }
    return ud;
}

QString somHtml(const QString& titel, const QList<std::pair<QString, QList<Forekomst>>>& klasser)
{
    QString ud = QStringLiteral("<!DOCTYPE html>\n<html lang=\"da\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
                 + titel.toHtmlEscaped()
                 + QStringLiteral("</title>\n<style>\nbody { font-family: sans-serif; }\n"
                                  "table { border-collapse: collapse; margin-bottom: 1em; }\n"
                                  "th, td { border: 1px solid #bbb; padding: 2px 6px; text-align: left; vertical-align: top; }\n"
                                  "th { background: #eef; font-weight: normal; }\n</style>\n</head>\n<body>\n<h1>")
                 + titel.toHtmlEscaped() + QStringLiteral("</h1>\n");
    for (const auto& [klasse, forekomster] : klasser) {
        ud += QStringLiteral("<h2>") + klasse.toHtmlEscaped() + QStringLiteral("</h2>\n");
        if (forekomster.isEmpty())
            ud += QStringLiteral("<p>Ingen forekomster.</p>\n");
        for (const Forekomst& f : forekomster) {
            ud += QStringLiteral("<table>\n");
            for (const auto& [navn, vaerdi] : f.egenskaber)
                ud += QStringLiteral("<tr><th>") + navn.toHtmlEscaped() + QStringLiteral("</th><td>") + vaerdi.toHtmlEscaped()
                      + QStringLiteral("</td></tr>\n");
            ud += QStringLiteral("</table>\n");
        }
    }
    return ud + QStringLiteral("</body>\n</html>\n");
}

}  // namespace platform
