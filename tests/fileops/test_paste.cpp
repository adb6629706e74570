#include "fileops/tdeleteform.h"
#include "fileops/tprogressform.h"
#include "platform/filecopy.h"
#include "platform/filedelete.h"
#include "tests/common/testhome.h"
#include "tests/fileops/pastefixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ino_t inode(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

class PasteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { platform::installKopiFejl({}); }
    void eventsAndQuestionModes_data();
    void eventsAndQuestionModes();
    void overwriteNoneFromTheDialogSticks();
    void folderMergesIntoExistingFolder();
    void countsAndPercentages();
    void sameDriveMoveRenames();
    void crossDriveMoveCopiesThenDeletes();
    void declinedFolderStaysWhereItWas();
    void keptAndFailedCopiesAreNeverDeleted_data();
    void keptAndFailedCopiesAreNeverDeleted();
    void stopEndsTheCopyAndIsReported();
    void failureOnTheThirdOfFiveFiles();
    void sourceVanishingAfterCounting();
    void destinationInsideSourceIsRefused();
    void awkwardNamesAndLinkLoops();
};

void PasteTest::eventsAndQuestionModes_data()
{
    QTest::addColumn<int>("spm");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("medDest");
    QTest::addColumn<QStringList>("haendelser");
    QTest::addColumn<bool>("kopieret");  // also the operation's result
    QTest::newRow("spørg altid, ja") << 0 << true << true << QStringList{"load", "ja"} << true;
    QTest::newRow("spørg altid, nej") << 0 << false << true << QStringList{"load", "nej"} << false;
    QTest::newRow("kun før slet") << 1 << false << true << QStringList{"load"} << true;
    QTest::newRow("spørg aldrig") << 2 << false << true << QStringList{"load"} << true;
    QTest::newRow("ingen destination") << 2 << true << false << QStringList{"load", "nej"} << false;
}

void PasteTest::eventsAndQuestionModes()
{
    QFETCH(int, spm);
    QFETCH(bool, ja);
    QFETCH(bool, medDest);
    TestHome home;
    home.make({"k/a.txt", "m/"});
    Bruger bruger;
    bruger.bekraeft = ja;
    for (const bool flyt : {false, true}) {
        Indsaetning ind(home.path() + "/");
        ind.paste.IntSpm = spm;
        ind.filer = {home / "k/a.txt"};
        ind.dest = medDest ? home / "m" : QString();
        QTEST(flyt ? ind.paste.PasteCutElementer() : ind.paste.PasteElementer(), "kopieret");
        QTEST(ind.haendelser, "haendelser");
        QTEST(QFile::exists(home / "m/a.txt"), "kopieret");
        QCOMPARE(QFile::exists(home / "k/a.txt"), !(flyt && QFile::exists(home / "m/a.txt")));
        QFile::remove(home / "m/a.txt");
        home.make({"k/a.txt"});
    }
    QCOMPARE(bruger.bekraeftelser.size(), spm == 0 && medDest ? 2 : 0);
    if (!bruger.bekraeftelser.isEmpty())
        QCOMPARE(bruger.bekraeftelser, QStringList({"Kopiering af elementer", "Flytning af elementer"}));
}

