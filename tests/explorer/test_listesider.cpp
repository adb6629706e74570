#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "app/treopenfiler.h"
#include "explorer/twinform.h"
#include "fileops/tklipbordslister.h"
#include "fileops/tmetodecompo.h"
#include "platform/textfile.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/findtekst/tfindform.h"
#include "tools/genveje/tgenvejform.h"
#include "tools/kalender/tkalenderform.h"
#include "tools/mappestruktur/tmappestrukturform.h"
#include "tools/programmer/tprogform.h"
#include "tree/tstrukturcompo.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

namespace {

// The lists of an explorer by their page: the visited folders, the favourite folders and files.
enum Liste { Historie, Mapper, Filer };

TReopenFiler& liste(Twinform* explorer, int hvilken)
{
    if (hvilken == Historie)
        return *explorer->historieDir;
    return hvilken == Mapper ? static_cast<TReopenFiler&>(*explorer->FavDir) : *explorer->FavFiler;
}

QStringList captions(const TReopenFiler& liste)
{
    QStringList tekster;
    for (int i = 0; i < liste.Antal(); ++i)
        tekster.append(liste.GetCaption(i));
    return tekster;
}

// The captions in a list's file, every other line from the first.
QStringList iFilen(const TReopenFiler& liste)
{
    const auto linjer = platform::readTextLines(liste.Itemfile);
    QStringList tekster;
    for (qsizetype i = 0; linjer && i < linjer->size(); i += 2)
        tekster.append(linjer->at(i));
    return tekster;
}

}  // namespace

// The explorer's pages of visited folders and favourite folders and files: their buttons, rules,
// and the outlines made from them.
class ListesiderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void pageHandlers_data();
    void pageHandlers();
    void enableRules_data();
    void enableRules();
    void favouritesIntoTheClipboard();
    void programGetsThePathAsOneArgument();
    void lineBreaksNeverReachAListFile();
    void failedSaveIsNoSuccess();
    void outlinesFromLists();
    void noKeyBoundTwice();

private:
    Twinform* start();
    // Fills a list with entries for the names below "l/" (folders, or files for the file list),
    // in this order, and saves it.
    void fyld(Twinform* explorer, int hvilken, const QStringList& navne);
    // Runs a page's action, or clicks its button, by name.
    void udfoer(Twinform* explorer, const QString& navn);

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void ListesiderTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    medStifindere(entry->mainform());
}

void ListesiderTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

Twinform* ListesiderTest::start()
{
    entry->mainform().opt.TryedBefore = true;
    entry->start();
    entry->mainform().FormActivate();
    return dynamic_cast<Twinform*>(entry->mainform().getWinform("Stifinder 1"));
}

void ListesiderTest::fyld(Twinform* explorer, int hvilken, const QStringList& navne)
{
    TReopenFiler& l = liste(explorer, hvilken);
    l.DeleteAlleItems();
    // The favourite lists put a new entry first.
    QStringList orden = navne;
    if (hvilken != Historie)
        std::reverse(orden.begin(), orden.end());
    for (const QString& navn : orden) {
        home->make({hvilken == Filer ? "l/" + navn : "l/" + navn + "/"});
        l.InsertItem(*home / ("l/" + navn), navn);
    }
    l.GemReopenFiler();
    l.ListeBoks()->setCurrentRow(-1);
}

void ListesiderTest::udfoer(Twinform* explorer, const QString& navn)
{
    QTest::qWait(1);  // the rules have run
    if (auto* action = explorer->findChild<QAction*>(navn)) {
        QVERIFY2(action->isEnabled(), qPrintable(navn));
        action->trigger();
    } else {
        auto* knap = explorer->findChild<QAbstractButton*>(navn);
        QVERIFY2(knap, qPrintable(navn));
        knap->click();
    }
}

