#include "core/drev.h"
#include "tests/common/testhome.h"
#include "tools/kalender/datofelter.h"
#include "tools/kalender/datoforskel.h"
#include "tools/kalender/helligdage.h"
#include "tools/kalender/kalenderfiler.h"
#include "tools/kalender/kalendernavne.h"

#include <QtTest>

// The calendar's rules without a window: Easter and the holidays, the names, the date fields,
// the date difference and the dated folders.
class KalenderMotorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void easter_data();
    void easter();
    void easterEveryYear();
    void holidays_data();
    void holidays();
    void names();
    void editInteger_data();
    void editInteger();
    void fieldsUpdate_data();
    void fieldsUpdate();
    void fieldsAsTheyStand();
    void difference_data();
    void difference();
    void datedFolder();
    void datedFolderBlocked();
};

namespace {

// Easter Sunday by the anonymous Gregorian algorithm (Meeus, Jones, Butcher), written apart from
// the program's rule.
QDate anonymPaaske(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int maaned = (h + l - 7 * m + 114) / 31;
    const int dag = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, maaned, dag);
}

}  // namespace

void KalenderMotorTest::easter_data()
{
    QTest::addColumn<int>("aar");
    QTest::addColumn<QDate>("paaske");
    QTest::newRow("2008") << 2008 << QDate(2008, 3, 23);
    QTest::newRow("2013") << 2013 << QDate(2013, 3, 31);
    QTest::newRow("2016") << 2016 << QDate(2016, 3, 27);
    QTest::newRow("2018") << 2018 << QDate(2018, 4, 1);
    QTest::newRow("2019") << 2019 << QDate(2019, 4, 21);
    QTest::newRow("2038") << 2038 << QDate(2038, 4, 25);
    QTest::newRow("2285") << 2285 << QDate(2285, 3, 22);
    QTest::newRow("1981 d=29 e=6") << 1981 << QDate(1981, 4, 19);
    QTest::newRow("1954 d=28 e=6 a=16") << 1954 << QDate(1954, 4, 18);
    QTest::newRow("2025") << 2025 << QDate(2025, 4, 20);
}

void KalenderMotorTest::easter()
{
    QFETCH(int, aar);
    QFETCH(QDate, paaske);
    QCOMPARE(beregnPaaskeS(aar), paaske);
}

void KalenderMotorTest::easterEveryYear()
{
    for (int aar = 1; aar <= 9999; ++aar)
        if (beregnPaaskeS(aar) != anonymPaaske(aar))
            QFAIL(qPrintable(QStringLiteral("%1: %2, not %3").arg(aar).arg(beregnPaaskeS(aar).toString(Qt::ISODate),
                                                                        anonymPaaske(aar).toString(Qt::ISODate))));
}

