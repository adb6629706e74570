#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/twinform.h"
#include "platform/textfile.h"
#include "tree/tstrukturcompo.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/kalender/datoforskelside.h"
#include "tools/kalender/datogruppe.h"
#include "tools/kalender/helligdagspanel.h"
#include "tools/kalender/kalenderfiler.h"
#include "tools/kalender/tkalenderform.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

// The window "Kalender" in the running program: both ways of opening, the date groups, the notes
// of the dates, the dated folders, the calendar folder, the date difference and the holidays.
class KalenderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void insideTheFrame();
    void ownWindowPlace();
    void dateGroups();
    void notes();
    void noteNameWhateverTheLanguage();
    void unsavedNoteOnDateChange();
    void unsavedNoteWhenClosing();
    void datedFolder();
    void calendarFolder();
    void dateDifference();
    void findDates();

private:
    Tmainform& main() { return entry->mainform(); }
    Tkalenderform* aabn();
    template <class T = QWidget>
    T* felt(const char* navn) { return form->findChild<T*>(QLatin1String(navn)); }
    void klik(const char* navn) { felt<QPushButton>(navn)->click(); }
    void skriv(const char* navn, const QString& tekst) { felt<QLineEdit>(navn)->setText(tekst); }
    QPlainTextEdit* memo() { return felt<QPlainTextEdit>("kalnotatMemo"); }
    QAction* action(const char* navn) { return form->findChild<QAction*>(QLatin1String(navn)); }
    // Triggers an action once its enable rule, run at the next turn of the event loop, allows it.
    void udfoer(const char* navn)
    {
        QTRY_VERIFY(action(navn)->isEnabled());
        action(navn)->trigger();
    }
    void vaelg(const QDate& dato) { form->kalenderGruppe()->vaelg(dato); }
    QString notat(const QString& navn) { return main().folders.brugerNotatMappe + u'/' + navn; }
    // Types a note into the note field as the user does.
    void skrivNotat(const QString& tekst) { QTest::keyClicks(memo(), tekst); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    Tkalenderform* form = nullptr;
};

void KalenderTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    main().setStifinderFabrik([](Tmainform& m) { return new Twinform(m); });
    registrerKalender(main());
    main().opt.TryedBefore = true;
    entry->start();
    main().FormActivate();
    form = nullptr;
}

void KalenderTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
}

Tkalenderform* KalenderTest::aabn()
{
    main().hovedhandling("visKalender")->trigger();
    form = nullptr;
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* kalender = qobject_cast<Tkalenderform*>(vindue))
            form = kalender;
    if (!form)
        form = main().findChild<Tkalenderform*>();
    return form;
}

