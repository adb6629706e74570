#include "controls/billedlaeser.h"
#include "controls/miniaturecache.h"
#include "tests/common/panelmaaling.h"
#include "tests/common/testhome.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QUrl>
#include <QtTest>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>
#include <utime.h>

// Reading pictures: which files and in what order, bad input of every kind, the orientation, and
// the panel reading on the thread pool: progress, cancelling and the shared thumbnail cache.
class BilledlaeserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listing();
    void badInput_data();
    void badInput();
    void exifOrientation();
    void scaledDecode();
    void panelReadsEverything();
    void longNamesKept();
    void cancelling();
    void sharedCache();

private:
    std::unique_ptr<TestHome> home;
};

namespace {

QByteArray jpeg(QSize s, QColor venstre = Qt::red, QColor hoejre = Qt::blue)
{
    QImage billede(s, QImage::Format_RGB32);
    billede.fill(hoejre);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width() / 2; ++x)
            billede.setPixelColor(x, y, venstre);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    billede.save(&buffer, "JPG", 95);
    return data;
}

QByteArray billede(QSize s, const char* format)
{
    QImage b(s, QImage::Format_ARGB32);
    b.fill(Qt::transparent);
    for (int x = 0; x < s.width(); ++x)
        b.setPixelColor(x, 0, Qt::red);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    b.save(&buffer, format);
    return data;
}

// An EXIF block with an orientation, put right after the start of the picture.
QByteArray medOrientering(const QByteArray& data, quint8 orientering)
{
    QByteArray tiff("MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\0\0\0\0\0\0\0", 26);
    tiff[19] = char(orientering);
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1");
    segment.append(char((app1.size() + 2) >> 8)).append(char((app1.size() + 2) & 0xff)).append(app1);
    return data.left(2) + segment + data.mid(2);
}

// A JPEG whose header claims a size it does not have.
QByteArray medStoerrelse(QByteArray data, int bredde, int hoejde)
{
    const qsizetype sof = data.indexOf("\xff\xc0");
    data[sof + 5] = char(hoejde >> 8);
    data[sof + 6] = char(hoejde);
    data[sof + 7] = char(bredde >> 8);
    data[sof + 8] = char(bredde);
    return data;
}

QByteArray cmykJpeg(QSize s)
{
    QByteArray pixels(s.width() * s.height() * 4, char(40));
    tjhandle h = tjInitCompress();
    unsigned char* ud = nullptr;
    unsigned long laengde = 0;
    tjCompress2(h, reinterpret_cast<const uchar*>(pixels.constData()), s.width(), 0, s.height(), TJPF_CMYK, &ud, &laengde,
                TJSAMP_444, 90, 0);
    const QByteArray data(reinterpret_cast<const char*>(ud), qsizetype(laengde));
    tjFree(ud);
    tjDestroy(h);
    return data;
}

}  // namespace

void BilledlaeserTest::init() { home = std::make_unique<TestHome>(); }

void BilledlaeserTest::cleanup() { home.reset(); }

void BilledlaeserTest::listing()
{
    home->make({"b/a.jpg", "b/c.ico", "b/b.bmp", "b/D.JPG", "b/e.Bmp", "b/f.jpeg", "b/g.png", "b/.h.jpg", "b/i.txt",
                "b/mappe.jpg/", "b/j.GIF", "b/k.jpe", "b/l.webp", "b/m.tif"});
    const QStringList filer = billedfiler(*home / "b", ftBegge);
    QStringList navne;
    for (const QString& fil : filer)
        navne << QFileInfo(fil).fileName();
    // WebP only where a reader for it is installed.
    const bool webp = QImageReader::supportedImageFormats().contains("webp");
    QCOMPARE(navne, (QStringList{"b.bmp", "e.Bmp", "a.jpg", "D.JPG", "f.jpeg", "k.jpe", "c.ico", "g.png", "j.GIF"}
                     + (webp ? QStringList{"l.webp"} : QStringList{})));
    QCOMPARE(billedtyperTekst(), webp ? "bmp, jpg, ico, png, gif eller webp" : "bmp, jpg, ico, png eller gif");
    QCOMPARE(filer.first(), *home / "b/b.bmp");
    QCOMPARE(billedfiler(*home / "b", ftJpg).size(), 4);
    QCOMPARE(billedfiler(*home / "b", ftIco).size(), 1);
    QVERIFY(billedfiler(*home / "ingen", ftBegge).isEmpty());
}

