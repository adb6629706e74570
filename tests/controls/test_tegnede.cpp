#include "controls/tprogresscompo.h"
#include "controls/trammex.h"
#include "controls/trulskakt.h"

#include <QPainter>
#include <QtTest>

// The frame painter drawn into a small picture, the progress bar's steps and the shaft's events.
class TegnedeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frames_data();
    void frames();
    void focusRingAndOutline();
    void progressActsAcrossSteps();
    void shaftEvents();
};

namespace {

const QColor ramme(255, 0, 0), lys(0, 255, 0), skygge(0, 0, 255), felt(200, 200, 200), omrids(255, 0, 255),
    over(0, 255, 255), aktiv(255, 255, 0), uaktiv(128, 128, 128);

TRammeX maler()
{
    TRammeX r;
    r.FarveRamme = ramme;
    r.FarveLys = lys;
    r.FarveSkygge = skygge;
    r.FarveFelt = felt;
    r.FarveOmrids = omrids;
    r.FarveOver = over;
    r.FarveAktiv = aktiv;
    r.FarveUaktiv = uaktiv;
    return r;
}

// The frame of the rectangle (2, 2)-(13, 23) in a white picture, looked at along the row y = 12.
QImage tegn(TRammeX& r, int state, bool focus)
{
    QImage billede(20, 30, QImage::Format_RGB32);
    billede.fill(Qt::white);
    QPainter p(&billede);
    r.MakeRamme(p, QRect(2, 2, 12, 22), state, focus);
    return billede;
}

}  // namespace

void TegnedeTest::frames_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("bredde");
    QTest::addColumn<int>("dybde");
    QTest::addColumn<int>("rifler");
    QTest::addColumn<QList<QColor>>("venstre");  // the rings at the left edge, from the outside in
    QTest::addColumn<QList<QColor>>("hoejre");
    QTest::newRow("normal, flat") << int(rtIngen) << 1 << 2 << 0 << 0 << QList{ramme, ramme, felt} << QList{ramme, ramme, felt};
    QTest::newRow("over, raised") << int(rtIngen) << 3 << 2 << 0 << 0 << QList{lys, lys, felt} << QList{skygge, skygge, felt};
    QTest::newRow("pressed, sunken") << int(rtIngen) << 2 << 2 << 0 << 0 << QList{skygge, skygge} << QList{lys, lys};
    QTest::newRow("state 4 is pressed") << int(rtIngen) << 4 << 1 << 0 << 0 << QList{skygge} << QList{lys};
    QTest::newRow("inactive") << int(rtIngen) << 0 << 1 << 0 << 0 << QList{uaktiv, felt} << QList{uaktiv, felt};
    QTest::newRow("out with a depth") << int(rtUd) << 1 << 3 << 1 << 0 << QList{lys, ramme, skygge} << QList{skygge, ramme, lys};
    QTest::newRow("in with a depth") << int(rtInd) << 1 << 4 << 2 << 0 << QList{skygge, skygge, lys, lys}
                                     << QList{lys, lys, skygge, skygge};
    QTest::newRow("groove out") << int(rtRifletUd) << 1 << 4 << 1 << 4 << QList{lys, ramme, ramme, skygge}
                                << QList{skygge, ramme, ramme, lys};
    QTest::newRow("groove in, repeated") << int(rtRifletInd) << 1 << 5 << 1 << 3 << QList{skygge, ramme, lys, skygge, ramme, lys}
                                         << QList{lys, ramme, skygge, lys, ramme, skygge};
    QTest::newRow("groove without depth is flat") << int(rtRifletUd) << 1 << 2 << 0 << 0 << QList{ramme, ramme, felt}
                                                  << QList{ramme, ramme, felt};
}

void TegnedeTest::frames()
{
    QFETCH(int, art);
    QFETCH(int, state);
    QFETCH(int, bredde);
    QFETCH(QList<QColor>, venstre);
    QFETCH(QList<QColor>, hoejre);
    TRammeX r = maler();
    r.Art = TRammeType(art);
    r.Bredde = bredde;
    QFETCH(int, dybde);
    QFETCH(int, rifler);
    r.BreddeDybde = dybde;
    r.BreddeRifler = rifler;
    const QImage billede = tegn(r, state, false);
    for (int i = 0; i < venstre.size(); ++i) {
        QCOMPARE(billede.pixelColor(2 + i, 12), venstre[i]);
        QCOMPARE(billede.pixelColor(13 - i, 12), hoejre[i]);
    }
    // No outline outside the rectangle.
    QCOMPARE(billede.pixelColor(14, 12), QColor(Qt::white));
}

