#include "app/genvejslister.h"
#include "app/programentry.h"
#include "app/tmainform.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/information/informationssider.h"
#include "tools/information/tinfoform.h"
#include "tools/information/tstruktur.h"

#include <QAction>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The inner pages of "Program genveje" in order: the action that turns to the page and its list.
const char* const sider[][2] = {{"visGT1", "ListeGenvejstaster2"},
                                {"visGT2", "ListeGenvejstaster4"},
                                {"visGT3", "ListeGenvejstaster1"},
                                {"visGT4", "ListeGenvejstaster3"}};

enum class Maade { Return, Enter, Mellemrum, Dobbeltklik };

const QString annullerKopiering =
    QStringLiteral("Tømmer klipbordet for alle valgte mapper og filer.\r"
                   "Kan benyttes, hvis klip eller kopiering skal annulleres.");
const QString ikkeAnvendt = QStringLiteral("Bogstavet er ikke anvendt til genveje.");

QStringList taster(const QTreeWidget* liste)
{
    QStringList tekster;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        tekster.append(liste->topLevelItem(i)->text(0));
    return tekster;
}

}  // namespace

Q_DECLARE_METATYPE(Maade)

class GenvejslisterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listsOnTheirPages_data();
    void listsOnTheirPages();
    void ctrlListHasEveryLetterButW();
    void explainsTheSelectedRow_data();
    void explainsTheSelectedRow();
    void withoutSelectedRowNothingHappens();
    void everyNamedPageIsShippedWithItsNode();

private:
    Tmainform& main() { return entry->mainform(); }
    // Turns the left panel to the list's page; the list.
    QTreeWidget* visListe(const QString& navn);
    QString vistSide() const
    {
        auto* form = entry->mainform().findChild<Tinfoform*>();
        return form ? form->browser()->source().fileName() : QString();
    }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    Informationssider* hjaelp = nullptr;
};

void GenvejslisterTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    hjaelp = &registrerInformation(main());
    main().opt.TryedBefore = true;
    entry->start();
    main().FormActivate();
    boxes->shown.clear();
}

void GenvejslisterTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

QTreeWidget* GenvejslisterTest::visListe(const QString& navn)
{
    for (const auto& [handling, liste] : sider)
        if (navn == QLatin1String(liste))
            main().hovedhandling(QLatin1String(handling))->trigger();
    auto* liste = main().findChild<QTreeWidget*>(navn);
    liste->setFocus();
    return liste;
}

void GenvejslisterTest::listsOnTheirPages_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("fane");
    QTest::addColumn<QString>("tastKolonne");
    QTest::addColumn<QStringList>("taster");  // the first and the last key
    QTest::addColumn<int>("antal");
    QTest::newRow("Funktioner") << 0 << "Funktioner" << "Genvej" << QStringList{"Ctrl+Z", "Ctrl+Alt+O"} << 13;
    QTest::newRow("Programmer") << 1 << "Programmer" << "Ctrl+" << QStringList{"0", "9"} << 10;
    QTest::newRow("F taster") << 2 << "F taster" << "Tast" << QStringList{"F1", "F10"} << 10;
    QTest::newRow("Ctrl+") << 3 << "Ctrl+" << "Tast" << QStringList{"A", "Z"} << 25;
}