void ListesiderTest::pageHandlers_data()
{
    QTest::addColumn<int>("hvilken");
    QTest::addColumn<QStringList>("foer");
    QTest::addColumn<int>("valgt");
    QTest::addColumn<QString>("slettet");  // a folder or file of the list deleted on disk first
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QStringList>("efter");
    QTest::addColumn<int>("valgtEfter");
    QTest::addColumn<QStringList>("paaDisk");  // the captions in the list's file afterwards
    QTest::addColumn<QString>("besked");       // the last message, or the status line after "status:"
    const QStringList abc{"a", "b", "c"};
    QTest::newRow("hSlet of the last line selects the new last")
        << int(Historie) << abc << 2 << "" << "hSlet" << QStringList{"a", "b"} << 1 << abc << "";
    QTest::newRow("hSlet of the only line selects none")
        << int(Historie) << QStringList{"a"} << 0 << "" << "hSlet" << QStringList{} << -1 << QStringList{"a"} << "";
    QTest::newRow("hNed moves and selects; the history is saved only by Gem")
        << int(Historie) << abc << 0 << "" << "hNed" << QStringList{"b", "a", "c"} << 1 << abc << "";
    QTest::newRow("hGem") << int(Historie) << QStringList{"b", "a"} << 0 << "" << "hGem" << QStringList{"b", "a"} << 0
                          << QStringList{"b", "a"} << "status:Listen er gemt!";
    QTest::newRow("bmSorter saves the history at once")
        << int(Historie) << QStringList{"c", "A", "b"} << -1 << "" << "bmSorter" << QStringList{"A", "b", "c"} << -1
        << QStringList{"A", "b", "c"} << "";
    QTest::newRow("bmMappenavn") << int(Historie) << abc << 1 << "" << "bmMappenavn" << abc << 1 << abc
                                 << "Mappenavn:\r<l>/b";
    QTest::newRow("bmMappenavn, deleted") << int(Historie) << abc << 1 << "b" << "bmMappenavn" << abc << 1 << abc
                                          << "Mappen kunne ikke findes.";
    QTest::newRow("fOp is on disk only with the next removal")
        << int(Mapper) << QStringList{"a", "b"} << 1 << "" << "fOp" << QStringList{"b", "a"} << 0
        << QStringList{"a", "b"} << "";
    QTest::newRow("fSletValgte saves") << int(Mapper) << abc << 1 << "" << "fSletValgte" << QStringList{"a", "c"} << 1
                                       << QStringList{"a", "c"} << "";
    QTest::newRow("visFavMappenavn") << int(Mapper) << abc << 0 << "" << "visFavMappenavn" << abc << 0 << abc
                                     << "Mappenavn:\r<l>/a";
    QTest::newRow("visFavMappenavn, deleted")
        << int(Mapper) << abc << 0 << "a" << "visFavMappenavn" << abc << 0 << abc << "Filen kunne ikke findes.";
    QTest::newRow("sorterFilFavKnap") << int(Filer) << QStringList{"b.txt", "a.txt"} << -1 << "" << "sorterFilFavKnap"
                                      << QStringList{"a.txt", "b.txt"} << -1 << QStringList{"a.txt", "b.txt"} << "";
    QTest::newRow("visFavFilnavn") << int(Filer) << QStringList{"a.txt"} << 0 << "" << "visFavFilnavn"
                                   << QStringList{"a.txt"} << 0 << QStringList{"a.txt"}
                                   << "Mappenavn:\r<l>\rFilnavn:\ra.txt";
    QTest::newRow("visFavFilnavn, deleted") << int(Filer) << QStringList{"a.txt"} << 0 << "a.txt" << "visFavFilnavn"
                                            << QStringList{"a.txt"} << 0 << QStringList{"a.txt"}
                                            << "Filen kunne ikke findes.";
    QTest::newRow("FLopen, deleted") << int(Filer) << QStringList{"a.txt"} << 0 << "a.txt" << "FLopen"
                                     << QStringList{"a.txt"} << 0 << QStringList{"a.txt"} << "Filen kunne ikke findes.";
}

