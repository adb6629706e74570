#pragma once

#include "app/datafolders.h"
#include "app/mainsettings.h"

#include <QObject>
#include <QStringList>

class Beskeder;
class QAction;
class QLineEdit;
class QMenu;
class QWidget;

// The changes of the main settings that the explorer windows and the tool windows follow.
class Programsignaler : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void traeFontAendret(int punkter, const QString& navn);
    void strukturLinjerAendret(bool medLinjer);
    void bogfanerAendret(int stil);
    void fremFormAendret();
    void blokerAendret(bool bloker);
};

// The main window's actions that an explorer window shows or triggers.
struct Programhandlinger {
    QAction* visKlipbordet = nullptr;  // "aVisKlipbordet"
    QAction* opretStruktur = nullptr;  // "OpretSmappe"
    QAction* visEside = nullptr;       // "mVisEside"
    QAction* billedgalleri = nullptr;  // "aBilledGal"
};

// What an explorer window and a clipboard window use of the program: the messages, the data
// folders and main settings, the counters, the changes they follow, the actions they show and the
// few operations of the main window they call. The main window is the one that provides it.
class Programkontekst {
public:
    virtual ~Programkontekst() = default;

    DataFolders folders;
    MainSettings opt;
    // Long operations running in the program, and the explorer windows made so far.
    int processCount = 0;
    int NewCount = 0;
    Programsignaler signaler;
    Programhandlinger programhandlinger;

    // The window that dialogs are centred on and owned by.
    virtual QWidget* hovedvindue() = 0;
    virtual Beskeder* beskeder() const = 0;
    // The status line's message panel; the desktop's notification centre (false when no
    // notification service took the message).
    virtual void UdskrivInfo(const QString& S) = 0;
    virtual bool makeInfo(const QString& overskrift, const QString& tekst) = 0;
    // The help page (a name with ".html").
    virtual void InfoHelp(const QString& S) = 0;
    // Counts a long operation starting (+1) or ending (-1).
    virtual void aendrProcessCount(int aendring) = 0;
    virtual void anvendHints(QWidget* vindue) = 0;
    virtual void anvendBogfanerPaa(const QList<QWidget*>& faner) const = 0;
    virtual void visEgenskabsside(int side, const QString& titel) = 0;
    // Turns the blocking of other functions during long operations on or off, as its check box does.
    virtual void skiftBlokering() = 0;
    virtual void FontboxClick() = 0;

    // Opening and running.
    virtual void runFilname(const QString& aFilename, int fileRunNumber) = 0;
    virtual void OpenFilen(const QString& aFilnavn, bool forRedigering) = 0;
    virtual void OpenFilMedProgram(const QString& aProgram, const QString& aFilnavn) = 0;
    // The current element: the folder or file the explorer windows show.
    virtual QLineEdit* EditSti() const = 0;
    // Shows a folder in an explorer window, made when there is none; a folder that is gone is said.
    virtual void visKalMappe(const QString& aMappe) = 0;

    // The child windows and the clipboards.
    virtual QWidget* getWinform(const QString& aCaption) = 0;
    virtual QWidget* stifinderMedNavn(const QString& aCaption) const = 0;
    // Makes a child window the active one.
    virtual void aktiverElement(QWidget* window) = 0;
    virtual QWidget* getKlipbord() = 0;
    virtual void setKlipbord(QWidget* aWinform) = 0;
    virtual void kopierKlipbordsdata(const QString& aCaption, const QStringList& Mliste, const QStringList& Fliste) = 0;
    virtual void udskivKlipbordInf(const QString& antMapper, const QString& antFiler) = 0;

    // The home-made structures menu.
    virtual QMenu* PuMappeStruk() const = 0;
    virtual void loadMappeStruktur(bool medMappestrukturform) = 0;
    virtual void CallOnClick() = 0;
};
