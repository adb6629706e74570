#include "app/handlingsregler.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/taste.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {
const QString ikkeFilnavn = QStringLiteral("Teksten kan ikke bruges som filnavn.");
const QString overskriv = QStringLiteral("Filen dir eksisterer allerede.\nSkal den overskrives?");
}  // namespace

// The command list of the page "Dos": commands stored as files in dosMappe, listed in
// "dosfiler.txt", edited, moved, sorted and deleted.
class DosTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void gemKommando_data();
    void gemKommando();
    void femogtyvende();
    void redigerOgNy();
    void sletOgFlyt();
    void sortering();
    void foersteStart();

private:
    Tmainform& main() const { return entry->mainform(); }
    QString mappe() const { return main().folders.dosMappe; }
    QString listefil() const { return main().folders.OptMappe + "dosfiler.txt"; }
    QLineEdit* kommando() const { return main().findChild<QLineEdit*>(QStringLiteral("dosEdit")); }
    QPlainTextEdit* beskrivelse() const { return main().findChild<QPlainTextEdit*>(QStringLiteral("dosMemo")); }
    QListWidget* liste() const { return main().findChild<QListWidget*>(QStringLiteral("dosBoxen")); }
    QPushButton* gemListe() const { return main().findChild<QPushButton*>(QStringLiteral("gemDosKnap")); }
    QStringList linjer(const QString& fil) const { return platform::readTextLines(fil).value_or(QStringList{"<ingen>"}); }
    QStringList filer() const { return QDir(mappe()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name); }
    QStringList viste() const;
    // Runs an action of the main window after its enable rules, as a click on its button does;
    // false when it is disabled.
    bool udfoer(const char* navn) const;
    // Types a command and its description as the user does, and stores it.
    void gem(const QString& tekst, const QString& beskrivelsen) const;
    // A list of commands with these captions, in this order, and their files.
    void liste(const QStringList& kommandoer) const;

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void DosTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    for (const QString& fil : QDir(mappe()).entryList(QDir::Files))
        QFile::remove(mappe() + fil);
    main().hentDosFiler();
}

void DosTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

QStringList DosTest::viste() const
{
    QStringList tekster;
    for (int i = 0; i < liste()->count(); ++i)
        tekster << liste()->item(i)->text();
    return tekster;
}

bool DosTest::udfoer(const char* navn) const
{
    main().findChild<Handlingsregler*>(QString(), Qt::FindDirectChildrenOnly)->opdaterNu();
    QAction* action = main().hovedhandling(navn);
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

void DosTest::gem(const QString& tekst, const QString& beskrivelsen) const
{
    kommando()->clear();
    taste(kommando(), tekst);
    beskrivelse()->selectAll();
    taste(beskrivelse(), beskrivelsen);
    QVERIFY(udfoer("aInsertDos"));
}

void DosTest::liste(const QStringList& kommandoer) const
{
    QStringList par;
    for (const QString& k : kommandoer) {
        platform::writeTextLines(mappe() + k + ".txt", {"om " + k});
        par << k << mappe() + k + ".txt";
    }
    platform::writeTextLines(listefil(), par);
    main().hentDosFiler();
}

void DosTest::gemKommando_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("beskrivelsen");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QStringList>("spurgt");
    QTest::addColumn<QStringList>("listen");
    QTest::addColumn<QString>("fil");  // the file holding the description; empty: nothing written
    const QStringList dir{"dir"};
    const int ja = QDialog::Accepted;
    QTest::newRow("new") << "pwd" << "mappen" << ja << QStringList{} << QStringList{"dir", "pwd"} << "pwd.txt";
    QTest::newRow("trimmed") << "  pwd " << "mappen" << ja << QStringList{} << QStringList{"dir", "pwd"} << "pwd.txt";
    QTest::newRow("same, Ja") << "dir" << "ny" << ja << QStringList{overskriv} << dir << "dir.txt";
    QTest::newRow("same, Nej") << "dir" << "ny" << int(QDialog::Rejected) << QStringList{overskriv} << dir << "";
    QTest::newRow("Dir after dir") << "Dir" << "ny" << ja << QStringList{overskriv} << dir << "dir.txt";
    QTest::newRow("a path") << "ls -la /tmp" << "vis /tmp" << ja << QStringList{} << QStringList{"dir", "ls -la /tmp"}
                            << "ls -la ∕tmp.txt";
    QTest::newRow("æøå, lines") << "wc -l" << "tæller æøå\nlinje to" << ja << QStringList{}
                                << QStringList{"dir", "wc -l"} << "wc -l.txt";
    QTest::newRow("..") << ".." << "x" << ja << QStringList{ikkeFilnavn} << dir << "";
    QTest::newRow("over 255 bytes") << QString(126, u'ø') << "x" << ja << QStringList{ikkeFilnavn} << dir << "";
    QTest::newRow("a folder in the way") << "du" << "x" << ja
                                         << QStringList{"Filen du eksisterer allerede.\nSkal den overskrives?",
                                                        "Filen kunne ikke gemmes:\n%1du.txt"}
                                         << dir << "";
}

