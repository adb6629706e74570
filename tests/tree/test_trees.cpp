#include "tests/tree/enginefixture.h"
#include "tree/ikoner.h"

#include <QMenu>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The nodes of the folder-and-file tree as "caption:ID:icon", folders first as the tree has them.
QStringList nodeLines(const EngineFixture& f)
{
    QStringList lines;
    for (int i = 0; i < f.struktur2.topLevelItemCount(); ++i) {
        auto* node = f.node(f.struktur2.topLevelItem(i));
        lines.append(QStringLiteral("%1:%2:%3").arg(node->text(0)).arg(node->rec.ID).arg(node->ikon));
    }
    return lines;
}

// Folders stand before files; within each group the file system's order is kept, which the
// test does not know, so each group is compared sorted. A folder after a file shows as "MIX".
QStringList grouped(QStringList lines)
{
    const auto firstFile = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains(":1:"); });
    if (std::any_of(firstFile, lines.end(), [](const QString& l) { return l.contains(":0:"); }))
        return {"MIX"};
    std::sort(lines.begin(), firstFile);
    std::sort(firstFile, lines.end());
    return lines;
}

void selectNodes(QTreeWidget& tree, const QStringList& captions)
{
    tree.clearSelection();
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (captions.contains(tree.topLevelItem(i)->text(0)))
            tree.topLevelItem(i)->setSelected(true);
}

}  // namespace

class TreesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void folderAndFileTree_data();
    void folderAndFileTree();
    void awkwardNamesKeepTheirPaths();
    void missingFolderShowsFirstRoot();
    void filesOfOneType();
    void selectionQueries();
    void selectAllNoneInvert();
    void selectFile();
    void markFileType();
    void unfoldDownToAFolder_data();
    void unfoldDownToAFolder();
    void unfoldSelectedFolder();
    void emptyDiscDrive();
    void driveMenu();
    void specialFolders();
    void renameExtensionsRefreshesTheTree();
    void nodeUnderTheMouse();
};

void TreesTest::folderAndFileTree_data()
{
    QTest::addColumn<bool>("showHidden");
    QTest::addColumn<QStringList>("nodes");
    QTest::newRow("hidden left out") << false
                                     << QStringList{"sub:0:1", "windows:0:1", "a.txt:1:6", "c.JPG:1:3", "d:1:2",
                                                    "e.mp3:1:4"};
    QTest::newRow("hidden shown") << true
                                  << QStringList{".skjult:0:1", "sub:0:1",    "windows:0:1", ".b.txt:1:6", ".hidden:1:2",
                                                 "a.txt:1:6",   "c.JPG:1:3", "d:1:2",        "e.mp3:1:4",  "listet.txt:1:6"};
}

void TreesTest::folderAndFileTree()
{
    QFETCH(bool, showHidden);
    QFETCH(QStringList, nodes);
    EngineFixture f;
    f.home.make({"F/sub/", "F/.skjult/", "F/windows/", "F/a.txt", "F/.b.txt", "F/c.JPG", "F/d", "F/e.mp3",
                 "F/listet.txt"});
    f.home.write("F/.hidden", "listet.txt\n");
    f.compo.setShowHidden(showHidden);
    QCOMPARE(f.compo.makeStruktur2(f.home / "F"), f.home / "F");
    QCOMPARE(f.compo.Mappenavn(), f.home / "F");
    QCOMPARE(grouped(nodeLines(f)), nodes);
    for (int i = 0; i < f.struktur2.topLevelItemCount(); ++i) {
        const StrukturRec& rec = f.node(f.struktur2.topLevelItem(i))->rec;
        const QString path = f.home / ("F/" + f.struktur2.topLevelItem(i)->text(0));
        const StrukturRec expected = rec.ID == idFil ? StrukturRec{QString(), path, idFil}
                                                     : StrukturRec{path, QString(), idMappe};
        QCOMPARE(rec, expected);
        QCOMPARE(f.struktur2.topLevelItem(i)->childCount(), 0);
    }
    // The same folder named "windows" is a system folder in the folder tree.
    f.compo.makeDrive(f.C());
    auto* folder = new TStrukturNode("F", {f.home / "F", QString(), idMappe}, 3);
    f.struktur1.addTopLevelItem(folder);
    QVERIFY(f.compo.udfoldNode(folder));
    const QStringList children = f.captions(folder);
    QVERIFY(!children.contains(".skjult") || showHidden);
    QCOMPARE(f.node(folder->child(int(children.indexOf("windows"))))->rec.ID, int(idSystem));
}

