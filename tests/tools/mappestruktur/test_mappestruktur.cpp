#include "app/kontroller.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "boxes/modalseam.h"
#include "core/strukturnavne.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "platform/textfile.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/mappestruktur/tmappestrukturform.h"
#include "tree/tstrukturcompo.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

// The window "Mappestruktur" in the running program: names and files of structures, editing,
// saving, deleting, the questions before edits are lost, and the outlines in "Stifinder 1".
class MappestrukturTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void savedNames_data();
    void savedNames();
    void listedAndEdited();
    void overwriteAsksFirst();
    void enableRules();
    void deleting();
    void unsavedEditsKeepTheProgram_data();
    void unsavedEditsKeepTheProgram();
    void outlinesAndFolders();

private:
    Tmainform& main() { return entry->mainform(); }
    Tmappestrukturform* aabn();
    void udfoer(Tmappestrukturform* form, const char* navn);
    // Puts the folders into the edit list through "Aktuelle mappe".
    void tilfoej(Tmappestrukturform* form, const QStringList& mapper);
    QListWidget* liste(Tmappestrukturform* form, const char* navn) { return form->findChild<QListWidget*>(navn); }
    QStringList menu();
    QString fil(const QString& navn) { return main().folders.mappestrukturDir + navn; }
    QString sidsteBesked() const { return boxes->texts().value(boxes->texts().size() - 1); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void MappestrukturTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    Tmainform& m = entry->mainform();
    medStifindere(m);
    registrerMappestruktur(m);
    m.opt.TryedBefore = true;
    entry->start();
    m.FormActivate();
    home->make({"p/a/", "p/b/", "p/c/"});
}

void MappestrukturTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

Tmappestrukturform* MappestrukturTest::aabn()
{
    main().hovedhandling("OpretSmappe")->trigger();
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Tmappestrukturform*>(vindue))
            return form;
    return main().findChild<Tmappestrukturform*>();
}

void MappestrukturTest::udfoer(Tmappestrukturform* form, const char* navn)
{
    auto* action = form->findChild<QAction*>(navn);
    QTRY_VERIFY2(action->isEnabled(), navn);
    action->trigger();
}

void MappestrukturTest::tilfoej(Tmappestrukturform* form, const QStringList& mapper)
{
    for (const QString& mappe : mapper) {
        main().EditSti()->setText(*home / mappe);
        udfoer(form, "aAktuelle");
    }
}

QStringList MappestrukturTest::menu()
{
    QStringList navne;
    const QList<QAction*> items = main().PuMappeStruk()->actions();
    for (qsizetype i = 2; i < items.size(); ++i)
        navne.append(items[i]->text());
    return navne;
}

void MappestrukturTest::savedNames_data()
{
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("gemt");  // empty: refused
    QTest::newRow("extension cut") << "Projekt.2020" << "Projekt";
    QTest::newRow("plain") << "Projekt" << "Projekt";
    QTest::newRow("last dot only") << "a.b.c" << "a.b";
    QTest::newRow("a slash") << "a/b" << "";
    QTest::newRow("up and out") << "../x" << "";
    QTest::newRow("nothing before the dot") << ".skjult" << "";
}

