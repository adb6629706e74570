#include "app/programentry.h"
#include "app/tmainform.h"
#include "controls/tbibpan.h"
#include "controls/tprogresscompo.h"
#include "controls/trulskakt.h"
#include "explorer/twinform.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/galleri/galfarver.h"
#include "tools/galleri/tgalform.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

// The window "Billeder" in the running program: loading the current element's folder at a grid
// size, the counts' buttons, the colours, the selected picture's actions and its own window.
class BillederTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void loadsTheFolderOfTheCurrentFile();
    void countButtons();
    void emptyFolder();
    void colours_data();
    void colours();
    void markingAndDeleting();
    void narrowedWindow();
    void ownWindowPlace();
    void closingWhileReading();

private:
    Tmainform& main() { return entry->mainform(); }
    TGalForm* aabn();
    template <class T = QWidget>
    T* felt(const char* navn)
    {
        return form->findChild<T*>(QLatin1String(navn));
    }
    TBibPan* pan() { return felt<TBibPan>("BibPan"); }
    // Loads through a control and waits for the reading to end.
    void laes(const std::function<void()>& start);
    void skrivBilleder(const QString& mappe, int antal, const QString& navn = QStringLiteral("b"));
    // The grid buttons that stand pressed.
    QStringList trykkedeFeltknapper();

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    TGalForm* form = nullptr;
};

void BillederTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    main().setStifinderFabrik([](Tmainform& m) { return new Twinform(m); });
    registrerGalleri(main());
    main().opt.TryedBefore = true;
    entry->start();
    main().FormActivate();
    form = nullptr;
}

void BillederTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

TGalForm* BillederTest::aabn()
{
    main().hovedhandling("aBilledGal")->trigger();
    form = nullptr;
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* galleri = qobject_cast<TGalForm*>(vindue))
            form = galleri;
    if (!form)
        form = main().findChild<TGalForm*>();
    return form;
}

QStringList BillederTest::trykkedeFeltknapper()
{
    QStringList navne;
    for (const char* navn : {"Button1", "Button6", "Button7"})
        if (felt<QToolButton>(navn)->isChecked())
            navne.append(QLatin1String(navn));
    return navne;
}

void BillederTest::skrivBilleder(const QString& mappe, int antal, const QString& navn)
{
    QImage billede(40, 30, QImage::Format_RGB32);
    billede.fill(Qt::darkGreen);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    billede.save(&buffer, "JPG");
    for (int i = 0; i < antal; ++i)
        home->write(mappe + QString("/%1%2.jpg").arg(navn).arg(i, 2, 10, QChar('0')), data);
}

void BillederTest::laes(const std::function<void()>& start)
{
    start();
    QTRY_VERIFY_WITH_TIMEOUT(!pan()->Laeser(), 20000);
}

