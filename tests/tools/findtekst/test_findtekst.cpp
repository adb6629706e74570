#include "app/kontroller.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "boxes/modalseam.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "tests/common/optagendeshell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/findtekst/tfindform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

// The window "Find tekst" in the running program: taking up the current element, searching,
// Stop, the rows' buttons, the page of types and the option file of its own window.
class FindtekstTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void takesUpTheCurrentElement();
    void searchListsHits();
    void stopKeepsHitsAndClosingStops();
    void openingRows();
    void typePage();
    void malformedTypeFileIsKept();
    void fileFromDisk();
    void ownWindowPlace();

private:
    Tmainform& main() { return entry->mainform(); }
    Tfindform* aabn(const QString& element);
    void soeg(Tfindform* form, const QString& ord);
    QAction* action(Tfindform* form, const char* navn) { return form->findChild<QAction*>(navn); }
    // Triggers an action once its enable rule, run at the next turn of the event loop, allows it.
    void udfoer(Tfindform* form, const char* navn);
    QTableView* liste(Tfindform* form) { return form->findChild<QTableView*>("findis"); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QList<OptagendeShell::Kald> kald;
    OptagendeShell* shell = nullptr;
    // b.txt is read until the search is stopped, as a large document would be.
    std::atomic_bool langsom = false;
    std::atomic_bool iGang = false;
};

void FindtekstTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    kald.clear();
    auto fake = std::make_unique<OptagendeShell>(&kald);
    shell = fake.get();
    platform::install<platform::Shell>(std::move(fake));
    langsom = false;
    iGang = false;
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    Tmainform& m = entry->mainform();
    m.registrerVaerktoej("findTekst", [this, &m] {
        return new Tfindform(m, m.opt.openTekstfiler == 0, [this](const QString& sti, const std::atomic_bool& stop) {
            if (langsom && sti.endsWith("b.txt")) {
                iGang = true;
                while (!stop)
                    QThread::msleep(1);
            }
            return laesDokument(sti, stop);
        });
    }, {"Findoptions.txt", {20, 40, 576, 728}});
    m.opt.TryedBefore = true;
    entry->start();
    m.FormActivate();
    home->write("d/a.txt", "kaffe og kaffe\nte");
    home->write("d/b.txt", "mere kaffe");
    home->write("d/c.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Kaffe Sans;}}bl\\'e5b\\'e6r og kaffe\\par}");
    home->write("d/under/d.txt", "kaffe");
}

void FindtekstTest::cleanup()
{
    entry.reset();
    platform::install<platform::Shell>(nullptr);
    boxes.reset();
    home.reset();
}

Tfindform* FindtekstTest::aabn(const QString& element)
{
    main().EditSti()->setText(element);
    main().hovedhandling("findTekst")->trigger();
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Tfindform*>(vindue))
            return form;
    return main().findChild<Tfindform*>();
}

void FindtekstTest::udfoer(Tfindform* form, const char* navn)
{
    QTRY_VERIFY(action(form, navn)->isEnabled());
    action(form, navn)->trigger();
}

void FindtekstTest::soeg(Tfindform* form, const QString& ord)
{
    form->findChild<QComboBox*>("EditFind")->setEditText(ord);
    udfoer(form, "AfindBib");
    QTRY_VERIFY(!form->soeger());
}

void FindtekstTest::takesUpTheCurrentElement()
{
    Tfindform* form = aabn(*home / "d/a.txt");
    QVERIFY(form);
    auto* sider = form->findChild<QTabWidget*>("sider");
    QCOMPARE(form->findChild<QLineEdit*>("dirEdit")->text(), *home / "d/");
    QCOMPARE(sider->currentIndex(), 0);
    QCOMPARE(form->findChild<QComboBox*>("filterBoks")->currentText(), "Tekstfil (*.txt)");
    QVERIFY(boxes->shown.isEmpty());
    QVERIFY(!main().findChild<QGroupBox*>("openTekstfiler")->isEnabled());

    // Coming back to the window is no new request; the action is.
    home->write("d/e.xyz", "");
    main().EditSti()->setText(*home / "d/e.xyz");
    form->activateWindow();
    main().FormActivate();
    QCoreApplication::processEvents();
    QVERIFY(boxes->shown.isEmpty());
    main().hovedhandling("findTekst")->trigger();
    QCOMPARE(boxes->texts(), QStringList{"Filtypen er ikke registreret.\nDu må selv registrere filtypen, hvis der er tale om en tekstfil."});
    QCOMPARE(sider->currentIndex(), 1);

    aabn(*home / "d/under");
    QCOMPARE(boxes->texts().last(), "Der er ikke registreret en filtype.\nBestem hvilken filtype, der skal søges i.");
    QCOMPARE(form->findChild<QLineEdit*>("dirEdit")->text(), *home / "d/under/");
    QCOMPARE(sider->currentIndex(), 0);

    // The type of a file the main window asks for.
    main().EditSti()->setText(*home / "d/c.rtf");
    QVERIFY(form->visType("*.RTF"));
    QCOMPARE(form->findChild<QComboBox*>("filterBoks")->currentText(), "Rich Text (*.rtf)");
    QVERIFY(!form->visType("*.xyz"));
    QCOMPARE(boxes->shown.size(), 2);
}