void ListesiderTest::pageHandlers()
{
    QFETCH(int, hvilken);
    QFETCH(QStringList, foer);
    QFETCH(int, valgt);
    QFETCH(QString, slettet);
    QFETCH(QString, handling);
    QFETCH(QStringList, efter);
    QFETCH(int, valgtEfter);
    QFETCH(QStringList, paaDisk);
    QFETCH(QString, besked);
    Twinform* explorer = start();
    TReopenFiler& l = liste(explorer, hvilken);
    fyld(explorer, hvilken, foer);
    l.ListeBoks()->setCurrentRow(valgt);
    if (!slettet.isEmpty())
        QVERIFY(QFileInfo(*home / ("l/" + slettet)).isDir() ? QDir(*home / ("l/" + slettet)).removeRecursively()
                                                            : QFile::remove(*home / ("l/" + slettet)));
    // The edit field of a favourite page holds the caption clicked last.
    if (auto* edit = explorer->findChild<QLineEdit*>(hvilken == Filer ? "RenamFEdit" : "RenamMEdit"))
        edit->setText(l.GetCaption(valgt));
    boxes->shown.clear();

    udfoer(explorer, handling);
    QCOMPARE(captions(l), efter);
    QCOMPARE(l.ListeBoks()->currentRow(), valgtEfter);
    QCOMPARE(iFilen(l), paaDisk);
    besked.replace("<l>", *home / "l");
    if (besked.startsWith("status:"))
        QCOMPARE(entry->mainform().statusTekst(), besked.mid(7));
    else
        QCOMPARE(boxes->texts().value(0), besked);
}

void ListesiderTest::enableRules_data()
{
    QTest::addColumn<int>("hvilken");
    QTest::addColumn<int>("antal");
    QTest::addColumn<int>("valgt");
    QTest::addColumn<QString>("tekst");         // the page's edit field
    QTest::addColumn<QString>("program");       // the main window's active program
    QTest::addColumn<QString>("systemklipbord");
    QTest::addColumn<QStringList>("aktive");
    QTest::addColumn<QStringList>("passive");
    QTest::newRow("no line") << int(Historie) << 0 << -1 << "" << "" << ""
                             << QStringList{"hHent"} << QStringList{"hOp", "hNed", "hSlet", "hClearListe", "hStruktur"};
    QTest::newRow("first line") << int(Historie) << 3 << 0 << "" << "" << ""
                                << QStringList{"hNed", "hSlet", "hClearListe", "hStruktur2"} << QStringList{"hOp"};
    QTest::newRow("last line") << int(Mapper) << 3 << 2 << "x" << "" << ""
                               << QStringList{"fOp", "MLVisMappe", "fKopier", "fRenameCaption", "kopierFavMapper"}
                               << QStringList{"fNed", "pasteFavMapper"};
    QTest::newRow("empty edit field") << int(Mapper) << 2 << 0 << "" << "" << "tekst"
                                      << QStringList{"pasteFavMapper", "fSletValgte"}
                                      << QStringList{"fRenameCaption", "kopierFavMapper", "visFavMappenavn"};
    QTest::newRow("no active program") << int(Filer) << 2 << 1 << "" << "" << ""
                                       << QStringList{"FLopen", "FLopenEdit", "fLkopier", "FLVisMappe"}
                                       << QStringList{"FLopenProgram", "FLned", "visFavFilnavn"};
    QTest::newRow("an active program") << int(Filer) << 2 << 1 << "x" << "/bin/true" << ""
                                       << QStringList{"FLopenProgram", "visFavFilnavn", "FLRenameCaption"}
                                       << QStringList{"pasteFavFiler"};
}

void ListesiderTest::enableRules()
{
    QFETCH(int, hvilken);
    QFETCH(int, antal);
    QFETCH(int, valgt);
    QFETCH(QString, tekst);
    QFETCH(QString, program);
    QFETCH(QString, systemklipbord);
    QFETCH(QStringList, aktive);
    QFETCH(QStringList, passive);
    Twinform* explorer = start();
    QGuiApplication::clipboard()->setText(systemklipbord);
    entry->mainform().opt.exeProgram = program;
    const QStringList navne{"e0.txt", "e1.txt", "e2.txt"};
    fyld(explorer, hvilken, navne.mid(0, antal));
    liste(explorer, hvilken).ListeBoks()->setCurrentRow(valgt);
    if (auto* edit = explorer->findChild<QLineEdit*>(hvilken == Filer ? "RenamFEdit" : "RenamMEdit"))
        edit->setText(tekst);
    QTest::qWait(20);
    for (const QString& navn : aktive)
        QVERIFY2(explorer->findChild<QAction*>(navn)->isEnabled(), qPrintable(navn));
    for (const QString& navn : passive)
        QVERIFY2(!explorer->findChild<QAction*>(navn)->isEnabled(), qPrintable(navn));
}

