#include "platform/recentdocs.h"
#include "tests/common/testhome.h"

#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Another program's list, with the parts such lists hold.
QByteArray andresListe()
{
    QFile fil(QStringLiteral(QVM_FIXTURES) + "/recently-used.xbel");
    return fil.open(QIODevice::ReadOnly) ? fil.readAll() : QByteArray();
}

struct Bogmaerke {
    QString href, modified, mime, gruppe, program;
};

QList<Bogmaerke> laes(const QString& sti)
{
    QFile fil(sti);
    QList<Bogmaerke> liste;
    if (!fil.open(QIODevice::ReadOnly))
        return liste;
    QXmlStreamReader xml(&fil);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"bookmark")
            liste.append({xml.attributes().value("href").toString(), xml.attributes().value("modified").toString(), {}, {}, {}});
        else if (xml.name() == u"mime-type")
            liste.last().mime = xml.attributes().value("type").toString();
        else if (xml.name() == u"group")
            liste.last().gruppe = xml.readElementText();
        else if (xml.name() == u"application")
            liste.last().program = xml.attributes().value("name").toString() + " " + xml.attributes().value("count").toString();
    }
    return xml.hasError() ? QList<Bogmaerke>{{"fejl: " + xml.errorString(), {}, {}, {}, {}}} : liste;
}

}  // namespace

class RecentDocsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addsAndKeepsOtherProgramsEntries();
    void clearsAndLeavesAnUnreadableListAlone();
    void cutOffListKeepsItsWholeEntries_data();
    void cutOffListKeepsItsWholeEntries();
};

void RecentDocsTest::addsAndKeepsOtherProgramsEntries()
{
    TestHome home;
    const QString liste = home / ".local/share/recently-used.xbel";
    home.write("noter med blank.txt", "x");
    QVERIFY(platform::tilfoejSenesteDokument(home / "noter med blank.txt"));
    const QString href = QUrl::fromLocalFile(home / "noter med blank.txt").toString(QUrl::FullyEncoded);
    QList<Bogmaerke> efter = laes(liste);
    QCOMPARE(efter.size(), 1);
    QCOMPARE(efter[0].href, href);
    QCOMPARE(efter[0].mime, QString("text/plain"));
    QCOMPARE(efter[0].program, QString("qvmMirvel 1"));

    home.write(".local/share/recently-used.xbel", andresListe());
    QVERIFY(platform::tilfoejSenesteDokument(home / "noter med blank.txt"));
    efter = laes(liste);
    QCOMPARE(efter.size(), 2);
    QCOMPARE(efter[0].href, QString("file:///home/anna/rapport.odt"));
    QCOMPARE(efter[0].modified, QString("2026-01-02T10:00:00.000000Z"));
    QCOMPARE(efter[0].mime, QString("application/vnd.oasis.opendocument.text"));
    QCOMPARE(efter[0].gruppe, QString("Kontor"));
    QCOMPARE(efter[0].program, QString("Skriver 3"));
    QCOMPARE(efter[1].href, href);

    // Added again, the entry is renewed, not doubled.
    const QString foer = efter[1].modified;
    QTest::qWait(5);
    QVERIFY(platform::tilfoejSenesteDokument(home / "noter med blank.txt"));
    efter = laes(liste);
    QCOMPARE(efter.size(), 2);
    QVERIFY(efter[1].modified > foer);
}

void RecentDocsTest::clearsAndLeavesAnUnreadableListAlone()
{
    TestHome home;
    home.write(".local/share/recently-used.xbel", andresListe());
    QVERIFY(platform::rydSenesteDokumenter());
    QCOMPARE(laes(home / ".local/share/recently-used.xbel").size(), 0);

    const QByteArray oedelagt = "<xbel version=\"1.0\"><bookmark href=\"file:///x\"><info></bookmark></xbel>";
    home.write(".local/share/recently-used.xbel", oedelagt);
    home.make({"a.txt"});
    QVERIFY(!platform::tilfoejSenesteDokument(home / "a.txt"));
    QFile fil(home / ".local/share/recently-used.xbel");
    QVERIFY(fil.open(QIODevice::ReadOnly));
    QCOMPARE(fil.readAll(), oedelagt);
}

void RecentDocsTest::cutOffListKeepsItsWholeEntries_data()
{
    QTest::addColumn<QByteArray>("liste");
    QTest::addColumn<QStringList>("andre");
    const QByteArray andre = andresListe();
    QTest::newRow("cut after a whole entry") << andre.left(andre.indexOf("</xbel>")) << QStringList{"file:///home/anna/rapport.odt"};
    // The entry cut off is left out; the new one is not put inside it.
    QTest::newRow("cut inside an entry") << andre.left(andre.indexOf("<bookmark:applications>")) << QStringList();
}

// A list cut off, as a crash of the program that wrote it leaves it: the entries it holds whole
// are kept and the new one is added beside them.
void RecentDocsTest::cutOffListKeepsItsWholeEntries()
{
    QFETCH(QByteArray, liste);
    QFETCH(QStringList, andre);
    TestHome home;
    home.write(".local/share/recently-used.xbel", liste);
    home.make({"a.txt"});
    QVERIFY(platform::tilfoejSenesteDokument(home / "a.txt"));
    QStringList hrefs;
    for (const Bogmaerke& bogmaerke : laes(home / ".local/share/recently-used.xbel"))
        hrefs.append(bogmaerke.href);
    QCOMPARE(hrefs, andre + QStringList{QUrl::fromLocalFile(home / "a.txt").toString(QUrl::FullyEncoded)});
}

QTEST_MAIN(RecentDocsTest)
#include "test_recentdocs.moc"
