#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/stifinderindstillinger.h"
#include "app/treopenfiler.h"
#include "explorer/tlisteform.h"
#include "explorer/tomdoebform.h"
#include "explorer/twinform.h"
#include "boxes/modalseam.h"
#include "boxes/tboksform.h"
#include "platform/textfile.h"
#include "tools/information/informationssider.h"
#include "tests/common/fakedrives.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList texts(const QTreeWidget* tree)
{
    QStringList captions;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        captions.append(tree->topLevelItem(i)->text(0));
    return captions;
}

QStringList tabs(const QTabBar* bar)
{
    QStringList captions;
    for (int i = 0; i < bar->count(); ++i)
        captions.append(bar->tabText(i));
    return captions;
}

}  // namespace

// The explorer window in the real frame, on a home with the drives "/", C (fixed) and D (removable).
class TwinformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startupModes_data();
    void startupModes();
    void pathTabs();
    void historyBackAndForward();
    void twoExplorersKeepTheirNumbersAndFiles();
    void menusByNodeKind();
    void inPlaceRename();
    void quickSecondRename_data();
    void quickSecondRename();
    void fileActionRules_data();
    void fileActionRules();
    void newFolderAndNewFile();
    void renameAndExtensionDialogs();
    void dragAndDrop_data();
    void dragAndDrop();
    void dropOnAPathTab();
    void helpPages();
    void favouritesAndSavedStructure();
    void htmlListOpensWithTheDefaultApplication();

private:
    // Starts the program: its first activation opens "Stifinder 1".
    Twinform* start();

    std::unique_ptr<TestHome> home;
    std::unique_ptr<FakeDrives> drives;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void TwinformTest::init()
{
    home = std::make_unique<TestHome>();
    home->make({"C/x/y/f.txt", "C/A/", "C/B/", "C/a/", "D/"});
    drives = std::make_unique<FakeDrives>(QList<platform::DriveInfo>{
        {"/", "ext4", "/dev/sda1", "rod", platform::DriveKind::Fixed},
        {*home / "C", "ext4", "/dev/sda2", "System", platform::DriveKind::Fixed},
        {*home / "D", "vfat", "/dev/sdb1", "", platform::DriveKind::Removable}});
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    entry->mainform().setStifinderFabrik([](Tmainform& main) { return new Twinform(main); });
    registrerInformation(entry->mainform());
}

void TwinformTest::cleanup()
{
    entry.reset();
    boxes.reset();
    drives.reset();
    home.reset();
}

Twinform* TwinformTest::start()
{
    entry->mainform().opt.TryedBefore = true;  // no welcome page in the information window
    entry->start();
    entry->mainform().FormActivate();
    return dynamic_cast<Twinform*>(entry->mainform().getWinform("Stifinder 1"));
}

void TwinformTest::startupModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<bool>("inFolder");
    QTest::newRow("0: all drives, first drive shown") << 0 << QStringList{"rod (/)", "System", " (D)"} << false;
    QTest::newRow("1: only the current drive") << 1 << QStringList{"System"} << true;
    QTest::newRow("2: all drives, the saved folder") << 2 << QStringList{"rod (/)", "System", " (D)"} << true;
}

void TwinformTest::startupModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, roots);
    QFETCH(bool, inFolder);
    StifinderIndstillinger saved;
    saved.Mappenavn = *home / "C/x";
    saved.RadioOpstart = mode;
    QVERIFY(gemStifinderOpt(entry->mainform().folders.OptMappe + "Stifinder 1.txt", saved));
    Twinform* explorer = start();
    QVERIFY(explorer);
    QStringList shown = texts(explorer->strukturCompo().Struktur1());
    for (QString& caption : shown)
        if (caption.startsWith("System"))
            caption = "System";
        else if (caption.startsWith(" ("))
            caption = " (D)";
    QCOMPARE(shown, roots);
    const QStringList content = texts(explorer->strukturCompo().Struktur2());
    QCOMPARE(content == QStringList{"y"}, inFolder);
    QCOMPARE(entry->mainform().EditSti()->text(), inFolder ? *home / "C/x" : QStringLiteral("/"));
}

