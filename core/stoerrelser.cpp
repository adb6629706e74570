#include "core/stoerrelser.h"

#include <QFile>
#include <QLocale>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Walks the folder open at fd; closes it.
void taelMappe(int fd, MappeOptaelling& optaelling)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            ++optaelling.mapper;
            if (optaelling.nyMappe)
                optaelling.nyMappe(optaelling.mapper);
            const int sub = ::openat(::dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0)
                taelMappe(sub, optaelling);
        } else {
            ++optaelling.filer;
            optaelling.bytes += st.st_size;
        }
    }
    ::closedir(dir);
}

}  // namespace

QString heltal(qint64 n) { return QLocale().toString(n); }

QString skaleretStoerrelse(qint64 aSize)
{
    const double n = double(aSize);
    struct Enhed {
        double graense;
        const char* tekst;
    };
    static const Enhed enheder[] = {{1099511627776.0, " TB"}, {1073741824.0, " GB"}, {1048576.0, " MB"}, {1024.0, " KB"}};
    for (const Enhed& enhed : enheder)
        if (n >= enhed.graense)
            return QLocale().toString(n / enhed.graense, 'f', 2) + QLatin1String(enhed.tekst);
    return heltal(aSize) + QStringLiteral(" bytes");
}

QString cifferStoerrelse(qint64 aSize)
{
    const qsizetype cifre = QString::number(aSize).size();
    struct Enhed {
        qsizetype cifre;
        double deler;
        const char* tekst;
    };
    static const Enhed enheder[] = {
        {13, 1099511627776.0, " TB"}, {10, 1073741824.0, " GB"}, {7, 1048576.0, " MB"}, {4, 1024.0, " KB"}};
    for (const Enhed& enhed : enheder)
        if (cifre >= enhed.cifre)
            return QLocale().toString(double(aSize) / enhed.deler, 'f', 2) + QLatin1String(enhed.tekst);
    return heltal(aSize) + QStringLiteral(" bytes");
}

QString getSizeString(qint64 aSize)
{
    return skaleretStoerrelse(aSize) + QStringLiteral(" (") + heltal(aSize) + QStringLiteral(" bytes)");
}

qint64 getFilensSize(const QString& aFilnavn)
{
    struct stat st;
    if (::stat(QFile::encodeName(aFilnavn).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return 1;
    return std::max<qint64>(st.st_size, 1);
}

bool getMappeInfo(const QString& aMappe, MappeOptaelling& optaelling)
{
    const int fd = ::open(QFile::encodeName(aMappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    taelMappe(fd, optaelling);
    return true;
}

MappeOptaelling sizeOfKlipbord(const QStringList& listeMapper, const QStringList& listeFiler)
{
    MappeOptaelling optaelling;
    optaelling.mapper = listeMapper.size();
    for (const QString& mappe : listeMapper)
        getMappeInfo(mappe, optaelling);
    for (const QString& fil : listeFiler) {
        optaelling.bytes += getFilensSize(fil);
        ++optaelling.filer;
    }
    return optaelling;
}