void TreesTest::awkwardNamesKeepTheirPaths()
{
    EngineFixture f;
    const QStringList names{"blank navn.txt", "quote\"s.txt", "new\nline.txt", "æøå.txt", " lead.txt"};
    for (const QString& name : names)
        f.home.write("W/" + name, "x");
    f.home.make({"W/målmappe/"});
    const QByteArray invalid = QFile::encodeName(f.home / "W/") + "bad\xff\xfe.txt";
    QVERIFY(::close(::open(invalid.constData(), O_CREAT | O_WRONLY, 0644)) == 0);
    QVERIFY(QFile::link(f.home / "W/væk", f.home / "W/dangling"));
    QVERIFY(QFile::link(f.home / "W/målmappe", f.home / "W/link til mappe"));
    QVERIFY(::mkfifo(QFile::encodeName(f.home / "W/fifo").constData(), 0644) == 0);

    f.compo.makeStruktur2(f.home / "W");
    QStringList captions = f.captions2();
    captions.sort();
    QStringList expected = names + QStringList{"målmappe", "link til mappe", "fifo"};
    expected.sort();
    QCOMPARE(captions, expected);
    for (int i = 0; i < f.struktur2.topLevelItemCount(); ++i) {
        const StrukturRec& rec = f.node(f.struktur2.topLevelItem(i))->rec;
        QVERIFY(QFileInfo::exists(rec.ID == idFil ? rec.filnavn : rec.mappe));
    }
    QCOMPARE(f.node(f.struktur2.findItems("link til mappe", Qt::MatchExactly).value(0))->rec.ID, int(idMappe));
}

void TreesTest::missingFolderShowsFirstRoot()
{
    EngineFixture f;
    QCOMPARE(f.compo.makeStruktur1(), QStringLiteral("/"));
    f.home.make({"V/gone/"});
    QCOMPARE(f.compo.makeStruktur2(f.home / "findes ikke"), QStringLiteral("/"));
    QCOMPARE(f.compo.makeStruktur2(QString()), QStringLiteral("/"));
    // A folder that vanishes after it was listed unfolds to nothing, without a message.
    auto* node = new TStrukturNode("gone", {f.home / "V/gone", QString(), idMappe}, 3);
    f.struktur1.addTopLevelItem(node);
    QVERIFY(QDir(f.home / "V").removeRecursively());
    QVERIFY(!f.compo.udfoldNode(node));
    QVERIFY(f.boxes.shown.isEmpty());
}

void TreesTest::filesOfOneType()
{
    EngineFixture f;
    f.home.make({"T/a.txt", "T/B.Txt", "T/.c.txt", "T/d.doc", "T/sub.txt/"});
    f.compo.setShowHidden(true);
    f.compo.setMappenavn(f.home / "T");
    QCOMPARE(f.compo.makeStrukturFil("TXT"), 2);
    QStringList captions = f.captions2();
    captions.sort();
    QCOMPARE(captions, QStringList({"B.Txt", "a.txt"}));
    QCOMPARE(f.node(f.struktur2.topLevelItem(0))->rec.mappe, f.home / "T");
    QCOMPARE(f.compo.makeStrukturFil(""), 3);
}