void TwinformTest::pathTabs()
{
    Twinform* explorer = start();
    auto* mirvel = explorer->findChild<QTabBar*>("mirvel");
    explorer->gaaTilMappe(*home / "C/x/y");
    QStringList expected{"/"};
    expected += (*home / "C/x/y").mid(1).split('/');
    QCOMPARE(tabs(mirvel), expected);
    QCOMPARE(mirvel->currentIndex(), mirvel->count() - 1);
    QCOMPARE(explorer->findChild<QLineEdit*>("AktuelleElementEdit")->text(), QStringLiteral("Mappe"));

    // Clicking a tab higher up shows that folder and keeps the deeper tabs.
    const int c = int(expected.indexOf("C"));
    explorer->mirvelChange(c);
    QCOMPARE(explorer->strukturCompo().Mappenavn(), *home / "C");
    QCOMPARE(texts(explorer->strukturCompo().Struktur2()).contains("x"), true);
    QCOMPARE(tabs(mirvel), expected);
    QCOMPARE(explorer->getStien(c), *home / "C");

    explorer->gaaTilFil(*home / "C/x/y/f.txt");
    QCOMPARE(tabs(mirvel).last(), QStringLiteral("f.txt"));
    QCOMPARE(explorer->findChild<QLineEdit*>("AktuelleElementEdit")->text(), QStringLiteral("Fil"));
    explorer->mirvelChange(mirvel->count() - 1);
    QCOMPARE(explorer->strukturCompo().Filnavn(), *home / "C/x/y/f.txt");
    QCOMPARE(explorer->strukturCompo().Struktur2()->selectedItems().value(0)->text(0), QStringLiteral("f.txt"));

    explorer->udskrivSti("/");
    QCOMPARE(tabs(mirvel), QStringList{"/"});
}

void TwinformTest::historyBackAndForward()
{
    Twinform* explorer = start();
    auto* liste = explorer->findChild<QListWidget*>("HistorieListe");
    auto* tilbage = explorer->findChild<QAction*>("Tilbage");
    const int foer = liste->count();  // the first drive's root, visited at start
    explorer->gaaTilMappe(*home / "C/A");
    explorer->gaaTilMappe(*home / "C/B");
    explorer->gaaTilMappe(*home / "C/a");  // the same name as A but for case: not added again
    QCOMPARE(liste->count(), foer + 2);
    QCOMPARE(liste->currentRow(), foer + 1);

    liste->setCurrentRow(0);
    explorer->TilbageExecute();
    QCOMPARE(liste->currentRow(), liste->count() - 1);
    QCOMPARE(explorer->strukturCompo().Mappenavn(), *home / "C/B");
    explorer->FremExecute();
    QCOMPARE(liste->currentRow(), 0);
    QTRY_VERIFY(tilbage->isEnabled());

    explorer->historieDir->DeleteAlleItems();
    explorer->gaaTilMappe(*home / "C/A");
    QCOMPARE(liste->count(), 1);
    QTRY_VERIFY(!tilbage->isEnabled());
    QVERIFY(!explorer->findChild<QAction*>("Frem")->isEnabled());
}

void TwinformTest::twoExplorersKeepTheirNumbersAndFiles()
{
    Twinform* first = start();
    first->gaaTilMappe(*home / "C/x");
    auto* second = dynamic_cast<Twinform*>(entry->mainform().makeNewStifinder());
    QCOMPARE(second->windowTitle(), QStringLiteral("Stifinder 2"));
    second->gaaTilMappe(*home / "D");
    first->findChild<QTabWidget*>("winBog")->setCurrentIndex(2);
    QVERIFY(entry->mainform().close());
    const QString opt = entry->mainform().folders.OptMappe;
    QCOMPARE(platform::readTextLines(opt + "Stifinder 1.txt")->first(), *home / "C/x");
    QCOMPARE(platform::readTextLines(opt + "Stifinder 2.txt")->first(), *home / "D");
    QCOMPARE(entry->mainform().NewCount, 0);

    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    entry->mainform().setStifinderFabrik([](Tmainform& main) { return new Twinform(main); });
    Twinform* again = start();
    QCOMPARE(again->windowTitle(), QStringLiteral("Stifinder 1"));
    QCOMPARE(again->opt.Mappenavn, *home / "C/x");
    QCOMPARE(again->findChild<QTabWidget*>("winBog")->currentIndex(), 2);
}