void KalenderTest::insideTheFrame()
{
    QVERIFY(aabn());
    QVERIFY(!form->isWindow());
    QCOMPARE(form->windowTitle(), "Kalender");
    QVERIFY(qobject_cast<QMdiSubWindow*>(form->parentWidget())->isMaximized());
    QVERIFY(!felt("infoButton")->isVisibleTo(form));
    QVERIFY(!main().findChild<QGroupBox*>("openKalender")->isEnabled());
    QCOMPARE(main().tc()->tabText(main().tc()->currentIndex()), "Kalender");
    auto* bog = felt<QTabWidget>("kalenderBog");
    QCOMPARE(bog->tabText(0), "Kalender");
    QCOMPARE(bog->tabText(1), "Datoforskelle");
    QCOMPARE(bog->widget(0)->objectName(), "Side1");
    QCOMPARE(bog->widget(1)->objectName(), "Side2");
    for (const char* navn : {"kalender", "kalender1", "kalender2"}) {
        auto* grid = felt<QCalendarWidget>(navn);
        QCOMPARE(grid->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(grid->selectedDate(), QDate::currentDate());
    }
    const QString iDag = "I dag: " + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    for (const char* navn : {"datoLabel", "dato1Label", "dato2Label"})
        QCOMPARE(felt<QPushButton>(navn)->text(), iDag);
    QCOMPARE(memo()->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QCOMPARE(felt<QLineEdit>("mappeEdit")->text(), main().folders.brugerKalenderMappe);
    QCOMPARE(felt<QLineEdit>("yearEdit")->maxLength(), 4);
    QCOMPARE(felt<QLineEdit>("day2Edit")->maxLength(), 2);
    QVERIFY(!action("aMemoGem")->isEnabled());
    QVERIFY(!action("aMemoSlet")->isEnabled());

    // Asking again shows the same window; closing gives the choice of way back.
    QCOMPARE(aabn(), form);
    QPointer<Tkalenderform> vindue = form;
    klik("ButtonLuk");
    QTRY_VERIFY(vindue.isNull());
    QVERIFY(main().findChild<QGroupBox*>("openKalender")->isEnabled());
    QCOMPARE(main().tc()->count(), 1);  // "Stifinder 1"
}

void KalenderTest::ownWindowPlace()
{
    main().opt.openKalender = 1;
    const QString fil = main().folders.OptMappe + "kalender.txt";
    QVERIFY(!QFileInfo::exists(fil));
    QVERIFY(aabn()->isWindow());
    QCOMPARE(form->geometry(), QRect(20, 40, 940, 550));
    QCOMPARE(form->minimumSize(), QSize(940, 550));
    QCOMPARE(form->maximumSize(), QSize(940, 550));
    QVERIFY(felt("infoButton")->isVisibleTo(form));
    QVERIFY(!main().findChild<QGroupBox*>("openKalender")->isEnabled());
    // A folder handed to an explorer brings the frame forward over the window.
    form->activateWindow();
    QTRY_VERIFY(form->isActiveWindow());
    klik("ButtonOpretMappe");
    QTRY_VERIFY(main().isActiveWindow());
    const Datomappe iDag = opretDatomappe(main().folders.brugerKalenderMappe, QDate::currentDate());
    QCOMPARE(main().EditSti()->text(), iDag.dagMappe);
    form->move(130, 70);
    const QPoint sted = form->geometry().topLeft();
    form->close();
    QTRY_COMPARE(platform::readTextLines(fil).value_or(QStringList()),
                 (QStringList{QString::number(sted.x()), QString::number(sted.y())}));
    QTRY_VERIFY(main().findChild<QGroupBox*>("openKalender")->isEnabled());

    QVERIFY(platform::writeTextLines(fil, {"300", "200"}));
    QCOMPARE(aabn()->geometry(), QRect(300, 200, 940, 550));
}

void KalenderTest::dateGroups()
{
    aabn();
    Datogruppe* gruppe = form->kalenderGruppe();
    const auto felter = [this] {
        return QStringList{felt<QLineEdit>("dayEdit")->text(), felt<QLineEdit>("monthEdit")->text(),
                           felt<QLineEdit>("yearEdit")->text()};
    };
    const auto opdater = [this](const QString& dag, const QString& maaned, const QString& aar) {
        skriv("dayEdit", dag);
        skriv("monthEdit", maaned);
        skriv("yearEdit", aar);
        klik("opdaterKnap");
    };
    gruppe->vaelg(QDate(2013, 2, 15));
    QCOMPARE(felter(), (QStringList{"15", "2", "2013"}));

    // Day, month and year are taken together; the fields then show the grid.
    opdater("31", "03", "2013");
    QCOMPARE(gruppe->dato(), QDate(2013, 3, 31));
    QCOMPARE(felter(), (QStringList{"31", "3", "2013"}));
    QCOMPARE(felt<QCalendarWidget>("kalender")->monthShown(), 3);
    opdater("31", "2", "2013");
    QCOMPARE(gruppe->dato(), QDate(2013, 2, 28));
    opdater("0", "13", "2016");
    QCOMPARE(gruppe->dato(), QDate(2016, 2, 28));
    QCOMPARE(felter(), (QStringList{"28", "2", "2016"}));
    opdater("29", "", "");
    QCOMPARE(gruppe->dato(), QDate(2016, 2, 29));
    // The fields take digits only, and Enter in one of them updates too.
    QTest::keyClicks(felt<QLineEdit>("dayEdit"), "x");
    QCOMPARE(felt<QLineEdit>("dayEdit")->text(), "29");
    skriv("dayEdit", "7");
    QTest::keyClick(felt<QLineEdit>("dayEdit"), Qt::Key_Return);
    QCOMPARE(gruppe->dato(), QDate(2016, 2, 7));

    // A month keeps the day or takes the month's last day; a year makes 29 February the 28th.
    gruppe->vaelg(QDate(2013, 1, 31));
    klik("mNext");
    QCOMPARE(gruppe->dato(), QDate(2013, 2, 28));
    klik("mPrev");
    QCOMPARE(gruppe->dato(), QDate(2013, 1, 28));
    gruppe->vaelg(QDate(2016, 2, 29));
    klik("yNext");
    QCOMPARE(gruppe->dato(), QDate(2017, 2, 28));
    klik("yPrev");
    QCOMPARE(gruppe->dato(), QDate(2016, 2, 28));
    gruppe->vaelg(QDate(9999, 12, 31));
    klik("mNext");
    klik("yNext");
    QCOMPARE(gruppe->dato(), QDate(9999, 12, 31));
    klik("datoLabel");
    QCOMPARE(gruppe->dato(), QDate::currentDate());

    // The groups of the page of date differences work on their own grids.
    form->datoforskelle()->gruppe2()->vaelg(QDate(2020, 5, 1));
    skriv("day1Edit", "31");
    skriv("month1Edit", "12");
    skriv("year1Edit", "1999");
    klik("opdater1Knap");
    QCOMPARE(form->datoforskelle()->gruppe1()->dato(), QDate(1999, 12, 31));
    klik("m2Prev");
    QCOMPARE(form->datoforskelle()->gruppe2()->dato(), QDate(2020, 4, 1));
    QCOMPARE(felt<QLineEdit>("month2Edit")->text(), "4");
    QCOMPARE(gruppe->dato(), QDate::currentDate());
}

void KalenderTest::notes()
{
    aabn();
    vaelg(QDate(2013, 10, 30));
    skrivNotat("kaffe");
    memo()->appendPlainText("og te\n");
    udfoer("aMemoGem");
    const QString fil = notat("30-10-2013.txt");
    QCOMPARE(platform::readTextLines(fil).value_or(QStringList()), (QStringList{"kaffe", "og te", ""}));
    QCOMPARE(form->memoFilename, fil);
    QTRY_VERIFY(!action("aMemoGem")->isEnabled());
    QVERIFY(action("aMemoSlet")->isEnabled());

    // Another date has no note; the first date's comes back whole.
    vaelg(QDate(2013, 10, 31));
    QCOMPARE(memo()->toPlainText(), QString());
    QCOMPARE(form->memoFilename, QString());
    QTRY_VERIFY(!action("aMemoSlet")->isEnabled());
    vaelg(QDate(2013, 10, 30));
    QCOMPARE(memo()->toPlainText(), "kaffe\nog te\n");
    QVERIFY(!memo()->document()->isModified());
    QTRY_VERIFY(action("aMemoSlet")->isEnabled());
    QVERIFY(boxes->shown.isEmpty());

    // Slet removes the date's file.
    udfoer("aMemoSlet");
    QVERIFY(!QFileInfo::exists(fil));
    QCOMPARE(memo()->toPlainText(), QString());
    QTRY_VERIFY(!action("aMemoSlet")->isEnabled());

    // A note written on Windows loads in its own characters.
    QFile ansi(notat("01-11-2013.txt"));
    QVERIFY(ansi.open(QIODevice::WriteOnly));
    ansi.write("bl\xe5""b\xe6r\r\nk\xf8""d\r\n");
    ansi.close();
    vaelg(QDate(2013, 11, 1));
    QCOMPARE(memo()->toPlainText(), "blåbær\nkød");
}

void KalenderTest::noteNameWhateverTheLanguage()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    aabn();
    vaelg(QDate(2013, 10, 30));
    skrivNotat("coffee");
    udfoer("aMemoGem");
    QCOMPARE(QDir(main().folders.brugerNotatMappe).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"30-10-2013.txt"});
}

