// The paste engine ("Spørg aldrig", offscreen) against cp and mv on the same data in the same run:
//   paste_bench copy-tree ROOT          100,000 small files in 5,000 folders, against cp -r
//   paste_bench copy-large ROOT         four files of 256 MiB, against cp
//   paste_bench copy-sparse ROOT        a 2 GiB file holding four MiB of data, against cp
//   paste_bench move-xdev ROOT OTHER    that tree moved to another file system, against mv
//   paste_bench stop-latency ROOT       milliseconds from Stop to the end of a 1 GiB copy
#include "boxes/modalseam.h"
#include "bench/common/median.h"
#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "fileops/tdeleteobjekt.h"
#include "fileops/tpasteobjekt.h"
#include "fileops/tprogressform.h"
#include "platform/filedelete.h"
#include "platform/trash.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

QByteArray blok(qint64 stoerrelse)
{
    QByteArray data(stoerrelse, 0);
    for (qint64 i = 0; i < stoerrelse; ++i)
        data[i] = char((quint32(i) * 2654435761u) >> 24);
    return data;
}

void skriv(const QString& sti, const QByteArray& data, int gange = 1)
{
    QFile out(sti);
    if (out.size() == data.size() * gange)
        return;
    out.open(QIODevice::WriteOnly);
    for (int i = 0; i < gange; ++i)
        out.write(data);
}

// 50 folders of 100 folders of 20 files from 200 bytes to 4 KB; made once.
QString traeet(const QString& rod)
{
    const QString trae = rod + QStringLiteral("/kilde/trae");
    if (QFile::exists(rod + QStringLiteral("/kilde/trae.faerdig")))
        return trae;
    const QByteArray data = blok(4096);
    for (int a = 0; a < 50; ++a)
        for (int b = 0; b < 100; ++b) {
            const QString mappe = trae + QStringLiteral("/%1/%2").arg(a).arg(b);
            QDir().mkpath(mappe);
            for (int f = 0; f < 20; ++f)
                skriv(mappe + QStringLiteral("/fil%1.txt").arg(f), data.left(200 + (a * 7 + b * 13 + f * 191) % 3900));
        }
    QFile(rod + QStringLiteral("/kilde/trae.faerdig")).open(QIODevice::WriteOnly);
    return trae;
}

QStringList storeFiler(const QString& rod, int antal, qint64 stoerrelse)
{
    const QString mappe = rod + QStringLiteral("/stor");
    QDir().mkpath(mappe);
    const QByteArray mb = blok(1024 * 1024);
    QStringList filer;
    for (int i = 0; i < antal; ++i) {
        filer << mappe + QStringLiteral("/stor%1-%2.bin").arg(stoerrelse).arg(i);
        skriv(filer.last(), mb, int(stoerrelse / mb.size()));
    }
    return filer;
}

// Empties a folder and writes everything to disk: twice, since the image's own writes reach its
// backing file only through the first sync.
void tom(const QString& mappe)
{
    platform::sletTrae(QFile::encodeName(mappe));
    QDir().mkpath(mappe);
    ::sync();
    ::sync();
}

// A 2 GiB file that holds four ranges of 1 MiB of data, the last at its end, and holes between
// them; made once.
QString hulFil(const QString& rod)
{
    constexpr qint64 mb = 1024 * 1024;
    const QString fil = rod + QStringLiteral("/huller/huller.img");
    QDir().mkpath(QFileInfo(fil).path());
    QFile out(fil);
    if (out.size() == 2048 * mb)
        return fil;
    const QByteArray data = blok(mb);
    out.open(QIODevice::WriteOnly);
    for (const qint64 start : {qint64(0), 600 * mb, 1300 * mb, 2047 * mb}) {
        out.seek(start);
        out.write(data);
    }
    return fil;
}

