// One start of the program list: its file read, its programs' icons found among the installed
// applications and drawn, and the page of programs filled. bench/proglist/run times a fresh
// process of this against grep over the same desktop entries.
#include "app/tmenuexefiler.h"

#include <QApplication>
#include <QListWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: proglist_bench PROGITEM\n");
        return 2;
    }
    TMenuExeFiler liste;
    liste.Itemfile = QString::fromLocal8Bit(argv[1]);
    if (!liste.HentProgrammer().isEmpty())
        return 1;
    QListWidget side;
    for (int i = 0; i < liste.Filantal(); ++i) {
        const QIcon ikon = liste.ikon(i);
        ikon.pixmap(16, 16);  // the picture itself, as the page draws it
        side.addItem(new QListWidgetItem(ikon, liste.GetCaption(i)));
    }
    std::printf("%d\n", side.count());
    return side.count() == 60 ? 0 : 1;
}
