#include "app/handlingsregler.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/twinform.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/taste.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

namespace {
const QString ikkeFilnavn = QStringLiteral("Teksten kan ikke bruges som filnavn.");
}

// The page "Notater": notes saved, listed and loaded from NotatMappe, and the questions before
// anything typed is overwritten or left.
class NotaterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listeFraMappen();
    void overskrivning_data();
    void overskrivning();
    void ugemtForHentOgNyt_data();
    void ugemtForHentOgNyt();
    void forsvundetNotat();
    void overskriftSomFilnavn_data();
    void overskriftSomFilnavn();
    void visNotatmappe();
    void ctrlGVirkerHvorFokus();

private:
    Tmainform& main() const { return entry->mainform(); }
    QLineEdit* overskrift() const { return main().findChild<QLineEdit*>(QStringLiteral("notatEdit")); }
    QPlainTextEdit* notat() const { return main().findChild<QPlainTextEdit*>(QStringLiteral("notatMemo")); }
    QListWidget* liste() const { return main().findChild<QListWidget*>(QStringLiteral("notatBox")); }
    QString mappe() const { return main().folders.NotatMappe; }
    // Types a heading and a text as the user does.
    void skriv(const QString& tekst, const QString& noteTekst) const;
    void vaelg(const QString& navn) const { liste()->setCurrentItem(liste()->findItems(navn, Qt::MatchExactly).value(0)); }
    QStringList filensLinjer(const QString& navn) const { return platform::readTextLines(mappe() + navn).value_or(QStringList{"<ingen>"}); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void NotaterTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    platform::writeTextLines(mappe() + "Indkøb.txt", {"mælk", "brød"});
    platform::writeTextLines(mappe() + ".skjult.txt", {"x"});
    platform::writeTextLines(mappe() + "b∕c.txt", {"y"});
    QDir().mkpath(mappe() + "mappe.txt");
    main().loadNotater();
}

void NotaterTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

void NotaterTest::skriv(const QString& tekst, const QString& noteTekst) const
{
    overskrift()->clear();
    taste(overskrift(), tekst);
    notat()->selectAll();
    taste(notat(), noteTekst);
}

void NotaterTest::listeFraMappen()
{
    QStringList navne;
    for (int i = 0; i < liste()->count(); ++i)
        navne << liste()->item(i)->text();
    QCOMPARE(navne, QStringList({".skjult", "b/c", "Indkøb"}));
    QCOMPARE(main().findChild<QLabel*>(QStringLiteral("NotatLabel"))->text(), QStringLiteral("Eksisterende notater: 3"));
    auto* regler = main().findChild<Handlingsregler*>(QString(), Qt::FindDirectChildrenOnly);
    regler->opdaterNu();
    QVERIFY(!main().hovedhandling("aHentNotat")->isEnabled());
    QVERIFY(!main().hovedhandling("aGemNotat")->isEnabled());
    vaelg("b/c");
    regler->opdaterNu();
    QVERIFY(main().hovedhandling("aHentNotat")->isEnabled());
}

void NotaterTest::overskrivning_data()
{
    QTest::addColumn<bool>("hentetFoerst");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QStringList>("spurgt");
    QTest::addColumn<QStringList>("iFilen");
    const QString spm = QStringLiteral("Filnavn:\n%1Indkøb.txt\nSkal denne fil overskrives?");
    QTest::newRow("typed heading, Ja") << false << int(QDialog::Accepted) << QStringList{spm} << QStringList{"ost"};
    QTest::newRow("typed heading, Nej") << false << int(QDialog::Rejected) << QStringList{spm} << QStringList{"mælk", "brød"};
    QTest::newRow("loaded heading") << true << int(QDialog::Rejected) << QStringList{} << QStringList{"ost"};
}

void NotaterTest::overskrivning()
{
    QFETCH(bool, hentetFoerst);
    QFETCH(int, svar);
    QFETCH(QStringList, spurgt);
    QFETCH(QStringList, iFilen);
    if (hentetFoerst) {
        vaelg("Indkøb");
        main().hovedhandling("aHentNotat")->trigger();
        QCOMPARE(notat()->toPlainText(), QStringLiteral("mælk\nbrød"));
        notat()->selectAll();
        taste(notat(), "ost");
    } else {
        skriv("Indkøb", "ost");
    }
    boxes->answer(svar);
    main().hovedhandling("aGemNotat")->trigger();
    QCOMPARE(boxes->texts(), QStringList(spurgt).replaceInStrings("%1", mappe()));
    QCOMPARE(filensLinjer("Indkøb.txt"), iFilen);
    QCOMPARE(liste()->findItems("Indkøb", Qt::MatchExactly).size(), 1);
    QCOMPARE(notat()->document()->isModified(), iFilen != QStringList{"ost"});
}

void NotaterTest::ugemtForHentOgNyt_data()
{
    QTest::addColumn<QString>("knap");
    QTest::addColumn<QString>("spoergsmaal");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QString>("bagefter");
    const QString hent = QStringLiteral("Nuværende notat er ikke gemt.\nSkal der åbnes et nyt notat alligevel?");
    const QString nyt = QStringLiteral("Nuværende notat er redigeret men ikke gemt.\nSkal der startes et nyt notat alligevel?");
    QTest::newRow("Hent, Nej") << "aHentNotat" << hent << int(QDialog::Rejected) << "utrykt";
    QTest::newRow("Hent, Ja") << "aHentNotat" << hent << int(QDialog::Accepted) << "mælk\nbrød";
    QTest::newRow("Ny, Nej") << "nytNotatButton" << nyt << int(QDialog::Rejected) << "utrykt";
    QTest::newRow("Ny, Ja") << "nytNotatButton" << nyt << int(QDialog::Accepted) << "";
}

