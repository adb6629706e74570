// Reads a folder of 50,000 files and 1,000 folders, alone and into the folder-and-file tree, and
// compares both with `find DIR -maxdepth 1 -printf ''` on the same folder in the same run.
#include "core/mappelaeser.h"
#include "tree/tstrukturcompo.h"

#include "bench/common/median.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTreeWidget>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int files = 50000;
constexpr int folders = 1000;

void makeData(const QString& dir)
{
    QDir().mkpath(dir);
    for (int i = 0; i < folders; ++i)
        QDir().mkdir(dir + QStringLiteral("/mappe %1").arg(i));
    for (int i = 0; i < files; ++i) {
        const QByteArray path = QFile::encodeName(dir + QStringLiteral("/fil %1.txt").arg(i));
        ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0644));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-listing");
    if (QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() != files + folders) {
        QDir(dir).removeRecursively();
        makeData(dir);
    }

    const double find = medianMs([&] {
        QProcess process;
        process.start(QStringLiteral("find"), {dir, QStringLiteral("-maxdepth"), QStringLiteral("1"),
                                               QStringLiteral("-printf"), QString()});
        process.waitForFinished(-1);
    });
    qsizetype entries = 0;
    const double read = medianMs([&] {
        const MappeIndhold indhold = laesMappe(dir, {true, false, false});
        entries = indhold.mapper.size() + indhold.filer.size();
    });
    QTreeWidget struktur1;
    QTreeWidget struktur2;
    TStrukturCompo compo;
    compo.setStruktur1(&struktur1);
    compo.setStruktur2(&struktur2);
    const double fill = medianMs([&] { compo.makeStruktur2(dir); });
    if (entries != files + folders || struktur2.topLevelItemCount() != files + folders) {
        std::fprintf(stderr, "wrong count: read %lld, tree %d\n", static_cast<long long>(entries),
                     struktur2.topLevelItemCount());
        return 1;
    }
    std::printf("find -maxdepth 1:        %8.1f ms\n", find);
    std::printf("reading the folder:      %8.1f ms  ratio %.2f\n", read, read / find);
    std::printf("filling the tree:        %8.1f ms  ratio %.2f\n", fill, fill / find);
    std::printf("listing ratio %.2f\n", fill / find);
    return 0;
}
