// thumbs: the panel's reading of 200 camera photographs (4000 x 3000) into 256 x 256 thumbnails,
// against vipsthumbnail in two processes over halves of the same files (one per core, as our
// panel uses one worker per core).
#include "../common/median.h"
#include "billeddata.h"
#include "tests/common/panelmaaling.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <unistd.h>

namespace {

bool vipsthumbnail(const QStringList& filer, const QString& ud)
{
    QList<QProcess*> processer;
    const qsizetype halv = filer.size() / 2;
    for (const QStringList& del : {filer.mid(0, halv), filer.mid(halv)}) {
        auto* p = new QProcess;
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert(QStringLiteral("VIPS_CONCURRENCY"), QStringLiteral("1"));
        p->setProcessEnvironment(miljoe);
        p->start(QStringLiteral("vipsthumbnail"), QStringList{"-s", "256x256", "-o", ud + "/%s.jpg"} + del);
        processer << p;
    }
    bool ok = true;
    for (QProcess* p : processer) {
        ok = p->waitForFinished(-1) && p->exitCode() == 0 && ok;
        delete p;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const QString rod = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-thumbs");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(rod + "/cache"));
    QApplication app(argc, argv);
    std::printf("making the pictures once in %s ...\n", qPrintable(rod));
    std::fflush(stdout);
    const QStringList fotos = billeddata::sikrFotos(rod + "/jpg", 200, 4000, 3000, 20);
    const QString alle = rod + "/alle";
    billeddata::sikrAndre(alle, 10, 10, 10);
    for (const QString& foto : fotos)
        ::link(QFile::encodeName(foto).constData(), QFile::encodeName(alle + u'/' + QFileInfo(foto).fileName()).constData());
    const QString ud = rod + "/vips";
    QDir().mkpath(ud);
    const auto toemCache = [&] { QDir(rod + "/cache").removeRecursively(); };

    const auto runder = runderMs(
        toemCache,
        [&] {
            if (!vipsthumbnail(fotos, ud))
                std::printf("vipsthumbnail failed\n");
        },
        [&] {
            PanelMaaling panel(PanelMaaling::til(QSize(256, 256), 1, 1), 1, 1);
            panel.laes(rod + "/jpg");
        },
        5);

    // Every kind in one folder (PNG passed over), then again from the cache the first reading wrote.
    toemCache();
    double kold = 0;
    double varm = 0;
    {
        PanelMaaling panel(PanelMaaling::til(QSize(256, 256), 1, 1), 1, 1);
        kold = panel.laes(alle);
        const QString large = rod + "/cache/thumbnails/large";
        for (int i = 0; i < 6000 && QDir(large).entryList(QDir::Files).size() < 220; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    }
    {
        PanelMaaling panel(PanelMaaling::til(QSize(256, 256), 1, 1), 1, 1);
        varm = panel.laes(alle);
        if (panel.pan.Poster().size() != 220)
            std::printf("read %lld pictures, not 220\n", qlonglong(panel.pan.Poster().size()));
    }
    std::printf("all kinds (200 jpg, 10 bmp, 10 ico, 10 png passed over): %.1f ms, warm cache: %.1f ms\n", kold, varm);
    std::printf("peak RSS: %.0f MB\n", billeddata::topRssMb());
    udskrivRunder("thumbs", "vipsthumbnail:", runder);
    return 0;
}
