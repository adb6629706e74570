// Copies four files of 256 MiB with the program's file copy and with cp, in the same run on the
// same file system, and prints the ratio of the medians.
#include "bench/common/median.h"
#include "platform/filecopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>

namespace {

constexpr int filer = 4;
constexpr qint64 stoerrelse = 256LL * 1024 * 1024;

void lavData(const QString& kilde)
{
    QDir().mkpath(kilde);
    QByteArray blok(1024 * 1024, 0);
    for (int i = 0; i < blok.size(); ++i)
        blok[i] = char((i * 2654435761u) >> 24);
    for (int f = 0; f < filer; ++f) {
        QFile out(kilde + QStringLiteral("/stor%1.bin").arg(f));
        if (out.size() == stoerrelse)
            continue;
        out.open(QIODevice::WriteOnly);
        for (qint64 skrevet = 0; skrevet < stoerrelse; skrevet += blok.size())
            out.write(blok);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString rod = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-copy-large");
    const QString kilde = rod + QStringLiteral("/kilde");
    const QString maal = rod + QStringLiteral("/maal");
    lavData(kilde);
    const QStringList navne = QDir(kilde).entryList(QDir::Files);
    const auto nyMaal = [&] {
        QDir(maal).removeRecursively();
        QDir().mkpath(maal);
    };
    const double cp = medianMs(
        [&] {
            nyMaal();
            QStringList args;
            for (const QString& navn : navne)
                args.append(kilde + u'/' + navn);
            args.append(maal);
            QProcess::execute(QStringLiteral("cp"), args);
        },
        5);
    const double vores = medianMs(
        [&] {
            nyMaal();
            for (const QString& navn : navne)
                platform::kopierFil(kilde + u'/' + navn, maal + u'/' + navn, false, [](qint64, qint64) { return true; });
        },
        5);
    QDir(maal).removeRecursively();
    std::printf("cp:                     %8.1f ms\n", cp);
    std::printf("file copy:              %8.1f ms\n", vores);
    std::printf("copy-large ratio %.2f\n", vores / cp);
    return 0;
}