void TwinformTest::menusByNodeKind()
{
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    QTreeWidget* tree1 = compo.Struktur1();
    QTreeWidget* tree2 = compo.Struktur2();
    const auto menu = [&](QTreeWidget* tree) {
        QMenu* m = explorer->traeMenu(tree);
        return m ? m->objectName() : QStringLiteral("ingen");
    };
    compo.setAktiveStruktur(1);
    tree1->setCurrentItem(tree1->topLevelItem(0));  // a drive
    QCOMPARE(menu(tree1), QStringLiteral("PUdirboxDrev"));
    QCOMPARE(menu(tree2), QStringLiteral("ingen"));
    compo.udfoldStruktur1(*home / "C/x", false);  // selects the folder x
    QCOMPARE(menu(tree1), QStringLiteral("PUdirbox"));
    compo.setShowPrivate(true);
    compo.makePreDrives();
    tree1->setCurrentItem(tree1->topLevelItem(0));  // the user's folder
    QCOMPARE(menu(tree1), QStringLiteral("PUdirPrivate"));

    compo.setAktiveStruktur(2);
    QCOMPARE(menu(tree1), QStringLiteral("ingen"));
    compo.SelectFil(*home / "C/x/y/f.txt");
    QCOMPARE(menu(tree2), QStringLiteral("PUfilbox"));
    tree2->clearSelection();
    QCOMPARE(menu(tree2), QStringLiteral("PUdirboxDrev"));

    QStringList punkter;
    for (QAction* action : explorer->findChild<QMenu*>("PUfilbox")->actions())
        punkter << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(punkter, QStringList({"Cut", "Copy", "Paste", "-", "DeleteToPapirkurv", "DeletePermanent", "-", "Rename2",
                                   "Rename", "NyMappe", "-", "Info"}));
}

void TwinformTest::fileActionRules_data()
{
    QTest::addColumn<QString>("valgt");     // "fil" in the file tree; "drev", "mappe", "privat" or "system" in the folder tree
    QTest::addColumn<bool>("bloker");       // "Bloker funktioner"
    QTest::addColumn<bool>("koerer");       // a long operation of the window runs
    QTest::addColumn<QStringList>("til");   // the actions enabled, in the order looked at
    const QStringList altid = {"aEmptyRB", "ActionUpd"};
    QTest::newRow("fil") << "fil" << false << false
                         << QStringList{"Copy", "Cut", "DeleteToPapirkurv", "DeletePermanent", "Rename", "Rename2",
                                        "RenameExt", "NyMappe", "aOpretTekstfil", "Info", "aRun", "aRediger", "aShowPic",
                                        "insertFilSFWS", "deselectElementer", "inverterSelection", "aSelectButton"}
                                + altid;
    QTest::newRow("drev") << "drev" << false << false
                          << QStringList{"NyMappe", "aOpretTekstfil", "Info", "deselectAll"} + altid;
    QTest::newRow("mappe") << "mappe" << false << false
                           << QStringList{"Copy", "Cut", "DeleteToPapirkurv", "DeletePermanent", "Rename", "Rename2",
                                          "NyMappe", "aOpretTekstfil", "Info", "deselectAll"}
                                  + altid;
    QTest::newRow("privat") << "privat" << false << false
                            << QStringList{"Copy", "NyMappe", "aOpretTekstfil", "Info", "deselectAll"} + altid;
    QTest::newRow("system") << "system" << false << false << QStringList{"Info", "deselectAll"} + altid;
    QTest::newRow("fil, blokeret") << "fil" << true << true
                                   << QStringList{"Copy", "aRun", "aRediger", "aShowPic", "insertFilSFWS",
                                                  "deselectElementer", "inverterSelection", "aSelectButton"}
                                          + altid;
    QTest::newRow("fil, kører uden blokering")
        << "fil" << false << true
        << QStringList{"Copy", "DeleteToPapirkurv", "DeletePermanent", "Rename", "Rename2", "NyMappe", "aOpretTekstfil",
                       "Info", "aRun", "aRediger", "aShowPic", "insertFilSFWS", "deselectElementer", "inverterSelection",
                       "aSelectButton"}
               + altid;
}

