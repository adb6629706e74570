#include "platform/useraccount.h"

#include "platform/registry.h"

#include <QFile>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

struct Account {
    QString name;
    QString home;
};

// The user database's entry for the user running the program; empty fields when it has none.
Account lookUpAccount()
{
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return {QFile::decodeName(found->pw_name ? found->pw_name : ""),
            QFile::decodeName(found->pw_dir ? found->pw_dir : "")};
}

class LinuxUserAccount final : public UserAccount {
public:
    QString loginName() const override { return lookUpAccount().name; }
};

}  // namespace

QString accountHomeFolder() { return lookUpAccount().home; }

std::unique_ptr<UserAccount> makeLinuxUserAccount() { return std::make_unique<LinuxUserAccount>(); }

}  // namespace platform

QString GetUserFromWindows()
{
    QString name = platform::get<platform::UserAccount>().loginName();
    // The name becomes a folder name: one that could climb out of the data root is no name.
    if (name.isEmpty() || name.contains(u'/') || name == u"." || name == u"..")
        return QStringLiteral("Brugernavn");
    return name;
}