void KalenderTest::unsavedNoteOnDateChange()
{
    aabn();
    vaelg(QDate(2013, 10, 30));
    skrivNotat("glemt");
    boxes->answer(QDialog::Rejected);
    vaelg(QDate(2013, 10, 31));
    QCOMPARE(boxes->texts(), QStringList{"Dagens notater er ikke gemt.\nSkal de gemmes?"});
    QVERIFY(!QFileInfo::exists(notat("30-10-2013.txt")));
    QCOMPARE(memo()->toPlainText(), QString());

    // "Ja" saves to the date the note was written for, whichever way the date changes.
    skrivNotat("husk");
    form->kalenderGruppe()->flytMaaneder(1);
    QCOMPARE(boxes->shown.size(), 2);
    QCOMPARE(platform::readTextLines(notat("31-10-2013.txt")).value_or(QStringList()), QStringList{"husk"});
    QCOMPARE(form->kalenderGruppe()->dato(), QDate(2013, 11, 30));

    // A note that cannot be saved keeps its date and its text.
    skrivNotat("vigtigt");
    QDir(main().folders.brugerNotatMappe).removeRecursively();
    home->write(QDir(home->path()).relativeFilePath(main().folders.brugerNotatMappe), "en fil i vejen");
    klik("mNext");
    QCOMPARE(boxes->texts().last(), "Notatet kunne ikke gemmes:\n" + notat("30-11-2013.txt"));
    QCOMPARE(form->kalenderGruppe()->dato(), QDate(2013, 11, 30));
    QCOMPARE(felt<QLineEdit>("monthEdit")->text(), "11");
    QCOMPARE(memo()->toPlainText(), "vigtigt");
    QVERIFY(memo()->document()->isModified());
}

