#include "app/danskeqttekster.h"
#include "app/fildialog.h"
#include "tests/common/testhome.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTreeView>
#include <QtTest>

// Qt's file dialog as the program shows it speaks Danish and shows its columns whole.
class FildialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { brugDanskeQtTekster(); }
    void danishWordsAndWholeColumns();
};

void FildialogTest::danishWordsAndWholeColumns()
{
    TestHome home;
    home.write(QStringLiteral("valg/a.txt"), "hej\n");
    home.write(QStringLiteral("valg/b.qvmukendt"), QByteArray(2000, '\0'));  // a kind no one knows
    QVERIFY(QDir(home / QStringLiteral("valg")).mkdir(QStringLiteral("undermappe")));
    QFileDialog dialog(nullptr, QStringLiteral("Vælg fil fra disk"), home / QStringLiteral("valg"));
    tilpasFildialog(dialog);
    dialog.show();
    auto* liste = dialog.findChild<QTreeView*>();
    QVERIFY(liste);
    QTRY_COMPARE(liste->model()->rowCount(liste->rootIndex()), 3);
    QCoreApplication::processEvents();

    QHash<QString, QStringList> raekker;
    QStringList tekster;
    for (int r = 0; r < 3; ++r) {
        QStringList celler;
        for (int c = 0; c < liste->model()->columnCount(liste->rootIndex()); ++c)
            celler << liste->model()->index(r, c, liste->rootIndex()).data().toString();
        raekker.insert(celler.first(), celler);
        tekster << celler;
    }
    QCOMPARE(raekker.value("undermappe").value(2), QStringLiteral("Mappe"));
    const QDateTime tid = QFileInfo(home / QStringLiteral("valg/a.txt")).lastModified();
    QCOMPARE(raekker.value("a.txt").value(3), QLocale().toString(tid, QLocale::ShortFormat));
    QCOMPARE(raekker.value("b.qvmukendt").value(1), QLocale().formattedDataSize(2000));
    QCOMPARE(raekker.value("undermappe").value(1), QString());

    for (const QLabel* label : dialog.findChildren<QLabel*>())
        tekster << label->text();
    for (const QAbstractButton* knap : dialog.findChildren<QAbstractButton*>())
        tekster << knap->text() << knap->toolTip();
    for (const QComboBox* boks : dialog.findChildren<QComboBox*>())
        for (int i = 0; i < boks->count(); ++i)
            tekster << boks->itemText(i);
    for (int c = 0; c < liste->model()->columnCount(); ++c)
        tekster << liste->model()->headerData(c, Qt::Horizontal).toString();
    // The English words Qt's dialog is made of; none of them may be left.
    static const QSet<QString> engelske = {"Folder", "File", "Files", "Drive", "Look", "Back", "Forward", "Open", "Cancel",
                                           "Name", "Size", "Date", "Modified", "Kind", "Detail", "List", "View", "Parent",
                                           "Directory", "Create", "New", "All", "Unknown", "Shortcut", "plain", "text",
                                           "document"};
    for (const QString& tekst : std::as_const(tekster))
        for (const QString& ord : tekst.split(QRegularExpression(QStringLiteral("[^\\w]+")), Qt::SkipEmptyParts))
            QVERIFY2(!engelske.contains(ord), qPrintable(tekst));

    // The columns beside the name are as wide as their widest text.
    for (int c = 1; c < liste->model()->columnCount(); ++c)
        QVERIFY2(liste->header()->sectionSize(c) >= static_cast<QAbstractItemView*>(liste)->sizeHintForColumn(c), qPrintable(QString::number(c)));
}

QTEST_MAIN(FildialogTest)
#include "test_fildialog.moc"
