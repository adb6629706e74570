// Counts a tree of 100,000 files in 100 folders as the clipboard's size calculation does, and
// compares it with `du -sb` on the same tree in the same run.
#include "core/stoerrelser.h"

#include "bench/common/median.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int folders = 100;
constexpr int filesPerFolder = 1000;

void makeData(const QString& dir)
{
    for (int f = 0; f < folders; ++f) {
        const QString folder = dir + QStringLiteral("/mappe %1").arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < filesPerFolder; ++i) {
            const QByteArray path = QFile::encodeName(folder + QStringLiteral("/fil %1.txt").arg(i));
            const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
            [[maybe_unused]] const auto written = ::write(fd, "qvm", size_t(i % 4));
            ::close(fd);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-sizecalc");
    MappeOptaelling check;
    getMappeInfo(dir, check);
    if (check.filer != qint64(folders) * filesPerFolder) {
        QDir(dir).removeRecursively();
        makeData(dir);
    }
    const double du = medianMs([&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("du"), {QStringLiteral("-sb"), dir});
        process.waitForFinished(-1);
    });
    MappeOptaelling optaelling;
    const double ours = medianMs([&] {
        optaelling = {};
        getMappeInfo(dir, optaelling);
    });
    std::printf("du -sb:                 %8.1f ms\n", du);
    std::printf("size calculation:       %8.1f ms  (%lld folders, %lld files, %lld bytes)\n", ours,
                static_cast<long long>(optaelling.mapper), static_cast<long long>(optaelling.filer),
                static_cast<long long>(optaelling.bytes));
    std::printf("sizecalc ratio %.2f\n", ours / du);
    return 0;
}