void KalenderTest::unsavedNoteWhenClosing()
{
    // The window's own close asks.
    aabn();
    vaelg(QDate(2013, 10, 30));
    skrivNotat("lukket");
    QPointer<Tkalenderform> vindue = form;
    klik("ButtonLuk");
    QCOMPARE(boxes->texts(), QStringList{"Dagens notater er ikke gemt.\nSkal de gemmes?"});
    QCOMPARE(platform::readTextLines(notat("30-10-2013.txt")).value_or(QStringList()), QStringList{"lukket"});
    QTRY_VERIFY(vindue.isNull());

    // The program's close asks a window of its own once, and it closes with the program.
    main().opt.openKalender = 1;
    QVERIFY(aabn()->isWindow());
    vaelg(QDate(2013, 10, 31));
    skrivNotat("program");
    vindue = form;
    QVERIFY(main().close());
    QCOMPARE(boxes->shown.size(), 2);
    QCOMPARE(platform::readTextLines(notat("31-10-2013.txt")).value_or(QStringList()), QStringList{"program"});
    QTRY_VERIFY(vindue.isNull() || !vindue->isVisible());
}

void KalenderTest::datedFolder()
{
    aabn();
    const QString kalender = main().folders.brugerKalenderMappe;
    home->write(QDir(home->path()).relativeFilePath(kalender) + "/2021/03 Marts/01 Mandag/gammel.txt", "gammel");
    vaelg(QDate(2021, 3, 5));
    klik("ButtonOpretMappe");
    const QString dag = kalender + "/2021/03 Marts/05 Fredag";
    QVERIFY(QFileInfo(dag).isDir());
    QVERIFY(QFileInfo::exists(kalender + "/2021/03 Marts/01 Mandag/gammel.txt"));
    QVERIFY(boxes->shown.isEmpty());

    // "Stifinder 1" shows the folders as a level structure with the day folder open.
    auto* explorer = qobject_cast<Twinform*>(main().getWinform("Stifinder 1"));
    QVERIFY(explorer);
    QCOMPARE(explorer->strukturCompo().Mappenavn(), dag);
    QCOMPARE(main().EditSti()->text(), dag);
    QStringList kaede;
    auto* tree = explorer->findChild<QTreeWidget*>("MappeStruktur");
    QCOMPARE(tree->topLevelItemCount(), 1);
    for (QTreeWidgetItem* node = tree->topLevelItem(0); node; node = node->child(0))
        kaede.append(node->text(0));
    QCOMPARE(kaede.mid(kaede.size() - 4), (QStringList{"Kalender", "2021", "03 Marts", "05 Fredag"}));

    // Pressing again just shows it.
    klik("ButtonOpretMappe");
    QCOMPARE(explorer->strukturCompo().Mappenavn(), dag);
    QVERIFY(boxes->shown.isEmpty());

    // A file where the year folder goes: the message, and nothing made.
    vaelg(QDate(2022, 6, 1));
    home->write(QDir(home->path()).relativeFilePath(kalender) + "/2022", "");
    klik("ButtonOpretMappe");
    QCOMPARE(boxes->texts(), QStringList{"Mappen kunne ikke oprettes:\n" + kalender + "/2022"});
    QVERIFY(QFileInfo(kalender + "/2022").isFile());
    QCOMPARE(explorer->strukturCompo().Mappenavn(), dag);
}

