#include "tests/common/testhome.h"
#include "tools/findtekst/dokumentsoegning.h"
#include "tools/findtekst/filtertyper.h"
#include "tools/findtekst/tekstsoegning.h"
#include "tools/findtekst/utf8afkodning.h"

#include <QtTest>
#include <sys/stat.h>

using Raekker = QList<QPair<qsizetype, QString>>;
Q_DECLARE_METATYPE(SoegeValg)

// The engine of the text search: documents read as text, hits with position and line, the walk
// of one folder, the search task with Stop, and the list of document types.
class FindtekstMotorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hits_data();
    void hits();
    void unicodeCase_data();
    void unicodeCase();
    void utf8AsQtReadsIt_data();
    void utf8AsQtReadsIt();
    void linesLaidOut();
    void walk();
    void unreadableAreNamed();
    void stopKeepsHitsAndLandsQuickly();
    void typeList_data();
    void typeList();
    void typeFile();
};

namespace {

const std::atomic_bool ingenStop = false;

SoegeValg valg(bool heleOrd, bool forskel) { return {heleOrd, forskel}; }

Raekker soeg(const QByteArray& indhold, const QString& soegeord, SoegeValg v)
{
    Raekker raekker;
    const Dokumenttekst dokument = dokumentFraIndhold(indhold, ingenStop);
    for (const Fund& fund : findFund(dokument.tekst, Soegeord(soegeord, v), maksRaekker, ingenStop))
        raekker.append({fund.position, fund.linje});
    return raekker;
}

QByteArray utf16le(const QString& tekst)
{
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(tekst.utf16()), tekst.size() * 2);
    return bytes;
}

}  // namespace

void FindtekstMotorTest::hits_data()
{
    QTest::addColumn<QByteArray>("indhold");
    QTest::addColumn<QString>("soegeord");
    QTest::addColumn<SoegeValg>("valg");
    QTest::addColumn<Raekker>("forventet");

    const QString band = QStringLiteral("band and");
    QTest::newRow("whole word: and is not in band") << band.toUtf8() << "and" << valg(true, false) << Raekker{{5, band}};
    QTest::newRow("anywhere: and is in band") << band.toUtf8() << "and" << valg(false, false) << Raekker{{1, band}, {5, band}};
    QTest::newRow("two hits in one line") << QByteArray("x\nkaffe og kaffe\ny") << "kaffe" << valg(false, false)
                                          << Raekker{{2, "kaffe og kaffe"}, {11, "kaffe og kaffe"}};
    QTest::newRow("hits never overlap") << QByteArray("aaaa") << "aa" << valg(false, false) << Raekker{{0, "aaaa"}, {2, "aaaa"}};
    QTest::newRow("case ignored beyond A-Z") << QString("Blåbær").toUtf8() << "BLÅBÆR" << valg(false, false)
                                             << Raekker{{0, "Blåbær"}};
    QTest::newRow("case respected") << QString("Blåbær").toUtf8() << "BLÅBÆR" << valg(false, true) << Raekker{};
    QTest::newRow("no whole word inside a longer word") << QString("blåbærtærte").toUtf8() << "blåbær" << valg(true, false)
                                                        << Raekker{};
    QTest::newRow("underscore joins words") << QByteArray("my_kaffe kaffe_ kaffe.") << "kaffe" << valg(true, false)
                                            << Raekker{{16, "my_kaffe kaffe_ kaffe."}};
    QTest::newRow("Windows-1252") << QByteArray("morgen bl\xE5" "b\xE6r") << "blåbær" << valg(false, false)
                                  << Raekker{{7, "morgen blåbær"}};
    QTest::newRow("UTF-16 with its mark") << utf16le("x\nblåbær") << "BLÅBÆR" << valg(false, false) << Raekker{{2, "blåbær"}};
    QTest::newRow("CR LF counts one") << QByteArray("ab\r\nc kaffe") << "kaffe" << valg(false, false) << Raekker{{5, "c kaffe"}};
    QTest::newRow("LF counts one") << QByteArray("ab\nc kaffe") << "kaffe" << valg(false, false) << Raekker{{5, "c kaffe"}};
    QTest::newRow("lone CR breaks a line") << QByteArray("ab\rc kaffe") << "kaffe" << valg(false, false) << Raekker{{5, "c kaffe"}};
    QTest::newRow("a code point outside the BMP counts one") << QString("😀 kaffe").toUtf8() << "kaffe" << valg(false, false)
                                                             << Raekker{{2, "😀 kaffe"}};
    QTest::newRow("a hit at the very end") << QByteArray(37, 'x') + "KAFFE" << "kaffe" << valg(false, false)
                                           << Raekker{{37, QString(37, 'x') + "KAFFE"}};
    QTest::newRow("starts that fail, then a hit") << QByteArray("kkkkkkkkkaffe") << "kaffe" << valg(false, false)
                                                  << Raekker{{8, "kkkkkkkkkaffe"}};
    QTest::newRow("the Kelvin sign folds to k") << QString("xxxxxxxx\u212Aaffe").toUtf8() << "kaffe" << valg(false, false)
                                                << Raekker{{8, "xxxxxxxx\u212Aaffe"}};
    QTest::newRow("case beyond the plane") << QString("xx\U00010400x").toUtf8() << QString("\U00010428") << valg(false, false)
                                           << Raekker{{2, "xx\U00010400x"}};
    QTest::newRow("HTML is searched as its source") << QByteArray("<p><b>kaffe</b></p>") << "<b>" << valg(false, false)
                                                    << Raekker{{3, "<p><b>kaffe</b></p>"}};
    QTest::newRow("binary is passed over") << QByteArray("kaffe\0kaffe", 11) << "kaffe" << valg(false, false) << Raekker{};

    QTest::newRow("RTF escapes in the code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 bl\\'e5b\\'e6r\\par}") << "BLÅBÆR"
                                                  << valg(true, false) << Raekker{{0, "blåbær"}};
    QTest::newRow("RTF unicode with its stand-ins") << QByteArray("{\\rtf1\\ansi bl\\uc2\\u229??b\\'e6r}") << "blåbær"
                                                    << valg(false, false) << Raekker{{0, "blåbær"}};
    QTest::newRow("RTF font table is no text") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Kaffe Sans;}}te}") << "kaffe"
                                               << valg(false, false) << Raekker{};
    QTest::newRow("RTF formatting inside a word") << QByteArray("{\\rtf1 bl{\\b \\'e5}b\\'e6r}") << "blåbær" << valg(true, false)
                                                  << Raekker{{0, "blåbær"}};
    QTest::newRow("RTF paragraphs count one") << QByteArray("{\\rtf1 ab\\par c kaffe}") << "kaffe" << valg(false, false)
                                              << Raekker{{5, "c kaffe"}};
    QTest::newRow("RTF cut off in an escape") << QByteArray("{\\rtf1 kaffe \\'e") << "kaffe" << valg(false, false)
                                              << Raekker{{0, "kaffe "}};
    QTest::newRow("RTF with braces out of balance") << QByteArray("{\\rtf1 kaffe}}}{{ kaffe") << "kaffe" << valg(false, false)
                                                    << Raekker{{0, "kaffe kaffe"}, {6, "kaffe kaffe"}};
    QTest::newRow("RTF binary data past the end") << QByteArray("{\\rtf1 kaffe\\bin99999 {}") << "kaffe" << valg(false, false)
                                                  << Raekker{{0, "kaffe"}};
    QTest::newRow("RTF nested 100,000 deep") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "kaffe" << "kaffe"
                                             << valg(false, false) << Raekker{{0, "kaffe"}};
}

