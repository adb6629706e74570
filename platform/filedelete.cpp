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

    // Removes the entry navn of the folder open at dirFd; sti is its whole path, type the type the
    // folder listing gave (DT_UNKNOWN when none). The entry is looked at only when the listing
    // does not tell whether it is a folder or when its size is wanted.
    int slet(int dirFd, const char* navn, const QByteArray& sti, unsigned char type)
    {
        struct stat st {};
        if (type == DT_UNKNOWN || (slettet && type != DT_DIR)) {
            if (::fstatat(dirFd, navn, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return errno == ENOENT ? 0 : errno;
            type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
        }
        if (type != DT_DIR) {
            if (behold && behold(sti)) {
                nogetBeholdt = true;
                return 0;
            }
            if (::unlinkat(dirFd, navn, 0) == 0) {
                if (slettet)
                    slettet(st.st_size);
                return 0;
            }
            if (errno != EISDIR)
                return errno == ENOENT ? 0 : errno;
        }
        const int fd = ::openat(dirFd, navn, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return errno;
        const int fejl = sletIndhold(fd, sti);
        if (fejl && vedFejl == VedFejl::Stop)
            return fejl;
        if (behold && behold(sti)) {
            nogetBeholdt = true;
            return fejl;
        }
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
        std::vector<std::pair<QByteArray, unsigned char>> navne;
        errno = 0;
        while (const dirent* entry = ::readdir(dir)) {
            const char* navn = entry->d_name;
            if (!(navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0))))
                navne.emplace_back(navn, entry->d_type);
        }
        int foersteFejl = errno;
        for (const auto& [navn, type] : navne) {
            if (foersteFejl && vedFejl == VedFejl::Stop)
                break;
            const int fejl = slet(::dirfd(dir), navn.constData(), behold ? sti + '/' + navn : QByteArray(), type);
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
    return sletning.slet(AT_FDCWD, sti.constData(), sti, DT_UNKNOWN);
}

}  // namespace platform
