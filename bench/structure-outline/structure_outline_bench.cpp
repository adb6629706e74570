// A home-made structure of 5,000 folders shown the three ways the program shows it: its folders
// listed in the structure window, its level outline and its bullet outline in "Stifinder 1",
// against find listing the same folders.
#include "app/programentry.h"
#include "app/tmainform.h"
#include "bench/common/median.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "platform/textfile.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tools/mappestruktur/tmappestrukturform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTreeWidget>
#include <cstdio>
#include <random>

namespace {

constexpr int antalMapper = 5000;
constexpr int filerPerMappe = 20;

// A seeded tree: each new folder goes below a folder picked among those not yet nine deep, so
// some folders get hundreds of children and chains reach depth nine.
QStringList lavTrae(const QString& rod)
{
    const QString stempel = rod + QStringLiteral("/.lavet");
    std::mt19937 tal(20261211);
    QStringList mapper{rod};
    QList<int> dybde{0};
    for (int i = 1; i < antalMapper; ++i) {
        int forael = int(tal() % unsigned(mapper.size()));
        if (tal() % 3 == 0)
            forael = int(tal() % unsigned(std::min<qsizetype>(mapper.size(), 40)));  // a few wide folders
        while (dybde[forael] >= 9)
            forael = int(tal() % unsigned(mapper.size()));
        mapper.append(mapper[forael] + QStringLiteral("/mappe%1").arg(i));
        dybde.append(dybde[forael] + 1);
    }
    if (!QFile::exists(stempel)) {
        for (const QString& mappe : std::as_const(mapper)) {
            QDir().mkpath(mappe);
            for (int f = 0; f < filerPerMappe; ++f) {
                QFile fil(mappe + QStringLiteral("/fil%1.txt").arg(f));
                fil.open(QIODevice::WriteOnly);
                fil.write("x");
            }
        }
        QFile(stempel).open(QIODevice::WriteOnly);
    }
    std::shuffle(mapper.begin(), mapper.end(), tal);
    return mapper;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString rod = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qvm-bench-outline");
    const QStringList mapper = lavTrae(rod);
    TestHome home;
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    medStifindere(main);
    registrerMappestruktur(main);
    main.opt.TryedBefore = true;
    entry.start();
    main.FormActivate();
    if (!platform::writeTextLines(main.folders.mappestrukturDir + QStringLiteral("Stor.txt"), mapper)) {
        std::fprintf(stderr, "the structure file could not be written\n");
        return 1;
    }
    main.hovedhandling(QStringLiteral("OpretSmappe"))->trigger();
    auto* form = main.findChild<Tmappestrukturform*>();
    auto* strukturer = form->findChild<QListWidget*>(QStringLiteral("strukturListe"));
    auto* strukturMapper = form->findChild<QListWidget*>(QStringLiteral("strukturMappeListe"));
    strukturer->setCurrentRow(0);

    const auto find = [&rod] {
        QProcess proces;
        proces.setStandardOutputFile(QProcess::nullDevice());
        proces.start(QStringLiteral("find"), {rod, QStringLiteral("-type"), QStringLiteral("d")});
        proces.waitForFinished(-1);
    };
    // Each form up to the moment the user sees it drawn.
    const auto vis = [&](const char* handling, QWidget* flade) {
        return [&, handling, flade] {
            if (handling)
                form->findChild<QAction*>(QLatin1String(handling))->trigger();
            else
                form->strukturListeClick();
            flade->repaint();
            QCoreApplication::processEvents();
        };
    };
    vis(nullptr, strukturMapper->viewport())();
    vis("aStrukturmappe1", form)();
    QTreeWidget* trae = main.getWinform(QStringLiteral("Stifinder 1"))->findChild<QTreeWidget*>(QStringLiteral("MappeStruktur"));
    if (strukturMapper->count() != antalMapper || trae->topLevelItemCount() == 0) {
        std::fprintf(stderr, "wrong outline: %d folders listed\n", strukturMapper->count());
        return 1;
    }
    const auto tom = [] {};
    const auto liste = runderMs(tom, find, vis(nullptr, strukturMapper->viewport()), 7);
    const auto niveau = runderMs(tom, find, vis("aStrukturmappe1", trae->viewport()), 7);
    const auto punkt = runderMs(tom, find, vis("aStrukturmappe", trae->viewport()), 7);
    std::printf("the structure's folders listed:\n");
    udskrivRunder("listed", "find -type d:", liste);
    std::printf("level outline (Niveaustruktur):\n");
    udskrivRunder("level", "find -type d:", niveau);
    std::printf("bullet outline (Punktstruktur):\n");
    udskrivRunder("bullet", "find -type d:", punkt);
    // The slower outline against find in the same rounds.
    const auto langsomst = medianer(niveau).second > medianer(punkt).second ? niveau : punkt;
    std::printf("structure-outline ratio %.2f\n", medianer(langsomst).second / medianer(langsomst).first);
    return 0;
}
