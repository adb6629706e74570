#include "app/programentry.h"
#include "app/tmainform.h"
#include "app/treopenfiler.h"
#include "explorer/twinform.h"
#include "platform/registry.h"
#include "tests/common/medstifindere.h"
#include "tests/common/optagendeshell.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSemaphore>
#include <QThreadPool>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

namespace {

QStringList captions(const TReopenFiler& liste)
{
    QStringList tekster;
    for (int i = 0; i < liste.Antal(); ++i)
        tekster << liste.GetCaption(i);
    return tekster;
}

// How many lines of a tree, at any depth, read one of the texts.
int linjerMed(const QTreeWidget* tree, const QStringList& tekster)
{
    int antal = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
        antal += tekster.contains((*it)->text(0));
    return antal;
}

}  // namespace

// The explorer's search page and its page of known folders and shortcuts, used as the user does.
class SoegesideTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void soegning();
    void slutOgFejl_data();
    void slutOgFejl();
    void stopOgLukning();
    void rensOgFiltype();
    void fundneMappersOmrids();
    void kendteMapper_data();
    void kendteMapper();
    void kendteMappersOmrids();
    void genveje();

private:
    Twinform* explorer() const { return dynamic_cast<Twinform*>(entry->mainform().getWinform("Stifinder 1")); }
    template <class T>
    T* felt(const char* navn) const
    {
        return explorer()->findChild<T*>(QLatin1String(navn));
    }
    // Searches the element for the text through the page, and waits for the search to end.
    void soeg(const QString& element, const QString& tekst);
    void udfoer(const char* navn) const;

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void SoegesideTest::init()
{
    home = std::make_unique<TestHome>();
    home->make({"s/xabcx.txt", "s/Abc/indre abc.md", "s/Rapport.txt", "s/rapport.txt", "s/noter.TXT", "tom/"});
    home->write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
                                          "XDG_PICTURES_DIR=\"$HOME/Billeder\"\nXDG_PUBLICSHARE_DIR=\"$HOME/Offentlig\"\n");
    home->make({"Skrivebord/", "Dokumenter/brev.txt", "Billeder/", "Contacts/", "Musik/"});
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    QVERIFY(startMedStifinder(*entry));
}

void SoegesideTest::cleanup()
{
    entry.reset();
    QThreadPool::globalInstance()->waitForDone();
    boxes.reset();
    home.reset();
}

void SoegesideTest::udfoer(const char* navn) const
{
    QTest::qWait(1);  // the rules have run
    QAction* action = explorer()->findChild<QAction*>(QLatin1String(navn));
    QVERIFY2(action && action->isEnabled(), navn);
    action->trigger();
}

void SoegesideTest::soeg(const QString& element, const QString& tekst)
{
    entry->mainform().EditSti()->setText(element);
    felt<QLineEdit>("findTekstEdit")->setText(tekst);
    udfoer("aSearch");
    QTRY_COMPARE(felt<QPushButton>("findTekstKnap")->text(), QStringLiteral("Søg"));
}

void SoegesideTest::soegning()
{
    soeg(*home / "s", "ABC");
    Twinform* e = explorer();
    QCOMPARE(captions(*e->findDir), QStringList{"Abc"});
    QCOMPARE(captions(*e->findFiler).size(), 2);
    QVERIFY(captions(*e->findFiler).contains("indre abc.md") && captions(*e->findFiler).contains("xabcx.txt"));
    QCOMPARE(felt<QLabel>("mapperOverskrift")->text(), QStringLiteral("Der er undersøgt 1:1 mappenavne"));
    QCOMPARE(felt<QLabel>("filerOverskrift")->text(), QStringLiteral("Der er undersøgt 5:2 filnavne"));
    QCOMPARE(felt<QLineEdit>("BarEdit")->text(), QStringLiteral("100%"));
    QCOMPARE(felt<QLabel>("mappeLabel")->text(), QStringLiteral("s"));
    // Between searches the label names the folder the next one covers, however the current
    // element changed (a path tab, a click in a tree).
    entry->mainform().EditSti()->setText(*home / "tom");
    QCOMPARE(felt<QLabel>("mappeLabel")->text(), QStringLiteral("tom"));
    QCOMPARE(felt<QListWidget>("filBoxen")->count(), 2);
    // Two files whose names differ in case are two hits; a file as the element searches its folder.
    soeg(*home / "s/xabcx.txt", "rapport");
    QCOMPARE(e->findFiler->Antal(), 2);
    QVERIFY(e->findDir->Antal() == 0 && felt<QListWidget>("mappeBoxen")->count() == 0);
    // A double click on a hit shows it.
    QListWidget* filer = felt<QListWidget>("filBoxen");
    filer->setCurrentRow(0);
    Q_EMIT filer->itemDoubleClicked(filer->item(0));
    QCOMPARE(entry->mainform().EditSti()->text(), e->findFiler->GetFilnavn(0));
}

