#include "app/designs.h"
#include "app/programentry.h"
#include "app/elementvinduer.h"
#include "app/tmainform.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QResource>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

// An explorer window as the main window sees one: it names itself by the count and lowers the
// count as it closes.
class TestStifinder : public QWidget, public StifinderVindue, public StifinderKlipbord, public StifinderSletning {
public:
    explicit TestStifinder(Tmainform& main) : main(main)
    {
        setWindowTitle(QStringLiteral("Stifinder %1").arg(main.NewCount));
        compo.setStruktur1(&struktur1);
        compo.setStruktur2(&struktur2);
    }
    void closeEvent(QCloseEvent* event) override
    {
        --main.NewCount;
        QWidget::closeEvent(event);
    }
    TStrukturCompo& strukturCompo() override { return compo; }
    void gaaTilMappe(const QString& folder) override { besoegt.append(folder); }
    void visStruktur1() override { compo.setAktiveStruktur(1); }
    void opdater() override { ++opdateringer; }
    QWidget* klipbord() const override { return eget; }
    void brugKlipbord(QWidget* klipbord) override { eget = klipbord; }
    void modtagKlipbordsdata(const QStringList& mapper, const QStringList& filer) override
    {
        modtaget.append(mapper + filer);
    }
    void visKlipbordAntal(const QString& mapper, const QString& filer) override { antal = {mapper, filer}; }
    void registrerElement(const QString& element) override { registreret.append(element); }
    void beregnKlipbordStoerrelse() override {}
    void gaaTilFil(const QString& fil) override { besoegt.append(fil); }
    void FormActivate() override { ++aktiveringer; }
    void showStrukturInfo() override { besoegt.append("strukturinfo"); }
    void sletTilPapirkurv() override { besoegt.append("slettet"); }

    Tmainform& main;
    QTreeWidget struktur1;
    QTreeWidget struktur2;
    TStrukturCompo compo;
    QStringList besoegt;
    int opdateringer = 0;
    int aktiveringer = 0;
    QWidget* eget = nullptr;
    QStringList modtaget;
    QStringList antal;
    QStringList registreret;
};

// The tool windows that take the current element, recording what they were given.
class TestVaerktoej : public QWidget, public StrukturVindue, public TekstSoegVindue, public GenvejsVindue {
public:
    explicit TestVaerktoej(QStringList& modtaget) : modtaget(modtaget) {}
    void tilfoejMappe(const QString& mappe) override { modtaget.append(mappe); }
    void visStrukturer(const QStringList& navne) override { modtaget += navne; }
    bool visType(const QString& moenster) override
    {
        modtaget.append(moenster);
        return moenster == u"*.txt";
    }
    void forbered(const QString& maal, const QString& placering, const QString& navn) override
    {
        modtaget += QStringList{maal, placering, navn};
    }
    QStringList& modtaget;
};

// A tool window with unsaved edits: it lets the program close only when told to.
class UgemtVaerktoej : public QWidget, public MaaLukke {
public:
    bool maaLukke() override { return lukkes; }
    bool lukkes = false;
};

QWidget* klipbord(Tmainform& main, const QString& caption)
{
    auto* window = new QWidget;
    window->setWindowTitle(caption);
    setElementType(window, ElementType::Klipbord);
    main.visElement(window);
    return window;
}

QStringList tabs(Tmainform& main)
{
    QStringList texts;
    for (int i = 0; i < main.tc()->count(); ++i)
        texts.append(main.tc()->tabText(i));
    return texts;
}

void lukElement(Tmainform& main, const QString& caption)
{
    for (QMdiSubWindow* sub : main.mdi()->subWindowList())
        if (sub->widget()->windowTitle() == caption) {
            sub->close();
            break;
        }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* handling(Tmainform& main, const char* navn) { return main.findChild<QAction*>(QLatin1String(navn)); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void explorerNumberingAndTabs();
    void clipboardTabsStandFirst();
    void everyWindowKindHasItsAction_data();
    void everyWindowKindHasItsAction();
    void maximumButtons();
    void panelWidthRules();
    void propertiesPageFourHasNoTitle();
    void stylesAndUnknownStyle();
    void optionsSurviveARestart();
    void structureMenu();
    void clipboardSide();
    void currentElementToToolWindows();
    void callsFromTheGallery();
    void toolWindowOfItsOwn();

private:
    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    Tmainform* main = nullptr;
};

void MainWindowTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    main = &entry->mainform();
    main->setStifinderFabrik([](Tmainform& m) { return new TestStifinder(m); });
    main->opt.TryedBefore = true;  // no welcome page in the information window
    entry->start();
    main->FormActivate();
}

void MainWindowTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

void MainWindowTest::explorerNumberingAndTabs()
{
    QCOMPARE(tabs(*main), QStringList{"Stifinder 1"});
    handling(*main, "aStifinder")->trigger();
    main->makeNewStifinder();
    QCOMPARE(tabs(*main), QStringList({"Stifinder 1", "Stifinder 2", "Stifinder 3"}));
    QCOMPARE(main->tc()->currentIndex(), 2);

    lukElement(*main, "Stifinder 1");
    QCOMPARE(main->NewCount, 2);
    main->makeNewStifinder();
    QCOMPARE(tabs(*main), QStringList({"Stifinder 2", "Stifinder 3", "Stifinder 3"}));
    QVERIFY(main->getWinform("stifinder 2"));
    QVERIFY(!main->getWinform("Stifinder 9"));
    QCOMPARE(boxes->texts(), QStringList{"Der blev ikke fundet en Filfinder.\nDer skal være en Filfinder for at "
                                         "udføre funktionen."});

    // Choosing a tab shows its window.
    main->tc()->setCurrentIndex(0);
    QCOMPARE(main->mdi()->activeSubWindow()->widget()->windowTitle(), QStringLiteral("Stifinder 2"));

    for (const char* caption : {"Stifinder 2", "Stifinder 3", "Stifinder 3"})
        lukElement(*main, caption);
    QVERIFY(tabs(*main).isEmpty());
    QCOMPARE(main->NewCount, 0);
    main->makeNewStifinder();
    QCOMPARE(tabs(*main), QStringList{"Stifinder 1"});

    auto* explorer = dynamic_cast<TestStifinder*>(main->getWinform("Stifinder 1"));
    main->aktiverWinform(true, home->path());
    main->aktiverWinform(true, home->path() + "/findes ikke");
    QCOMPARE(explorer->besoegt, QStringList{home->path()});
    QCOMPARE(explorer->opdateringer, 1);
}

void MainWindowTest::clipboardTabsStandFirst()
{
    klipbord(*main, "Klipbord 1");
    klipbord(*main, "Klipbord 2");
    main->makeNewStifinder();
    klipbord(*main, "Klipbord 3");
    QCOMPARE(tabs(*main), QStringList({"Klipbord 1", "Klipbord 2", "Klipbord 3", "Stifinder 1", "Stifinder 2"}));
}

void MainWindowTest::everyWindowKindHasItsAction_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("aStifinder") << "aStifinder" << "Stifinder" << "Åben en ny stifinder: Ctrl+1" << QKeySequence("Ctrl+1");
    QTest::newRow("opretGenveje") << "opretGenveje" << "Genveje" << "Opret genveje til mapper og programmer: Ctrl+2"
                                  << QKeySequence("Ctrl+2");
    QTest::newRow("progInsert") << "progInsert" << "Indfør" << "Indfør, rediger eller fjern program: Ctrl+3"
                                << QKeySequence("Ctrl+3");
    QTest::newRow("OpretSmappe") << "OpretSmappe" << "Opret" << "Åben boksen til oprettelse af strukturmapper: Ctrl+4"
                                 << QKeySequence("Ctrl+4");
    QTest::newRow("findTekst") << "findTekst" << "Søg" << "Søg i tekstdokumenter i mapper: Ctrl+5" << QKeySequence("Ctrl+5");
    QTest::newRow("aBilledGal") << "aBilledGal" << "Billeder" << "Åben Galleri til bmp, jpg samt ico billedfiler: Ctrl+6"
                                << QKeySequence("Ctrl+6");
    QTest::newRow("visKalender") << "visKalender" << "Kalender" << "Vis kalender: Ctrl+7" << QKeySequence("Ctrl+7");
    QTest::newRow("aWmi") << "aWmi" << "WMI" << "WMI: Ctrl+8" << QKeySequence("Ctrl+8");
    QTest::newRow("winApp") << "winApp" << "Applets" << "Åben Window Applets: Ctrl+9" << QKeySequence("Ctrl+9");
    QTest::newRow("aVisKlipbordet") << "aVisKlipbordet" << "Klipbord" << "Åben eller vis klipbord: Ctrl+0"
                                    << QKeySequence("Ctrl+0");
    QTest::newRow("aInfo") << "aInfo" << "Information" << "Information angående aktive element: F1" << QKeySequence("F1");
    QTest::newRow("LukProgram") << "LukProgram" << "Luk programmet" << "Lukker programmet: Ctrl+Q" << QKeySequence("Ctrl+Q");
    QTest::newRow("minimizeProgram") << "minimizeProgram" << "Minimer" << "Minimer programmet: Alt+M"
                                     << QKeySequence("Alt+M");
}

