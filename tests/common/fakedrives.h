#pragma once

#include "platform/drives.h"
#include "platform/registry.h"

// Puts a drive list of the test's own in place of the system's while it lives.
class FakeDrives {
public:
    explicit FakeDrives(QList<platform::DriveInfo> drives)
    {
        platform::install<platform::Drives>(std::make_unique<Liste>(std::move(drives)));
    }
    ~FakeDrives() { platform::install<platform::Drives>(nullptr); }
    FakeDrives(const FakeDrives&) = delete;
    FakeDrives& operator=(const FakeDrives&) = delete;

private:
    class Liste final : public platform::Drives {
    public:
        explicit Liste(QList<platform::DriveInfo> drives) : drives(std::move(drives)) {}
        QList<platform::DriveInfo> mounted() const override { return drives; }
        QList<platform::DriveInfo> drives;
    };
};