void TwinformTest::fileActionRules()
{
    QFETCH(QString, valgt);
    QFETCH(bool, bloker);
    QFETCH(bool, koerer);
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    if (valgt == u"fil") {
        explorer->gaaTilFil(*home / "C/x/y/f.txt");
        Q_EMIT compo.Struktur2()->itemClicked(compo.Struktur2()->currentItem(), 0);
    } else {
        compo.setAktiveStruktur(1);
        if (valgt == u"privat") {
            compo.setShowPrivate(true);
            compo.makePreDrives();
        }
        if (valgt == u"drev" || valgt == u"privat")
            compo.Struktur1()->setCurrentItem(compo.Struktur1()->topLevelItem(0));
        else
            QVERIFY(compo.udfoldStruktur1(valgt == u"system" ? QStringLiteral("/usr") : *home / "C/x", false));
        Q_EMIT compo.Struktur1()->itemClicked(compo.Struktur1()->currentItem(), 0);
    }
    explorer->setActionUpdates(bloker);
    if (koerer)
        explorer->setAktivitetsNr(1, 0);
    QTest::qWait(50);  // the rules run from the thread pool and on the next turn
    QStringList til;
    for (const char* navn : {"Copy", "Cut", "Paste", "DeleteToPapirkurv", "DeletePermanent", "Rename", "Rename2",
                             "RenameExt", "NyMappe", "aOpretTekstfil", "Info", "aRun", "aRediger", "aShowPic",
                             "insertFilSFWS", "aProgram", "selectAlleElementer", "deselectElementer", "inverterSelection",
                             "deselectAll", "aSelectButton", "aEmptyRB", "ActionUpd"})
        if (explorer->findChild<QAction*>(navn)->isEnabled())
            til << navn;
    QTEST(til, "til");
    if (koerer)
        explorer->setAktivitetsNr(-1, 0);
}


namespace {

// Types a new name into the open editor of a tree and ends the editing with a key.
void skriv(QTreeWidget* tree, const QString& tekst, Qt::Key tast)
{
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : tree->viewport()->findChildren<QLineEdit*>())
        if (open->isVisible())
            editor = open;
    QVERIFY(editor);
    editor->setText(tekst);
    QTest::keyClick(editor, tast);
    QCoreApplication::processEvents();  // the view commits and closes the editor on its next turn
}

QTreeWidgetItem* vaelg(QTreeWidget* tree, const QString& caption)
{
    QTreeWidgetItem* item = tree->findItems(caption, Qt::MatchExactly).value(0);
    tree->clearSelection();
    tree->setCurrentItem(item);
    item->setSelected(true);
    return item;
}

}  // namespace

void TwinformTest::inPlaceRename()
{
    home->make({"C/x/w/"});
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    QTreeWidget* tree2 = compo.Struktur2();
    explorer->gaaTilMappe(*home / "C/x");

    QTreeWidgetItem* y = vaelg(tree2, "y");
    explorer->startOmdoebning();
    skriv(tree2, "z", Qt::Key_Return);
    QVERIFY(QFileInfo(*home / "C/x/z").isDir());
    QVERIFY(!QFileInfo::exists(*home / "C/x/y"));
    QCOMPARE(y->text(0), QStringLiteral("z"));
    QVERIFY(!(y->flags() & Qt::ItemIsEditable));
    // The timer rebuilds the tree a second later: the node of z is then a new one, without the mark.
    y->setData(0, Qt::UserRole + 7, true);
    QTRY_VERIFY_WITH_TIMEOUT(!tree2->findItems("z", Qt::MatchExactly).value(0)->data(0, Qt::UserRole + 7).toBool(), 5000);

    // A taken name gets the free one; Escape keeps the old caption and renames nothing.
    vaelg(tree2, "z");
    explorer->startOmdoebning();
    skriv(tree2, "w", Qt::Key_Return);
    QVERIFY(QFileInfo(*home / "C/x/w  (1)").isDir());
    QTRY_VERIFY_WITH_TIMEOUT(!tree2->findItems("w  (1)", Qt::MatchExactly).isEmpty(), 5000);
    QTreeWidgetItem* w = vaelg(tree2, "w");
    explorer->startOmdoebning();
    skriv(tree2, "noget andet", Qt::Key_Escape);
    QCOMPARE(w->text(0), QStringLiteral("w"));
    QVERIFY(QFileInfo(*home / "C/x/w").isDir());

    // A file keeps its type when the question about the new type is answered no.
    explorer->gaaTilMappe(*home / "C/x/w  (1)");
    QTRY_VERIFY(tree2->topLevelItemCount() == 1);
    boxes->answer(QDialog::Rejected);
    vaelg(tree2, "f.txt");
    compo.setFilnavn(*home / "C/x/w  (1)/f.txt");
    explorer->startOmdoebning();
    skriv(tree2, "g.doc", Qt::Key_Return);
    QVERIFY(QFileInfo(*home / "C/x/w  (1)/g.txt").isFile());
    QCOMPARE(boxes->texts().last(), QStringLiteral("Filen var af type: .txt\nSkal den omdøbes til at være af type .doc?"));

    // Drives are never renamed.
    compo.setAktiveStruktur(1);
    vaelg(compo.Struktur1(), compo.Struktur1()->topLevelItem(0)->text(0));
    explorer->startOmdoebning();
    QCOMPARE(boxes->texts().last(), compo.Struktur1()->topLevelItem(0)->text(0) + "\nmå ikke omdøbes.");
}