void DosTest::gemKommando()
{
    QFETCH(QString, tekst);
    QFETCH(QString, beskrivelsen);
    QFETCH(int, svar);
    QFETCH(QStringList, spurgt);
    QFETCH(QStringList, listen);
    QFETCH(QString, fil);
    QDir().mkpath(mappe() + "du.txt");
    gem("dir", "gammel");
    QVERIFY(boxes->shown.isEmpty());
    const QStringList foer = filer();
    boxes->answer(svar);
    gem(tekst, beskrivelsen);
    QCOMPARE(boxes->texts(), QStringList(spurgt).replaceInStrings("%1", mappe()));
    QCOMPARE(viste(), listen);
    QStringList par;
    for (const QString& k : listen)
        par << k << mappe() + QString(k).replace(u'/', u'∕') + ".txt";
    QCOMPARE(linjer(listefil()), par);
    if (fil.isEmpty()) {
        QCOMPARE(filer(), foer);
        QCOMPARE(linjer(mappe() + "dir.txt"), QStringList{"gammel"});
        QVERIFY(kommando()->isModified());
        return;
    }
    QCOMPARE(linjer(mappe() + fil), beskrivelsen.split(u'\n'));
    QVERIFY(!kommando()->isModified() && !beskrivelse()->document()->isModified());
    QVERIFY(!udfoer("aInsertDos"));
    // Listed again after a restart.
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    main().hentDosFiler();
    QCOMPARE(viste(), listen);
}

void DosTest::femogtyvende()
{
    QStringList kommandoer;
    for (int i = 0; i < 24; ++i)
        kommandoer << QStringLiteral("k%1").arg(i, 2, 10, QLatin1Char('0'));
    liste(kommandoer);
    gem("ny", "den 25.");
    QCOMPARE(viste().size(), 24);
    QCOMPARE(viste().last(), QStringLiteral("ny"));
    QCOMPARE(liste()->currentRow(), 23);
    QVERIFY(!viste().contains("k23"));
    QCOMPARE(linjer(mappe() + "k23.txt"), QStringList{"om k23"});
    QCOMPARE(linjer(listefil()).size(), 48);
}

// "Rediger" brings a command back exactly as stored; "Ny" empties the fields, and with
// "Klargør til ny efter gem" a store does so too.
void DosTest::redigerOgNy()
{
    gem("ls -la /tmp", "tæller æøå\nlinje to");
    QVERIFY(udfoer("aNyDos"));
    QVERIFY(kommando()->text().isEmpty() && beskrivelse()->toPlainText().isEmpty());
    QCOMPARE(kommando()->placeholderText(), QStringLiteral("Indfør ny kommando"));
    QVERIFY(!udfoer("aNyDos"));
    auto* bog = main().findChild<QTabWidget*>(QStringLiteral("dosBog"));
    bog->setCurrentIndex(0);
    liste()->setCurrentRow(-1);
    QVERIFY(!udfoer("aRediger"));
    liste()->setCurrentRow(0);
    QVERIFY(udfoer("aRediger"));
    QCOMPARE(bog->currentIndex(), 1);
    QCOMPARE(kommando()->text(), QStringLiteral("ls -la /tmp"));
    QCOMPARE(beskrivelse()->toPlainText(), QStringLiteral("tæller æøå\nlinje to"));
    QVERIFY(!udfoer("aInsertDos"));
    main().findChild<QCheckBox*>(QStringLiteral("dosCheck"))->setChecked(true);
    gem("df -h", "plads");
    QVERIFY(kommando()->text().isEmpty() && beskrivelse()->toPlainText().isEmpty());
    QCOMPARE(viste(), QStringList({"ls -la /tmp", "df -h"}));
}

