#include "app/programentry.h"
#include "app/tmainform.h"
#include "app/tmenuexefiler.h"
#include "explorer/twinform.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A name that a shell would take apart or run pieces of.
const QString lumsk = QStringLiteral("a \"b\" ; $(touch x) \nc");

QStringList punkter(const QMenu* menu)
{
    QStringList tekster;
    for (const QAction* action : menu->actions())
        tekster.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    return tekster;
}

}  // namespace

// The program list: its file, its icons from the desktop's applications, its submenu and page,
// and running the current program with the selection. The test's applications are desktop
// entries and scripts that record how they were started, and a small icon theme.
class ProgramlisteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    // First: GIO reads the data folders' applications once a process, in this test's home.
    void iconsFollowTheirPrograms();
    void listFile_data();
    void listFile();
    void runsWithTheSelectedFiles_data();
    void runsWithTheSelectedFiles();
    void manyProgramsAndTheCurrentOne();

private:
    Tmainform& start();
    // Writes ProgItem.txt; each program is (caption, path).
    void skrivListe(const QList<std::pair<QString, QString>>& programmer);
    // A desktop entry named navn running the recorder, with the theme icon ikon.
    QString post(const QString& navn, const QString& ikon);
    // How the recorder was started last: its working folder, then its arguments.
    QStringList optaget();

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QString optager;
};

void ProgramlisteTest::init()
{
    home = std::make_unique<TestHome>();
    optager = *home / "optager.sh";
    const QByteArray til = (*home / "optaget").toUtf8();
    home->write("optager.sh", "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\0' \"$a\"; done; } > '" + til + ".tmp' && mv '"
                                  + til + ".tmp' '" + til + "'\n");
    QFile::setPermissions(optager, QFile::permissions(optager) | QFile::ExeOwner);
    // A small hicolor theme with two icons of their own colours.
    home->write("xdg/icons/hicolor/index.theme",
                "[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps\n\n[16x16/apps]\nSize=16\nType=Fixed\n");
    for (const auto& [navn, farve] : {std::pair{"qvm-roed", Qt::red}, std::pair{"qvm-blaa", Qt::blue}}) {
        QPixmap billede(16, 16);
        billede.fill(farve);
        QDir().mkpath(*home / "xdg/icons/hicolor/16x16/apps");
        billede.save(*home / ("xdg/icons/hicolor/16x16/apps/" + QString::fromLatin1(navn) + ".png"));
    }
    qputenv("XDG_DATA_DIRS", QFile::encodeName(*home / "xdg"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(*home / "xdg-home"));
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    entry->mainform().setStifinderFabrik([](Tmainform& main) { return new Twinform(main); });
}

void ProgramlisteTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

Tmainform& ProgramlisteTest::start()
{
    entry->mainform().opt.TryedBefore = true;
    entry->start();
    entry->mainform().FormActivate();
    return entry->mainform();
}

void ProgramlisteTest::skrivListe(const QList<std::pair<QString, QString>>& programmer)
{
    QStringList linjer{QString::number(programmer.size())};
    for (const auto& [caption, sti] : programmer)
        linjer << caption << sti << QString() << QStringLiteral("1");
    QVERIFY(platform::writeTextLines(entry->mainform().folders.OptMappe + "ProgItem.txt", linjer));
}

QString ProgramlisteTest::post(const QString& navn, const QString& ikon)
{
    const QString sti = *home / ("xdg/applications/" + navn + ".desktop");
    home->write("xdg/applications/" + navn + ".desktop",
                "[Desktop Entry]\nType=Application\nName=" + navn.toUtf8() + "\nExec=" + optager.toUtf8() + " %F\nIcon="
                    + ikon.toUtf8() + "\n");
    return sti;
}

QStringList ProgramlisteTest::optaget()
{
    const QString fil = *home / "optaget";
    [&] { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(fil), 10000); }();
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    const qsizetype linjeskift = bytes.indexOf('\n');
    QStringList linjer{QString::fromUtf8(bytes.left(linjeskift))};
    for (const QByteArray& argument : bytes.mid(linjeskift + 1).split('\0'))
        linjer.append(QString::fromUtf8(argument));
    linjer.removeLast();
    QFile::remove(fil);
    return linjer;
}

