#include "app/errorinfo.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "platform/shell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QLineEdit>
#include <QProcess>
#include <QtTest>

namespace {
// A name that a shell would take apart or run pieces of.
const QString fiendishName = QStringLiteral("a \"b\" 'c'; $(touch pwned) `touch pwned2` \nlinje");
}

// Opens files through the desktop's real default applications: a test application, made the
// default for plain text, a test type and folders, records its working folder and arguments.
class OpeningTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void errorTable_data();
    void errorTable();
    void parameterText_data();
    void parameterText();
    void openAndEditWithDefaultApplications();
    void failuresAreReported_data();
    void failuresAreReported();
    void missingTerminalOrBrokenProgramIsNamed_data();
    void missingTerminalOrBrokenProgramIsNamed();
    void programWithParameterText();
    void folderInFileManager();
    void consolesAndBatchFiles();

private:
    // The working folder and arguments of the last start of the test application or terminal.
    QStringList recorded();

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QString recorder;
    QString record;
};

void OpeningTest::initTestCase()
{
    home = std::make_unique<TestHome>();
    const QString xdg = *home / "xdg";
    record = xdg + "/record";
    recorder = xdg + "/recorder.sh";
    const QByteArray to = record.toUtf8();
    home->write("xdg/recorder.sh", "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\0' \"$a\"; done; } > '" + to + ".'$$ && mv '" + to
                                       + ".'$$ '" + to + "'\n");
    QFile::setPermissions(recorder, QFile::permissions(recorder) | QFile::ExeOwner);
    home->write("xdg/data/applications/qvmtest.desktop",
                "[Desktop Entry]\nType=Application\nName=QVM test\nExec=" + recorder.toUtf8()
                    + " %F\nMimeType=text/plain;application/x-qvmtest;inode/directory;\n");
    // An application that runs in a terminal, as an editor without a window of its own does.
    home->write("xdg/data/applications/qvmterm.desktop",
                "[Desktop Entry]\nType=Application\nName=QVM terminal\nTerminal=true\nExec=" + recorder.toUtf8()
                    + " --i-terminal %f\nMimeType=application/x-qvmterm;\n");
    // One whose Exec line puts the file in the program's place; GIO takes the entry only when a
    // program of that name is found, so one is.
    home->write("xdg/data/applications/qvmselv.desktop", "[Desktop Entry]\nType=Application\nName=QVM selv\nTerminal=true\n"
                                                         "Exec=%f\nMimeType=application/x-qvmselv;\n");
    home->write("xdg/bin/%f", "#!/bin/sh\n");
    QFile::setPermissions(*home / "xdg/bin/%f", QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(xdg + "/bin:") + qgetenv("PATH"));
    home->write("xdg/config/mimeapps.list", "[Default Applications]\ntext/plain=qvmtest.desktop\n"
                                            "application/x-qvmtest=qvmtest.desktop\ninode/directory=qvmtest.desktop\n"
                                            "application/x-qvmterm=qvmterm.desktop\napplication/x-qvmselv=qvmselv.desktop\n");
    home->write("xdg/data/mime/packages/qvmtest.xml",
                "<?xml version=\"1.0\"?>\n<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                "<mime-type type=\"application/x-qvmtest\"><glob pattern=\"*.qvmtest\"/></mime-type>\n"
                "<mime-type type=\"application/x-qvmnone\"><glob pattern=\"*.qvmnone\"/></mime-type>\n"
                "<mime-type type=\"application/x-qvmterm\"><glob pattern=\"*.qvmterm\"/></mime-type>\n"
                "<mime-type type=\"application/x-qvmselv\"><glob pattern=\"*.qvmselv\"/></mime-type>\n</mime-info>\n");
    QProcess mimeDatabase;
    mimeDatabase.start("update-mime-database", {xdg + "/data/mime"});
    QVERIFY(mimeDatabase.waitForFinished(60000));
    QCOMPARE(mimeDatabase.exitCode(), 0);
    qputenv("XDG_DATA_HOME", QFile::encodeName(xdg + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdg + "/config"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(xdg + "/data") + ":/usr/share");
    qputenv("TERMINAL", QFile::encodeName(recorder));
    home->make({"files/", "mappe med blanke/"});
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
}

void OpeningTest::init()
{
    QFile::remove(record);
    boxes->shown.clear();
}

QStringList OpeningTest::recorded()
{
    [&] { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 15000); }();
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {"<intet>"};
    const QByteArray bytes = file.readAll();
    const qsizetype newline = bytes.indexOf('\n');
    QStringList lines{QString::fromUtf8(bytes.left(newline))};
    for (const QByteArray& argument : bytes.mid(newline + 1).split('\0'))
        lines.append(QString::fromUtf8(argument));
    lines.removeLast();  // after the last NUL
    return lines;
}

