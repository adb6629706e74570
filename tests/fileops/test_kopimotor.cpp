// The copy engine alone, without a widget: its questions answered and its progress recorded here.
#include "fileops/motor/kopimotor.h"
#include "platform/fejlaarsag.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray indhold(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<mangler>");
}

// Answers the engine as a user would, and records what it was told.
struct Bruger : Filspoergsmaal, Filfremgang {
    QStringList beskeder;
    QList<Konfliktsvar> konflikter;  // the last one repeated
    int konfliktVist = 0;
    QList<Beskeder::Svar> svar;      // yes when none is left
    int spurgt = 0;
    int ikkeOverskrevet = 0;
    std::function<void()> underFil;

    void sig(const QString& tekst) override { beskeder << tekst; }
    bool bekraeftKopi(const QString&, bool, const QStringList&, const QStringList&) override { return true; }
    bool bekraeftSletning(const QStringList&, const QStringList&, bool) override { return true; }
    Konfliktsvar konflikt(const QString&) override
    {
        ++konfliktVist;
        return konflikter.size() > 1 ? konflikter.takeFirst() : konflikter.value(0);
    }
    Beskeder::Svar spoergOmAlle(const QString&) override
    {
        ++spurgt;
        return svar.isEmpty() ? Beskeder::Svar{true, false} : svar.takeFirst();
    }
    void optaellingBegynder(Fase, const QStringList&, const QString&) override {}
    void mapperOptalt(qint64) override {}
    void optaellingSlut(Fase) override {}
    void faseBegynder(Fase) override {}
    void faseSlut(Fase) override {}
    void filProcent(int) override
    {
        if (underFil)
            underFil();
    }
    void samletProcent(Fase, int) override {}
    void mappeFaerdig(Fase, int) override {}
    void ikkeOverskrevne(int antal) override { ikkeOverskrevet = antal; }
    void mellemrum() override {}
};

}  // namespace

class KopimotorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conflictMethodsForFiles_data();
    void conflictMethodsForFiles();
    void replaceAllFoldersAsksOnce();
    void stopLeavesNoTarget();
    void folderModeAndTimesArrive();
    void missingElementsAreNamed();
    void folderWhoseCopyFailedStaysInAMove();
    void moveToABindMountCopiesThenDeletes();
};

void KopimotorTest::conflictMethodsForFiles_data()
{
    QTest::addColumn<int>("metode");
    QTest::addColumn<bool>("original");  // the destination holds Brev.txt
    QTest::addColumn<QStringList>("kilder");
    QTest::addColumn<QStringList>("forventet");  // name=content at the destination
    QTest::addColumn<int>("ikkeOverskrevet");
    const QStringList kilder{"k/Brev.txt", "j/Brev.txt"};
    QTest::newRow("overskriv ikke") << 0 << true << kilder << QStringList{"Brev.txt=gammel"} << 2;
    QTest::newRow("overskriv") << 1 << true << kilder << QStringList{"Brev.txt=j/Brev.txt"} << 0;
    QTest::newRow("opret kopi")
        << 2 << true << kilder
        << QStringList{"Brev Kopi (1).txt=k/Brev.txt", "Brev Kopi (2).txt=j/Brev.txt", "Brev.txt=gammel"} << 0;
    // A marked name arrives under the name before the marker when that is free.
    QTest::newRow("opret kopi uden original")
        << 2 << false << QStringList{"k/Brev Kopi (1).txt"} << QStringList{"Brev.txt=k/Brev Kopi (1).txt"} << 0;
}

void KopimotorTest::conflictMethodsForFiles()
{
    QFETCH(int, metode);
    QFETCH(QStringList, kilder);
    TestHome home;
    home.write("m/Brev.txt", "gammel");
    QFETCH(bool, original);
    if (!original)
        QFile::remove(home / "m/Brev.txt");
    Kopimotor::Opgave opgave{home / "m", {}, {}, Kopimotor::SpoergAldrig, metode};
    for (const QString& kilde : kilder) {
        home.write(kilde, kilde.toUtf8());
        opgave.filer << home / kilde;
    }
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(motor.kopier(opgave));
    QStringList fundet;
    for (const QString& navn : QDir(home / "m").entryList(QDir::Files | QDir::Hidden))
        fundet << navn + "=" + QString::fromUtf8(indhold(home / "m/" + navn));
    QTEST(fundet, "forventet");
    QTEST(bruger.ikkeOverskrevet, "ikkeOverskrevet");
    QVERIFY(bruger.beskeder.isEmpty());
}

void KopimotorTest::replaceAllFoldersAsksOnce()
{
    // "Ja" with "Gør det samme med alle" replaces every later folder without asking again.
    TestHome home;
    home.make({"k/p/ny", "k/q/ny", "m/p/gammel", "m/q/gammel"});
    Kopimotor::Opgave opgave{home / "m", {home / "k/p", home / "k/q"}, {}, Kopimotor::SpoergAldrig, Kopimotor::Overskriv};
    Bruger bruger;
    bruger.svar = {{true, true}};
    Kopimotor motor(bruger, bruger);
    QVERIFY(motor.flyt(opgave));
    QCOMPARE(bruger.spurgt, 1);
    for (const char* mappe : {"p", "q"}) {
        QVERIFY(QFile::exists(home / QString("m/%1/ny").arg(mappe)));
        QVERIFY(!QFile::exists(home / QString("m/%1/gammel").arg(mappe)));
        QVERIFY(!QFile::exists(home / QString("k/%1").arg(mappe)));
    }
    QVERIFY(opgave.mapper.isEmpty());  // both were renamed into place
}

