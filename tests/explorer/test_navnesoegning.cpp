#include "core/navnesoegning.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Resultat {
    QStringList mapper;
    QStringList filer;
    QStringList orden;  // every hit in the order found
    Navneparti slut;
    int leveringer = 0;
};

Resultat soeg(const QString& mappe, const QString& tekst, qint64 maks = 1000, const QStringList& udeladte = {},
              std::function<void(qint64)> efterElement = {}, std::shared_ptr<std::atomic_bool> stop = nullptr)
{
    Resultat r;
    Navnesoegning s;
    s.mappe = mappe;
    s.tekst = tekst;
    s.maksElementer = maks;
    s.udeladte = udeladte;
    if (stop)
        s.stop = stop;
    s.efterElement = std::move(efterElement);
    s.lever = [&r, mappe](const Navneparti& p) {
        ++r.leveringer;
        for (const Navnefund& f : p.fund) {
            const QString rel = f.sti.mid(mappe.size() + 1);
            (f.mappe ? r.mapper : r.filer) << rel;
            r.orden << rel;
        }
        if (p.fase == Navneparti::Fase::Faerdig)
            r.slut = p;
    };
    soegNavne(s);
    std::sort(r.mapper.begin(), r.mapper.end());
    std::sort(r.filer.begin(), r.filer.end());
    return r;
}

}  // namespace

// The search in folder and file names below a folder: what is a hit, in which order, what is
// counted, and where the walk does not go.
class NavnesoegningTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { home.reset(); }
    void hits_data();
    void hits();
    void unicodeCase_data();
    void unicodeCase();
    void mappeFoerIndhold();
    void taelling();
    void links();
    void udeladteMonteringer();
    void maksimum();
    void stopUndervejs();
    void startmappeMangler();

private:
    QString rod() const { return *home / "rod"; }
    std::unique_ptr<TestHome> home;
};

void NavnesoegningTest::init()
{
    home = std::make_unique<TestHome>();
    home->make({"rod/xabcx.txt", "rod/Abc/", "rod/Abc/indre abc.md", "rod/ÆBLE.txt", "rod/æble.txt", "rod/a*b.txt",
                "rod/aXb.txt", "rod/.skjult abc", "rod/Rapport.txt", "rod/rapport.txt", "rod/dyb/er/mere/Årsrapport.pdf"});
}

void NavnesoegningTest::hits_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("mapper");
    QTest::addColumn<QStringList>("filer");
    QTest::newRow("A-Z folded") << "ABC" << QStringList{"Abc"}
                                << QStringList{".skjult abc", "Abc/indre abc.md", "xabcx.txt"};
    QTest::newRow("* is a character") << "a*" << QStringList{} << QStringList{"a*b.txt"};
    QTest::newRow("two names apart in case") << "rapport" << QStringList{}
                                             << QStringList{"Rapport.txt", "dyb/er/mere/Årsrapport.pdf", "rapport.txt"};
    QTest::newRow("a folder deep down") << "MERE" << QStringList{"dyb/er/mere"} << QStringList{};
}

void NavnesoegningTest::hits()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, mapper);
    QFETCH(QStringList, filer);
    const Resultat r = soeg(rod(), tekst);
    QCOMPARE(r.mapper, mapper);
    QCOMPARE(r.filer, filer);
    QVERIFY(!r.slut.stoppet && !r.slut.stoppetVedMaks && !r.slut.fejl);
}

void NavnesoegningTest::unicodeCase_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("fundne");  // folders and files, sorted
    const QStringList aebler{"ÆBLEMOST.txt", "æble.txt"};
    QTest::newRow("ÆBLE") << "ÆBLE" << aebler;
    QTest::newRow("æble") << "æble" << aebler;
    QTest::newRow("Æble") << "Æble" << aebler;
    QTest::newRow("øL finds a folder") << "øL" << QStringList{"Øl"};
    QTest::newRow("BLÅBÆR") << "BLÅBÆR" << QStringList{"blÅbær.md"};
    QTest::newRow("MÜSLI") << "MÜSLI" << QStringList{"müsli.txt"};
    QTest::newRow("é is not e") << "CAFÉ" << QStringList{"Café.txt"};
    QTest::newRow("a folding one byte longer") << "Ⱥ" << QStringList{"ⱥx.txt"};
    QTest::newRow("a folding two bytes shorter") << "k" << QStringList{QChar(0x212A) + QString("elvin.txt")};
}

// Case is ignored over the whole of Unicode, as "ÆBLE", "æble" and "Æble" find the same.
void NavnesoegningTest::unicodeCase()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, fundne);
    home->make({"u/æble.txt", "u/ÆBLEMOST.txt", "u/Øl/", "u/blÅbær.md", "u/müsli.txt", "u/Café.txt", "u/cafe.txt",
                "u/ⱥx.txt", QString("u/") + QChar(0x212A) + "elvin.txt"});
    const Resultat r = soeg(*home / "u", tekst);
    QStringList alle = r.mapper + r.filer;
    alle.sort();
    QCOMPARE(alle, fundne);
}

