#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "core/pathhelpers.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QtTest>

class PathHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pathParts_data();
    void pathParts();
    void newDirectoryName_data();
    void newDirectoryName();
    void newFilename_data();
    void newFilename();
    void copyName_data();
    void copyName();
    void fileTypes();
    void renameExtensions_data();
    void renameExtensions();
};

void PathHelpersTest::pathParts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("delimited");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("ext");
    QTest::newRow("folder") << "/a/b" << "/a/b/" << "b" << "";
    QTest::newRow("closing slash") << "/a/b/" << "/a/b/" << "" << "";
    QTest::newRow("root") << "/" << "/" << "/" << "";
    QTest::newRow("empty") << "" << "/" << "" << "";
    QTest::newRow("no slash") << "abc" << "abc/" << "abc" << "";
    QTest::newRow("file") << "/a/b.Txt" << "/a/b.Txt/" << "b.Txt" << ".Txt";
    QTest::newRow("two dots") << "/a/b.tar.gz" << "/a/b.tar.gz/" << "b.tar.gz" << ".gz";
    QTest::newRow("dot name") << "/a/.bashrc" << "/a/.bashrc/" << ".bashrc" << "";
    QTest::newRow("dot in folder") << "/a.d/b" << "/a.d/b/" << "b" << "";
}

void PathHelpersTest::pathParts()
{
    QFETCH(QString, path);
    QFETCH(QString, delimited);
    QFETCH(QString, last);
    QFETCH(QString, ext);
    QCOMPARE(delimKon(path), delimited);
    QCOMPARE(getLastDirectory(path), last);
    QCOMPARE(filExt(path), ext);
}

void PathHelpersTest::newDirectoryName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("result");
    QTest::newRow("free name") << QStringList{} << "Fri" << "Kopi" << "Fri";
    QTest::newRow("closing blanks trimmed") << QStringList{} << "Fri  " << "Kopi" << "Fri";
    QTest::newRow("taken") << QStringList{"Ny mappe/"} << "Ny mappe" << "Kopi" << "Ny mappe Kopi (1)";
    QTest::newRow("taken twice") << QStringList{"Ny mappe/", "Ny mappe Kopi (1)/"} << "Ny mappe" << "Kopi"
                                 << "Ny mappe Kopi (2)";
    QTest::newRow("old marker cut") << QStringList{"Ny mappe/", "Ny mappe Kopi (1)/", "Ny mappe Kopi (2)/"}
                                    << "Ny mappe Kopi (1)" << "Kopi" << "Ny mappe Kopi (3)";
    QTest::newRow("marker in other case") << QStringList{"Ny mappe/"} << "Ny mappe KOPI (4)" << "Kopi"
                                          << "Ny mappe Kopi (1)";
    QTest::newRow("rename, empty marker") << QStringList{"Data/"} << "Data" << "" << "Data  (1)";
    QTest::newRow("empty marker cut again") << QStringList{"Data/", "Data  (1)/"} << "Data  (1)" << ""
                                            << "Data  (2)";
    QTest::newRow("parent with two blanks") << QStringList{"a  b/"} << "a  b/Ny" << "" << "a  b/Ny";
    QTest::newRow("a file does not count") << QStringList{"Fil"} << "Fil" << "Kopi" << "Fil";
    QTest::newRow("marker first is not cut") << QStringList{"Kopi af x/"} << "Kopi af x" << "Kopi"
                                             << "Kopi af x Kopi (1)";
}

void PathHelpersTest::newDirectoryName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, wanted);
    QFETCH(QString, marker);
    QFETCH(QString, result);
    TestHome home;
    home.make(existing);
    QCOMPARE(getNewDirectoryName(home / wanted, marker), home / result);
}

void PathHelpersTest::newFilename_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("question");
    const QString txtToDoc = QStringLiteral("Filen var af type: .txt\nSkal den omdøbes til at være af type .doc?");
    QTest::newRow("new type, yes") << QStringList{"a.txt"} << "a.txt" << "b.doc" << int(QDialog::Accepted) << "b.doc"
                                   << txtToDoc;
    QTest::newRow("new type, no") << QStringList{"a.txt"} << "a.txt" << "b.doc" << int(QDialog::Rejected) << "b.txt"
                                  << txtToDoc;
    QTest::newRow("no new type, taken") << QStringList{"a.txt", "b.txt"} << "a.txt" << "b" << 0 << "b (1).txt" << "";
    QTest::newRow("same type in other case") << QStringList{"report.TXT"} << "report.TXT" << "report.txt" << 0
                                             << "report (1).TXT" << "";
    QTest::newRow("taken by a folder") << QStringList{"a.txt", "b.txt/"} << "a.txt" << "b.txt" << 0 << "b (1).txt"
                                       << "";
}

