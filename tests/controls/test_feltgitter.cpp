#include "controls/feltgitter.h"

#include <QtTest>

// The grid without a widget: layout, fitting, paging, the keyboard and the shaft's knob.
class FeltgitterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void withoutAutoDim();
    void largeCountsDoNotWrap();
    void fitting_data();
    void fitting();
    void keys_data();
    void keys();
    void enterAndOneField();
    void emptyGrid();
    void pagingEvents();
    void knob_data();
    void knob();
};

namespace {

const FeltRamme galleriRamme{2, 2, 2, 2};

// A grid of items with the focus mark on a field of a page.
FeltGitter gitter(int ialt, int vandret, int lodret, int start = 0, int fokus = 0)
{
    FeltGitter g;
    g.Ramme = galleriRamme;
    g.AntalIalt = ialt;
    g.NyeFelterVL(vandret, lodret, QRect(0, 0, 600, 600));
    g.StartNr = start;
    g.setAntalIalt(ialt, QRect(0, 0, 600, 600));
    g.SetFokus(fokus);
    return g;
}

}  // namespace

void FeltgitterTest::layout_data()
{
    QTest::addColumn<QRect>("klient");
    QTest::addColumn<bool>("medRamme");
    QTest::addColumn<QSize>("felter");
    QTest::addColumn<QSize>("felt");
    QTest::addColumn<QPoint>("foerste");
    QTest::addColumn<QPoint>("sidste");
    // (600 - 3 * 2) div 4 = 148; x0 = left + (594 - 592) div 2.
    QTest::newRow("four across with the gallery's frame") << QRect(10, 20, 600, 450) << true << QSize(4, 1) << QSize(148, 450)
                                                          << QPoint(11, 20) << QPoint(11 + 3 * 150, 20);
    QTest::newRow("no frame, no gaps") << QRect(0, 0, 600, 450) << false << QSize(4, 1) << QSize(150, 450) << QPoint(0, 0)
                                       << QPoint(450, 0);
    // (109 - 3 * 2) div 4 = 25; y0 = (103 - 100) div 2.
    QTest::newRow("rows are centred too") << QRect(0, 0, 100, 109) << true << QSize(1, 4) << QSize(100, 25) << QPoint(0, 1)
                                          << QPoint(0, 82);
}

void FeltgitterTest::layout()
{
    QFETCH(QRect, klient);
    QFETCH(bool, medRamme);
    QFETCH(QSize, felter);
    FeltGitter g;
    if (medRamme)
        g.Ramme = galleriRamme;
    g.AntalIalt = 100;
    g.NyeFelterVL(felter.width(), felter.height(), klient);
    QTEST(QSize(g.FeltBredde, g.FeltHojde), "felt");
    QCOMPARE(g.Felter.size(), felter.width() * felter.height());
    QTEST(g.Felter.first().Ydre.topLeft(), "foerste");
    QTEST(g.Felter.last().Ydre.topLeft(), "sidste");
    // The inner rectangle: in by frame width and margin at the left and top, one less at the
    // right and bottom.
    const int ind = medRamme ? 4 : 0;
    const QRect ydre = g.Felter.first().Ydre;
    QCOMPARE(g.Felter.first().Indre, QRect(QPoint(ydre.left() + ind, ydre.top() + ind),
                                           QPoint(ydre.right() - ind + 1, ydre.bottom() - ind + 1)));
}

void FeltgitterTest::withoutAutoDim()
{
    FeltGitter g;
    g.Ramme = galleriRamme;
    g.AutoDim = false;
    g.FeltBredde = 100;
    g.FeltHojde = 98;
    g.AntalIalt = 50;
    g.NyeFelterVL(3, 1, QRect(0, 0, 400, 500));
    // (500 - 2) div (98 + 2) rows, the field height kept.
    QCOMPARE(g.AntalLodret, 4);
    QCOMPARE(g.FeltHojde, 98);
    QCOMPARE(g.Antal, 12);
}