void PasteTest::overwriteNoneFromTheDialogSticks()
{
    TestHome home;
    home.make({"k/a", "k/b", "k/c", "k/d", "m/a", "m/b", "m/c"});
    Indsaetning ind(home.path() + "/", TPasteCompo::Spoerg);
    ind.filer = {home / "k/a", home / "k/b", home / "k/c", home / "k/d"};
    ind.dest = home / "m";
    Bruger bruger;
    bruger.konflikter = {{TExistsForm::OverskrivIngen, false}};
    QVERIFY(ind.paste.PasteElementer());
    QCOMPARE(bruger.konfliktVist, 1);
    QCOMPARE(ind.paste.ikkePastede(), 3);
    QCOMPARE(ind.paste.IntPasteMetode, int(TPasteCompo::OverskrivIkke));
    QVERIFY(QFile::exists(home / "m/d"));
    QCOMPARE(ind.paste.ProgressBox()->infoLabel->text(), QString("3 filer blev ikke overskrevede."));

    // "Spørg hver gang" keeps asking, and its check box decides each element.
    home.write("k/a", "ny");
    Indsaetning igen(home.path() + "/", TPasteCompo::Spoerg);
    igen.filer = {home / "k/a", home / "k/b"};
    igen.dest = home / "m";
    bruger.konfliktVist = 0;
    bruger.konflikter = {{TExistsForm::SpoergHverGang, true}, {TExistsForm::SpoergHverGang, false}};
    QVERIFY(igen.paste.PasteElementer());
    QCOMPARE(bruger.konfliktVist, 2);
    QCOMPARE(indhold(home / "m/a"), QByteArray("ny"));
    QCOMPARE(igen.paste.ikkePastede(), 1);
}

void PasteTest::folderMergesIntoExistingFolder()
{
    TestHome home;
    home.write("k/d/a", "ny a");
    home.write("k/d/sub/b", "b");
    home.write("m/d/a", "gammel a");
    home.write("m/d/c", "c");
    Indsaetning ind(home.path() + "/");
    ind.mapper = {home / "k/d"};
    ind.dest = home / "m";
    Bruger bruger;
    QVERIFY(ind.paste.PasteElementer());
    QCOMPARE(indhold(home / "m/d/a"), QByteArray("gammel a"));
    QCOMPARE(indhold(home / "m/d/sub/b"), QByteArray("b"));
    QCOMPARE(indhold(home / "m/d/c"), QByteArray("c"));
    QCOMPARE(ind.paste.ikkePastede(), 1);
    QVERIFY(ind.paste.ProgressBox()->erAfkrydset(0));
    QCOMPARE(ind.paste.ProgressBox()->kildeLabel->text(), QString("Der kopieres 1 mappe:"));
    QCOMPARE(ind.paste.PasteMapper, QStringList{home / "k/d"});  // kept for restoring the clipboard
}

void PasteTest::countsAndPercentages()
{
    TestHome home;
    home.make({"k/tom/x", "m/"});
    home.write("k/tusind", QByteArray(1000, 'x'));
    Bruger bruger;
    Indsaetning nul(home.path() + "/");
    nul.mapper = {home / "k/tom"};
    nul.dest = home / "m";
    QVERIFY(nul.paste.PasteElementer());
    QCOMPARE(nul.paste.ProgressBox()->LabelInfo->text(), QString("Der kopieres 1 fil: 0 bytes"));
    QCOMPARE(nul.paste.ProgressBox()->LabelProcent->text(), QString("100%"));
    QCOMPARE(nul.paste.getResult(), QString("1 fil: 0 bytes"));
    QVERIFY(nul.paste.ProgressBox()->isHidden());  // closed after the operation

    Indsaetning tusind(home.path() + "/");
    tusind.filer = {home / "k/tusind"};
    tusind.dest = home / "m";
    QVERIFY(tusind.paste.PasteElementer());
    QCOMPARE(tusind.paste.ProgressBox()->LabelInfo->text(), QString("Der kopieres 1 fil: 0,98 KB"));
    QCOMPARE(tusind.paste.ProgressBox()->LabelResterende->text(), QString("0 (0 bytes)"));
    QCOMPARE(tusind.paste.getResult(), QString("1 fil: 0,98 KB"));

    // The delete pass of a move whose total is 0 bytes shows 0%.
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    Indsaetning flyt(home.path() + "/");
    flyt.mapper = {home / "k/tom"};
    flyt.dest = andet->path();
    QVERIFY(flyt.paste.PasteCutElementer());
    QCOMPARE(flyt.paste.DeleteBox()->LabelProcent->text(), QString("0%"));
    QVERIFY(flyt.paste.ProgressBox()->isHidden() && flyt.paste.DeleteBox()->isHidden());
    QVERIFY(QFile::exists(andet->path() + "/tom/x"));
    QVERIFY(!QFile::exists(home / "k/tom"));
}

