#include "platform/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace platform {
namespace {

// mountinfo writes blanks, tabs, newlines and backslashes in paths as three octal digits.
QByteArray unescapeOctal(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = digits.size() == 3;
            for (const char d : digits)
                ok = ok && d >= '0' && d <= '7';
            if (ok) {
                out += char(digits.toInt(nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// udev writes unsafe characters of a label in a by-label name as \xNN.
QString unescapeUdev(const QString& name)
{
    QByteArray out;
    const QByteArray bytes = QFile::encodeName(name);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
            bool ok = false;
            const int value = bytes.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += bytes[i];
    }
    return QString::fromUtf8(out);
}

bool isPseudo(const QString& type)
{
    static const QSet<QString> pseudo = {
        QStringLiteral("proc"),       QStringLiteral("sysfs"),     QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),    QStringLiteral("devpts"),    QStringLiteral("devtmpfs"),
        QStringLiteral("securityfs"), QStringLiteral("debugfs"),   QStringLiteral("tracefs"),
        QStringLiteral("pstore"),     QStringLiteral("bpf"),       QStringLiteral("mqueue"),
        QStringLiteral("hugetlbfs"),  QStringLiteral("configfs"),  QStringLiteral("fusectl"),
        QStringLiteral("binfmt_misc"), QStringLiteral("autofs"),   QStringLiteral("efivarfs"),
        QStringLiteral("rpc_pipefs"), QStringLiteral("nsfs"),      QStringLiteral("selinuxfs"),
    };
    return pseudo.contains(type);
}

bool isNetwork(const QString& type, const QString& source)
{
    static const QSet<QString> remote = {
        QStringLiteral("nfs"),   QStringLiteral("nfs4"),  QStringLiteral("cifs"),
        QStringLiteral("smb3"),  QStringLiteral("smbfs"), QStringLiteral("sshfs"),
        QStringLiteral("9p"),    QStringLiteral("ceph"),  QStringLiteral("afs"),
        QStringLiteral("davfs"), QStringLiteral("glusterfs"),
    };
    if (remote.contains(type))
        return true;
    if (!type.startsWith(QStringLiteral("fuse.")))
        return false;
    static const QSet<QString> remoteFuse = {
        QStringLiteral("sshfs"),   QStringLiteral("rclone"),    QStringLiteral("s3fs"),
        QStringLiteral("gcsfuse"), QStringLiteral("curlftpfs"), QStringLiteral("smbnetfs"),
        QStringLiteral("glusterfs"), QStringLiteral("davfs"),
    };
    // Other FUSE file systems are remote when mounted from "host:path" or "user@host:path".
    static const QRegularExpression hostSource(QStringLiteral(R"(^[^/\s]+:)"));
    return remoteFuse.contains(type.mid(5)) || hostSource.match(source).hasMatch();
}

// The whole disk of a partition device name: sdb1 -> sdb, nvme0n1p2 -> nvme0n1, mmcblk0p1 -> mmcblk0.
QString diskOf(const QString& device, const QString& sysRoot)
{
    if (QFileInfo::exists(sysRoot + QStringLiteral("/block/") + device))
        return device;
    static const QRegularExpression numberedDisk(QStringLiteral(R"(^(.*\d)p\d+$)"));
    static const QRegularExpression plainDisk(QStringLiteral(R"(^(.*\D)\d+$)"));
    if (const auto m = numberedDisk.match(device); m.hasMatch())
        return m.captured(1);
    if (const auto m = plainDisk.match(device); m.hasMatch())
        return m.captured(1);
    return device;
}

bool isRemovableDisk(const QString& device, const DeviceFacts& facts)
{
    const QString disk = facts.sysRoot + QStringLiteral("/block/") + diskOf(device, facts.sysRoot);
    QFile removable(disk + QStringLiteral("/removable"));
    if (removable.open(QIODevice::ReadOnly) && removable.read(1) == "1")
        return true;
    return QFileInfo(disk).canonicalFilePath().contains(QStringLiteral("/usb"));
}

QHash<QString, QString> labelsByDevice(const QString& byLabelDir)
{
    QHash<QString, QString> labels;
    const QDir dir(byLabelDir);
    for (const QFileInfo& link : dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        labels.insert(QDir::cleanPath(link.symLinkTarget()), unescapeUdev(link.fileName()));
    return labels;
}

DriveKind kindOf(const DriveInfo& drive, const DeviceFacts& facts)
{
    if (drive.mountPoint == u"/")
        return DriveKind::Fixed;
    if (isPseudo(drive.fsType))
        return DriveKind::Pseudo;
    if (drive.fsType == u"tmpfs" || drive.fsType == u"ramfs")
        return DriveKind::Ram;
    if (isNetwork(drive.fsType, drive.source))
        return DriveKind::Network;
    const QString device = drive.source.startsWith(QStringLiteral("/dev/"))
        ? QFileInfo(drive.source).fileName()
        : QString();
    if (drive.fsType == u"iso9660" || drive.fsType == u"udf" || device.startsWith(QStringLiteral("sr")))
        return DriveKind::Optical;
    if (device.isEmpty())
        return DriveKind::Pseudo;
    return isRemovableDisk(device, facts) ? DriveKind::Removable : DriveKind::Fixed;
}

class LinuxDrives final : public Drives {
public:
    QList<DriveInfo> mounted() const override
    {
        QFile file(QStringLiteral("/proc/self/mountinfo"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return parseMountInfo(file.readAll());
    }
};

}  // namespace

QList<DriveInfo> parseMountInfo(const QByteArray& mountInfo, const DeviceFacts& facts)
{
    const QHash<QString, QString> labels = labelsByDevice(facts.byLabelDir);
    QList<DriveInfo> drives;
    for (const QByteArray& line : mountInfo.split('\n')) {
        // id parent major:minor root mount-point options [optional fields...] - type source super-options
        const QList<QByteArray> fields = line.simplified().split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 7 || separator < 6 || separator + 2 >= fields.size())
            continue;
        DriveInfo drive;
        drive.mountPoint = QFile::decodeName(unescapeOctal(fields[4]));
        drive.fsType = QString::fromUtf8(unescapeOctal(fields[separator + 1]));
        drive.source = QFile::decodeName(unescapeOctal(fields[separator + 2]));
        if (!drive.mountPoint.startsWith(u'/'))
            continue;
        drive.kind = kindOf(drive, facts);
        if (drive.source.startsWith(QStringLiteral("/dev/"))) {
            const QString canonical = QFileInfo(drive.source).canonicalFilePath();
            drive.label = labels.value(canonical.isEmpty() ? drive.source : canonical);
        }
        drives.append(drive);
    }
    return drives;
}

std::unique_ptr<Drives> makeLinuxDrives() { return std::make_unique<LinuxDrives>(); }

QList<DriveInfo> mountsInForce(const QList<DriveInfo>& mounted)
{
    QList<DriveInfo> inForce;
    for (const DriveInfo& drive : mounted) {
        const auto same = std::find_if(inForce.begin(), inForce.end(),
                                       [&drive](const DriveInfo& d) { return d.mountPoint == drive.mountPoint; });
        if (same != inForce.end())
            *same = drive;
        else
            inForce.append(drive);
    }
    return inForce;
}

QList<DriveInfo> userDrives(const QList<DriveInfo>& mounted)
{
    QList<DriveInfo> drives = mountsInForce(mounted);
    drives.removeIf([](const DriveInfo& d) {
        const bool userKind = d.kind == DriveKind::Removable || d.kind == DriveKind::Fixed || d.kind == DriveKind::Optical;
        return !userKind || !QFileInfo(d.mountPoint).isDir();
    });
    return drives;
}

}  // namespace platform