void ListesiderTest::favouritesIntoTheClipboard()
{
    Twinform* explorer = start();
    fyld(explorer, Mapper, {"a", "væk"});
    explorer->metode().setFlytElementer(true);
    const auto mapperIKlipbordet = [explorer] {
        return qobject_cast<Tlisteform*>(explorer->klipbord())->lister().Mappeliste()->topLevelItemCount();
    };
    explorer->FavDir->ListeBoks()->setCurrentRow(0);
    udfoer(explorer, "fKopier");
    udfoer(explorer, "fKopier");
    QCOMPARE(mapperIKlipbordet(), 1);
    QVERIFY(explorer->metode().FlytElementer());

    QDir(*home / "l/væk").removeRecursively();
    explorer->FavDir->ListeBoks()->setCurrentRow(1);
    udfoer(explorer, "fKopier");
    QCOMPARE(boxes->texts().last(), QStringLiteral("Mappen kunne ikke findes.\rSlet eventuelt valgte element."));
    QCOMPARE(mapperIKlipbordet(), 1);
}

void ListesiderTest::programGetsThePathAsOneArgument()
{
    const QString optaget = *home / "optaget";
    home->write("optager.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + optaget.toUtf8() + ".tmp' && mv '"
                                  + optaget.toUtf8() + ".tmp' '" + optaget.toUtf8() + "'\n");
    QFile::setPermissions(*home / "optager.sh", QFile::permissions(*home / "optager.sh") | QFile::ExeOwner);
    Twinform* explorer = start();
    entry->mainform().opt.exeProgram = *home / "optager.sh";
    fyld(explorer, Filer, {"a \"b\" c.txt"});
    explorer->FavFiler->ListeBoks()->setCurrentRow(0);
    udfoer(explorer, "FLopenProgram");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(optaget), 10000);
    QFile fil(optaget);
    QVERIFY(fil.open(QIODevice::ReadOnly));
    QCOMPARE(fil.readAll(), (*home / "l/a \"b\" c.txt").toUtf8() + '\0');
}

void ListesiderTest::lineBreaksNeverReachAListFile()
{
    Twinform* explorer = start();
    fyld(explorer, Mapper, {"a"});
    explorer->FavDir->ListeBoks()->setCurrentRow(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("to\nlinjer"));
    udfoer(explorer, "pasteFavMapper");
    udfoer(explorer, "fRenameCaption");
    QCOMPARE(explorer->FavDir->GetCaption(0), QStringLiteral("to linjer"));
    QCOMPARE(platform::readTextLines(explorer->FavDir->Itemfile)->size(), 2);
    explorer->FavDir->HentReopenFiler();
    QCOMPARE(captions(*explorer->FavDir), QStringList{"to linjer"});

    // A folder whose name holds a line break stays out of every list that has a file.
    home->make({"a\nb/"});
    explorer->gaaTilMappe(*home / "a\nb");
    QVERIFY(!captions(*explorer->historieDir).contains("a\nb"));
    entry->mainform().EditSti()->setText(*home / "a\nb");
    udfoer(explorer, "aInsertFavoritmappe");
    QCOMPARE(boxes->texts().last(), QStringLiteral("Navnet indeholder et linjeskift og kan ikke gemmes i listen."));
    QCOMPARE(explorer->FavDir->Antal(), 1);
    QCOMPARE(platform::readTextLines(explorer->FavDir->Itemfile)->size() % 2, 0);
}

void ListesiderTest::failedSaveIsNoSuccess()
{
    Twinform* explorer = start();
    fyld(explorer, Historie, {"a"});
    // A list file below a file cannot be written, not even by root.
    home->write("ikke en mappe", "x");
    explorer->historieDir->Itemfile = *home / "ikke en mappe/historiemapper1.txt";
    explorer->HListeForandret = true;
    entry->mainform().UdskrivInfo(QString());
    udfoer(explorer, "hGem");
    QVERIFY(entry->mainform().statusTekst() != QStringLiteral("Listen er gemt!"));
    QVERIFY(boxes->texts().last().startsWith(QStringLiteral("Listen kunne ikke gemmes i filen:")));
    QTest::qWait(20);
    QVERIFY(explorer->findChild<QAction*>("hGem")->isEnabled());
}

