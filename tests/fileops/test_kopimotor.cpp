// The copy engine alone, without a widget: its questions answered and its progress recorded here.
#include "core/kopijournal.h"
#include "fileops/motor/kopimotor.h"
#include "platform/filecopy.h"
#include "platform/fejlaarsag.h"
#include "tests/common/andetdrev.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <csignal>
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

// Started as a child process: copies QVM_KILDE into QVM_DEST with its record in QVM_JOURNAL,
// until the test kills it.
int kopierSomBarn()
{
    // Each file takes a little while, so the kill meets the copy midway.
    platform::installKopiFejl([](const QString&, qint64) {
        QThread::usleep(2000);
        return 0;
    });
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    motor.journal = qEnvironmentVariable("QVM_JOURNAL");
    Kopimotor::Opgave opgave{qEnvironmentVariable("QVM_DEST"), {qEnvironmentVariable("QVM_KILDE")}, {},
                             Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    return motor.kopier(opgave) ? 0 : 1;
}

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
    void killedCopyLeavesNoPartialFile();
    void interruptedPasteIsCleanedUp();
    void onlyRecordsOfEndedProcessesAreCleanedUp();
    void moveKeepsASourceWhoseCopyIsGone();
    void unreadableNameIsNotCalledMissing();
    void fullDestinationKeepsEveryFile_data();
    void fullDestinationKeepsEveryFile();
    void imageWithHolesFitsWhereItsLengthWouldNot();
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
    const auto andet = andetDrev(home.path());
    if (!andet)
        QSKIP("no second file system at /dev/shm");
    home.make({"k/d/tom/", "k/d/fil"});
    QVERIFY(QDir().mkpath(andet->path() + "/d"));
    QFile optaget(andet->path() + "/d/tom");
    QVERIFY(optaget.open(QIODevice::WriteOnly));
    optaget.close();
    Kopimotor::Opgave opgave{andet->path(), {home / "k/d"}, {}, Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(!motor.flyt(opgave));
    QVERIFY(QFileInfo(home / "k/d/tom").isDir());
    QVERIFY(!QFile::exists(home / "k/d/fil") && QFile::exists(andet->path() + "/d/fil"));
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

void KopimotorTest::killedCopyLeavesNoPartialFile()
{
    // The copy is killed at a point chosen by a fixed seed: every file under its final name is
    // whole, the source is untouched, and the next start removes the unfinished copies.
    TestHome home;
    for (int i = 0; i < 4; ++i)
        home.write(QString("k/d/stor%1.bin").arg(i), QByteArray(16 * 1024 * 1024, char('a' + i)));
    for (int i = 0; i < 300; ++i)
        home.write(QString("k/d/m%1/lille%2.txt").arg(i % 10).arg(i), QByteArray::number(i).repeated(50));
    QMap<QString, QByteArray> kilde;
    for (QDirIterator it(home / "k/d", QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString sti = it.next();
        kilde[sti.mid((home / "k/d").size())] = indhold(sti);
    }
    for (const quint32 seed : {11u, 23u, 37u}) {
        const QString dest = home / QString("m%1").arg(seed);
        const QString journal = home / QString("journal%1.txt").arg(seed);
        QDir().mkpath(dest);
        QProcess barn;
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert("QVM_KOPI_CHILD", "1");
        miljoe.insert("QVM_KILDE", home / "k/d");
        miljoe.insert("QVM_DEST", dest);
        miljoe.insert("QVM_JOURNAL", journal);
        barn.setProcessEnvironment(miljoe);
        barn.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(barn.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(journal) || barn.state() == QProcess::NotRunning, 20000);
        QThread::msleep(QRandomGenerator(seed).bounded(1, 60));
        if (const qint64 pid = barn.processId(); pid > 0 && barn.state() == QProcess::Running)
            ::kill(pid_t(pid), SIGKILL);
        QVERIFY(barn.state() == QProcess::NotRunning || barn.waitForFinished(20000));
        int hele = 0;
        for (QDirIterator it(dest + "/d", QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            const QString sti = it.next();
            if (it.fileName().startsWith('.'))
                continue;
            QVERIFY2(kilde.value(sti.mid((dest + "/d").size())) == indhold(sti), qPrintable(sti));
            ++hele;
        }
        QVERIFY(QFile::exists(journal));  // the copy was killed before it ended
        QVERIFY(hele < kilde.size());
        const QString besked = kopijournal::ryd(journal);
        QVERIFY2(besked.startsWith("Den seneste kopiering blev afbrudt, før den var færdig.\rDestination: " + dest), qPrintable(besked));
        QVERIFY(!QFile::exists(journal));
        for (QDirIterator it(dest, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            QVERIFY2(!it.next().contains(".qvmkopi-"), qPrintable(it.filePath()));
    }
    for (QDirIterator it(home / "k/d", QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString sti = it.next();
        QCOMPARE(indhold(sti), kilde.value(sti.mid((home / "k/d").size())));
    }
}

void KopimotorTest::interruptedPasteIsCleanedUp()
{
    // An interrupted paste leaves the hidden folders it was filling, and, where a file system
    // cannot write unnamed files, hidden files: only those of its process go, in the destination
    // and below the folders it copied into.
    TestHome home;
    home.make({"m/d/hel.txt", "m/d/under/", "m/anden/"});
    const QString maerke = platform::midlertidigtMaerke(4242);
    for (const QString& rest : {"m/.f.txt" + maerke, "m/d/.stor.bin" + maerke, "m/d/under/.x" + maerke,
                                "m/.ny" + maerke + "/indeni/fil", "m/anden/.y" + maerke,
                                "m/d/.z" + platform::midlertidigtMaerke(7)})
        home.write(rest, "halv");
    const QString journal = home / "Kopieringer/Stifinder 1.txt";
    QVERIFY(kopijournal::skriv(journal, {home / "m", {home / "k/d", home / "k/f.txt"}, 4242}));
    QCOMPARE(kopijournal::ryd(journal),
             "Den seneste kopiering blev afbrudt, før den var færdig.\rDestination: " + home / "m"
                 + "\rDer skulle kopieres 2 elementer; 4 ufærdige kopier er fjernet. Se efter i destinationen, hvad der "
                   "nåede frem, og kopier resten igen.");
    QVERIFY(!QFile::exists(journal));
    QVERIFY(QFile::exists(home / "m/d/hel.txt"));
    QVERIFY(!QFile::exists(home / "m/.ny" + maerke));
    QVERIFY(QFile::exists(home / "m/anden/.y" + maerke));  // not a folder of this paste
    QVERIFY(QFile::exists(home / "m/d/.z" + platform::midlertidigtMaerke(7)));  // another process's
}

void KopimotorTest::onlyRecordsOfEndedProcessesAreCleanedUp()
{
    // Three records: a paste whose process runs, one whose process ended, and one whose process id
    // now belongs to another process. Only the last two are interrupted pastes.
    TestHome home;
    QProcess levende;
    levende.start("sleep", {"60"});
    QVERIFY(levende.waitForStarted());
    QProcess endt;
    endt.start("true", {});
    QVERIFY(endt.waitForFinished());
    const qint64 genbrugt = levende.processId();
    const QString mappe = home / "Kopieringer";
    QVERIFY(kopijournal::skriv(mappe + "/levende.txt", {home / "a", {home / "k/x"}, levende.processId()}));
    QVERIFY(kopijournal::skriv(mappe + "/endt.txt", {home / "b", {home / "k/x"}, endt.processId()}));
    home.write("Kopieringer/genbrugt.txt", QString("%1 1\n%2\n%3\n").arg(genbrugt).arg(home / "c", home / "k/x").toUtf8());
    for (const auto& [dest, pid] : {std::pair{"a", levende.processId()}, {"b", endt.processId()}, {"c", genbrugt}})
        home.write(QString("%1/.f%2").arg(dest, platform::midlertidigtMaerke(pid)), "halv");

    const QStringList beskeder = kopijournal::rydAfbrudte(mappe);
    levende.kill();
    levende.waitForFinished();
    QCOMPARE(beskeder.size(), 2);
    for (const QString& besked : beskeder)
        QVERIFY2(besked.contains("Der skulle kopieres 1 element; 1 ufærdig kopi er fjernet."), qPrintable(besked));
    QVERIFY(QFile::exists(mappe + "/levende.txt"));
    QVERIFY(QFile::exists(home / "a/.f" + platform::midlertidigtMaerke(genbrugt)));
    QCOMPARE(QDir(mappe).entryList(QDir::Files), QStringList{"levende.txt"});
    QCOMPARE(QDir(home / "b").entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(home / "c").entryList(QDir::Files | QDir::Hidden), QStringList());
}

void KopimotorTest::moveKeepsASourceWhoseCopyIsGone()
{
    // Between the copy and the delete pass of a move, another program removes or changes copies:
    // their sources stay and are named, and the move is not done.
    TestHome home;
    home.make({"k/d/a", "k/d/b", "k/d/under/c", "k/f1", "k/f2", "m/"});
    home.write("k/f1", "fuld");
    Kopimotor::Opgave opgave{home / "m", {home / "k/d"}, {home / "k/f1", home / "k/f2"}, Kopimotor::SpoergAldrig,
                             Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(motor.kopierFraLister(opgave));
    QVERIFY(QFile::remove(home / "m/d/b"));
    QVERIFY(QDir(home / "m/d/under").removeRecursively());
    home.write("m/f1", "");
    QVERIFY(!motor.sletFraLister(opgave));
    QVERIFY(!motor.fuldfoert());
    for (const char* blev : {"k/d/b", "k/d/under/c", "k/f1"})
        QVERIFY2(QFile::exists(home / blev), blev);
    for (const char* gik : {"k/d/a", "k/f2"})
        QVERIFY2(!QFile::exists(home / gik), gik);
    const QString aarsag = ": " + platform::fejlaarsag(platform::KopiForsvundet);
    QCOMPARE(bruger.beskeder, QStringList{"Følgende elementer blev ikke kopieret:\r" + home / "k/d/b" + aarsag + u'\r'
                                          + home / "k/d/under/c" + aarsag + u'\r' + home / "k/f1" + aarsag});
}

void KopimotorTest::unreadableNameIsNotCalledMissing()
{
    // A file name that is not valid UTF-8 reaches the list with U+FFFD in place of its bytes: the
    // message says so, never that the file is missing.
    TestHome home;
    home.make({"m/"});
    QDir().mkpath(home / "k");
    const QByteArray navn = QFile::encodeName(home / "k/") + "bl\xe5" "b\xe6" "r.txt";
    const int fd = ::open(navn.constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0);
    ::close(fd);
    Kopimotor::Opgave opgave{home / "m", {}, {QFile::decodeName(navn)}, Kopimotor::SpoergAldrig,
                             Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    QVERIFY(!motor.kopier(opgave));
    QCOMPARE(bruger.beskeder.size(), 1);
    QVERIFY2(bruger.beskeder.first().endsWith(u'\r' + platform::fejlaarsag(platform::UlaeseligtNavn)),
             qPrintable(bruger.beskeder.first()));
}

void KopimotorTest::fullDestinationKeepsEveryFile_data()
{
    QTest::addColumn<QString>("valg");  // the small file system's limits
    QTest::addColumn<int>("fejl");
    QTest::newRow("ingen plads") << "size=1m,nr_inodes=1000" << int(ENOSPC);
    QTest::newRow("ingen inoder") << "size=64m,nr_inodes=8" << int(ENOSPC);
}

void KopimotorTest::fullDestinationKeepsEveryFile()
{
    // A small file system that fills up: what did not arrive stays whole at the source, is named
    // with its cause, and no file under its final name at the target is incomplete.
    QFETCH(QString, valg);
    QFETCH(int, fejl);
    TestHome home;
    home.make({"fuld/"});
    if (::geteuid() != 0 || QProcess::execute("mount", {"-t", "tmpfs", "-o", valg, "tmpfs", home / "fuld"}) != 0)
        QSKIP("needs root to mount a small file system");
    for (int i = 0; i < 12; ++i)
        home.write(QString("k/d/fil%1.bin").arg(i, 2, 10, QChar('0')), QByteArray(300 * 1024, char('a' + i)));
    Kopimotor::Opgave opgave{home / "fuld", {home / "k/d"}, {}, Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    const bool fuldfoert = motor.flyt(opgave);
    QStringList ankommet;
    for (QDirIterator it(home / "fuld", QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString sti = it.next();
        ankommet << it.fileName();
        QCOMPARE(indhold(sti), QByteArray(300 * 1024, char('a' + it.fileName().mid(3, 2).toInt())));
    }
    QProcess::execute("umount", {home / "fuld"});
    QVERIFY(!fuldfoert);
    QVERIFY(ankommet.size() < 12);
    // Every file is whole at one of the two places.
    for (int i = 0; i < 12; ++i) {
        const QString navn = QString("fil%1.bin").arg(i, 2, 10, QChar('0'));
        QCOMPARE(QFile::exists(home / ("k/d/" + navn)), !ankommet.contains(navn));
    }
    QVERIFY2(bruger.beskeder.first().contains(": " + platform::fejlaarsag(fejl)), qPrintable(bruger.beskeder.join('|')));
}

void KopimotorTest::imageWithHolesFitsWhereItsLengthWouldNot()
{
    // A disk image far longer than the target's file system can hold, but with little data in it,
    // arrives whole: only its data is copied.
    TestHome home;
    home.make({"lille/"});
    if (::geteuid() != 0 || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=8m", "tmpfs", home / "lille"}) != 0)
        QSKIP("needs root to mount a small file system");
    constexpr qint64 mb = 1024 * 1024;
    const QByteArray data(mb, 'd');
    {
        QFile billede(home / "billede.img");
        QVERIFY(billede.open(QIODevice::WriteOnly) && billede.resize(64 * mb) && billede.seek(40 * mb));
        QCOMPARE(billede.write(data), data.size());
    }
    Kopimotor::Opgave opgave{home / "lille", {}, {home / "billede.img"}, Kopimotor::SpoergAldrig, Kopimotor::OverskrivIkke};
    Bruger bruger;
    Kopimotor motor(bruger, bruger);
    const bool fuldfoert = motor.kopier(opgave);
    const bool ens = indhold(home / "lille/billede.img") == indhold(home / "billede.img");
    QProcess::execute("umount", {home / "lille"});
    QVERIFY2(fuldfoert, qPrintable(bruger.beskeder.join('|')));
    QVERIFY(ens);
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("QVM_KOPI_CHILD"))
        return kopierSomBarn();
    KopimotorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_kopimotor.moc"