void GenvejslisterTest::listsOnTheirPages()
{
    QFETCH(int, side);
    QFETCH(QString, fane);
    QFETCH(QString, tastKolonne);
    QFETCH(QStringList, taster);
    QFETCH(int, antal);
    QTreeWidget* liste = visListe(QLatin1String(sider[side][1]));
    auto* genvejsBog = main().findChild<QTabWidget*>("genvejsBog");
    QCOMPARE(genvejsBog->currentIndex(), side);
    QCOMPARE(genvejsBog->tabText(side), fane);
    QVERIFY(liste->isVisible());
    QCOMPARE(liste->headerItem()->text(0), tastKolonne);
    QCOMPARE(liste->headerItem()->text(1), QStringLiteral("Funktion"));
    QCOMPARE(liste->topLevelItemCount(), antal);
    QCOMPARE(liste->topLevelItem(0)->text(0), taster.first());
    QCOMPARE(liste->topLevelItem(antal - 1)->text(0), taster.last());
    for (int i = 0; i < antal; ++i) {
        QVERIFY(!liste->topLevelItem(i)->icon(0).isNull());
        QVERIFY(!(liste->topLevelItem(i)->flags() & Qt::ItemIsEditable));
    }
    // The action that turns to the last page keeps its own caption.
    QCOMPARE(main().hovedhandling("visGT4")->text(), QStringLiteral("Ctrl+Bogstav"));
}

void GenvejslisterTest::ctrlListHasEveryLetterButW()
{
    QStringList bogstaver;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (c != 'W')
            bogstaver.append(QString(QLatin1Char(c)));
    QCOMPARE(taster(visListe("ListeGenvejstaster3")), bogstaver);
}

void GenvejslisterTest::explainsTheSelectedRow_data()
{
    QTest::addColumn<QString>("liste");
    QTest::addColumn<QString>("tast");
    QTest::addColumn<Maade>("maade");
    QTest::addColumn<QString>("side");   // the page opened, or
    QTest::addColumn<QString>("tekst");  // the text the information box says
    QTest::newRow("Ctrl+Z, Return") << "ListeGenvejstaster2" << "Ctrl+Z" << Maade::Return << "" << annullerKopiering;
    QTest::newRow("Z, Mellemrum") << "ListeGenvejstaster3" << "Z" << Maade::Mellemrum << "" << annullerKopiering;
    QTest::newRow("B, Return") << "ListeGenvejstaster3" << "B" << Maade::Return << "" << ikkeAnvendt;
    QTest::newRow("J, Enter") << "ListeGenvejstaster3" << "J" << Maade::Enter << "" << ikkeAnvendt;
    QTest::newRow("L, Mellemrum") << "ListeGenvejstaster3" << "L" << Maade::Mellemrum << "" << ikkeAnvendt;
    QTest::newRow("Y, Dobbeltklik") << "ListeGenvejstaster3" << "Y" << Maade::Dobbeltklik << "" << ikkeAnvendt;
    QTest::newRow("Ctrl+X, Dobbeltklik") << "ListeGenvejstaster2" << "Ctrl+X" << Maade::Dobbeltklik << "Klip.html" << "";
    QTest::newRow("Ctrl+E, Return") << "ListeGenvejstaster2" << "Ctrl+E" << Maade::Return << "Mappe egenskaber.html"
                                    << "";
    QTest::newRow("Ctrl+Alt+O, Mellemrum")
        << "ListeGenvejstaster2" << "Ctrl+Alt+O" << Maade::Mellemrum << ""
        << "Skifter opdateringsmetode for funktionerne.\rRød: blokerer funktioner\rBlå: blokerer ikke funktioner.";
    QTest::newRow("3, Return") << "ListeGenvejstaster4" << "3" << Maade::Return << "Indfør programmer.html" << "";
    QTest::newRow("8, Dobbeltklik") << "ListeGenvejstaster4" << "8" << Maade::Dobbeltklik << "WMI.html" << "";
    QTest::newRow("F1, Enter") << "ListeGenvejstaster1" << "F1" << Maade::Enter << "qvmStifinder.html" << "";
    QTest::newRow("F5, Return") << "ListeGenvejstaster1" << "F5" << Maade::Return << ""
                                << "Opdaterer mappestrukturen med aktuelle drev for valgte mappe.\rValgte mappe udfoldes, "
                                   "hvis den indeholder mapper.\rAlle registrerede drev medtages.";
    QTest::newRow("K, Return") << "ListeGenvejstaster3" << "K" << Maade::Return << ""
                               << "Filer kan åbnes eller køres ved denne funktion, hvis der findes programmer dertil på "
                                  "computeren der er registreret af styresystemet som anvendelige dertil.\r\rFunktionen "
                                  "kan også aktiveres ved \"Ctrl+K\".\r\rHvis der er indført programmer hertil kan filer "
                                  "også køres ved funktionen \"Program\" med genvejen \"Ctrl+P\".";
    QTest::newRow("T, Mellemrum") << "ListeGenvejstaster3" << "T" << Maade::Mellemrum << "Opret mappestrukturer.html"
                                  << "";
}