void FindtekstTest::searchListsHits()
{
    Tfindform* form = aabn(*home / "d/a.txt");
    QVERIFY(!action(form, "AfindBib")->isEnabled() || form->findChild<QComboBox*>("EditFind")->currentText().isEmpty());
    soeg(form, "KAFFE");
    QTableView* findis = liste(form);
    QCOMPARE(findis->model()->rowCount(), 3);
    QCOMPARE(form->findChild<QLabel*>("countdis")->text(), "3");
    const auto celle = [findis](int r, int c) { return findis->model()->index(r, c).data().toString(); };
    QCOMPARE(celle(0, 0), *home / "d/a.txt");
    QCOMPARE(celle(1, 1), "9");
    QCOMPARE(celle(1, 2), "kaffe og kaffe");
    QCOMPARE(celle(2, 0), *home / "d/b.txt");
    QCOMPARE(findis->model()->index(2, 0).data(Qt::ToolTipRole).toString(), *home / "d/b.txt");

    // The document and the line share the list's width as the window's width changes.
    auto* ramme = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    ramme->showNormal();
    // The columns' widths and the list's, at a width of the window.
    const auto bredder = [findis, ramme](int bredde) {
        ramme->resize(bredde, 500);
        QCoreApplication::processEvents();
        return QList<int>{findis->columnWidth(0), findis->columnWidth(1), findis->columnWidth(2), findis->viewport()->width()};
    };
    const QList<int> smal = bredder(500);
    const QList<int> bred = bredder(900);
    for (const QList<int>& b : {smal, bred})
        QCOMPARE(b[0] + b[1] + b[2], b[3]);
    QVERIFY(bred[0] - smal[0] >= 150 && bred[2] - smal[2] >= 150);
    ramme->showMaximized();

    // RTF documents by their text; the history keeps each search text once.
    form->findChild<QComboBox*>("filterBoks")->setCurrentText("Rich Text (*.rtf)");
    soeg(form, "blåbær");
    QCOMPARE(findis->model()->rowCount(), 1);
    QCOMPARE(celle(0, 2), "blåbær og kaffe");
    form->findChild<QCheckBox*>("Check2")->setChecked(true);
    soeg(form, "Kaffe");
    QCOMPARE(findis->model()->rowCount(), 0);
    soeg(form, "blåbær");
    QCOMPARE(form->findChild<QComboBox*>("EditFind")->count(), 3);

    // Removing rows: the row at the removed place is chosen next, or the one before the end.
    form->findChild<QCheckBox*>("Check2")->setChecked(false);
    form->findChild<QComboBox*>("filterBoks")->setCurrentText("Tekstfil (*.txt)");
    soeg(form, "kaffe");
    findis->selectRow(1);
    udfoer(form, "Afjern");
    QCOMPARE(findis->model()->rowCount(), 2);
    QCOMPARE(findis->selectionModel()->selectedRows().value(0).row(), 1);
    udfoer(form, "Afjern");
    QCOMPARE(findis->selectionModel()->selectedRows().value(0).row(), 0);
    QCOMPARE(form->findChild<QLabel*>("countdis")->text(), "1");
    udfoer(form, "AsletAlt");
    QCOMPARE(findis->model()->rowCount(), 0);
    QCOMPARE(form->findChild<QComboBox*>("EditFind")->currentText(), QString());
}

void FindtekstTest::stopKeepsHitsAndClosingStops()
{
    langsom = true;
    Tfindform* form = aabn(*home / "d/a.txt");
    QAction* findBib = action(form, "AfindBib");
    form->findChild<QComboBox*>("EditFind")->setEditText("kaffe");
    findBib->trigger();
    QTRY_VERIFY(iGang);
    QCOMPARE(findBib->text(), "Stop");
    QCOMPARE(findBib->toolTip(), "Stop søgningen");
    QTRY_COMPARE(form->findChild<QLabel*>("countdis")->text(), "2");
    QTest::keyClick(form, Qt::Key_Escape);
    QTRY_VERIFY(!form->soeger());
    QCOMPARE(findBib->text(), "Find i bibliotek");
    QCOMPARE(liste(form)->model()->rowCount(), 2);
    QVERIFY(boxes->shown.isEmpty());

    // Closing while a search runs stops it; the window goes at once.
    iGang = false;
    findBib->trigger();
    QTRY_VERIFY(iGang);
    QPointer<Tfindform> vindue = form;
    QElapsedTimer tid;
    tid.start();
    form->findChild<QPushButton*>("ButtonLuk")->click();
    QTRY_VERIFY(vindue.isNull());
    QVERIFY(tid.elapsed() < 1000);
    QVERIFY(main().findChild<QGroupBox*>("openTekstfiler")->isEnabled());
}

