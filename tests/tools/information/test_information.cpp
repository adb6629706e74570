#include "app/elementvinduer.h"
#include "tools/information/infosoegning.h"
#include "tools/information/informationssider.h"
#include "app/programentry.h"
#include "tools/information/tinfoform.h"
#include "app/tmainform.h"
#include "app/traelinjer.h"
#include "tools/information/tstruktur.h"
#include "tools/information/turlform1.h"
#include "platform/textfile.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTextBrowser>
#include <QtTest>

namespace {

Tinfoform* infoform()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* form = qobject_cast<Tinfoform*>(widget))
            return form;
    return nullptr;
}

QString vistSide(Tinfoform* form) { return form ? form->browser()->source().fileName() : QString(); }

QStringList linjer(const QListWidget* liste)
{
    QStringList tekster;
    for (int i = 0; i < liste->count(); ++i)
        tekster.append(liste->item(i)->text());
    return tekster;
}

void side(const QString& folder, const QString& navn, const QString& krop = {})
{
    QVERIFY(platform::writeTextLines(folder + navn + QStringLiteral(".html"),
                                     {QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
                                          .arg(navn, krop.isEmpty() ? navn : krop)}));
}

}  // namespace

class InformationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void treeAndDataFiles();
    void searchFindsWholeWords();
    void searchIgnoresCase_data();
    void searchIgnoresCase();
    void helpSelectsTheNodeAndOpensItsPage();
    void historyList();
    void newWindowLinkStaysInTheWindow();
    void f1ByActiveWindow_data();
    void f1ByActiveWindow();
    void searchPage();
    void externalWindow();
    void internalWindowLendsTheList();
    void shippedPagesAndTree();
    void treeLinesFollowTheOption();

private:
    // The main window with a tree of its own: "Start", "kalender" (page "Kal2"), "A", "B".
    void egenStruktur();
    Tmainform& main() { return entry->mainform(); }
    QAction* handling(const char* navn) const
    {
        Tinfoform* form = infoform();
        return form ? form->findChild<QAction*>(QLatin1String(navn)) : nullptr;
    }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ProgramEntry> entry;
    Informationssider* sider = nullptr;
};

void InformationTest::init()
{
    home = std::make_unique<TestHome>();
    boxes = std::make_unique<ScriptedBoxes>();
    entry = std::make_unique<ProgramEntry>(QStringLiteral(QVM_CONTENT_DIR), QStringList());
    sider = &registrerInformation(main());
    main().opt.TryedBefore = true;
    entry->start();
    main().FormActivate();
}

void InformationTest::cleanup()
{
    entry.reset();
    boxes.reset();
    home.reset();
}

void InformationTest::egenStruktur()
{
    const QString dir = main().folders.strukturDir;
    QVERIFY(platform::writeTextLines(dir + "/struktur.txt", {"Start", "\tkalender", "A", "B"}));
    QVERIFY(platform::writeTextLines(dir + "/data.txt", {"2Start", "0Kal2", "0A", "0B"}));
    for (const char* navn : {"Start", "Kalender", "Kal2", "A", "B", "X", "WMI"})
        side(main().folders.infoDir, QLatin1String(navn));
    sider->LoadStruktur();
}

void InformationTest::treeAndDataFiles()
{
    TStruktur tree;
    tree.Strukturfile = home->path() + "/struktur.txt";
    tree.Datafile = home->path() + "/data.txt";
    QVERIFY(!tree.HentStruktur());

    QVERIFY(platform::writeTextLines(tree.Strukturfile, {"Start", "\tKlip", " Kopier", "Slut"}));
    QVERIFY(tree.HentStruktur());
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->childCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->child(1)->text(0), QStringLiteral("Kopier"));
    // A missing data file is made from the tree: picture 0, page names equal to the texts.
    QCOMPARE(*platform::readTextLines(tree.Datafile), QStringList({"0Start", "0Klip", "0Kopier", "0Slut"}));
    QVERIFY(tree.setSelected("Kopier.html"));
    QVERIFY(!tree.setSelected("Kopier.html"));
    QCOMPARE(tree.SelectedData(), QStringLiteral("Kopier"));
    QVERIFY(!tree.setSelected("kopier.html"));  // page names compare exactly

    QVERIFY(platform::writeTextLines(tree.Datafile, {"0Start", "0Klip", "0Kopier"}));
    QVERIFY(!tree.HentStruktur());
    QCOMPARE(tree.topLevelItemCount(), 0);
    QVERIFY(!tree.fejl().isEmpty());
}

