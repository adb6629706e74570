// The processor time of the running program while it waits for the user: after its start, after a
// paste and after a delete, each over five seconds of its event loop.
#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "tests/common/medstifindere.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"
#include "tree/tstrukturcompo.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <ctime>

namespace {

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Milliseconds of processor time the program uses over five seconds of doing nothing.
double idleMs()
{
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);  // what the last action queued is done
    settle.exec();
    const double before = cpuMs();
    QEventLoop idle;
    QTimer::singleShot(5000, &idle, &QEventLoop::quit);
    idle.exec();
    return cpuMs() - before;
}

void select(QTreeWidget* tree, const QString& caption)
{
    tree->clearSelection();
    for (QTreeWidgetItem* item : tree->findItems(caption, Qt::MatchExactly))
        item->setSelected(true);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TestHome home;
    home.make({"kilde/a.txt", "maal/"});
    home.write("kilde/b.bin", QByteArray(8 << 20, 'b'));
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    auto* explorer = startMedStifinder(entry);
    if (!explorer)
        return 1;
    QTreeWidget* tree2 = explorer->strukturCompo().Struktur2();

    const double start = idleMs();
    explorer->gaaTilMappe(home / "kilde");
    select(tree2, QStringLiteral("b.bin"));
    explorer->KopierElementer(false);
    explorer->gaaTilMappe(home / "maal");
    tree2->clearSelection();
    explorer->PasteExecute();
    const double paste = idleMs();
    select(tree2, QStringLiteral("b.bin"));
    explorer->SletElementer(false);
    const double slet = idleMs();

    std::printf("idle 5 s after the start:  %7.1f ms processor time\n", start);
    std::printf("idle 5 s after a paste:    %7.1f ms processor time\n", paste);
    std::printf("idle 5 s after a delete:   %7.1f ms processor time\n", slet);
    // Aim 0; a tenth of a core would be 500 ms.
    std::printf("idle ms-after-paste %.1f\n", paste);
    return 0;
}