void FindtekstTest::openingRows()
{
    home->write("d/et \"citat\" dok.txt", "kaffe kaffe");
    const QString dok = *home / "d/et \"citat\" dok.txt";
    Tfindform* form = aabn(dok);
    soeg(form, "kaffe");
    QTableView* findis = liste(form);
    QCOMPARE(findis->model()->rowCount(), 5);  // a.txt twice, b.txt, the document twice

    // Open all: the chosen program gets the selected rows' documents in row order, each whole.
    main().opt.exeProgram = "/usr/bin/redigering";
    findis->selectionModel()->select(QItemSelection(findis->model()->index(3, 0), findis->model()->index(4, 2)),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    udfoer(form, "AopenAll");
    QCOMPARE(boxes->shown.last().text,
             "Der er 2 dokumenter i listen.\nDe forsøges åbnet med valgte program:\nredigering\nSkal de alle åbnes?");
    QVERIFY(!boxes->shown.last().alleCheckVisible);
    QCOMPARE(kald.size(), 1);
    QCOMPARE(kald[0].sti, "/usr/bin/redigering");
    QCOMPARE(kald[0].argumenter, (QStringList{dok, dok}));
    boxes->answer(QDialog::Rejected);
    findis->selectRow(2);
    udfoer(form, "AopenAll");
    QCOMPARE(boxes->shown.last().text, "Der er valgt et dokument i listen.\nSkal det åbnes med redigering");
    QCOMPARE(kald.size(), 1);

    // Open for editing, falling back on open; a failure of both is explained.
    shell->editSvar = platform::shellIngenTilknytning;
    const QPoint foersteRaekke = findis->visualRect(findis->model()->index(0, 0)).center();
    QTest::mouseClick(findis->viewport(), Qt::LeftButton, {}, foersteRaekke);
    QTest::mouseDClick(findis->viewport(), Qt::LeftButton, {}, foersteRaekke);
    QCOMPARE(kald.size(), 3);
    QCOMPARE(kald[1].verb, "edit");
    QCOMPARE(kald[2].verb, "open");
    QCOMPARE(kald[2].sti, *home / "d/a.txt");
    const int vist = int(boxes->shown.size());
    shell->openSvar = platform::shellIngenTilknytning;
    udfoer(form, "AvisValgte");
    QCOMPARE(boxes->shown.size(), vist + 1);

    // Run, and a document that is gone.
    shell->openSvar = platform::shellStartet;
    findis->selectRow(2);
    udfoer(form, "ArunValgte");
    QCOMPARE(kald.last().sti, *home / "d/b.txt");
    QFile::remove(*home / "d/b.txt");
    udfoer(form, "ArunValgte");
    QCOMPARE(boxes->texts().last(), "Filen blev ikke fundet.\n");
    udfoer(form, "AvisValgte");
    QCOMPARE(boxes->texts().last(), "Filen blev ikke fundet.");
}

void FindtekstTest::typePage()
{
    Tfindform* form = aabn(*home / "d/a.txt");
    const QString fil = main().folders.OptMappe + "Filtertyper.txt";
    QCOMPARE(platform::readTextLines(fil)->size(), 36);
    auto* typeliste = form->findChild<QTreeWidget*>("typeliste");
    auto* gem = form->findChild<QPushButton*>("gemButton");
    auto* filterBoks = form->findChild<QComboBox*>("filterBoks");
    QCOMPARE(filterBoks->count(), 11);
    QVERIFY(!gem->isEnabled());

    form->findChild<QLineEdit*>("tekstedit")->setText("Markdown");
    form->findChild<QLineEdit*>("typeedit")->setText("TXT");
    QTest::keyClick(form->findChild<QLineEdit*>("typeedit"), Qt::Key_Return);
    QCOMPARE(typeliste->topLevelItem(12)->text(1), "*.TXT");
    QVERIFY(form->findChild<QLineEdit*>("typeedit")->text().isEmpty());
    form->findChild<QPushButton*>("indfoerButton")->click();
    QCOMPARE(boxes->texts().last(), "Både tekst og type skal udfyldes.");
    QTRY_VERIFY(gem->isEnabled());

    // Moving and removing, then saving: the file holds the list as it stands.
    typeliste->setCurrentItem(typeliste->topLevelItem(12));
    udfoer(form, "Aop");
    QCOMPARE(typeliste->topLevelItem(11)->text(0), "Markdown");
    typeliste->setCurrentItem(typeliste->topLevelItem(0));
    boxes->answer(QDialog::Rejected);
    form->findChild<QPushButton*>("sletButton")->click();
    QCOMPARE(boxes->texts().last(), "Skal filtypen:\nHjemmeside\nslettes permanent?");
    QCOMPARE(typeliste->topLevelItemCount(), 13);
    form->findChild<QPushButton*>("sletButton")->click();
    QCOMPARE(typeliste->topLevelItemCount(), 12);
    gem->click();
    const QStringList linjer = *platform::readTextLines(fil);
    QCOMPARE(linjer.size(), 36);
    QCOMPARE(linjer.mid(30, 3), (QStringList{"Markdown", "*.TXT", "1"}));
    QCOMPARE(filterBoks->itemText(9), "Markdown (*.TXT)");
    QTRY_VERIFY(!gem->isEnabled());

    // No ticked type: an empty filter box that drops down nothing, and a search that says why.
    for (int i = 0; i < typeliste->topLevelItemCount(); ++i)
        typeliste->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
    QTRY_VERIFY(gem->isEnabled());
    gem->click();
    QCOMPARE(filterBoks->count(), 0);
    QCOMPARE(filterBoks->maxVisibleItems(), 0);
    QVERIFY(!form->visType("*.txt"));
    form->findChild<QComboBox*>("EditFind")->setEditText("kaffe");
    udfoer(form, "AfindBib");
    QCOMPARE(boxes->texts().last(), "Der er ikke registreret en filtype.\nBestem hvilken filtype, der skal søges i.");

    form->findChild<QPushButton*>("standardButton")->click();
    QCOMPARE(*platform::readTextLines(fil), linjerFraFiltertyper(standardFiltertyper()));
    QCOMPARE(filterBoks->count(), 11);
    QTRY_VERIFY(!gem->isEnabled());
}

void FindtekstTest::malformedTypeFileIsKept()
{
    home->make({".qvm/"});
    const QString fil = main().folders.OptMappe + "Filtertyper.txt";
    QVERIFY(platform::writeTextLines(fil, {"Tekst", "*.txt", "1", "halv"}));
    Tfindform* form = aabn(*home / "d/a.txt");
    QCOMPARE(form->findChild<QTreeWidget*>("typeliste")->topLevelItemCount(), 12);
    lukVindue(form);
    QCOMPARE(*platform::readTextLines(fil), (QStringList{"Tekst", "*.txt", "1", "halv"}));
}

void FindtekstTest::fileFromDisk()
{
    Tfindform* form = aabn(*home / "d/under");
    QString valgt = *home / "d/c.rtf";
    boxes.reset();
    modalseam::install([&valgt](QDialog& box) {
        auto* dialog = qobject_cast<QFileDialog*>(&box);
        if (!dialog)
            return int(QDialog::Accepted);
        dialog->selectFile(valgt);
        return int(QDialog::Accepted);
    });
    form->findChild<QPushButton*>("vaelgFilButton")->click();
    modalseam::install({});
    boxes = std::make_unique<ScriptedBoxes>();
    QCOMPARE(form->findChild<QLineEdit*>("dirEdit")->text(), *home / "d/");
    QCOMPARE(form->findChild<QComboBox*>("filterBoks")->currentText(), "Rich Text (*.rtf)");
}

void FindtekstTest::ownWindowPlace()
{
    main().opt.openTekstfiler = 1;
    const QString fil = main().folders.OptMappe + "Findoptions.txt";
    QVERIFY(platform::writeTextLines(fil, {"30", "50", "500", "700", "99"}));
    Tfindform* form = aabn(*home / "d/under");
    QVERIFY(form->isWindow());
    QCOMPARE(form->geometry(), QRect(30, 50, 700, 500));
    QCOMPARE(form->findChild<QComboBox*>("filterBoks")->currentIndex(), 0);  // past the box
    QVERIFY(form->findChild<QPushButton*>("infoButton")->isVisibleTo(form));
    form->findChild<QComboBox*>("filterBoks")->setCurrentIndex(3);
    form->close();
    QTRY_COMPARE(platform::readTextLines(fil)->value(4), "3");
    QCOMPARE(platform::readTextLines(fil)->size(), 5);
}

QTEST_MAIN(FindtekstTest)
#include "test_findtekst.moc"