void ListesiderTest::outlinesFromLists()
{
    Twinform* explorer = start();
    fyld(explorer, Filer, {"f/1.txt", "f/2.txt", "F/3.txt"});
    const QString mappe = *home / "l/f";
    QCOMPARE(listensMapper(*explorer->FavFiler, true, true), QStringList{mappe});
    QCOMPARE(listensMapper(*explorer->FavFiler, true, false), (QStringList{mappe, mappe, *home / "l/F"}));
    udfoer(explorer, "fxStruktur");
    QTreeWidget* tree1 = explorer->strukturCompo().Struktur1();
    QCOMPARE(explorer->strukturCompo().AktiveStruktur(), 1);
    QStringList punkter;
    for (QTreeWidgetItemIterator it(tree1); *it; ++it)
        punkter.append((*it)->text(0));
    QCOMPARE(punkter.count("f"), 1);

    // A history whose folders are all gone: the message, and the tree as it was.
    fyld(explorer, Historie, {"x", "y"});
    QDir(*home / "l/x").removeRecursively();
    QDir(*home / "l/y").removeRecursively();
    const int foer = tree1->topLevelItemCount();
    udfoer(explorer, "hStruktur");
    QCOMPARE(boxes->texts().last(), QStringLiteral("Der blev ikke fundet eksisterende emner i historielisten."));
    QCOMPARE(tree1->topLevelItemCount(), foer);

    // A drive's root gets the drive's caption.
    explorer->gaaTilMappe(QStringLiteral("/"));
    entry->mainform().EditSti()->setText(QStringLiteral("/"));
    udfoer(explorer, "aInsertFavoritmappe");
    QCOMPARE(explorer->FavDir->GetCaption(0), QStringLiteral("Drev /"));
}

// No two actions that can fire at the same time share a key: Qt fires neither of them then.
void ListesiderTest::noKeyBoundTwice()
{
    registrerProgrammer(entry->mainform());
    registrerFindtekst(entry->mainform());
    registrerKalender(entry->mainform());
    registrerMappestruktur(entry->mainform());
    registrerGenveje(entry->mainform());
    Twinform* foerste = start();
    Tmainform& main = entry->mainform();
    main.hovedhandling("aVisKlipbordet")->trigger();
    main.hovedhandling("aStifinder")->trigger();
    main.hovedhandling("progInsert")->trigger();
    main.hovedhandling("findTekst")->trigger();
    main.hovedhandling("OpretSmappe")->trigger();
    main.aabnVaerktoej("opretGenveje");  // its action wants a current element
    main.hovedhandling("visKalender")->trigger();
    QVERIFY(foerste && main.getWinform("Stifinder 2"));

    // Where an action's keys work: its widget and what lies in it, or its whole window. An action
    // in a menu works where the menu hangs (a button or another menu); a menu that hangs nowhere
    // lends its actions no keys.
    std::function<QList<QWidget*>(QAction*, Qt::ShortcutContext)> omraader = [&](QAction* action, Qt::ShortcutContext kontekst) {
        QList<QWidget*> steder;
        for (QObject* o : action->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(o))
                steder += omraader(menu->menuAction(), kontekst);
            else if (auto* w = qobject_cast<QWidget*>(o))
                steder.append(kontekst == Qt::WindowShortcut ? w->window() : w);
        }
        return steder;
    };
    const auto overlapper = [](QWidget* a, QWidget* b) { return a == b || a->isAncestorOf(b) || b->isAncestorOf(a); };
    QList<QAction*> handlinger;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QAction* action : window->findChildren<QAction*>())
            if (!action->shortcut().isEmpty() && !handlinger.contains(action))
                handlinger.append(action);
    QStringList dobbelte;
    for (qsizetype i = 0; i < handlinger.size(); ++i)
        for (qsizetype j = i + 1; j < handlinger.size(); ++j) {
            QAction* a = handlinger[i];
            QAction* b = handlinger[j];
            if (a->shortcut() != b->shortcut())
                continue;
            for (QWidget* sa : omraader(a, a->shortcutContext()))
                for (QWidget* sb : omraader(b, b->shortcutContext()))
                    if (overlapper(sa, sb))
                        dobbelte.append(a->shortcut().toString() + u' ' + a->objectName() + u'/' + b->objectName());
        }
    dobbelte.removeDuplicates();
    QVERIFY2(dobbelte.isEmpty(), qPrintable(dobbelte.join(QStringLiteral(", "))));
}

QTEST_MAIN(ListesiderTest)
#include "test_listesider.moc"
