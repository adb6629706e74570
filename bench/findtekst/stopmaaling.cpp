#include "bench/findtekst/stopmaaling.h"

#include "tools/findtekst/tekstsoegning.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int antalDokumenter = 8;
constexpr qint64 mib = 1024 * 1024;
constexpr qint64 dokumentMib = 200;
constexpr int runder = 7;

using Ur = std::chrono::steady_clock;

qint64 nuNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Ur::now().time_since_epoch()).count(); }

// A MiB of numbered lines of Danish words, "kaffe" in one of them when kaffe is true; blanks fill
// the last line, so no character is cut.
QByteArray blok(bool kaffe)
{
    const QByteArray linje = " søndag morgen gik Åse og Søren over broen til øen, hvor de spiste æbler og brød\n";
    const QByteArray kaffelinje = " søndag morgen drak Åse og Søren kaffe på øen, hvor de spiste æbler og brød\n";
    QByteArray blok;
    for (int nr = 0;; ++nr) {
        const QByteArray naeste = QByteArray::number(nr) + (kaffe && nr == 5000 ? kaffelinje : linje);
        if (blok.size() + naeste.size() >= mib)
            break;
        blok += naeste;
    }
    return blok + QByteArray(mib - 1 - blok.size(), ' ') + '\n';
}

// The documents stor0.txt to stor7.txt, written where missing or of another size; "kaffe" stands in
// every 25th MiB.
void lavDokumenter(const QString& rod)
{
    if (!QDir().mkpath(rod))
        qFatal("cannot make %s", qPrintable(rod));
    const QByteArray uden = blok(false);
    const QByteArray med = blok(true);
    for (int i = 0; i < antalDokumenter; ++i) {
        QFile fil(rod + QStringLiteral("/stor%1.txt").arg(i));
        if (fil.size() == dokumentMib * mib)
            continue;
        if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(fil.fileName()));
        for (qint64 m = 0; m < dokumentMib; ++m)
            if (fil.write(m % 25 == 12 ? med : uden) != mib)
                qFatal("cannot write %s", qPrintable(fil.fileName()));
    }
}

// Where the search is, as told by a reader put around the engine's: the documents begun, when the
// last one was begun, and those read and decoded (the rest of a document's time is the matching).
struct Forloeb {
    std::atomic_int begyndte = 0;
    std::atomic<qint64> begyndtNs = 0;
    std::atomic_int laeste = 0;
    std::atomic<qint64> laestNs = 0;
};

Dokumentlaeser laeserMed(Forloeb& forloeb)
{
    return [&forloeb](const QString& sti, const std::atomic_bool& stop) {
        forloeb.begyndtNs = nuNs();
        ++forloeb.begyndte;
        Dokumenttekst tekst = laesDokument(sti, stop);
        forloeb.laestNs = nuNs();
        ++forloeb.laeste;
        return tekst;
    };
}

// The time one document takes from its start to its end, in ms, after printing its two parts.
double dokumenttid(const QString& rod)
{
    const std::atomic_bool stop = false;
    double ms = 0;
    for (int gang = 0; gang < 2; ++gang) {  // the second with the document in the page cache
        Forloeb forloeb;
        const qint64 start = nuNs();
        soegDokumenter(rod, QStringLiteral("stor0.txt"), QStringLiteral("kaffe"), {}, stop, laeserMed(forloeb),
                       [](QList<Fundraekke>&&) {});
        const qint64 slut = nuNs();
        ms = (slut - start) / 1e6;
        if (gang == 1)
            std::printf("one document of %lld MiB: %.0f ms, of which reading and decoding %.0f ms, matching %.0f ms\n",
                        dokumentMib, ms, (forloeb.laestNs - start) / 1e6, (slut - forloeb.laestNs) / 1e6);
    }
    return ms;
}

}  // namespace

int maalStop(const QString& rod)
{
    lavDokumenter(rod);
    const double dokumentMs = dokumenttid(rod);
    std::vector<double> ventetider;
    for (int runde = 0; runde < runder; ++runde) {
        // Spread over a document, so the stop meets reading, decoding and matching.
        const double andel = (runde + 0.5) / runder;
        const auto inde = qint64(andel * dokumentMs * 1e6);
        Forloeb forloeb;
        Tekstsoegning soegning(nullptr, laeserMed(forloeb));
        QEventLoop loekke;
        Soegeresultat resultat;
        qint64 stoppetNs = 0, faerdigNs = 0, indeNs = 0;
        int dokument = 0;
        bool laeser = false;
        QObject::connect(&soegning, &Tekstsoegning::faerdig, [&](const Soegeresultat& r) {
            faerdigNs = nuNs();
            resultat = r;
            loekke.quit();
        });
        QTimer vagt;
        vagt.setTimerType(Qt::PreciseTimer);
        vagt.setInterval(1);
        QObject::connect(&vagt, &QTimer::timeout, [&] {
            const qint64 nu = nuNs();
            if (forloeb.begyndte < 2 || nu - forloeb.begyndtNs < inde)
                return;
            vagt.stop();
            dokument = forloeb.begyndte;
            indeNs = nu - forloeb.begyndtNs;
            laeser = forloeb.laeste < dokument;
            stoppetNs = nuNs();
            soegning.stop();
        });
        soegning.start(rod, QStringLiteral("stor*.txt"), QStringLiteral("kaffe"), {});
        vagt.start();
        loekke.exec();
        if (!resultat.stoppet || stoppetNs == 0) {
            std::printf("round %d: the search ended before it was stopped\n", runde + 1);
            return 1;
        }
        ventetider.push_back((faerdigNs - stoppetNs) / 1e6);
        std::printf("round %d: stopped %.0f ms into document %d of %d (%s): faerdig after %.2f ms\n", runde + 1,
                    indeNs / 1e6, dokument, antalDokumenter, laeser ? "reading and decoding" : "matching",
                    ventetider.back());
    }
    std::sort(ventetider.begin(), ventetider.end());
    std::printf("text-search-stop ms %.1f\n", ventetider[ventetider.size() / 2]);
    return 0;
}
