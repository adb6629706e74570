#include "core/drev.h"

#include "platform/registry.h"
#include "core/ikonslots.h"
#include "core/pathhelpers.h"


using platform::DriveKind;

QString TDrev::caption() const
{
    if (kind == DriveKind::Optical)
        return QStringLiteral("Diskdrev(") + rod + u')';
    return label + QStringLiteral(" (") + rod + u')';
}

int TDrev::ikon() const
{
    if (kind == DriveKind::Optical)
        return ikoner::diskdrev;
    return rod == u"/" ? ikoner::rodDrev : ikoner::andetDrev;
}

namespace {

QString utenSlutSkraastreg(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QList<platform::DriveInfo> monteringer() { return platform::mountsInForce(platform::get<platform::Drives>().mounted()); }

}  // namespace

Monteringer::Monteringer() : liste(monteringer()) {}

QList<TDrev> Monteringer::visteDrev() const
{
    QList<TDrev> drev;
    for (const platform::DriveInfo& d : platform::userDrives(liste))
        drev.append({d.mountPoint, d.kind, d.label});
    return drev;
}

QString Monteringer::drevDel(const QString& path) const
{
    const QString sti = utenSlutSkraastreg(path);
    QString best;
    for (const platform::DriveInfo& d : liste) {
        const QString& rod = d.mountPoint;
        const bool holder = rod == u"/" || (sti.startsWith(rod) && (sti.size() == rod.size() || sti[rod.size()] == u'/'));
        if (holder && sti.startsWith(u'/') && rod.size() > best.size())
            best = rod;
    }
    return best;
}

QList<TDrev> visteDrev() { return Monteringer().visteDrev(); }

QString drevDel(const QString& path) { return Monteringer().drevDel(path); }

DriveKind getDrevKind(const QString& path)
{
    const QString sti = utenSlutSkraastreg(path);
    for (const platform::DriveInfo& d : monteringer())
        if (d.mountPoint == sti)
            return d.kind;
    return DriveKind::Pseudo;
}

QString drevLabel(const QString& rod)
{
    const QString sti = utenSlutSkraastreg(rod);
    for (const platform::DriveInfo& d : monteringer())
        if (d.mountPoint == sti)
            return d.label;
    return {};
}

QString Monteringer::mappeCaption(const QString& mappe) const
{
    if (!mappe.isEmpty() && drevDel(mappe) == mappe)
        return QStringLiteral("Drev ") + mappe;
    return getLastDirectory(mappe);
}

QStringList Monteringer::pseudomonteringerUnder(const QString& mappe) const
{
    const QString rod = delimKon(mappe);
    QStringList udeladte;
    for (const platform::DriveInfo& d : liste)
        if (d.kind == DriveKind::Pseudo && d.mountPoint.startsWith(rod) && d.mountPoint.size() > rod.size())
            udeladte << d.mountPoint;
    return udeladte;
}

QString mappeCaption(const QString& mappe) { return Monteringer().mappeCaption(mappe); }