void TreesTest::selectionQueries()
{
    EngineFixture f;
    f.home.make({"t/a.txt", "t/b.txt", "t/mappe/", "t/c"});
    f.compo.makeStruktur2(f.home / "t");
    f.compo.setAktiveStruktur(2);
    QCOMPARE(f.compo.getNodeId(), int(idIntet));
    selectNodes(f.struktur2, {"a.txt", "b.txt", "mappe"});
    QStringList folders{"gammel"}, files;
    QCOMPARE(f.compo.loadLister(folders, files), 3);
    QCOMPARE(folders, QStringList{f.home / "t/mappe"});
    QStringList sortedFiles = files;
    sortedFiles.sort();
    QCOMPARE(sortedFiles, QStringList({f.home / "t/a.txt", f.home / "t/b.txt"}));

    const QString param = f.compo.makeParamString();
    QStringList quoted;
    for (const QString& file : files)
        quoted.append('"' + file + '"');
    QCOMPARE(param, quoted.join(' '));
    QStringList withExt;
    QCOMPARE(f.compo.getSelectListe(withExt), 2);

    selectNodes(f.struktur2, {"a.txt"});
    f.struktur2.setCurrentItem(f.struktur2.findItems("a.txt", Qt::MatchExactly).first());
    QCOMPARE(f.compo.getSelected(), QStringLiteral("a.txt"));
    QCOMPARE(f.compo.Filnavn(), f.home / "t/a.txt");
    QCOMPARE(f.compo.getSelectedMedSti(), f.home / "t/a.txt");
    QCOMPARE(f.compo.getNodeId(), int(idFil));
    QCOMPARE(f.compo.udfoldFileDirectory(), f.home / "t/a.txt");

    f.compo.setAktiveStruktur(1);
    QCOMPARE(f.compo.makeParamString(), QString());
    QCOMPARE(f.compo.getNodeId(), int(idIntet));
    f.compo.makeStruktur1();
    QCOMPARE(f.compo.getSelected(), QStringLiteral("/"));
    QCOMPARE(f.compo.getNodeId(), int(idDrev));
    QCOMPARE(f.compo.loadLister(folders, files), 1);
    QCOMPARE(folders, QStringList{"/"});
    f.compo.deselectMapper();
    QCOMPARE(f.compo.getSelected(), QString());
}

void TreesTest::selectAllNoneInvert()
{
    EngineFixture f;
    f.home.make({"s/a", "s/b", "s/c"});
    f.compo.makeStruktur2(f.home / "s");
    f.compo.setAktiveStruktur(2);
    f.compo.SelectMapperFiler(1);
    QCOMPARE(f.struktur2.selectedItems().size(), 3);
    f.compo.SelectMapperFiler(3);
    QVERIFY(f.struktur2.selectedItems().isEmpty());
    f.compo.SelectMapperFiler(3);
    QCOMPARE(f.struktur2.selectedItems().size(), 3);
    f.compo.SelectMapperFiler(2);
    QVERIFY(f.struktur2.selectedItems().isEmpty());
    QCOMPARE(f.compo.Filnavn(), QString());
}

void TreesTest::selectFile()
{
    EngineFixture f;
    f.home.make({"sf/x/", "sf/Rapport.txt", "sf/rapport.TXT"});
    QCOMPARE(f.compo.SelectFil(f.home / "sf/rapport.TXT"), f.home / "sf/rapport.TXT");
    QCOMPARE(f.struktur2.selectedItems().value(0)->text(0), QStringLiteral("rapport.TXT"));
    QCOMPARE(f.compo.Mappenavn(), f.home / "sf");
    QCOMPARE(f.compo.SelectFil(f.home / "sf/findes ikke"), f.home / "sf/rapport.TXT");
}