void SoegesideTest::slutOgFejl_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("maks");
    QTest::addColumn<QString>("barEdit");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("sagt");
    QTest::newRow("the largest number of hits") << "s" << 2 << "" << "Søgningen stoppede ved maksimum antal (2)."
                                                 << QStringList{};
    QTest::newRow("an empty folder") << "tom" << 120 << "100%" << "Søgningen er færdig: 0 mapper og 0 filer fundet."
                                     << QStringList{};
    QTest::newRow("a start folder gone") << "væk" << 120 << "Søg efter" << ""
                                         << QStringList{"Søgemappen kunne ikke åbnes:\n%1væk"};
}

void SoegesideTest::slutOgFejl()
{
    QFETCH(QString, element);
    QFETCH(int, maks);
    QFETCH(QString, barEdit);
    QFETCH(QString, status);
    QFETCH(QStringList, sagt);
    entry->mainform().opt.maxElementer = maks;
    // What an earlier search left never stays.
    entry->mainform().UdskrivInfo(QStringLiteral("Søgningen stoppede ved maksimum antal (7)."));
    soeg(*home / element, "t");
    if (!barEdit.isEmpty())
        QCOMPARE(felt<QLineEdit>("BarEdit")->text(), barEdit);
    QCOMPARE(entry->mainform().statusTekst(), status);
    QCOMPARE(boxes->texts(), sagt.replaceInStrings("%1", home->path() + "/"));
    if (maks == 2)
        QCOMPARE(explorer()->findFiler->Antal(), 2);
}

// A walk held after its third entry: Stop keeps what was found; closing the window meanwhile
// closes it at once, and the walk touches nothing of it afterwards.
void SoegesideTest::stopOgLukning()
{
    for (bool luk : {false, true}) {
        auto naaet = std::make_shared<QSemaphore>();
        auto videre = std::make_shared<QSemaphore>();
        explorer()->soegeKrog = [naaet, videre](qint64 antal) {
            if (antal == 3) {
                naaet->release();
                videre->acquire();
            }
        };
        entry->mainform().EditSti()->setText(*home / "s");
        felt<QLineEdit>("findTekstEdit")->setText(".");
        udfoer("aSearch");
        naaet->acquire();
        QCOMPARE(felt<QPushButton>("findTekstKnap")->text(), QStringLiteral("Stop"));
        if (luk) {
            QPointer<Twinform> vindue = explorer();
            vindue->parentWidget()->close();
            QTRY_VERIFY(!vindue);
            videre->release();
            // The search's thread has ended when it let go of its hook.
            QTRY_COMPARE(videre.use_count(), 1L);
            QCoreApplication::processEvents();
            return;
        }
        felt<QPushButton>("findTekstKnap")->click();
        videre->release();
        QTRY_COMPARE(felt<QLineEdit>("BarEdit")->text(), QStringLiteral("Søgningen blev stoppet."));
        QCOMPARE(felt<QPushButton>("findTekstKnap")->text(), QStringLiteral("Søg"));
        QVERIFY(explorer()->findFiler->Antal() + explorer()->findDir->Antal() >= 1);
        QVERIFY(felt<QLabel>("filerOverskrift")->text().startsWith("Der er undersøgt"));
        explorer()->soegeKrog = {};
    }
}

void SoegesideTest::rensOgFiltype()
{
    soeg(*home / "s", "a");
    QVERIFY(explorer()->findFiler->Antal() > 0);
    explorer()->findChild<QAction*>("infoClearFind")->trigger();
    QVERIFY(felt<QLineEdit>("findTekstEdit")->text().isEmpty());
    for (const char* knap : {"sorterknapFiler", "sorterknapMapper"})
        felt<QPushButton>(knap)->click();
    QCOMPARE(felt<QListWidget>("filBoxen")->count() + felt<QListWidget>("mappeBoxen")->count(), 0);
    QCOMPARE(felt<QLabel>("filerOverskrift")->text(), QStringLiteral("Filer"));

    explorer()->gaaTilMappe(*home / "s");
    auto* tree = felt<QTreeWidget>("FilStruktur");
    const int alle = tree->topLevelItemCount();
    for (const QString& ext : {QStringLiteral("txt"), QStringLiteral(".TXT")}) {
        felt<QLineEdit>("extEdit")->setText(ext);
        udfoer("aExtType1");
        QCOMPARE(felt<QLineEdit>("antalExtEdit")->text(), QStringLiteral("4"));
        QCOMPARE(entry->mainform().statusTekst(), "Der blev fundte 4 filer af typen " + ext);
    }
    udfoer("aExtType2");
    QCOMPARE(tree->topLevelItemCount(), 4);
    udfoer("opdater2");
    QCOMPARE(tree->topLevelItemCount(), alle);
}

// Two found folders whose names differ only in case are one point, and are both handed to the
// levels.
void SoegesideTest::fundneMappersOmrids()
{
    home->make({"x/A/", "x/a/"});
    soeg(*home / "x", "a");
    QCOMPARE(explorer()->findDir->Antal(), 2);
    QCOMPARE(listensMapper(*explorer()->findDir, false, false).size(), 2);
    const QTreeWidget* tree = felt<QTreeWidget>("MappeStruktur");
    udfoer("mappePunktstruktur");
    QCOMPARE(linjerMed(tree, {"A", "a"}), 1);
    udfoer("mappeNiveaustruktur");
    QVERIFY(linjerMed(tree, {"A", "a"}) >= 1);
    // The files' outline has nothing to take.
    QTest::qWait(1);
    QVERIFY(!explorer()->findChild<QAction*>("filPunktstruktur")->isEnabled());
}