void FindtekstMotorTest::hits()
{
    QFETCH(QByteArray, indhold);
    QFETCH(QString, soegeord);
    QFETCH(SoegeValg, valg);
    QFETCH(Raekker, forventet);
    QCOMPARE(soeg(indhold, soegeord, valg), forventet);
}

void FindtekstMotorTest::unicodeCase_data()
{
    QTest::addColumn<QString>("soegeord");
    QTest::addColumn<QList<qsizetype>>("positioner");
    const QList<qsizetype> aebler{0, 5, 10};
    QTest::newRow("ÆBLE") << "ÆBLE" << aebler;
    QTest::newRow("æble") << "æble" << aebler;
    QTest::newRow("Æble") << "Æble" << aebler;
    QTest::newRow("BLÅBÆR") << "BLÅBÆR" << QList<qsizetype>{15};
    QTest::newRow("øL") << "øL" << QList<qsizetype>{22};
    QTest::newRow("MÜLLER") << "MÜLLER" << QList<qsizetype>{25};
    QTest::newRow("é is not e") << "café" << QList<qsizetype>{32};
}

// Case is ignored over the whole of Unicode, as "ÆBLE", "æble" and "Æble" find the same.
void FindtekstMotorTest::unicodeCase()
{
    QFETCH(QString, soegeord);
    QList<qsizetype> fundne;
    for (const auto& [position, linje] : soeg(QString("æble Æble ÆBLE blåbær Øl müller CAFÉ cafe").toUtf8(), soegeord,
                                              valg(false, false)))
        fundne << position;
    QTEST(fundne, "positioner");
}

