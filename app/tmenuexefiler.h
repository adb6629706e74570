#pragma once

#include "core/listefiler.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Beskeder;
class Programikoner;
class QAction;
class QMenu;

// The user's list of programs: its file "ProgItem.txt" (a count, then four lines per program:
// caption, path, parameter, show mode 0-255), the programs' icons and the submenu that starts them.
// Program i has the icon IconList[IconStartNr + i]. Every change of the list is told by listeAendret.
class TMenuExeFiler : public QObject {
    Q_OBJECT
public:
    explicit TMenuExeFiler(QObject* parent = nullptr);
    ~TMenuExeFiler() override;

    QList<TProgRec> Prog;
    QString Itemfile;
    // The menu item whose submenu the programs fill; the submenu, named "mProgrammer", is made anew
    // at each rebuild, as a menu once shown empty is never shown again by the window system.
    QAction* MainItem = nullptr;
    QList<QIcon> IconList;
    int IconStartNr = 3;
    int BreakNr = 16;  // every BreakNr-th item of the submenu starts a new group behind a separator
    QString AktuelleProgram;
    QString AktuelleCaption;
    // After a choice in the submenu (item set) or a removal (none): the caption and whether the
    // program was found.
    std::function<void(QAction* item, const QString& caption, bool fundet)> OnKlik;
    // Starts a chosen program in place of the list itself.
    std::function<void(const QString& program, const QString& caption)> OnParam;
    Beskeder* beskeder = nullptr;

    int Filantal() const { return int(Prog.size()); }
    // Loads the file (a missing file gives an empty list) and rebuilds the icons and the submenu.
    // A file that is not a valid list is kept beside it as ".fejl" and its complete programs
    // before the fault are loaded; the message for the user then, else empty.
    QString HentProgrammer();
    // Writes the programs whose file exists; false (and said) when the file could not be written.
    bool GemProgrammer();
    void MakeMenu();
    // Appends a program with its icon and rebuilds the submenu; the file is not written. A path
    // holding a line break is refused (false): it would shift every later program of the file.
    bool InsertItem(const QString& Filnavn, const QString& Caption, const QString& Parameter, int ShowType);
    void DeleteItem(int nr);
    bool flytOp(int nr);
    bool flytNed(int nr);
    QString GetCaption(int nr) const;
    QString GetFilnavn(int nr) const;
    QIcon ikon(int nr) const { return IconList.value(IconStartNr + nr); }
    void setAktuelleProgram(const QString& program) { AktuelleProgram = program; }
    // The caption of the first program whose path is the current one (A-Z folded); empty when none.
    QString getAktuelleCaption() const;

Q_SIGNALS:
    // After a program was added or removed, or the list loaded again.
    void listeAendret();

private:
    void vaelg(int nr, QAction* item);
    bool bytt(int a, int b);
    // The icons of the installed applications, read at the last load and used by the inserts after it.
    Programikoner& programikoner();

    std::unique_ptr<Programikoner> ikoner;
};
