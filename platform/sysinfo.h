#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// The system's facts as the WMI classes of the namespace root\CIMV2 name them: the Win32 class
// and property names where a Linux fact exists, each number in the unit its class defines (bytes,
// kilobytes, MHz, bits per second, ...). QtCore only; what the helper program qvm-sysinfo prints.
namespace platform {

// Where the facts are read: "/proc", "/sys", "/etc" on a running system; tests point them into a
// folder of their own, as DeviceFacts does for the drives.
struct SystemRoots {
    QString procRoot = QStringLiteral("/proc");
    QString sysRoot = QStringLiteral("/sys");
    QString etcRoot = QStringLiteral("/etc");
    QString devRoot = QStringLiteral("/dev");
    // Folders holding pci.ids and usb.ids; the first that has a file wins.
    QStringList idsDirs = {QStringLiteral("/usr/share/misc"), QStringLiteral("/usr/share/hwdata"),
                           QStringLiteral("/usr/share/pci.ids.d")};
    // The user's own start-up folder; empty: none.
    QString userAutostart;
    // The program asked about services (systemd); empty: none asked.
    QString systemctl = QStringLiteral("systemctl");
    // Whether the drives are asked for their size and free space (statvfs).
    bool statvfs = true;
};

// One instance: its properties in order, each with its value as text. A fact that cannot be read
// is left out, never given as an empty value.
struct Forekomst {
    QList<std::pair<QString, QString>> egenskaber;
    void tilfoej(const QString& navn, const QString& vaerdi)
    {
        if (!vaerdi.isEmpty())
            egenskaber.append({navn, vaerdi});
    }
    QString vaerdi(const QString& navn) const
    {
        for (const auto& [n, v] : egenskaber)
            if (n == navn)
                return v;
        return {};
    }
};

class Systemoplysninger {
public:
    explicit Systemoplysninger(SystemRoots roots = {}) : roots(std::move(roots)) {}

    // The class names, sorted.
    static QStringList klasser();
    static bool kendtKlasse(const QString& klasse);
    // The classes of the overview page.
    static QStringList oversigtsklasser();
    // The instances of a known class; none for an unknown one.
    QList<Forekomst> forekomster(const QString& klasse) const;

    const SystemRoots roots;
};

// The instances of classes as text: the class name, then each instance's lines "Name = value"
// with an empty line after it; "Ingen forekomster." for a class without instances.
QString somTekst(const QList<std::pair<QString, QList<Forekomst>>>& klasser);
// The same as one UTF-8 HTML page with a heading and a table per instance, every value escaped.
QString somHtml(const QString& titel, const QList<std::pair<QString, QList<Forekomst>>>& klasser);

}  // namespace platform