void KalenderMotorTest::holidays_data()
{
    QTest::addColumn<int>("aar");
    QTest::addColumn<QStringList>("tekster");
    QTest::newRow("2008, Easter 23 March") << 2008 << QStringList{
        "20. Marts - Torsdag ", "21. Marts - Fredag ", "23.  Marts - Søndag ", "24.  Marts - Mandag ",
        "18.  April - Fredag ", "1.  Maj - Torsdag ", "11.  Maj - Søndag ", "12.  Maj - Mandag ",
        "24. December - Onsdag ", "25. December - Torsdag ", "26. December - Fredag ", "01. Januar - Torsdag "};
    QTest::newRow("2013, Easter 31 March") << 2013 << QStringList{
        "28. Marts - Torsdag ", "29. Marts - Fredag ", "31.  Marts - Søndag ", "1.  April - Mandag ",
        "26.  April - Fredag ", "9.  Maj - Torsdag ", "19.  Maj - Søndag ", "20.  Maj - Mandag ",
        "24. December - Tirsdag ", "25. December - Onsdag ", "26. December - Torsdag ", "01. Januar - Onsdag "};
    QTest::newRow("2016, Easter 27 March") << 2016 << QStringList{
        "24. Marts - Torsdag ", "25. Marts - Fredag ", "27.  Marts - Søndag ", "28.  Marts - Mandag ",
        "22.  April - Fredag ", "5.  Maj - Torsdag ", "15.  Maj - Søndag ", "16.  Maj - Mandag ",
        "24. December - Lørdag ", "25. December - Søndag ", "26. December - Mandag ", "01. Januar - Søndag "};
    QTest::newRow("2018, Easter 1 April") << 2018 << QStringList{
        "29. Marts - Torsdag ", "30. Marts - Fredag ", "1.  April - Søndag ", "2.  April - Mandag ",
        "27.  April - Fredag ", "10.  Maj - Torsdag ", "20.  Maj - Søndag ", "21.  Maj - Mandag ",
        "24. December - Mandag ", "25. December - Tirsdag ", "26. December - Onsdag ", "01. Januar - Tirsdag "};
    QTest::newRow("2024, Store bededag abolished") << 2024 << QStringList{
        "28. Marts - Torsdag ", "29. Marts - Fredag ", "31.  Marts - Søndag ", "1.  April - Mandag ",
        "26.  April - Fredag (afskaffet som helligdag fra 2024)", "9.  Maj - Torsdag ", "19.  Maj - Søndag ",
        "20.  Maj - Mandag ", "24. December - Tirsdag ", "25. December - Onsdag ", "26. December - Torsdag ",
        "01. Januar - Onsdag "};
    QTest::newRow("2025, Easter 20 April") << 2025 << QStringList{
        "17. April - Torsdag ", "18. April - Fredag ", "20.  April - Søndag ", "21.  April - Mandag ",
        "16.  Maj - Fredag (afskaffet som helligdag fra 2024)", "29.  Maj - Torsdag ", "8.  Juni - Søndag ",
        "9.  Juni - Mandag ", "24. December - Onsdag ", "25. December - Torsdag ", "26. December - Fredag ",
        "01. Januar - Torsdag "};
}

void KalenderMotorTest::holidays()
{
    QFETCH(int, aar);
    QFETCH(QStringList, tekster);
    const QList<Helligdag> dage = helligdage(aar);
    QStringList fundne, labels, navne;
    for (const Helligdag& dag : dage) {
        fundne.append(dag.tekst);
        labels.append(QLatin1String(dag.label));
        navne.append(dag.navn);
    }
    QCOMPARE(fundne, tekster);
    QCOMPARE(navne, (QStringList{"Skærtorsdag:", "Langfredag:", "Påskedag:", "Anden påskedag:", "Store bededag:",
                                 "Kristi himmelfartsdag: ", "Pinsedag:", "2. pinsedag:", "Juleaften:", "1. Juledag:",
                                 "2. juledag:", "Nytårsdag:"}));
    QCOMPARE(labels, (QStringList{"hdLabel1", "hdLabel2", "hdLabel3", "hdLabel4", "hdLabel5", "hdLabel6", "hdLabel7",
                                  "hdLabel8", "hdLabel9", "hdLabel10", "hdLabel11", "hdLabel0"}));
    QCOMPARE(dage.last().dato, QDate(aar + 1, 1, 1));
}

void KalenderMotorTest::names()
{
    QCOMPARE(makeMonth(3), "03 Marts");
    QCOMPARE(makeMonth(10), "10 Oktober");
    QCOMPARE(makeMonthX(5), " Maj");
    QCOMPARE(makeMonthX(13), QString());
    QCOMPARE(makeDayX(1), "Mandag ");
    QCOMPARE(makeDayX(7), "Søndag ");
    QCOMPARE(makeDayX(0), QString());
    QCOMPARE(makeDayX(8), QString());
    QCOMPARE(makeDay(QDate(2021, 3, 5)), "05 Fredag");
    QCOMPARE(makeDay(QDate(2013, 10, 30)), "30 Onsdag");
}