void DosTest::sletOgFlyt()
{
    liste({"a", "b", "c", "d"});
    QVERIFY(!gemListe()->isEnabled());
    // Moving: the selection follows and "Gem" may store the new order.
    liste()->setCurrentRow(0);
    QVERIFY(!udfoer("aDosOp"));
    QVERIFY(udfoer("aDosNed"));
    QCOMPARE(viste(), QStringList({"b", "a", "c", "d"}));
    QCOMPARE(liste()->currentRow(), 1);
    QVERIFY(gemListe()->isEnabled());
    gemListe()->click();
    QVERIFY(!gemListe()->isEnabled());
    QCOMPARE(linjer(listefil()).mid(0, 4), QStringList({"b", mappe() + "b.txt", "a", mappe() + "a.txt"}));
    const QStringList flyttet = linjer(listefil());
    // "Nej" keeps the command; the last one removed moves the selection back, another keeps it.
    liste()->setCurrentRow(3);
    boxes->answer(QDialog::Rejected);
    QVERIFY(udfoer("aSletDos"));
    QCOMPARE(boxes->texts(), QStringList{"Skal kommandoen d slettes?"});
    QCOMPARE(viste().size(), 4);
    QVERIFY(udfoer("aSletDos"));
    QCOMPARE(viste(), QStringList({"b", "a", "c"}));
    QCOMPARE(liste()->currentRow(), 2);
    QVERIFY(udfoer("aSletDos"));
    liste()->setCurrentRow(0);
    QVERIFY(udfoer("aSletDos"));
    QCOMPARE(viste(), QStringList{"a"});
    QCOMPARE(liste()->currentRow(), 0);
    QVERIFY(gemListe()->isEnabled());
    QCOMPARE(linjer(listefil()), flyttet);
    QCOMPARE(filer(), QStringList({"a.txt", "b.txt", "c.txt", "d.txt"}));
    QVERIFY(udfoer("aSletAltDos"));
    QCOMPARE(boxes->texts().last(), QStringLiteral("Skal alle indførte elementer i listen slettes?"));
    QVERIFY(viste().isEmpty());
    QVERIFY(!udfoer("aSletAltDos"));
    gemListe()->click();
    QVERIFY(linjer(listefil()).isEmpty());
    QCOMPARE(filer().size(), 4);
}

void DosTest::sortering()
{
    const QString sorteret = QStringLiteral("Listen var sorteret i forvejen.\nDer blev altså ikke flyttet nogen elementer.");
    liste({"b", "A", "c"});
    const QStringList gemt = linjer(listefil());
    auto* sorter = main().findChild<QPushButton*>(QStringLiteral("sorterButton"));
    liste()->setCurrentRow(0);
    sorter->click();
    QCOMPARE(viste(), QStringList({"A", "b", "c"}));
    QCOMPARE(liste()->currentRow(), 1);
    QVERIFY(gemListe()->isEnabled());
    QCOMPARE(linjer(listefil()), gemt);
    QVERIFY(boxes->shown.isEmpty());
    // Sorted already: said, and "Gem" as it was, enabled or not.
    sorter->click();
    QVERIFY(gemListe()->isEnabled());
    gemListe()->click();
    sorter->click();
    QVERIFY(!gemListe()->isEnabled());
    QCOMPARE(boxes->texts(), QStringList({sorteret, sorteret}));
    QCOMPARE(linjer(listefil()), QStringList({"A", mappe() + "A.txt", "b", mappe() + "b.txt", "c", mappe() + "c.txt"}));
}

// Without a list file the command files there are make the list, in name order, and it is kept.
void DosTest::foersteStart()
{
    cleanup();
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    QVERIFY(!QFile::exists(listefil()));
    main().hentDosFiler();
    QStringList leveret;
    for (const QString& fil :
         QDir(QStringLiteral(QVM_CONTENT_DIR) + "/Dos").entryList({"*.txt"}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        leveret << QFileInfo(fil).completeBaseName();
    QVERIFY(leveret.contains("df -h"));
    QCOMPARE(viste(), leveret);
    QCOMPARE(liste()->currentRow(), -1);
    QCOMPARE(linjer(listefil()).size(), 2 * leveret.size());
    // Selecting a command, by mouse or by keys, shows its description.
    liste()->setCurrentRow(0);
    QCOMPARE(main().findChild<QPlainTextEdit*>(QStringLiteral("MemoDos"))->toPlainText(),
             linjer(mappe() + leveret[0] + ".txt").join(u'\n'));
}

QTEST_MAIN(DosTest)
#include "test_dos.moc"