void PasteTest::sameDriveMoveRenames()
{
    TestHome home;
    home.make({"k/d/x", "k/f.txt", "m/"});
    const ino_t mappe = inode(home / "k/d");
    const ino_t fil = inode(home / "k/f.txt");
    Indsaetning ind(home.path() + "/");
    ind.mapper = {home / "k/d"};
    ind.filer = {home / "k/f.txt"};
    ind.dest = home / "m";
    Bruger bruger;
    QVERIFY(ind.paste.PasteCutElementer());
    QCOMPARE(inode(home / "m/d"), mappe);
    QCOMPARE(inode(home / "m/f.txt"), fil);
    QVERIFY(QFile::exists(home / "m/d/x"));
    QVERIFY(!QFile::exists(home / "k/d") && !QFile::exists(home / "k/f.txt"));
    QVERIFY(ind.paste.PasteMapper.isEmpty() && ind.paste.PasteFiler.isEmpty());
    QVERIFY(ind.paste.ProgressBox()->isHidden() && ind.paste.DeleteBox()->isHidden());

    // Moving an element onto itself leaves it alone, also under "Overskriv".
    Indsaetning selv(home.path() + "/", TPasteCompo::Overskriv);
    selv.filer = {home / "m/f.txt"};
    selv.dest = home / "m";
    QVERIFY(selv.paste.PasteCutElementer());
    QCOMPARE(inode(home / "m/f.txt"), fil);
    QVERIFY(bruger.beskeder.isEmpty());
}

void PasteTest::crossDriveMoveCopiesThenDeletes()
{
    TestHome home;
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    home.write("k/d/a", "a");
    home.write("k/d/sub/b", "bb");
    home.write("k/f.txt", "f");
    QDir().mkpath(andet->path() + "/hjemme");
    home.write("m/samme.txt", "samme");
    const QString paaAndet = andet->path() + "/andet.txt";
    QFile skriv(paaAndet);
    QVERIFY(skriv.open(QIODevice::WriteOnly) && skriv.write("andet") == 5);
    skriv.close();

    // Mixed sources: the one on the destination's file system is moved first, by renaming.
    Indsaetning ind(home.path() + "/");
    ind.paste.CloseBoxAfter = false;
    ind.mapper = {home / "k/d"};
    ind.filer = {home / "k/f.txt", paaAndet};
    ind.dest = andet->path() + "/hjemme";
    Bruger bruger;
    QVERIFY(ind.paste.PasteCutElementer());
    QCOMPARE(traeAf(QFile::encodeName(ind.dest)),
             QList<QByteArray>({"/andet.txt", "/d/", "/d/a", "/d/sub/", "/d/sub/b", "/f.txt"}));
    QCOMPARE(indhold(ind.dest + "/d/sub/b"), QByteArray("bb"));
    QVERIFY(!QFile::exists(home / "k/d") && !QFile::exists(home / "k/f.txt") && !QFile::exists(paaAndet));
    QCOMPARE(ind.paste.PasteFiler, QStringList{home / "k/f.txt"});  // only what went through copy and delete
    QVERIFY(ind.paste.ProgressBox()->isVisible());
    QCOMPARE(ind.paste.DeleteBox()->destLabel->text(), QString("Sletningen er permanent: 4 bytes"));
    QCOMPARE(ind.paste.DeleteBox()->mapperLabel->text(), QString("Følgende 1 mappe slettes:"));
    QVERIFY(ind.paste.DeleteBox()->erAfkrydset(0));
    QCOMPARE(ind.paste.DeleteBox()->LabelProcent->text(), QString("100%"));
    QVERIFY(bruger.beskeder.isEmpty());
}