void TreesTest::markFileType()
{
    EngineFixture f;
    f.home.make({"m/a.txt", "m/b.TXT", "m/c.doc", "m/d.txt/", "m/e.æøå", "m/f.ÆøÅ", "m/g.aoa"});
    f.compo.makeStruktur2(f.home / "m");
    QCOMPARE(f.compo.fremvisFiltype("txt"), 2);
    int marked = 0;
    for (int i = 0; i < f.struktur2.topLevelItemCount(); ++i)
        marked += f.node(f.struktur2.topLevelItem(i))->ikon == ikoner::fremvist;
    QCOMPARE(marked, 2);
    // Case is ignored over the whole of Unicode.
    QCOMPARE(f.compo.fremvisFiltype("ÆØÅ"), 2);
}

void TreesTest::unfoldDownToAFolder_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("showPrivate");
    QTest::addColumn<bool>("allDrives");
    QTest::addColumn<bool>("reached");
    QTest::addColumn<QStringList>("roots");
    QTest::newRow("file in x, one drive") << "C/Users/x/a.txt" << false << false << true << QStringList{"System"};
    QTest::newRow("private folders first") << "C/Users/x" << true << false << true << QStringList{"anna", "System"};
    QTest::newRow("all drives") << "C/Users/x" << false << true << true << QStringList{"rod", "System", ""};
    QTest::newRow("the drive itself") << "D" << false << false << true << QStringList{""};
    QTest::newRow("missing folder changes nothing") << "C/Usrs" << false << false << false << QStringList{};
    QTest::newRow("hidden folder on the way") << "C/.cfg/y" << false << false << false << QStringList{"System"};
}

void TreesTest::unfoldDownToAFolder()
{
    QFETCH(QString, target);
    QFETCH(bool, showPrivate);
    QFETCH(bool, allDrives);
    QFETCH(bool, reached);
    QFETCH(QStringList, roots);
    EngineFixture f;
    f.home.make({"C/Users/x/a.txt", "C/Users/x/inde/", "C/Users/y/", "C/.cfg/y/", "C/Usrs/"});
    QDir(f.C("Usrs")).removeRecursively();
    f.compo.setShowPrivate(showPrivate);
    QCOMPARE(f.compo.udfoldStruktur1(f.home / target, allDrives), reached);
    QStringList labels;
    for (const QString& caption : f.captions())
        labels.append(caption.section(" (", 0, 0));
    QCOMPARE(labels, roots);
    auto* selected = f.node(f.struktur1.selectedItems().value(0));
    QCOMPARE(selected != nullptr, !roots.isEmpty());
    if (!selected)
        return;
    if (reached) {
        const QString folder = QFileInfo(f.home / target).isFile() ? QFileInfo(f.home / target).absolutePath()
                                                                    : f.home / target;
        QCOMPARE(selected->rec.mappe, folder);
    } else {
        QCOMPARE(selected->rec.mappe, f.C());
    }
}

