// Filling the folder-and-file tree with one folder of 51,000 entries, against find listing it.
#include "tree/tstrukturcompo.h"

#include "bench/common/listingdata.h"

#include <QApplication>
#include <QTreeWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-listing");
    listingdata::make(dir);
    const double find = listingdata::findMs(dir);
    QTreeWidget struktur1;
    QTreeWidget struktur2;
    TStrukturCompo compo;
    compo.setStruktur1(&struktur1);
    compo.setStruktur2(&struktur2);
    const double fill = medianMs([&] { compo.makeStruktur2(dir); });
    if (struktur2.topLevelItemCount() != listingdata::files + listingdata::folders) {
        std::fprintf(stderr, "wrong count: tree %d\n", struktur2.topLevelItemCount());
        return 1;
    }
    std::printf("find -maxdepth 1:        %8.1f ms\n", find);
    std::printf("filling the tree:        %8.1f ms\n", fill);
    std::printf("treefill ratio %.2f\n", fill / find);
    return 0;
}