void KalenderMotorTest::editInteger_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("tal");
    QTest::newRow("3a1") << "3a1" << 31;
    QTest::newRow("-12") << "-12" << -12;
    QTest::newRow("abc") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("1-2") << "1-2" << 12;
    QTest::newRow("- alone") << "-" << 0;
    QTest::newRow("30 digits") << QString(30, u'9') << 0;
    QTest::newRow("leading zeros") << "007" << 7;
}

void KalenderMotorTest::editInteger()
{
    QFETCH(QString, tekst);
    QFETCH(int, tal);
    QCOMPARE(EditInteger(tekst), tal);
}

void KalenderMotorTest::fieldsUpdate_data()
{
    QTest::addColumn<QDate>("vist");
    QTest::addColumn<int>("dag");
    QTest::addColumn<int>("maaned");
    QTest::addColumn<int>("aar");
    QTest::addColumn<QDate>("valgt");
    QTest::newRow("31-03 typed while February shows") << QDate(2013, 2, 15) << 31 << 3 << 2013 << QDate(2013, 3, 31);
    QTest::newRow("31-02 gives the last day") << QDate(2013, 3, 31) << 31 << 2 << 2013 << QDate(2013, 2, 28);
    QTest::newRow("29-02 of a leap year") << QDate(2019, 1, 1) << 29 << 2 << 2020 << QDate(2020, 2, 29);
    QTest::newRow("zero day keeps the grid's") << QDate(2013, 1, 31) << 0 << 4 << 2014 << QDate(2014, 4, 30);
    QTest::newRow("zero month and year") << QDate(2013, 10, 30) << 2 << 0 << 0 << QDate(2013, 10, 2);
    QTest::newRow("month 13 is not taken") << QDate(2013, 10, 30) << 5 << 13 << 2015 << QDate(2015, 10, 5);
    QTest::newRow("negative parts are not taken") << QDate(2013, 10, 30) << -5 << -2 << -2015 << QDate(2013, 10, 30);
}

void KalenderMotorTest::fieldsUpdate()
{
    QFETCH(QDate, vist);
    QFETCH(int, dag);
    QFETCH(int, maaned);
    QFETCH(int, aar);
    QFETCH(QDate, valgt);
    QCOMPARE(opdateretDato(vist, dag, maaned, aar), valgt);
}

void KalenderMotorTest::fieldsAsTheyStand()
{
    QCOMPARE(datoAfFelter("30", "10", "2013"), QDate(2013, 10, 30));
    QCOMPARE(datoAfFelter("05", "03", "0021"), QDate(21, 3, 5));
    for (const QStringList& felter : {QStringList{"31", "2", "2013"}, {"", "10", "2013"}, {"1", "13", "2013"},
                                      {"1", "1", "0"}, {"0", "1", "2013"}, {"1a", "1", "2013"}})
        QVERIFY2(!datoAfFelter(felter[0], felter[1], felter[2]).isValid(), qPrintable(felter.join(u'-')));
}

void KalenderMotorTest::difference_data()
{
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<QDate>("til");
    QTest::addColumn<QList<int>>("forskel");  // years, months, days, days in all
    QTest::newRow("30-10-2013 / 24-12-2013") << QDate(2013, 10, 30) << QDate(2013, 12, 24) << QList<int>{0, 1, 24, 55};
    QTest::newRow("reversed") << QDate(2013, 12, 24) << QDate(2013, 10, 30) << QList<int>{0, 1, 24, 55};
    QTest::newRow("equal dates") << QDate(2013, 10, 30) << QDate(2013, 10, 30) << QList<int>{0, 0, 0, 0};
    QTest::newRow("31 January to 28 February") << QDate(2013, 1, 31) << QDate(2013, 2, 28) << QList<int>{0, 1, 0, 28};
    QTest::newRow("31 January to 27 February") << QDate(2013, 1, 31) << QDate(2013, 2, 27) << QList<int>{0, 0, 27, 27};
    QTest::newRow("29 February to 28 February") << QDate(2020, 2, 29) << QDate(2021, 2, 28) << QList<int>{1, 0, 0, 365};
    QTest::newRow("29 February to 1 March") << QDate(2020, 2, 29) << QDate(2021, 3, 1) << QList<int>{1, 0, 1, 366};
    QTest::newRow("across 1999/2000") << QDate(1999, 12, 31) << QDate(2000, 3, 1) << QList<int>{0, 2, 1, 61};
    QTest::newRow("a day short of a year") << QDate(1999, 3, 15) << QDate(2000, 3, 14) << QList<int>{0, 11, 28, 365};
    QTest::newRow("whole range") << QDate(1, 1, 1) << QDate(9999, 12, 31) << QList<int>{9998, 11, 30, 3652058};
}