void NotaterTest::ugemtForHentOgNyt()
{
    QFETCH(QString, knap);
    QFETCH(QString, spoergsmaal);
    QFETCH(int, svar);
    QFETCH(QString, bagefter);
    skriv("Ny idé", "utrykt");
    vaelg("Indkøb");
    boxes->answer(svar);
    if (knap == "aHentNotat")
        main().hovedhandling(knap)->trigger();
    else
        main().findChild<QPushButton*>(knap)->click();
    QCOMPARE(boxes->texts(), QStringList{spoergsmaal});
    QCOMPARE(notat()->toPlainText(), bagefter);
    QCOMPARE(notat()->document()->isModified(), svar == QDialog::Rejected);
    QVERIFY(!QFile::exists(mappe() + "Ny idé.txt"));
}

void NotaterTest::forsvundetNotat()
{
    skriv("Andet", "behold mig");
    main().hovedhandling("aGemNotat")->trigger();
    QVERIFY(QFile::remove(mappe() + "Indkøb.txt"));
    vaelg("Indkøb");
    main().hovedhandling("aHentNotat")->trigger();
    QCOMPARE(boxes->texts(), QStringList{"Filen blev ikke fundet.\n"});
    QCOMPARE(overskrift()->text(), QStringLiteral("Andet"));
    QCOMPARE(notat()->toPlainText(), QStringLiteral("behold mig"));
}

void NotaterTest::overskriftSomFilnavn_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("fil");  // empty: refused
    QTest::newRow("../x stays in the folder") << "../x" << "..∕x.txt";
    QTest::newRow("a path") << "/tmp/y" << "∕tmp∕y.txt";
    QTest::newRow("..") << ".." << "";
    QTest::newRow(".") << "." << "";
    QTest::newRow("over 255 bytes") << QString(126, u'ø') << "";
    QTest::newRow("a byte-order mark the file name would lose") << QStringLiteral("\uFEFFx") << "";
}

void NotaterTest::overskriftSomFilnavn()
{
    QFETCH(QString, tekst);
    QFETCH(QString, fil);
    const QStringList foer = QDir(mappe()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QStringList ovenover = QDir(mappe() + "..").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    skriv(tekst, "indhold");
    main().hovedhandling("aGemNotat")->trigger();
    QCOMPARE(QDir(mappe() + "..").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), ovenover);
    QVERIFY(!QFile::exists("/tmp/y.txt") || fil.isEmpty());
    if (fil.isEmpty()) {
        QCOMPARE(boxes->texts(), QStringList{ikkeFilnavn});
        QCOMPARE(QDir(mappe()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), foer);
        QVERIFY(notat()->document()->isModified());
        return;
    }
    QVERIFY(boxes->shown.isEmpty());
    QCOMPARE(filensLinjer(fil), QStringList{"indhold"});
    // Listed and loaded back as typed.
    main().loadNotater();
    vaelg(tekst);
    main().hovedhandling("aHentNotat")->trigger();
    QCOMPARE(overskrift()->text(), tekst);
    QCOMPARE(notat()->toPlainText(), QStringLiteral("indhold"));
}

void NotaterTest::visNotatmappe()
{
    auto* knap = main().findChild<QPushButton*>(QStringLiteral("notatMappeVisKnap"));
    knap->click();
    QCOMPARE(boxes->texts(),
             QStringList{"Der skal være en Stifinder aktiv for denne funktion.\nAktiver en Stifinder og prøv igen!"});
    main().setStifinderFabrik([](Tmainform& m) { return new Twinform(m); });
    main().opt.TryedBefore = true;
    entry->start();
    main().FormActivate();
    QVERIFY(main().getWinform("Stifinder 1"));
    main().loadNotater();
    knap->click();
    QCOMPARE(main().EditSti()->text(), QDir::cleanPath(mappe()));
    vaelg("Indkøb");
    knap->click();
    QCOMPARE(main().EditSti()->text(), mappe() + "Indkøb.txt");
    QCOMPARE(boxes->shown.size(), 1);
}

void NotaterTest::ctrlGVirkerHvorFokus()
{
    main().setStifinderFabrik([](Tmainform& m) { return new Twinform(m); });
    main().opt.TryedBefore = true;
    entry->start();
    main().FormActivate();
    auto* explorer = qobject_cast<Twinform*>(main().getWinform("Stifinder 1"));
    QVERIFY(explorer);
    main().findChild<QTabWidget*>(QStringLiteral("Hovedbog"))->setCurrentIndex(3);
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    QAction* gemStruktur = explorer->findChild<QAction*>(QStringLiteral("gemStruktur"));
    QSignalSpy struktur(gemStruktur, &QAction::triggered);
    skriv("Fokus", "gemt med Ctrl+G");
    notat()->setFocus();
    main().findChild<Handlingsregler*>(QString(), Qt::FindDirectChildrenOnly)->opdaterNu();
    QTest::keyClick(notat(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(filensLinjer("Fokus.txt"), QStringList{"gemt med Ctrl+G"});
    QCOMPARE(struktur.size(), 0);
    gemStruktur->setEnabled(true);
    QWidget* tree = explorer->findChild<QWidget*>(QStringLiteral("MappeStruktur"));
    QVERIFY(tree);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(struktur.size(), 1);
}

QTEST_MAIN(NotaterTest)
#include "test_notater.moc"