void TwinformTest::quickSecondRename_data()
{
    // How long after the first rename the user presses the mouse on another entry, how long the
    // button is held (0: press and release in one go), how long after the click F2 comes, and how
    // long the second edit stays open. The refresh after a rename comes 1 s after it.
    QTest::addColumn<int>("foerKlik");
    QTest::addColumn<int>("holdt");
    QTest::addColumn<int>("foerF2");
    QTest::addColumn<int>("aaben");
    QTest::newRow("0.2 s") << 200 << 0 << 0 << 300;
    QTest::newRow("0.5 s") << 500 << 0 << 0 << 700;
    QTest::newRow("0.8 s, edit open over the refresh") << 800 << 0 << 0 << 400;
    QTest::newRow("0.8 s, the refresh before F2") << 800 << 60 << 500 << 400;
    QTest::newRow("0.9 s, the refresh before F2") << 900 << 60 << 400 << 400;
    QTest::newRow("1.0 s, the refresh before F2") << 1000 << 60 << 300 << 400;
    QTest::newRow("the refresh between press and release") << 850 << 400 << 300 << 400;
    QTest::newRow("1.2 s") << 1200 << 0 << 0 << 300;
}

// A file is renamed in place; soon after, the user clicks a folder and renames it in place too.
// The refresh that follows the first rename never touches the second edit or the user's choice,
// and a single click selects, whenever it comes.
void TwinformTest::quickSecondRename()
{
    QFETCH(int, foerKlik);
    QFETCH(int, holdt);
    QFETCH(int, foerF2);
    QFETCH(int, aaben);
    home->make({"C/r/y.txt", "C/r/mappe/"});
    Twinform* explorer = start();
    QTreeWidget* tree2 = explorer->strukturCompo().Struktur2();
    explorer->gaaTilMappe(*home / "C/r");
    const auto klik = [tree2](const QString& caption, int holdt) {
        QTreeWidgetItem* item = tree2->findItems(caption, Qt::MatchExactly).value(0);
        QVERIFY2(item, qPrintable(caption));
        const QPoint punkt = tree2->visualItemRect(item).center();
        if (holdt == 0) {
            QTest::mouseClick(tree2->viewport(), Qt::LeftButton, {}, punkt);
            return;
        }
        QTest::mousePress(tree2->viewport(), Qt::LeftButton, {}, punkt);
        QTest::qWait(holdt);
        QTest::mouseRelease(tree2->viewport(), Qt::LeftButton, {}, punkt);
    };

    klik("y.txt", 0);
    explorer->startOmdoebning();
    skriv(tree2, "z.txt", Qt::Key_Return);
    QTest::qWait(foerKlik);
    klik("mappe", holdt);
    QTest::qWait(foerF2);
    // The click has selected the folder and made it the current element; nothing is opened.
    QCOMPARE(texts(tree2), (QStringList{"mappe", "z.txt"}));
    QCOMPARE(tree2->currentItem()->text(0), QStringLiteral("mappe"));
    QCOMPARE(QDir::cleanPath(entry->mainform().EditSti()->text()), *home / "C/r/mappe");
    explorer->startOmdoebning();
    QTest::qWait(aaben);
    skriv(tree2, "Data", Qt::Key_Return);
    QTest::qWait(2500);  // both refreshes have run

    QCOMPARE(QDir(*home / "C/r").entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"Data", "z.txt"}));
    QCOMPARE(texts(tree2), (QStringList{"Data", "z.txt"}));
    // The first renamed entry is not taken back into the user's hand.
    QVERIFY(!tree2->currentItem() || tree2->currentItem()->text(0) != u"z.txt");
}

