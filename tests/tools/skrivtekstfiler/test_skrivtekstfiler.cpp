#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "tools/skrivtekstfiler/tskrivtekstfiler.h"

#include <QRegularExpression>
#include <QUrl>
#include <QtTest>

namespace {

QByteArray indhold(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<mangler>");
}

// The page's elements open and close in order, every attribute value is closed, and script and
// style hold no markup of their own; the reason when not, else empty.
QString formfejl(const QString& side)
{
    static const QStringList tomme = {"meta", "br", "input", "col", "source", "img", "base"};
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)([^<>]*)>|<!DOCTYPE html>"));
    QStringList stak;
    qsizetype pos = 0;
    while (true) {
        const QRegularExpressionMatch m = tag.match(side, pos);
        if (!m.hasMatch())
            break;
        if (side.mid(pos, m.capturedStart() - pos).contains(u'<') || side.mid(pos, m.capturedStart() - pos).contains(u'>'))
            return "stray angle bracket before " + m.captured();
        pos = m.capturedEnd();
        const QString navn = m.captured(2).toLower();
        if (navn.isEmpty())
            continue;
        if (m.captured(3).count(u'"') % 2 != 0)
            return "unclosed attribute in " + m.captured();
        if (m.captured(1) == u"/") {
            if (stak.isEmpty() || stak.takeLast() != navn)
                return "unexpected </" + navn + ">";
        } else if (!tomme.contains(navn)) {
            stak << navn;
            if (navn == u"script" || navn == u"style") {
                const qsizetype slut = side.indexOf("</" + navn + ">", pos);
                if (slut < 0 || side.mid(pos, slut - pos).contains(u'<'))
                    return "markup inside " + navn;
                pos = slut;
            }
        }
    }
    return stak.isEmpty() ? QString() : "unclosed " + stak.join(u',');
}

// A writer in a home of its own, its messages answered and recorded.
struct Skriver {
    TestHome home;
    ScriptedBoxes boxes;
    Tinfform info{nullptr};
    Tspform spoergsmaal{nullptr};
    BoksBeskeder beskeder{&info, &spoergsmaal};
    TSkrivTekstfiler skriv{beskeder};
};

}  // namespace

class SkrivTekstfilerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newFiles_data();
    void newFiles();
    void freeNamesNeverOverwrite();
    void listPagesAreSafeAndRelative_data();
    void listPagesAreSafeAndRelative();
};

void SkrivTekstfilerTest::newFiles_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QByteArray>("forventet");
    const QByteArray skelet = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>\r\n";
    QTest::newRow("txt") << "Tekstfil.txt" << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("html") << "Hjemmeside.html" << "\xEF\xBB\xBF" + skelet;
    QTest::newRow("HTML") << "Side.HTML" << QByteArray("\xEF\xBB\xBF");  // the extension test respects case
    QTest::newRow("asp") << "ASP.asp" << "\xEF\xBB\xBF<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>\r\n" + skelet;
    QTest::newRow("wsf") << "WindowsScriptFiles.wsf"
                         << QByteArray("\xEF\xBB\xBF<job id=\"\">\r\n<script language=\"VBScript\">\r\n\r\n</script>\r\n</job>\r\n");
}

void SkrivTekstfilerTest::newFiles()
{
    QFETCH(QString, navn);
    Skriver f;
    TestHome& home = f.home;
    TSkrivTekstfiler& skriv = f.skriv;
    const QString fil = skriv.opretTekstfil(home / navn);
    QCOMPARE(fil, home / navn);
    QTEST(indhold(fil), "forventet");
    QCOMPARE(skriv.Hovedmappe, home.path());
}

