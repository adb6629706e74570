#include "core/navnesoegning.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSet>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// What an entry is. Only real folders are entered; a link counts as what it points to.
enum Art : quint8 {
    Andet,      // a FIFO, socket, device or dangling link: counted as a file, never a hit
    Fil,        // a regular file, or a link to one
    Mappe,      // a folder that is entered (unless it is left out)
    MappeLink,  // a link to a folder: a folder, not entered
};

struct Post {
    quint32 navn;  // offset of the name in the names
    quint16 laengde;
    Art art;
    qint32 indhold = -1;  // the folder's listing, for a folder that was read
};

struct Listning {
    quint32 foerste = 0;  // the first of the folder's entries
    quint32 antal = 0;
};

bool gyldigUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t n;
        char32_t kode;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            kode = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            kode = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            kode = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size())
            return false;
        for (size_t k = 1; k <= n; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            if ((f & 0xC0) != 0x80)
                return false;
            kode = (kode << 6) | (f & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((n == 2 && kode < 0x800) || (n == 3 && (kode < 0x10000 || kode > 0x10FFFF)) || (kode >= 0xD800 && kode <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

void tilfoejUtf8(std::string& ud, char32_t kode)
{
    if (kode < 0x80) {
        ud += char(kode);
    } else if (kode < 0x800) {
        ud += char(0xC0 | (kode >> 6));
        ud += char(0x80 | (kode & 0x3F));
    } else if (kode < 0x10000) {
        ud += char(0xE0 | (kode >> 12));
        ud += char(0x80 | ((kode >> 6) & 0x3F));
        ud += char(0x80 | (kode & 0x3F));
    } else {
        ud += char(0xF0 | (kode >> 18));
        ud += char(0x80 | ((kode >> 12) & 0x3F));
        ud += char(0x80 | ((kode >> 6) & 0x3F));
        ud += char(0x80 | (kode & 0x3F));
    }
}

// Valid UTF-8 folded by Unicode simple case folding, into ud. A folded character may take more or
// fewer bytes than the character itself; a run of ASCII stays one byte a letter.
void fold(std::string_view s, std::string& ud)
{
    ud.clear();
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ud += c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : char(c);
            ++i;
            continue;
        }
        const size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        char32_t kode = c & (0x7F >> n);
        for (size_t k = 1; k < n; ++k)
            kode = (kode << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        tilfoejUtf8(ud, QChar::toCaseFolded(kode));
        i += n;
    }
}

std::string foldet(const QString& tekst)
{
    std::string ud;
    fold(tekst.toUtf8().toStdString(), ud);
    return ud;
}

class Soegning {
public:
    explicit Soegning(const Navnesoegning& s) : s(s), noegle(foldet(s.tekst))
    {
        for (const QString& sti : s.udeladte)
            udeladte.insert(QDir::cleanPath(sti).toUtf8());
        ur.start();
    }

    void koer()
    {
        std::string start = QDir::cleanPath(s.mappe).toUtf8().toStdString();
        if (start.empty() || !laes(start, true)) {
            parti.startmappeFejl = true;
            afslut();
            return;
        }
        if (!taelTraeet(start)) {
            parti.stoppet = true;
            afslut();
            return;
        }
        parti.fase = Navneparti::Fase::Soeger;
        lever();
        soeg(start);
        afslut();
    }

    void afbrudt()
    {
        parti.fejl = true;
        afslut();
    }

private:
    bool stoppes() const { return s.stop->load(std::memory_order_relaxed); }

    // Reads one folder's entries into a listing of their own; false when it cannot be opened. Only
    // the start folder may be a link (the user's "Dropbox" pointing elsewhere); below it none is entered.
    bool laes(const std::string& sti, bool start = false)
    {
        const int fd = ::open(sti.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (start ? 0 : O_NOFOLLOW));
        if (fd < 0)
            return false;
        DIR* mappe = ::fdopendir(fd);
        if (!mappe) {
            ::close(fd);
            return false;
        }
        Listning listning{quint32(poster.size()), 0};
        while (const dirent* e = ::readdir(mappe)) {
            const std::string_view navn(e->d_name);
            if (navn == "." || navn == ".." || navn.size() > 0xFFFF || !gyldigUtf8(navn))
                continue;
            poster.push_back({quint32(navne.size()), quint16(navn.size()), art(fd, e), -1});
            navne.append(navn);
            ++listning.antal;
            if (poster.back().art == Mappe || poster.back().art == MappeLink)
                ++parti.tal.mapperTalt;
            else
                ++parti.tal.filerTalt;
            if (poster.size() % 256 == 0) {
                if (stoppes())
                    break;
                if (ur.elapsed() >= 100)
                    lever();
            }
        }
        ::closedir(mappe);
        listninger.push_back(listning);
        return true;
    }

    // The kind of an entry; the file system's own answer where it gives one, else a stat.
    static Art art(int fd, const dirent* e)
    {
        struct stat st;
        switch (e->d_type) {
        case DT_DIR: return Mappe;
        case DT_REG: return Fil;
        case DT_LNK:
            if (::fstatat(fd, e->d_name, &st, 0) != 0)
                return Andet;
            return S_ISDIR(st.st_mode) ? MappeLink : S_ISREG(st.st_mode) ? Fil : Andet;
        case DT_UNKNOWN:
            if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return Andet;
            if (S_ISLNK(st.st_mode)) {
                if (::fstatat(fd, e->d_name, &st, 0) != 0)
                    return Andet;
                return S_ISDIR(st.st_mode) ? MappeLink : S_ISREG(st.st_mode) ? Fil : Andet;
            }
            return S_ISDIR(st.st_mode) ? Mappe : S_ISREG(st.st_mode) ? Fil : Andet;
        default: return Andet;
        }
    }

    std::string_view navn(const Post& p) const { return std::string_view(navne).substr(p.navn, p.laengde); }

    static std::string under(const std::string& mappe, std::string_view navn)
    {
        std::string sti = mappe;
        if (sti.back() != '/')
            sti += '/';
        sti.append(navn);
        return sti;
    }

    // The first walk: every folder below the start read into memory, folders counted apart from
    // files. False when it was stopped.
    bool taelTraeet(const std::string& start)
    {
        struct Ventende {
            quint32 post;
            std::string sti;
        };
        std::vector<Ventende> stak;
        const auto skub = [&](const Listning& l, const std::string& sti) {
            for (quint32 i = l.foerste + l.antal; i-- > l.foerste;)
                if (poster[i].art == Mappe)
                    stak.push_back({i, under(sti, navn(poster[i]))});
        };
        skub(listninger.front(), start);
        while (!stak.empty()) {
            if (stoppes())
                return false;
            Ventende v = std::move(stak.back());
            stak.pop_back();
            if (udeladte.contains(QByteArray::fromStdString(v.sti)) || !laes(v.sti))
                continue;
            poster[v.post].indhold = qint32(listninger.size() - 1);
            skub(listninger.back(), v.sti);
        }
        return !stoppes();
    }

    // The second walk over the tree in memory, in the order it was read: each entry counted,
    // tested, and a folder's content searched right after the folder itself.
    void soeg(const std::string& start)
    {
        struct Niveau {
            qint32 listning;
            quint32 naeste;
            size_t laengde;  // of the path of the folder
        };
        std::string sti = start == "/" ? std::string() : start;
        std::vector<Niveau> stak{{0, 0, sti.size()}};
        while (!stak.empty()) {
            Niveau& n = stak.back();
            const Listning& l = listninger[size_t(n.listning)];
            if (n.naeste == l.antal) {
                stak.pop_back();
                continue;
            }
            if (parti.tal.mapperFundet >= s.maksElementer || parti.tal.filerFundet >= s.maksElementer) {
                parti.stoppetVedMaks = true;
                return;
            }
            if (stoppes()) {
                parti.stoppet = true;
                return;
            }
            const Post& p = poster[l.foerste + n.naeste++];
            sti.resize(n.laengde);
            sti += '/';
            sti.append(navn(p));
            const bool mappe = p.art == Mappe || p.art == MappeLink;
            ++(mappe ? parti.tal.mapperUndersoegt : parti.tal.filerUndersoegt);
            if (p.art != Andet && passer(navn(p))) {
                ++(mappe ? parti.tal.mapperFundet : parti.tal.filerFundet);
                parti.fund.append({QString::fromUtf8(sti.data(), qsizetype(sti.size())), mappe});
            }
            if (s.efterElement)
                s.efterElement(parti.tal.position());
            if (p.indhold >= 0)
                stak.push_back({p.indhold, 0, sti.size()});
            if ((parti.tal.position() & 63) == 0 && ur.elapsed() >= 100)
                lever();
        }
    }

    // Folded, a hit of the folded text starts at a character of the name: a UTF-8 lead byte never
    // equals a continuation byte.
    bool passer(std::string_view navnet)
    {
        fold(navnet, foldetNavn);
        return ::memmem(foldetNavn.data(), foldetNavn.size(), noegle.data(), noegle.size()) != nullptr;
    }

    void lever()
    {
        if (s.lever)
            s.lever(parti);
        parti.fund.clear();
        ur.restart();
    }

    void afslut()
    {
        parti.fase = Navneparti::Fase::Faerdig;
        lever();
    }

    const Navnesoegning& s;
    const std::string noegle;
    QSet<QByteArray> udeladte;
    std::string navne;
    std::vector<Post> poster;
    std::vector<Listning> listninger;
    std::string foldetNavn;
    Navneparti parti;
    QElapsedTimer ur;
};

}  // namespace

void soegNavne(const Navnesoegning& s)
{
    Soegning soegning(s);
    try {
        soegning.koer();
    } catch (...) {
        soegning.afbrudt();
    }
}
