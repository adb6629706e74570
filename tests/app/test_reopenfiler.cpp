#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "app/treopenfiler.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMainWindow>
#include <QtTest>

namespace {

QStringList captions(const TReopenFiler& liste)
{
    QStringList texts;
    for (int i = 0; i < liste.Antal(); ++i)
        texts.append(liste.GetCaption(i));
    return texts;
}

QStringList rows(QListWidget& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.item(i)->text());
    return texts;
}

}  // namespace

class ReopenFilerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fileOfPairsWithAnOddLine();
    void historyInsertsLastAndKeepsItsLimit();
    void favouritesInsertFirstAndSave();
    void sortingMovingAndRemoving();
    void clearingAsksFirst();
    void clicksTestTheEntry();

private:
    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<QMainWindow> main;
    std::unique_ptr<Tinfform> info;
    std::unique_ptr<Tspform> spoergsmaal;
    std::unique_ptr<BoksBeskeder> beskeder;
};

void ReopenFilerTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    main = std::make_unique<QMainWindow>();
    info = std::make_unique<Tinfform>(main.get());
    spoergsmaal = std::make_unique<Tspform>(main.get());
    beskeder = std::make_unique<BoksBeskeder>(info.get(), spoergsmaal.get());
}

void ReopenFilerTest::cleanup()
{
    beskeder.reset();
    spoergsmaal.reset();
    info.reset();
    main.reset();
    boxes.reset();
    home.reset();
}

void ReopenFilerTest::fileOfPairsWithAnOddLine()
{
    home->write("liste.txt", "Første\r\n/a\r\nAnden\r\n/b\r\nTredje\r\n");
    TReopenFilerX liste;
    QListWidget box;
    liste.Itemfile = *home / "liste.txt";
    liste.setListeBoks(&box);
    liste.HentReopenFiler();
    QCOMPARE(liste.Antal(), 3);
    QCOMPARE(liste.GetFilnavn(1), QStringLiteral("/b"));
    QCOMPARE(liste.GetFilnavn(2), QString());
    QCOMPARE(liste.GetCaption(7), QString());
    QCOMPARE(rows(box), QStringList({"Første", "Anden", "Tredje"}));
    QCOMPARE(box.currentRow(), -1);
    liste.GemReopenFiler();
    QCOMPARE(platform::readTextLines(liste.Itemfile),
             std::optional<QStringList>(QStringList({"Første", "/a", "Anden", "/b", "Tredje", ""})));
}

void ReopenFilerTest::historyInsertsLastAndKeepsItsLimit()
{
    TReopenFilerY historie;
    QListWidget box;
    historie.setListeBoks(&box);
    historie.Itemtype = itAndet;
    for (int i = 1; i <= 24; ++i)
        historie.InsertItem(QStringLiteral("/m%1").arg(i), QStringLiteral("m%1").arg(i));
    historie.InsertItem("/ny", "ny");
    QCOMPARE(historie.Antal(), 24);
    QCOMPARE(historie.GetFilnavn(23), QStringLiteral("/ny"));
    QCOMPARE(historie.GetFilnavn(22), QStringLiteral("/m23"));
    QCOMPARE(box.currentRow(), 23);

    TReopenFilerY mapper;
    mapper.InsertItem("/A", "A");
    mapper.InsertItem("/B", "B");
    mapper.InsertItem("/a", "a");
    QCOMPARE(captions(mapper), QStringList({"A", "B"}));
    TReopenFilerY filer;
    filer.Itemtype = itFil;
    filer.InsertItem(*home / "findes ikke.txt", "x");
    QCOMPARE(filer.Antal(), 0);
}

void ReopenFilerTest::favouritesInsertFirstAndSave()
{
    TReopenFilerX favoritter;
    QListWidget box;
    favoritter.setListeBoks(&box);
    favoritter.Itemfile = *home / "favoritmapper1.txt";
    favoritter.InsertItem("/a", "a");
    favoritter.InsertItem("/b", "b");
    favoritter.InsertItem("/A", "A igen");
    QCOMPARE(captions(favoritter), QStringList({"A igen", "b"}));
    QVERIFY(!QFileInfo::exists(favoritter.Itemfile));  // inserting saves nothing
    favoritter.SetCaption(1, "bee");
    QCOMPARE(rows(box), QStringList({"A igen", "bee"}));
    QCOMPARE(platform::readTextLines(favoritter.Itemfile)->size(), 4);
    favoritter.DeleteItemFilnavn("/A", false);
    QCOMPARE(favoritter.Antal(), 1);
    QCOMPARE(rows(box).size(), 2);  // not refilled
    QCOMPARE(platform::readTextLines(favoritter.Itemfile)->size(), 4);  // nor saved
    favoritter.DeleteItemCaption("BEE");
    QCOMPARE(platform::readTextLines(favoritter.Itemfile)->size(), 0);
}

