#pragma once

// The small readers the system-information classes share (platform/sysinfo*.cpp only).

#include "platform/sysinfo.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform::sysinfo {

// A file's text, trimmed; empty when it cannot be read (missing, root-only, an attribute that
// fails to read). Reads at most 1 MiB, so no file of /proc or /sys keeps it.
QString laes(const QString& sti);
// The lines "key<sep>value" of a file, keys and values trimmed.
QHash<QString, QString> noegler(const QString& sti, QChar sep);
// The names in a folder (no "." and ".."), sorted; empty when it cannot be read.
QStringList navne(const QString& mappe);
// A number of bytes, kilobytes, ... as a decimal text; empty for none.
QString tal(qint64 n);
QString sandFalsk(bool b);
// The target's last path part of a link; empty when no link.
QString linkNavn(const QString& sti);

// The name of a PCI or USB vendor and device from pci.ids / usb.ids in the roots' folders.
class IdNavne {
public:
    explicit IdNavne(const SystemRoots& roots) : roots(roots) {}
    QString leverandoer(const QString& fil, const QString& vendor) const;
    QString enhed(const QString& fil, const QString& vendor, const QString& device) const;

private:
    const QByteArray& data(const QString& fil) const;
    const SystemRoots& roots;
    mutable QHash<QString, QByteArray> filer;
};

// A PCI or USB device of /sys: the instance facts the device classes share.
struct Enhed {
    QString sysSti;
    QString bus;         // "PCI" or "USB"
    QString vendor;      // four hex digits, upper case
    QString device;
    QString klasse;      // PCI class code, six hex digits
    QString navn;        // device name
    QString producent;   // vendor name
    QString driver;
    QString pnpId;
};
QList<Enhed> pciEnheder(const SystemRoots& roots, const IdNavne& ider);
QList<Enhed> usbEnheder(const SystemRoots& roots, const IdNavne& ider);
// The device a /sys folder's "device" link leads to (PCI or USB), when it is one.
std::optional<Enhed> enhedFor(const QString& sysMappe, const IdNavne& ider);
void tilfoejEnhed(Forekomst& f, const Enhed& e);

// The instances of the operating-system classes (sysinfo_os.cpp).
QList<Forekomst> operatingSystem(const SystemRoots& roots);
QList<Forekomst> computerSystem(const SystemRoots& roots);
QList<Forekomst> process(const SystemRoots& roots);
QList<Forekomst> service(const SystemRoots& roots);
QList<Forekomst> startupCommand(const SystemRoots& roots);
QList<Forekomst> timeZone(const SystemRoots& roots);
QList<Forekomst> userAccount(const SystemRoots& roots);
QList<Forekomst> networkAdapterConfiguration(const SystemRoots& roots);
QString vaertsnavn(const SystemRoots& roots);

// The processors by package, from cpuinfo (sysinfo.cpp).
struct Pakke {
    QString navn, producent;
    int logiske = 0;
    int kerner = 0;
    QStringList cpuer;  // the numbers of its logical processors
    QString mhz;
    int arkitektur = -1;
    bool hypervisor = false;
};
QList<Pakke> pakker(const SystemRoots& roots);

}  // namespace platform::sysinfo
