// Reading one folder of 51,000 entries into the records the trees are made from, against find.
#include "core/mappelaeser.h"

#include "bench/common/listingdata.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-listing");
    listingdata::make(dir);
    const double find = listingdata::findMs(dir);
    qsizetype entries = 0;
    const double read = medianMs([&] {
        const MappeIndhold indhold = laesMappe(dir, {true, false, false});
        entries = indhold.mapper.size() + indhold.filer.size();
    });
    if (entries != listingdata::files + listingdata::folders) {
        std::fprintf(stderr, "wrong count: read %lld\n", static_cast<long long>(entries));
        return 1;
    }
    std::printf("find -maxdepth 1:        %8.1f ms\n", find);
    std::printf("reading the folder:      %8.1f ms\n", read);
    std::printf("listing ratio %.2f\n", read / find);
    return 0;
}
