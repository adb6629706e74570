#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "fileops/tfilinfoform.h"
#include "fileops/tmetodecompo.h"
#include "platform/attributes.h"
#include "tests/common/fakedrives.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <sys/stat.h>

// A method component on two trees, with its information window and the installed icons; the
// home is mounted as a drive of its own.
struct InfoFixture {
    TestHome home;
    FakeDrives drives{{{"/", "ext4", "/dev/sda1", "", platform::DriveKind::Fixed},
                       {home.path(), "xfs", "/dev/sdb1", "Data", platform::DriveKind::Removable}}};
    ScriptedBoxes boxes;
    Tinfform info{nullptr};
    Tspform spoergsmaal{nullptr};
    BoksBeskeder beskeder{&info, &spoergsmaal};
    QTreeWidget struktur1, struktur2;
    TMetodeCompo metode;
    InfoFixture()
    {
        metode.setBeskeder(&beskeder);
        metode.setInfoVindue(nullptr, QStringLiteral(QVM_CONTENT_DIR) + "/Ikoner/");
        metode.StrukturY().setStruktur1(&struktur1);
        metode.StrukturY().setStruktur2(&struktur2);
        metode.StrukturY().setAktiveStruktur(2);
    }
    Tfilinfoform& vindue() { return *metode.EleInfo(); }
};

class InfoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileView_data();
    void fileView();
    void folderView();
    void driveViewKeepsItsPage();
    void attributesChangeOnDisk();
};

void InfoTest::fileView_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QByteArray>("indhold");
    QTest::addColumn<QString>("filtype");
    QTest::addColumn<QString>("ikon");
    QTest::addColumn<QString>("stoerrelse");
    QTest::newRow("tom tekst") << "tom.txt" << QByteArray() << "Tekstfil: TXT-fil (.txt)" << "txt" << "0 bytes (0 bytes)";
    QTest::newRow("film") << "film.MP4" << QByteArray(1536, 'f') << "Videofil: MP4-fil (.mp4)" << "film"
                          << "1,50 KB (1.536 bytes)";
    QTest::newRow("ukendt") << "a.xyz" << QByteArray("x") << "XYZ-fil (.xyz)" << "ukendt" << "1 bytes (1 bytes)";
    QTest::newRow("musik") << "sang.m4a" << QByteArray("x") << "Musikfil: M4A-fil (.m4a)" << "musik" << "1 bytes (1 bytes)";
    QTest::newRow("billede") << "foto.JPEG" << QByteArray("x") << "Billedfil: JPEG-fil (.jpeg)" << "billeder"
                             << "1 bytes (1 bytes)";
}

void InfoTest::fileView()
{
    QFETCH(QString, navn);
    QFETCH(QByteArray, indhold);
    InfoFixture f;
    f.home.write("m/" + navn, indhold);
    f.metode.showFileInfo(f.home / ("m/" + navn));
    Tfilinfoform& vindue = f.vindue();
    QCOMPARE(vindue.windowTitle(), QString("Fil egenskaber"));
    QCOMPARE(vindue.Bog->currentIndex(), 0);
    QCOMPARE(vindue.EditFilnavn->text(), navn);
    QCOMPARE(vindue.EditPath->text(), f.home / "m/");
    QTEST(vindue.LabelFiltype->text(), "filtype");
    QTEST(vindue.LabelSize->text(), "stoerrelse");
    QTEST(vindue.ikonBox->property("ikon").toString(), "ikon");
    QVERIFY(!vindue.ikonBox->pixmap().isNull());
    QVERIFY(!vindue.LabelForandret->text().isEmpty() && !vindue.LabelOprettet->text().isEmpty());
    QVERIFY(!vindue.cbReadOnly->isChecked() && !vindue.cbHidden->isChecked());
}