void TreesTest::unfoldSelectedFolder()
{
    EngineFixture f;
    f.home.make({"C/kun skjulte/.a/", "C/kun skjulte/.b/"});
    f.compo.makeDrive(f.C());
    QCOMPARE(f.compo.udfoldDirectory(), f.C());
    auto* folder = f.root(0)->child(0);
    QCOMPARE(folder->text(0), QStringLiteral("kun skjulte"));
    f.struktur1.setCurrentItem(folder);
    QCOMPARE(f.compo.udfoldDirectory(), f.C("kun skjulte"));
    QCOMPARE(folder->childCount(), 0);
    QCOMPARE(folder->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
    QCOMPARE(f.compo.getDirectory(), f.C("kun skjulte"));
    QCOMPARE(f.compo.Mappenavn(), f.C("kun skjulte"));
    f.struktur1.clear();
    QCOMPARE(f.compo.udfoldDirectory(), QString());
}

void TreesTest::emptyDiscDrive()
{
    EngineFixture f;
    f.home.make({"CD/"});
    FakeDrives withDisc({{"/", "ext4", "/dev/sda1", "", platform::DriveKind::Fixed},
                         {f.home / "CD", "iso9660", "/dev/sr0", "", platform::DriveKind::Optical}});
    f.compo.makeDrive(f.home / "CD");
    QCOMPARE(f.root(0)->ikon, 12);
    for (int time = 0; time < 2; ++time)
        QCOMPARE(f.compo.udfoldDirectory(), QStringLiteral("Ikke tilgængeligt"));
    QCOMPARE(f.root(0)->text(0), "Diskdrev(" + f.home / "CD" + ") TOM");
    QVERIFY(f.root(0)->isDisabled());
}

void TreesTest::driveMenu()
{
    EngineFixture f;
    f.home.make({"D/a/", "D/b.txt"});
    QMenu menu;
    f.compo.makeDrevMenu(&menu);
    QStringList entries;
    for (QAction* action : menu.actions())
        entries.append(action->text());
    QCOMPARE(entries, QStringList({"rod (/)", "System (" + f.C() + ")", " (" + f.D() + ")"}));
    QList<std::pair<QString, bool>> changes;
    f.compo.onDirectoryChange = [&](const QString& dir, bool medPath) { changes.append({dir, medPath}); };

    f.compo.setAktiveStruktur(1);
    menu.actions().last()->trigger();
    QCOMPARE(f.captions(), QStringList{" (" + f.D() + ")"});
    QCOMPARE(f.captions(f.root(0)), QStringList{"a"});
    f.compo.setAktiveStruktur(2);
    menu.actions().last()->trigger();
    QCOMPARE(f.struktur2.topLevelItemCount(), 2);
    QCOMPARE(changes, (QList<std::pair<QString, bool>>{{f.D(), false}, {f.D(), true}}));
}

void TreesTest::specialFolders()
{
    EngineFixture f;
    try {
        f.compo.GetMyDesktop();
        QFAIL("no desktop folder, but no message");
    } catch (const MappeFejl& fejl) {
        QCOMPARE(fejl.besked, QStringLiteral("Kunne ikke finde skrivebordsmappen."));
    }
    QCOMPARE(f.compo.GetMyDownLoad(), QStringLiteral("/"));
    f.home.make({"Desktop/", "Downloads/"});
    QCOMPARE(f.compo.GetMyDesktop(), f.home / "Desktop");
    QCOMPARE(f.compo.GetMyDownLoad(), f.home / "Downloads");
    QCOMPARE(f.compo.getDrevType(f.D() + "/"), 1);
    QCOMPARE(f.compo.getDrevType(f.home / "R"), 4);
    QCOMPARE(f.compo.getVolumeLabel(f.C()), QStringLiteral("System"));
}

void TreesTest::renameExtensionsRefreshesTheTree()
{
    EngineFixture f;
    f.home.make({"r/a.txt", "r/a.md"});
    QCOMPARE(f.compo.RenameFilExt(f.home / "r", ".txt", ".md", false), 1);
    QCOMPARE(f.compo.Mappenavn(), f.home / "r");
    QCOMPARE(f.struktur2.topLevelItemCount(), 2);
    QCOMPARE(f.compo.RenameFilExt(f.home / "ingen", ".txt", ".md", false), -1);
    QCOMPARE(f.boxes.texts(), QStringList{"Der opstod en ukendt fejl!"});
}

void TreesTest::nodeUnderTheMouse()
{
    EngineFixture f;
    f.home.make({"p/mappe/", "p/fil.txt"});
    f.compo.makeStruktur2(f.home / "p");
    f.struktur2.show();
    const QPoint onFile = f.struktur2.visualItemRect(f.struktur2.findItems("fil.txt", Qt::MatchExactly).first()).center();
    QCOMPARE(f.compo.getFocusFilDirectory(onFile.x(), onFile.y()), f.home / "p");
    QCOMPARE(f.compo.Filnavn(), f.home / "p/fil.txt");
    QCOMPARE(f.compo.getFocusFilDirectory(5, 5000), f.home / "p");
    QVERIFY(f.struktur2.selectedItems().isEmpty());
}

QTEST_MAIN(TreesTest)
#include "test_trees.moc"