void FindtekstMotorTest::utf8AsQtReadsIt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray ascii = QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(3);
    for (int plads : {0, 7, 15, 16, 17, 31, 40}) {
        QByteArray tekst = ascii;
        QTest::addRow("æ at %d", plads) << tekst.insert(plads, "\xC3\xA6");
    }
    QTest::newRow("three and four bytes") << QByteArray("\xE2\x82\xAC and \xF0\x9F\x98\x80 ") + ascii;
    QTest::newRow("overlong") << QByteArray("ab\xC0\xAF") + ascii;
    QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") + ascii;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80");
    QTest::newRow("lone continuation") << ascii + "\x80" + ascii;
    QTest::newRow("cut off at the end") << ascii + "\xE2\x82";
    QTest::newRow("Windows-1252") << ascii + "bl\xE5" "b\xE6r" + ascii;
}

void FindtekstMotorTest::utf8AsQtReadsIt()
{
    QFETCH(QByteArray, bytes);
    QStringDecoder qt(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString forventet = qt.decode(bytes);
    std::u16string ud(bytes.size(), u'\0');
    const qsizetype antal = utf8TilUtf16(bytes, ud.data(), ingenStop);
    if (qt.hasError()) {
        QCOMPARE(antal, ugyldigUtf8);
    } else {
        QCOMPARE(antal, forventet.size());
        QCOMPARE(QStringView(ud.data(), antal), forventet);
    }
}

void FindtekstMotorTest::linesLaidOut()
{
    // 30 words of five characters: the first line takes 24 of them and drops its last blank;
    // a word longer than a line is cut at the width.
    const QByteArray ord = QByteArray("abcd ").repeated(30) + "kaffe";
    QCOMPARE(soeg(ord, "abcd", valg(false, false)).first(), qMakePair(qsizetype(0), QString("abcd ").repeated(24).chopped(1)));
    QCOMPARE(soeg(ord, "kaffe", valg(false, false)), (Raekker{{150, QString("abcd ").repeated(6) + "kaffe"}}));
    const QByteArray langt = QByteArray(130, 'x') + "kaffe";
    QCOMPARE(soeg(langt, "kaffe", valg(false, false)), (Raekker{{130, QString(10, 'x') + "kaffe"}}));
    // Hits on one line share its text.
    const QList<Fund> fund = findFund("kaffe kaffe", Soegeord("kaffe", {}), maksRaekker, ingenStop);
    QVERIFY(fund[0].linje.isSharedWith(fund[1].linje));
    QCOMPARE(findFund("kaffe kaffe kaffe", Soegeord("kaffe", {}), 2, ingenStop).size(), 2);
}

void FindtekstMotorTest::walk()
{
    TestHome home;
    home.make({"d/a.txt", "d/B.TXT", "d/Makefile", "d/x.txt/", "d/c.md"});
    QVERIFY(QFile::link(home / "d/a.txt", home / "d/link.txt"));
    QVERIFY(QFile::link(home / "d/gone", home / "d/dangling.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(home / "d/fifo.txt").constData(), 0600), 0);
    const QString d = home / "d";
    const auto navne = [&](const QString& moenster) {
        QStringList ud;
        for (const QString& sti : dokumenterIMappe(d, moenster))
            ud.append(QFileInfo(sti).fileName());
        return ud;
    };
    QCOMPARE(navne("*.TXT"), (QStringList{"a.txt", "B.TXT", "link.txt"}));
    QCOMPARE(navne("*.*"), (QStringList{"a.txt", "B.TXT", "c.md", "link.txt", "Makefile"}));
    QCOMPARE(navne("?.md"), QStringList{"c.md"});
    QCOMPARE(navne("*.rtf"), QStringList{});
    QCOMPARE(dokumenterIMappe(home / "none", "*.*"), QStringList{});
    // The pattern ignores case over the whole of Unicode.
    QVERIFY(passerMoenster(u"æbler på CAFÉ.md", u"ÆBLER PÅ café.MD"));
    QVERIFY(!passerMoenster(u"cafe.md", u"CAFÉ.*"));
}

void FindtekstMotorTest::unreadableAreNamed()
{
    TestHome home;
    home.write("d/a.txt", "kaffe");
    home.write("d/b.txt", "kaffe");
    home.write("d/c.txt", QByteArray("kaffe\0", 6));
    home.write("d/d.txt", "kaffe kaffe");
    // Root reads every file, so the fault comes from the reader.
    const Dokumentlaeser laeser = [](const QString& sti, const std::atomic_bool& stop) {
        return sti.endsWith("b.txt") ? Dokumenttekst{} : laesDokument(sti, stop);
    };
    QList<Fundraekke> raekker;
    const Soegeresultat resultat = soegDokumenter(home / "d", "*.txt", "kaffe", {}, ingenStop, laeser,
                                                  [&](QList<Fundraekke>&& nye) { raekker.append(nye); });
    QCOMPARE(resultat.ulaeselige, QStringList{home / "d/b.txt"});
    QCOMPARE(raekker.size(), 3);
    QCOMPARE(raekker[0].dokument, home / "d/a.txt");
    QCOMPARE(raekker[2].position, 6);
    QVERIFY(raekker[1].dokument.isSharedWith(raekker[2].dokument));

    QStringList mange;
    for (int i = 0; i < 22; ++i)
        mange.append(QStringLiteral("/m/%1.txt").arg(i));
    const QStringList linjer = ulaeseligeBesked(mange).split('\n');
    QCOMPARE(linjer.first(), "Følgende dokumenter kunne ikke læses:");
    QCOMPARE(linjer[1], "0.txt");
    QCOMPARE(linjer.size(), 22);
    QCOMPARE(linjer.last(), "og 2 flere");
    QCOMPARE(ulaeseligeBesked({}), QString());
}

void FindtekstMotorTest::stopKeepsHitsAndLandsQuickly()
{
    TestHome home;
    home.write("d/a.txt", "kaffe");
    home.write("d/b.txt", "kaffe");
    home.write("d/c.txt", "kaffe");
    // b.txt reads until stopped, as a large document would.
    std::atomic_bool iGang = false;
    const Dokumentlaeser laeser = [&](const QString& sti, const std::atomic_bool& stop) {
        if (sti.endsWith("b.txt")) {
            iGang = true;
            while (!stop)
                QThread::msleep(1);
            return Dokumenttekst{Dokumenttekst::Udfald::Stoppet, "kaffe"};
        }
        return laesDokument(sti, stop);
    };
    Tekstsoegning soegning(nullptr, laeser);
    QList<Fundraekke> raekker;
    std::optional<Soegeresultat> slut;
    connect(&soegning, &Tekstsoegning::fundet, this, [&](const QList<Fundraekke>& nye) { raekker.append(nye); });
    connect(&soegning, &Tekstsoegning::faerdig, this, [&](const Soegeresultat& r) { slut = r; });
    soegning.start(home / "d", "*.txt", "kaffe", {});
    QVERIFY(soegning.koerer());
    QTRY_COMPARE(raekker.size(), 1);
    QTRY_VERIFY(iGang);
    QElapsedTimer tid;
    tid.start();
    soegning.stop();
    QTRY_VERIFY(slut.has_value());
    QVERIFY2(tid.elapsed() < 100, qPrintable(QString::number(tid.elapsed())));
    QVERIFY(slut->stoppet);
    QVERIFY(!soegning.koerer());
    QCOMPARE(raekker.size(), 1);  // a.txt's hit is kept; the stopped b.txt is not searched, c.txt never read

    // Destroyed while running: it stops and waits, and nothing arrives afterwards.
    iGang = false;
    auto kort = std::make_unique<Tekstsoegning>(nullptr, laeser);
    kort->start(home / "d", "*.txt", "kaffe", {});
    QTRY_VERIFY(iGang);
    kort.reset();
    QCoreApplication::processEvents();
}

void FindtekstMotorTest::typeList_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("moenster");
    QTest::newRow("bare") << "txt" << "*.txt";
    QTest::newRow("with dot") << ".txt" << "*.txt";
    QTest::newRow("file name") << "a.txt" << "*.txt";
    QTest::newRow("case kept") << "TXT" << "*.TXT";
    QTest::newRow("every file") << "*.*" << "*.*";
    QTest::newRow("pattern") << "*.html" << "*.html";
}

void FindtekstMotorTest::typeList()
{
    QFETCH(QString, type);
    QFETCH(QString, moenster);
    QCOMPARE(moensterFraType(type), moenster);
}

void FindtekstMotorTest::typeFile()
{
    const QList<Filtertype> standard = standardFiltertyper();
    QCOMPARE(standard.size(), 12);
    QCOMPARE(filtertyperFraLinjer(linjerFraFiltertyper(standard)), standard);
    QCOMPARE(linjerFraFiltertyper(standard).mid(27, 3), (QStringList{"Power Shell", "*.ps1", "0"}));
    QCOMPARE(filtertyperFraLinjer({"a", "*.a"}), std::nullopt);
    QCOMPARE(filtertyperFraLinjer({}), QList<Filtertype>{});
    // Places among the ticked types: Power Shell is not ticked, so Rich Text stands at 9.
    QCOMPARE(filterplads(standard, "*.RTF"), 9);
    QCOMPARE(filterplads(standard, "*.html"), 0);
    QCOMPARE(filterplads(standard, "*.ps1"), -1);
    QCOMPARE(filterplads(standard, "*.xml"), -1);
}

QTEST_GUILESS_MAIN(FindtekstMotorTest)
#include "test_findtekst_motor.moc"
