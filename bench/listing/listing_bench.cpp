// Reading one folder of 51,000 entries into the records the trees are made from, in name order,
// against find.
#include "core/mappelaeser.h"
#include "core/navneorden.h"

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
    // The share of the name order in the reading: the files sorted again from the reverse order.
    const QList<StrukturEntry> filer = laesMappe(dir, {true, false, false}).filer;
    const double sort = medianMs([&] {
        QList<StrukturEntry> omvendt(filer.crbegin(), filer.crend());
        sorterNavne(omvendt);
    });
    if (entries != listingdata::files + listingdata::folders) {
        std::fprintf(stderr, "wrong count: read %lld\n", static_cast<long long>(entries));
        return 1;
    }
    std::printf("find -maxdepth 1:        %8.1f ms\n", find);
    std::printf("reading the folder:      %8.1f ms\n", read);
    std::printf("  of which name order:   %8.1f ms (the files alone)\n", sort);
    std::printf("listing ratio %.2f\n", read / find);
    return 0;
}