void SkrivTekstfilerTest::freeNamesNeverOverwrite()
{
    Skriver f;
    TestHome& home = f.home;
    TSkrivTekstfiler& skriv = f.skriv;
    home.write("Tekstfil.txt", "mit");
    QCOMPARE(skriv.opretTekstfil(home / "Tekstfil.txt"), home / "Tekstfil (1).txt");
    QCOMPARE(skriv.opretTekstfil(home / "Tekstfil.txt"), home / "Tekstfil (2).txt");
    QCOMPARE(indhold(home / "Tekstfil.txt"), QByteArray("mit"));
    home.make({"a.mp4"});
    const QString foerste = skriv.opretFilmliste(home / "Film_afspilningsliste.html", {"a.mp4"});
    const QByteArray foersteIndhold = indhold(foerste);
    QCOMPARE(skriv.opretFilmliste(home / "Film_afspilningsliste.html", {"a.mp4"}), home / "Film_afspilningsliste (1).html");
    QCOMPARE(indhold(foerste), foersteIndhold);
    QCOMPARE(skriv.opretTekstfil(QString()), QString());
    QCOMPARE(f.boxes.texts(), QStringList{"Der er fejl i filnavnet.\r"});
}

void SkrivTekstfilerTest::listPagesAreSafeAndRelative_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("knap");
    QTest::newRow("film") << 0 << "Afspil";
    QTest::newRow("musik") << 1 << "Afspil";
    QTest::newRow("billeder") << 2 << "Vis";
}

void SkrivTekstfilerTest::listPagesAreSafeAndRelative()
{
    QFETCH(int, art);
    Skriver f;
    TestHome& home = f.home;
    TSkrivTekstfiler& skriv = f.skriv;
    const QStringList navne = {"<b>fed<i>.mp4", "a&b \"c\" 50%.mp4", "x');alert(1);(' #1.mp4"};
    for (const QString& navn : navne)
        home.make({"medier med blank/" + navn});
    const QString mappe = home / "medier med blank";
    const QString fil = art == 0   ? skriv.opretFilmliste(mappe + "/Film_afspilningsliste.html", navne)
                        : art == 1 ? skriv.opretMusikliste(mappe + "/Musik_afspilningsliste.html", navne)
                                   : skriv.opretBilledliste(mappe + "/Billed_afspilningsliste.html", navne);
    const QByteArray bytes = indhold(fil);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString side = QString::fromUtf8(bytes.mid(3));
    QCOMPARE(formfejl(side), QString());
    QVERIFY(!side.contains("<b>"));
    const QString script = side.section("<script>", 1).section("</script>", 0, 0);
    QVERIFY(!script.contains("');alert"));  // the name is no code in the script

    // Every address resolves, relative to the page's own folder, to one of the files.
    const QUrl base(QRegularExpression("<base href=\"([^\"]*)\">").match(side).captured(1));
    QCOMPARE(base.toLocalFile(), mappe + "/");
    QStringList kilder;
    auto it = QRegularExpression("eleSrc=\"([^\"]*)\";").globalMatch(side);
    while (it.hasNext())
        kilder << QUrl::fromLocalFile(mappe + "/").resolved(QUrl(it.next().captured(1))).toLocalFile();
    QCOMPARE(kilder, QStringList({mappe + "/" + navne[0], mappe + "/" + navne[1], mappe + "/" + navne[2]}));
    const QString foerste = QRegularExpression("(?:source|img id=\"afspiller\"[^>]*) src=\"([^\"]*)\"").match(side).captured(1);
    QCOMPARE(base.resolved(QUrl(foerste)).toLocalFile(), mappe + "/" + navne[0]);
    // The names are shown as they are, one row each, the first ticked.
    for (const QString& navn : navne)
        QVERIFY(side.contains(" <td>" + navn.toHtmlEscaped() + "</td>"));
    QCOMPARE(side.count("<tr>"), navne.size() + (art == 2 ? 3 : 1));
    QCOMPARE(side.count(" disabled checked>"), 1);
    QFETCH(QString, knap);
    QVERIFY(side.contains(" <td><button onclick=\"afspil(2,'melodi2')\">" + knap + "</button></td>\r\n"));
}

QTEST_MAIN(SkrivTekstfilerTest)
#include "test_skrivtekstfiler.moc"
