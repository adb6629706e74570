#include "core/mappelaeser.h"
#include "core/navneorden.h"
#include "tests/common/testhome.h"

#include <QtTest>
#include <algorithm>

namespace {

QStringList captions(const QList<StrukturEntry>& entries)
{
    QStringList names;
    for (const StrukturEntry& entry : entries)
        names.append(entry.caption);
    return names;
}

}  // namespace

// Folders and files show in the order of names a Danish reader expects, whatever order the file
// system hands them out in.
class NavneordenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void danishOrder_data();
    void danishOrder();
    void aFolderReadsInNameOrder();
};

void NavneordenTest::danishOrder_data()
{
    QTest::addColumn<QStringList>("orden");
    QTest::newRow("case ignored, exact text between equals") << QStringList{"a", "B", "b", "C"};
    QTest::newRow("numbers by value") << QStringList{"9", "10", "fil1", "Fil2", "fil10", "fil10a", "fil100"};
    QTest::newRow("æ, ø, å after z") << QStringList{"y", "Z", "æble", "Ørn", "ål"};
    QTest::newRow("dots and blanks before letters")
        << QStringList{" mellemrum", ".skjult", "a", "a b", "a.txt", "a1.txt", "ab.txt"};
}

void NavneordenTest::danishOrder()
{
    QFETCH(QStringList, orden);
    QList<StrukturEntry> entries;
    for (const QString& name : orden)
        entries.append({name, {}});
    std::reverse(entries.begin(), entries.end());
    sorterNavne(entries);
    QCOMPARE(captions(entries), orden);
    std::rotate(entries.begin(), entries.begin() + 1, entries.end());
    sorterNavne(entries);
    QCOMPARE(captions(entries), orden);
}

void NavneordenTest::aFolderReadsInNameOrder()
{
    TestHome home;
    home.make({"m/fil10.txt", "m/fil2.txt", "m/Æble", "m/zebra", "m/b/", "m/A/", "m/.skjult/"});
    const MappeIndhold indhold = laesMappe(home / "m", {true, true, false});
    QCOMPARE(captions(indhold.mapper), (QStringList{".skjult", "A", "b"}));
    QCOMPARE(captions(indhold.filer), (QStringList{"fil2.txt", "fil10.txt", "zebra", "Æble"}));
}

QTEST_GUILESS_MAIN(NavneordenTest)
#include "test_navneorden.moc"
