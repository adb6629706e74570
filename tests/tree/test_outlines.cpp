#include "tests/tree/enginefixture.h"
#include "platform/textfile.h"

#include <QtTest>

class OutlinesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void levelStructure();
    void levelStructureMergesCase();
    void bulletStructure();
    void systemFolderInBulletStructure();
    void onlyMissingFoldersGiveTheDriveTree();
    void drivesThatCannotBeShown();
    void oneFoldersChain();
    void savedStructureRoundTrip();
};

void OutlinesTest::levelStructure()
{
    EngineFixture f;
    f.home.make({"D/b/", "C/x/y/", "C/x/z/"});
    QStringList list{f.D("b"), f.C("x/y"), f.C("x/z/")};
    f.compo.makeHistoryStruktur(list);
    QCOMPARE(list.last(), f.C("x/z"));
    QCOMPARE(f.captions(), QStringList({"System (" + f.C() + ")", " (" + f.D() + ")"}));
    QCOMPARE(f.root(0)->rec, (StrukturRec{f.C(), QString(), idDrev}));
    QCOMPARE(f.root(0)->ikon, 2);
    QCOMPARE(f.captions(f.root(0)), QStringList{"x"});
    QTreeWidgetItem* x = f.root(0)->child(0);
    QCOMPARE(f.captions(x), QStringList({"y", "z"}));
    QCOMPARE(f.node(x->child(1))->rec, (StrukturRec{f.C("x/z"), QString(), idMappe}));
    QCOMPARE(f.node(x->child(1))->ikon, 3);
    QCOMPARE(f.captions(f.root(1)), QStringList{"b"});
    QVERIFY(x->isExpanded());
    QVERIFY(f.struktur1.selectedItems().isEmpty());
    QCOMPARE(f.compo.StartNo, 2);
}

void OutlinesTest::levelStructureMergesCase()
{
    EngineFixture f;
    f.home.make({"C/a/b/", "C/A/c/", "C/deep/Program Files/"});
    QStringList list{f.C("a/b"), f.C("A/c"), f.C("deep/Program Files")};
    f.compo.makeHistoryStruktur(list);
    QCOMPARE(f.captions(f.root(0)), QStringList({"a", "deep"}));
    QTreeWidgetItem* a = f.root(0)->child(0);
    QCOMPARE(f.captions(a), QStringList({"b", "c"}));
    // The merged node keeps the path as the list spells it.
    QCOMPARE(f.node(a->child(1))->rec.mappe, f.C("A/c"));
    QCOMPARE(f.node(f.root(0)->child(1)->child(0))->rec.ID, int(idSystem));
}

void OutlinesTest::bulletStructure()
{
    EngineFixture f;
    f.home.make({"C/x/y/", "C/w/"});
    QStringList list{f.C("x/y"), f.D() + "/", f.C("w")};
    f.compo.makePunktStruktur(list);
    QCOMPARE(list[1], f.D());
    QCOMPARE(f.captions(), QStringList({" (" + f.D() + ")", "y", "w"}));
    QCOMPARE(f.root(1)->rec, (StrukturRec{f.C("x/y"), QString(), idMappe}));
    QCOMPARE(f.root(0)->rec.ID, int(idDrev));
    QCOMPARE(f.struktur1.selectedItems(), QList<QTreeWidgetItem*>{f.root(0)});

    QStringList drivesOnly{f.C(), f.D()};
    f.compo.makePunktStruktur(drivesOnly);
    QCOMPARE(f.captions(), QStringList({"System (" + f.C() + ")", " (" + f.D() + ")"}));
}

void OutlinesTest::systemFolderInBulletStructure()
{
    EngineFixture f;
    f.home.make({"C/data/Windows/"});
    QStringList list{f.C("data/Windows")};
    f.compo.makePunktStruktur(list);
    QCOMPARE(f.captions(), QStringList{"Windows"});
    QCOMPARE(f.root(0)->rec.ID, int(idSystem));
}

void OutlinesTest::onlyMissingFoldersGiveTheDriveTree()
{
    EngineFixture f;
    QStringList list{f.C("findes ikke"), f.home / "væk", "relativ"};
    f.compo.makeHistoryStruktur(list);
    QVERIFY(list.isEmpty());
    // The plain drive tree: RAM and network drives are left out.
    QCOMPARE(f.captions(), QStringList({"rod (/)", "System (" + f.C() + ")", " (" + f.D() + ")"}));
    QCOMPARE(f.root(0)->ikon, 1);
    QCOMPARE(f.struktur1.selectedItems(), QList<QTreeWidgetItem*>{f.root(0)});
}

void OutlinesTest::drivesThatCannotBeShown()
{
    EngineFixture f;
    f.home.make({"R/f/", "N/g/", "C/x/"});
    QStringList level{f.home / "R/f", f.home / "N/g", f.C("x")};
    f.compo.makeHistoryStruktur(level);
    QCOMPARE(f.captions(), QStringList{"System (" + f.C() + ")"});
    QStringList bullet{f.home / "R", f.home / "R/f"};
    f.compo.makePunktStruktur(bullet);
    QCOMPARE(f.captions(), QStringList{"f"});
}

void OutlinesTest::oneFoldersChain()
{
    EngineFixture f;
    f.home.make({"C/a/b/"});
    QCOMPARE(f.compo.udfoldMappe(f.C("a/b")), f.C("a/b/"));
    QCOMPARE(f.captions(), QStringList{"System (" + f.C() + ")"});
    QCOMPARE(f.captions(f.root(0)), QStringList{"a"});
    QCOMPARE(f.captions(f.root(0)->child(0)), QStringList{"b"});
    QCOMPARE(f.compo.udfoldMappe(f.C("findes ikke")), QString());
    QCOMPARE(f.struktur1.topLevelItemCount(), 3);
}

void OutlinesTest::savedStructureRoundTrip()
{
    EngineFixture f;
    f.home.make({"Desktop/", "Documents/"});
    f.compo.setGemHentFilnavn(f.home / "GemHentStruktur Stifinder 1.txt");
    QVERIFY(!f.compo.HentStrukturen(0));
    QCOMPARE(f.boxes.texts(), QStringList{"Der er ikke gemt en struktur."});

    f.compo.setShowPrivate(true);
    f.compo.makePreDrives();
    QCOMPARE(f.captions(), QStringList({"anna", "rod (/)", "System (" + f.C() + ")", " (" + f.D() + ")"}));
    QCOMPARE(f.captions(f.root(0)), QStringList({"Skrivebord", "Dokumenter"}));
    QVERIFY(f.compo.GemStrukturen());
    const QStringList saved{f.home.path(), f.home / "Desktop", f.home / "Documents", "/", f.C(), f.D()};
    QCOMPARE(platform::readTextLines(f.compo.GemHentFilnavn()), std::optional<QStringList>(saved));

    QVERIFY(f.compo.HentStrukturen(1));
    QCOMPARE(f.captions(), QStringList({"rod (/)", "System (" + f.C() + ")", " (" + f.D() + ")",
                                        QFileInfo(f.home.path()).fileName(), "Desktop", "Documents"}));
    f.struktur1.clear();
    QVERIFY(!f.compo.GemStrukturen());
}

QTEST_MAIN(OutlinesTest)
#include "test_outlines.moc"