void KalenderTest::calendarFolder()
{
    aabn();
    home->make({"arkiv/", "arkiv/a.txt"});
    main().EditSti()->setText(*home / "arkiv/a.txt");
    klik("InsertMappeButton");
    QCOMPARE(boxes->texts(), QStringList{"Der skal være valgt en mappe."});
    main().EditSti()->setText(*home / "arkiv");
    klik("InsertMappeButton");
    QCOMPARE(felt<QLineEdit>("mappeEdit")->text(), *home / "arkiv");
    vaelg(QDate(2021, 3, 5));
    klik("ButtonOpretMappe");
    QVERIFY(QFileInfo(*home / "arkiv/2021/03 Marts/05 Fredag").isDir());

    // Shown in an explorer; a folder that is gone is said, and nothing is made in its place.
    klik("visNotatmappe");
    QCOMPARE(main().EditSti()->text(), main().folders.brugerNotatMappe);
    klik("visDatomappe");
    QCOMPARE(main().EditSti()->text(), *home / "arkiv");
    QDir(*home / "arkiv").removeRecursively();
    klik("visDatomappe");
    QCOMPARE(boxes->texts().last(), "Der opstod en fejl.\nVigtige mapper er muligvist blevet slettet.\nMappen findes ikke: " + *home / "arkiv");
    klik("ButtonOpretMappe");
    QCOMPARE(boxes->texts().last(), "Mappen kunne ikke oprettes:\n" + *home / "arkiv/2021");
    QVERIFY(!QFileInfo::exists(*home / "arkiv"));

    // The choice lasts until the program ends: a new run starts from the user's calendar folder.
    entry.reset();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    QCOMPARE(main().folders.brugerKalenderMappe, main().folders.BrugerMappe + "/Kalender");
}

