#include "explorer/stifinderindstillinger.h"
#include "platform/textfile.h"
#include "tests/common/testhome.h"

#include <QtTest>

namespace {

// Options in which no line holds its designed value, on folders and files that exist.
StifinderIndstillinger alleAendret(const TestHome& home)
{
    StifinderIndstillinger s;
    s.Mappenavn = home / "mappe";
    s.Filnavn = home / "mappe/fil.txt";
    s.mappeStrukturBredde = 420;
    s.privatCheckBox = true;
    s.RadioOpstart = 2;
    s.hiddenCheck = true;
    s.mappeBox = 0;
    s.winBogSide = 5;
    s.favoritBogSide = 1;
    s.spmBox = 2;
    s.resultBox = 1;
    s.DragDropCheck = s.opdaterCheck = s.rydCheck = s.LukCheck = s.visIndstillingerCheck = false;
    s.visKlipbordCheck = s.udfoldCheck = true;
    s.fanePlaceringsBox = 2;
    s.redskabsCheck = 1;
    s.tabVisCheck1 = s.tabVisCheck2 = s.tabVisCheck3 = s.tabVisCheck0 = false;
    return s;
}

}  // namespace

class StifinderIndstillingerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip();
    void wrongLineCountGivesDefaults_data();
    void wrongLineCountGivesDefaults();
    void nonNumericLineThree();
    void vanishedFolderAndFile();
};

void StifinderIndstillingerTest::roundTrip()
{
    TestHome home;
    home.make({"mappe/fil.txt"});
    const StifinderIndstillinger gemt = alleAendret(home);
    const QString fil = home / "Stifinder 1.txt";
    QVERIFY(gemStifinderOpt(fil, gemt));
    QCOMPARE(platform::readTextLines(fil)->size(), 24);
    StifinderIndstillinger hentet;
    hentStifinderOpt(fil, hentet);
    QCOMPARE(hentet, gemt);
}

void StifinderIndstillingerTest::wrongLineCountGivesDefaults_data()
{
    QTest::addColumn<int>("antal");
    QTest::newRow("23 lines") << 23;
    QTest::newRow("25 lines") << 25;
    QTest::newRow("missing") << 0;
}

void StifinderIndstillingerTest::wrongLineCountGivesDefaults()
{
    QFETCH(int, antal);
    TestHome home;
    home.make({"mappe/fil.txt"});
    const QString fil = home / "Stifinder 2.txt";
    const StifinderIndstillinger gemt = alleAendret(home);
    QVERIFY(gemStifinderOpt(fil, gemt));
    const QStringList linjer = *platform::readTextLines(fil);
    if (antal == 0)
        QVERIFY(QFile::remove(fil));
    else
        QVERIFY(platform::writeTextLines(fil, antal < 24 ? linjer.mid(0, antal) : linjer + QStringList{"1"}));
    StifinderIndstillinger s = gemt;
    hentStifinderOpt(fil, s);
    StifinderIndstillinger forventet = gemt;
    defaultStifinderOpt(forventet);
    QCOMPARE(s, forventet);
    QCOMPARE(s.Mappenavn, QStringLiteral("/"));
    QCOMPARE(s.mappeStrukturBredde, 300);
    QCOMPARE(s.spmBox, 2);  // not among the defaults: it keeps its state
}

void StifinderIndstillingerTest::nonNumericLineThree()
{
    TestHome home;
    home.make({"mappe/fil.txt"});
    const QString fil = home / "Stifinder 1.txt";
    QVERIFY(gemStifinderOpt(fil, alleAendret(home)));
    QStringList linjer = *platform::readTextLines(fil);
    linjer[2] = "bred";
    QVERIFY(platform::writeTextLines(fil, linjer));
    StifinderIndstillinger s;
    hentStifinderOpt(fil, s);
    QCOMPARE(s.Mappenavn, QStringLiteral("/"));
    QCOMPARE(s.Filnavn, QString());
    QCOMPARE(s.mappeStrukturBredde, 300);
    QCOMPARE(s, StifinderIndstillinger());
}

void StifinderIndstillingerTest::vanishedFolderAndFile()
{
    TestHome home;
    home.make({"mappe/fil.txt"});
    const QString fil = home / "Stifinder 1.txt";
    QVERIFY(gemStifinderOpt(fil, alleAendret(home)));
    QVERIFY(QFile::remove(home / "mappe/fil.txt"));
    StifinderIndstillinger s;
    hentStifinderOpt(fil, s);
    QCOMPARE(s.Mappenavn, home / "mappe");
    QCOMPARE(s.Filnavn, QString());
    QVERIFY(QDir(home / "mappe").removeRecursively());
    hentStifinderOpt(fil, s);
    QCOMPARE(s.Mappenavn, QStringLiteral("/"));
    QCOMPARE(s.mappeStrukturBredde, 420);
}

QTEST_GUILESS_MAIN(StifinderIndstillingerTest)
#include "test_stifinderindstillinger.moc"