void OpeningTest::errorTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << 0 << "Operationssystemet er løbet tør for hukommelse eller resourcer.";
    QTest::newRow("2") << 2 << "Den specificerede fil blev ikke fundet.";
    QTest::newRow("3") << 3 << "Stien blev ikke fundet.";
    QTest::newRow("5") << 5 << "Operationssystemet forbød adgang til filen.";
    QTest::newRow("8") << 8 << "Der var ikke hukommelse nok til at fuldføre operationen.";
    QTest::newRow("11") << 11 << "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).";
    QTest::newRow("26") << 26 << "Der opstod en \"sharing violation\".";
    QTest::newRow("27") << 27 << "Filnavnsassociatonen er ukomplet eller invalid";
    QTest::newRow("28") << 28 << "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".";
    QTest::newRow("29") << 29 << "\"DDE transaction\" mislykkedes.";
    QTest::newRow("30") << 30 << "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\nfordi andre "
                                 "\"DDE transactions\" skulle udføres.";
    QTest::newRow("31") << 31 << "Der er ikke associeret noget program til givne filefternavn.\nDer er muligvist "
                                 "valgt: For redigering.\nDer skal muligvist vælges: For kørsel.";
    QTest::newRow("32") << 32 << "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.";
    QTest::newRow("no terminal") << 20 << "Der er ingen terminal at køre i. Installer en terminal, for eksempel pakken "
                                          "xterm, eller sæt miljøvariablen TERMINAL til den terminal, der skal bruges.";
    QTest::newRow("no browser") << 21 << "Der er ingen webbrowser til at åbne adressen. Installer en webbrowser.";
    QTest::newRow("cannot start") << 22 << "Programmet blev fundet, men kunne ikke startes.";
    QTest::newRow("any other") << 42 << "Meningsløs operation eller ukendt fejl.";
    QTest::newRow("negative") << -1 << "Meningsløs operation eller ukendt fejl.";
}

void OpeningTest::errorTable()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(errorTekst(code), message);
    entry->mainform().ErrorInfo(code);
    QCOMPARE(boxes->texts(), QStringList{message + "\n"});
}

void OpeningTest::parameterText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("plain") << "a b  c" << QStringList{"a", "b", "c"};
    QTest::newRow("quoted") << "\"/x/a b.txt\" \"/y/c.txt\"" << QStringList{"/x/a b.txt", "/y/c.txt"};
    QTest::newRow("quote in quotes") << "\"a\"\"b\"" << QStringList{"a\"b"};
    QTest::newRow("escaped quote") << "a\\\"b" << QStringList{"a\"b"};
    QTest::newRow("backslashes") << "\"c:\\\\x\\\\\" d\\e" << QStringList{"c:\\\\x\\", "d\\e"};
    QTest::newRow("empty quotes") << "\"\" x" << QStringList{"", "x"};
    QTest::newRow("empty") << "" << QStringList{};
}

void OpeningTest::parameterText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, arguments);
    QCOMPARE(platform::splitParameterText(text), arguments);
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(platform::quoteArgument(argument));
    QCOMPARE(platform::splitParameterText(quoted.join(' ')), arguments);
    QCOMPARE(platform::splitParameterText(platform::quoteArgument(fiendishName + "\\")), QStringList{fiendishName + "\\"});
}

void OpeningTest::openAndEditWithDefaultApplications()
{
    Tmainform& main = entry->mainform();
    const QString typed = *home / ("files/" + fiendishName + ".qvmtest");
    home->write("files/" + fiendishName + ".qvmtest", "x");
    main.OpenFilen(typed, false);
    // The application starts in the file's folder, with the file as one argument.
    QCOMPARE(recorded(), (QStringList{*home / "files", typed}));
    QVERIFY(!QFileInfo::exists(*home / "files/pwned") && !QFileInfo::exists(*home / "files/pwned2"));

    QFile::remove(record);
    home->make({"files/under/"});
    const QString text = *home / "files/under/notat.txt";
    home->write("files/under/notat.txt", "tekst");
    main.runFilname(text, 1);
    QCOMPARE(recorded(), (QStringList{*home / "files/under", text}));

    // One that needs a terminal runs once, in the user's terminal (here the recorder).
    QFile::remove(record);
    const QString term = *home / ("files/" + fiendishName + ".qvmterm");
    home->write("files/" + fiendishName + ".qvmterm", "x");
    main.OpenFilen(term, false);
    QCOMPARE(recorded(), (QStringList{*home / "files", "-e", recorder, "--i-terminal", term}));
    QVERIFY(boxes->shown.isEmpty());
}

void OpeningTest::failuresAreReported_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("code");
    QTest::newRow("type without application") << "files/arkiv.qvmnone" << false << 31;
    QTest::newRow("edit a file that is no text") << "files/data.qvmtest" << true << 31;
    QTest::newRow("missing file") << "files/findes ikke.txt" << false << 2;
    QTest::newRow("missing folder") << "ingen mappe/x.txt" << false << 3;
    QTest::newRow("a desktop entry that cannot be read") << "files/brudt.desktop" << false << 11;
    QTest::newRow("a terminal application whose program would be the file") << "files/x.qvmselv" << false << 22;
}

