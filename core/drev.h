#pragma once

#include "platform/drives.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A drive as the trees show it: a mounted file system of a kind the user keeps files on.
struct TDrev {
    QString rod;  // the mount point
    platform::DriveKind kind = platform::DriveKind::Pseudo;
    QString label;

    // label + " (" + mount point + ")", or "Diskdrev(" + mount point + ")" for a CD or DVD.
    QString caption() const;
    // The icon slot of the folder tree: the root file system, a CD or DVD, or another drive.
    int ikon() const;
};

// The mounts in force, read once, for many look-ups in a row (an outline of thousands of folders);
// the functions below read them anew at each call.
class Monteringer {
public:
    Monteringer();
    QList<TDrev> visteDrev() const;
    QString drevDel(const QString& path) const;
    // The caption of a folder in a list (mappeCaption below).
    QString mappeCaption(const QString& mappe) const;
    // The mount points strictly below mappe of file systems that hold no user files (/proc, /sys).
    QStringList pseudomonteringerUnder(const QString& mappe) const;

private:
    QList<platform::DriveInfo> liste;
};

// The drives the trees show, in mount order: removable, fixed and CD or DVD drives whose mount
// point is an existing folder, each mount point once (the mount seen last is the one in force).
QList<TDrev> visteDrev();

// The mount point of the file system that holds path (the longest mount point that contains
// it), of any kind; empty when none does.
QString drevDel(const QString& path);

// The kind of the file system mounted exactly at path (a trailing "/" is ignored); Pseudo (0)
// when no file system is mounted there.
platform::DriveKind getDrevKind(const QString& path);

// The label of the file system mounted at rod; empty when it has none.
QString drevLabel(const QString& rod);

// The caption a folder gets in a list: "Drev " + the mount point for a drive's root ("Drev /",
// "Drev /media/usb"), else the folder's last name.
QString mappeCaption(const QString& mappe);