void FeltgitterTest::largeCountsDoNotWrap()
{
    // 70000 x 70000 fields overflow 32 bits: every picture fits on one page and the fields are
    // too small to show anything.
    FeltGitter g;
    g.Ramme = galleriRamme;
    g.AntalIalt = 30;
    g.NyeFelterVL(70000, 70000, QRect(0, 0, 600, 400));
    QCOMPARE(g.Antal, 30);
    QCOMPARE(g.SlutNr, 29);
    QVERIFY(g.FeltBredde <= 0);
}

void FeltgitterTest::fitting_data()
{
    QTest::addColumn<QSize>("miniature");
    QTest::addColumn<QSize>("billede");
    QTest::addColumn<bool>("centrer");
    QTest::addColumn<QRect>("placering");
    // factor min(136 / 1000, 436 / 500) = 0.136.
    QTest::newRow("larger, shrunk") << QSize(140, 440) << QSize(1000, 500) << true << QRect(2, 186, 136, 68);
    QTest::newRow("smaller, not enlarged, centred") << QSize(140, 440) << QSize(20, 20) << true << QRect(60, 210, 20, 20);
    QTest::newRow("not centred") << QSize(140, 440) << QSize(1000, 500) << false << QRect(2, 2, 136, 68);
    QTest::newRow("upright picture") << QSize(104, 104) << QSize(300, 600) << true << QRect(27, 2, 50, 100);
}

void FeltgitterTest::fitting()
{
    QFETCH(QSize, miniature);
    QFETCH(QSize, billede);
    QFETCH(bool, centrer);
    const Placering p = BeregnR(miniature, billede, 2, centrer);
    QTEST(QRect(p.pos, p.stoerrelse), "placering");
}

void FeltgitterTest::keys_data()
{
    QTest::addColumn<int>("ialt");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("fokus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("nyStart");
    QTest::addColumn<int>("nytFokus");
    // 4 x 6 fields: 24 to a page.
    QTest::newRow("Down in the last field scrolls a row") << 30 << 0 << 23 << int(Qt::Key_Down) << 4 << 23;
    QTest::newRow("Down in the bottom row goes up a column") << 30 << 0 << 21 << int(Qt::Key_Down) << 0 << 2;
    QTest::newRow("Up in the first row goes down a column") << 30 << 0 << 2 << int(Qt::Key_Up) << 0 << 21;
    QTest::newRow("Up in field 0 scrolls back") << 30 << 4 << 0 << int(Qt::Key_Up) << 0 << 0;
    QTest::newRow("Right past the page scrolls one") << 30 << 0 << 23 << int(Qt::Key_Right) << 1 << 23;
    QTest::newRow("Left at the first item stays") << 30 << 0 << 0 << int(Qt::Key_Left) << 0 << 0;
    QTest::newRow("Right at the last item stays") << 30 << 6 << 23 << int(Qt::Key_Right) << 6 << 23;
    QTest::newRow("Page Down is limited to the last page") << 30 << 0 << 5 << int(Qt::Key_PageDown) << 6 << 5;
    QTest::newRow("Page Up is limited to the first") << 30 << 6 << 5 << int(Qt::Key_PageUp) << 0 << 5;
    QTest::newRow("Home") << 30 << 6 << 10 << int(Qt::Key_Home) << 0 << 0;
    QTest::newRow("End") << 30 << 0 << 10 << int(Qt::Key_End) << 6 << 23;
    QTest::newRow("Space moves right") << 30 << 0 << 5 << int(Qt::Key_Space) << 0 << 6;
}

void FeltgitterTest::keys()
{
    QFETCH(int, ialt);
    QFETCH(int, start);
    QFETCH(int, fokus);
    QFETCH(int, key);
    FeltGitter g = gitter(ialt, 4, 6, start, fokus);
    QList<int> startNumre;
    g.OnStartNr = [&](int nr) { startNumre << nr; };
    QVERIFY(g.TastNed(key));
    QTEST(g.StartNr, "nyStart");
    QTEST(g.ANr, "nytFokus");
    QCOMPARE(g.SlutNr, g.StartNr + g.Antal - 1);
    // The mark is on the focus field alone.
    for (const FeltRec& felt : g.Felter)
        QCOMPARE(felt.Hoejlys, felt.Nr == g.ANr);
    QCOMPARE(startNumre, g.StartNr == start ? QList<int>() : QList<int>{g.StartNr});
}

void FeltgitterTest::enterAndOneField()
{
    FeltGitter g = gitter(30, 4, 6, 4, 7);
    QList<QPair<int, int>> taster;
    g.OnKey = [&](int key, int item) { taster.append({key, item}); };
    for (int key : {Qt::Key_Return, Qt::Key_Insert, Qt::Key_Delete})
        QVERIFY(g.TastNed(key));
    QCOMPARE(taster, (QList<QPair<int, int>>{{Qt::Key_Return, 11}, {Qt::Key_Insert, 11}, {Qt::Key_Delete, 11}}));
    QVERIFY(!g.TastNed(Qt::Key_A));

    // One usable field: every other key only puts the mark on it.
    FeltGitter en = gitter(1, 4, 6);
    en.fjernHoejlys();
    QVERIFY(en.TastNed(Qt::Key_Down));
    QCOMPARE(en.StartNr, 0);
    QCOMPARE(en.ANr, 0);
    QVERIFY(en.Felter[0].Hoejlys);
}

void FeltgitterTest::emptyGrid()
{
    FeltGitter g = gitter(0, 4, 6);
    QCOMPARE(g.Antal, 0);
    QVERIFY(g.Felter.isEmpty());
    bool haendelse = false;
    g.OnStartNr = g.OnNewDown = [&](int) { haendelse = true; };
    g.OnKey = [&](int, int) { haendelse = true; };
    for (int key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Return})
        QVERIFY(g.TastNed(key));
    QCOMPARE(g.feltVed(QPoint(10, 10)), -1);
    QVERIFY(!haendelse);
}

