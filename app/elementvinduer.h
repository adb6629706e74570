#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TStrukturCompo;

// The child windows as the main window sees them: their kind, and what it asks of each kind.
// A child window tells its kind through a property, so the main window knows it without knowing
// its class.
enum class ElementType { Andet, Stifinder, Klipbord };

void setElementType(QWidget* window, ElementType type);
ElementType elementType(const QWidget* window);

// An explorer window.
class StifinderVindue {
public:
    virtual ~StifinderVindue() = default;
    virtual TStrukturCompo& strukturCompo() = 0;
    // Fills the folder-and-file tree with folder, makes it the active tree and goes there.
    virtual void gaaTilMappe(const QString& folder) = 0;
    // Makes the folder tree active and shows it again without changing folder.
    virtual void visStruktur1() = 0;
    // The window's refresh action.
    virtual void opdater() = 0;
    // Makes the file the current element and goes there.
    virtual void gaaTilFil(const QString& fil) = 0;
    // The window became the active child window.
    virtual void FormActivate() = 0;
    // Opens the help page of the window's active tree.
    virtual void showStrukturInfo() = 0;
};

// An explorer window's side of the clipboards.
class StifinderKlipbord {
public:
    virtual ~StifinderKlipbord() = default;
    // The clipboard window the explorer uses, and the one it is to use from now on.
    virtual QWidget* klipbord() const = 0;
    virtual void brugKlipbord(QWidget* klipbord) = 0;
    // Adds existing folders and files to the explorer's clipboard, ticked, as another explorer
    // copied them.
    virtual void modtagKlipbordsdata(const QStringList& mapper, const QStringList& filer) = 0;
    // Shows the clipboard's counts of folders and files.
    virtual void visKlipbordAntal(const QString& antMapper, const QString& antFiler) = 0;
    // Registers a folder or file in the clipboard and goes to it.
    virtual void registrerElement(const QString& element) = 0;
    // Starts the size calculation of the clipboard's ticked entries.
    virtual void beregnKlipbordStoerrelse() = 0;
};

// An explorer window's deletion of its current element to the trash, which the user has already
// agreed to elsewhere: the explorer asks no question of its own.
class StifinderSletning {
public:
    virtual ~StifinderSletning() = default;
    virtual void sletTilPapirkurv() = 0;
};

// A child window that may refuse to close, asking the user first (unsaved edits).
class MaaLukke {
public:
    virtual ~MaaLukke() = default;
    virtual bool maaLukke() = 0;
};

// The window of home-made structures.
class StrukturVindue {
public:
    virtual ~StrukturVindue() = default;
    // Appends a folder to the structure being made and shows that list.
    virtual void tilfoejMappe(const QString& mappe) = 0;
    // The names of the stored structures, as the main window lists them.
    virtual void visStrukturer(const QStringList& navne) = 0;
};

// A tool window that takes up the current element when the user opens it or brings it forward
// through its action; getting the focus back is no such request.
class AabnesAfBruger {
public:
    virtual ~AabnesAfBruger() = default;
    virtual void aabnetAfBruger() = 0;
};

// The window of text search in documents.
class TekstSoegVindue {
public:
    virtual ~TekstSoegVindue() = default;
    // Searches the folder of the current file. True, and the search page shown with the type
    // chosen, when the pattern ("*.txt") is a ticked type; else the page of types is shown.
    virtual bool visType(const QString& moenster) = 0;

    static QString ingenTekstfil()
    {
        return QStringLiteral("Der skal være valgt en tekstfiltype.\nTekstfiler kan for eksempel være filer med "
                              "følgende efternavne:\ntxt, rtf, asp, html, inc, css, js, asa, wsf, vbs, xml, bat eller ps1");
    }
    static QString uregistreretType()
    {
        return QStringLiteral("Du må selv registrere filtypen, hvis der er tale om en tekstfil.");
    }
};

// The window that makes shortcuts.
class GenvejsVindue {
public:
    virtual ~GenvejsVindue() = default;
    virtual void forbered(const QString& maal, const QString& placering, const QString& navn) = 0;
};

// The help pages, as the main window and the explorer windows open them.
class Hjaelpesider {
public:
    virtual ~Hjaelpesider() = default;
    // Shows a page file (a name with ".html"), with its node selected in the information tree.
    virtual void InfoHelp(const QString& side) = 0;
    // Shows an HTML file from anywhere, such as a page the program wrote.
    virtual void visHtmlFil(const QString& sti) = 0;
    // Loads the information tree, at the main window's first activation.
    virtual void LoadStruktur() = 0;
};