void KalenderTest::dateDifference()
{
    aabn();
    const auto datoer = [this](const QStringList& felter) {
        const char* const navne[] = {"day1Edit", "month1Edit", "year1Edit", "day2Edit", "month2Edit", "year2Edit"};
        for (int i = 0; i < 6; ++i)
            skriv(navne[i], felter[i]);
        klik("beregnKnap");
    };
    auto* edit1 = felt<QLineEdit>("Edit1");
    auto* edit2 = felt<QLineEdit>("Edit2");
    QVERIFY(!edit1->isEnabled() && edit1->isReadOnly());
    const QString fil = main().folders.OptMappe + "datediff.txt";
    // The fields count as they stand, without "Opdater".
    datoer({"30", "10", "2013", "24", "12", "2013"});
    QCOMPARE(edit1->text(), "0 år, 1 måned samt 24 dage.");
    QCOMPARE(edit2->text(), "55 dage ialt.");
    QCOMPARE(platform::readTextLines(fil).value_or(QStringList()), (QStringList{"0", "1", "24", "55"}));
    datoer({"1", "3", "2021", "29", "2", "2020"});
    QCOMPARE(edit1->text(), "1 år, 0 måneder samt 1 dag.");
    QCOMPARE(edit2->text(), "366 dage ialt.");

    // Fields that form no date: the message, no result, and the last file left as it was.
    datoer({"31", "2", "2013", "24", "12", "2013"});
    QCOMPARE(boxes->texts(), QStringList{"Vælg to gyldige datoer."});
    QCOMPARE(edit1->text(), QString());
    QCOMPARE(edit2->text(), QString());
    QCOMPARE(platform::readTextLines(fil).value_or(QStringList()), (QStringList{"1", "0", "1", "366"}));
}

void KalenderTest::findDates()
{
    aabn();
    Helligdagspanel* panel = form->findDatoer();
    const int iAar = QDate::currentDate().year();
    auto* aarEdit = felt<QLineEdit>("aarEdit");
    auto* nu = felt<QPushButton>("yearNuButton");
    QCOMPARE(aarEdit->text(), QString::number(iAar));
    QVERIFY(!nu->isEnabled());
    QCOMPARE(felt<QLabel>("hdLabel3")->text(), "?");
    QCOMPARE(felt<QLabel>("hdLabel9")->text(), "24. December");
    QCOMPARE(felt<QLabel>("hdLabel0")->text(), "01. Januar");

    panel->saetAar(2025);
    klik("DatoerFindKnap");
    QCOMPARE(felt<QLabel>("datoerLabel")->text(), "Datoer: 2025");
    QCOMPARE(felt<QLabel>("hdLabel3")->text(), "20.  April - Søndag ");
    QCOMPARE(felt<QLabel>("hdLabel1")->text(), "17. April - Torsdag ");
    QCOMPARE(felt<QLabel>("hdLabel0")->text(), "01. Januar - Torsdag ");

    // The year buttons change only the year, within 1..9999.
    klik("yearFremButton10");
    QCOMPARE(aarEdit->text(), "2035");
    QCOMPARE(felt<QLabel>("hdLabel3")->text(), "20.  April - Søndag ");
    QCOMPARE(felt<QLabel>("datoerLabel")->text(), "Datoer: 2025");
    panel->saetAar(9995);
    klik("yearFremButton10");
    klik("yearFremButton");
    QCOMPARE(aarEdit->text(), "9999");
    klik("DatoerFindKnap");
    QCOMPARE(felt<QLabel>("hdLabel0")->text(), "01. Januar - Lørdag ");
    panel->saetAar(5);
    klik("yearTilbageButton10");
    klik("yearTilbageButton");
    QCOMPARE(aarEdit->text(), "1");
    QVERIFY(nu->isEnabled());
    klik("yearNuButton");
    QCOMPARE(aarEdit->text(), QString::number(iAar));
    QVERIFY(!nu->isEnabled());

    // Coming back to the window empties the year label; the dates stay.
    main().makeNewStifinder();
    main().mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form->parentWidget()));
    QCOMPARE(felt<QLabel>("datoerLabel")->text(), QString());
    QCOMPARE(felt<QLabel>("hdLabel0")->text(), "01. Januar - Lørdag ");
}

QTEST_MAIN(KalenderTest)
#include "test_kalender.moc"