void InfoTest::folderView()
{
    InfoFixture f;
    f.home.make({"tom/", "fuld/sub/a", "fuld/b"});
    f.home.write("fuld/sub/c", "123");
    f.metode.StrukturY().setMappenavn(f.home / "tom");
    f.metode.showMappeInfo();
    Tfilinfoform& vindue = f.vindue();
    QCOMPARE(vindue.windowTitle(), QString("Mappe egenskaber"));
    QCOMPARE(vindue.EditMappenavn->text(), QString("tom"));
    QCOMPARE(vindue.LabelPlacering->text(), f.home.path());
    QCOMPARE(vindue.LabelMappeSize->text(), QString("0 bytes (0 bytes)"));
    QCOMPARE(vindue.LabelMappeIndhold->text(), QString("0 filer, 0 mapper"));
    f.metode.StrukturY().setMappenavn(f.home / "fuld");
    f.metode.showMappeInfo();
    QCOMPARE(vindue.LabelMappeSize->text(), QString("3 bytes (3 bytes)"));
    QCOMPARE(vindue.LabelMappeIndhold->text(), QString("3 filer, 1 mapper"));

    f.metode.StrukturY().setMappenavn(f.home / "borte");
    f.metode.showMappeInfo();
    QCOMPARE(f.boxes.texts(), QStringList{"Mappen blev ikke fundet."});
}

void InfoTest::driveViewKeepsItsPage()
{
    InfoFixture f;
    f.home.make({"m/"});
    f.metode.showDriveInfo(f.home / "m");
    Tfilinfoform& vindue = f.vindue();
    QCOMPARE(vindue.windowTitle(), QString("Drev egenskaber"));
    QCOMPARE(vindue.EditDisknavn->text(), "Data (" + f.home.path() + ")");
    QCOMPARE(vindue.LabelType->text(), QString("Flytbar disk"));
    QCOMPARE(vindue.LabelFilsystem->text(), QString("xfs"));
    QVERIFY(vindue.LabelKapasitet->text().endsWith(" bytes)"));
    QVERIFY(vindue.ProgressBar->value() >= 0 && vindue.ProgressBar->value() <= 100);
    vindue.Bog->setCurrentIndex(0);  // the user clicks another page
    QCOMPARE(vindue.Bog->currentIndex(), 2);
}

void InfoTest::attributesChangeOnDisk()
{
    InfoFixture f;
    f.home.make({"m/a.txt", "m/.skjult"});
    f.home.write("m/.hidden", "andet\n");
    const QString fil = f.home / "m/a.txt";
    f.metode.showFileInfo(fil);
    Tfilinfoform& vindue = f.vindue();
    QVERIFY(!vindue.aAnvend->isEnabled());
    vindue.cbReadOnly->click();
    vindue.cbHidden->click();
    QVERIFY(vindue.aAnvend->isEnabled());
    vindue.aAnvend->trigger();
    QVERIFY(!vindue.aAnvend->isEnabled());
    struct stat st;
    QVERIFY(::stat(QFile::encodeName(fil).constData(), &st) == 0 && (st.st_mode & 0222) == 0);
    QFile hidden(f.home / "m/.hidden");
    QVERIFY(hidden.open(QIODevice::ReadOnly));
    QCOMPARE(hidden.readAll(), QByteArray("andet\na.txt\n"));  // another program's entry stays
    hidden.close();
    f.metode.showFileInfo(fil);
    QVERIFY(vindue.cbReadOnly->isChecked() && vindue.cbHidden->isChecked());

    vindue.cbReadOnly->click();
    vindue.cbHidden->click();
    vindue.aAnvend->trigger();
    QVERIFY(!platform::erSkrivebeskyttet(fil) && !platform::erSkjult(fil));
    QVERIFY(hidden.open(QIODevice::ReadOnly));
    QCOMPARE(hidden.readAll(), QByteArray("andet\n"));

    // A name that starts with a dot is hidden by its name; it is said so, and the box stays ticked.
    f.metode.showFileInfo(f.home / "m/.skjult");
    QVERIFY(vindue.cbHidden->isChecked());
    vindue.cbHidden->click();
    vindue.aAnvend->trigger();
    QVERIFY(vindue.cbHidden->isChecked());
    QVERIFY(f.boxes.texts().last().startsWith("Filen er skjult, fordi navnet begynder med et punktum."));
}

QTEST_MAIN(InfoTest)
#include "test_info.moc"