void TegnedeTest::focusRingAndOutline()
{
    TRammeX r = maler();
    r.Bredde = 1;
    const QImage billede = tegn(r, 3, true);
    // One ring more, raised as the "over" kind; the outline drawn over the outer ring with its
    // right and bottom edges a pixel further out.
    QCOMPARE(billede.pixelColor(2, 12), omrids);
    QCOMPARE(billede.pixelColor(3, 12), lys);
    QCOMPARE(billede.pixelColor(13, 12), skygge);
    QCOMPARE(billede.pixelColor(12, 12), skygge);
    QCOMPARE(billede.pixelColor(14, 12), omrids);
    QCOMPARE(billede.pixelColor(8, 24), omrids);
    QCOMPARE(billede.pixelColor(4, 12), felt);

    // A wider outline grows inwards.
    r.BreddeOmrids = 2;
    const QImage bred = tegn(r, 3, true);
    for (const int x : {2, 3, 13, 14})
        QCOMPARE(bred.pixelColor(x, 12), omrids);
    QCOMPARE(bred.pixelColor(4, 12), felt);
    r.BreddeOmrids = 1;

    r.FocusRamme = false;
    const QImage uden = tegn(r, 3, true);
    QCOMPARE(uden.pixelColor(2, 12), lys);
    QCOMPARE(uden.pixelColor(3, 12), felt);
    QCOMPARE(uden.pixelColor(14, 12), QColor(Qt::white));

    // KunRamme: the kind Art in the ring colour used last, no focus ring.
    QImage kun(20, 30, QImage::Format_RGB32);
    kun.fill(Qt::white);
    QPainter p(&kun);
    r.KunRamme(p, QRect(2, 2, 12, 22));
    QCOMPARE(kun.pixelColor(2, 12), over);
    QCOMPARE(kun.pixelColor(3, 12), felt);
}

void TegnedeTest::progressActsAcrossSteps()
{
    TProgressCompo bar;
    QSignalSpy spy(&bar, &TProgressCompo::OnProgress);
    for (int pos : {1, 4, 5, 9, 10, 150, 100, -5})
        bar.setPosition(pos);
    QList<int> raekke;
    for (const QList<QVariant>& haendelse : spy)
        raekke << haendelse.first().toInt();
    QCOMPARE(raekke, (QList<int>{5, 10, 100, 0}));
    QCOMPARE(bar.Position(), 0);
}

void TegnedeTest::shaftEvents()
{
    TRulskakt rul;
    rul.resize(16, 200);
    QSignalSpy spy(&rul, &TRulskakt::OnPosition);
    rul.NyePos(24, 30, 20);
    QCOMPARE(rul.Position(), 20);
    rul.NyPosition(40);  // outside the range: nothing
    QCOMPARE(rul.Position(), 20);
    rul.setPosMax(10);   // below the position: it follows
    QCOMPARE(rul.Position(), 10);
    QTest::keyClick(&rul, Qt::Key_Home);
    QTest::keyClick(&rul, Qt::Key_Home);
    QTest::keyClick(&rul, Qt::Key_Down);
    QTest::keyClick(&rul, Qt::Key_End);
    QList<int> raekke;
    for (const QList<QVariant>& haendelse : spy)
        raekke << haendelse.first().toInt();
    QCOMPARE(raekke, (QList<int>{10, 0, 1, 10}));

    // The end buttons step, the knob drags by whole steps.
    spy.clear();
    rul.NyePos(2, 10, 0);
    QTest::mouseClick(&rul, Qt::LeftButton, {}, QPoint(8, 195));
    QCOMPARE(rul.Position(), 1);
    const QRect knap = rul.knapRect();
    const double trin = rul.vaerdier().pixelsPrTrin(rul.sporLaengde());
    QTest::mousePress(&rul, Qt::LeftButton, {}, knap.center());
    QMouseEvent flyt(QEvent::MouseMove, knap.center() + QPoint(0, int(3.5 * trin)), rul.mapToGlobal(knap.center()), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&rul, &flyt);
    QTest::mouseRelease(&rul, Qt::LeftButton, {}, knap.center());
    QCOMPARE(rul.Position(), 4);
}

QTEST_MAIN(TegnedeTest)
#include "test_tegnede.moc"
