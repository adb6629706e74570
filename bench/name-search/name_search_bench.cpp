// The explorer's search in folder and file names as the user starts it on the page "Fil og
// mappenavne", up to the moment the lists hold every hit, against find -iname listing the same
// names into a pipe, on 100,000 files in 5,000 folders.
#include "app/treopenfiler.h"
#include "bench/common/median.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <cstdio>
#include <random>

namespace {

constexpr int antalMapper = 5000;
constexpr int antalFiler = 100000;

// A seeded tree made once: folders up to nine deep, names with blanks and æøå, about one in eight
// hidden, about a thousand names holding "rapport" in mixed case, and 50 links of which one makes a
// loop and ten point at nothing; no link is named with the needle.
void lavTrae(const QString& rod)
{
    const QString stempel = rod + QStringLiteral("/.lavet");
    if (QFile::exists(stempel))
        return;
    std::mt19937 tal(20261211);
    const QStringList ord = {QStringLiteral("bil"), QStringLiteral("æble"), QStringLiteral("Kørsel"), QStringLiteral("ø data"),
                             QStringLiteral("sommer ferie"), QStringLiteral("Regnskab"), QStringLiteral("udkast"), QStringLiteral("å")};
    const QStringList rapporter = {QStringLiteral("Årsrapport"), QStringLiteral("RAPPORT"), QStringLiteral("rapport"),
                                   QStringLiteral("MånedsRapport")};
    const auto navn = [&](int i) {
        QString n = ord[tal() % ord.size()] + QStringLiteral(" %1").arg(i);
        if (tal() % 100 == 0)
            n = rapporter[tal() % rapporter.size()] + QStringLiteral(" %1").arg(i);
        return tal() % 8 == 0 ? u'.' + n : n;
    };
    QStringList mapper{rod};
    QList<int> dybde{0};
    for (int i = 1; i < antalMapper; ++i) {
        int forael = int(tal() % unsigned(mapper.size()));
        while (dybde[forael] >= 9)
            forael = int(tal() % unsigned(mapper.size()));
        mapper.append(mapper[forael] + u'/' + navn(i));
        dybde.append(dybde[forael] + 1);
        QDir().mkpath(mapper.last());
    }
    for (int i = 0; i < antalFiler; ++i) {
        QFile fil(mapper[tal() % mapper.size()] + u'/' + navn(i) + QStringLiteral(".txt"));
        fil.open(QIODevice::WriteOnly);
    }
    for (int i = 0; i < 50; ++i) {
        const QString her = mapper[tal() % mapper.size()] + QStringLiteral("/link %1").arg(i);
        QFile::link(i < 10 ? rod + QStringLiteral("/findes ikke") : i == 10 ? rod : mapper[tal() % mapper.size()], her);
    }
    QFile(stempel).open(QIODevice::WriteOnly);
}

QSet<QString> find(const QString& rod, const QString& noegle)
{
    QProcess proces;
    proces.start(QStringLiteral("find"), {rod, QStringLiteral("-iname"), u'*' + noegle + u'*'});
    proces.waitForFinished(-1);
    QSet<QString> stier;
    for (const QByteArray& linje : proces.readAllStandardOutput().split('\n'))
        if (!linje.isEmpty())
            stier.insert(QString::fromUtf8(linje));
    return stier;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString rod = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-names");
    lavTrae(rod);
    TestHome home;
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Twinform* explorer = startMedStifinder(entry);
    Tmainform& main = entry.mainform();
    main.opt.maxElementer = 200000;
    auto* tekst = explorer->findChild<QLineEdit*>(QStringLiteral("findTekstEdit"));
    auto* knap = explorer->findChild<QPushButton*>(QStringLiteral("findTekstKnap"));
    QAction* aSearch = explorer->findChild<QAction*>(QStringLiteral("aSearch"));
    main.EditSti()->setText(rod);
    const auto start = [&](const QString& noegle) {
        tekst->setText(noegle);
        QCoreApplication::processEvents();  // the rules enable the search
        aSearch->trigger();
    };
    const auto vent = [&] {
        while (knap->text() != QStringLiteral("Søg")) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
    };
    const auto soeg = [&](const QString& noegle) {
        return [&, noegle] {
            start(noegle);
            vent();
        };
    };

    soeg(QStringLiteral("rapport"))();
    QSet<QString> vores;
    for (const TReopenFiler* liste : {static_cast<TReopenFiler*>(explorer->findDir), static_cast<TReopenFiler*>(explorer->findFiler)})
        for (int i = 0; i < liste->Antal(); ++i)
            vores.insert(liste->GetFilnavn(i));
    const QSet<QString> finds = find(rod, QStringLiteral("rapport"));
    if (vores != finds) {
        std::fprintf(stderr, "the hits differ: %lld against find's %lld\n", qlonglong(vores.size()), qlonglong(finds.size()));
        return 1;
    }
    std::printf("%lld hits of \"rapport\", the same as find's\n", qlonglong(vores.size()));

    const auto findTil = [&rod](const QString& noegle) {
        return [&rod, noegle] { find(rod, noegle); };
    };
    const auto tom = [] {};
    const auto rapport = runderMs(tom, findTil(QStringLiteral("rapport")), soeg(QStringLiteral("rapport")), 7);
    std::printf("fdfind -u -i -F rapport: %.1f ms\n", medianMs([&rod] {
                    QProcess fd;
                    fd.start(QStringLiteral("fdfind"), {QStringLiteral("-u"), QStringLiteral("-i"), QStringLiteral("-F"),
                                                        QStringLiteral("rapport"), rod});
                    fd.waitForFinished(-1);
                    fd.readAllStandardOutput();
                }, 5));
    std::printf("the needle \"e\":\n");
    udskrivRunder("e", "find -iname '*e*':", runderMs(tom, findTil(QStringLiteral("e")), soeg(QStringLiteral("e")), 3));
    // From the click on Stop, 10 ms into a search, to the page ready for a new one.
    auto* status = explorer->findChild<QLineEdit*>(QStringLiteral("BarEdit"));
    std::vector<double> stop;
    while (stop.size() < 5) {
        start(QStringLiteral("e"));
        QElapsedTimer ur;
        ur.start();
        while (ur.elapsed() < 10)
            QCoreApplication::processEvents();
        ur.restart();
        knap->click();
        vent();
        if (status->text() == QStringLiteral("Søgningen blev stoppet."))
            stop.push_back(ur.nsecsElapsed() / 1e6);
    }
    std::sort(stop.begin(), stop.end());
    std::printf("stop latency (median of 5): %.2f ms\n", stop[2]);
    std::printf("the needle \"rapport\":\n");
    udskrivRunder("name-search", "find -iname:", rapport);
    return 0;
}