void SoegesideTest::kendteMapper_data()
{
    QTest::addColumn<QString>("knap");
    QTest::addColumn<int>("mappeBox");
    QTest::addColumn<QString>("mappe");  // empty: the message
    QTest::addColumn<QString>("besked");
    const QString ikkeFundet = QStringLiteral("Mappen blev ikke fundet.");
    QTest::newRow("documents, file tree") << "Adokudir" << 1 << "Dokumenter" << "";
    QTest::newRow("documents, folder tree") << "Adokudir" << 0 << "Dokumenter" << "";
    QTest::newRow("contacts") << "aKontakter" << 1 << "Contacts" << "";
    QTest::newRow("contacts, folder tree") << "aKontakter" << 0 << "Contacts" << "";
    QTest::newRow("OneDrive missing") << "aOneDrev" << 1 << "" << ikkeFundet;
    QTest::newRow("public share missing") << "AallUsers" << 1 << "" << ikkeFundet;
    QTest::newRow("start-up folder missing") << "startProgButton" << 1 << "" << "Mappen kunne ikke findes.\r";
}

void SoegesideTest::kendteMapper()
{
    QFETCH(QString, knap);
    QFETCH(int, mappeBox);
    QFETCH(QString, mappe);
    QFETCH(QString, besked);
    explorer()->opt.mappeBox = mappeBox;
    const QString foer = entry->mainform().EditSti()->text();
    if (auto* button = felt<QPushButton>(knap.toLatin1().constData()))
        button->click();
    else
        udfoer(knap.toLatin1().constData());
    if (mappe.isEmpty()) {
        QCOMPARE(boxes->texts(), QStringList{besked});
        QCOMPARE(entry->mainform().EditSti()->text(), foer);
        return;
    }
    QVERIFY(boxes->shown.isEmpty());
    // In both modes the folder-and-file tree and the current element follow the folder.
    QCOMPARE(entry->mainform().EditSti()->text(), *home / mappe);
    QCOMPARE(felt<QTreeWidget>("FilStruktur")->topLevelItemCount(), mappe == "Dokumenter" ? 1 : 0);
    if (mappeBox == 0) {
        const QTreeWidgetItem* valgt = felt<QTreeWidget>("MappeStruktur")->currentItem();
        QVERIFY(valgt);
        QCOMPARE(valgt->text(0), mappe);
    }
}

// The known folders that exist, in their order; those missing are left out.
void SoegesideTest::kendteMappersOmrids()
{
    udfoer("aStrukPunkt");
    const QTreeWidget* tree = felt<QTreeWidget>("MappeStruktur");
    QStringList punkter;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        punkter << tree->topLevelItem(i)->text(0);
    QCOMPARE(punkter.mid(0, 3), QStringList({"Skrivebord", "Dokumenter", "Billeder"}));
    QVERIFY(punkter.contains("Contacts"));
    for (const char* mangler : {"OneDrive", "Favorites", "Offentlig"})
        QVERIFY2(!punkter.contains(mangler), mangler);
    QVERIFY(boxes->shown.isEmpty());
}

void SoegesideTest::genveje()
{
    const QString sted = entry->mainform().opt.PlaceringsMappe;
    QVERIFY(felt<QWidget>("genvejsPanel")->isVisibleTo(explorer()));
    udfoer("hentGenveje");
    QCOMPARE(boxes->texts(), QStringList{"Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."});

    home->make({"mål/brev.txt", "fast/"});
    QVERIFY(QFile::link(*home / "mål/brev.txt", sted + "/Editor.lnk"));
    QVERIFY(QFile::link(*home / "væk", sted + "/Død.lnk"));
    QFile(sted + "/Editorlnk").open(QIODevice::WriteOnly);
    QDir().mkpath(sted + "/x.lnk");
    udfoer("hentGenveje");
    auto* liste = felt<QListWidget>("genvejsListe");
    QStringList navne;
    for (int i = 0; i < liste->count(); ++i)
        navne << liste->item(i)->text();
    QCOMPARE(navne, QStringList({"Død", "Editor"}));

    QList<OptagendeShell::Kald> kald;
    platform::install<platform::Shell>(std::make_unique<OptagendeShell>(&kald));
    liste->setCurrentRow(1);
    udfoer("runGenvej");
    liste->setCurrentRow(0);
    udfoer("runGenvej");
    platform::install<platform::Shell>(nullptr);
    QCOMPARE(kald.size(), 1);
    QCOMPARE(kald[0].verb, QStringLiteral("open"));
    QCOMPARE(kald[0].sti, *home / "mål/brev.txt");
    QCOMPARE(boxes->texts().last(), QStringLiteral("Filen blev ikke fundet."));
}

QTEST_MAIN(SoegesideTest)
#include "test_soegeside.moc"
