#include "controls/miniaturecache.h"

#include "controls/feltgitter.h"
#include "core/pathhelpers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Niveau {
    const char* navn;
    int stoerrelse;
};
constexpr Niveau niveauer[] = {{"normal", 128}, {"large", 256}, {"x-large", 512}, {"xx-large", 1024}};

QByteArray uri(const QString& sti) { return QUrl::fromLocalFile(sti).toEncoded(); }

QString postNavn(const QString& sti)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri(sti), QCryptographicHash::Md5).toHex()) + QStringLiteral(".png");
}

// The modification time in whole seconds as the cache records it; none for a file that is gone.
std::optional<qint64> mtime(const QString& sti)
{
    struct stat st;
    if (::stat(QFile::encodeName(sti).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_mtime);
}

int stoersteSide(QSize s) { return std::max(s.width(), s.height()); }

}  // namespace

QString miniatureCacheMappe()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/thumbnails");
}

std::optional<Miniature> hentFraCache(const QString& sti, QSize maks)
{
    const std::optional<qint64> tid = mtime(sti);
    if (!tid)
        return std::nullopt;
    const QString navn = postNavn(sti);
    for (const Niveau& niveau : niveauer) {
        // The keys are read from the picture: the reader's own text list splits keys at ":".
        const QImage billede(miniatureCacheMappe() + u'/' + QLatin1String(niveau.navn) + u'/' + navn, "png");
        if (billede.isNull() || billede.text(QStringLiteral("Thumb::MTime")).toLongLong() != *tid
            || billede.text(QStringLiteral("Thumb::URI")).toUtf8() != uri(sti))
            continue;
        const QSize original(billede.text(QStringLiteral("Thumb::Image::Width")).toInt(),
                             billede.text(QStringLiteral("Thumb::Image::Height")).toInt());
        if (original.isEmpty())
            continue;
        const QSize maal = BeregnR(maks, original, 0, false).stoerrelse;
        // Large enough: the entry has at least the pixels the thumbnail shows.
        if (billede.width() < maal.width() || billede.height() < maal.height())
            continue;
        Miniature m;
        m.original = original;
        m.billede = (billede.size() == maal ? billede : billede.scaled(maal, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                        .convertToFormat(billede.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        m.fejl = false;
        return m;
    }
    return std::nullopt;
}

void skrivTilCache(const QString& sti, QSize maks)
{
    const QString rod = miniatureCacheMappe();
    if (delimKon(QFileInfo(sti).absolutePath()).startsWith(delimKon(rod)))
        return;
    const Niveau* niveau = nullptr;
    for (const Niveau& n : niveauer)
        if (!niveau && n.stoerrelse >= stoersteSide(maks))
            niveau = &n;
    const std::optional<qint64> tid = mtime(sti);
    if (!niveau || !tid)
        return;
    const Miniature m = laesMiniature(sti, QSize(niveau->stoerrelse, niveau->stoerrelse));
    if (m.fejl)
        return;
    const QString mappe = rod + u'/' + QLatin1String(niveau->navn);
    QDir().mkpath(QFileInfo(rod).absolutePath());
    for (const QString& del : {rod, mappe}) {
        // Made the owner's alone from the start; one made before is made so.
        ::mkdir(QFile::encodeName(del).constData(), 0700);
        QFile::setPermissions(del, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString endelig = mappe + u'/' + postNavn(sti);
    const QString midlertidig = endelig + QStringLiteral(".qvm-") + QString::number(::getpid()) + u'-' + QString::number(quintptr(QThread::currentThreadId()), 16);
    // The keys go on the picture itself: the writer's own text list cannot hold keys with ":".
    QImage post = m.billede;
    post.setText(QStringLiteral("Thumb::URI"), QString::fromUtf8(uri(sti)));
    post.setText(QStringLiteral("Thumb::MTime"), QString::number(*tid));
    post.setText(QStringLiteral("Thumb::Image::Width"), QString::number(m.original.width()));
    post.setText(QStringLiteral("Thumb::Image::Height"), QString::number(m.original.height()));
    post.setText(QStringLiteral("Software"), QStringLiteral("qvmMirvel"));
    // The temporary file is the owner's alone from its first moment.
    const int fd = ::open(QFile::encodeName(midlertidig).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    QFile fil;
    const bool skrevet = fil.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
                         && QImageWriter(&fil, "png").write(post) && fil.flush();
    fil.close();
    if (!skrevet) {
        QFile::remove(midlertidig);
        return;
    }
    if (::rename(QFile::encodeName(midlertidig).constData(), QFile::encodeName(endelig).constData()) != 0)
        QFile::remove(midlertidig);
}
