#include "platform/fejlaarsag.h"
#include "platform/filecopy.h"
#include "tests/common/testhome.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>

using platform::KopiResultat;

namespace {

QByteArray indhold(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<mangler>");
}

// Nothing but the expected names stand in the folder: no temporary copy is left behind.
QStringList navne(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QByteArray kontrolsum(const QString& path)
{
    QFile file(path);
    QCryptographicHash sum(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && sum.addData(&file) ? sum.result().toHex() : QByteArray("<mangler>");
}

struct stat status(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Ranges of data as offset and length; the rest of a file is hole.
using Dataomraader = QList<std::pair<qint64, qint64>>;

// A file of the given length holding data only in the given ranges.
void skrivMedHuller(const QString& path, qint64 laengde, const Dataomraader& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(laengde));
    for (const auto& [start, antal] : data) {
        QByteArray bytes(antal, 0);
        for (qint64 i = 0; i < antal; ++i)
            bytes[i] = char('a' + (start + i) % 26);
        QVERIFY(file.seek(start));
        QCOMPARE(file.write(bytes), antal);
    }
}

}  // namespace

class FileCopyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { platform::installKopiFejl({}); }
    void copiesContentModeAndTime();
    void replacesOnlyWhenAsked();
    void stopAndFaultLeaveNothingHalf_data();
    void stopAndFaultLeaveNothingHalf();
    void linksEmptyFilesAndSpecialFiles();
    void acrossFileSystems();
    void keepsHoles_data();
    void keepsHoles();
    void everyCauseHasItsOwnText();
};

void FileCopyTest::everyCauseHasItsOwnText()
{
    // The causes a user meets in the messages of a paste: none falls back on the unknown error, and
    // no two read alike.
    const QList<int> koder{platform::SaerligFil, platform::KopiForsvundet, platform::UlaeseligtNavn, ENOENT, EIO,
                           ENOSPC, EUCLEAN, EROFS, EACCES};
    QSet<QString> tekster;
    for (const int kode : koder) {
        const QString tekst = platform::fejlaarsag(kode);
        QVERIFY2(!tekst.contains("ukendt fejl"), qPrintable(QString::number(kode)));
        tekster.insert(tekst);
    }
    QCOMPARE(tekster.size(), koder.size());
}

void FileCopyTest::copiesContentModeAndTime()
{
    TestHome home;
    const QByteArray data(3 * 1024 * 1024 + 17, 'q');
    home.write("k/a.bin", data);
    QVERIFY(QFile::setPermissions(home / "k/a.bin", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QDateTime tid = QDateTime::fromSecsSinceEpoch(1600000000);
    {
        QFile f(home / "k/a.bin");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(tid, QFileDevice::FileModificationTime));
    }
    home.make({"m/"});
    qint64 sidst = -1;
    QCOMPARE(platform::kopierFil(home / "k/a.bin", home / "m/a.bin", false,
                                 [&](qint64 kopieret, qint64 total) {
                                     sidst = kopieret;
                                     return total == data.size();
                                 }),
             KopiResultat::Kopieret);
    QCOMPARE(sidst, data.size());
    QCOMPARE(indhold(home / "m/a.bin"), data);
    QCOMPARE(QFileInfo(home / "m/a.bin").permissions() & 0x0FFF, QFileInfo(home / "k/a.bin").permissions() & 0x0FFF);
    QCOMPARE(QFileInfo(home / "m/a.bin").lastModified(), tid);
    QCOMPARE(navne(home / "m"), QStringList{"a.bin"});
}

void FileCopyTest::replacesOnlyWhenAsked()
{
    TestHome home;
    home.write("a.txt", "ny");
    home.write("m/a.txt", "gammel");
    int kode = 0;
    QCOMPARE(platform::kopierFil(home / "a.txt", home / "m/a.txt", false, {}, &kode), KopiResultat::Fejl);
    QCOMPARE(kode, EEXIST);
    QCOMPARE(indhold(home / "m/a.txt"), QByteArray("gammel"));
    QCOMPARE(platform::kopierFil(home / "a.txt", home / "m/a.txt", true, {}), KopiResultat::Kopieret);
    QCOMPARE(indhold(home / "m/a.txt"), QByteArray("ny"));
    QCOMPARE(navne(home / "m"), QStringList{"a.txt"});
}

void FileCopyTest::stopAndFaultLeaveNothingHalf_data()
{
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("huller");
    for (const bool huller : {false, true}) {
        QTest::addRow("stop in the middle%s", huller ? ", with holes" : "") << true << huller;
        QTest::addRow("failure in the middle%s", huller ? ", with holes" : "") << false << huller;
    }
}

void FileCopyTest::stopAndFaultLeaveNothingHalf()
{
    QFETCH(bool, stop);
    QFETCH(bool, huller);
    TestHome home;
    if (huller)
        skrivMedHuller(home / "stor.bin", 20 * 1024 * 1024, {{0, 4096}, {4 * 1024 * 1024, 12 * 1024 * 1024}});
    else
        home.write("stor.bin", QByteArray(20 * 1024 * 1024, 's'));
    home.write("m/stor.bin", "det gamle");
    if (!stop)
        platform::installKopiFejl([](const QString&, qint64 offset) { return offset > 0 ? ENOSPC : 0; });
    int kaldt = 0;
    int kode = 0;
    const auto resultat = platform::kopierFil(home / "stor.bin", home / "m/stor.bin", true,
                                              [&](qint64, qint64) { return ++kaldt < 2 || !stop; }, &kode);
    QCOMPARE(resultat, stop ? KopiResultat::Stoppet : KopiResultat::Fejl);
    if (!stop)
        QCOMPARE(kode, ENOSPC);
    // The old target is kept whole and no partial copy is left.
    QCOMPARE(indhold(home / "m/stor.bin"), QByteArray("det gamle"));
    QCOMPARE(navne(home / "m"), QStringList{"stor.bin"});
}

void FileCopyTest::linksEmptyFilesAndSpecialFiles()
{
    TestHome home;
    home.write("tom", QByteArray());
    QVERIFY(QFile::link("tom", home / "link"));
    QVERIFY(::mkfifo(QFile::encodeName(home / "fifo").constData(), 0644) == 0);
    home.make({"m/"});
    QList<std::pair<qint64, qint64>> fremgang;
    QCOMPARE(platform::kopierFil(home / "tom", home / "m/tom", false,
                                 [&](qint64 k, qint64 t) {
                                     fremgang.append({k, t});
                                     return true;
                                 }),
             KopiResultat::Kopieret);
    QCOMPARE(fremgang, (QList<std::pair<qint64, qint64>>{{0, 0}}));
    QCOMPARE(platform::kopierFil(home / "link", home / "m/link", false, {}), KopiResultat::Kopieret);
    QCOMPARE(QFileInfo(home / "m/link").symLinkTarget(), home / "m/tom");
    QCOMPARE(platform::kopierFil(home / "fifo", home / "m/fifo", false, {}), KopiResultat::IkkeKopieret);
    QCOMPARE(navne(home / "m"), QStringList({"link", "tom"}));
}

void FileCopyTest::acrossFileSystems()
{
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        QSKIP("no second file system at /dev/shm");
    TestHome home;
    home.write("a.bin", QByteArray(2 * 1024 * 1024, 'x'));
    QTemporaryDir andet(QStringLiteral("/dev/shm/qvm-test-XXXXXX"));
    QVERIFY(andet.isValid());
    QCOMPARE(platform::kopierFil(home / "a.bin", andet.path() + "/a.bin", false, {}), KopiResultat::Kopieret);
    QCOMPARE(QFileInfo(andet.path() + "/a.bin").size(), 2 * 1024 * 1024);
}

void FileCopyTest::keepsHoles_data()
{
    QTest::addColumn<qint64>("laengde");
    QTest::addColumn<Dataomraader>("data");
    QTest::addColumn<bool>("andetDrev");
    constexpr qint64 mb = 1024 * 1024;
    const struct {
        const char* navn;
        qint64 laengde;
        Dataomraader data;
    } filer[] = {
        // The middle range is longer than one chunk.
        {"data at the start, in the middle and near the end", 32 * mb, {{0, 4096}, {5 * mb, 9 * mb}, {31 * mb, 4096}}},
        {"all hole", 32 * mb, {}},
        {"the last byte is data", 32 * mb + 1, {{mb, 4096}, {32 * mb, 1}}},
    };
    for (const auto& fil : filer)
        for (const bool andetDrev : {false, true})
            QTest::addRow("%s%s", fil.navn, andetDrev ? ", to another file system" : "")
                << fil.laengde << fil.data << andetDrev;
}

// A file with holes is copied to the same bytes and no more blocks than its own and one for each
// range of data, and the progress ends at its whole length.
void FileCopyTest::keepsHoles()
{
    QFETCH(qint64, laengde);
    QFETCH(Dataomraader, data);
    QFETCH(bool, andetDrev);
    TestHome home;
    skrivMedHuller(home / "huller.img", laengde, data);
    std::optional<QTemporaryDir> andet;
    if (andetDrev) {
        const QString shm = QStringLiteral("/dev/shm");
        if (!QFileInfo(shm).isWritable() || status(shm).st_dev == status(home.path()).st_dev)
            QSKIP("no other file system at /dev/shm");
        andet.emplace(shm + QStringLiteral("/qvm-test-XXXXXX"));
        QVERIFY(andet->isValid());
    }
    const QString maal = (andet ? andet->path() : home.path()) + QStringLiteral("/kopi.img");
    QList<std::pair<qint64, qint64>> fremgang;
    QCOMPARE(platform::kopierFil(home / "huller.img", maal, false,
                                 [&](qint64 kopieret, qint64 total) {
                                     fremgang.append({kopieret, total});
                                     return true;
                                 }),
             KopiResultat::Kopieret);
    QCOMPARE(kontrolsum(maal), kontrolsum(home / "huller.img"));
    const struct stat kilde = status(home / "huller.img");
    const struct stat kopi = status(maal);
    QCOMPARE(kopi.st_size, laengde);
    QVERIFY2(kopi.st_blocks <= kilde.st_blocks + data.size() * (kopi.st_blksize / 512),
             qPrintable(QStringLiteral("%1 blocks of 512 bytes against %2").arg(kopi.st_blocks).arg(kilde.st_blocks)));
    QCOMPARE(fremgang.last(), std::make_pair(laengde, laengde));
    QVERIFY(std::is_sorted(fremgang.cbegin(), fremgang.cend()));
}

QTEST_GUILESS_MAIN(FileCopyTest)
#include "test_filecopy.moc"