void NavnesoegningTest::mappeFoerIndhold()
{
    const Resultat r = soeg(rod(), "abc");
    QVERIFY(r.orden.indexOf("Abc") < r.orden.indexOf("Abc/indre abc.md"));
    // The content follows its folder at once, before any entry after the folder.
    const QStringList alle = soeg(rod(), "").orden;
    const qsizetype dyb = alle.indexOf("dyb");
    QCOMPARE(alle.mid(dyb, 4), QStringList({"dyb", "dyb/er", "dyb/er/mere", "dyb/er/mere/Årsrapport.pdf"}));
}

void NavnesoegningTest::taelling()
{
    // Eight files at the top, Abc with one, dyb/er/mere with one: 10 files; Abc, dyb, er, mere: 4 folders.
    const Navnetal tal = soeg(rod(), "abc").slut.tal;
    QCOMPARE(tal.filerTalt, 10);
    QCOMPARE(tal.mapperTalt, 4);
    QCOMPARE(tal.position(), tal.total());
    QCOMPARE(tal.mapperFundet, 1);
    QCOMPARE(tal.filerFundet, 3);
    QCOMPARE(tal.procent(), 100);
    QDir().mkpath(*home / "tom");
    const Navnetal tom = soeg(*home / "tom", "x").slut.tal;
    QCOMPARE(tom.total(), 0);
    QCOMPARE(tom.procent(), 100);
}

void NavnesoegningTest::links()
{
    QVERIFY(QFile::link(rod(), rod() + "/Abc/løkke abc"));             // a loop back to the top
    QVERIFY(QFile::link(rod() + "/xabcx.txt", rod() + "/link abc.txt"));
    QVERIFY(QFile::link(rod() + "/væk", rod() + "/død abc"));           // dangling
    QVERIFY(::mkfifo(QFile::encodeName(rod() + "/fifo abc").constData(), 0600) == 0);
    // A name that is not UTF-8 is left out.
    const int latin1 = ::open((QFile::encodeName(rod()) + "/abc\xe6.txt").constData(), O_CREAT | O_WRONLY, 0600);
    QVERIFY(latin1 >= 0);
    ::close(latin1);
    const Resultat r = soeg(rod(), "abc");
    QCOMPARE(r.mapper, QStringList({"Abc", "Abc/løkke abc"}));
    QCOMPARE(r.filer, QStringList({".skjult abc", "Abc/indre abc.md", "link abc.txt", "xabcx.txt"}));
    // The dangling link and the FIFO are examined as files.
    QCOMPARE(r.slut.tal.filerTalt, 10 + 3);
    QCOMPARE(r.slut.tal.mapperTalt, 4 + 1);
    ::unlink((QFile::encodeName(rod()) + "/abc\xe6.txt").constData());
}

void NavnesoegningTest::udeladteMonteringer()
{
    home->make({"rod/proc/abc i proc"});
    const Resultat r = soeg(rod(), "abc", 1000, {rod() + "/proc/"});
    QVERIFY(!r.filer.contains("proc/abc i proc"));
    QVERIFY(soeg(rod(), "abc").filer.contains("proc/abc i proc"));
}

void NavnesoegningTest::maksimum()
{
    home->make({"rod/flere/rapport1", "rod/flere/rapport2", "rod/flere/rapport3"});
    const Resultat r = soeg(rod() + "/flere", "rapport", 2);
    QCOMPARE(r.filer.size(), 2);
    QVERIFY(r.slut.stoppetVedMaks);
    QCOMPARE(r.slut.tal.filerFundet, 2);
    QCOMPARE(r.slut.tal.filerUndersoegt, 2);
    QCOMPARE(r.slut.tal.total(), 3);
}

void NavnesoegningTest::stopUndervejs()
{
    auto stop = std::make_shared<std::atomic_bool>(false);
    const Resultat r = soeg(rod(), "", 1000, {}, [stop](qint64 antal) {
        if (antal == 5)
            *stop = true;
    }, stop);
    QVERIFY(r.slut.stoppet);
    QCOMPARE(r.slut.tal.position(), 5);
    QCOMPARE(r.orden.size(), 5);
}

void NavnesoegningTest::startmappeMangler()
{
    const Resultat r = soeg(*home / "findes ikke", "x");
    QVERIFY(r.slut.startmappeFejl);
    QCOMPARE(r.leveringer, 1);
    // A start folder that is a link is searched; the hits keep the path through the link.
    QVERIFY(QFile::link(rod(), *home / "genvej"));
    const Resultat link = soeg(*home / "genvej", "ABC");
    QVERIFY(!link.slut.startmappeFejl);
    QCOMPARE(link.mapper, QStringList{"Abc"});
}

QTEST_GUILESS_MAIN(NavnesoegningTest)
#include "test_navnesoegning.moc"
