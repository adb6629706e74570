#include "fileops/texistsform.h"
#include "fileops/tkopieringsform.h"
#include "boxes/modalseam.h"
#include "platform/textfile.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QRadioButton>
#include <QtTest>

class DialogerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { modalseam::install({}); }
    void confirmationShowsWhatAndWhere();
    void widthRules();
    void conflictChoiceStaysAndSetsOverwrite();
};

void DialogerTest::confirmationShowsWhatAndWhere()
{
    TestHome home;
    QMainWindow main;
    Tkopieringsform form(home.path() + "/", &main);
    QStringList vist;
    int svar = QDialog::Accepted;
    modalseam::install([&](QDialog& box) {
        vist << box.windowTitle() << box.findChild<QLabel*>("LabelSpm")->text()
             << box.findChild<QLineEdit*>("EditDest")->text()
             << QString::number(box.findChild<QListWidget*>("mappeBox")->count())
             << QString::number(box.findChild<QListWidget*>("filBox")->count());
        return svar;
    });
    QVERIFY(form.skalElementerKopieres("/maal", false, {"/a", "/b"}, {"/m"}));
    svar = QDialog::Rejected;
    QVERIFY(!form.skalElementerKopieres("/maal", true, {}, {"/m"}));
    QVERIFY(!form.skalElementerSlettes({"/a"}, {}, false));
    QCOMPARE(vist, QStringList({"Kopiering af elementer", "Skal valgte elementer kopieres?", "/maal", "1", "2",
                                "Flytning af elementer", "Skal valgte elementer flyttes?", "/maal", "1", "0",
                                "Sletning af elementer", "Skal udvalgte elementer slettes?",
                                "Ingen: Elementerne slettes permanent.", "0", "1"}));
}

void DialogerTest::widthRules()
{
    TestHome home;
    QVERIFY(platform::writeTextLines(home / "Spm_kopiering.txt", {"1700", "300"}));
    QMainWindow main;
    Tkopieringsform form(home.path() + "/", &main);
    form.show();
    QCOMPARE(form.width(), 1700);
    form.aUdfoldExecute();  // 1700 is not below 1675
    QCOMPARE(form.width(), 1700);
    form.aSammenfoldExecute();
    QCOMPARE(form.width(), 1560);
    QCOMPARE(form.mappePanelBredde(), (1560 - 21) / 2);
    for (int i = 0; i < 20; ++i)
        form.aSammenfoldExecute();
    QCOMPARE(form.width(), 415);  // never narrower than 415
    form.aUdfoldExecute();
    QCOMPARE(form.width(), 555);
}

void DialogerTest::conflictChoiceStaysAndSetsOverwrite()
{
    QMainWindow main;
    TExistsForm form(&main);
    QList<int> valg = {TExistsForm::SpoergHverGang, TExistsForm::OpretKopier, -1};
    QList<bool> overskrivVedVisning;
    modalseam::install([&](QDialog& box) {
        overskrivVedVisning.append(box.findChild<QCheckBox*>("checkOverskriv")->isChecked());
        const int id = valg.takeFirst();
        if (id >= 0)
            box.findChild<QGroupBox*>("resultBox")->findChildren<QRadioButton*>().at(id)->click();
        return int(QDialog::Accepted);
    });
    bool overskriv = false;
    QCOMPARE(form.spoerg("/m", "a.txt", overskriv), int(TExistsForm::SpoergHverGang));
    QVERIFY(overskriv);
    QCOMPARE(form.spoerg("/m", "b.txt", overskriv), int(TExistsForm::OpretKopier));
    QVERIFY(!overskriv);
    // The choice stays for the next showing, with its check box.
    QCOMPARE(form.spoerg("/m", "c.txt", overskriv), int(TExistsForm::OpretKopier));
    QCOMPARE(overskrivVedVisning, QList<bool>({true, true, false}));
}

QTEST_MAIN(DialogerTest)
#include "test_dialoger.moc"
