#include "core/mappelaeser.h"

#include "platform/attributes.h"
#include "core/navneorden.h"
#include "core/pathhelpers.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

class NavneDekoder {
public:
    // The name as text; false when its bytes are not valid UTF-8.
    bool dekod(const char* bytes, size_t length, QString& name)
    {
        bool ascii = true;
        for (size_t i = 0; i < length && ascii; ++i)
            ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
        if (ascii) {
            name = QString::fromLatin1(bytes, qsizetype(length));
            return true;
        }
        decoder.resetState();
        name = decoder.decode(QByteArrayView(bytes, qsizetype(length)));
        return !decoder.hasError();
    }

private:
    QStringDecoder decoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};

}  // namespace

bool erSystemMappe(const QString& sti)
{
    const QString name = sti.mid(sti.lastIndexOf(u'/') + 1);
    if (sammeTekst(name, QStringLiteral("Windows")) || sammeTekst(name, QStringLiteral("Program Files"))
        || sammeTekst(name, QStringLiteral("Program Files (x86)")))
        return true;
    static const QSet<QString> topLevel = {"/bin", "/boot", "/dev",  "/etc", "/proc", "/run",
                                           "/sbin", "/sys", "/usr", "/var"};
    return topLevel.contains(sti) || (sti.startsWith(QStringLiteral("/lib")) && sti.indexOf(u'/', 1) < 0);
}

MappeIndhold laesMappe(const QString& mappe, const LaesValg& valg)
{
    MappeIndhold indhold;
    const QByteArray dirBytes = QFile::encodeName(mappe);
    DIR* dir = ::opendir(dirBytes.constData());
    if (!dir)
        return indhold;
    const QSet<QByteArray> skjulte = valg.visSkjulte ? QSet<QByteArray>() : platform::skjulteNavne(dirBytes);
    const QString prefix = delimKon(mappe);
    NavneDekoder dekoder;
    QString name;
    while (const dirent* entry = ::readdir(dir)) {
        const char* raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        const size_t length = strlen(raw);
        if (!valg.visSkjulte && (raw[0] == '.' || (!skjulte.isEmpty() && skjulte.contains(QByteArray(raw, qsizetype(length))))))
            continue;
        bool erMappe = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st;
            if (::fstatat(::dirfd(dir), raw, &st, 0) != 0)
                continue;  // a link whose target is gone
            erMappe = S_ISDIR(st.st_mode);
        }
        if (!erMappe && !valg.medFiler)
            continue;
        if (!dekoder.dekod(raw, length, name))
            continue;
        const QString sti = prefix + name;
        if (erMappe)
            indhold.mapper.append({name, {sti, QString(), valg.systemMapper && erSystemMappe(sti) ? idSystem : idMappe}});
        else
            indhold.filer.append({name, {QString(), sti, idFil}});
    }
    ::closedir(dir);
    sorterNavne(indhold.mapper);
    sorterNavne(indhold.filer);
    return indhold;
}
