#include "boxes/modalseam.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "tests/common/scriptedboxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QtTest>

class BoxesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void infoBoxSizesToItsText();
    void questionBoxAnswersAndAlleCheck();
    void carriageReturnsBreakLines();
};

void BoxesTest::infoBoxSizesToItsText()
{
    QMainWindow main;
    Tinfform box(&main);
    QCOMPARE(box.windowTitle(), QStringLiteral("Information"));
    auto* label = box.findChild<QLabel*>(QStringLiteral("tekstLabel"));
    QCOMPARE(label->font().pointSize(), 8);

    int pointsWhileShown = 0;
    QList<QSize> sizes;
    modalseam::install([&](QDialog& shown) -> int {
        pointsWhileShown = label->font().pointSize();
        sizes.append(shown.size());
        return QDialog::Accepted;
    });
    box.sig(QStringLiteral("Kort."));
    QCOMPARE(pointsWhileShown, 10);
    QCOMPARE(label->font().pointSize(), 8);
    QCOMPARE(box.tekst(), QString());
    box.sig(QStringLiteral("En meget længere tekst, der fylder flere linjer i boksen,\nfordi den også har "
                           "linjeskift\nog \"citater\" og <b>ingen</b> HTML."));
    modalseam::install({});
    QCOMPARE(sizes[0].width(), 339);
    QVERIFY(sizes[0].height() >= 80);
    QVERIFY(sizes[1].height() > sizes[0].height());
}

void BoxesTest::questionBoxAnswersAndAlleCheck()
{
    QMainWindow main;
    Tspform box(&main);
    QCOMPARE(box.windowTitle(), QStringLiteral("Spørgsmål"));
    QVERIFY(!box.alleCheck()->isVisibleTo(&box));

    ScriptedBoxes boxes;
    boxes.answer(QDialog::Accepted);
    boxes.answer(QDialog::Rejected, true);
    boxes.answer(QDialog::Accepted);
    QVERIFY(box.spoerg(QStringLiteral("Slet?")));
    box.alleCheck()->setVisible(true);
    box.alleCheck()->setChecked(true);
    QVERIFY(!box.spoerg(QStringLiteral("Slet?")));
    QVERIFY(box.alleCheck()->isChecked());  // the caller reads the answer after the box
    // The box itself never hides the check box; every showing starts it unchecked.
    QVERIFY(box.spoerg(QStringLiteral("Slet?")));
    QVERIFY(!box.alleCheck()->isChecked());
    QVERIFY(box.alleCheck()->isVisibleTo(&box));

    QCOMPARE(boxes.shown.size(), 3);
    QCOMPARE(boxes.shown[0].text, QStringLiteral("Slet?"));
    QVERIFY(!boxes.shown[0].alleCheckVisible);
    QVERIFY(boxes.shown[1].alleCheckVisible);
    QCOMPARE(boxes.shown[1].size.height() - boxes.shown[0].size.height(), Tspform::alleCheckHeight);
}

void BoxesTest::carriageReturnsBreakLines()
{
    QMainWindow main;
    Tinfform box(&main);
    auto* label = box.findChild<QLabel*>(QStringLiteral("tekstLabel"));
    const QString tekst = QStringLiteral("Mappen\r/hjem/a\r\nkan ikke kopieres.");
    QString vist, givet;
    modalseam::install([&](QDialog&) -> int {
        vist = label->text();
        givet = box.tekst();
        return QDialog::Accepted;
    });
    box.sig(tekst);
    modalseam::install({});
    QCOMPARE(vist.split(u'\n'), QStringList({"Mappen", "/hjem/a", "kan ikke kopieres."}));
    QVERIFY(!vist.contains(u'\r'));
    QCOMPARE(givet, tekst);  // the caller's text is kept as given
}

QTEST_MAIN(BoxesTest)
#include "test_boxes.moc"
