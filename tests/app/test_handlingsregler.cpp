#include "app/handlingsregler.h"

#include <QAction>
#include <QPushButton>
#include <QThreadPool>
#include <QtTest>

class HandlingsreglerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void passesAreCoalescedAndFollowInput();
};

void HandlingsreglerTest::passesAreCoalescedAndFollowInput()
{
    QWidget vindue;
    auto* knap = new QPushButton("x", &vindue);
    QWidget andet;
    auto* andenKnap = new QPushButton("y", &andet);
    Handlingsregler regler(&vindue);
    QAction action(&vindue);
    bool tilladt = false;
    int passes = 0;
    regler.tilfoej(&action, [&] {
        ++passes;
        return tilladt;
    });
    tilladt = true;
    for (int i = 0; i < 5; ++i)
        regler.opdaterSenere();
    QCOMPARE(passes, 0);
    QTRY_COMPARE(passes, 1);
    QVERIFY(action.isEnabled());

    // Input in another window asks nothing of this one; input here does.
    QTest::mouseClick(andenKnap, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(passes, 1);
    tilladt = false;
    QTest::mouseClick(knap, Qt::LeftButton);
    QTRY_COMPARE(passes, 2);
    QVERIFY(!action.isEnabled());
    action.setEnabled(true);
    action.trigger();
    QTRY_COMPARE(passes, 3);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(passes, 3);  // nothing happens, nothing runs

    // From the thread pool: the pass runs on this thread, and the task ends after it.
    regler.opdaterFraTraad();
    QTRY_COMPARE(passes, 4);
    QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
}

QTEST_MAIN(HandlingsreglerTest)
#include "test_handlingsregler.moc"