void PathHelpersTest::newFilename()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(int, answer);
    QFETCH(QString, result);
    QFETCH(QString, question);
    TestHome home;
    home.make(existing);
    QMainWindow main;
    Tinfform info(&main);
    Tspform spoergsmaal(&main);
    spoergsmaal.alleCheck()->setVisible(true);
    BoksBeskeder beskeder(&info, &spoergsmaal);
    ScriptedBoxes boxes;
    boxes.answer(answer);
    QCOMPARE(getNewFilename(home / oldName, newName, QString(), beskeder), home / result);
    QCOMPARE(boxes.texts(), question.isEmpty() ? QStringList() : QStringList{question});
    if (!question.isEmpty())
        QVERIFY(!boxes.shown.first().alleCheckVisible);
}

void PathHelpersTest::copyName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("result");
    QTest::newRow("taken") << QStringList{"Rapport.docx"} << "Rapport.docx" << "Rapport Kopi (1).docx";
    QTest::newRow("taken twice") << QStringList{"Rapport.docx", "Rapport Kopi (1).docx"} << "Rapport.docx"
                                 << "Rapport Kopi (2).docx";
    QTest::newRow("copy of a copy, original free") << QStringList{"Rapport Kopi (1).docx"} << "Rapport Kopi (1).docx"
                                                   << "Rapport.docx";
    QTest::newRow("copy of a copy, original taken") << QStringList{"Rapport.docx", "Rapport Kopi (1).docx"}
                                                    << "Rapport Kopi (1).docx" << "Rapport Kopi (2).docx";
    QTest::newRow("single word free") << QStringList{} << "Rapport.docx" << "Rapport.docx";
    QTest::newRow("dot name") << QStringList{".bashrc"} << ".bashrc" << ".bashrc Kopi (1)";
}

void PathHelpersTest::copyName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, source);
    QFETCH(QString, result);
    TestHome home;
    home.make(existing);
    QCOMPARE(getNewFilnavn(home / source, QStringLiteral("Kopi")), home / result);
}

void PathHelpersTest::fileTypes()
{
    for (const char* ext : {".jpg", ".PNG", ".bmp", ".ico", ".Gif"})
        QVERIFY2(erDetEnBilledfil(QLatin1String(ext)), ext);
    for (const char* ext : {".jpeg", ".tif", "", "jpg"})
        QVERIFY2(!erDetEnBilledfil(QLatin1String(ext)), ext);
    for (const char* ext : {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css", ".TXT", ".wsf", ".xml", ".rtf",
                            ".asa", ".ps1"})
        QVERIFY2(erDetEnTekstfil(QLatin1String(ext)), ext);
    for (const char* ext : {".htm", ".md", ".doc", ""})
        QVERIFY2(!erDetEnTekstfil(QLatin1String(ext)), ext);
}

void PathHelpersTest::renameExtensions_data()
{
    QTest::addColumn<bool>("alleMapper");
    QTest::addColumn<int>("found");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("one folder") << false << 2
                                << QStringList{"a.md", "a.txt", "b.md", "sub/", "sub/c.txt", "sub/.skjult.txt"};
    QTest::newRow("with subfolders") << true << 4
                                     << QStringList{"a.md", "a.txt", "b.md", "sub/", "sub/.skjult.md", "sub/c.md"};
}

void PathHelpersTest::renameExtensions()
{
    QFETCH(bool, alleMapper);
    QFETCH(int, found);
    QFETCH(QStringList, after);
    TestHome home;
    home.make({"x/a.txt", "x/a.md", "x/b.TXT", "x/sub/c.txt", "x/sub/.skjult.txt"});
    QCOMPARE(renameFilExtIn(home / QStringLiteral("x"), QStringLiteral(".txt"), QStringLiteral(".md"), alleMapper),
             found);
    QStringList names;
    QDirIterator walk(home / QStringLiteral("x"), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        names.append(QDir(home / QStringLiteral("x")).relativeFilePath(path) + (walk.fileInfo().isDir() ? "/" : ""));
    }
    names.sort();
    after.sort();
    QCOMPARE(names, after);
    QCOMPARE(renameFilExtIn(home / QStringLiteral("findes ikke"), QStringLiteral(".txt"), QStringLiteral(".md"), false),
             -1);
}

QTEST_MAIN(PathHelpersTest)
#include "test_pathhelpers.moc"
