#include "app/designs.h"
#include "app/traelinjer.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

int afstand(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The colour of a button's text as drawn: the colour farthest from the most common colour inside
// its frame, the ground the text stands on.
QRgb tekstfarve(QWidget* knap)
{
    const QImage billede = knap->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect indre = billede.rect().adjusted(4, 4, -4, -4);
    QHash<QRgb, int> antal;
    for (int y = indre.top(); y <= indre.bottom(); ++y)
        for (int x = indre.left(); x <= indre.right(); ++x)
            ++antal[billede.pixel(x, y)];
    QRgb grund = 0;
    for (auto it = antal.cbegin(); it != antal.cend(); ++it)
        if (it.value() > antal.value(grund))
            grund = it.key();
    QRgb tekst = grund;
    for (auto it = antal.cbegin(); it != antal.cend(); ++it)
        if (afstand(it.key(), grund) > afstand(tekst, grund))
            tekst = it.key();
    return tekst;
}

}  // namespace

// In every design a button that cannot be pressed is drawn apart from one that can, and the button
// with the keyboard focus carries a mark; a flat button stands out under the mouse.
class DesignsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(new TraeLinjer); }
    void disabledAndFocusedButtonsShow_data();
    void disabledAndFocusedButtonsShow();
};

void DesignsTest::disabledAndFocusedButtonsShow_data()
{
    QTest::addColumn<QString>("design");
    for (const QString& navn : designNavne())
        QTest::newRow(qPrintable(navn)) << navn;
}

void DesignsTest::disabledAndFocusedButtonsShow()
{
    QFETCH(QString, design);
    QVERIFY(anvendDesignNavn(design));
    QWidget vindue;
    auto* layout = new QHBoxLayout(&vindue);
    // The kinds of button the windows use: a tool button showing an action, and a push button.
    const auto vaerktoejsknap = [&](bool aktiv) {
        auto* action = new QAction(QStringLiteral("Fjern program"), &vindue);
        action->setEnabled(aktiv);
        auto* knap = new QToolButton(&vindue);
        knap->setDefaultAction(action);
        layout->addWidget(knap);
        return knap;
    };
    const auto trykknap = [&](bool aktiv) {
        auto* knap = new QPushButton(QStringLiteral("Indfør program"), &vindue);
        knap->setEnabled(aktiv);
        layout->addWidget(knap);
        return knap;
    };
    const QList<std::pair<QWidget*, QWidget*>> par = {{vaerktoejsknap(true), vaerktoejsknap(false)},
                                                      {trykknap(true), trykknap(false)}};
    vindue.show();
    vindue.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&vindue));
    vindue.setAttribute(Qt::WA_KeyboardFocusChange);  // as a press of Tab leaves it: the focus is shown
    for (const auto& [aktiv, passiv] : par) {
        const QByteArray hvad = aktiv->metaObject()->className();
        QVERIFY2(afstand(tekstfarve(aktiv), tekstfarve(passiv)) > 60, hvad);
        aktiv->clearFocus();
        const QImage udenFokus = aktiv->grab().toImage();
        aktiv->setFocus(Qt::TabFocusReason);
        QVERIFY(aktiv->hasFocus());
        QVERIFY2(aktiv->grab().toImage() != udenFokus, hvad + " shows no focus");
    }
    // A flat button shows under the mouse that it can be pressed.
    QToolButton* flad = vaerktoejsknap(true);
    flad->setAutoRaise(true);
    const QImage hvilende = flad->grab().toImage();
    flad->setAttribute(Qt::WA_UnderMouse);
    QVERIFY(flad->grab().toImage() != hvilende);
}

QTEST_MAIN(DesignsTest)
#include "test_designs.moc"
