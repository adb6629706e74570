#include "app/programentry.h"
#include "app/tmainform.h"
#include "app/tmenuexefiler.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/programmer/tprogform.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

// The window "Programmer": adding programs to the program list, the well-known programs of the
// system, ordering and removing. Programs are small scripts and desktop entries in the test's home.
class ProgrammerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void addingAProgram_data();
    void addingAProgram();
    void theCurrentElementIsOffered();
    void wellKnownPrograms();
    void orderAndRemoval();
    void theListAndTheSubmenuFollowEveryChange();
    void placeOfItsOwnWindow();

private:
    TProgform* aabn();
    // An executable script below the home.
    QString program(const QString& navn);

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void ProgrammerTest::init()
{
    home = std::make_unique<TestHome>();
    qputenv("XDG_DATA_DIRS", QFile::encodeName(*home / "xdg"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(*home / "xdg-home"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(*home / "xdg-config"));
    qputenv("PATH", QFile::encodeName(*home / "bin") + ":/usr/bin:/bin");
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    registrerProgrammer(entry->mainform());
    entry->mainform().opt.TryedBefore = true;
    entry->start();
    entry->mainform().FormActivate();
}

void ProgrammerTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

TProgform* ProgrammerTest::aabn()
{
    entry->mainform().hovedhandling("progInsert")->trigger();
    for (QWidget* vindue : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TProgform*>(vindue))
            return form;
    return entry->mainform().findChild<TProgform*>();
}

QString ProgrammerTest::program(const QString& navn)
{
    home->write(navn, "#!/bin/sh\n");
    QFile::setPermissions(*home / navn, QFile::permissions(*home / navn) | QFile::ExeOwner);
    return *home / navn;
}

void ProgrammerTest::addingAProgram_data()
{
    QTest::addColumn<QString>("fil");  // below the home; "" for none
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("maksimeret");
    QTest::addColumn<QString>("besked");
    QTest::addColumn<int>("showType");  // of the new last program; 0 when none was added
    QTest::newRow("no file") << "" << "X" << false << "Der mangler et filnavn!" << 0;
    QTest::newRow("missing file") << "væk" << "X" << false << "Filen: <h>/væk\rkunne ikke findes!" << 0;
    QTest::newRow("no caption") << "p/ny" << "" << false << "Der mangler en menu tekst!" << 0;
    QTest::newRow("listed in another case") << "p/Liste" << "X" << false << "Programmet er allerede indført!" << 0;
    QTest::newRow("a line break") << "p/a\nb" << "X" << false << "Filnavnet indeholder et linjeskift og kan ikke indføres."
                                  << 0;
    QTest::newRow("added") << "p/ny" << "Ny" << false << "" << 1;
    QTest::newRow("added, maximised") << "p/ny" << "Ny" << true << "" << 3;
}

void ProgrammerTest::addingAProgram()
{
    QFETCH(QString, fil);
    QFETCH(QString, caption);
    QFETCH(bool, maksimeret);
    QFETCH(QString, besked);
    QFETCH(int, showType);
    Tmainform& main = entry->mainform();
    main.MenuExe->InsertItem(program("p/liste"), "Liste", QString(), 1);
    for (const char* navn : {"p/Liste", "p/ny", "p/a\nb"})
        program(QString::fromUtf8(navn));
    TProgform* form = aabn();
    QVERIFY(form);
    form->findChild<QLineEdit*>("filEdit")->setText(fil.isEmpty() ? QString() : *home / fil);
    form->findChild<QLineEdit*>("CapEdit")->setText(caption);
    form->findChild<QCheckBox*>("maxTekstCheck")->setChecked(maksimeret);
    form->aInsertProgram();
    besked.replace("<h>", home->path());
    QCOMPARE(boxes->texts().value(0), besked);
    QCOMPARE(main.MenuExe->Filantal(), showType ? 2 : 1);
    if (showType) {
        QCOMPARE(main.MenuExe->Prog.last(), (TProgRec{"Ny", *home / "p/ny", QString(), showType}));
        QCOMPARE(form->findChild<QLabel*>("addText")->text(), QStringLiteral("Ny"));
        QCOMPARE(platform::readTextLines(main.MenuExe->Itemfile)->value(0), QStringLiteral("2"));
    }
}

void ProgrammerTest::theCurrentElementIsOffered()
{
    const QString fil = program("p/værktøj");
    entry->mainform().EditSti()->setText(fil);
    TProgform* form = aabn();
    QCOMPARE(form->findChild<QLineEdit*>("filEdit")->text(), fil);

    // A desktop entry names itself.
    home->write("xdg/applications/redigering.desktop",
                "[Desktop Entry]\nType=Application\nName=Redigering\nName[da]=Rediger tekst\nExec=" + fil.toUtf8() + "\n");
    form->findChild<QLineEdit*>("CapEdit")->clear();
    entry->mainform().EditSti()->setText(*home / "xdg/applications/redigering.desktop");
    form->aExeFile();
    QCOMPARE(form->findChild<QLineEdit*>("CapEdit")->text(), QStringLiteral("Rediger tekst"));

    entry->mainform().EditSti()->setText(*home / "xdg");
    form->aExeFile();
    QCOMPARE(boxes->texts().value(0),
             QStringLiteral("Der skal være valgt en program exe-fil i Filstrukturen.\rVælg en sådan og prøv igen."));
}

void ProgrammerTest::wellKnownPrograms()
{
    TProgform* form = aabn();
    form->checkForProgrammer();
    QCOMPARE(boxes->texts().value(0), QStringLiteral("Der blev ikke fundet forslag til indføring af programmer."));

    // A browser already listed is not offered; the maker's program is found in its second place.
    const QString chrome = *home / "xdg/applications/google-chrome.desktop";
    home->write("xdg/applications/google-chrome.desktop", "[Desktop Entry]\nType=Application\nName=Chrome\nExec=true\n");
    entry->mainform().MenuExe->InsertItem(chrome, "Chrome", QString(), 1);
    const QString pennolt = program("bin/pennolt");
    boxes->shown.clear();
    form->checkForProgrammer();
    QVERIFY(boxes->shown.isEmpty());
    QVERIFY(form->findChild<QPushButton*>("ChromeButton")->isHidden());
    auto* knap = form->findChild<QPushButton*>("PennoltButton");
    QVERIFY(!knap->isHidden());
    knap->click();
    QVERIFY(knap->isHidden());
    QCOMPARE(entry->mainform().MenuExe->Prog.last(), (TProgRec{"Pennolt", pennolt, QString(), 1}));
}

void ProgrammerTest::orderAndRemoval()
{
    Tmainform& main = entry->mainform();
    for (const char* navn : {"a", "b", "c"})
        main.MenuExe->InsertItem(program(QString::fromLatin1(navn)), QString::fromLatin1(navn).toUpper(), QString(), 1);
    main.MenuExe->GemProgrammer();
    TProgform* form = aabn();
    auto* liste = form->findChild<QListWidget*>("programListe");
    form->visProgrammer();
    QCOMPARE(form->findChild<QLabel*>("progInfLabel")->text(), QStringLiteral("3 programmer"));
    liste->setCurrentRow(0);
    form->flyt(1);
    QCOMPARE(liste->currentRow(), 1);
    QVERIFY(form->listeForandret);
    // Closing without "Gem" saves the new order.
    form->close();
    QCOMPARE(platform::readTextLines(main.MenuExe->Itemfile)->mid(1, 1), QStringList{"B"});

    // Removing asks; "Nej" keeps the program, "Ja" removes it and no program is current.
    main.MenuExe->setAktuelleProgram(*home / "c");
    main.opt.exeProgram = *home / "c";
    form->visProgrammer();
    liste->setCurrentRow(0);
    form->ADelprog();
    QVERIFY(!liste->isEnabled());
    QVERIFY(form->findChild<QLabel*>("spmLabel")->text().startsWith(QStringLiteral("Vil du fjerne programmet\rB")));
    form->fjern(false);
    QCOMPARE(main.MenuExe->Filantal(), 3);
    form->ADelprog();
    form->fjern(true);
    QCOMPARE(main.MenuExe->Filantal(), 2);
    QCOMPARE(main.MenuExe->GetCaption(0), QStringLiteral("A"));
    QVERIFY(main.opt.exeProgram.isEmpty());
    QVERIFY(main.MenuExe->AktuelleProgram.isEmpty());
    QCOMPARE(platform::readTextLines(main.MenuExe->Itemfile)->value(0), QStringLiteral("2"));

    // A long name: shortened with its whole text as hint, as the chosen program and in the
    // question, and nothing in the window moves as the question shows.
    const QString lang = QStringLiteral("Et program med et meget langt navn, der ikke kan stå på én linje i listens side");
    main.MenuExe->InsertItem(program("d"), lang, QString(), 1);
    form->show();  // closed above, its frame stayed
    form->visProgrammer();
    liste->setCurrentRow(2);
    const auto steder = [form] {
        QCoreApplication::processEvents();
        QHash<QWidget*, QRect> steder;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->isVisible())
                steder.insert(w, QRect(w->mapTo(form, QPoint()), w->size()));
        return steder;
    };
    const QHash<QWidget*, QRect> foer = steder();
    QVERIFY(foer.contains(liste));
    // The window is filled to its foot, where its buttons stand.
    auto* luk = form->findChild<QPushButton*>("ButtonLuk");
    QVERIFY(foer.value(luk).bottom() >= form->height() - 2 * luk->height());
    auto* valgt = form->findChild<QLabel*>("fileText");
    QVERIFY(valgt->text().endsWith(QChar(0x2026)));
    QCOMPARE(valgt->toolTip(), lang);
    form->ADelprog();
    const QHash<QWidget*, QRect> efter = steder();
    for (auto it = foer.cbegin(); it != foer.cend(); ++it)
        QVERIFY2(efter.value(it.key()) == it.value(), it.key()->metaObject()->className());
    auto* spm = form->findChild<QLabel*>("spmLabel");
    QVERIFY(spm->text().contains(QChar(0x2026)));
    QCOMPARE(spm->toolTip(), lang);
    form->fjern(false);
}

namespace {

// Drops the main window's menu "Programmer" down and opens its submenu "Programmer" by the key
// Right, as the user does; the submenu then, its items' texts in `tekster`.
QMenu* aabnUndermenu(Tmainform& main, QStringList& tekster)
{
    auto* menu = main.findChild<QMenu*>("PuProgrammer");
    menu->popup(main.mapToGlobal(QPoint(10, 10)));
    menu->setActiveAction(main.MenuExe->MainItem);
    QTest::keyClick(menu, Qt::Key_Right);
    QMenu* under = main.MenuExe->MainItem->menu();
    QTest::qWait(50);
    for (QAction* punkt : under->actions())
        tekster << punkt->text();
    return under;
}

void lukMenu(Tmainform& main)
{
    main.findChild<QMenu*>("PuProgrammer")->hide();
    QTest::qWait(20);
}

}  // namespace

// A new user's list is empty: its submenu is opened empty once, and from then on every program
// added or removed shows at once in the register's list, its count and the submenu.
void ProgrammerTest::theListAndTheSubmenuFollowEveryChange()
{
    Tmainform& main = entry->mainform();
    QStringList tekster;
    QVERIFY(aabnUndermenu(main, tekster)->isVisible());
    QCOMPARE(tekster, QStringList{});
    lukMenu(main);

    TProgform* form = aabn();
    auto* liste = form->findChild<QListWidget*>("programListe");
    auto* antal = form->findChild<QLabel*>("progInfLabel");
    for (const char* navn : {"Skriv", "Tegn"}) {
        form->findChild<QLineEdit*>("filEdit")->setText(program(QString::fromLatin1(navn)));
        form->findChild<QLineEdit*>("CapEdit")->setText(QString::fromLatin1(navn));
        form->aInsertProgram();
    }
    QCOMPARE(liste->count(), 2);
    QCOMPARE(liste->item(1)->text(), QStringLiteral("Tegn"));
    QCOMPARE(antal->text(), QStringLiteral("2 programmer"));

    // A menu once shown empty is never shown by the window system again: the submenu is a new one.
    tekster.clear();
    QMenu* under = aabnUndermenu(main, tekster);
    QVERIFY(under->isVisible());
    QVERIFY(!under->testAttribute(Qt::WA_OutsideWSRange));
    QCOMPARE(tekster, (QStringList{"Skriv", "Tegn"}));

    // Choosing a program whose file is gone removes it from the list.
    QFile::remove(*home / "Skriv");
    under->actions().value(0)->trigger();
    lukMenu(main);
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("Tegn"));
    QCOMPARE(antal->text(), QStringLiteral("1 programmer"));
    tekster.clear();
    QVERIFY(aabnUndermenu(main, tekster)->isVisible());
    QCOMPARE(tekster, QStringList{"Tegn"});
    lukMenu(main);
}

void ProgrammerTest::placeOfItsOwnWindow()
{
    Tmainform& main = entry->mainform();
    main.opt.openProgrammer = 1;
    TProgform* form = aabn();
    QVERIFY(form && !form->parent());
    QCOMPARE(form->size(), QSize(940, 572));
    form->move(130, 90);
    const QPoint sted = form->geometry().topLeft();
    form->close();
    QTRY_VERIFY(!QApplication::topLevelWidgets().contains(form));
    const auto linjer = platform::readTextLines(main.folders.OptMappe + "Programmer.txt");
    QVERIFY(linjer && linjer->size() >= 2);
    QCOMPARE(linjer->mid(0, 2), (QStringList{QString::number(sted.x()), QString::number(sted.y())}));
}

QTEST_MAIN(ProgrammerTest)
#include "test_programmer.moc"