void TwinformTest::newFolderAndNewFile()
{
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(*home / "C/x");
    explorer->NyMappeExecute();
    QVERIFY(QFileInfo(*home / "C/x/Ny mappe").isDir());
    skriv(compo.Struktur2(), "Breve", Qt::Key_Return);  // the new folder is named at once
    QVERIFY(QFileInfo(*home / "C/x/Breve").isDir());
    explorer->gaaTilMappe(*home / "C/x");
    explorer->NyMappeExecute();
    QVERIFY(QFileInfo(*home / "C/x/Ny mappe").isDir());

    home->write("C/x/Tekstfil.txt", "mit");
    explorer->gaaTilMappe(*home / "C/x");
    Q_EMIT compo.Struktur2()->itemClicked(vaelg(compo.Struktur2(), "Tekstfil.txt"), 0);  // the rule wants a selected node
    QTest::qWait(20);
    explorer->findChild<QAction*>("aOpretTekstfil")->trigger();
    QVERIFY(QFile::exists(*home / "C/x/Tekstfil (1).txt"));
    QCOMPARE(QFileInfo(*home / "C/x/Tekstfil (1).txt").size(), 3);
    QCOMPARE(compo.Filnavn(), *home / "C/x/Tekstfil (1).txt");
    skriv(compo.Struktur2(), "Noter.txt", Qt::Key_Return);
    QVERIFY(QFile::exists(*home / "C/x/Noter.txt"));
    explorer->findChild<QAction*>("Action3")->trigger();
    QVERIFY(QFile::exists(*home / "C/x/Hjemmeside.html"));
}

void TwinformTest::renameAndExtensionDialogs()
{
    home->make({"C/x/y/h.txt", "C/x/y/a.txt"});
    Twinform* explorer = start();
    // The user: an empty name first, then the names queued.
    QStringList navne = {"", "g", "h", "md", ".txt"};
    QStringList beskeder;
    modalseam::install([&](QDialog& box) {
        if (auto* omdoeb = qobject_cast<TOmdoebForm*>(&box)) {
            omdoeb->newEdit->setText(navne.takeFirst());
            return int(QDialog::Accepted);
        }
        if (auto* besked = qobject_cast<TBoksform*>(&box))
            beskeder << besked->tekst();
        return int(QDialog::Accepted);
    });
    explorer->gaaTilFil(*home / "C/x/y/f.txt");
    explorer->RenameExecute();
    QCOMPARE(beskeder, QStringList{"Der mangler et nyt navn.\rIndfør det nye navn og tryk \"Omdøb\"."});
    QVERIFY(QFile::exists(*home / "C/x/y/g.txt") && !QFile::exists(*home / "C/x/y/f.txt"));

    // A taken name gives the free one; nothing is overwritten.
    explorer->gaaTilFil(*home / "C/x/y/g.txt");
    explorer->RenameExecute();
    QVERIFY(!QFile::exists(*home / "C/x/y/g.txt") && QFile::exists(*home / "C/x/y/h.txt"));
    QCOMPARE(QDir(*home / "C/x/y").entryList(QDir::Files).size(), 3);

    // The extension of every file of the kind in the folder.
    explorer->gaaTilFil(*home / "C/x/y/a.txt");
    explorer->RenameExtExecute();
    QCOMPARE(QDir(*home / "C/x/y").entryList({"*.txt"}, QDir::Files), QStringList());
    QCOMPARE(QDir(*home / "C/x/y").entryList({"*.md"}, QDir::Files).size(), 3);
    // With or without its dot, the new extension is the same.
    explorer->gaaTilFil(*home / "C/x/y/a.md");
    explorer->RenameExtExecute();
    QCOMPARE(QDir(*home / "C/x/y").entryList({"*.txt"}, QDir::Files).size(), 3);
    QVERIFY(navne.isEmpty());
    modalseam::install({});
}

void TwinformTest::dragAndDrop_data()
{
    QTest::addColumn<bool>("altidKopi");  // "Anvend Drag-Drop-kopiering"
    QTest::addColumn<QString>("maal");    // the folder dropped on, in the folder tree
    QTest::addColumn<bool>("flyttet");
    QTest::newRow("samme drev flytter") << false << "C/A" << true;
    QTest::newRow("andet drev kopierer") << false << "D" << false;
    QTest::newRow("altid kopi") << true << "C/A" << false;
}

