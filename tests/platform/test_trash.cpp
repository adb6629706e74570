#include "platform/textfile.h"
#include "platform/trash.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <unistd.h>

class TrashTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toTheHomeTrash();
    void toTheTrashOfAnotherFileSystem();
};

void TrashTest::toTheHomeTrash()
{
    TestHome home;
    home.write("a.txt", "første");
    home.write("d/a.txt", "anden");
    home.write("mappe/inde/fil", "x");
    home.write("blank og\nlinje", "y");
    const QString trash = home / ".local/share/Trash";

    QVERIFY(platform::flytTilPapirkurv(home / "a.txt"));
    QVERIFY(platform::flytTilPapirkurv(home / "d/a.txt"));
    QVERIFY(platform::flytTilPapirkurv(home / "mappe"));
    QVERIFY(platform::flytTilPapirkurv(home / "blank og\nlinje"));
    QVERIFY(!QFileInfo::exists(home / "a.txt") && !QFileInfo::exists(home / "mappe"));
    QCOMPARE(platform::readTextLines(trash + "/files/a.txt"), std::optional<QStringList>(QStringList{"første"}));
    QCOMPARE(platform::readTextLines(trash + "/files/a.txt.2"), std::optional<QStringList>(QStringList{"anden"}));
    QVERIFY(QFileInfo::exists(trash + "/files/mappe/inde/fil"));
    const QStringList info = *platform::readTextLines(trash + "/info/a.txt.2.trashinfo");
    QCOMPARE(info.value(0), QStringLiteral("[Trash Info]"));
    QCOMPARE(info.value(1), "Path=" + QString::fromLatin1(QUrl::toPercentEncoding(home / "d/a.txt", "/")));
    QVERIFY(info.value(2).startsWith("DeletionDate=" + QDate::currentDate().toString(Qt::ISODate)));
    QVERIFY(platform::readTextLines(trash + "/info/blank og\nlinje.trashinfo")->value(1).endsWith("blank%20og%0Alinje"));

    int kode = 0;
    QVERIFY(!platform::flytTilPapirkurv(home / "findes ikke", &kode));
    QCOMPARE(kode, ENOENT);

    QVERIFY(platform::emptyTrash(home.path()));
    QVERIFY(QDir(trash + "/files").isEmpty());
    QVERIFY(QDir(trash + "/info").isEmpty());
}

void TrashTest::toTheTrashOfAnotherFileSystem()
{
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        QSKIP("no second file system at /dev/shm");
    TestHome home;
    QTemporaryDir andet(QStringLiteral("/dev/shm/qvm-trash-XXXXXX"));
    QVERIFY(andet.isValid());
    QFile fil(andet.path() + "/væk.txt");
    QVERIFY(fil.open(QIODevice::WriteOnly));
    fil.close();
    QVERIFY(platform::flytTilPapirkurv(fil.fileName()));
    const QString trash = QStringLiteral("/dev/shm/.Trash-%1").arg(::getuid());
    const QString navn = QFileInfo(andet.path()).fileName() + "/væk.txt";
    QVERIFY(!QFileInfo::exists(fil.fileName()));
    QVERIFY(QFileInfo::exists(trash + "/files/væk.txt"));
    // Inside the mount's own trash the path is written relative to the mount.
    const QString info = platform::readTextLines(trash + "/info/væk.txt.trashinfo")->value(1);
    QCOMPARE(info, "Path=" + QString::fromLatin1(QUrl::toPercentEncoding(navn, "/")));
    QVERIFY(QFile::remove(trash + "/files/væk.txt"));
    QVERIFY(QFile::remove(trash + "/info/væk.txt.trashinfo"));
}

QTEST_GUILESS_MAIN(TrashTest)
#include "test_trash.moc"
