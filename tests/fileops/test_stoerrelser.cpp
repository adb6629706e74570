#include "core/stoerrelser.h"
#include "tests/common/testhome.h"

#include <QFile>
#include <QtTest>
#include <sys/stat.h>

class StoerrelserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizeStrings_data();
    void sizeStrings();
    void countingAFolderEnds();
    void clipboardTotal();
};

void StoerrelserTest::sizeStrings_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("kort");
    QTest::newRow("0") << qint64(0) << "0 bytes (0 bytes)" << "0 bytes";
    QTest::newRow("1") << qint64(1) << "1 bytes (1 bytes)" << "1 bytes";
    QTest::newRow("1023") << qint64(1023) << "1.023 bytes (1.023 bytes)" << "1.023 bytes";
    QTest::newRow("1024") << qint64(1024) << "1,00 KB (1.024 bytes)" << "1,00 KB";
    QTest::newRow("1536") << qint64(1536) << "1,50 KB (1.536 bytes)" << "1,50 KB";
    QTest::newRow("1,5 MB") << qint64(1572864) << "1,50 MB (1.572.864 bytes)" << "1,50 MB";
    QTest::newRow("1 TB") << qint64(1099511627776) << "1,00 TB (1.099.511.627.776 bytes)" << "1,00 TB";
}

void StoerrelserTest::sizeStrings()
{
    QFETCH(qint64, n);
    QFETCH(QString, lang);
    QFETCH(QString, kort);
    TestHome home;  // the Danish locale
    QCOMPARE(getSizeString(n), lang);
    QCOMPARE(skaleretStoerrelse(n), kort);
}

void StoerrelserTest::countingAFolderEnds()
{
    TestHome home;
    home.write("t/a.txt", QByteArray(100, 'a'));
    home.write("t/.skjult", QByteArray(10, 'b'));
    home.write("t/sub/c.bin", QByteArray(1000, 'c'));
    home.make({"t/sub/tom/"});
    // A link back up would loop forever if followed; a FIFO would block if opened.
    QVERIFY(QFile::link(home / "t", home / "t/sub/op"));
    QVERIFY(::mkfifo(QFile::encodeName(home / "t/sub/fifo").constData(), 0644) == 0);
    const qint64 linkSize = QFileInfo(home / "t/sub/op").symLinkTarget().toUtf8().size();
    MappeOptaelling optaelling;
    QVERIFY(getMappeInfo(home / "t", optaelling));
    QCOMPARE(optaelling.mapper, 2);
    QCOMPARE(optaelling.filer, 5);
    QCOMPARE(optaelling.bytes, 1110 + linkSize);
    QVERIFY(!getMappeInfo(home / "findes ikke", optaelling));
}

void StoerrelserTest::clipboardTotal()
{
    TestHome home;
    home.write("m/x", QByteArray(7, 'x'));
    home.write("tom.txt", QByteArray());
    home.write("fil.txt", QByteArray(5, 'f'));
    const MappeOptaelling optaelling = sizeOfKlipbord({home / "m"}, {home / "tom.txt", home / "fil.txt"});
    QCOMPARE(optaelling.mapper, 1);
    QCOMPARE(optaelling.filer, 3);
    QCOMPARE(optaelling.bytes, 7 + 1 + 5);
}

QTEST_GUILESS_MAIN(StoerrelserTest)
#include "test_stoerrelser.moc"