void InformationTest::searchFindsWholeWords()
{
    home->write("sider/Kopier.html", "<p>Kopier filer</p>");
    home->write("sider/Store.html", "<b>KOPIER.</b>");
    home->write("sider/Kopiering.html", "<p>kopiering af filer</p>");
    home->write("sider/Sæt ind.html", "<p>Sæt ind efter kopier</p>");
    home->write("sider/mappe.html/inde.html", "kopier");
    QCOMPARE(findInfoTekst(*home / "sider", "kopier"), QStringList({"Kopier", "Store", "Sæt ind"}));
    QCOMPARE(findInfoTekst(*home / "sider", "sæt IND"), QStringList{"Sæt ind"});
    QCOMPARE(findInfoTekst(*home / "sider", "opier"), QStringList());
    QCOMPARE(findInfoTekst(*home / "mangler", "kopier"), QStringList());
}

void InformationTest::searchIgnoresCase_data()
{
    QTest::addColumn<QString>("ord");
    QTest::addColumn<QStringList>("sider");
    QTest::newRow("ÆBLER") << "ÆBLER" << QStringList{"Frugt", "Æbler"};
    QTest::newRow("æbler") << "æbler" << QStringList{"Frugt", "Æbler"};
    QTest::newRow("Æbler") << "Æbler" << QStringList{"Frugt", "Æbler"};
    QTest::newRow("BLÅBÆR") << "BLÅBÆR" << QStringList{"Frugt"};
    QTest::newRow("øl") << "øl" << QStringList{"Øl"};
    QTest::newRow("müller") << "müller" << QStringList{"Øl"};
    QTest::newRow("é is not e") << "CAFÉ" << QStringList{"Frugt"};
}

// Case is ignored over the whole of Unicode, as "ÆBLER", "æbler" and "Æbler" find the same.
void InformationTest::searchIgnoresCase()
{
    home->write("sider/Æbler.html", "<p>ÆBLER</p>");
    home->write("sider/Frugt.html", "<p>æbler og blåbær på café</p>");
    home->write("sider/Øl.html", "<p>ØL hos MÜLLER, cafe</p>");
    QFETCH(QString, ord);
    QTEST(findInfoTekst(*home / "sider", ord), "sider");
}

void InformationTest::helpSelectsTheNodeAndOpensItsPage()
{
    egenStruktur();
    main().InfoHelp("Kalender.html");
    Tinfoform* form = infoform();
    QVERIFY(form);
    QCOMPARE(sider->informationsStruktur()->currentItem()->text(0), QStringLiteral("kalender"));
    QCOMPARE(vistSide(form), QStringLiteral("Kal2.html"));
    QCOMPARE(main().statusTekst(), QStringLiteral("Kal2"));
    // A page that does not exist leaves the shown page.
    main().InfoHelp("Findes ikke.html");
    QCOMPARE(vistSide(form), QStringLiteral("Kal2.html"));
    QCOMPARE(infoform(), form);  // one window at a time
}

void InformationTest::historyList()
{
    egenStruktur();
    main().InfoHelp("A.html");
    main().InfoHelp("B.html");
    main().InfoHelp("A.html");
    Tinfoform* form = infoform();
    QListWidget* liste = main().findChild<Turlform1*>()->urlListe();
    QCOMPARE(linjer(liste), QStringList({"A", "B"}));
    QCOMPARE(form->urlIndex, 0);
    QCOMPARE(liste->currentRow(), 0);

    // A page that no node names gives an empty line, once.
    main().InfoHelp("X.html");
    main().InfoHelp("B.html");
    main().InfoHelp("X.html");
    QCOMPARE(linjer(liste), QStringList({"A", "B", ""}));
    QCOMPARE(form->urlIndex, 2);

    handling("Aback")->trigger();
    QCOMPARE(vistSide(form), QStringLiteral("B.html"));
    QCOMPARE(form->urlIndex, 1);
    handling("Afirst")->trigger();
    QCOMPARE(vistSide(form), QStringLiteral("A.html"));
    QCOMPARE(linjer(liste), QStringList({"A", "B", ""}));
    QCOMPARE(liste->currentRow(), 0);
    QApplication::processEvents();
    QVERIFY(!handling("Aback")->isEnabled());
    QVERIFY(!handling("Afirst")->isEnabled());
    QVERIFY(handling("Aforward")->isEnabled());
    QVERIFY(handling("Alast")->isEnabled());

    // Going to the line of the page shown keeps the next visit recorded.
    handling("Afirst")->trigger();
    main().InfoHelp("B.html");
    QCOMPARE(form->urlIndex, 1);

    main().findChild<Turlform1*>()->AsletAlle()->trigger();
    QCOMPARE(liste->count(), 0);
    QCOMPARE(form->urlIndex, -1);
}

