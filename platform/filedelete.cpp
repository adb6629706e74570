#include "platform/filedelete.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

struct Sletning {
    const Behold& behold;
    const Slettet& slettet;
    const VedFejl vedFejl;
    bool nogetBeholdt = false;

    // Removes the entry navn of the folder open at dirFd; sti is its whole path.
    int slet(int dirFd, const char* navn, const QByteArray& sti)
    {
        struct stat st;
        if (::fstatat(dirFd, navn, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISDIR(st.st_mode)) {
            if (behold && behold(sti)) {
                nogetBeholdt = true;
                return 0;
            }
            if (::unlinkat(dirFd, navn, 0) != 0)
                return errno == ENOENT ? 0 : errno;
            if (slettet)
                slettet(st.st_size);
            return 0;
        }
        const int fd = ::openat(dirFd, navn, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return errno;
        const int fejl = sletIndhold(fd, sti);
        if (fejl && vedFejl == VedFejl::Stop)
            return fejl;
        if (::unlinkat(dirFd, navn, AT_REMOVEDIR) == 0 || errno == ENOENT)
            return fejl;
        return fejl ? fejl : errno == ENOTEMPTY && nogetBeholdt ? 0 : errno;
    }

    // Removes the content of the folder open at fd, and closes it.
    int sletIndhold(int fd, const QByteArray& sti)
    {
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return errno;
        }
        // The names are read first, so the listing never changes under the reading.
        std::vector<QByteArray> navne;
        errno = 0;
        while (const dirent* entry = ::readdir(dir)) {
            const char* navn = entry->d_name;
            if (!(navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0))))
                navne.emplace_back(navn);
        }
        int foersteFejl = errno;
        for (const QByteArray& navn : navne) {
            if (foersteFejl && vedFejl == VedFejl::Stop)
                break;
            const int fejl = slet(::dirfd(dir), navn.constData(), behold ? sti + '/' + navn : QByteArray());
            if (!foersteFejl)
                foersteFejl = fejl;
        }
        ::closedir(dir);
        return foersteFejl;
    }
};

}  // namespace

int sletTrae(const QByteArray& sti, const Behold& behold, const Slettet& slettet, VedFejl vedFejl)
{
    Sletning sletning{behold, slettet, vedFejl};
    return sletning.slet(AT_FDCWD, sti.constData(), sti);
}

}  // namespace platform