void BillederTest::loadsTheFolderOfTheCurrentFile()
{
    skrivBilleder("Billeder", 30);
    main().EditSti()->setText(*home / "Billeder/b03.jpg");
    QVERIFY(aabn());
    QVERIFY(!main().findChild<QGroupBox*>("openBilleder")->isEnabled());
    QVERIFY(qobject_cast<QMdiSubWindow*>(form->parentWidget())->isMaximized());
    QVERIFY(!felt("infoButton")->isVisibleTo(form));
    felt<QToolButton>("Button7")->click();
    // The count stands while the pictures are read, not only once all are.
    QCOMPARE(felt<QLineEdit>("antalEdit")->text(), "30");
    laes([] {});
    QCOMPARE(felt<QLineEdit>("mappeFelt")->text(), *home / "Billeder");
    QCOMPARE(pan()->AntalVandret() * pan()->AntalLodret(), 24);
    QCOMPARE(felt<QLineEdit>("BVedit")->text(), "4");
    QCOMPARE(felt<QLineEdit>("BLedit")->text(), "6");
    QCOMPARE(felt<QLineEdit>("antalEdit")->text(), "30");
    QCOMPARE(felt<TRulskakt>("BibRul")->PosMax(), 6);
    QCOMPARE(felt<QLabel>("Navnfelt")->text(), "b00.jpg");
    QCOMPARE(trykkedeFeltknapper(), QStringList{"Button7"});
    QTRY_COMPARE(felt<QLineEdit>("Breddefelt")->text(), "40");
    QCOMPARE(felt<QLineEdit>("Hojdefelt")->text(), "30");
    QCOMPARE(form->picFilnavn, *home / "Billeder/b00.jpg");
    QCOMPARE(felt<TProgressCompo>("StepPan")->Tekst(), "100%");
    QVERIFY(felt<QLabel>("BibFelt")->text().startsWith("Bredde: " + QString::number(pan()->FeltBredde()) + " Højde: "));

    // A colour change only repaints: nothing is read again.
    form->findChild<QAction*>("m05")->trigger();
    QVERIFY(!pan()->Laeser());
    QCOMPARE(pan()->Poster().size(), 30);
    QCOMPARE(pan()->FeltFarve(), QColor(160, 160, 160));

    // Keys page the panel, and the shaft follows; the shaft pages the panel.
    QTest::keyClick(pan(), Qt::Key_PageDown);
    QCOMPARE(pan()->StartNr(), 6);
    QCOMPARE(felt<TRulskakt>("BibRul")->Position(), 6);
    felt<TRulskakt>("BibRul")->MakeKnapPos(2);
    QCOMPARE(pan()->StartNr(), 2);

    // A menu size of 24 or more pictures: nothing to scroll.
    QMenu* menu = felt<QToolButton>("Button6")->menu();
    QCOMPARE(menu->objectName(), "PuNo2");
    laes([menu] { menu->actions().first()->trigger(); });
    QCOMPARE(pan()->Antal(), 30);
    QCOMPARE(felt<TRulskakt>("BibRul")->PosMax(), 0);
    QCOMPARE(main().opt.GBoxV, 9);
    QCOMPARE(main().opt.GBoxL, 11);
    QCOMPARE(trykkedeFeltknapper(), QStringList{"Button6"});
}

void BillederTest::countButtons()
{
    skrivBilleder("B", 5);
    main().EditSti()->setText(*home / "B");
    main().opt.GBoxV = 1;
    main().opt.GBoxL = 2;
    aabn();
    laes([this] { form->findChild<QAction*>("Amappe")->trigger(); });
    QCOMPARE(pan()->Poster().size(), 5);
    felt<QPushButton>("BVknapMinus")->click();
    QCOMPARE(felt<QLineEdit>("BVedit")->text(), "1");
    QCOMPARE(main().statusTekst(), "Et felt er mindste feltantal");
    // Plus empties the grid; loading fills it again at the new size.
    felt<QPushButton>("BLknapPlus")->click();
    QCOMPARE(felt<QLineEdit>("BLedit")->text(), "3");
    QVERIFY(pan()->Poster().isEmpty());
    QVERIFY(pan()->Bibliotek().isEmpty());
    laes([this] { felt<QPushButton>("BibKnap")->click(); });
    QCOMPARE(pan()->Poster().size(), 5);
    QCOMPARE(pan()->AntalLodret(), 3);
    QCOMPARE(main().opt.GBoxL, 3);
    QVERIFY(trykkedeFeltknapper().isEmpty());
    // The status line tells what a button does while the pointer is over it.
    QEvent ind(QEvent::Enter);
    QApplication::sendEvent(felt<QPushButton>("BLknapMinus"), &ind);
    QCOMPARE(main().statusTekst(), "Formindsk antallet af felter lodret.");
}