void OpeningTest::failuresAreReported()
{
    QFETCH(QString, file);
    QFETCH(bool, edit);
    QFETCH(int, code);
    home->write("files/arkiv.qvmnone", QByteArray("\x00\x01\x02", 3));
    home->write("files/data.qvmtest", QByteArray("\x00\x01\x02", 3));
    home->write("files/brudt.desktop", "ikke en programpost\n");
    home->write("files/x.qvmselv", "tekst");
    entry->mainform().OpenFilen(*home / file, edit);
    QCOMPARE(boxes->texts(), QStringList{errorTekst(code) + "\n"});
    QVERIFY(!QFileInfo::exists(record));
}

void OpeningTest::missingTerminalOrBrokenProgramIsNamed_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("code");
    // As a text file on a machine whose only editor runs in a terminal.
    QTest::newRow("a type whose application runs in a terminal") << "open x.qvmterm" << int(platform::shellIngenTerminal);
    QTest::newRow("Konsol") << "konsol" << int(platform::shellIngenTerminal);
    QTest::newRow("a program whose interpreter is missing") << "open brudt.sh" << int(platform::shellStartFejlede);
}

void OpeningTest::missingTerminalOrBrokenProgramIsNamed()
{
    // A machine without a terminal: none in PATH and TERMINAL unset.
    QFETCH(QString, action);
    QFETCH(int, code);
    home->write("files/x.qvmterm", "tekst");
    home->write("files/brudt.sh", "#!/findes/ikke/sh\necho hej\n");
    QFile::setPermissions(*home / "files/brudt.sh", QFile::permissions(*home / "files/brudt.sh") | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    const QByteArray terminal = qgetenv("TERMINAL");
    qputenv("PATH", QFile::encodeName(*home / "files"));
    qunsetenv("TERMINAL");
    Tmainform& main = entry->mainform();
    const QStringList ord = action.split(u' ');
    if (ord.first() == "konsol") {
        main.EditSti()->setText(*home / "files");
        main.dosKnapClick();
    } else {
        main.OpenFilen(*home / ("files/" + ord.last()), false);
    }
    qputenv("PATH", path);
    qputenv("TERMINAL", terminal);
    QCOMPARE(boxes->texts(), QStringList{errorTekst(code) + "\n"});
    QVERIFY(!QFileInfo::exists(record));
}

void OpeningTest::programWithParameterText()
{
    Tmainform& main = entry->mainform();
    main.OpenFilMedProgram(recorder, "\"/x/a b.txt\" \"/y/c\\\"d.txt\"");
    QCOMPARE(recorded().mid(1), QStringList({"/x/a b.txt", "/y/c\"d.txt"}));

    QFile::remove(record);
    main.opt.exeProgram = recorder;
    main.EditSti()->setText(*home / fiendishName);
    main.OpenTheEle();
    QCOMPARE(recorded().mid(1), QStringList{*home / fiendishName});

    QFile::remove(record);
    main.EditSti()->clear();
    main.MenuExeParam(recorder, "Optager");
    QCOMPARE(recorded().mid(1), QStringList{});
    QCOMPARE(main.opt.exeProgram, recorder);
    QVERIFY(boxes->shown.isEmpty());

    main.OpenFilMedProgram("qvm-findes-ikke", "");
    QCOMPARE(boxes->texts(), QStringList{errorTekst(2) + "\n"});
}

void OpeningTest::folderInFileManager()
{
    Tmainform& main = entry->mainform();
    home->make({"mappe med blanke/fil.txt"});
    main.EditSti()->setText(*home / "mappe med blanke/fil.txt");
    main.aOpenStifinderExecute();
    QCOMPARE(recorded().mid(1), QStringList{*home / "mappe med blanke"});
    main.EditSti()->setText(*home / "væk");
    main.aOpenStifinderExecute();
    QCOMPARE(main.statusTekst(), QStringLiteral("Mappen blev ikke fundet."));
}

void OpeningTest::consolesAndBatchFiles()
{
    Tmainform& main = entry->mainform();
    home->make({"mappe med blanke/fil.txt"});
    main.EditSti()->setText(*home / "mappe med blanke/fil.txt");
    main.dosKnapClick();
    QCOMPARE(recorded(), QStringList{*home / "mappe med blanke"});

    QFile::remove(record);
    main.EditSti()->clear();
    main.dosKnapClick();
    QCOMPARE(recorded(), QStringList{"/"});

    QFile::remove(record);
    const QString batch = *home / ("mappe med blanke/" + fiendishName + ".sh");
    home->write("mappe med blanke/" + fiendishName + ".sh", "echo hej\n");
    main.runFilname(batch, 0);
    const QStringList started = recorded();
    QCOMPARE(started.first(), *home / "mappe med blanke");
    QCOMPARE(started.mid(1, 3), QStringList({"-e", "sh", "-c"}));
    QCOMPARE(started.last(), batch);

    QFile::remove(record);
    main.runFilname(batch, 1);
    QCOMPARE(recorded().mid(1), QStringList{batch});
    main.runFilname(*home / "væk.sh", 0);
    QVERIFY(boxes->shown.isEmpty());
}

QTEST_MAIN(OpeningTest)
#include "test_opening.moc"
