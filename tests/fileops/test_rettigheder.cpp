// Run as an unprivileged user: a root process reads every file whatever its permissions.
#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "fileops/tdeleteform.h"
#include "fileops/tdeleteobjekt.h"
#include "platform/filedelete.h"
#include "platform/trash.h"
#include "tests/common/testhome.h"
#include "tests/fileops/pastefixture.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <sys/stat.h>
#include <cerrno>
#include <unistd.h>

class RettighederTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unreadableSourcesStayWhereTheyWere();
    void permanentDeleteStopsAtWhatItCannotDelete();
    void trashWithoutATrashOnItsMount();
};

void RettighederTest::unreadableSourcesStayWhereTheyWere()
{
    TestHome home;
    const auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    home.write("k/d/a", "a");
    home.write("k/d/b", "hemmelig");
    home.write("k/d/laast/c", "c");
    home.write("k/f", "f");
    QVERIFY(::chmod(QFile::encodeName(home / "k/d/b").constData(), 0) == 0);
    QVERIFY(::chmod(QFile::encodeName(home / "k/d/laast").constData(), 0) == 0);
    QVERIFY(::chmod(QFile::encodeName(home / "k/f").constData(), 0) == 0);
    QVERIFY2(::access(QFile::encodeName(home / "k/f").constData(), R_OK) != 0, "this test needs an unprivileged user");

    Indsaetning ind(home.path() + "/");
    ind.mapper = {home / "k/d"};
    ind.filer = {home / "k/f"};
    ind.dest = andet->path();
    Bruger bruger;
    QVERIFY(!ind.paste.PasteCutElementer());
    QCOMPARE(bruger.beskeder,
             QStringList({"Mappen\r" + home / "k/d/laast" + "\rkunne ikke læses. Måske mangler der rettigheder dertil.",
                          "Der opstod en fejl. Filen: \r" + home / "k/f" + "\rblev ikke kopieret til: \r" + andet->path()
                              + "/f\rMåske mangler der rettigheder dertil.",
                          "Følgende elementer blev ikke kopieret:\r" + home / "k/d/b" + ": Måske mangler der rettigheder dertil.",
                          "Der var mapper eller filer, der ikke blev kopierede til destinationen.",
                          "Der var mapper eller filer, der ikke blev slettede."}));
    // What could not be read stays; what arrived left the source; no partial copy remains.
    QVERIFY(QFile::exists(home / "k/f") && QFile::exists(home / "k/d/b"));
    QVERIFY(!QFile::exists(home / "k/d/a"));
    QCOMPARE(indhold(andet->path() + "/d/a"), QByteArray("a"));
    QVERIFY(!QFile::exists(andet->path() + "/d/b") && !QFile::exists(andet->path() + "/f"));
    ::chmod(QFile::encodeName(home / "k/d/laast").constData(), 0700);
    QCOMPARE(indhold(home / "k/d/laast/c"), QByteArray("c"));
}

void RettighederTest::permanentDeleteStopsAtWhatItCannotDelete()
{
    TestHome home;
    home.make({"k/foer/y", "k/laast/x", "k/a.txt", "ude/z"});
    QVERIFY(QFile::link(home / "ude", home / "k/laast/link"));
    QVERIFY(::chmod(QFile::encodeName(home / "k/laast").constData(), 0555) == 0);
    Tinfform info(nullptr);
    Tspform spoergsmaal(nullptr);
    BoksBeskeder beskeder(&info, &spoergsmaal);
    TDeleteObjekt slet(home.path() + "/", nullptr, &beskeder);
    slet.IntSpm = TDeleteObjekt::SpoergAldrig;
    Bruger bruger;
    QVERIFY(!slet.DeleteElementer({home / "k/foer", home / "k/laast"}, {home / "k/a.txt"}, false));
    QCOMPARE(bruger.beskeder.size(), 1);
    QVERIFY(bruger.beskeder.first().startsWith("Sletningen blev standset, da\r" + home / "k/laast"));
    QVERIFY(bruger.beskeder.first().endsWith("ikke kunne slettes: Måske mangler der rettigheder dertil."));
    // What was deleted stays deleted; the rest, and what lies outside, is untouched; the window stays.
    QVERIFY(!QFile::exists(home / "k/foer"));
    QVERIFY(QFile::exists(home / "k/laast/x") && QFile::exists(home / "k/a.txt") && QFile::exists(home / "ude/z"));
    QVERIFY(slet.DeleteBox()->isVisible());
    ::chmod(QFile::encodeName(home / "k/laast").constData(), 0755);
}

void RettighederTest::trashWithoutATrashOnItsMount()
{
    // The home lies in /dev/shm; the element on the root file system, whose top an unprivileged
    // user cannot write, so no trash can be made there.
    qputenv("TMPDIR", "/dev/shm");
    TestHome home;
    qunsetenv("TMPDIR");
    QTemporaryDir ude(QStringLiteral("/tmp/qvmtest-XXXXXX"));
    struct stat a, b;
    QVERIFY(::stat(QFile::encodeName(home.path()).constData(), &a) == 0 && ::stat("/tmp", &b) == 0);
    if (a.st_dev == b.st_dev || ::access("/", W_OK) == 0)
        QSKIP("needs /dev/shm and /tmp on two file systems and an unwritable root folder");
    const QString mappe = ude.path() + "/mappe med blank";
    QDir().mkpath(mappe + "/sub");
    QFile f(mappe + "/sub/x.txt");
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("indhold") == 7);
    f.close();
    QVERIFY(QFile::link("sub", mappe + "/link"));
    int fejl = 0;
    QVERIFY(platform::flytTilPapirkurv(mappe, &fejl));
    QVERIFY(!QFile::exists(mappe));
    const QString trash = home / ".local/share/Trash";
    QCOMPARE(indhold(trash + "/files/mappe med blank/sub/x.txt"), QByteArray("indhold"));
    QCOMPARE(QFileInfo(trash + "/files/mappe med blank/link").symLinkTarget(), trash + "/files/mappe med blank/sub");
    QVERIFY(indhold(trash + "/info/mappe med blank.trashinfo").contains("\nPath=" + QUrl::toPercentEncoding(mappe, "/") + "\n"));

    // An element that cannot be copied whole stays where it was, and nothing is left in the trash.
    QDir().mkpath(ude.path() + "/med fifo");
    QVERIFY(::mkfifo(QFile::encodeName(ude.path() + "/med fifo/roer").constData(), 0600) == 0);
    QVERIFY(!platform::flytTilPapirkurv(ude.path() + "/med fifo", &fejl));
    QVERIFY(QFile::exists(ude.path() + "/med fifo/roer"));
    QVERIFY(!QFile::exists(trash + "/files/med fifo") && !QFile::exists(trash + "/info/med fifo.trashinfo"));
}

int main(int argc, char** argv)
{
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        qFatal("cannot become an unprivileged user");
    QApplication app(argc, argv);
    RettighederTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_rettigheder.moc"
