// Drags a file from the folder-and-file tree onto a folder of the folder tree with the real mouse,
// on a virtual X display of its own, as a user would.
#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTreeWidget>
#include <QtTest>

class TraekTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dragWithTheMouse();
};

void TraekTest::dragWithTheMouse()
{
    TestHome home;
    home.make({"kilde/flyt.txt", "maal/"});
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    Tmainform& main = entry.mainform();
    medStifindere(main);
    main.opt.TryedBefore = true;  // no welcome page in the information window
    entry.start();
    main.FormActivate();
    auto* explorer = dynamic_cast<Twinform*>(main.getWinform(QStringLiteral("Stifinder 1")));
    QVERIFY(explorer);
    explorer->opt.spmBox = 2;            // no question
    explorer->opt.DragDropCheck = false;  // within one file system a drop moves
    main.setGeometry(0, 0, 1500, 950);
    main.show();
    main.raise();
    main.activateWindow();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(home / "kilde");
    QVERIFY(compo.udfoldStruktur1(home / "maal", false));
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::qWait(300);

    QTreeWidget* tree1 = compo.Struktur1();
    QTreeWidget* tree2 = compo.Struktur2();
    QTreeWidgetItem* fil = tree2->findItems(QStringLiteral("flyt.txt"), Qt::MatchExactly).value(0);
    QVERIFY(fil && tree1->currentItem());
    tree1->scrollToItem(tree1->currentItem());
    const QPoint fra = tree2->viewport()->mapToGlobal(tree2->visualItemRect(fil).center());
    const QPoint til = tree1->viewport()->mapToGlobal(tree1->visualItemRect(tree1->currentItem()).center());
    const auto tal = [](int n) { return QString::number(n); };
    QProcess mus;
    mus.start(QStringLiteral("xdotool"),
              {"mousemove", tal(fra.x()), tal(fra.y()), "sleep", "0.3", "click", "1", "sleep", "0.3", "mousedown", "1",
               "sleep", "0.2", "mousemove", tal(fra.x() + 20), tal(fra.y() + 5), "sleep", "0.2", "mousemove",
               tal((fra.x() + til.x()) / 2), tal((fra.y() + til.y()) / 2), "sleep", "0.2", "mousemove", tal(til.x()),
               tal(til.y()), "sleep", "0.3", "mousemove", tal(til.x() + 1), tal(til.y()), "sleep", "0.3", "mouseup", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home / "maal/flyt.txt"), 20000);
    QVERIFY(!QFile::exists(home / "kilde/flyt.txt"));
    mus.waitForFinished(5000);
}

// The test runs on an X display of its own, which it starts and ends.
int main(int argc, char** argv)
{
    QProcess xvfb;
    xvfb.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"});
    // ./test installs Xvfb and xdotool; without them the test fails rather than passing unseen.
    if (!xvfb.waitForStarted(10000) || !xvfb.waitForReadyRead(10000)) {
        std::fprintf(stderr, "FAIL: no virtual X display (Xvfb)\n");
        return 1;
    }
    const QByteArray nummer = xvfb.readLine().trimmed();
    qputenv("DISPLAY", ":" + nummer);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int resultat = 0;
    {
        QApplication app(argc, argv);
        TraekTest test;
        resultat = QTest::qExec(&test, argc, argv);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return resultat;
}

#include "test_traek_xvfb.moc"