void MainWindowTest::everyWindowKindHasItsAction()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QKeySequence, key);
    QAction* action = handling(*main, name.toLatin1().constData());
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->toolTip(), hint);
    QCOMPARE(action->shortcut(), key);
    // Every program of the main menu shows its picture there.
    if (main->findChild<QMenu*>("PuProgrammer")->actions().contains(action))
        QVERIFY(!action->icon().isNull());
}

void MainWindowTest::maximumButtons()
{
    auto* ned = main->findChild<QPushButton*>("maxNedKnap");
    auto* op = main->findChild<QPushButton*>("maxOpKnap");
    auto* felt = main->findChild<QLineEdit*>("maxFindEdit");
    main->opt.maxElementer = 15;
    ned->click();
    QCOMPARE(main->opt.maxElementer, 10);
    ned->click();
    QCOMPARE(main->opt.maxElementer, 10);
    main->findChild<QPushButton*>("max480Knap")->click();
    for (int i = 0; i < 3; ++i)
        op->click();
    QCOMPARE(main->opt.maxElementer, 510);
    QCOMPARE(felt->text(), QStringLiteral("510"));
}

void MainWindowTest::panelWidthRules()
{
    auto* panel = main->findChild<QWidget*>("mainPanel");
    const int width = main->width();
    handling(*main, "aPanelV")->trigger();
    QVERIFY(panel->isHidden());
    QCOMPARE(main->width(), width - 302);
    QCOMPARE(main->minimumWidth(), 1228 - 302);
    QTRY_VERIFY(handling(*main, "OpenElement")->isEnabled());
    handling(*main, "OpenElement")->trigger();
    QVERIFY(!panel->isHidden());
    QCOMPARE(main->width(), width);
    QCOMPARE(main->minimumWidth(), 1228);
    QCOMPARE(main->findChild<QTabWidget*>("Hovedbog")->currentIndex(), 0);
    QCOMPARE(main->findChild<QLabel*>("informationsKnappenL")->text(), QStringLiteral("Programmer med funktioner"));
    QTRY_VERIFY(!handling(*main, "OpenElement")->isEnabled());
}

void MainWindowTest::propertiesPageFourHasNoTitle()
{
    auto* title = main->findChild<QLabel*>("informationsKnappenL");
    main->findChild<QTabWidget*>("Hovedbog")->setCurrentIndex(4);
    main->findChild<QTabWidget*>("Programbog")->setCurrentIndex(4);
    QCOMPARE(title->text(), QString());
    main->findChild<QTabWidget*>("Programbog")->setCurrentIndex(0);
    QCOMPARE(title->text(), QStringLiteral("Egenskaber"));
}

void MainWindowTest::stylesAndUnknownStyle()
{
    QCOMPARE(designNavne().size(), 10);
    QCOMPARE(designNavne().first(), QStringLiteral("Windows"));
    QCOMPARE(QResource(":/designs/sky.design").compressionAlgorithm(), QResource::ZlibCompression);
    QCOMPARE(qApp->palette().color(QPalette::Window), QColor("#e6f0fa"));  // "Sky" from the start
    auto* box = main->findChild<QComboBox*>("designBox");
    QCOMPARE(box->maxVisibleItems(), 10);
    Q_EMIT box->textActivated(QStringLiteral("Zircon"));
    QCOMPARE(main->opt.designName, QStringLiteral("Zircon"));
    QCOMPARE(qApp->palette().color(QPalette::Window), QColor("#eef2f0"));
    QVERIFY(qApp->styleSheet().contains("#226b59"));
    main->anvendDesign(QStringLiteral("Ukendt"));
    QCOMPARE(qApp->palette().color(QPalette::Window), QColor("#eef2f0"));
    QCOMPARE(box->currentText(), QStringLiteral("Zircon"));
    main->anvendDesign(QStringLiteral("Windows"));
    QVERIFY(qApp->styleSheet().isEmpty());
}

