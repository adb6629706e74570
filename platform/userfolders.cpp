#include "platform/userfolders.h"

#include "platform/textfile.h"
#include "platform/useraccount.h"

#include <QDir>
#include <QRegularExpression>

namespace platform {

QHash<QString, QString> parseUserDirs(const QString& text, const QString& home)
{
    static const QRegularExpression line(QStringLiteral(R"(^\s*(XDG_[A-Z]+_DIR)\s*=\s*"(.*)\"\s*$)"));
    QHash<QString, QString> folders;
    for (const QString& raw : text.split(u'\n')) {
        const auto match = line.match(raw.trimmed());
        if (!match.hasMatch())
            continue;
        QString value = match.captured(2);
        value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        if (value.startsWith(QStringLiteral("$HOME")))
            value = home + value.mid(5);
        else if (!value.startsWith(u'/'))
            continue;  // only absolute paths or paths relative to $HOME are valid there
        while (value.size() > 1 && value.endsWith(u'/'))
            value.chop(1);
        folders.insert(match.captured(1), value);
    }
    return folders;
}

namespace {

QString fromEnvironment(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.startsWith(u'/') ? value : fallback;
}

// $HOME, or the home folder of the user's account when HOME is not set.
QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (home.startsWith(u'/'))
        return QDir::cleanPath(home);
    const QString account = accountHomeFolder();
    return account.startsWith(u'/') ? QDir::cleanPath(account) : QDir::rootPath();
}

class LinuxUserFolders final : public UserFolders {
public:
    QString path(UserFolder folder) const override
    {
        const QString home = homeFolder();
        const QString config = fromEnvironment("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
        const QString data = fromEnvironment("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
        switch (folder) {
        case UserFolder::Home: return home;
        case UserFolder::Favorites: return home + QStringLiteral("/Favorites");
        case UserFolder::AppData: return data;
        case UserFolder::StartMenuPrograms: return data + QStringLiteral("/applications");
        case UserFolder::Autostart: return config + QStringLiteral("/autostart");
        default: break;
        }
        const auto lines = readTextLines(config + QStringLiteral("/user-dirs.dirs"));
        const auto named = parseUserDirs(lines ? lines->join(u'\n') : QString(), home);
        const auto pick = [&](const char* key, const char* standardName) {
            return named.value(QLatin1String(key), home + u'/' + QLatin1String(standardName));
        };
        switch (folder) {
        case UserFolder::Desktop: return pick("XDG_DESKTOP_DIR", "Desktop");
        case UserFolder::Documents: return pick("XDG_DOCUMENTS_DIR", "Documents");
        case UserFolder::Downloads: return pick("XDG_DOWNLOAD_DIR", "Downloads");
        case UserFolder::Music: return pick("XDG_MUSIC_DIR", "Music");
        case UserFolder::Pictures: return pick("XDG_PICTURES_DIR", "Pictures");
        case UserFolder::Videos: return pick("XDG_VIDEOS_DIR", "Videos");
        case UserFolder::PublicShare: return pick("XDG_PUBLICSHARE_DIR", "Public");
        default: return home;
        }
    }
};

}  // namespace

std::unique_ptr<UserFolders> makeLinuxUserFolders() { return std::make_unique<LinuxUserFolders>(); }

}  // namespace platform