void TwinformTest::dragAndDrop()
{
    QFETCH(bool, altidKopi);
    QFETCH(QString, maal);
    entry->mainform().setKlipbordFabrik([](Tmainform& m) { return new Tlisteform(m, m.opt.sammeKlipbord, m.NewCount); });
    Twinform* explorer = start();
    explorer->opt.DragDropCheck = altidKopi;
    explorer->opt.spmBox = 2;
    explorer->show();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(*home / "C/x/y");
    QTreeWidget* tree2 = compo.Struktur2();
    QTreeWidgetItem* fil = vaelg(tree2, "f.txt");
    QTest::mousePress(tree2->viewport(), Qt::LeftButton, {}, tree2->visualItemRect(fil).center());
    QTest::mouseRelease(tree2->viewport(), Qt::LeftButton, {}, tree2->visualItemRect(fil).center());
    vaelg(tree2, "f.txt");
    QVERIFY(compo.udfoldStruktur1(*home / maal, true));
    QTreeWidget* tree1 = compo.Struktur1();
    const QPoint punkt = tree1->visualItemRect(tree1->currentItem()).center();
    vaelg(tree2, "f.txt");
    compo.setAktiveStruktur(2);
    explorer->slipElementer(1, punkt);
    QVERIFY(QFile::exists(*home / (maal + "/f.txt")));
    QFETCH(bool, flyttet);
    QCOMPARE(QFile::exists(*home / "C/x/y/f.txt"), !flyttet);

    // A drive cannot be dragged (the first node, and D); a folder can.
    const QPoint drev = tree1->visualItemRect(tree1->topLevelItem(0)).center();
    QTest::mousePress(tree1->viewport(), Qt::LeftButton, {}, drev);
    QTest::mouseRelease(tree1->viewport(), Qt::LeftButton, {}, drev);
    QVERIFY(!tree1->dragEnabled());
    QTest::mousePress(tree1->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseRelease(tree1->viewport(), Qt::LeftButton, {}, punkt);
    QCOMPARE(tree1->dragEnabled(), maal != u"D");
}

void TwinformTest::dropOnAPathTab()
{
    entry->mainform().setKlipbordFabrik([](Tmainform& m) { return new Tlisteform(m, m.opt.sammeKlipbord, m.NewCount); });
    Twinform* explorer = start();
    explorer->opt.spmBox = 2;
    explorer->show();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(*home / "C/x/y");
    QTreeWidgetItem* fil = vaelg(compo.Struktur2(), "f.txt");
    QTest::mousePress(compo.Struktur2()->viewport(), Qt::LeftButton, {}, compo.Struktur2()->visualItemRect(fil).center());
    vaelg(compo.Struktur2(), "f.txt");
    auto* faner = explorer->findChild<QTabBar*>("mirvel");
    const QStringList navne = tabs(faner);
    const int x = int(navne.indexOf("x"));
    QVERIFY(x > 0);
    explorer->slipElementer(0, faner->tabRect(x).center());
    QVERIFY(QFile::exists(*home / "C/x/f.txt"));
    QVERIFY(QFile::exists(*home / "C/x/y/f.txt"));  // "Anvend Drag-Drop-kopiering" is on: a copy
}

void TwinformTest::helpPages()
{
    Twinform* explorer = start();
    Tmainform& main = entry->mainform();
    const auto vistSide = [] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* browser = qobject_cast<QTextBrowser*>(widget))
                return browser->source().fileName();
        return QString();
    };
    const struct {
        const char* knap;
        const char* side;
    } knapper[] = {{"hInformation", "Besøgte mapper.html"},     {"mInformation", "Favoritmapper.html"},
                   {"fInformation", "Favoritfiler.html"},       {"infoIndstillingerButton", "indstillinger.html"},
                   {"infoInfoBut", "Aktuel information.html"},   {"informationsKnap", "Andre egenskaber.html"},
                   {"informationsKnappen", "Særlige egenskaber.html"}};
    for (const auto& k : knapper) {
        auto* knap = explorer->findChild<QToolButton*>(QLatin1String(k.knap));
        QVERIFY2(knap, k.knap);
        knap->click();
        QCOMPARE(vistSide(), QString::fromUtf8(k.side));
    }
    // F1 in the explorer opens the page of its active tree.
    main.mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(explorer->parentWidget()));
    explorer->findChild<QAction*>("Fokus2")->trigger();
    main.findChild<QAction*>("aInfo")->trigger();
    QCOMPARE(vistSide(), QStringLiteral("Filstrukturen.html"));
    main.mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(explorer->parentWidget()));
    explorer->findChild<QAction*>("Fokus")->trigger();
    main.findChild<QAction*>("aInfo")->trigger();
    QCOMPARE(vistSide(), QStringLiteral("Mappestrukturen.html"));
}

