#include "app/mainsettings.h"

#include <QtTest>

namespace {

// Settings in which no field holds its designed value.
MainSettings everyFieldChanged()
{
    MainSettings s;
    s.designName = QStringLiteral("Zircon");
    s.mainTop = 11;
    s.mainLeft = 12;
    s.mainWidth = 1300;
    s.mainHeight = 900;
    s.maxElementer = 240;
    s.Fontbox = 2;
    s.trayCheck = true;
    s.mainPanelVisible = false;
    s.FontnavnBox = 3;
    s.exeProgram = QStringLiteral("/usr/bin/blåbær");
    s.openInfo = s.openGenveje = s.openProgrammer = s.openStrukturer = 1;
    s.openTekstfiler = s.openBilleder = s.openKalender = 1;
    s.OnClickIndex = 4;
    s.OnClickCaption = QStringLiteral("Mine mapper");
    s.FremFormCheck = 1;
    s.openWmi = 1;
    s.HovedbogPage = 5;
    s.ProgrambogPage = 3;
    s.PlaceringsMappe = QStringLiteral("/home/anna/Genveje");
    s.visProgrammer = 1;
    s.funkBogPage = 2;
    s.GBoxV = 4;
    s.GBoxL = 5;
    s.colIndex = 7;
    s.CheckStrukturLinjer = true;
    s.TryedBefore = true;
    s.Vistoppanel = false;
    s.bogfanerBox = 0;
    s.genvejsBogPage = 3;
    s.sammeKlipbord = false;
    s.minimerCheck = true;
    s.sikkerhedsCheck = false;
    s.blokerCheck = true;
    s.tabVisCheck1 = false;
    s.tabVisCheck2 = false;
    s.tabVisCheck3 = true;
    s.tabVisCheck4 = true;
    s.beskedCheck = true;
    s.vhaFunkCheck = true;
    return s;
}

}  // namespace

class MainSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripOfEveryLine();
    void badLineKeepsWhatCameBefore();
    void numberRules_data();
    void numberRules();
    void defaultOptSetsOnlyItsValues();
};

void MainSettingsTest::roundTripOfEveryLine()
{
    const MainSettings changed = everyFieldChanged();
    const QStringList lines = mainSettingsLines(changed);
    QCOMPARE(lines.size(), 45);
    QCOMPARE(lines[0], QStringLiteral("Zircon"));
    QCOMPARE(lines[31], QStringLiteral("1"));
    MainSettings read;
    QVERIFY(applyMainSettingsLines(lines, read));
    QCOMPARE(read, changed);
    QCOMPARE(mainSettingsLines(MainSettings()).size(), 45);
}

void MainSettingsTest::badLineKeepsWhatCameBefore()
{
    const MainSettings file = everyFieldChanged();
    QStringList lines = mainSettingsLines(file);
    lines[22] = QStringLiteral("x");
    MainSettings s;
    QVERIFY(!applyMainSettingsLines(lines, s));
    applyDefaultOpt(s);

    const MainSettings designed;
    // Lines 7, 8, 10, 12 to 18, 20, 21 and 22 were read and stay.
    QCOMPARE(s.Fontbox, file.Fontbox);
    QCOMPARE(s.trayCheck, file.trayCheck);
    QCOMPARE(s.FontnavnBox, file.FontnavnBox);
    QCOMPARE(s.openInfo, 1);
    QCOMPARE(s.openKalender, 1);
    QCOMPARE(s.OnClickCaption, file.OnClickCaption);
    QCOMPARE(s.FremFormCheck, file.FremFormCheck);
    QCOMPARE(s.openWmi, file.openWmi);
    // The defaults replace lines 1 to 6, 9, 11 and 19.
    QCOMPARE(s.designName, QStringLiteral("Sky"));
    QCOMPARE(QList<int>({s.mainTop, s.mainLeft, s.mainWidth, s.mainHeight, s.maxElementer}),
             QList<int>({50, 250, 1270, 870, 120}));
    QCOMPARE(s.mainPanelVisible, true);
    QCOMPARE(s.exeProgram, QString());
    QCOMPARE(s.OnClickIndex, -1);
    // Lines 23 onwards were not read.
    QCOMPARE(s.HovedbogPage, designed.HovedbogPage);
    QCOMPARE(s.TryedBefore, false);
    QCOMPARE(s.vhaFunkCheck, false);
    QCOMPARE(s.sammeKlipbord, true);
}

void MainSettingsTest::numberRules_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("switchOn");  // the switch read from that line, where it is one
    QTest::newRow("line 40 holding 2 hides the page") << 40 << "2" << true << false;
    QTest::newRow("line 40 holding 1 shows it") << 40 << "1" << true << true;
    QTest::newRow("line 43 holding -1") << 43 << "-1" << true << false;
    QTest::newRow("line 8 holding 2 checks trayCheck") << 8 << "2" << true << true;
    QTest::newRow("line 8 holding 0") << 8 << "0" << true << false;
    QTest::newRow("line 8 holding a word") << 8 << "ja" << false << false;
    QTest::newRow("line 7 index beyond its choices") << 7 << "3" << false << false;
    QTest::newRow("line 23 negative page") << 23 << "-1" << false << false;
    QTest::newRow("line 2 with blanks") << 2 << " 60 " << true << false;
}

void MainSettingsTest::numberRules()
{
    QFETCH(int, line);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(bool, switchOn);
    QStringList lines = mainSettingsLines(MainSettings());
    lines[line - 1] = value;
    MainSettings s;
    QCOMPARE(applyMainSettingsLines(lines, s), accepted);
    if (line == 40)
        QCOMPARE(s.tabVisCheck1, switchOn);
    if (line == 43)
        QCOMPARE(s.tabVisCheck4, switchOn);
    if (line == 8 && accepted)
        QCOMPARE(s.trayCheck, switchOn);
    if (line == 2)
        QCOMPARE(s.mainTop, 60);
}

void MainSettingsTest::defaultOptSetsOnlyItsValues()
{
    MainSettings s = everyFieldChanged();
    applyDefaultOpt(s);
    MainSettings expected = everyFieldChanged();
    const MainSettings designed;
    expected.designName = designed.designName;
    expected.mainTop = 50;
    expected.mainLeft = 250;
    expected.mainWidth = 1270;
    expected.mainHeight = 870;
    expected.maxElementer = 120;
    expected.mainPanelVisible = true;
    expected.exeProgram.clear();
    expected.OnClickIndex = -1;
    expected.GBoxV = 2;
    expected.GBoxL = 2;
    expected.PlaceringsMappe.clear();
    expected.Vistoppanel = true;
    expected.genvejsBogPage = 0;
    expected.sammeKlipbord = true;
    QCOMPARE(s, expected);
}

QTEST_GUILESS_MAIN(MainSettingsTest)
#include "test_mainsettings.moc"