void BilledlaeserTest::badInput_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QByteArray>("indhold");
    QTest::addColumn<bool>("fejl");
    QTest::addColumn<QSize>("original");
    const QByteArray god = jpeg(QSize(320, 240));
    QTest::newRow("good") << "a.jpg" << god << false << QSize(320, 240);
    QTest::newRow("empty") << "a.jpg" << QByteArray() << true << QSize();
    QTest::newRow("truncated: what was decoded") << "a.jpg" << god.left(god.size() / 2) << false << QSize(320, 240);
    QTest::newRow("garbage") << "a.jpg" << QByteArray(3000, 'x') << true << QSize();
    QTest::newRow("JPEG start, garbage after") << "a.jpg" << QByteArray("\xff\xd8\xff", 3) + QByteArray(500, '\x13') << true << QSize();
    QTest::newRow("PNG under a JPEG name") << "a.jpg" << billede(QSize(30, 20), "PNG") << false << QSize(30, 20);
    QTest::newRow("CMYK") << "a.jpg" << cmykJpeg(QSize(64, 48)) << false << QSize(64, 48);
    QTest::newRow("huge header") << "a.jpg" << medStoerrelse(god, 60000, 60000) << true << QSize(60000, 60000);
    QTest::newRow("bmp") << "a.bmp" << billede(QSize(50, 40), "BMP") << false << QSize(50, 40);
    QTest::newRow("broken bmp") << "a.bmp" << billede(QSize(50, 40), "BMP").left(40) << true << QSize();
    QTest::newRow("truncated bmp: what was read") << "a.bmp" << billede(QSize(50, 40), "BMP").left(600) << false << QSize(50, 40);
    QTest::newRow("ico") << "a.ico" << billede(QSize(32, 32), "ICO") << false << QSize(32, 32);
    QByteArray taeller = billede(QSize(32, 32), "ICO");
    taeller[4] = char(0x60);  // the directory counts 60,000 pictures
    taeller[5] = char(0xea);
    QTest::newRow("ico counting more pictures than it holds") << "b.ico" << taeller << false << QSize(32, 32);
    QTest::newRow("jpeg") << "a.jpeg" << god << false << QSize(320, 240);
    QTest::newRow("png") << "a.png" << billede(QSize(30, 20), "PNG") << false << QSize(30, 20);
    // One pixel in two frames: red, then blue.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
                         "\x21\xf9\x04\x00\x0a\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00"
                         "\x21\xf9\x04\x00\x0a\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4c\x01\x00\x3b",
                         66);
    QTest::newRow("gif: its first frame") << "a.gif" << gif << false << QSize(1, 1);
}

void BilledlaeserTest::badInput()
{
    QFETCH(QString, navn);
    QFETCH(QByteArray, indhold);
    home->write(navn, indhold);
    const Miniature m = laesMiniature(*home / navn, QSize(100, 100));
    QTEST(m.fejl, "fejl");
    QTEST(m.original, "original");
    QCOMPARE(m.billede.isNull(), m.fejl);
    if (!m.fejl)
        QVERIFY(m.billede.width() <= 100 && m.billede.height() <= 100);
    if (navn.endsWith(".ico")) {
        // Transparent pixels over the icon colour; the painted row stays.
        QCOMPARE(m.billede.pixelColor(16, 16), QColor(192, 192, 128));
        QCOMPARE(m.billede.pixelColor(16, 0), QColor(Qt::red));
    }
    if (navn.endsWith(".gif"))
        QCOMPARE(m.billede.pixelColor(0, 0), QColor(Qt::red));
}

void BilledlaeserTest::exifOrientation()
{
    // Stored lying down, red at the left: orientation 6 turns it a quarter to the right, so red
    // comes to the top.
    home->write("r.jpg", medOrientering(jpeg(QSize(80, 40)), 6));
    const Miniature m = laesMiniature(*home / "r.jpg", QSize(200, 200));
    QCOMPARE(m.original, QSize(40, 80));
    QCOMPARE(m.billede.size(), QSize(40, 80));
    QVERIFY(m.billede.pixelColor(20, 5).red() > 200 && m.billede.pixelColor(20, 5).blue() < 60);
    QVERIFY(m.billede.pixelColor(20, 75).blue() > 200 && m.billede.pixelColor(20, 75).red() < 60);
    // Orientation 3 turns it over: red at the right.
    home->write("o.jpg", medOrientering(jpeg(QSize(80, 40)), 3));
    const Miniature o = laesMiniature(*home / "o.jpg", QSize(200, 200));
    QCOMPARE(o.original, QSize(80, 40));
    QVERIFY(o.billede.pixelColor(75, 20).red() > 200);
}