void InformationTest::newWindowLinkStaysInTheWindow()
{
    egenStruktur();
    side(main().folders.infoDir, "A", "<a href=\"B.html\" target=\"_blank\">Til B</a>");
    main().InfoHelp("A.html");
    Tinfoform* form = infoform();
    QTextBrowser* browser = form->browser();
    QCOMPARE(vistSide(form), QStringLiteral("A.html"));
    QTextCursor link = browser->document()->find("Til B");
    link.setPosition(link.selectionStart() + 2);
    const QPoint punkt = browser->cursorRect(link).center();
    QMouseEvent hen(QEvent::MouseMove, punkt, browser->viewport()->mapToGlobal(punkt), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(browser->viewport(), &hen);
    QCOMPARE(QUrl(form->globalUrl).fileName(), QStringLiteral("B.html"));
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, punkt);
    QCOMPARE(vistSide(form), QStringLiteral("B.html"));
    int vinduer = 0;
    for (QWidget* widget : QApplication::allWidgets())
        vinduer += qobject_cast<QTextBrowser*>(widget) != nullptr;
    QCOMPARE(vinduer, 1);
}

void InformationTest::f1ByActiveWindow_data()
{
    QTest::addColumn<QString>("vindue");  // the active child window's kind
    QTest::addColumn<QString>("side");
    QTest::newRow("none") << "" << "qvmStifinder.html";
    QTest::newRow("clipboard") << "Klipbord" << "Klipbordet.html";
    QTest::newRow("WMI") << "aWmi" << "WMI.html";
    QTest::newRow("other") << "andet" << "";
}

void InformationTest::f1ByActiveWindow()
{
    QFETCH(QString, vindue);
    QFETCH(QString, side);
    egenStruktur();
    if (!vindue.isEmpty()) {
        auto* window = new QWidget;
        window->setObjectName(vindue);
        if (vindue == u"Klipbord")
            setElementType(window, ElementType::Klipbord);
        main().visElement(window);
    }
    main().findChild<QAction*>("aInfo")->trigger();
    if (side.isEmpty())
        QVERIFY(!infoform());
    else
        QCOMPARE(vistSide(infoform()), side);
}

void InformationTest::searchPage()
{
    QAction* aSearch = main().findChild<QAction*>("aSearch");
    auto* EditFind = main().findChild<QLineEdit*>("EditFind");
    QApplication::processEvents();
    QVERIFY(!aSearch->isEnabled());
    EditFind->setText("papirkurven");
    QApplication::processEvents();
    QVERIFY(aSearch->isEnabled());
    QTest::keyClick(EditFind, Qt::Key_Return);
    auto* findis = main().findChild<QListWidget*>("findis");
    QVERIFY(linjer(findis).contains("Slet til papirkurv"));
    findis->setCurrentRow(int(linjer(findis).indexOf("Slet til papirkurv")));
    QTest::keyClick(findis, Qt::Key_Space);
    QCOMPARE(vistSide(infoform()), QStringLiteral("Slet til papirkurv.html"));
}

