#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "fileops/tdeleteform.h"
#include "fileops/tdeleteobjekt.h"
#include "tests/common/testhome.h"
#include "tests/fileops/pastefixture.h"

#include <QLabel>
#include <QUrl>
#include <QtTest>
#include <unistd.h>

// A delete engine with boxes of its own, all answered by the scripted user.
struct Sletning {
    Tinfform info{nullptr};
    Tspform spoergsmaal{nullptr};
    BoksBeskeder beskeder{&info, &spoergsmaal};
    TDeleteObjekt slet;
    explicit Sletning(const QString& optMappe, int spm = TDeleteObjekt::SpoergAldrig)
        : slet(optMappe, nullptr, &beskeder)
    {
        slet.IntSpm = spm;
    }
};

class DeleteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void questionModes_data();
    void questionModes();
    void trashKeepsWhatTheDesktopNeeds();
    void emptyListsAndZeroLengthFiles();
    void trashOnAnotherFileSystem();
    void permanentDeleteNeverFollowsLinks();
};

void DeleteTest::questionModes_data()
{
    QTest::addColumn<int>("spm");
    QTest::addColumn<bool>("papirkurv");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("spurgt");
    QTest::newRow("altid, papirkurv") << 0 << true << true << true;
    QTest::newRow("altid, permanent") << 0 << false << true << true;
    QTest::newRow("altid, nej") << 0 << false << false << true;
    QTest::newRow("kun før slet, papirkurv") << 1 << true << false << false;
    QTest::newRow("kun før slet, permanent") << 1 << false << true << true;
    QTest::newRow("aldrig, papirkurv") << 2 << true << false << false;
    QTest::newRow("aldrig, permanent") << 2 << false << false << false;
}

void DeleteTest::questionModes()
{
    QFETCH(int, spm);
    QFETCH(bool, papirkurv);
    QFETCH(bool, ja);
    QFETCH(bool, spurgt);
    TestHome home;
    home.make({"k/a.txt", "k/d/x"});
    Bruger bruger;
    bruger.bekraeft = ja;
    Sletning sletning(home.path() + "/", spm);
    const bool slettes = ja || !spurgt;
    QCOMPARE(sletning.slet.DeleteElementer({home / "k/d"}, {home / "k/a.txt"}, papirkurv), slettes);
    QCOMPARE(bruger.bekraeftelser, spurgt ? QStringList{"Sletning af elementer"} : QStringList());
    QCOMPARE(QFile::exists(home / "k/a.txt"), !slettes);
    QCOMPARE(QFile::exists(home / "k/d/x"), !slettes);
    QCOMPARE(QFile::exists(home / ".local/share/Trash/files/a.txt"), slettes && papirkurv);
    QVERIFY(bruger.beskeder.isEmpty());
}

void DeleteTest::trashKeepsWhatTheDesktopNeeds()
{
    TestHome home;
    home.write("k/brev med blank.bin", QByteArray(1536, 'b'));
    home.make({"k/d/x"});
    Bruger bruger;
    Sletning sletning(home.path() + "/");
    QVERIFY(sletning.slet.DeleteElementer({}, {home / "k/brev med blank.bin"}, true));
    QCOMPARE(sletning.slet.getResult(), QString("1,50 KB"));
    QCOMPARE(indhold(home / ".local/share/Trash/files/brev med blank.bin"), QByteArray(1536, 'b'));
    const QByteArray info = indhold(home / ".local/share/Trash/info/brev med blank.bin.trashinfo");
    QVERIFY(info.startsWith("[Trash Info]\nPath=" + QUrl::toPercentEncoding(home / "k/brev med blank.bin", "/")
                            + "\nDeletionDate="));
    QVERIFY(QDateTime::fromString(QString::fromLatin1(info.split('=').last().trimmed()), Qt::ISODate).isValid());

    // A folder goes whole, under a free name when the trash already holds one of its name.
    home.make({"d/x"});
    QVERIFY(sletning.slet.DeleteElementer({home / "k/d", home / "d"}, {}, true));
    QVERIFY(QFile::exists(home / ".local/share/Trash/files/d/x") && QFile::exists(home / ".local/share/Trash/files/d.2/x"));
    QVERIFY(sletning.slet.DeleteBox()->erAfkrydset(0) && sletning.slet.DeleteBox()->erAfkrydset(1));
    QVERIFY(!QFile::exists(home / "k/d") && !QFile::exists(home / "d"));
}

