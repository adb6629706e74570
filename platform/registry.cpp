#include "platform/registry.h"

#include "platform/drives.h"
#include "platform/shell.h"
#include "platform/useraccount.h"
#include "platform/userfolders.h"

namespace platform {
namespace {

template <class Interface>
std::unique_ptr<Interface>& slot()
{
    static std::unique_ptr<Interface> current;
    return current;
}

std::unique_ptr<UserAccount> makeLinux(UserAccount*) { return makeLinuxUserAccount(); }
std::unique_ptr<UserFolders> makeLinux(UserFolders*) { return makeLinuxUserFolders(); }
std::unique_ptr<Drives> makeLinux(Drives*) { return makeLinuxDrives(); }
std::unique_ptr<Shell> makeLinux(Shell*) { return makeLinuxShell(); }

}  // namespace

template <class Interface>
Interface& get()
{
    auto& current = slot<Interface>();
    if (!current)
        current = makeLinux(static_cast<Interface*>(nullptr));
    return *current;
}

template <class Interface>
void install(std::unique_ptr<Interface> implementation)
{
    slot<Interface>() = std::move(implementation);
}

#define QVM_PLATFORM_INTERFACE(Interface) \
    template Interface& get<Interface>(); \
    template void install<Interface>(std::unique_ptr<Interface>);

QVM_PLATFORM_INTERFACE(UserAccount)
QVM_PLATFORM_INTERFACE(UserFolders)
QVM_PLATFORM_INTERFACE(Drives)
QVM_PLATFORM_INTERFACE(Shell)

}  // namespace platform