void BilledlaeserTest::scaledDecode()
{
    home->write("stor.jpg", jpeg(QSize(4000, 3000)));
    const int foer = antalAfkodninger();
    const Miniature m = laesMiniature(*home / "stor.jpg", QSize(100, 100));
    QCOMPARE(antalAfkodninger(), foer + 1);
    QCOMPARE(m.original, QSize(4000, 3000));
    QCOMPARE(m.billede.size(), QSize(100, 75));
    QVERIFY(m.billede.pixelColor(10, 40).red() > 200);
    QVERIFY(m.billede.pixelColor(90, 40).blue() > 200);
}

void BilledlaeserTest::panelReadsEverything()
{
    // Every bad file between good ones: the good ones after it are all there.
    const QByteArray god = jpeg(QSize(60, 40));
    home->write("p/b.bmp", billede(QSize(50, 40), "BMP"));
    home->write("p/a0.jpg", god);
    home->write("p/a1.jpg", QByteArray());
    home->write("p/a2.jpg", god.left(god.size() - god.size() / 4));
    home->write("p/a3.jpg", QByteArray(100, 'q'));
    home->write("p/a5.jpg", medStoerrelse(god, 60000, 60000));
    home->write("p/a6.jpg", god);
    home->write("p/a7.jpg", god);
    home->write("p/c.ico", billede(QSize(16, 16), "ICO"));
    QVERIFY(::mkfifo(QFile::encodeName(*home / "p/a4.jpg").constData(), 0644) == 0);
    // Unreadable for its user (the test may run as root, who reads anything: then as nobody).
    home->write("p/a8.jpg", god);
    QFile::setPermissions(*home / "p/a8.jpg", {});
    const bool somRoot = ::geteuid() == 0;
    if (somRoot)
        QVERIFY(::seteuid(65534) == 0);
    const Miniature ulaeselig = laesMiniature(*home / "p/a8.jpg", QSize(50, 50));
    if (somRoot)
        QVERIFY(::seteuid(0) == 0);
    QVERIFY(ulaeselig.fejl);
    // A file gone since it was listed.
    QVERIFY(laesMiniature(*home / "p/borte.jpg", QSize(50, 50)).fejl);
    QFile::remove(*home / "p/a8.jpg");

    PanelMaaling panel(QSize(400, 300), 2, 2);
    panel.pan.BrugCache = false;
    QSignalSpy progress(&panel.pan, &TBibPan::OnProgress);
    QSignalSpy ialt(&panel.pan, &TBibPan::OnAntalIalt);
    panel.laes(*home / "p");
    QCOMPARE(ialt.size(), 1);
    QCOMPARE(ialt.first().first().toInt(), 10);
    QStringList navne;
    QList<bool> fejl;
    for (const TBibPan::BilledPost& post : panel.pan.Poster()) {
        navne << post.navn;
        fejl << post.fejl;
        QVERIFY(post.laest);
    }
    QCOMPARE(navne, (QStringList{"b.bmp", "a0.jpg", "a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg", "a5.jpg", "a6.jpg", "a7.jpg", "c.ico"}));
    QCOMPARE(fejl, (QList<bool>{false, false, true, false, true, true, true, false, false, false}));
    QCOMPARE(panel.pan.GetBredde(6), 60000);
    QCOMPARE(panel.pan.GetHojde(8), 40);
    QCOMPARE(panel.pan.GetFilnavn(9, true), *home / "p/c.ico");
    // 0 first, then one step per picture up to 100.
    QCOMPARE(progress.size(), 11);
    QCOMPARE(progress.first().first().toInt(), 0);
    QCOMPARE(progress.at(5).first().toInt(), 50);
    QCOMPARE(progress.last().first().toInt(), 100);
    // Pictures not on the page are kept too: paging only draws.
    for (int nr : {0, 1, 7, 8, 9})
        QVERIFY(panel.liste.Har(nr));
    QVERIFY(!panel.liste.Har(2));
}

void BilledlaeserTest::longNamesKept()
{
    const QString navn = QString(246, u'n') + ".jpg";
    home->write("l/" + navn, jpeg(QSize(20, 20)));
    PanelMaaling panel(QSize(400, 300), 2, 2);
    panel.laes(*home / "l");
    QCOMPARE(panel.pan.GetFilnavn(0, false), navn);
    QCOMPARE(panel.pan.GetFilnavn(0, true), *home / "l/" + navn);
    QVERIFY(QFileInfo::exists(panel.pan.GetFilnavn(0, true)));
}