// Runs a program and waits for it; what it prints on its standard output is not shown.
void koer(const QString& program, const QStringList& args)
{
    QProcess proces;
    proces.setStandardOutputFile(QProcess::nullDevice());
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces.start(program, args);
    if (!proces.waitForFinished(-1) || proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
}

// Gives every run the same page cache: it is dropped, so that no run meets pages left by the one
// before, and what the runs read is read back untimed, the sources and cp's program (by running
// it), as reading from this machine's disk takes from half a second to four times that at random.
// Where the cache cannot be dropped, says so once and goes on with it as it is.
void nulstilCache(const QStringList& kilder)
{
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    static bool sagt = false;
    if (!(drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2 && drop.flush()) && !sagt) {
        std::printf("the page cache could not be dropped (%s); the runs meet it as it is\n",
                    qPrintable(drop.errorString()));
        sagt = true;
    }
    for (const QString& kilde : kilder) {
        QFile in(kilde);
        in.open(QIODevice::ReadOnly);
        while (!in.read(1024 * 1024).isEmpty()) {
        }
    }
    koer(QStringLiteral("cp"), {QStringLiteral("--version")});
}

struct Motor {
    TPasteObjekt paste{QDir::tempPath() + u'/', nullptr};
    Motor()
    {
        paste.IntSpm = TPasteCompo::SpoergAldrig;
        paste.IntPasteMetode = TPasteCompo::Overskriv;
    }
    bool saetInd(const QStringList& mapper, const QStringList& filer, const QString& dest, bool flyt)
    {
        paste.onLoadLister = [&] {
            paste.PasteMapper = mapper;
            paste.PasteFiler = filer;
            paste.ConstDest = dest;
        };
        return flyt ? paste.PasteCutElementer() : paste.PasteElementer();
    }
};

// A copy of the tree at kopi, made untimed before each run.
void nyKopi(const QString& trae, const QString& kopi)
{
    tom(QFileInfo(kopi).path());
    koer(QStringLiteral("cp"), {QStringLiteral("-r"), trae, kopi});
    ::sync();
    ::sync();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 3)
        qFatal("usage: paste_bench copy-tree|copy-large|copy-sparse|move-xdev|stop-latency ROOT [OTHER]");
    const QString art = QString::fromLocal8Bit(argv[1]);
    const QString rod = QString::fromLocal8Bit(argv[2]);
    const QString maal = rod + QStringLiteral("/maal");
    Motor motor;
    // The messages after a Stop are answered at once.
    modalseam::install([](QDialog&) { return int(QDialog::Accepted); });

    if (art == u"copy-tree") {
        const QString trae = traeet(rod);
        udskrivRunder("copy-tree", "cp -r:",
                      runderMs([&] { tom(maal); },
                               [&] { koer(QStringLiteral("cp"), {QStringLiteral("-r"), trae, maal}); },
                               [&] { motor.saetInd({trae}, {}, maal, false); }, 3));
    } else if (art == u"copy-large") {
        const QStringList filer = storeFiler(rod, 4, 256LL * 1024 * 1024);
        const auto forbered = [&] {
            tom(maal);
            nulstilCache(filer);
        };
        udskrivRunder("copy-large", "cp:",
                      runderMs(forbered, [&] { koer(QStringLiteral("cp"), QStringList(filer) << maal); },
                               [&] { motor.saetInd({}, filer, maal, false); }, 7));
    } else if (art == u"copy-sparse") {
        const QString fil = hulFil(rod);
        udskrivRunder("copy-sparse", "cp:",
                      runderMs([&] { tom(maal); }, [&] { koer(QStringLiteral("cp"), {fil, maal}); },
                               [&] { motor.saetInd({}, {fil}, maal, false); }, 9));
    } else if (art == u"move-xdev" && argc > 3) {
        const QString trae = traeet(rod);
        const QString flyttes = rod + QStringLiteral("/flyt/trae");
        const QString andet = QString::fromLocal8Bit(argv[3]) + QStringLiteral("/maal");
        const auto forbered = [&] {
            tom(andet);
            nyKopi(trae, flyttes);
        };
        udskrivRunder("move-xdev", "mv:",
                      runderMs(forbered, [&] { koer(QStringLiteral("mv"), {flyttes, andet}); },
                               [&] { motor.saetInd({flyttes}, {}, andet, true); }, 3));
    } else if (art == u"delete" || art == u"trash") {
        const QString trae = traeet(rod);
        const QString slettes = rod + QStringLiteral("/slet/trae");
        const bool papirkurv = art == u"trash";
        Tinfform info(nullptr);
        Tspform spoergsmaal(nullptr);
        BoksBeskeder beskeder(&info, &spoergsmaal);
        TDeleteObjekt slet(QDir::tempPath() + u'/', nullptr, &beskeder);
        slet.IntSpm = TDeleteObjekt::SpoergAldrig;
        const auto forbered = [&] {
            platform::emptyTrash(rod);
            nyKopi(trae, slettes);
        };
        const auto reference = [&] {
            if (papirkurv)
                koer(QStringLiteral("gio"), {QStringLiteral("trash"), slettes});
            else
                koer(QStringLiteral("rm"), {QStringLiteral("-rf"), slettes});
        };
        udskrivRunder(papirkurv ? "trash" : "delete", papirkurv ? "gio trash:" : "rm -rf:",
                      runderMs(forbered, reference, [&] { slet.DeleteElementer({slettes}, {}, papirkurv); }, 3));
        platform::emptyTrash(rod);
    } else if (art == u"stop-latency") {
        const QStringList fil = storeFiler(rod, 1, 1024LL * 1024 * 1024);
        std::vector<double> ventetider;
        for (int runde = 0; runde < 5; ++runde) {
            tom(maal);
            std::chrono::steady_clock::time_point stop;
            QPushButton* stopKnap = motor.paste.ProgressBox()->stopButton;
            std::thread bruger([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                stop = std::chrono::steady_clock::now();
                QMetaObject::invokeMethod(stopKnap, &QPushButton::click, Qt::QueuedConnection);
            });
            motor.saetInd({}, fil, maal, false);
            const auto slut = std::chrono::steady_clock::now();
            bruger.join();
            if (QFile::exists(maal + QStringLiteral("/") + QFileInfo(fil.first()).fileName()))
                qFatal("the copy was not stopped");
            ventetider.push_back(std::chrono::duration<double, std::milli>(slut - stop).count());
        }
        std::sort(ventetider.begin(), ventetider.end());
        std::printf("stop-latency ms %.1f\n", ventetider[ventetider.size() / 2]);
    } else {
        qFatal("unknown benchmark");
    }
    tom(maal);
    return 0;
}