void InformationTest::externalWindow()
{
    main().opt.openInfo = 1;
    main().InfoHelp("Klip.html");
    Tinfoform* form = infoform();
    QVERIFY(form->isWindow());
    QCOMPARE(form->width(), 650);
    QCOMPARE(form->geometry(), QRect(20, 40, 650, 576));
    QVERIFY(!main().findChild<QGroupBox*>("openInfo")->isEnabled());
    // The topic lists need the history window when the window stands on its own.
    QApplication::processEvents();
    QVERIFY(!handling("infKlipbordet")->isEnabled());
    QVERIFY(handling("infKlipbordet")->text().isEmpty());
    handling("aVisUrlliste")->trigger();
    QApplication::processEvents();
    QVERIFY(handling("infKlipbordet")->isEnabled());
    handling("infKlipbordet")->trigger();
    QCOMPARE(linjer(main().findChild<Turlform1*>()->urlListe()), QStringList({"Klipbordet", "Egenskaber"}));
    QApplication::processEvents();
    handling("Aforward")->trigger();
    QCOMPARE(vistSide(form), QStringLiteral("Klipbordet.html"));

    form->setGeometry(100, 120, 650, 500);
    form->close();
    QVERIFY(!main().findChild<Turlform1*>()->isVisible());
    QCOMPARE(*platform::readTextLines(main().folders.OptMappe + "Information.txt"), QStringList({"100", "120", "500"}));
    QVERIFY(!infoform());
    QVERIFY(main().findChild<QGroupBox*>("openInfo")->isEnabled());
    main().InfoHelp("Klip.html");
    QCOMPARE(infoform()->geometry(), QRect(100, 120, 650, 500));
}

void InformationTest::internalWindowLendsTheList()
{
    main().InfoHelp("Klip.html");
    Tinfoform* form = infoform();
    auto* urlform = main().findChild<Turlform1*>();
    QVERIFY(!form->isWindow());
    QCOMPARE(urlform->urlListe()->window(), main().window());
    QVERIFY(form->isAncestorOf(urlform->urlListe()));
    QApplication::processEvents();
    QVERIFY(handling("infStifinder")->isEnabled());
    QCOMPARE(handling("infStifinder")->text(), QStringLiteral("Stifinder"));
    qobject_cast<QMdiSubWindow*>(form->parentWidget())->close();
    QVERIFY(!infoform());
    QCOMPARE(urlform->urlListe()->parentWidget(), urlform);
    QCOMPARE(linjer(urlform->urlListe()), QStringList{"Klip"});
}

void InformationTest::shippedPagesAndTree()
{
    TStruktur* tree = sider->informationsStruktur();
    QVERIFY(tree->antalNoder() > 0);
    QStringList titler;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        titler.append((*it)->text(0).toLower());
        const QString page = main().folders.infoDir + TStruktur::sidenavn(*it) + ".html";
        QVERIFY2(QFileInfo(page).isFile(), qPrintable(page));
    }
    // The pages that the main window and the explorer open by name.
    for (const char* page : {"Velkommen", "qvmStifinder", "Klipbordet", "Mappestrukturen", "Filstrukturen",
                             "Besøgte mapper", "Favoritmapper", "Favoritfiler", "indstillinger", "Aktuel information",
                             "Andre egenskaber", "Særlige egenskaber", "Genvejstaster", "Programmer med funktioner",
                             "Dos", "Egenskaber1", "Egenskaber2", "Egenskaber3", "Egenskaber4", "Programmer",
                             "Indfører et program", "Program genveje"})
        QVERIFY2(QFileInfo(main().folders.infoDir + QString::fromUtf8(page) + ".html").isFile(), page);
    // The topic lists of the explorer, the clipboard, the file functions and the tools name nodes of the tree.
    main().InfoHelp("Klip.html");
    for (const char* emne : {"infStifinder", "infKlipbordet", "infFunktioner", "infProgrammer"}) {
        handling(emne)->trigger();
        for (const QString& titel : linjer(main().findChild<Turlform1*>()->urlListe()))
            QVERIFY2(titler.contains(titel.toLower()), qPrintable(titel));
    }
}

void InformationTest::treeLinesFollowTheOption()
{
    QApplication::setStyle(new TraeLinjer);
    main().findChild<QAction*>("aVisInfoStruk")->trigger();
    TStruktur* tree = sider->informationsStruktur();
    tree->expandAll();
    const auto billede = [tree] { return tree->viewport()->grab().toImage(); };
    const QImage uden = billede();
    auto* linjer = main().findChild<QCheckBox*>("CheckStrukturLinjer");
    QVERIFY(!linjer->isChecked());
    linjer->click();
    QVERIFY(billede() != uden);
    linjer->click();
    QCOMPARE(billede(), uden);
}

QTEST_MAIN(InformationTest)
#include "test_information.moc"