void BillederTest::emptyFolder()
{
    home->make({"tom/", "tom/tekst.txt", "tom/b.tif", "tom/c.svg"});
    main().EditSti()->setText(*home / "tom/tekst.txt");
    aabn();
    form->findChild<QAction*>("Amappe")->trigger();
    // The message names the kinds shown.
    const QString typer = QImageReader::supportedImageFormats().contains("webp") ? "bmp, jpg, ico, png, gif eller webp"
                                                                                : "bmp, jpg, ico, png eller gif";
    QCOMPARE(boxes->texts(), QStringList{"For at indlæse billeder skal der være valgt en billedfil af type " + typer
                                         + " i mappe-fil-strukturen, altså struktur 2."});
    QCOMPARE(felt<QLineEdit>("antalEdit")->text(), "0");
    QVERIFY(form->picFilnavn.isEmpty());
    QVERIFY(!form->findChild<QAction*>("AKopier")->isEnabled());
}

void BillederTest::colours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("bjaelke");
    QTest::newRow("Turkis") << 19 << QColor(255, 255, 255);
    QTest::newRow("Hvid") << 8 << QColor(0, 128, 255);
    QTest::newRow("Rød") << 17 << QColor(0, 255, 255);
    QTest::newRow("Himmelblå") << 7 << QColor(89, 181, 255);
}

void BillederTest::colours()
{
    QFETCH(int, index);
    aabn();
    form->findChild<QAction*>(galFarver()[index].menu)->trigger();
    QCOMPARE(pan()->FeltFarve(), galFarver()[index].farve);
    QTEST(felt<TProgressCompo>("StepPan")->ColorStep, "bjaelke");
    QCOMPARE(felt<TProgressCompo>("StepPan")->Color, galFarver()[index].farve);
    QCOMPARE(main().opt.colIndex, index);
    QCOMPARE(galFarve(20), QColor(Qt::transparent));
}

void BillederTest::markingAndDeleting()
{
    skrivBilleder("B", 3);
    home->make({"B/a.txt"});
    main().EditSti()->setText(*home / "B");
    aabn();
    laes([this] { form->loadBilleder(2, 2); });
    // A right click selects the picture and marks it in the explorer.
    const QRect felt1 = pan()->gitter().Felter[1].Indre;
    QTest::mouseClick(pan(), Qt::RightButton, {}, felt1.center());
    QCOMPARE(form->picFilnavn, *home / "B/b01.jpg");
    QTRY_COMPARE(main().EditSti()->text(), *home / "B/b01.jpg");

    // Deleting asks once, then trashes exactly that picture.
    boxes->shown.clear();
    form->findChild<QAction*>("ADelete")->trigger();
    QTRY_VERIFY(!QFileInfo::exists(*home / "B/b01.jpg"));
    QCOMPARE(boxes->texts(), QStringList{"Filnavn:\nb01.jpg\nSkal filen slettes til papirkurven?"});
    QVERIFY(QFileInfo::exists(*home / ".local/share/Trash/files/b01.jpg"));
    for (const char* navn : {"B/b00.jpg", "B/b02.jpg", "B/a.txt"})
        QVERIFY(QFileInfo::exists(*home / navn));

    // A picture hidden meanwhile is not listed by the explorer: nothing is deleted.
    QTest::mouseClick(pan(), Qt::LeftButton, {}, pan()->gitter().Felter[2].Indre.center());
    QCOMPARE(form->picFilnavn, *home / "B/b02.jpg");
    home->write("B/.hidden", "b02.jpg\n");
    form->findChild<QAction*>("ADelete")->trigger();
    QTest::qWait(200);
    for (const char* navn : {"B/b00.jpg", "B/b02.jpg", "B/a.txt"})
        QVERIFY(QFileInfo::exists(*home / navn));

    // A picture another program removed meanwhile is said to be gone, not met with silence.
    QTest::mouseClick(pan(), Qt::LeftButton, {}, pan()->gitter().Felter[0].Indre.center());
    QCOMPARE(form->picFilnavn, *home / "B/b00.jpg");
    QVERIFY(QFile::remove(*home / "B/b00.jpg"));
    boxes->shown.clear();
    form->findChild<QAction*>("ADelete")->trigger();
    // Read anew, the folder has no picture left to show (one trashed, one hidden, one gone).
    QCOMPARE(boxes->texts().value(1), QStringLiteral("Filen blev ikke fundet."));
    QVERIFY(pan()->Poster().isEmpty());
}

