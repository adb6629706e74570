#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "core/stoerrelser.h"
#include "fileops/tfilinfoform.h"
#include "fileops/tklipbordslister.h"
#include "fileops/tmetodecompo.h"
#include "platform/filecopy.h"
#include "platform/textfile.h"
#include "platform/terminationsignals.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QAbstractAnimation>
#include <QAction>
#include <QProgressBar>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QUrl>
#include <QThreadPool>
#include <QToolButton>
#include <QToolTip>
#include <QProcess>
#include <QtTest>
#include <unistd.h>
#include <csignal>
#include <QElapsedTimer>
#include <sys/stat.h>

namespace {

QStringList stier(QTreeWidget* liste)
{
    QStringList paths;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        paths.append(TKlipbordsLister::sti(liste->topLevelItem(i)));
    return paths;
}

void vaelg(QTreeWidget* tree, const QStringList& captions)
{
    tree->clearSelection();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (captions.contains(tree->topLevelItem(i)->text(0)))
            tree->topLevelItem(i)->setSelected(true);
}

// The timers and animations of the program's windows that still run.
QStringList stadigAktive()
{
    QStringList aktive;
    for (QWidget* vindue : QApplication::topLevelWidgets())
        for (QObject* o : vindue->findChildren<QObject*>()) {
            auto* timer = qobject_cast<QTimer*>(o);
            auto* animation = qobject_cast<QAbstractAnimation*>(o);
            if ((timer && timer->isActive()) || (animation && animation->state() == QAbstractAnimation::Running))
                aktive.append(QString::fromLatin1(o->metaObject()->className()) + u'/' + o->objectName() + QStringLiteral(" in ")
                              + QString::fromLatin1(o->parent()->metaObject()->className()) + u'/' + o->parent()->objectName());
        }
    return aktive;
}

}  // namespace

class KlipbordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void roadOfOneRequest();
    void oneEntryPerPathAndTicks();
    void removingEntries();
    void sharedAndSeparateClipboards_data();
    void sharedAndSeparateClipboards();
    void droppedFilesAndOptionFile();
    void sizeCalculation();
    void transferAndCancel();
    void sharedClipboardOutlivesItsOwner();
    void pasteThroughTheExplorer();
    void closingDuringAPasteWaitsForItsEnd();
    void terminationSignalDuringAPasteStopsItAndCloses();
    void hintsOnlyWhileAnOperationRuns();
    void deleteThroughTheExplorer();
    void quietAfterPasteAndDelete();
    void infoThroughTheExplorer();

private:
    Twinform* start(bool faelles = true);
    // The program started, a 20 MB file and a small one copied into the clipboard, and the
    // explorer in the destination, ready to paste without asking.
    Twinform* klarTilStorIndsaetning();

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
};

void KlipbordTest::init()
{
    home = std::make_unique<TestHome>();
    home->make({"kilde/a.txt", "kilde/b.txt", "kilde/m/", "maal/"});
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    Tmainform& main = entry->mainform();
    medStifindere(main);
}

void KlipbordTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

Twinform* KlipbordTest::start(bool faelles)
{
    entry->mainform().opt.sammeKlipbord = faelles;
    entry->start();
    entry->mainform().FormActivate();
    return dynamic_cast<Twinform*>(entry->mainform().getWinform("Stifinder 1"));
}

Twinform* KlipbordTest::klarTilStorIndsaetning()
{
    home->write("kilde/stor.bin", QByteArray(20 * 1024 * 1024, 's'));
    Twinform* explorer = start();
    explorer->opt.spmBox = 2;
    explorer->gaaTilMappe(*home / "kilde");
    vaelg(explorer->strukturCompo().Struktur2(), {"stor.bin", "a.txt"});
    explorer->KopierElementer(false);
    explorer->gaaTilMappe(*home / "maal");
    explorer->strukturCompo().Struktur2()->clearSelection();
    return explorer;
}

