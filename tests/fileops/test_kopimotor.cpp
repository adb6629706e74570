// The copy engine alone, without a widget: its questions answered and its progress recorded here.
#include "fileops/motor/kopimotor.h"
#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

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

QTEST_GUILESS_MAIN(KopimotorTest)
#include "test_kopimotor.moc"