void MainWindowTest::optionsSurviveARestart()
{
    main->resize(1300, 900);
    main->findChild<QPushButton*>("max240Knap")->click();
    main->findChild<QGroupBox*>("bogfanerBox")->findChildren<QAbstractButton*>().first()->click();
    handling(*main, "aPanelV")->trigger();
    QVERIFY(main->close());
    const auto lines = platform::readTextLines(main->folders.optFilnavn);
    QCOMPARE(lines->size(), 45);
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    main = &entry->mainform();
    QCOMPARE(main->opt.maxElementer, 240);
    QCOMPARE(main->opt.bogfanerBox, 0);
    QCOMPARE(main->opt.mainPanelVisible, false);
    QCOMPARE(main->size(), QSize(1300 - 302, 900));
    QVERIFY(main->findChild<QWidget*>("mainPanel")->isHidden());
    QCOMPARE(main->findChild<QLineEdit*>("maxFindEdit")->text(), QStringLiteral("240"));
}

void MainWindowTest::structureMenu()
{
    const QString folder = main->folders.mappestrukturDir;
    home->make({"a/b/"});
    QVERIFY(platform::writeTextLines(folder + "Mine.txt", {home->path() + "/a/b"}));
    home->write(folder.mid(home->path().size() + 1) + "ikke en struktur.doc", "x");
    main->loadMappeStruktur(false);
    QMenu* menu = main->PuMappeStruk();
    QCOMPARE(menu->actions().size(), 3);
    QCOMPARE(menu->actions()[2]->text(), QStringLiteral("Mine"));
    QCOMPARE(menu->actions()[2]->toolTip(), QStringLiteral("Aktiver Mine"));

    menu->actions()[2]->trigger();
    QCOMPARE(main->opt.OnClickIndex, 2);
    QCOMPARE(main->opt.OnClickCaption, QStringLiteral("Mine"));
    auto* explorer = dynamic_cast<TestStifinder*>(main->getWinform("Stifinder 1"));
    QVERIFY(explorer->struktur1.topLevelItemCount() > 0);

    QVERIFY(QFile::remove(folder + "Mine.txt"));
    main->loadMappeStruktur(false);
    main->CallOnClick();
    QCOMPARE(boxes->texts(), QStringList{"Sidste hjemmelavede struktur:\nMine\nblev ikke fundet.\nStrukturmenuen må "
                                         "være blevet ændret siden sidst."});
    QCOMPARE(main->opt.OnClickIndex, -1);
    QCOMPARE(main->opt.OnClickCaption, QString());
}

void MainWindowTest::clipboardSide()
{
    home->make({"m/", "f.txt"});
    main->makeNewStifinder();
    auto* first = dynamic_cast<TestStifinder*>(main->getWinform("Stifinder 1"));
    auto* second = dynamic_cast<TestStifinder*>(main->getWinform("Stifinder 2"));
    QWidget shared;
    first->brugKlipbord(&shared);
    main->setKlipbord(second);
    QCOMPARE(second->klipbord(), &shared);

    main->kopierKlipbordsdata("stifinder 1", {" " + *home / "m" + " ", *home / "væk"}, {*home / "f.txt", *home / "m"});
    QCOMPARE(first->modtaget, QStringList());
    QCOMPARE(second->modtaget, QStringList({*home / "m", *home / "f.txt"}));
    main->udskivKlipbordInf("3", "");
    QCOMPARE(first->antal, QStringList({"3", ""}));

    lukElement(*main, "Stifinder 1");
    main->makeNewStifinder();
    main->makeNewStifinder();
    QCOMPARE(tabs(*main), QStringList({"Stifinder 2", "Stifinder 2", "Stifinder 3"}));
    main->setKlipbord(main->getWinform("Stifinder 3"));
    QCOMPARE(boxes->texts(), QStringList{"Der opstod en fejl.\n"});
}