void KlipbordTest::roadOfOneRequest()
{
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(*home / "kilde");
    vaelg(compo.Struktur2(), {"a.txt", "b.txt"});
    explorer->KopierElementer(false);
    auto* klipbord = qobject_cast<Tlisteform*>(explorer->klipbord());
    QVERIFY(klipbord);
    QCOMPARE(stier(klipbord->lister().Filliste()).size(), 2);
    QVERIFY(!explorer->metode().FlytElementer());
    QCOMPARE(klipbord->elementAntal, 2);
    QCOMPARE(explorer->findChild<QLineEdit*>("EditFil")->text(), QStringLiteral("2"));

    explorer->gaaTilMappe(*home / "maal");
    compo.Struktur2()->clearSelection();
    const QString destination = explorer->metode().getDestination();
    QCOMPARE(destination, *home / "maal");
    QStringList mapper, filer;
    QCOMPARE(explorer->metode().loadLister(mapper, filer, destination), 2);
    QCOMPARE(filer.size(), 2);
    QVERIFY(filer.contains(*home / "kilde/a.txt"));

    explorer->gaaTilMappe(*home / "kilde");
    vaelg(compo.Struktur2(), {"m"});
    explorer->KopierElementer(true);
    QVERIFY(explorer->metode().FlytElementer());
    QCOMPARE(stier(klipbord->lister().Mappeliste()), QStringList{*home / "kilde/m"});

    // A destination that is the only folder entry leaves nothing to paste.
    klipbord->sletAlt2Execute();
    mapper.clear();
    filer.clear();
    QCOMPARE(explorer->metode().loadLister(mapper, filer, *home / "maal"), 1);
    mapper.clear();
    QCOMPARE(explorer->metode().loadLister(mapper, filer = {}, *home / "KILDE/m"), 0);  // the destination itself
    QCOMPARE(boxes->texts().last(), QStringLiteral("Der mangler elementer til kopiering.\nKilde og destination er "
                                                   "muligvist den samme eller der mangler elementer i Klipbordet."));
}

void KlipbordTest::oneEntryPerPathAndTicks()
{
    Twinform* explorer = start();
    auto* klipbord = qobject_cast<Tlisteform*>(explorer->klipbord());
    TKlipbordsLister& lister = klipbord->lister();
    QVERIFY(lister.CopyListAdd(1, 4, "/X/Mappe", true));
    QVERIFY(!lister.CopyListAdd(1, 4, "/x/mappe", true));
    QVERIFY(lister.CopyListAdd(1, 4, "/x/mappæ", true));
    QVERIFY(lister.CopyListAdd(1, 4, "/x/mappÆ", false));  // only A to Z are folded
    QCOMPARE(lister.Mappeliste()->topLevelItemCount(), 3);
    QCOMPARE(klipbord->elementAntal, 2);
    lister.Mappeliste()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(klipbord->elementAntal, 1);
    QCoreApplication::processEvents();  // the enable rules run on the next turn
    klipbord->findChild<QAction*>("selectAlle")->trigger();
    QCOMPARE(klipbord->elementAntal, 3);
    klipbord->findChild<QAction*>("selectIngen")->trigger();
    QCOMPARE(klipbord->elementAntal, 0);
    // Unticked entries count in the explorer's fields all the same.
    QCOMPARE(explorer->findChild<QLineEdit*>("EditMappe")->text(), QStringLiteral("3"));
}

void KlipbordTest::removingEntries()
{
    Twinform* explorer = start();
    auto* klipbord = qobject_cast<Tlisteform*>(explorer->klipbord());
    TKlipbordsLister& lister = klipbord->lister();
    QTreeWidget* liste = lister.Filliste();
    for (const char* fil : {"/f1", "/f2", "/f3", "/f4"})
        lister.CopyListAdd(2, 2, fil, true);
    liste->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    // "Fjern" removes the focused entry, and only when it is ticked; other selected entries stay.
    liste->setCurrentItem(liste->topLevelItem(1));
    liste->topLevelItem(3)->setSelected(true);
    klipbord->sletValgteFraListe(liste);
    QCOMPARE(stier(liste), QStringList({"/f1", "/f3", "/f4"}));
    QCOMPARE(liste->currentItem()->text(1), QStringLiteral("/f3"));
    klipbord->sletValgteFraListe(liste);  // /f3 is unticked
    QCOMPARE(stier(liste).size(), 3);
    klipbord->sletAlt2Execute();
    QCOMPARE(stier(liste), QStringList{"/f3"});
    lister.CopyListAdd(1, 4, "/m", true);
    klipbord->findChild<QLabel*>("sizeLabel")->setText("1,00 KB");
    klipbord->sletBeggeListerExecute();
    QCOMPARE(lister.Mappeliste()->topLevelItemCount() + liste->topLevelItemCount(), 0);
    QCOMPARE(klipbord->findChild<QLabel*>("sizeLabel")->text(), QString());
    QCOMPARE(explorer->findChild<QLineEdit*>("EditMappe")->text(), QStringLiteral("0"));
}