void PasteTest::declinedFolderStaysWhereItWas()
{
    TestHome home;
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    home.make({"k/d/ny", "m/d/gammel", "k/e/x", "m/e/y"});
    const QString fjern = andet->path() + "/f";
    QDir().mkpath(fjern);
    QFile(fjern + "/z").open(QIODevice::WriteOnly);
    Indsaetning ind(home.path() + "/", TPasteCompo::Overskriv);
    ind.mapper = {fjern, home / "k/d", home / "k/e"};
    ind.dest = home / "m";
    Bruger bruger;
    // k/e is asked first (last entry first): no; k/d: yes.
    bruger.svar = {{false, false}, {true, false}};
    QVERIFY(ind.paste.PasteCutElementer());
    QCOMPARE(bruger.beskeder.size(), 2);
    QVERIFY(bruger.beskeder.first().startsWith("Der eksisterer allerede en mappe med navnet:\r" + home / "m/e"));
    QVERIFY(QFile::exists(home / "k/e/x") && QFile::exists(home / "m/e/y"));
    QVERIFY(QFile::exists(home / "m/d/ny") && !QFile::exists(home / "m/d/gammel") && !QFile::exists(home / "k/d"));
    QVERIFY(QFile::exists(home / "m/f/z") && !QFile::exists(fjern));
    // No replaced folder is left behind.
    QCOMPARE(traeAf(QFile::encodeName(home / "m")),
             QList<QByteArray>({"/d/", "/d/ny", "/e/", "/e/y", "/f/", "/f/z"}));

    // "Nej" with "Gør det samme med alle" leaves every later folder out, asking no more.
    home.make({"k/p/", "k/q/", "m/p/", "m/q/"});
    Indsaetning alle(home.path() + "/", TPasteCompo::Overskriv);
    alle.mapper = {home / "k/p", home / "k/q"};
    alle.dest = home / "m";
    bruger.beskeder.clear();
    bruger.svar = {{false, true}};
    QVERIFY(alle.paste.PasteCutElementer());
    QCOMPARE(bruger.beskeder.size(), 1);
    QVERIFY(QFile::exists(home / "k/p") && QFile::exists(home / "k/q"));
}

void PasteTest::keptAndFailedCopiesAreNeverDeleted_data()
{
    QTest::addColumn<int>("fejl");  // errno injected in the middle of k/d/b, 0 for none
    QTest::addColumn<int>("metode");
    QTest::addColumn<QStringList>("beskeder");  // "%1" stands for the file that did not arrive
    QTest::addColumn<bool>("fuldfoert");
    QTest::newRow("overskriv ikke")
        << 0 << 0
        << QStringList{"Der var mapper eller filer, der ikke blev kopierede til destinationen.",
                       "Der var mapper eller filer, der ikke blev slettede.",
                       "1 element blev ikke flyttede på grund af den valgte indstilling \"Overskriv ikke\"."}
        << false;
    QTest::newRow("fejl midt i en fil")
        << int(EIO) << 1
        << QStringList{"Følgende elementer blev ikke kopieret:\r%1: Drevet kunne ikke læses eller skrives (I/O-fejl).",
                       "Der var mapper eller filer, der ikke blev kopierede til destinationen.",
                       "Der var mapper eller filer, der ikke blev slettede."}
        << false;
    QTest::newRow("disken er fuld")
        << int(ENOSPC) << 1
        << QStringList{"Følgende elementer blev ikke kopieret:\r%1: Der er ikke mere plads på drevet.",
                       "Der var mapper eller filer, der ikke blev kopierede til destinationen.",
                       "Der var mapper eller filer, der ikke blev slettede."}
        << false;
}

