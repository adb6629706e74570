#include "app/kontroller.h"
#include "app/mainsettings.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/applets/twaform.h"
#include "tools/findtekst/stiafkorter.h"
#include "tools/findtekst/tfindform.h"
#include "tools/galleri/tgalform.h"
#include "tools/genveje/tgenvejform.h"
#include "tools/information/informationssider.h"
#include "tools/kalender/tkalenderform.h"
#include "tools/mappestruktur/tmappestrukturform.h"
#include "tools/programmer/tprogform.h"
#include "tools/wmi/twmiform.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Why a shown control (through its rectangle) cannot be reached: it must lie inside every widget
// it stands in, up to its window, unless a scroll area brings it into view. Empty when it can.
QString udenforVed(const QWidget* kontrol)
{
    QRect rect = kontrol->rect();
    const QWidget* w = kontrol;
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

// Whether a text shown in less than its width is honestly shortened: with "…" and the whole text
// as hint.
bool afkortetMedHint(const QString& vist, const QString& hint) { return vist.contains(QChar(0x2026)) && !hint.isEmpty(); }

// Why a shown button, check box or radio button cannot be read or reached; empty when it can.
// Its text must fit (or be elided with the whole text as hint).
QString fejlVed(const QAbstractButton* knap)
{
    const auto* tool = qobject_cast<const QToolButton*>(knap);
    const bool kunIkon = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull();
    const bool medTekst = !knap->text().isEmpty() && !kunIkon;
    if (medTekst && knap->sizeHint().width() > knap->width() && !afkortetMedHint(knap->text(), knap->toolTip()))
        return QStringLiteral("text cut (%1 of %2 px)").arg(knap->width()).arg(knap->sizeHint().width());
    return udenforVed(knap);
}

// Why a shown one-line label cannot be read; empty when it can.
QString fejlVed(const QLabel* label)
{
    if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return {};
    if (label->sizeHint().width() > label->width() && !afkortetMedHint(label->text(), label->toolTip()))
        return QStringLiteral("text cut (%1 of %2 px)").arg(label->width()).arg(label->sizeHint().width());
    return udenforVed(label);
}

// Why a shown tab bar hides a tab behind its scroll arrows or past its end; empty when none.
QString fejlVed(const QTabBar* bar)
{
    QRect faner;
    for (int i = 0; i < bar->count(); ++i)
        if (bar->isTabVisible(i))
            faner |= bar->tabRect(i);
    bool pile = false;
    for (const QToolButton* pil : bar->findChildren<QToolButton*>())
        pile = pile || pil->isVisible();
    if (!pile && bar->rect().contains(faner))
        return {};
    return QStringLiteral("tabs hidden (%1x%2 of tabs in %3x%4)")
        .arg(faner.width()).arg(faner.height()).arg(bar->width()).arg(bar->height());
}

// Why a path in a list's column cannot be read: it must be whole, or lose the middle of its
// folders with the file name kept and the whole path as hint. Empty when every row can.
QString stiFejlVed(const QAbstractItemView* liste, int kolonne)
{
    const int margen = 2 * (liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1);
    for (int r = 0; r < liste->model()->rowCount(); ++r) {
        const QModelIndex celle = liste->model()->index(r, kolonne);
        const QString sti = celle.data().toString();
        const int bredde = liste->visualRect(celle).width() - margen;
        if (liste->fontMetrics().horizontalAdvance(sti) <= bredde)
            continue;
        // As the list draws it: through the column's path delegate, or shortened by the view.
        const QString vist = dynamic_cast<const Stiafkorter*>(liste->itemDelegateForColumn(kolonne))
                                 ? Stiafkorter::afkortet(sti, liste->fontMetrics(), bredde)
                                 : liste->fontMetrics().elidedText(sti, liste->textElideMode(), bredde);
        if (!afkortetMedHint(vist, celle.data(Qt::ToolTipRole).toString()) || !vist.endsWith(sti.section(u'/', -1)))
            return QStringLiteral("row %1 reads \"%2\" in %3 px").arg(r).arg(vist).arg(bredde);
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

// The tool windows of the main menu and the setting that opens each as a window of its own
// (none: the window always stands inside the frame).
struct Vaerktoej {
    const char* handling;
    int MainSettings::*egetVindue;
};
constexpr Vaerktoej vaerktoejer[] = {
    {"progInsert", &MainSettings::openProgrammer}, {"findTekst", &MainSettings::openTekstfiler},
    {"OpretSmappe", &MainSettings::openStrukturer}, {"opretGenveje", &MainSettings::openGenveje},
    {"visKalender", &MainSettings::openKalender},   {"aBilledGal", &MainSettings::openBilleder},
    {"aWmi", &MainSettings::openWmi},               {"aInfo", &MainSettings::openInfo},
    {"winApp", nullptr},
};

}  // namespace

// At the default window size (or on a smaller screen) and each font size, the main window with an
// explorer and every page of its panel, the clipboard window and every tool window (inside the
// frame and as its own window) show every button, check box, radio button and label whole and
// within reach, every tab in sight, and the text search's documents by their file names.
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
    // A document deep in folders of long names, for the text search to find.
    const QString dokument = QStringLiteral("Dokumenter/Økonomi og regnskaber for husstanden/Gamle år fra 2019 til 2023/"
                                            "Kvitteringer og bilag/budget_2024_endelig.txt");
    home.write(dokument, "kaffe");
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    medStifindere(main);
    registrerInformation(main);
    for (const auto registrer : {registrerProgrammer, registrerFindtekst, registrerKalender, registrerMappestruktur,
                                 registrerGenveje, registrerWmi, registrerApplets, registrerGalleri})
        registrer(main);
    main.opt.TryedBefore = true;
    // Every page of the panel shown, the shortcut lists and the contents too.
    main.opt.tabVisCheck3 = main.opt.tabVisCheck4 = true;
    entry.start();
    main.FormActivate();
    // The default size, or as much of it as a smaller screen holds.
    const QRect skaerm = main.screen()->availableGeometry();
    QVERIFY(skaerm.contains(main.frameGeometry()));
    if (skaerm.height() >= 1000)
        QCOMPARE(main.size(), QSize(1270, 870));
    main.hovedhandling(QStringLiteral("aVisKlipbordet"))->trigger();
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
    // Each fault once, with the first page it was seen on.
    QStringList sete;
    const auto noter = [&](const QString& side, const QWidget* w, const QString& f) {
        if (f.isEmpty())
            return;
        const auto* knap = qobject_cast<const QAbstractButton*>(w);
        const QString klasse = QString::fromLatin1(w->metaObject()->className());
        const QString navn = !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))
                                 ? w->objectName()
                                 : (knap ? knap->text() : klasse) + u'@' + w->parentWidget()->objectName();
        if (sete.contains(navn + f))
            return;
        sete.append(navn + f);
        fejl.append(side + QStringLiteral(": ") + navn + QStringLiteral(": ") + f);
    };
    const auto proev = [&](const QString& side) {
        QCoreApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            for (QAbstractButton* knap : window->findChildren<QAbstractButton*>())
                if (knap->isVisible())
                    noter(side, knap, fejlVed(knap));
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->isVisible())
                    noter(side, label, fejlVed(label));
            for (QTabBar* bar : window->findChildren<QTabBar*>())
                if (bar->isVisible())
                    noter(side, bar, fejlVed(bar));
            if (auto* fund = window->findChild<QTableView*>(QStringLiteral("findis")); fund && fund->isVisible())
                noter(side, fund, stiFejlVed(fund, 0));
        }
    };
    const auto proevSider = [&](QWidget* vindue) {
        if (auto* egenRamme = qobject_cast<QMdiSubWindow*>(vindue->parentWidget())) {
            main.mdi()->setActiveSubWindow(egenRamme);
            egenRamme->showMaximized();
        }
        proev(vindue->windowTitle());
        for (QTabWidget* bog : vindue->findChildren<QTabWidget*>())
            for (int i = 0; i < bog->count(); ++i) {
                vis(bog);
                bog->setCurrentIndex(i);
                proev(vindue->windowTitle() + u'/' + bog->objectName() + u'/' + QString::number(i));
            }
    };
    proevSider(&main);
    proevSider(explorer);
    // The explorer's file actions stand in one row at the default size.
    const QList<QToolButton*> filhandlinger = explorer->findChild<QWidget*>(QStringLiteral("filhandlinger"))
                                                  ->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    for (const QToolButton* knap : filhandlinger)
        if (knap->isVisible() && knap->y() > filhandlinger.constFirst()->geometry().bottom())
            noter(explorer->windowTitle(), knap, QStringLiteral("on a row of its own"));
    // Each tool window inside the frame, then each as a window of its own.
    for (const bool egne : {false, true}) {
        QList<QPointer<QWidget>> aabne;
        for (const Vaerktoej& v : vaerktoejer) {
            if (egne && !v.egetVindue)
                continue;
            if (v.egetVindue)
                main.opt.*v.egetVindue = egne ? 1 : 0;
            // As the menu opens it, taking up the document as the current element.
            main.EditSti()->setText(home / dokument);
            main.hovedhandling(QLatin1String(v.handling))->trigger();
            QWidget* vindue = main.aabnVaerktoej(QLatin1String(v.handling));
            QVERIFY2(vindue, v.handling);
            QCOMPARE(vindue->isWindow(), egne);
            if (auto* findtekst = qobject_cast<Tfindform*>(vindue)) {
                findtekst->findChild<QComboBox*>(QStringLiteral("EditFind"))->setEditText(QStringLiteral("kaffe"));
                findtekst->findChild<QAction*>(QStringLiteral("AfindBib"))->trigger();
                QTRY_VERIFY(!findtekst->soeger());
                QCOMPARE(findtekst->findChild<QTableView*>(QStringLiteral("findis"))->model()->rowCount(), 1);
            }
            proevSider(vindue);
            aabne.append(vindue);
        }
        for (QMdiSubWindow* ramme2 : main.mdi()->subWindowList()) {
            main.mdi()->setActiveSubWindow(ramme2);
            ramme2->showMaximized();
            proev(ramme2->windowTitle());
        }
        for (QWidget* vindue : std::as_const(aabne))
            lukVindue(vindue);
        QTRY_VERIFY(std::none_of(aabne.cbegin(), aabne.cend(), [](const QPointer<QWidget>& v) { return bool(v); }));
    }
    for (const QString& f : std::as_const(fejl))
        qWarning("%s", qPrintable(f));
    QVERIFY(fejl.isEmpty());
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
