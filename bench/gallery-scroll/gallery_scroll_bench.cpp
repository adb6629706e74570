// gallery-scroll: 2,000 pictures in the panel at 4 x 6 and 2 x 2 fields, paged with Page Down and
// moved by the shaft: the time of each page's repaint (its 99th percentile) and the peak memory,
// which the picture list's budget holds down by remaking far pages as they come near.
#include "../thumbs/billeddata.h"
#include "tests/common/panelmaaling.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <unistd.h>

namespace {

// The time of one whole repaint, after the events that paging started have been handled.
double maalMaling(TBibPan& pan)
{
    QCoreApplication::processEvents();
    QElapsedTimer ur;
    ur.start();
    pan.repaint();
    return ur.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    const QString rod = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-gallery-scroll");
    QApplication app(argc, argv);
    std::printf("making the pictures once in %s ...\n", qPrintable(rod));
    std::fflush(stdout);
    // 20 photographs, each under 100 names.
    const QStringList fotos = billeddata::sikrFotos(rod + "/kilder", 20, 1600, 1200, 2);
    const QString mappe = rod + "/billeder";
    QDir().mkpath(mappe);
    for (int i = 0; i < 2000; ++i)
        ::link(QFile::encodeName(fotos[i % 20]).constData(),
               QFile::encodeName(mappe + QStringLiteral("/b%1.jpg").arg(i, 4, 10, QChar(u'0'))).constData());

    std::vector<double> tider;
    for (const QSize gitter : {QSize(4, 6), QSize(2, 2)}) {
        PanelMaaling panel(QSize(1000, 800), gitter.width(), gitter.height());
        panel.pan.BrugCache = false;
        const double laest = panel.laes(mappe);
        std::printf("%d x %d: read in %.0f ms, thumbnails %.0f MB\n", gitter.width(), gitter.height(), laest,
                    panel.liste.Bytes() / 1048576.0);
        for (int side = 0; side * panel.pan.Antal() < 2000; ++side) {
            QKeyEvent tast(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            QApplication::sendEvent(&panel.pan, &tast);
            tider.push_back(maalMaling(panel.pan));
        }
        // The shaft dragged to places all over the folder.
        auto* tilfaeldig = QRandomGenerator::global();
        for (int i = 0; i < 200; ++i) {
            panel.pan.NytStartNr(int(tilfaeldig->bounded(2000 - panel.pan.Antal() + 1)), false);
            tider.push_back(maalMaling(panel.pan));
        }
        std::printf("%d x %d: thumbnails kept after paging %.0f MB\n", gitter.width(), gitter.height(),
                    panel.liste.Bytes() / 1048576.0);
    }
    std::sort(tider.begin(), tider.end());
    const double p99 = tider[std::min(tider.size() - 1, size_t(tider.size() * 0.99))];
    std::printf("page repaints: %zu, median %.2f ms, 99th percentile %.2f ms\n", tider.size(), tider[tider.size() / 2], p99);
    std::printf("peak RSS: %.0f MB\n", billeddata::topRssMb());
    std::printf("gallery-scroll ms %.2f\n", p99);
    return 0;
}