void DeleteTest::emptyListsAndZeroLengthFiles()
{
    TestHome home;
    home.make({"tom"});
    Bruger bruger;
    Sletning sletning(home.path() + "/");
    QVERIFY(sletning.slet.DeleteElementer({}, {}, false));
    QVERIFY(sletning.slet.DeleteBox()->isHidden());
    QCOMPARE(sletning.slet.DeleteBox()->destLabel->text(), QString("Vedvarende sletning: 0 bytes"));
    QCOMPARE(sletning.slet.DeleteBox()->mapperLabel->text(), QString("Følgende 0 mapper slettes:"));

    sletning.slet.CloseBoxAfter = false;
    QVERIFY(sletning.slet.DeleteElementer({}, {home / "tom"}, false));
    QVERIFY(sletning.slet.DeleteBox()->isVisible());
    QCOMPARE(sletning.slet.DeleteBox()->destLabel->text(), QString("Vedvarende sletning: 1 bytes"));
    QCOMPARE(sletning.slet.DeleteBox()->LabelInfo->text(), QString("Antal filer: 1"));
    QCOMPARE(sletning.slet.DeleteBox()->LabelProcent->text(), QString("100%"));
    QCOMPARE(sletning.slet.getResult(), QString("1 bytes"));
    QVERIFY(!QFile::exists(home / "tom"));
}

void DeleteTest::trashOnAnotherFileSystem()
{
    TestHome home;
    auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    const QString navn = QFileInfo(andet->path()).fileName() + "-mappe";
    const QString mappe = andet->path() + "/" + navn;
    QDir().mkpath(mappe);
    QFile(mappe + "/x").open(QIODevice::WriteOnly);
    Bruger bruger;
    Sletning sletning(home.path() + "/");
    QVERIFY(sletning.slet.DeleteElementer({mappe}, {}, true));
    QVERIFY(!QFile::exists(mappe));
    // In the trash of its own file system, where the desktop's trash finds it, or in the home trash.
    const QString paaDrevet = "/dev/shm/.Trash-" + QString::number(::getuid());
    const bool egen = QFile::exists(paaDrevet + "/files/" + navn + "/x");
    QVERIFY(egen || QFile::exists(home / ".local/share/Trash/files/" + navn + "/x"));
    if (egen) {
        QVERIFY(indhold(paaDrevet + "/info/" + navn + ".trashinfo").contains("\nPath=" + QUrl::toPercentEncoding(mappe.mid(9), "/")));
        platform::sletTrae(QFile::encodeName(paaDrevet + "/files/" + navn));
        QFile::remove(paaDrevet + "/info/" + navn + ".trashinfo");
    }
}

void DeleteTest::permanentDeleteNeverFollowsLinks()
{
    TestHome home;
    home.make({"ude/vigtig.txt", "k/d/sub/x"});
    QVERIFY(QFile::link(home / "ude", home / "k/d/link"));
    QVERIFY(QFile::link(home / "ude", home / "k/d/sub/link2"));
    Bruger bruger;
    Sletning sletning(home.path() + "/");
    QVERIFY(sletning.slet.DeleteElementer({home / "k/d"}, {home / "k/d/link"}, false));
    QVERIFY(!QFile::exists(home / "k/d"));
    QVERIFY(QFile::exists(home / "ude/vigtig.txt"));
    QVERIFY(bruger.beskeder.isEmpty());
}

QTEST_MAIN(DeleteTest)
#include "test_delete.moc"
