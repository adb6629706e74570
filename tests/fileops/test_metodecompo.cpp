#include "fileops/tmetodecompo.h"
#include "tests/common/traefixture.h"
#include "tree/tstrukturcompo.h"

#include <QDir>
#include <QtTest>

namespace {

// A method component on two trees in a home of its own, with the boxes scripted.
struct Fixture : TraeFixture {
    Fixture()
    {
        metode.setBeskeder(&beskeder);
        metode.StrukturY().setStruktur1(&struktur1);
        metode.StrukturY().setStruktur2(&struktur2);
        metode.StrukturY().setBeskeder(&beskeder);
    }
    QTreeWidgetItem* vaelg(QTreeWidget& tree, const QString& caption)
    {
        QTreeWidgetItem* item = tree.findItems(caption, Qt::MatchExactly).value(0);
        tree.clearSelection();
        tree.setCurrentItem(item);
        if (item)
            item->setSelected(true);
        return item;
    }

    TMetodeCompo metode;
};

}  // namespace

class MetodeCompoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newFolders();
    void destinationAndSelection();
    void renamesThatMustNotHappen();
    void emptyingTheTrash();
};

void MetodeCompoTest::newFolders()
{
    Fixture f;
    f.home.make({"p/Ny mappe/", "p/Ny mappe Kopi (1)/", "p/fil.txt"});
    TStrukturCompo& compo = f.metode.StrukturY();
    compo.setAktiveStruktur(2);
    compo.makeStruktur2(f.home / "p");
    f.struktur2.clearSelection();
    QCOMPARE(f.metode.OpretNyMappe(QString()), f.home / "p/Ny mappe Kopi (2)");
    QCOMPARE(f.metode.OpretNyMappe("Egen"), f.home / "p/Egen");
    QVERIFY(QFileInfo(f.home / "p/Egen").isDir());
    QCOMPARE(f.metode.OpretNyMappe("a/b"), QString());
    QCOMPARE(f.boxes.texts(), QStringList{"Der kunne ikke oprettes en ny mappe.\nDer opstod en fejl."});
    // A selected folder in the folder-and-file tree makes its parent the base.
    compo.makeStruktur2(f.home / "p");
    compo.setMappenavn(f.home / "p/Egen");
    QVERIFY(f.vaelg(f.struktur2, "Egen"));
    QCOMPARE(f.metode.OpretNyMappe("Under"), f.home / "p/Under");
}

void MetodeCompoTest::destinationAndSelection()
{
    Fixture f;
    f.home.make({"d/m/", "d/f.txt"});
    TStrukturCompo& compo = f.metode.StrukturY();
    compo.setAktiveStruktur(2);
    compo.makeStruktur2(f.home / "d");
    f.struktur2.clearSelection();
    QCOMPARE(f.metode.getDestination(), f.home / "d");
    f.vaelg(f.struktur2, "m");
    QCOMPARE(f.metode.getDestination(), f.home / "d/m");
    f.vaelg(f.struktur2, "f.txt");
    QCOMPARE(f.metode.getDestination(), f.home / "d");
    f.struktur2.clearSelection();
    QVERIFY(f.metode.SelectMappe(f.home / "d/m"));
    QCOMPARE(f.struktur2.currentItem()->text(0), QStringLiteral("m"));
    QVERIFY(!f.metode.SelectMappe(f.home / "d/væk"));
    compo.setAktiveStruktur(3);
    QCOMPARE(f.metode.getDestination(), QString());
}

void MetodeCompoTest::renamesThatMustNotHappen()
{
    Fixture f;
    f.home.make({"r/Foto/", "r/a.txt"});
    TStrukturCompo& compo = f.metode.StrukturY();
    compo.setAktiveStruktur(2);
    compo.makeStruktur2(f.home / "r");
    QTreeWidgetItem* foto = f.vaelg(f.struktur2, "Foto");
    QCOMPARE(f.metode.RenameMappe("Foto", "Foto", foto), QStringLiteral("Foto"));
    // A name with a slash would move the folder elsewhere: it is refused.
    QCOMPARE(f.metode.RenameMappe("Foto", "../ude", foto), QStringLiteral("Foto"));
    QVERIFY(QFileInfo(f.home / "r/Foto").isDir());
    QVERIFY(!QFileInfo::exists(f.home / "ude"));
    // Renaming to another case is a real rename on this file system.
    QCOMPARE(f.metode.RenameMappe("Foto", "foto", foto), QStringLiteral("foto"));
    QVERIFY(QFileInfo(f.home / "r/foto").isDir());
    // A file renamed in the folder tree, or with no name, stays as it was.
    compo.setAktiveStruktur(1);
    QCOMPARE(f.metode.RenameFil("a.txt", "b.txt", f.struktur2.findItems("a.txt", Qt::MatchExactly).value(0)),
             QStringLiteral("a.txt"));
    QVERIFY(QFileInfo(f.home / "r/a.txt").isFile());
    QCOMPARE(f.boxes.texts(), QStringList({"Elementet kunne ikke omdøbes.\nDer opstod en fejl.",
                                           "Der opstod en fejl ved omdøbning af fil."}));
}

void MetodeCompoTest::emptyingTheTrash()
{
    Fixture f;
    f.home.write(".local/share/Trash/files/gammel.txt", "x");
    f.home.write(".local/share/Trash/files/mappe/inde.txt", "x");
    f.home.write(".local/share/Trash/info/gammel.txt.trashinfo", "[Trash Info]\n");
    f.home.write("bevar/vigtig.txt", "behold");
    QVERIFY(QFile::link(f.home / "bevar", f.home / ".local/share/Trash/files/link til bevar"));
    const QString drive = f.home.path();

    f.boxes.answer(QDialog::Rejected);
    QCOMPARE(f.metode.EmptyRecycleBin(true, drive), 0);
    QVERIFY(QFileInfo::exists(f.home / ".local/share/Trash/files/gammel.txt"));

    f.boxes.answer(QDialog::Accepted);
    QCOMPARE(f.metode.EmptyRecycleBin(true, drive), 0);
    QVERIFY(QDir(f.home / ".local/share/Trash/files").isEmpty());
    QVERIFY(QDir(f.home / ".local/share/Trash/info").isEmpty());
    QVERIFY(QFileInfo::exists(f.home / "bevar/vigtig.txt"));  // a link in the trash is never followed
    QVERIFY(f.boxes.texts().first().startsWith("Skal papirkurven for drevet"));
}

QTEST_MAIN(MetodeCompoTest)
#include "test_metodecompo.moc"