void PasteTest::keptAndFailedCopiesAreNeverDeleted()
{
    QFETCH(int, fejl);
    QFETCH(int, metode);
    TestHome home;
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    home.write("k/d/a", "a");
    home.write("k/d/b", QByteArray(3 * 1024 * 1024, 'b'));
    home.write("k/d/c", "c");
    const QString dest = andet->path();
    QDir().mkpath(dest + "/d");
    if (!fejl) {
        QFile eksisterer(dest + "/d/b");
        QVERIFY(eksisterer.open(QIODevice::WriteOnly));
    }
    platform::installKopiFejl([fejl](const QString& kilde, qint64 offset) {
        return kilde.endsWith("/d/b") && offset > 0 ? fejl : 0;
    });
    Indsaetning ind(home.path() + "/", metode);
    ind.mapper = {home / "k/d"};
    ind.dest = dest;
    Bruger bruger;
    QTEST(ind.paste.PasteCutElementer(), "fuldfoert");
    QFETCH(QStringList, beskeder);
    beskeder.replaceInStrings("%1", home / "k/d/b");
    QCOMPARE(bruger.beskeder, beskeder);
    // The file whose copy did not arrive stays, and with it its folder; the others moved.
    QCOMPARE(traeAf(QFile::encodeName(home / "k")), QList<QByteArray>({"/d/", "/d/b"}));
    QCOMPARE(indhold(home / "k/d/b").size(), 3 * 1024 * 1024);
    QCOMPARE(indhold(dest + "/d/a"), QByteArray("a"));
    QCOMPARE(QFileInfo(dest + "/d/b").size(), 0);  // the old one, or none at all
    if (fejl)
        QVERIFY(!QFile::exists(dest + "/d/b"));
    QCOMPARE(traeAf(QFile::encodeName(dest)).size(), fejl ? 3 : 4);  // no temporary copy remains
}

void PasteTest::stopEndsTheCopyAndIsReported()
{
    TestHome home;
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    home.write("k/stor.bin", QByteArray(20 * 1024 * 1024, 's'));
    home.write("k/efter.txt", "efter");
    Indsaetning ind(home.path() + "/");
    ind.filer = {home / "k/stor.bin", home / "k/efter.txt"};
    ind.dest = andet->path();
    TPasteObjekt& paste = ind.paste;
    platform::installKopiFejl([&paste](const QString& kilde, qint64 offset) {
        if (kilde.endsWith("stor.bin") && offset > 0)
            paste.ProgressBox()->stopButton->click();
        return 0;
    });
    Bruger bruger;
    QVERIFY(!paste.PasteCutElementer());
    QCOMPARE(paste.getResult(), QString("ukendt antal bytes, da kopieringsfunktionen blev afbrudt."));
    // Neither the stopped file nor the later one was copied, so both stay at the source.
    QVERIFY(QFile::exists(home / "k/stor.bin") && QFile::exists(home / "k/efter.txt"));
    QCOMPARE(traeAf(QFile::encodeName(andet->path())), QList<QByteArray>());
    QCOMPARE(bruger.beskeder.filter("Der opstod en fejl. Filen: ").size(), 2);
}

void PasteTest::failureOnTheThirdOfFiveFiles()
{
    TestHome home;
    Indsaetning ind(home.path() + "/");
    for (const char* navn : {"1", "2", "3", "4", "5"}) {
        home.write(QString("k/") + navn, QByteArray(100, navn[0]));
        ind.filer << home / (QString("k/") + navn);
    }
    home.make({"m/"});
    ind.dest = home / "m";
    platform::installKopiFejl([](const QString& kilde, qint64) { return kilde.endsWith("/3") ? EACCES : 0; });
    Bruger bruger;
    QVERIFY(!ind.paste.PasteElementer());
    QCOMPARE(bruger.beskeder, QStringList{"Der opstod en fejl. Filen: \r" + home / "k/3" + "\rblev ikke kopieret til: \r"
                                          + home / "m/3" + "\rMåske mangler der rettigheder dertil."});
    QCOMPARE(QDir(home / "m").entryList(QDir::Files | QDir::Hidden), QStringList({"1", "2", "4", "5"}));
    QCOMPARE(ind.paste.ProgressBox()->LabelProcent->text(), QString("100%"));
}