void MappestrukturTest::savedNames()
{
    QFETCH(QString, skrevet);
    QFETCH(QString, gemt);
    Tmappestrukturform* form = aabn();
    tilfoej(form, {"p/a", "p/b"});
    form->findChild<QLineEdit*>("EditGem")->setText(skrevet);
    udfoer(form, "aGem");
    if (gemt.isEmpty()) {
        QCOMPARE(sidsteBesked(), "Strukturnavnet må ikke være tomt eller indeholde \"/\".");
        QCOMPARE(QDir(main().folders.mappestrukturDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        QVERIFY(!QFileInfo::exists(*home / "x.txt"));
        QVERIFY(main().MsRedigeret);
        return;
    }
    QCOMPARE(*platform::readTextLines(fil(gemt + ".txt")), (QStringList{*home / "p/a", *home / "p/b"}));
    QCOMPARE(liste(form, "strukturListe")->item(0)->text(), gemt);
    QCOMPARE(menu(), QStringList{gemt});
    QVERIFY(!main().MsRedigeret);
}

void MappestrukturTest::listedAndEdited()
{
    // Files put there by other means: sorted as a reader expects, an extension in any case, blank
    // lines skipped, a folder named like a structure left out.
    QVERIFY(platform::writeTextLines(fil("A.b.txt"), {*home / "p/a", "", *home / "p/c"}));
    QVERIFY(platform::writeTextLines(fil("b.TXT"), {*home / "p/b"}));
    QVERIFY(platform::writeTextLines(fil("Æble.txt"), {*home / "p/c"}));
    QVERIFY(QDir().mkpath(fil("mappe.txt")));
    main().loadMappeStruktur(false);
    QCOMPARE(menu(), (QStringList{"A.b", "b", "Æble"}));
    Tmappestrukturform* form = aabn();
    QListWidget* strukturer = liste(form, "strukturListe");
    QCOMPARE(strukturer->count(), 3);
    QCOMPARE(strukturer->item(0)->text(), "A.b");
    strukturer->setCurrentRow(0);
    form->strukturListeClick();
    QCOMPARE(liste(form, "strukturMappeListe")->count(), 2);
    udfoer(form, "aRedigerMappestruktur");
    QCOMPARE(form->findChild<QLineEdit*>("EditGem")->text(), "A");
    QCOMPARE(liste(form, "strukturListeMapper")->count(), 2);
    QCOMPARE(form->findChild<QTabWidget*>("Bog")->currentIndex(), 1);

    // A folder chosen in the dialog joins the structure.
    boxes.reset();
    modalseam::install([this](QDialog& box) {
        if (auto* dialog = qobject_cast<QFileDialog*>(&box))
            dialog->selectFile(*home / "p/b");
        return int(QDialog::Accepted);
    });
    form->findChild<QPushButton*>("insertMappeKnap")->click();
    modalseam::install({});
    boxes = std::make_unique<ScriptedBoxes>();
    QCOMPARE(liste(form, "strukturListeMapper")->item(2)->text(), *home / "p/b");
    QVERIFY(main().MsRedigeret);
}

void MappestrukturTest::overwriteAsksFirst()
{
    QVERIFY(platform::writeTextLines(fil("Projekt.txt"), {"/gammel"}));
    Tmappestrukturform* form = aabn();
    tilfoej(form, {"p/a"});
    form->findChild<QLineEdit*>("EditGem")->setText("Projekt");
    boxes->answer(QDialog::Rejected);
    udfoer(form, "aGem");
    QCOMPARE(sidsteBesked(), "Skal filen \"Projekt.txt\" overskrives?");
    QVERIFY(!boxes->shown.value(boxes->shown.size() - 1).alleCheckVisible);
    QCOMPARE(*platform::readTextLines(fil("Projekt.txt")), QStringList{"/gammel"});
    QCOMPARE(liste(form, "strukturListeMapper")->count(), 1);
    QVERIFY(main().MsRedigeret);
    udfoer(form, "aGem");
    QCOMPARE(*platform::readTextLines(fil("Projekt.txt")), QStringList{*home / "p/a"});
}

void MappestrukturTest::enableRules()
{
    Tmappestrukturform* form = aabn();
    const auto aktiv = [form](const char* navn) {
        QCoreApplication::processEvents();
        return form->findChild<QAction*>(navn)->isEnabled();
    };
    // An empty folder: nothing to show or delete.
    for (const char* navn : {"aStrukturmappe", "aStrukturmappe1", "aDelete", "aRedigerMappestruktur", "aGem", "aSlet"})
        QVERIFY2(!aktiv(navn), navn);
    // A name typed while the list is empty marks nothing edited.
    QTest::keyClicks(form->findChild<QLineEdit*>("EditGem"), "Navn");
    QVERIFY(!main().MsRedigeret);
    QVERIFY(!aktiv("aGem"));
    main().EditSti()->setText(*home / "ingen");
    QVERIFY(!aktiv("aAktuelle"));
    tilfoej(form, {"p/a", "p/b", "p/c"});
    QVERIFY(aktiv("aGem"));
    QListWidget* mapper = liste(form, "strukturListeMapper");
    mapper->setCurrentRow(0);
    QVERIFY(!aktiv("aOp"));
    QVERIFY(aktiv("aNed"));
    udfoer(form, "aNed");
    QCOMPARE(mapper->currentRow(), 1);
    QCOMPARE(mapper->item(1)->text(), *home / "p/a");
    mapper->setCurrentRow(2);
    QVERIFY(aktiv("aOp"));
    QVERIFY(!aktiv("aNed"));
    udfoer(form, "aSlet");
    QCOMPARE(mapper->count(), 2);
}

void MappestrukturTest::deleting()
{
    QVERIFY(platform::writeTextLines(fil("Et.txt"), {*home / "p/a"}));
    QVERIFY(platform::writeTextLines(fil("To.txt"), {*home / "p/b"}));
    Tmappestrukturform* form = aabn();
    QListWidget* strukturer = liste(form, "strukturListe");
    strukturer->setCurrentRow(0);
    boxes->answer(QDialog::Rejected);
    udfoer(form, "aDelete");
    QCOMPARE(sidsteBesked(), "Skal elementet \"Et\" slettes permanent?");
    QVERIFY(QFileInfo::exists(fil("Et.txt")));
    udfoer(form, "aDelete");
    QVERIFY(!QFileInfo::exists(fil("Et.txt")));
    QCOMPARE(menu(), QStringList{"To"});
    QCOMPARE(strukturer->count(), 1);

    // With unsaved edits the question says so; a file gone meanwhile is said.
    tilfoej(form, {"p/c"});
    strukturer->setCurrentRow(0);
    QFile::remove(fil("To.txt"));
    udfoer(form, "aDelete");
    QCOMPARE(boxes->texts().at(boxes->texts().size() - 2),
             "En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der slettes.\nSkal elementet \"To\" slettes permanent?");
    QCOMPARE(sidsteBesked(), "Filen blev ikke fundet.");
    QVERIFY(!main().MsRedigeret);
    // and leaves the list as a deleted structure does.
    QCOMPARE(strukturer->count(), 0);
    QCOMPARE(menu(), QStringList{});
}

void MappestrukturTest::unsavedEditsKeepTheProgram_data()
{
    QTest::addColumn<int>("aabning");
    QTest::newRow("Internt") << 0;
    QTest::newRow("Externt") << 1;
}

void MappestrukturTest::unsavedEditsKeepTheProgram()
{
    QFETCH(int, aabning);
    main().opt.openStrukturer = aabning;
    Tmappestrukturform* form = aabn();
    QCOMPARE(form->isWindow(), aabning == 1);
    tilfoej(form, {"p/a"});
    boxes->answer(QDialog::Rejected);
    QVERIFY(!main().close());
    QCOMPARE(sidsteBesked(),
             "Den hjemmelavede struktur er ikke gemt. Hvis der lukkes, går ændringerne tabt.\nSkal der lukkes alligevel?");
    QVERIFY(main().findChild<Tmappestrukturform*>() || form->isVisible());
    QVERIFY(main().MsRedigeret);
    QPointer<Tmappestrukturform> vindue = form;
    QVERIFY(main().close());
    QVERIFY(!main().MsRedigeret);
    QTRY_VERIFY(vindue.isNull() || !vindue->isVisible());
}

void MappestrukturTest::outlinesAndFolders()
{
    QVERIFY(platform::writeTextLines(fil("Projekt.txt"), {*home / "p/a", *home / "p/b", *home / "p/c"}));
    Tmappestrukturform* form = aabn();
    liste(form, "strukturListe")->setCurrentRow(0);
    form->strukturListeClick();
    udfoer(form, "aStrukturmappe");
    auto* explorer = qobject_cast<Twinform*>(main().getWinform("Stifinder 1"));
    QVERIFY(explorer);
    QCOMPARE(explorer->strukturCompo().AktiveStruktur(), 1);
    QCOMPARE(explorer->findChild<QTreeWidget*>("MappeStruktur")->topLevelItemCount(), 3);
    udfoer(form, "aStrukturmappe1");
    QVERIFY(!main().getWinform("Stifinder 2"));  // the same explorer, not a new one per click

    // A double click on a folder goes there.
    QListWidget* mapper = liste(form, "strukturMappeListe");
    const QRect raekke = mapper->visualItemRect(mapper->item(1));
    QTest::mouseClick(mapper->viewport(), Qt::LeftButton, {}, raekke.center());
    QTest::mouseDClick(mapper->viewport(), Qt::LeftButton, {}, raekke.center());
    QCOMPARE(explorer->strukturCompo().Mappenavn(), *home / "p/b");

    // The menu item gives the same outline.
    main().opt.FremFormCheck = 1;
    main().PuMappeStruk()->actions().at(2)->trigger();
    QCOMPARE(explorer->findChild<QTreeWidget*>("MappeStruktur")->topLevelItemCount(), 3);
    QCOMPARE(main().opt.OnClickCaption, "Projekt");
}

QTEST_MAIN(MappestrukturTest)
#include "test_mappestruktur.moc"
