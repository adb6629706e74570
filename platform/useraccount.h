#pragma once

#include <QString>
#include <memory>

namespace platform {

class UserAccount {
public:
    virtual ~UserAccount() = default;
    // The login name of the user running the program; empty when it cannot be found.
    virtual QString loginName() const = 0;
};

std::unique_ptr<UserAccount> makeLinuxUserAccount();

// The home folder the user database gives the user running the program; empty when unknown.
QString accountHomeFolder();

}  // namespace platform

// The user name that names the user's data folder: the login name, or "Brugernavn" when the
// system does not tell it.
QString GetUserFromWindows();
