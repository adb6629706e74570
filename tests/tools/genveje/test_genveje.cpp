#include "app/kontroller.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "core/genveje.h"
#include "platform/registry.h"
#include "platform/textfile.h"
#include "tests/common/medstifindere.h"
#include "tests/common/optagendeshell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/genveje/tgenvejform.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

// The window "Genveje" in the running program: shortcuts made as links "<name>.lnk", the fixed
// placement, the list of shortcuts and running them.
class GenvejeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void makingShortcuts_data();
    void makingShortcuts();
    void placementFromTheCurrentElement();
    void listingAndRunning();
    void ownWindowAndItsFile();

private:
    Tmainform& main() { return entry->mainform(); }
    Tgenvejform* aabn();
    void udfoer(Tgenvejform* form, const char* navn);
    bool aktiv(Tgenvejform* form, const char* navn);
    QLineEdit* felt(Tgenvejform* form, const char* navn) { return form->findChild<QLineEdit*>(navn); }
    QString sidsteBesked() const { return boxes->texts().value(boxes->texts().size() - 1); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    QList<OptagendeShell::Kald> kald;
};

void GenvejeTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    kald.clear();
    platform::install<platform::Shell>(std::make_unique<OptagendeShell>(&kald));
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    registrerGenveje(entry->mainform());
    medStifindere(entry->mainform());
    entry->mainform().opt.TryedBefore = true;
    entry->start();
    entry->mainform().FormActivate();
    home->make({"Data/", "genveje/", "andet/"});
    home->write("Data/noter.txt", "noter");
}

void GenvejeTest::cleanup()
{
    entry.reset();
    platform::install<platform::Shell>(nullptr);
    boxes.reset();
    home.reset();
}

Tgenvejform* GenvejeTest::aabn()
{
    // The action wants a current element, as a shortcut is made to it.
    if (main().EditSti()->text().isEmpty())
        main().EditSti()->setText(*home / "Data");
    QAction* action = main().hovedhandling("opretGenveje");
    for (int i = 0; i < 100 && !action->isEnabled(); ++i)
        QTest::qWait(10);
    action->trigger();
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Tgenvejform*>(vindue))
            return form;
    return main().findChild<Tgenvejform*>();
}

bool GenvejeTest::aktiv(Tgenvejform* form, const char* navn)
{
    QCoreApplication::processEvents();
    return form->findChild<QAction*>(navn)->isEnabled();
}

void GenvejeTest::udfoer(Tgenvejform* form, const char* navn)
{
    QTRY_VERIFY2(form->findChild<QAction*>(navn)->isEnabled(), navn);
    form->findChild<QAction*>(navn)->trigger();
}

void GenvejeTest::makingShortcuts_data()
{
    QTest::addColumn<QString>("maal");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("placering");
    QTest::addColumn<QString>("besked");  // empty: made
    QTest::newRow("folder") << "Data" << "Data" << "genveje" << "Genvejen er lavet:\nData.lnk";
    QTest::newRow("a dot in the name") << "Data/noter.txt" << "A.b" << "genveje" << "Genvejen er lavet:\nA.b.lnk";
    QTest::newRow("an old link replaced") << "Data" << "gammel" << "genveje" << "Genvejen er lavet:\ngammel.lnk";
    QTest::newRow("a file of that name kept") << "Data" << "fil" << "genveje"
                                             << "Der er sandsynligvist opstået en fejl.\nGenvejen kan muligvist ikke oprettes på "
                                                "valgte sted.";
    QTest::newRow("no placement") << "Data" << "Data" << "mangler"
                                  << "Der er sandsynligvist opstået en fejl.\nGenvejen kan muligvist ikke oprettes på valgte sted.";
    QTest::newRow("no target") << "borte" << "Borte" << "genveje" << "Genvejens mål blev ikke fundet.";
    QTest::newRow("a slash in the name") << "Data" << "a/b" << "genveje" << "Genvejens navn må ikke indeholde \"/\".";
}

void GenvejeTest::makingShortcuts()
{
    QFETCH(QString, maal);
    QFETCH(QString, navn);
    QFETCH(QString, placering);
    QFETCH(QString, besked);
    QVERIFY(QFile::link(*home / "andet", *home / "genveje/gammel.lnk"));
    home->write("genveje/fil.lnk", "en fil");
    Tgenvejform* form = aabn();
    form->forbered(*home / maal, *home / placering, navn);
    QTest::keyClick(felt(form, "EditName"), Qt::Key_Return);
    QCOMPARE(sidsteBesked(), besked);
    const QFileInfo genvej(*home / placering + u'/' + navn + ".lnk");
    if (besked.startsWith("Genvejen er lavet")) {
        QVERIFY(genvej.isSymLink());
        QCOMPARE(genvej.symLinkTarget(), *home / maal);
        QVERIFY(felt(form, "EditTarget")->text().isEmpty());
        QVERIFY(felt(form, "EditName")->text().isEmpty());
        QVERIFY(main().getWinform("Stifinder 1") || main().EditSti());  // an explorer was brought forward
    } else {
        QCOMPARE(felt(form, "EditName")->text(), navn);
    }
    QCOMPARE(*platform::readTextLines(*home / "genveje/fil.lnk"), QStringList{"en fil"});
    QVERIFY(!QFileInfo::exists(*home / "a"));
}

