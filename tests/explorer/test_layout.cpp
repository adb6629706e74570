#include "app/kontroller.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/information/informationssider.h"
#include "tools/findtekst/tfindform.h"
#include "tools/genveje/tgenvejform.h"
#include "tools/kalender/tkalenderform.h"
#include "tools/mappestruktur/tmappestrukturform.h"
#include "tools/programmer/tprogform.h"

#include <QAbstractButton>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Why a shown button, check box or radio button cannot be read or reached; empty when it can.
// Its text must fit (or be elided with the whole text as hint), and it must lie inside every
// widget it stands in, up to its window, unless a scroll area brings it into view.
QString fejlVed(const QAbstractButton* knap)
{
    const auto* tool = qobject_cast<const QToolButton*>(knap);
    const bool kunIkon = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull();
    const bool medTekst = !knap->text().isEmpty() && !kunIkon;
    if (medTekst && knap->sizeHint().width() > knap->width()
        && !(knap->text().contains(QChar(0x2026)) && !knap->toolTip().isEmpty()))
        return QStringLiteral("text cut (%1 of %2 px)").arg(knap->width()).arg(knap->sizeHint().width());
    QRect rect = knap->rect();
    const QWidget* w = knap;
    while (!w->isWindow() && !qobject_cast<const QMdiSubWindow*>(w)) {
        rect.translate(w->pos());
        w = w->parentWidget();
        if (qobject_cast<const QScrollArea*>(w->parentWidget()))
            return {};  // the viewport of a scroll area: the content scrolls into view
        if (!w->rect().contains(rect))
            return QStringLiteral("outside %1 (%2,%3 %4x%5 in %6x%7)")
                .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
                .arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height())
                .arg(w->width()).arg(w->height());
    }
    return {};
}

// Every page of every book in the window, shown in turn with the books around it.
void vis(QWidget* page)
{
    for (QWidget* w = page; w && w->parentWidget(); w = w->parentWidget())
        if (auto* stak = qobject_cast<QStackedWidget*>(w->parentWidget()))
            stak->setCurrentWidget(w);
}

}  // namespace

// At the default window size (or on a smaller screen) and each font size, the main window with an
// explorer, the clipboard window, the program register, the text search, the structures, the
// shortcuts and the calendar (inside the frame and as its own window) shows every button, check box
// and radio button whole and within reach.
class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPageFits_data();
    void everyPageFits();
};

void LayoutTest::everyPageFits_data()
{
    QTest::addColumn<int>("fontbox");
    QTest::newRow("Lille") << 0;
    QTest::newRow("Mellem") << 1;
    QTest::newRow("Stor") << 2;
}

void LayoutTest::everyPageFits()
{
    QFETCH(int, fontbox);
    TestHome home;
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    medStifindere(main);
    registrerInformation(main);
    registrerProgrammer(main);
    registrerFindtekst(main);
    registrerKalender(main);
    registrerMappestruktur(main);
    registrerGenveje(main);
    main.opt.TryedBefore = true;
    entry.start();
    main.FormActivate();
    // The default size, or as much of it as a smaller screen holds.
    const QRect skaerm = main.screen()->availableGeometry();
    QVERIFY(skaerm.contains(main.frameGeometry()));
    if (skaerm.height() >= 1000)
        QCOMPARE(main.size(), QSize(1270, 870));
    main.hovedhandling(QStringLiteral("aVisKlipbordet"))->trigger();
    main.hovedhandling(QStringLiteral("progInsert"))->trigger();
    main.hovedhandling(QStringLiteral("findTekst"))->trigger();
    main.hovedhandling(QStringLiteral("OpretSmappe"))->trigger();
    main.aabnVaerktoej(QStringLiteral("opretGenveje"));  // its action wants a current element
    auto* findtekst = main.findChild<Tfindform*>();
    QVERIFY(findtekst);
    main.hovedhandling(QStringLiteral("visKalender"))->trigger();
    auto* kalender = main.findChild<Tkalenderform*>();
    QVERIFY(kalender);
    QWidget* explorer = main.getWinform(QStringLiteral("Stifinder 1"));
    QVERIFY(explorer);
    main.findChild<QRadioButton*>(QStringLiteral("Fontbox%1").arg(fontbox))->click();
    QCOMPARE(explorer->findChild<QTreeWidget*>(QStringLiteral("FilStruktur"))->font().pointSize(), 8 + fontbox);
    auto* ramme = qobject_cast<QMdiSubWindow*>(explorer->parentWidget());
    QVERIFY(ramme);
    main.mdi()->setActiveSubWindow(ramme);
    ramme->showMaximized();
    QTest::qWait(50);
    QStringList fejl;
    if (ramme->geometry() != main.mdi()->viewport()->rect())
        fejl.append(QStringLiteral("the maximised explorer is %1x%2 in %3x%4")
                        .arg(ramme->width()).arg(ramme->height())
                        .arg(main.mdi()->viewport()->width()).arg(main.mdi()->viewport()->height()));
    const auto proev = [&](const QString& side) {
        QCoreApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QAbstractButton* knap : window->findChildren<QAbstractButton*>())
                if (knap->isVisibleTo(window) && knap->isVisible())
                    if (const QString f = fejlVed(knap); !f.isEmpty()) {
                        const QString navn = knap->objectName().isEmpty()
                                                 ? knap->text() + u'@' + knap->parentWidget()->objectName()
                                                 : knap->objectName();
                        fejl.append(side + QStringLiteral(": ") + navn + QStringLiteral(": ") + f);
                    }
    };
    const auto proevSider = [&](QWidget* vindue) {
        if (auto* egenRamme = qobject_cast<QMdiSubWindow*>(vindue->parentWidget())) {
            main.mdi()->setActiveSubWindow(egenRamme);
            egenRamme->showMaximized();
        }
        for (QTabWidget* bog : vindue->findChildren<QTabWidget*>())
            for (int i = 0; i < bog->count(); ++i) {
                vis(bog);
                bog->setCurrentIndex(i);
                proev(bog->objectName() + u'/' + QString::number(i));
            }
    };
    for (QWidget* vindue : {static_cast<QWidget*>(&main), explorer, static_cast<QWidget*>(findtekst),
                            static_cast<QWidget*>(kalender), static_cast<QWidget*>(main.findChild<Tmappestrukturform*>())})
        proevSider(vindue);
    for (QMdiSubWindow* ramme2 : main.mdi()->subWindowList()) {
        main.mdi()->setActiveSubWindow(ramme2);
        ramme2->showMaximized();
        proev(ramme2->windowTitle());
    }
    // The calendar as a window of its own has a fixed size.
    QPointer<QWidget> indeni = kalender;
    lukVindue(kalender);
    QTRY_VERIFY(indeni.isNull());
    main.opt.openKalender = 1;
    main.hovedhandling(QStringLiteral("visKalender"))->trigger();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* egen = qobject_cast<Tkalenderform*>(window))
            proevSider(egen);
    fejl.removeDuplicates();
    for (const QString& f : std::as_const(fejl))
        qWarning("%s", qPrintable(f));
    QVERIFY(fejl.isEmpty());
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
