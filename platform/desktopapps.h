#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The desktop's content types and default applications (GIO).
namespace platform {

// The content type of a file, such as "text/plain"; empty when it cannot be told.
QString contentTypeOf(const QString& path);

// True for plain text and every type that is a kind of it (scripts, source code, HTML, ...).
bool isTextType(const QString& contentType);

// The command line of an application that runs in a terminal, from its desktop entry's Exec value
// (UTF-8), for files: the value is split into words as a shell would split it (no shell ever
// runs it), %F and %U become the files and %f and %u the first one, each file one word of its
// own, %% a percent sign, and the other codes drop out. Empty when the value cannot be split, or
// when a file would stand in the program's place.
QStringList terminalKommando(const QByteArray& exec, const QStringList& files);

// Runs a command in the user's terminal; a shell code.
using TerminalStart = std::function<int(const QStringList& command)>;

// Starts the default application for contentType on path, in the path's folder; one that needs a
// terminal runs through terminal with its command line. A shell code (shellStartet;
// shellIngenTilknytning when the type has no application, shellStartFejlede when it could not
// be started, or the terminal's code).
int launchDefault(const QString& contentType, const QString& path, const TerminalStart& terminal);

// Starts the default handler of the address's scheme with the address. A shell code
// (shellStartet; shellIngenBrowser for a web address with no browser, shellIngenTilknytning for
// another scheme with no handler).
int launchDefaultForUri(const QString& uri);

// A desktop entry that starts an application (Type=Application, not hidden or broken): its name
// in the user's language, and its icon as a theme name or a file.
struct Programpost {
    QString navn;
    QString ikon;
};
std::optional<Programpost> programpost(const QString& path);
bool erProgrampost(const QString& path);

// Starts the application of a desktop entry with files (GIO fills its Exec line's codes; no shell
// is involved), in folder (the program's own when empty); one that needs a terminal runs through
// terminal. A shell code: shellUgyldigProgram for an entry that cannot be read.
int launchEntry(const QString& path, const QStringList& files, const QString& folder, const TerminalStart& terminal);

// The icon a desktop entry names (a theme name or a file); empty when it names none.
QString programpostIkon(const QString& path);

// The installed applications' icons with the executable each runs: its TryExec, else the program
// of its Exec, found in PATH (links not resolved).
struct ProgramIkon {
    QString program;
    QString ikon;
};
QList<ProgramIkon> programIkoner();

// The desktop entry with this file name (as "vlc.desktop") among the installed applications: the
// data folders' and the exports of Flatpak and Snap; empty when none.
QString findProgrampost(const QString& id);

// The desktop entry of the default application for a content type; empty when it has none.
QString standardProgrampost(const QString& contentType);

}  // namespace platform
