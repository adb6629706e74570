#include "tools/findtekst/dokumentsoegning.h"

#include "core/pathhelpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

char16_t foldet(QChar c) { return c.toCaseFolded().unicode(); }

// Wildcards by the usual greedy walk: a "*" remembers where it stood, and a mismatch later
// lets it take one character more.
bool passer(QStringView navn, QStringView moenster)
{
    qsizetype n = 0, m = 0, stjerne = -1, efterStjerne = 0;
    while (n < navn.size()) {
        if (m < moenster.size() && moenster[m] == u'*') {
            stjerne = m++;
            efterStjerne = n;
        } else if (m < moenster.size()
                   && (moenster[m] == u'?' || foldet(moenster[m]) == foldet(navn[n]))) {
            ++m;
            ++n;
        } else if (stjerne >= 0) {
            m = stjerne + 1;
            n = ++efterStjerne;
        } else {
            return false;
        }
    }
    while (m < moenster.size() && moenster[m] == u'*')
        ++m;
    return m == moenster.size();
}

}  // namespace

bool passerMoenster(QStringView navn, QStringView moenster)
{
    return moenster == u"*.*" || passer(navn, moenster);
}

QStringList dokumenterIMappe(const QString& mappe, const QString& moenster)
{
    QStringList navne;
    DIR* dir = ::opendir(QFile::encodeName(mappe).constData());
    if (!dir)
        return navne;
    const int dirFd = ::dirfd(dir);
    while (const dirent* post = ::readdir(dir)) {
        const QString navn = QFile::decodeName(post->d_name);
        if (navn == u"." || navn == u".." || !passerMoenster(navn, moenster))
            continue;
        bool fil = post->d_type == DT_REG;
        if (post->d_type == DT_LNK || post->d_type == DT_UNKNOWN) {
            struct stat st{};
            fil = ::fstatat(dirFd, post->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (fil)
            navne.append(navn);
    }
    ::closedir(dir);
    std::sort(navne.begin(), navne.end(), [](const QString& a, const QString& b) { return sammenlignTekst(a, b) < 0; });
    QStringList stier;
    stier.reserve(navne.size());
    for (const QString& navn : std::as_const(navne))
        stier.append(stiMed(mappe, navn));
    return stier;
}

Soegeresultat soegDokumenter(const QString& mappe, const QString& moenster, const QString& soegeord, SoegeValg valg,
                             const std::atomic_bool& stop, const Dokumentlaeser& laeser,
                             const std::function<void(QList<Fundraekke>&&)>& modtag)
{
    Soegeresultat resultat;
    const Soegeord ord(soegeord, valg);
    QList<Fundraekke> samlede;
    qsizetype antal = 0;
    QElapsedTimer siden;  // since the last hand-over; the first rows go at once
    for (const QString& dokument : dokumenterIMappe(mappe, moenster)) {
        const Dokumenttekst tekst = laeser(dokument, stop);
        if (stop.load()) {
            resultat.stoppet = true;
            break;
        }
        switch (tekst.udfald) {
        case Dokumenttekst::Udfald::Ulaeselig:
        case Dokumenttekst::Udfald::ForStor:
            resultat.ulaeselige.append(dokument);
            continue;
        case Dokumenttekst::Udfald::Binaer:
            continue;
        case Dokumenttekst::Udfald::Stoppet:
        case Dokumenttekst::Udfald::Laest:
            break;
        }
        for (Fund& fund : findFund(tekst.tekst, ord, maksRaekker - antal, stop)) {
            samlede.append({dokument, fund.position, std::move(fund.linje)});
            ++antal;
        }
        if (stop.load()) {
            resultat.stoppet = true;
            break;
        }
        if (antal == maksRaekker) {
            resultat.afgraenset = true;
            break;
        }
        if (!samlede.isEmpty() && (!siden.isValid() || siden.elapsed() >= 100)) {
            modtag(std::move(samlede));
            samlede = {};
            siden.restart();
        }
    }
    if (!samlede.isEmpty())
        modtag(std::move(samlede));
    return resultat;
}

QString ulaeseligeBesked(const QStringList& ulaeselige)
{
    if (ulaeselige.isEmpty())
        return {};
    constexpr qsizetype vist = 20;
    QStringList linjer = ulaeselige.mid(0, vist);
    for (QString& linje : linjer)
        linje = getLastDirectory(linje);
    if (ulaeselige.size() > vist)
        linjer.append(QStringLiteral("og %1 flere").arg(ulaeselige.size() - vist));
    return QStringLiteral("Følgende dokumenter kunne ikke læses:\n") + linjer.join(u'\n');
}
