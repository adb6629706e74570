#pragma once

#include "tests/common/fakedrives.h"
#include "tests/common/traefixture.h"
#include "tree/tstrukturcompo.h"

// A tree engine on two trees, in a home of its own with the drives "/" (the root file system),
// C (fixed, label "System"), D (removable, no label), R (RAM) and N (network) mounted in it, and
// the message boxes scripted.
struct EngineFixture : TraeFixture {
    EngineFixture()
        : drives({{"/", "ext4", "/dev/sda1", "rod", platform::DriveKind::Fixed},
                  {home / "C", "ext4", "/dev/sda2", "System", platform::DriveKind::Fixed},
                  {home / "D", "vfat", "/dev/sdb1", "", platform::DriveKind::Removable},
                  {home / "R", "tmpfs", "tmpfs", "", platform::DriveKind::Ram},
                  {home / "N", "nfs4", "nas:/x", "", platform::DriveKind::Network}})
    {
        home.make({"C/", "D/", "R/", "N/"});
        compo.setStruktur1(&struktur1);
        compo.setStruktur2(&struktur2);
        compo.setBeskeder(&beskeder);
        compo.setBrugernavn(QStringLiteral("anna"));
    }

    QString C(const QString& rest = {}) const { return rest.isEmpty() ? home / "C" : home / ("C/" + rest); }
    QString D(const QString& rest = {}) const { return rest.isEmpty() ? home / "D" : home / ("D/" + rest); }

    TStrukturNode* node(QTreeWidgetItem* item) const { return TStrukturNode::af(item); }
    TStrukturNode* root(int i) const { return TStrukturNode::af(struktur1.topLevelItem(i)); }
    // The captions of a node's children, or of the roots for nullptr.
    QStringList captions(QTreeWidgetItem* parent = nullptr) const
    {
        QStringList texts;
        const int count = parent ? parent->childCount() : struktur1.topLevelItemCount();
        for (int i = 0; i < count; ++i)
            texts.append((parent ? parent->child(i) : struktur1.topLevelItem(i))->text(0));
        return texts;
    }
    QStringList captions2() const
    {
        QStringList texts;
        for (int i = 0; i < struktur2.topLevelItemCount(); ++i)
            texts.append(struktur2.topLevelItem(i)->text(0));
        return texts;
    }

    FakeDrives drives;
    TStrukturCompo compo;
};