void FeltgitterTest::pagingEvents()
{
    FeltGitter g = gitter(30, 4, 6, 0, 3);
    QStringList haendelser;
    g.OnStartNr = [&](int nr) { haendelser << "start " + QString::number(nr); };
    g.OnMusOver = [&](int item) { haendelser << "over " + QString::number(item); };
    // From outside (the shaft) no start event; the focus field reports its new item.
    g.NytStartNr(5, false);
    QCOMPARE(haendelser, QStringList{"over 8"});
    haendelser.clear();
    g.NytStartNr(5, true);
    g.NytStartNr(-1, true);
    QVERIFY(haendelser.isEmpty());
    g.RegulerStartNr(30);  // beyond the last item: the last page
    QCOMPARE(haendelser, (QStringList{"start 6", "over 9"}));
}

void FeltgitterTest::knob_data()
{
    QTest::addColumn<int>("posMax");
    QTest::addColumn<int>("visible");
    QTest::addColumn<bool>("dim");
    QTest::addColumn<int>("knap");
    QTest::addColumn<double>("trin");
    // Track 100: 100 * 11 / 21, and (100 - 52) / 10 pixels per step.
    QTest::newRow("new shaft") << 10 << 11 << false << 52 << 4.8;
    QTest::newRow("nothing to scroll: whole track") << 0 << 24 << false << 100 << 0.0;
    QTest::newRow("never below the minimum") << 10000 << 2 << false << 4 << 96.0 / 10000;
    QTest::newRow("fixed knob") << 10 << 11 << true << 4 << 9.6;
    QTest::newRow("range of one") << 1 << 1 << false << 50 << 50.0;
}

void FeltgitterTest::knob()
{
    QFETCH(int, posMax);
    QFETCH(int, visible);
    RulskaktVaerdier v;
    v.PosMax = posMax;
    v.PosVisible = visible;
    QFETCH(bool, dim);
    v.PosKnapDim = dim;
    QTEST(v.knapStoerrelse(100), "knap");
    QFETCH(double, trin);
    QCOMPARE(v.pixelsPrTrin(100), trin);
    QCOMPARE(v.begraens(posMax + 5), posMax);
    QCOMPARE(v.begraens(-3), 0);
}

QTEST_APPLESS_MAIN(FeltgitterTest)
#include "test_feltgitter.moc"