void GenvejslisterTest::explainsTheSelectedRow()
{
    QFETCH(QString, liste);
    QFETCH(QString, tast);
    QFETCH(Maade, maade);
    QFETCH(QString, side);
    QFETCH(QString, tekst);
    QTreeWidget* view = visListe(liste);
    QTreeWidgetItem* raekke = view->findItems(tast, Qt::MatchExactly).value(0);
    QVERIFY(raekke);
    switch (maade) {
    case Maade::Dobbeltklik: {
        // A double click arrives as a click and then the second press.
        const QPoint punkt = view->visualItemRect(raekke).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, punkt);
        break;
    }
    case Maade::Return:
    case Maade::Enter:
    case Maade::Mellemrum:
        view->setCurrentItem(raekke);
        QTest::keyClick(view,
                        maade == Maade::Return  ? Qt::Key_Return
                        : maade == Maade::Enter ? Qt::Key_Enter
                                                : Qt::Key_Space,
                        maade == Maade::Enter ? Qt::KeypadModifier : Qt::NoModifier);
        break;
    }
    QCOMPARE(boxes->texts(), tekst.isEmpty() ? QStringList() : QStringList{tekst});
    QCOMPARE(vistSide(), side);
}

void GenvejslisterTest::withoutSelectedRowNothingHappens()
{
    for (const auto& [handling, navn] : sider) {
        QTreeWidget* liste = visListe(QLatin1String(navn));
        QTest::keyClick(liste, Qt::Key_Return);
        QTest::keyClick(liste, Qt::Key_Space);
        // A current row that is not selected is no selected row.
        liste->setCurrentItem(liste->topLevelItem(0));
        liste->clearSelection();
        QTest::keyClick(liste, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(liste, Qt::Key_Space);
        QVERIFY2(boxes->shown.isEmpty(), navn);
        QVERIFY2(vistSide().isEmpty(), navn);
    }
}

void GenvejslisterTest::everyNamedPageIsShippedWithItsNode()
{
    // The pages the lists name, and those the left panel opens for the program list and these lists.
    QStringList navne = {"Programmer.html", "Indfør programmer.html", "Indfører et program.html",
                         "Program genveje.html"};
    for (const Genvejsliste& liste : genvejslister())
        for (const Genvejstast& tast : liste.taster)
            if (!tast.side.isEmpty())
                navne.append(tast.side);
    navne.removeDuplicates();
    const QString tekstfiler = QStringLiteral(QVM_CONTENT_DIR "/Stifinder/tekstfiler/");
    TStruktur* tree = hjaelp->informationsStruktur();
    for (const QString& navn : navne) {
        QVERIFY2(QFileInfo(tekstfiler + navn).isFile(), qPrintable(navn));
        // The help opens the page through the first node of that name, which must lead to the page itself.
        const QString sidenavn = QFileInfo(navn).completeBaseName();
        QTreeWidgetItemIterator node(tree);
        while (*node && (*node)->text(0).compare(sidenavn, Qt::CaseInsensitive) != 0)
            ++node;
        QVERIFY2(*node, qPrintable(navn));
        QCOMPARE(TStruktur::sidenavn(*node), sidenavn);
    }
}

QTEST_MAIN(GenvejslisterTest)
#include "test_genvejslister.moc"