void KalenderMotorTest::difference()
{
    QFETCH(QDate, fra);
    QFETCH(QDate, til);
    QFETCH(QList<int>, forskel);
    const Datoforskel f = beregnDatoforskel(fra, til);
    QCOMPARE((QList<int>{f.aar, f.maaneder, f.dage, int(f.ialt)}), forskel);
    // The parts add up to the later date, with as many whole months as fit.
    const QDate tidlig = std::min(fra, til), sen = std::max(fra, til);
    const int maaneder = 12 * f.aar + f.maaneder;
    QCOMPARE(tidlig.addMonths(maaneder).addDays(f.dage), sen);
    QVERIFY(tidlig.addMonths(maaneder + 1) > sen);
    QVERIFY(f.maaneder < 12 && f.dage < 31);
    QCOMPARE(f.ialt, tidlig.daysTo(sen));
    QCOMPARE(datediffLinjer(f), (QStringList{QString::number(forskel[0]), QString::number(forskel[1]),
                                             QString::number(forskel[2]), QString::number(forskel[3])}));
}

void KalenderMotorTest::datedFolder()
{
    TestHome home;
    home.make({"Kalender/2021/03 Marts/01 Mandag/gammel.txt"});
    const QString kalender = home / "Kalender";
    const Datomappe mappe = opretDatomappe(kalender + u'/', QDate(2021, 3, 5));
    QCOMPARE(mappe.fejl, QString());
    const QString dag = kalender + "/2021/03 Marts/05 Fredag";
    QCOMPARE(mappe.dagMappe, dag);
    QCOMPARE(mappe.liste,
             (QStringList{drevDel(kalender), kalender, kalender + "/2021", kalender + "/2021/03 Marts", dag}));
    QVERIFY(QFileInfo(dag).isDir());
    QVERIFY(QFileInfo::exists(kalender + "/2021/03 Marts/01 Mandag/gammel.txt"));

    // Again: the folders stand, and a file put into the day folder stays.
    home.make({"Kalender/2021/03 Marts/05 Fredag/noter.txt"});
    QCOMPARE(opretDatomappe(kalender, QDate(2021, 3, 5)).liste, mappe.liste);
    QVERIFY(QFileInfo::exists(dag + "/noter.txt"));
    QCOMPARE(notatFilnavn(home / "Notater", QDate(2013, 10, 30)), home / "Notater/30-10-2013.txt");
    QCOMPARE(notatFilnavn(home / "Notater", QDate(5, 1, 2)), home / "Notater/02-01-0005.txt");
}

void KalenderMotorTest::datedFolderBlocked()
{
    TestHome home;
    home.make({"Kalender/2021"});  // a file where the year folder goes
    Datomappe mappe = opretDatomappe(home / "Kalender", QDate(2021, 3, 5));
    QCOMPARE(mappe.fejl, home / "Kalender/2021");
    QVERIFY(QFileInfo(home / "Kalender/2021").isFile());
    QCOMPARE(QDir(home / "Kalender").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"2021"});

    // The calendar folder gone: nothing is made in its place.
    mappe = opretDatomappe(home / "Borte", QDate(2021, 3, 5));
    QCOMPARE(mappe.fejl, home / "Borte/2021");
    QVERIFY(!QFileInfo::exists(home / "Borte"));
}

QTEST_MAIN(KalenderMotorTest)
#include "test_kalender_motor.moc"
