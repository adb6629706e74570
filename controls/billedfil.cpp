#include "controls/billedfil.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> laesRegulaerFil(const QString& sti, qint64 maksBytes)
{
    const int fd = ::open(QFile::encodeName(sti).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    std::optional<QByteArray> resultat;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maksBytes) {
        QByteArray data(qsizetype(st.st_size), Qt::Uninitialized);
        qsizetype laest = 0;
        while (laest < data.size()) {
            const ssize_t n = ::read(fd, data.data() + laest, size_t(data.size() - laest));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            laest += n;
        }
        // A file that shrank meanwhile gives what it still had.
        data.truncate(laest);
        resultat = std::move(data);
    }
    ::close(fd);
    return resultat;
}
