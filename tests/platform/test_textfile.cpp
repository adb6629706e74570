#include "platform/textfile.h"
#include "tests/common/testhome.h"

#include <QFile>
#include <QtTest>

class TextFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodes_data();
    void decodes();
    void splitsLines_data();
    void splitsLines();
    void writesUtf8WithCrLfAndReadsBack();
    void missingOrFolderIsNothing();
    void numberLines_data();
    void numberLines();
};

void TextFileTest::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain ascii") << QByteArray("abc") << QStringLiteral("abc");
    QTest::newRow("utf-8 without mark") << QByteArray("\xC3\xA6\xC3\xB8\xC3\xA5") << QStringLiteral("æøå");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF\xC3\xA6x") << QStringLiteral("æx");
    QTest::newRow("windows-1252") << QByteArray("\xE6\xF8\xE5 \x80 \x96") << QStringLiteral("æøå € –");
    QTest::newRow("utf-16le with mark") << QByteArray("\xFF\xFE\xE6\x00" "a\x00", 6) << QStringLiteral("æa");
    QTest::newRow("utf-16be with mark") << QByteArray("\xFE\xFF\x00\xE6\x00" "a", 6) << QStringLiteral("æa");
}

void TextFileTest::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(platform::decodeText(bytes), text);
}

void TextFileTest::splitsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf alone") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final break") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines count") << QStringLiteral("\r\na\r\n\r\n") << QStringList{"", "a", ""};
}

void TextFileTest::splitsLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(platform::splitLines(text), lines);
}

void TextFileTest::writesUtf8WithCrLfAndReadsBack()
{
    TestHome home;
    const QString path = home / QStringLiteral("liste.txt");
    const QStringList lines{QStringLiteral("første"), QString(), QStringLiteral("/sti med blanke/æ")};
    QVERIFY(platform::writeTextLines(path, lines));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("f\xC3\xB8rste\r\n\r\n/sti med blanke/\xC3\xA6\r\n"));
    QCOMPARE(platform::readTextLines(path), std::optional<QStringList>(lines));
}

void TextFileTest::missingOrFolderIsNothing()
{
    TestHome home;
    QVERIFY(!platform::readTextLines(home / QStringLiteral("mangler.txt")));
    QVERIFY(!platform::readTextLines(home.path()));
}

void TextFileTest::numberLines_data()
{
    QTest::addColumn<QByteArray>("bytes");  // empty: no file
    QTest::addColumn<QList<int>>("numbers");  // empty: nothing
    QTest::newRow("missing") << QByteArray() << QList<int>();
    QTest::newRow("three of four") << QByteArray("20\r\n-40\r\n 576 \r\nx\r\n") << QList<int>{20, -40, 576};
    QTest::newRow("too short") << QByteArray("20\r\n40\r\n") << QList<int>();
    QTest::newRow("not a number") << QByteArray("20\r\nfyrre\r\n576\r\n") << QList<int>();
}

void TextFileTest::numberLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, numbers);
    TestHome home;
    if (!bytes.isEmpty())
        home.write(QStringLiteral("tal.txt"), bytes);
    QCOMPARE(platform::readNumberLines(home / QStringLiteral("tal.txt"), 3).value_or(QList<int>()), numbers);
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "test_textfile.moc"