void KlipbordTest::sharedAndSeparateClipboards_data()
{
    QTest::addColumn<bool>("faelles");
    QTest::newRow("shared") << true;
    QTest::newRow("separate") << false;
}

void KlipbordTest::sharedAndSeparateClipboards()
{
    QFETCH(bool, faelles);
    Twinform* first = start(faelles);
    auto* second = dynamic_cast<Twinform*>(entry->mainform().makeNewStifinder());
    auto* klip1 = qobject_cast<Tlisteform*>(first->klipbord());
    auto* klip2 = qobject_cast<Tlisteform*>(second->klipbord());
    const QString opt = entry->mainform().folders.OptMappe;
    if (faelles) {
        QCOMPARE(klip1, klip2);
        QCOMPARE(klip1->windowTitle(), QStringLiteral("Klipbord"));
        QCOMPARE(klip1->optfilnavn, opt + "listeEgenskaber.txt");
    } else {
        QVERIFY(klip1 != klip2);
        QCOMPARE(klip2->windowTitle(), QStringLiteral("Klipbord 2"));
        QCOMPARE(klip2->winformCaption, QStringLiteral("Stifinder 2"));
        QCOMPARE(klip2->optfilnavn, opt + "listeEgenskaber2.txt");
    }
    klip1->lister().CopyListAdd(1, 4, *home / "kilde", true);
    QCOMPARE(first->findChild<QLineEdit*>("EditMappe")->text(), QStringLiteral("1"));
    QCOMPARE(second->findChild<QLineEdit*>("EditMappe")->text(), faelles ? QStringLiteral("1") : QStringLiteral("Ingen"));
}

void KlipbordTest::droppedFilesAndOptionFile()
{
    Twinform* explorer = start();
    auto* klipbord = qobject_cast<Tlisteform*>(explorer->klipbord());
    QVERIFY(explorer->acceptDrops());
    explorer->registrerSlip({QUrl::fromLocalFile(*home / "kilde/a.txt"), QUrl::fromLocalFile(*home / "kilde/m"),
                             QUrl::fromLocalFile(*home / "væk"), QUrl("https://eksempel.dk/x")});
    QCOMPARE(stier(klipbord->lister().Filliste()), QStringList{*home / "kilde/a.txt"});
    QCOMPARE(stier(klipbord->lister().Mappeliste()), QStringList{*home / "kilde/m"});

    // An option file of three lines gives the defaults; "Linjevalg" writes two lines.
    platform::writeTextLines(klipbord->optfilnavn, {"200", "0", "1"});
    Tlisteform ny(entry->mainform(), true, 1);
    QVERIFY(ny.findChild<QCheckBox*>("selectCheck")->isChecked());
    QCOMPARE(ny.findChild<QWidget*>("listePanel")->width(), 350);

    // Closing the clipboard only hides it; Ctrl+0 shows it again.
    klipbord->parentWidget()->close();
    QVERIFY(klipbord->parentWidget()->isHidden());
    entry->mainform().findChild<QAction*>("aVisKlipbordet")->trigger();
    QVERIFY(!klipbord->parentWidget()->isHidden());
    ny.findChild<QCheckBox*>("selectCheck")->click();
    QCOMPARE(platform::readTextLines(ny.optfilnavn)->size(), 2);
    QCOMPARE(platform::readTextLines(ny.optfilnavn)->at(1), QStringLiteral("0"));
}