void KopimotorTest::stopLeavesNoTarget()
{
    TestHome home;
    home.write("k/stor.bin", QByteArray(8 * 1024 * 1024, 's'));
    home.write("k/efter.txt", "efter");
    home.make({"m/"});
    Kopimotor::Opgave opgave{home / "m", {}, {home / "k/stor.bin", home / "k/efter.txt"}, Kopimotor::SpoergAldrig,
                             Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    bruger.underFil = [&motor] { motor.stop(); };
    QVERIFY(!motor.kopier(opgave));
    QVERIFY(motor.stoppet());
    QCOMPARE(motor.ikkeKopierede, 2);
    QCOMPARE(QDir(home / "m").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(motor.resultat(), QString("ukendt antal bytes, da kopieringsfunktionen blev afbrudt."));
}

void KopimotorTest::folderModeAndTimesArrive()
{
    // A private folder stays private, and keeps its time, also where the copy made it.
    TestHome home;
    home.make({"k/privat/under/fil", "m/"});
    const QByteArray privat = QFile::encodeName(home / "k/privat");
    const QByteArray under = QFile::encodeName(home / "k/privat/under");
    QVERIFY(::chmod(under.constData(), 0750) == 0 && ::chmod(privat.constData(), 0700) == 0);
    const timespec gammel[2] = {{1000000000, 0}, {1000000000, 0}};
    QVERIFY(::utimensat(AT_FDCWD, under.constData(), gammel, 0) == 0);
    QVERIFY(::utimensat(AT_FDCWD, privat.constData(), gammel, 0) == 0);
    Kopimotor::Opgave opgave{home / "m", {home / "k/privat"}, {}, Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(motor.kopier(opgave));
    for (const auto& [sti, mode] : {std::pair{"m/privat", 0700}, std::pair{"m/privat/under", 0750}}) {
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(home / sti).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1000000000));
    }
}

void KopimotorTest::missingElementsAreNamed()
{
    // FIFOs are never opened, so they do not arrive: one message names the first 20 and counts the rest.
    TestHome home;
    home.make({"k/d/a", "m/"});
    QStringList fifoer;
    for (int i = 0; i < 22; ++i) {
        fifoer << home / QString("k/d/fifo%1").arg(i, 2, 10, QChar('0'));
        QVERIFY(::mkfifo(QFile::encodeName(fifoer.last()).constData(), 0600) == 0);
    }
    Kopimotor::Opgave opgave{home / "m", {home / "k/d"}, {}, Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(!motor.kopier(opgave));
    QVERIFY(!motor.fuldfoert());
    QCOMPARE(bruger.beskeder.size(), 1);
    QStringList linjer = bruger.beskeder.first().split(u'\r');
    QCOMPARE(linjer.size(), 22);
    QCOMPARE(linjer.takeFirst(), QString("Følgende elementer blev ikke kopieret:"));
    QCOMPARE(linjer.takeLast(), QString("og 2 flere"));
    for (const QString& linje : linjer) {
        QVERIFY2(linje.endsWith(": " + platform::fejlaarsag(platform::SaerligFil)), qPrintable(linje));
        QVERIFY(fifoer.contains(linje.section(": ", 0, 0)));
    }
    QVERIFY(QFile::exists(home / "m/d/a"));
}

void KopimotorTest::folderWhoseCopyFailedStaysInAMove()
{
    // The target holds a file where the empty folder "tom" is to be made: the folder stays at the
    // source, named with its cause, and so does the folder around it; what arrived is moved.
    TestHome home;
    QTemporaryDir andet(QStringLiteral("/dev/shm/qvmtest-XXXXXX"));
    struct stat a, b;
    if (!andet.isValid() || ::stat(QFile::encodeName(home.path()).constData(), &a) != 0
        || ::stat(QFile::encodeName(andet.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        QSKIP("no second file system at /dev/shm");
    home.make({"k/d/tom/", "k/d/fil"});
    QVERIFY(QDir().mkpath(andet.path() + "/d"));
    QFile optaget(andet.path() + "/d/tom");
    QVERIFY(optaget.open(QIODevice::WriteOnly));
    optaget.close();
    Kopimotor::Opgave opgave{andet.path(), {home / "k/d"}, {}, Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(!motor.flyt(opgave));
    QVERIFY(QFileInfo(home / "k/d/tom").isDir());
    QVERIFY(!QFile::exists(home / "k/d/fil") && QFile::exists(andet.path() + "/d/fil"));
    QVERIFY(bruger.beskeder.first().startsWith("Følgende elementer blev ikke kopieret:\r" + home / "k/d/tom: "
                                               + platform::fejlaarsag(ENOTDIR)));
}

void KopimotorTest::moveToABindMountCopiesThenDeletes()
{
    // The same file system mounted twice: renaming between the mounts is refused, so the move
    // copies, writes to disk and deletes.
    TestHome home;
    home.make({"k/d/a", "k/f", "bund/", "bind/"});
    if (::geteuid() != 0 || QProcess::execute("mount", {"--bind", home / "bund", home / "bind"}) != 0)
        QSKIP("needs root to make a bind mount");
    Kopimotor::Opgave opgave{home / "bind", {home / "k/d"}, {home / "k/f"}, Kopimotor::SpoergAldrig,
                             Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    const bool ok = motor.flyt(opgave);
    QProcess::execute("umount", {home / "bind"});
    QVERIFY(ok);
    QVERIFY(bruger.beskeder.isEmpty());
    QVERIFY(QFile::exists(home / "bund/d/a") && QFile::exists(home / "bund/f"));
    QVERIFY(!QFile::exists(home / "k/d") && !QFile::exists(home / "k/f"));
}

QTEST_GUILESS_MAIN(KopimotorTest)
#include "test_kopimotor.moc"
