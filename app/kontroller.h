#pragma once

#include <QString>

class QAction;
class QPushButton;
class QWidget;

// The small building blocks the windows are made of.

// A text field (QLineEdit, QPlainTextEdit) with its object name, hint and placeholder.
template <class Felt>
Felt* felt(const char* navn, const QString& hint, const QString& pladsholder, QWidget* parent)
{
    auto* f = new Felt(parent);
    f->setObjectName(QLatin1String(navn));
    f->setToolTip(hint);
    f->setPlaceholderText(pladsholder);
    return f;
}

// A push button with its object name, caption and hint.
QPushButton* tekstknap(const char* navn, const QString& tekst, const QString& hint, QWidget* parent);

// A button with a caption and hint of its own for an action: it follows the action's enabled state.
QPushButton* knapFor(QAction* action, const QString& tekst, const QString& hint, QWidget* parent);
// A button that shows an action's caption and hint and follows them as they change.
QPushButton* knapFor(QAction* action, QWidget* parent);

// Closes a window: its frame when it stands inside the main window, else itself.
void lukVindue(QWidget* vindue);