void KlipbordTest::sizeCalculation()
{
    home->write("s/a.bin", QByteArray(2000, 'a'));
    home->write("s/u/b.bin", QByteArray(48, 'b'));
    home->write("tom.txt", QByteArray());
    QVERIFY(QFile::link(*home / "s", *home / "s/u/sløjfe"));
    QVERIFY(::mkfifo(QFile::encodeName(*home / "s/fifo").constData(), 0644) == 0);
    const qint64 link = QFileInfo(*home / "s/u/sløjfe").symLinkTarget().toUtf8().size();
    Twinform* explorer = start();
    auto* klipbord = qobject_cast<Tlisteform*>(explorer->klipbord());
    klipbord->lister().CopyListAdd(1, 4, *home / "s", true);
    klipbord->lister().CopyListAdd(2, 2, *home / "tom.txt", true);
    klipbord->lister().CopyListAdd(2, 2, *home / "væk.txt", true);
    QCoreApplication::processEvents();
    klipbord->findChild<QAction*>("BeregnSize")->trigger();
    QCOMPARE(klipbord->findChild<QLabel*>("infLabel")->text(), QStringLiteral("Beregner..."));
    const qint64 bytes = 2000 + 48 + link + 1;
    QTRY_COMPARE(klipbord->findChild<QLabel*>("sizeLabel")->text(), getSizeString(bytes));
    QCOMPARE(klipbord->findChild<QLabel*>("mapperLabel")->text(), QStringLiteral("2"));
    QCOMPARE(klipbord->findChild<QLabel*>("filerLabel")->text(), QStringLiteral("5"));
    QCOMPARE(explorer->findChild<QLabel*>("sizeLabel")->text(), skaleretStoerrelse(bytes) + "  Filer: 5");
    // The vanished file left the list on the way.
    QCOMPARE(klipbord->lister().Filliste()->topLevelItemCount(), 1);

    // Closing everything while a calculation runs touches nothing that is gone.
    klipbord->findChild<QAction*>("BeregnSize")->trigger();
    QVERIFY(entry->mainform().close());
    entry.reset();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    QCoreApplication::processEvents();
}

void KlipbordTest::transferAndCancel()
{
    Twinform* first = start(false);
    auto* overfoer = first->findChild<QAction*>("KlipbordsdataTransfer");
    auto* kdt = first->findChild<QCheckBox*>("KDTcheck");
    auto* klip1 = qobject_cast<Tlisteform*>(first->klipbord());
    klip1->lister().CopyListAdd(1, 4, *home / "kilde/m", true);
    klip1->lister().CopyListAdd(2, 2, *home / "kilde/a.txt", true);
    klip1->lister().CopyListAdd(2, 2, *home / "kilde/b.txt", false);
    kdt->setChecked(true);
    QCoreApplication::processEvents();
    QVERIFY(!overfoer->isEnabled());  // one explorer only

    auto* second = dynamic_cast<Twinform*>(entry->mainform().makeNewStifinder());
    second->findChild<QCheckBox*>("KDTcheck")->setChecked(true);
    QTRY_VERIFY(overfoer->isEnabled());
    overfoer->trigger();
    auto* klip2 = qobject_cast<Tlisteform*>(second->klipbord());
    QCOMPARE(stier(klip2->lister().Mappeliste()), QStringList{*home / "kilde/m"});
    QCOMPARE(stier(klip2->lister().Filliste()), QStringList{*home / "kilde/a.txt"});  // the unticked entry stays home
    QVERIFY(!kdt->isChecked());
    QVERIFY(!second->findChild<QCheckBox*>("KDTcheck")->isChecked());

    QTRY_VERIFY(first->findChild<QAction*>("AnnullerKopiering")->isEnabled());
    first->findChild<QAction*>("aAnnullerFiler")->trigger();
    QCOMPARE(stier(klip1->lister().Filliste()), QStringList{*home / "kilde/b.txt"});
    first->findChild<QAction*>("AnnullerKopiering")->trigger();
    QCOMPARE(klip1->lister().Mappeliste()->topLevelItemCount() + klip1->lister().Filliste()->topLevelItemCount(), 0);
}

