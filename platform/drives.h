#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace platform {

// What kind of drive a mounted file system is, numbered as the tree engine shows them.
enum class DriveKind {
    Pseudo = 0,     // proc, sysfs, cgroup and other file systems that hold no user files
    Removable = 1,  // a USB stick, a memory card
    Fixed = 2,      // a disk; the mount at "/" always
    Optical = 3,    // a CD or DVD
    Ram = 4,        // tmpfs, ramfs
    Network = 5,    // nfs, cifs, sshfs and other remote file systems
};

struct DriveInfo {
    QString mountPoint;  // the drive's root, such as "/" or "/media/usb"
    QString fsType;      // "ext4", "vfat", "fuse.sshfs", ...
    QString source;      // the mounted device or remote, such as "/dev/sdb1" or "host:/export"
    QString label;       // the file system label; empty when it has none
    DriveKind kind = DriveKind::Pseudo;

    bool operator==(const DriveInfo&) const = default;
};

class Drives {
public:
    virtual ~Drives() = default;
    // The mounted file systems in mount order.
    virtual QList<DriveInfo> mounted() const = 0;
};

std::unique_ptr<Drives> makeLinuxDrives();

// The mounts in force, in mount order: where several file systems are mounted at one place, the
// one mounted last, at the place of the first.
QList<DriveInfo> mountsInForce(const QList<DriveInfo>& mounted);

// What a user calls a drive, as the trees and the drive menu list them: of the mounts in force,
// the removable, fixed and CD or DVD file systems whose mount point is an existing folder. RAM
// disks, network drives and pseudo file systems are left out.
QList<DriveInfo> userDrives(const QList<DriveInfo>& mounted);

// Where the facts about block devices are read: sysRoot is "/sys" on a running system and
// byLabelDir "/dev/disk/by-label"; tests point both into a folder of their own.
struct DeviceFacts {
    QString sysRoot = QStringLiteral("/sys");
    QString byLabelDir = QStringLiteral("/dev/disk/by-label");
};

// The drives described by the text of a /proc/<pid>/mountinfo file. Malformed lines are passed
// over; escaped characters in paths (\040 for a blank, \011, \012, \134) are restored.
QList<DriveInfo> parseMountInfo(const QByteArray& mountInfo, const DeviceFacts& facts = {});

}  // namespace platform