void GenvejeTest::placementFromTheCurrentElement()
{
    Tgenvejform* form = aabn();
    QCOMPARE(felt(form, "EditDestFast")->text(), main().opt.PlaceringsMappe);
    main().EditSti()->setText(*home / "Data/noter.txt");
    QVERIFY(!aktiv(form, "insertMappe"));
    udfoer(form, "insertFil");
    udfoer(form, "destinationMappe");
    QCOMPARE(felt(form, "EditTarget")->text(), *home / "Data/noter.txt");
    QCOMPARE(felt(form, "EditDest")->text(), *home / "Data");

    // The fixed placement: "Gem" only for another folder, the letters' case and a closing "/"
    // ignored; saved at once in the main settings.
    main().EditSti()->setText(main().opt.PlaceringsMappe.toUpper() + u'/');
    QVERIFY(QFileInfo(main().EditSti()->text()).isDir() || !aktiv(form, "fastPlaceringsMappe"));
    felt(form, "EditDestFast")->setText(main().opt.PlaceringsMappe + u'/');
    QVERIFY(!aktiv(form, "gemFastPlacering"));
    main().EditSti()->setText(*home / "genveje");
    udfoer(form, "fastPlaceringsMappe");
    QCOMPARE(felt(form, "EditDest")->text(), *home / "genveje");
    udfoer(form, "gemFastPlacering");
    QCOMPARE(main().opt.PlaceringsMappe, *home / "genveje");
    QVERIFY(platform::readTextLines(main().folders.optFilnavn)->contains(*home / "genveje"));
    QVERIFY(!aktiv(form, "gemFastPlacering"));
}

void GenvejeTest::listingAndRunning()
{
    QVERIFY(QFile::link(*home / "Data/noter.txt", *home / "genveje/Noter.lnk"));
    QVERIFY(QFile::link(*home / "Data", *home / "genveje/data.LNK"));
    QVERIFY(QFile::link(*home / "borte", *home / "genveje/borte.lnk"));
    home->make({"genveje/mappe.lnk/", "genveje/andet.txt"});
    QCOMPARE(genvejsfiler(*home / "genveje"), (QStringList{"borte.lnk", "data.LNK", "Noter.lnk"}));

    main().opt.PlaceringsMappe = *home / "genveje";
    Tgenvejform* form = aabn();
    udfoer(form, "hentGenveje");
    auto* liste = form->findChild<QListWidget*>("genvejsListe");
    QCOMPARE(liste->count(), 3);
    // A link to a file runs the file; to a folder, shows the folder in an explorer window; to
    // nothing, says so.
    liste->setCurrentRow(2);
    udfoer(form, "runGenvej");
    QCOMPARE(kald.last().verb, "open");
    QCOMPARE(kald.last().sti, *home / "Data/noter.txt");
    liste->setCurrentRow(1);
    QTest::keyClick(liste, Qt::Key_Space);
    QCOMPARE(main().EditSti()->text(), *home / "Data");
    liste->setCurrentRow(0);
    udfoer(form, "runGenvej");
    QCOMPARE(sidsteBesked(), "Genvejens mål blev ikke fundet.");
    QCOMPARE(kald.size(), 1);

    main().opt.PlaceringsMappe = *home / "andet";
    form->loadGenveje(*home / "andet");
    QCOMPARE(sidsteBesked(), "Der blev ikke fundet nogen genveje i mappen til \"Fast placering\".");
}

void GenvejeTest::ownWindowAndItsFile()
{
    const QString fil = main().folders.OptMappe + "Genveje.txt";
    // The first child window loads the list when told to, and keeps the choice on closing.
    QVERIFY(platform::writeTextLines(fil, {"30", "50", "1"}));
    QVERIFY(QFile::link(*home / "Data", main().opt.PlaceringsMappe + "/Data.lnk"));
    Tgenvejform* form = aabn();
    QCOMPARE(form->findChild<QListWidget*>("genvejsListe")->count(), 1);
    form->findChild<QCheckBox*>("autoLoadCheck")->setChecked(false);
    QPointer<Tgenvejform> lukket = form;
    lukVindue(form);
    QTRY_VERIFY(lukket.isNull());
    QCOMPARE(*platform::readTextLines(fil), (QStringList{"30", "50", "0"}));

    // A window of its own: fixed size at its place, no list, and its place written back.
    main().opt.openGenveje = 1;
    form = aabn();
    QVERIFY(form && form->isWindow());
    QCOMPARE(form->size(), QSize(570, 620));
    QCOMPARE(form->geometry().topLeft(), QPoint(30, 50));
    QVERIFY(!form->findChild<QWidget*>("panelFunk")->isVisibleTo(form));
    form->setGeometry(QRect(QPoint(70, 90), form->size()));
    form->close();
    QTRY_COMPARE(*platform::readTextLines(fil), (QStringList{"70", "90", "0"}));
}

QTEST_MAIN(GenvejeTest)
#include "test_genveje.moc"