void KlipbordTest::sharedClipboardOutlivesItsOwner()
{
    Twinform* first = start(true);
    auto* second = dynamic_cast<Twinform*>(entry->mainform().makeNewStifinder());
    QCOMPARE(second->klipbord(), first->klipbord());
    first->parentWidget()->close();  // "Stifinder 1" owned the shared clipboard
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!second->klipbord());
    QCOMPARE(second->metode().Klipbord(), nullptr);
    second->gaaTilMappe(*home / "kilde");
    vaelg(second->strukturCompo().Struktur2(), {"a.txt"});
    second->KopierElementer(false);  // a clipboard of its own is made on the spot
    auto* nyt = qobject_cast<Tlisteform*>(second->klipbord());
    QVERIFY(nyt);
    QCOMPARE(stier(nyt->lister().Filliste()), QStringList{*home / "kilde/a.txt"});
}

void KlipbordTest::pasteThroughTheExplorer()
{
    Twinform* explorer = start();
    QCOMPARE(explorer->findChild<QAction*>("Paste")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    auto* klipbord = qobject_cast<Tlisteform*>(explorer->klipbord());
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->PasteExecute();
    QCOMPARE(boxes->texts().last(), QStringLiteral("Der er ingen elementer i Klipbordet.\rVælg elementer og prøv igen."));

    // Copy two files, paste them elsewhere after "Ja": the ticked entries leave the clipboard.
    explorer->gaaTilMappe(*home / "kilde");
    vaelg(compo.Struktur2(), {"a.txt", "b.txt"});
    explorer->KopierElementer(false);
    explorer->gaaTilMappe(*home / "maal");
    compo.Struktur2()->clearSelection();
    explorer->PasteExecute();
    QVERIFY(QFile::exists(*home / "maal/a.txt") && QFile::exists(*home / "maal/b.txt"));
    QVERIFY(QFile::exists(*home / "kilde/a.txt"));
    QCOMPARE(boxes->shown.last().caption, QStringLiteral("Kopiering af elementer"));
    QCOMPARE(klipbord->elementAntal, 0);
    QCOMPARE(explorer->aktivitetsAntal, 0);
    QCOMPARE(entry->mainform().processCount, 0);

    // The last paste comes back into the clipboard.
    explorer->klipbordsGendannelse();
    QCOMPARE(stier(klipbord->lister().Filliste()).size(), 2);
    klipbord->sletBeggeListerExecute();

    // Cut and paste moves, without a question in "Spørg aldrig".
    explorer->opt.spmBox = 2;
    explorer->gaaTilMappe(*home / "kilde");
    vaelg(compo.Struktur2(), {"m"});
    explorer->KopierElementer(true);
    explorer->gaaTilMappe(*home / "maal");
    compo.Struktur2()->clearSelection();
    const int vist = int(boxes->shown.size());
    explorer->PasteExecute();
    QCOMPARE(boxes->shown.size(), vist);
    QVERIFY(QFileInfo(*home / "maal/m").isDir() && !QFile::exists(*home / "kilde/m"));
    // Without the question the clipboard keeps its entries; the tree shows the result.
    QCOMPARE(klipbord->elementAntal, 1);
    QVERIFY(!compo.Struktur2()->findItems("m", Qt::MatchExactly).isEmpty());
}

void KlipbordTest::closingDuringAPasteWaitsForItsEnd()
{
    Twinform* explorer = klarTilStorIndsaetning();
    QPointer<Twinform> vindue = explorer;
    bool lukket = false;
    platform::installKopiFejl([&](const QString& kilde, qint64 offset) {
        if (kilde.endsWith("stor.bin") && offset > 0 && !lukket) {
            lukket = true;
            entry->mainform().CloseElementExecute();
        }
        return 0;
    });
    explorer->PasteExecute();
    platform::installKopiFejl({});
    QVERIFY(lukket);
    QVERIFY(vindue);  // still there while its paste ends
    QTRY_VERIFY(!vindue);
    QCOMPARE(entry->mainform().NewCount, 0);
    QCOMPARE(entry->mainform().processCount, 0);
    QVERIFY(!QFile::exists(*home / "maal/stor.bin"));  // stopped, and nothing half copied
}

void KlipbordTest::terminationSignalDuringAPasteStopsItAndCloses()
{
    // A logout's signal in the middle of a file: nobody is asked, the paste stops as Stop does,
    // and the program closes at once with its settings saved and nothing half copied. The signal
    // ends its program for good, so the case runs in a test process of its own.
    if (!qEnvironmentVariableIsSet("QVM_SIGNAL_BARN")) {
        QProcess barn;
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert("QVM_SIGNAL_BARN", "1");
        barn.setProcessEnvironment(miljoe);
        barn.start(QCoreApplication::applicationFilePath(), {"terminationSignalDuringAPasteStopsItAndCloses"});
        QVERIFY(barn.waitForFinished(60000));
        QVERIFY2(barn.exitStatus() == QProcess::NormalExit && barn.exitCode() == 0, barn.readAllStandardOutput().constData());
        return;
    }
    Twinform* explorer = klarTilStorIndsaetning();
    platform::installTerminationHandler([this] {
        if (entry)
            entry->mainform().lukEfterSignal();
    });
    bool sendt = false;
    platform::installKopiFejl([&](const QString& kilde, qint64 offset) {
        if (kilde.endsWith("stor.bin") && offset > 0 && !sendt) {
            sendt = true;
            ::kill(::getpid(), SIGTERM);
        }
        // A slow disk: the signal arrives while the file is still being written.
        QThread::usleep(5000);
        return 0;
    });
    QElapsedTimer tid;
    tid.start();
    explorer->PasteExecute();
    platform::installKopiFejl({});
    QVERIFY(sendt);
    QTRY_VERIFY_WITH_TIMEOUT(!entry->mainform().isVisible(), 2000);
    QVERIFY2(tid.elapsed() < 2000, qPrintable(QString::number(tid.elapsed())));
    QVERIFY(!QFile::exists(*home / "maal/stor.bin"));
    QCOMPARE(QFileInfo(*home / "kilde/stor.bin").size(), 20 * 1024 * 1024);
    QCOMPARE(platform::readTextLines(entry->mainform().folders.optFilnavn).value_or(QStringList()).size(), 45);
    QVERIFY(boxes->texts().isEmpty());
}

void KlipbordTest::hintsOnlyWhileAnOperationRuns()
{
    Twinform* explorer = start();
    Tmainform& main = entry->mainform();
    QToolButton* knap = nullptr;
    for (QToolButton* button : explorer->findChildren<QToolButton*>())
        if (button->defaultAction() && button->defaultAction()->objectName() == u"Paste")
            knap = button;
    QVERIFY(knap);
    explorer->show();
    QCOMPARE(knap->toolTip(), QStringLiteral("Sæt ind fra kopieringslisten: Ctrl+V"));
    // Whether the button's hint is shown; each look gives it a text of its own.
    int gang = 0;
    const auto vises = [knap, &gang] {
        const QString tekst = QStringLiteral("hint %1").arg(++gang);
        knap->setToolTip(tekst);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), knap->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(knap, &event);
        return QToolTip::text() == tekst;
    };
    main.opt.vhaFunkCheck = true;
    explorer->setAktivitetsNr(0, 0);
    QVERIFY(!vises());  // nothing runs
    main.aendrProcessCount(1);
    explorer->setAktivitetsNr(1, 0);
    QVERIFY(vises());
    main.opt.vhaFunkCheck = false;
    explorer->setAktivitetsNr(0, 0);
    QVERIFY(!vises());  // "Vis hints" is off
    main.aendrProcessCount(-1);
    explorer->setAktivitetsNr(-1, 0);
}