void BilledlaeserTest::cancelling()
{
    const QByteArray stor = jpeg(QSize(2000, 1500));
    for (int i = 0; i < 40; ++i)
        home->write(QString("m1/%1.jpg").arg(i, 2, 10, QChar('0')), stor);
    home->write("m2/eneste.jpg", jpeg(QSize(30, 30)));
    {
        PanelMaaling panel(QSize(400, 300), 2, 2);
        QSignalSpy ialt(&panel.pan, &TBibPan::OnAntalIalt);
        // "Indlæs billeder" twice fast, then another folder: only the last reading reports.
        panel.pan.setBibliotek(*home / "m1");
        panel.pan.LoadListe();
        panel.pan.setBibliotek(*home / "m2");
        QVERIFY(ialt.wait(20000));
        QTest::qWait(200);
        QCOMPARE(ialt.size(), 1);
        QCOMPARE(panel.pan.Poster().size(), 1);
        QCOMPARE(panel.pan.GetFilnavn(0, false), "eneste.jpg");
        // A new grid size starts again.
        panel.pan.setBibliotek(*home / "m1");
        panel.pan.NyeFelterVL(3, 3);
        QVERIFY(panel.pan.Laeser());
    }
    // Destroyed in the middle of a reading: the workers stop before the panel goes.
    auto panel = std::make_unique<PanelMaaling>(QSize(400, 300), 2, 2);
    panel->pan.setBibliotek(*home / "m1");
    QTest::qWait(5);
    QVERIFY(panel->pan.Laeser());
    panel.reset();
    QTest::qWait(100);
}

void BilledlaeserTest::sharedCache()
{
    home->write("c/a.jpg", jpeg(QSize(800, 600)));
    home->write("c/b.jpg", jpeg(QSize(600, 800)));
    const QString cache = miniatureCacheMappe();
    QVERIFY(cache.startsWith(home->path()));
    // The finished entries; one being written has a temporary name.
    const auto poster = [&] { return QDir(cache + "/large").entryList({"*.png"}, QDir::Files); };
    {
        PanelMaaling panel(QSize(400, 300), 2, 2);
        panel.laes(*home / "c");
        QVERIFY(panel.pan.MiniatureStoerrelse().width() <= 256);
        QTRY_COMPARE(poster().size(), 2);
    }
    QCOMPARE(QFileInfo(cache).permissions() & 0x0077, QFile::Permissions());
    const QString post = cache + "/large/" + poster().first();
    QCOMPARE(QFileInfo(post).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QVERIFY(QImage(post).text("Thumb::URI").startsWith("file://"));

    // A valid entry is used: nothing decoded.
    const int foer = antalAfkodninger();
    {
        PanelMaaling panel(QSize(400, 300), 2, 2);
        panel.laes(*home / "c");
        QCOMPARE(antalAfkodninger(), foer);
        QCOMPARE(panel.pan.GetBredde(1), 600);
        QCOMPARE(panel.pan.GetHojde(1), 800);
        QVERIFY(panel.liste.Har(0) && panel.liste.Har(1));
    }
    // A stale one (the file changed since) is decoded and replaced.
    const QString a = *home / "c/a.jpg";
    struct utimbuf tider{1000000000, 1000000000};
    QVERIFY(::utime(QFile::encodeName(a).constData(), &tider) == 0);
    {
        PanelMaaling panel(QSize(400, 300), 2, 2);
        panel.laes(*home / "c");
        QVERIFY(antalAfkodninger() > foer);
        const QString navn = QCryptographicHash::hash(QUrl::fromLocalFile(a).toEncoded(), QCryptographicHash::Md5).toHex();
        QTRY_COMPARE(QImage(cache + "/large/" + navn + ".png").text("Thumb::MTime"), QString("1000000000"));
    }
    // Files inside the cache get no entries of their own.
    const int antal = int(QDir(cache).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
    PanelMaaling panel(QSize(400, 300), 2, 2);
    panel.pan.FilType = ftJpg;
    QFile::copy(a, cache + "/large/kopi.jpg");
    panel.laes(cache + "/large");
    QTest::qWait(300);
    QCOMPARE(int(QDir(cache + "/large").entryList(QDir::Files).size()), 3);
    QCOMPARE(int(QDir(cache).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size()), antal);
}

QTEST_MAIN(BilledlaeserTest)
#include "test_billedlaeser.moc"