void ProgramlisteTest::listFile_data()
{
    QTest::addColumn<QByteArray>("indhold");  // <a>, <b>, <c> stand for three programs that exist
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("fejl");
    QTest::newRow("valid") << QByteArray("2\nA\n<a>\n\n1\nB\n<b>\n-p\n3\n") << QStringList{"A", "B"} << false;
    QTest::newRow("windows-1252 with CR LF") << QByteArray("1\r\nR\xe6kke\xf8\xe5\r\n<a>\r\n\r\n1\r\n")
                                             << QStringList{"Rækkeøå"} << false;
    QTest::newRow("count no number") << QByteArray("to\nA\n<a>\n\n1\n") << QStringList{} << true;
    QTest::newRow("show type no number") << QByteArray("2\nA\n<a>\n\n1\nB\n<b>\n\nnormal\n") << QStringList{"A"} << true;
    QTest::newRow("show type beyond a byte") << QByteArray("2\nA\n<a>\n\n1\nB\n<b>\n\n256\n") << QStringList{"A"} << true;
    QTest::newRow("fewer lines than announced") << QByteArray("3\nA\n<a>\n\n1\nB\n<b>\n\n1\nC\n<c>\n")
                                                << QStringList{"A", "B"} << true;
}

void ProgramlisteTest::listFile()
{
    QFETCH(QByteArray, indhold);
    QFETCH(QStringList, captions);
    QFETCH(bool, fejl);
    for (const char* navn : {"a", "b", "c"})
        indhold.replace(QByteArray("<") + navn + ">", post(QString::fromLatin1(navn), "qvm-roed").toUtf8());
    const QString fil = *home / "qvmMirvel/root/Egenskaber/ProgItem.txt";
    home->write("qvmMirvel/root/Egenskaber/ProgItem.txt", indhold);
    // The list is read when the program starts.
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    Tmainform& main = start();
    QCOMPARE(main.MenuExe->Itemfile, fil);
    QStringList vist;
    for (int i = 0; i < main.MenuExe->Filantal(); ++i)
        vist.append(main.MenuExe->GetCaption(i));
    QCOMPARE(vist, captions);
    QCOMPARE(main.findChild<QListWidget*>("programBox")->count(), captions.size());  // the page shows them
    QCOMPARE(QFile::exists(fil + ".fejl"), fejl);
    if (fejl)
        QCOMPARE(boxes->texts().value(0),
                 "Programlisten kunne ikke læses helt.\rEn kopi af filen er gemt som " + fil + ".fejl.");
    else
        QVERIFY(boxes->texts().isEmpty());
}

void ProgramlisteTest::iconsFollowTheirPrograms()
{
    const QString roed = post("roed", "qvm-roed");
    const QString blaa = post("blaa", "qvm-blaa");
    // An executable that one entry runs gets that entry's icon; one that none runs the theme's
    // icon of an executable; a program that is gone an empty picture.
    home->write("bin/kendt", "#!/bin/sh\n");
    home->write("bin/ukendt", "#!/bin/sh\n");
    for (const char* navn : {"bin/kendt", "bin/ukendt"})
        QFile::setPermissions(*home / navn, QFile::permissions(*home / navn) | QFile::ExeOwner);
    home->write("xdg/applications/kendt.desktop",
                "[Desktop Entry]\nType=Application\nName=Kendt\nExec=" + (*home / "bin/kendt").toUtf8() + "\nIcon=qvm-blaa\n");
    // An entry may name the program by a link found in PATH.
    home->write("bin/ekte", "#!/bin/sh\n");
    QFile::setPermissions(*home / "bin/ekte", QFile::permissions(*home / "bin/ekte") | QFile::ExeOwner);
    QDir().mkpath(*home / "links");
    QFile::link(*home / "bin/ekte", *home / "links/alias");
    qputenv("PATH", QFile::encodeName(*home / "links") + ":/usr/bin:/bin");
    home->write("xdg/applications/alias.desktop", "[Desktop Entry]\nType=Application\nName=Alias\nExec=alias %f\nIcon=qvm-roed\n");
    Tmainform& main = start();
    skrivListe({{"Rød", roed}, {"Blå", blaa}, {"Kendt", *home / "bin/kendt"}, {"Ukendt", *home / "bin/ukendt"},
                {"Væk", *home / "bin/væk"}, {"Ekte", *home / "bin/ekte"}});
    main.MenuExe->HentProgrammer();
    TMenuExeFiler& liste = *main.MenuExe;
    const auto navne = [&liste] {
        QStringList n;
        for (int i = 0; i < liste.Filantal(); ++i)
            n.append(liste.ikon(i).name());
        return n;
    };
    QCOMPARE(navne(), (QStringList{"qvm-roed", "qvm-blaa", "qvm-blaa", "", "", "qvm-roed"}));
    QVERIFY(!liste.ikon(3).isNull());  // the executable's icon of the theme or the style
    QCOMPARE(liste.IconList.size(), liste.IconStartNr + 6);

    QVERIFY(liste.flytNed(0));
    QCOMPARE(navne().mid(0, 2), (QStringList{"qvm-blaa", "qvm-roed"}));
    QVERIFY(!liste.flytNed(5));
    QVERIFY(!liste.flytOp(0));
    liste.DeleteItem(0);
    QCOMPARE(navne().mid(0, 2), (QStringList{"qvm-roed", "qvm-blaa"}));
    // The missing program was dropped from the file by the removal's save.
    liste.HentProgrammer();
    QCOMPARE(navne(), (QStringList{"qvm-roed", "qvm-blaa", "", "qvm-roed"}));
    QCOMPARE(liste.GetCaption(2), QStringLiteral("Ukendt"));
}

