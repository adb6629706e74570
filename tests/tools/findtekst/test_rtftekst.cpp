#include "tools/findtekst/rtftekst.h"

#include <QtTest>

namespace {

// A document as a word processor writes it: code page, font table and formatting before the body.
QByteArray dokument(const QByteArray& krop, const QByteArray& kodeside = "1252")
{
    return R"({\rtf1\ansi\ansicpg)" + kodeside + R"(\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}}\f0\fs24 )" + krop
           + "}";
}

}  // namespace

class RtfTekstTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsText_data();
    void readsText();
    void malformedGivesTextReadSoFar_data();
    void malformedGivesTextReadSoFar();
};

void RtfTekstTest::readsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("tekst");

    QTest::newRow("hex bytes in 1252") << dokument(R"(bl\'e5b\'e6r \'80\'a5)") << QStringLiteral("blåbær €¥");
    QTest::newRow("raw bytes in 1252") << dokument("bl\xe5" "b\xe6r \x80") << QStringLiteral("blåbær €");
    QTest::newRow("hex bytes in 1250") << dokument(R"(\'a5\'8a)", "1250") << QStringLiteral("ĄŠ");
    QTest::newRow("double-byte code page, trail byte as hex or raw")
        << dokument(R"(\'83\'41\'83A)", "932") << QStringLiteral("アア");
    QTest::newRow("unknown code page reads as 1252") << dokument(R"(\'e5)", "99999") << QStringLiteral("å");

    QTest::newRow("unicode, default one stand-in") << dokument(R"(bl\u229?b\u230?r)") << QStringLiteral("blåbær");
    QTest::newRow("unicode, two stand-ins of which one hex")
        << dokument(R"(\uc2 bl\u229\'e5?b\u230 aer)") << QStringLiteral("blåbær");
    QTest::newRow("stand-in count ends with its group")
        << dokument(R"({\uc2 x\u229 ab}\u229?y)") << QStringLiteral("xååy");
    QTest::newRow("a control word is one stand-in") << dokument(R"(\u229\'e5\u230\b a)") << QStringLiteral("åæa");
    QTest::newRow("negative unicode") << dokument(R"(\u-1279?)") << QStringLiteral("ﬁ");
    QTest::newRow("surrogate pair") << dokument(R"(\u-10179?\u-8704?)") << QStringLiteral("😀");

    QTest::newRow("formatting groups keep words whole") << dokument(R"(bl{\b \'e5}b{\i\'e6}r)")
                                                         << QStringLiteral("blåbær");
    QTest::newRow("only the one blank after a control word")
        << dokument(R"(a\b  b\li-360 c\b-d)") << QStringLiteral("a bc-d");
    QTest::newRow("breaks and tabs") << dokument("a\\par b\\line c\\sect d\\page e\\tab f\\\ng")
                                     << QStringLiteral("a\nb\nc\nd\ne\tf\ng");
    QTest::newRow("table cells and rows") << dokument(R"(a\cell b\cell\row c)") << QStringLiteral("a\tb\t\nc");
    QTest::newRow("raw line breaks are no text") << dokument("bl\r\n\\'e5\rb\n\xe6r") << QStringLiteral("blåbær");
    QTest::newRow("escaped braces and backslash") << dokument(R"(\{a\} \\b)") << QStringLiteral("{a} \\b");
    QTest::newRow("symbols")
        << dokument(R"(\lquote\rquote\ldblquote\rdblquote\emdash\endash\bullet\emspace\enspace\~\_\-.)")
        << QStringLiteral("‘’“”—–•  \u00A0\u2011.");
    QTest::newRow("binary data is skipped") << dokument(R"(a\bin6 {}\}\'b)") << QStringLiteral("ab");

    QTest::newRow("destinations without text")
        << dokument(R"({\colortbl;\red255\green0\blue0;}{\stylesheet{\s1 naal;}}{\info{\title naal}{\author naal}})"
                    R"({\listtable{\list{\listlevel{\leveltext naal;}}}}{\*\generator naal;}{\*\ukendt naal {naal}})"
                    R"({\pict\pngblip 89504e47{naal}}{\object{\objdata 0105}}tekst)")
        << QStringLiteral("tekst");
    QTest::newRow("field shows its result") << dokument(R"({\field{\fldinst HYPERLINK "naal"}{\fldrslt synlig}})")
                                            << QStringLiteral("synlig");
    QTest::newRow("header text is kept") << dokument(R"({\header sidehoved\par}krop)")
                                         << QStringLiteral("sidehoved\nkrop");
    QTest::newRow("no text outside the document") << QByteArray(R"(forord{\rtf1 a}efterord)") << QStringLiteral("a");
}

void RtfTekstTest::readsText()
{
    QFETCH(QByteArray, rtf);
    QTEST(rtfTekst(rtf), "tekst");
}

void RtfTekstTest::malformedGivesTextReadSoFar_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("stoppet");
    QTest::addColumn<QString>("tekst");

    const QByteArray dybde(100'000, '{');
    const QByteArray lukket(100'000, '}');
    QTest::newRow("ends in a hex byte") << QByteArray(R"({\rtf1 ab\'e)") << false << QStringLiteral("ab");
    QTest::newRow("ends in a control word") << QByteArray(R"({\rtf1 ab\pa)") << false << QStringLiteral("ab");
    QTest::newRow("ends in a backslash") << QByteArray(R"({\rtf1 ab\)") << false << QStringLiteral("ab");
    QTest::newRow("hex that is no hex") << QByteArray(R"({\rtf1 a\'zzb})") << false << QStringLiteral("azzb");
    QTest::newRow("too many closing braces") << QByteArray(R"({\rtf1 a}}}{b})") << false << QStringLiteral("ab");
    QTest::newRow("closing braces missing") << QByteArray(R"({\rtf1 {\b a{\i b)") << false << QStringLiteral("ab");
    QTest::newRow("binary data past the end") << QByteArray(R"({\rtf1 a\bin999 {xyz)") << false << QStringLiteral("a");
    QTest::newRow("negative binary length") << QByteArray(R"({\rtf1 a\bin-5 b})") << false << QStringLiteral("ab");
    QTest::newRow("huge binary length") << QByteArray(R"({\rtf1 a\bin99999999999999999999 b})") << false
                                        << QStringLiteral("a");
    QTest::newRow("huge unicode numbers") << QByteArray(R"({\rtf1 \u99999999999?a\u-99999999999?b\u0?c})") << false
                                          << QStringLiteral("abc");
    QTest::newRow("huge stand-in count") << QByteArray(R"({\rtf1 {\uc99999999999 \u229 abc}d})") << false
                                         << QStringLiteral("åd");
    QTest::newRow("deep nesting") << R"({\rtf1 )" + dybde + "naal" + lukket + "}" << false << QStringLiteral("naal");
    QTest::newRow("deep nesting never closed") << R"({\rtf1 )" + dybde + "naal" << false << QStringLiteral("naal");
    QTest::newRow("stopped before the start") << dokument(QByteArray(3 << 20, 'a')) << true << QString();
}

void RtfTekstTest::malformedGivesTextReadSoFar()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, stoppet);
    const std::atomic_bool stop = stoppet;
    QTEST(rtfTekst(rtf, &stop), "tekst");
}

QTEST_MAIN(RtfTekstTest)
#include "test_rtftekst.moc"