void TwinformTest::favouritesAndSavedStructure()
{
    Twinform* explorer = start();
    const auto handling = [explorer](const char* navn) { return explorer->findChild<QAction*>(QLatin1String(navn)); };
    const auto regler = [] { QCoreApplication::processEvents(); };
    explorer->gaaTilMappe(*home / "C/x");
    regler();
    QVERIFY(handling("aInsertFavoritmappe")->isEnabled());
    handling("aInsertFavoritmappe")->trigger();
    QCOMPARE(explorer->FavDir->GetFilnavn(0), *home / "C/x");
    QCOMPARE(explorer->FavDir->GetCaption(0), QStringLiteral("x"));
    QCOMPARE(explorer->findChild<QTabWidget*>("winBog")->currentIndex(), 2);
    QVERIFY(platform::readTextLines(explorer->FavDir->Itemfile)->join(u'\n').contains(*home / "C/x"));
    regler();
    QVERIFY(!handling("aInsertFavoritmappe")->isEnabled());  // one insertion per visit
    explorer->gaaTilFil(*home / "C/x/y/f.txt");
    regler();
    handling("aInsertFavoritmappe")->trigger();
    QCOMPARE(explorer->FavFiler->GetFilnavn(0), *home / "C/x/y/f.txt");
    QCOMPARE(explorer->findChild<QTabWidget*>("favoritBog")->currentIndex(), 1);
    explorer->gaaTilMappe(*home / "C");
    explorer->findChild<QCheckBox*>("tabVisCheck2")->click();  // the favourites page off
    regler();
    QVERIFY(!handling("aInsertFavoritmappe")->isEnabled());

    // The folder tree's structure saved, replaced and loaded again as points.
    TStrukturCompo& compo = explorer->strukturCompo();
    QStringList punkter = {*home / "C/A", *home / "C/B"};
    compo.makePunktStruktur(punkter);
    const QStringList gemt = texts(compo.Struktur1());
    handling("gemStruktur")->trigger();
    regler();
    for (const char* knap : {"strukturGemButton", "StrukturHentButton", "GHoptButton"})
        QVERIFY2(!explorer->findChild<QToolButton*>(QLatin1String(knap))->isEnabled(), knap);
    vaelg(compo.Struktur1(), "A");
    regler();
    QVERIFY(explorer->findChild<QToolButton*>("StrukturHentButton")->isEnabled());
    compo.makePreDrives();
    entry->mainform().opt.FremFormCheck = 1;
    handling("hentStruktur")->trigger();
    QCOMPARE(texts(compo.Struktur1()), gemt);

    // The last home-made structure again: only once one was chosen.
    QVERIFY(!handling("aReloadStruktur")->isEnabled());
    QCOMPARE(explorer->findChild<QToolButton*>("Button14")->defaultAction(), handling("aReloadStruktur"));
    QCOMPARE(explorer->findChild<QToolButton*>("opretStrukturButton")->menu(), entry->mainform().PuMappeStruk());
}

void TwinformTest::htmlListOpensWithTheDefaultApplication()
{
    // The default application for HTML records what it was asked to open.
    const QString record = *home / "record";
    home->write("xdg/recorder.sh", "#!/bin/sh\nprintf '%s' \"$1\" > '" + record.toUtf8() + ".tmp' && mv '" + record.toUtf8()
                                       + ".tmp' '" + record.toUtf8() + "'\n");
    QFile::setPermissions(*home / "xdg/recorder.sh", QFile::permissions(*home / "xdg/recorder.sh") | QFile::ExeOwner);
    home->write("xdg/data/applications/qvmtest.desktop", "[Desktop Entry]\nType=Application\nName=QVM test\nExec="
                                                             + (*home / "xdg/recorder.sh").toUtf8() + " %f\nMimeType=text/html;\n");
    home->write("xdg/config/mimeapps.list", "[Default Applications]\ntext/html=qvmtest.desktop\n");
    qputenv("XDG_DATA_HOME", QFile::encodeName(*home / "xdg/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(*home / "xdg/config"));
    home->make({"C/musik/en.mp3", "C/musik/to.mp3"});

    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(*home / "C/musik");
    QCoreApplication::processEvents();
    QVERIFY(!explorer->findChild<QAction*>("aHTMLmusikliste")->isEnabled());
    explorer->gaaTilFil(*home / "C/musik/en.mp3");
    compo.Struktur2()->selectAll();
    QCoreApplication::processEvents();
    QAction* musik = explorer->findChild<QAction*>("aHTMLmusikliste");
    QVERIFY(musik->isEnabled());
    QVERIFY(explorer->findChild<QToolButton*>("MFBbutton")->menu()->actions().contains(musik));
    musik->trigger();
    const QString side = *home / "C/musik/Musik_afspilningsliste.html";
    QVERIFY(QFile::exists(side));
    QCOMPARE(compo.Filnavn(), side);
    QTRY_VERIFY(QFile::exists(record));
    QFile recorded(record);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()), side);
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(TwinformTest)
#include "test_twinform.moc"
