#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The desktop's content types and default applications (GIO).
namespace platform {

// The content type of a file, such as "text/plain"; empty when it cannot be told.
QString contentTypeOf(const QString& path);

// True for plain text and every type that is a kind of it (scripts, source code, HTML, ...).
bool isTextType(const QString& contentType);

// Runs a command in the user's terminal; a shell code.
using TerminalStart = std::function<int(const QStringList& command)>;

// Starts the default application for contentType on path, in the path's folder; one that needs a
// terminal runs through terminal with its command line. A shell code (shellStartet, or
// shellIngenTilknytning when the type has no application).
int launchDefault(const QString& contentType, const QString& path, const TerminalStart& terminal);

}  // namespace platform
