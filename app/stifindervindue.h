#pragma once

#include <QString>

class QWidget;
class TStrukturCompo;

// The kinds of child window of the main window. A child window tells its kind through a
// property, so the main window knows it without knowing its class.
enum class ElementType { Andet, Stifinder, Klipbord };

void setElementType(QWidget* window, ElementType type);
ElementType elementType(const QWidget* window);

// What the main window asks of an explorer window.
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
};

// A child window that may refuse to close, asking the user first (unsaved edits).
class MaaLukke {
public:
    virtual ~MaaLukke() = default;
    virtual bool maaLukke() = 0;
};