void MainWindowTest::currentElementToToolWindows()
{
    QStringList modtaget;
    for (const char* navn : {"OpretSmappe", "findTekst", "opretGenveje"})
        main->registrerVaerktoej(navn, [&modtaget] { return new TestVaerktoej(modtaget); });
    auto* explorer = dynamic_cast<TestStifinder*>(main->getWinform("Stifinder 1"));
    home->make({"d/a.txt", "d/b.doc"});
    explorer->compo.setMappenavn(*home / "d");
    main->mdi()->setActiveSubWindow(main->mdi()->subWindowList().first());

    main->aInsertMappeExecute();
    QVERIFY(main->MsRedigeret);
    QCOMPARE(main->statusTekst(), QStringLiteral("Mappen er tilføjet til strukturen."));

    explorer->compo.setAktiveStruktur(2);
    explorer->compo.setFilnavn(*home / "d/a.txt");
    main->mdi()->setActiveSubWindow(main->mdi()->subWindowList().first());
    main->aFindDocExecute();
    explorer->compo.setFilnavn(*home / "d/b.doc");
    main->mdi()->setActiveSubWindow(main->mdi()->subWindowList().first());
    main->aFindDocExecute();
    explorer->compo.setAktiveStruktur(1);
    main->mdi()->setActiveSubWindow(main->mdi()->subWindowList().first());
    main->aFindDocExecute();

    main->EditSti()->setText(*home / "d/a.txt");
    main->aInsertGenvejExecute();
    main->EditSti()->setText("");
    main->aInsertGenvejExecute();

    QCOMPARE(modtaget, QStringList({*home / "d", "*.txt", "*.doc", *home / "d/a.txt",
                                               main->opt.PlaceringsMappe, "a"}));
    QCOMPARE(boxes->texts(),
             QStringList({"Filtypen er ikke registreret.\nDu må selv registrere filtypen, hvis der er tale om en "
                          "tekstfil.",
                          "Der skal være valgt en tekstfiltype.\nTekstfiler kan for eksempel være filer med følgende "
                          "efternavne:\ntxt, rtf, asp, html, inc, css, js, asa, wsf, vbs, xml, bat eller ps1",
                          "Ukendt fejl: fil eller mappe synes ikke at eksistere."}));
}

void MainWindowTest::callsFromTheGallery()
{
    home->make({"g/p.jpg"});
    auto* explorer = dynamic_cast<TestStifinder*>(main->getWinform("Stifinder 1"));
    main->selectFromGal(*home / "g/p.jpg", true);
    main->RegisterEleFromGal(*home / "g");
    main->RegisterEleFromGal(*home / "væk");
    main->visKalMappe(*home / "g");
    main->opretKalenderStruk({*home / "g"}, *home / "g");
    QCOMPARE(explorer->besoegt, QStringList({*home / "g/p.jpg", "slettet", *home / "g", *home / "g"}));
    QVERIFY(explorer->struktur1.topLevelItemCount() > 0);
    QCOMPARE(explorer->registreret, QStringList{*home / "g"});
    QCOMPARE(boxes->texts(), QStringList{"Elementet blev ikke fundet."});
}

void MainWindowTest::toolWindowOfItsOwn()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, main->registrerVaerktoej("findTekstt", [] { return new QWidget; }));

    auto* vindue = new UgemtVaerktoej;
    main->registrerVaerktoej("findTekst", [vindue] { return vindue; }, {"Findoptions.txt", {20, 40, 576, 728}});
    QVERIFY(platform::writeTextLines(main->folders.OptMappe + "Findoptions.txt", {"30", "50", "400", "500", "3"}));
    main->opt.openTekstfiler = 1;
    auto* gruppe = main->findChild<QGroupBox*>("openTekstfiler");
    QVERIFY(gruppe->isEnabled());
    QCOMPARE(main->aabnVaerktoej("findTekst"), vindue);
    QVERIFY(vindue->isWindow());
    QCOMPARE(vindue->geometry(), QRect(30, 50, 500, 400));
    QVERIFY(!gruppe->isEnabled());

    // The window of its own is asked before the program closes.
    QVERIFY(!main->close());
    QVERIFY(main->isVisible() && vindue->isVisible());
    vindue->lukkes = true;

    vindue->setGeometry(60, 70, 510, 410);
    vindue->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The place is written over the first four lines; the line after them is the window's own.
    QCOMPARE(*platform::readTextLines(main->folders.OptMappe + "Findoptions.txt"),
             QStringList({"60", "70", "410", "510", "3"}));
    QVERIFY(gruppe->isEnabled());

    // A window whose file holds only its place keeps its own size.
    main->registrerVaerktoej("visKalender", [] {
        auto* fast = new QWidget;
        fast->resize(300, 200);
        return fast;
    }, {"kalender.txt", {20, 40}});
    main->opt.openKalender = 1;
    QCOMPARE(main->aabnVaerktoej("visKalender")->geometry(), QRect(20, 40, 300, 200));
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