void KlipbordTest::deleteThroughTheExplorer()
{
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    QCOMPARE(explorer->findChild<QAction*>("DeletePermanent")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    explorer->gaaTilMappe(*home / "kilde");
    compo.Struktur2()->clearSelection();
    compo.Struktur2()->setCurrentItem(nullptr);
    explorer->SletElementer(true);
    QCOMPARE(boxes->texts().last(), QStringLiteral("Der er ikke valgt elementer til sletning."));

    vaelg(compo.Struktur2(), {"a.txt"});
    explorer->SletElementer(true);
    QCOMPARE(boxes->shown.last().caption, QStringLiteral("Sletning af elementer"));
    QVERIFY(!QFile::exists(*home / "kilde/a.txt"));
    QVERIFY(QFile::exists(*home / ".local/share/Trash/files/a.txt"));
    QCOMPARE(entry->mainform().processCount, 0);

    // Deleting the current folder moves the view to the nearest folder that still exists.
    explorer->gaaTilMappe(*home / "kilde/m");
    QVERIFY(compo.udfoldStruktur1(*home / "kilde/m", true));
    explorer->visStruktur1();
    QCOMPARE(compo.getSelectedMedSti(), *home / "kilde/m");
    explorer->SletElementer(false);
    QVERIFY(!QFile::exists(*home / "kilde/m"));
    QCOMPARE(compo.Mappenavn(), *home / "kilde");
    QVERIFY(!compo.Struktur2()->findItems("b.txt", Qt::MatchExactly).isEmpty());
}

// Once a paste or a delete has ended, nothing of the explorer animates or polls.
void KlipbordTest::quietAfterPasteAndDelete()
{
    Twinform* explorer = start();
    explorer->show();
    TStrukturCompo& compo = explorer->strukturCompo();
    auto* indikator = explorer->findChild<QProgressBar*>("AktivitetBoks");
    QVERIFY(indikator);
    explorer->gaaTilMappe(*home / "kilde");
    vaelg(compo.Struktur2(), {"a.txt"});
    explorer->KopierElementer(false);
    explorer->gaaTilMappe(*home / "maal");
    compo.Struktur2()->clearSelection();
    explorer->PasteExecute();
    QVERIFY(QFile::exists(*home / "maal/a.txt"));
    QTest::qWait(200);
    QVERIFY(indikator->maximum() > indikator->minimum());
    QVERIFY2(stadigAktive().isEmpty(), qPrintable(stadigAktive().join(u',')));

    vaelg(compo.Struktur2(), {"a.txt"});
    explorer->SletElementer(false);
    QVERIFY(!QFile::exists(*home / "maal/a.txt"));
    QTest::qWait(200);
    QVERIFY(indikator->maximum() > indikator->minimum());
    QVERIFY2(stadigAktive().isEmpty(), qPrintable(stadigAktive().join(u',')));
}

void KlipbordTest::infoThroughTheExplorer()
{
    Twinform* explorer = start();
    TStrukturCompo& compo = explorer->strukturCompo();
    explorer->gaaTilMappe(*home / "kilde");
    // As a click on it: the file becomes the current one.
    const auto klik = [&compo](const QString& navn) {
        QTreeWidgetItem* item = compo.Struktur2()->findItems(navn, Qt::MatchExactly).value(0);
        vaelg(compo.Struktur2(), {navn});
        compo.Struktur2()->setCurrentItem(item);
        Q_EMIT compo.Struktur2()->itemClicked(item, 0);
    };
    klik("b.txt");
    explorer->InfoExecute();
    Tfilinfoform* vindue = explorer->metode().EleInfo();
    QCOMPARE(vindue->windowTitle(), QStringLiteral("Fil egenskaber"));
    QCOMPARE(vindue->EditFilnavn->text(), QStringLiteral("b.txt"));
    klik("m");
    explorer->InfoExecute();
    QCOMPARE(vindue->windowTitle(), QStringLiteral("Mappe egenskaber"));
    QCOMPARE(vindue->EditMappenavn->text(), QStringLiteral("m"));
    QCOMPARE(entry->mainform().processCount, 0);
}

QTEST_MAIN(KlipbordTest)
#include "test_klipbord.moc"