void ProgramlisteTest::runsWithTheSelectedFiles_data()
{
    QTest::addColumn<bool>("post");
    QTest::newRow("a desktop entry") << true;
    QTest::newRow("a #! program") << false;
}

void ProgramlisteTest::runsWithTheSelectedFiles()
{
    QFETCH(bool, post);
    const QString program = post ? this->post("optag", "qvm-roed") : optager;
    home->make({"m/" + lumsk, "m/enkel.txt"});
    Tmainform& main = start();
    skrivListe({{"Optag", program}});
    main.MenuExe->HentProgrammer();
    auto* explorer = dynamic_cast<Twinform*>(main.getWinform("Stifinder 1"));
    QVERIFY(explorer);
    explorer->gaaTilMappe(*home / "m");
    QTreeWidget* filer = explorer->strukturCompo().Struktur2();
    filer->selectAll();
    QMenu* menu = main.findChild<QMenu*>("mProgrammer");
    menu->actions().value(0)->trigger();
    QStringList argumenter = optaget().mid(1);
    argumenter.sort();
    QCOMPARE(argumenter, (QStringList{*home / ("m/" + lumsk), *home / "m/enkel.txt"}));
    QCOMPARE(main.opt.exeProgram, program);
    QVERIFY(!QFile::exists(*home / "m/x"));

    // With the folder tree active, the program gets no files.
    explorer->visStruktur1();
    main.OpenTheEle();
    QCOMPARE(optaget().mid(1), QStringList{});
}

void ProgramlisteTest::manyProgramsAndTheCurrentOne()
{
    Tmainform& main = start();
    QList<std::pair<QString, QString>> programmer;
    for (int i = 1; i <= 17; ++i)
        programmer.append({QStringLiteral("P%1").arg(i), optager});
    skrivListe(programmer);
    main.MenuExe->HentProgrammer();
    const QStringList vist = punkter(main.findChild<QMenu*>("mProgrammer"));
    QCOMPARE(vist.size(), 18);
    QCOMPARE(vist.indexOf("--"), 16);  // the 17th item starts a new group
    QCOMPARE(main.findChild<QListWidget*>("programBox")->count(), 0);  // filled at start, before this list
    main.loadProgramBox();
    QCOMPARE(main.findChild<QListWidget*>("programBox")->count(), 17);

    main.MenuExe->setAktuelleProgram(*home / "ikke i listen");
    QCOMPARE(main.MenuExe->getAktuelleCaption(), QString());
    main.InfoProg(main.MenuExe->getAktuelleCaption());
    QCOMPARE(main.findChild<QLabel*>("infobarProgram")->text(), QString());

    // A path with a line break would shift every later program of the file.
    QVERIFY(!main.MenuExe->InsertItem(*home / "a\nb", "X", QString(), 1));
    QCOMPARE(main.MenuExe->Filantal(), 17);
}

QTEST_MAIN(ProgramlisteTest)
#include "test_programliste.moc"