void PasteTest::sourceVanishingAfterCounting()
{
    TestHome home;
    home.make({"k/a", "k/b", "k/d/x", "m/"});
    Indsaetning ind(home.path() + "/");
    ind.mapper = {home / "k/d"};
    ind.filer = {home / "k/a", home / "k/b"};
    ind.dest = home / "m";
    // While the first element is copied, the others disappear.
    platform::installKopiFejl([&home](const QString& kilde, qint64) {
        if (kilde.endsWith("/d/x"))
            QFile::remove(home / "k/b");
        return 0;
    });
    Bruger bruger;
    QVERIFY(!ind.paste.PasteElementer());
    QCOMPARE(bruger.beskeder.size(), 1);
    QVERIFY(bruger.beskeder.first().startsWith("Der opstod en fejl. Filen: \r" + home / "k/b"));
    QVERIFY(bruger.beskeder.first().endsWith("\rElementet eksisterer ikke."));
    QVERIFY(QFile::exists(home / "m/a") && QFile::exists(home / "m/d/x") && !QFile::exists(home / "m/b"));
}

void PasteTest::destinationInsideSourceIsRefused()
{
    TestHome home;
    home.make({"k/d/inde/", "k/d/x", "k/f"});
    for (const bool flyt : {false, true}) {
        Indsaetning ind(home.path() + "/");
        ind.mapper = {home / "k/d"};
        ind.filer = {home / "k/f"};
        ind.dest = home / "k/d/inde";
        Bruger bruger;
        QVERIFY(flyt ? ind.paste.PasteCutElementer() : ind.paste.PasteElementer());
        QCOMPARE(bruger.beskeder, QStringList{"Mappen\r" + home / "k/d"
                                              + "\rkan ikke kopieres eller flyttes ind i sig selv, da destinationen ligger i den."});
        // The folder stays as it was; the file next to it went in.
        QCOMPARE(traeAf(QFile::encodeName(home / "k/d")), QList<QByteArray>({"/inde/", "/inde/f", "/x"}));
        QCOMPARE(QFile::exists(home / "k/f"), !flyt);
        QFile::remove(home / "k/d/inde/f");
    }
}

void PasteTest::awkwardNamesAndLinkLoops()
{
    TestHome home;
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    const QByteArray kilde = QFile::encodeName(home / "k/d");
    QDir().mkpath(home / "k/d/loop");
    const QList<QByteArray> navne{"med blanke", "\"citat\" og 'enkelt'", "ny\nlinje", ".skjult", "..to punktummer",
                                  QByteArray(255, 'x'), "ugyldig-\xff\xfe-utf8", "æøå"};
    for (const QByteArray& navn : navne) {
        const QByteArray sti = kilde + '/' + navn;
        FILE* f = ::fopen(sti.constData(), "w");
        QVERIFY2(f, navn.constData());
        ::fputs(navn.constData(), f);
        ::fclose(f);
    }
    QVERIFY(::symlink("..", (kilde + "/loop/op").constData()) == 0);
    QVERIFY(::symlink("loop", (kilde + "/ring").constData()) == 0);
    const QList<QByteArray> foer = traeAf(kilde);

    Indsaetning ind(home.path() + "/");
    ind.mapper = {home / "k/d"};
    ind.dest = andet->path();
    Bruger bruger;
    QVERIFY(ind.paste.PasteCutElementer());
    QVERIFY(bruger.beskeder.isEmpty());
    const QByteArray maal = QFile::encodeName(andet->path() + "/d");
    QCOMPARE(traeAf(maal), foer);
    char maalTekst[64] = {};
    QCOMPARE(::readlink((maal + "/loop/op").constData(), maalTekst, sizeof maalTekst - 1), 2);
    for (const QByteArray& navn : navne) {
        char laest[300] = {};
        FILE* f = ::fopen((maal + '/' + navn).constData(), "r");
        QVERIFY2(f, navn.constData());
        const size_t n = ::fread(laest, 1, sizeof laest, f);
        ::fclose(f);
        QCOMPARE(QByteArray(laest, qsizetype(n)), navn);
    }
    QVERIFY(!QFile::exists(home / "k/d"));
}

QTEST_MAIN(PasteTest)
#include "test_paste.moc"
