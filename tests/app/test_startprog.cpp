#include "app/programentry.h"
#include "app/tmainform.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QCoreApplication>
#include <QTimer>
#include <QtTest>

namespace {
const QString added = QStringLiteral("Programmet er indført som StartUp-program.");
const QString removed = QStringLiteral("Programmet blev fjernet som StartUp-program.");
const QString failed = QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
const QString intro = QStringLiteral("Det kan tage lidt tid.\nTryk OK-Knappen for at starte funktionen.\n"
                                     "Der bringes en information, når funktionen er gennemført.");
}  // namespace

class StartProgTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addThenRemove();
    void noLinkAfterTenTicks();
};

void StartProgTest::addThenRemove()
{
    TestHome home;
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    const QString link = main.opt.PlaceringsMappe + QStringLiteral("/qvmMirvel.lnk");
    const QString startEntry = home / QStringLiteral(".config/autostart/qvmMirvel.desktop");

    main.startProgDoButtonClick();
    QVERIFY(main.startProgTimer()->isActive());
    QCOMPARE(QFileInfo(link).symLinkTarget(), QCoreApplication::applicationFilePath());
    main.startProgTimerTimer();
    QVERIFY(!main.startProgTimer()->isActive());
    QCOMPARE(main.SPtimerCount, 0);
    const auto desktopEntry = platform::readTextLines(startEntry);
    QVERIFY(desktopEntry);
    QVERIFY(desktopEntry->contains(QStringLiteral("Type=Application")));
    QVERIFY(desktopEntry->contains(QStringLiteral("Icon=dk.qvmmirvel.qvmMirvel")));
    QVERIFY(desktopEntry->contains(QStringLiteral("Exec=\"%1\"").arg(QCoreApplication::applicationFilePath())));

    main.startProgDoButtonClick();
    main.startProgTimerTimer();
    QVERIFY(!QFileInfo::exists(startEntry));
    QVERIFY(!main.startProgTimer()->isActive());
    QCOMPARE(boxes.texts(), QStringList({intro, added, intro, removed}));
}

void StartProgTest::noLinkAfterTenTicks()
{
    TestHome home;
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    // A real file in the link's place is never replaced, so no link appears.
    home.write((main.opt.PlaceringsMappe + QStringLiteral("/qvmMirvel.lnk")).mid(home.path().size() + 1), "brugerens");
    main.makeOpstartProg();
    for (int tick = 1; tick <= 9; ++tick)
        main.startProgTimerTimer();
    QVERIFY(main.startProgTimer()->isActive());
    QVERIFY(boxes.shown.isEmpty());
    main.startProgTimerTimer();
    QVERIFY(!main.startProgTimer()->isActive());
    QCOMPARE(main.SPtimerCount, 0);
    QCOMPARE(boxes.texts(), QStringList{failed});
    QVERIFY(!QFileInfo::exists(home / QStringLiteral(".config/autostart/qvmMirvel.desktop")));
}

QTEST_MAIN(StartProgTest)
#include "test_startprog.moc"