void BillederTest::narrowedWindow()
{
    const QString navn = QStringLiteral("ferie_på_bornholm_sommeren_2023_stranden_ved_dueodde_");
    skrivBilleder("B", 3, navn);
    main().EditSti()->setText(*home / "B");
    aabn();
    laes([this] { form->loadBilleder(2, 2); });
    auto* ramme = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    // The side panels are as wide as their controls need, in a wide and in a narrowed window;
    // the thumbnails have the rest.
    for (const int bredde : {1000, 700}) {
        ramme->showNormal();
        ramme->resize(bredde, 600);
        QCoreApplication::processEvents();
        for (const char* side : {"panelLeft", "panelRight"})
            QCOMPARE(felt(side)->width(), felt(side)->sizeHint().width());
        QCOMPARE(pan()->width() + felt<TRulskakt>("BibRul")->width(), felt("Navnfelt")->parentWidget()->width());
    }

    // A long file name loses its middle, its start and extension stay, its whole name is the hint.
    auto* filnavn = felt<QLabel>("Navnfelt");
    const QStringList dele = filnavn->text().split(QChar(0x2026));
    QVERIFY2(dele.size() == 2 && (navn + "00.jpg").startsWith(dele[0]) && dele[1].endsWith("00.jpg"), qPrintable(filnavn->text()));
    QCOMPARE(filnavn->toolTip(), navn + "00.jpg");

    // The selected picture is outlined in the design's highlight colour, 2 px wide (its right
    // and bottom edges a pixel further out, as every outline is drawn).
    QTest::mouseClick(pan(), Qt::LeftButton, {}, pan()->gitter().Felter[0].Indre.center());
    const QImage billede = pan()->grab().toImage();
    const QRect ydre = pan()->gitter().Felter[0].Ydre;
    const QPoint midt = ydre.center();
    const QColor hoejlys = form->palette().color(QPalette::Highlight);
    for (const int i : {0, 1})
        for (const QPoint p : {QPoint(ydre.left() + i, midt.y()), QPoint(midt.x(), ydre.top() + i),
                               QPoint(ydre.right() + i, midt.y()), QPoint(midt.x(), ydre.bottom() + i)})
            QVERIFY2(billede.pixelColor(p) == hoejlys, qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
}

void BillederTest::ownWindowPlace()
{
    main().opt.openBilleder = 1;
    const QString fil = main().folders.OptMappe + "Gallery.txt";
    QVERIFY(aabn()->isWindow());
    QCOMPARE(form->geometry(), QRect(20, 40, 900, 580));
    QCOMPARE(form->minimumWidth(), 900);
    QCOMPARE(form->maximumWidth(), 900);
    QVERIFY(felt("infoButton")->isVisibleTo(form));
    form->setGeometry(100, 120, 900, 640);
    form->findChild<QPushButton*>("ButtonLuk")->click();
    QTRY_COMPARE(platform::readTextLines(fil).value_or(QStringList()), (QStringList{"100", "120", "640"}));
    QTRY_VERIFY(main().findChild<QGroupBox*>("openBilleder")->isEnabled());
    QCOMPARE(aabn()->geometry(), QRect(100, 120, 900, 640));
}

void BillederTest::closingWhileReading()
{
    skrivBilleder("B", 60);
    main().EditSti()->setText(*home / "B");
    aabn();
    QPointer<TGalForm> vindue = form;
    form->findChild<QAction*>("Amappe")->trigger();
    form->findChild<QAction*>("Amappe")->trigger();
    form->findChild<QPushButton*>("ButtonLuk")->click();
    QTRY_VERIFY(vindue.isNull());
    QTest::qWait(100);
    QVERIFY(main().findChild<QGroupBox*>("openBilleder")->isEnabled());
}

QTEST_MAIN(BillederTest)
#include "test_galleri.moc"