void ReopenFilerTest::sortingMovingAndRemoving()
{
    TReopenFilerY liste;
    QListWidget box;
    liste.setListeBoks(&box);
    liste.Itemfile = *home / "historiemapper1.txt";
    liste.Itemtype = itAndet;
    for (const char* caption : {"b", "A", "c", "Æble"})
        liste.InsertItem(QStringLiteral("/") + caption, caption);
    liste.sorterListe();
    QCOMPARE(captions(liste), QStringList({"A", "b", "c", "Æble"}));
    QCOMPARE(platform::readTextLines(liste.Itemfile)->size(), 8);
    QVERIFY(!liste.flytOp(0));
    QVERIFY(liste.flytOp(1));
    QVERIFY(!liste.flytNed(3));
    QVERIFY(liste.flytNed(2));
    QCOMPARE(captions(liste), QStringList({"b", "A", "Æble", "c"}));
    liste.DeleteItem(0);
    QCOMPARE(captions(liste), QStringList({"A", "Æble", "c"}));
    // The history list saves only by sorting and its own button.
    QCOMPARE(platform::readTextLines(liste.Itemfile)->first(), QStringLiteral("A"));
    QCOMPARE(platform::readTextLines(liste.Itemfile)->size(), 8);
}

void ReopenFilerTest::clearingAsksFirst()
{
    TReopenFilerX favoritter;
    favoritter.setBeskeder(beskeder.get());
    favoritter.Itemfile = *home / "favoritfiler1.txt";
    favoritter.InsertItem("/x", "x");
    spoergsmaal->alleCheck()->setVisible(true);
    boxes->answer(QDialog::Rejected);
    QVERIFY(!favoritter.SletAlleItems());
    QCOMPARE(favoritter.Antal(), 1);
    boxes->answer(QDialog::Accepted);
    QVERIFY(favoritter.SletAlleItems());
    QCOMPARE(favoritter.Antal(), 0);
    QCOMPARE(platform::readTextLines(favoritter.Itemfile), std::optional<QStringList>(QStringList()));
    QCOMPARE(boxes->texts(), QStringList(2, "Skal alle indførte elementer i listen slettes?"));
    QVERIFY(!boxes->shown.first().alleCheckVisible);

    TReopenFilerY historie;
    historie.setBeskeder(beskeder.get());
    spoergsmaal->alleCheck()->setVisible(true);
    historie.SletAlleItems();
    QVERIFY(boxes->shown.last().alleCheckVisible);  // left as the previous caller had it
}

void ReopenFilerTest::clicksTestTheEntry()
{
    home->make({"mappe/", "fil.txt"});
    TReopenFilerX mapper;
    QListWidget box;
    mapper.setBeskeder(beskeder.get());
    mapper.setListeBoks(&box);
    QStringList klik;
    mapper.OnListeKlik = [&](const QString& caption, const QString& sti) { klik << caption << sti; };
    mapper.OnDblListeKlik = [&](const QString& caption, const QString&) { klik << "dobbelt " + caption; };
    mapper.InsertItem(*home / "væk", "væk");
    mapper.InsertItem(*home / "mappe", "mappe");
    box.setCurrentRow(0);
    Q_EMIT box.itemClicked(box.item(0));
    Q_EMIT box.itemDoubleClicked(box.item(0));
    box.setCurrentRow(1);
    Q_EMIT box.itemClicked(box.item(1));
    QCOMPARE(klik, QStringList({"mappe", *home / "mappe", "dobbelt mappe"}));

    TReopenFilerX filer;
    QListWidget filBox;
    filer.Itemtype = itFil;
    filer.setBeskeder(beskeder.get());
    filer.setListeBoks(&filBox);
    filer.InsertItem(*home / "fil.txt", "fil");
    QVERIFY(QFile::remove(*home / "fil.txt"));
    filBox.setCurrentRow(0);
    Q_EMIT filBox.itemDoubleClicked(filBox.item(0));
    QCOMPARE(boxes->texts(), QStringList({"Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen.",
                                          "Filen blev ikke fundet.\nSlet eventuelt elementet fra listen."}));
}

QTEST_MAIN(ReopenFilerTest)
#include "test_reopenfiler.moc"
