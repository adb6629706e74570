#pragma once

#include <QHash>
#include <QString>
#include <memory>

namespace platform {

enum class UserFolder {
    Home,
    Desktop,
    Documents,
    Downloads,
    Music,
    Pictures,
    Videos,
    PublicShare,
    Favorites,
    AppData,
    StartMenuPrograms,
    Autostart,
};

class UserFolders {
public:
    virtual ~UserFolders() = default;
    // The path of one of the user's folders, without a trailing "/"; the folder may not exist.
    virtual QString path(UserFolder folder) const = 0;
};

std::unique_ptr<UserFolders> makeLinuxUserFolders();

// The folders named in a user-dirs.dirs text (keys such as "XDG_DESKTOP_DIR"), with "$HOME"
// replaced by home. Lines that are not of the form KEY="value" are passed over.
QHash<QString, QString> parseUserDirs(const QString& text, const QString& home);

}  // namespace platform
