#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

// Results as the Windows shell gives them: above 32 the request was accepted, otherwise the
// failure code that the program's error table explains.
enum ShellCode {
    shellUkendtFejl = 1,
    shellFilIkkeFundet = 2,
    shellStiIkkeFundet = 3,
    shellAdgangNaegtet = 5,
    shellUgyldigProgram = 11,
    // Codes of this system's own, where the Windows shell has none for the cause.
    shellIngenTerminal = 20,  // a terminal is needed and none is installed
    shellIngenBrowser = 21,   // a web address and no browser to open it
    shellStartFejlede = 22,   // the application was found but could not be started
    shellIngenTilknytning = 31,
    shellStartet = 33,
};

// Hands files, folders and programs to the desktop. Nothing waits for what it starts, and no
// path or argument ever passes through a shell.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens path as the desktop's file manager would: a folder in the file manager, a program
    // (an executable ELF or "#!" file, or a program name found in PATH) by running it with
    // arguments, a desktop entry of an application by starting it with the arguments as its
    // files, any other file with the default application for its content type.
    virtual int open(const QString& path, const QStringList& arguments, const QString& workingFolder) = 0;
    // Opens a text file with the default application for plain text; other files have no editor.
    virtual int edit(const QString& path) = 0;
    // Opens the user's terminal in folder; with a command, the terminal runs it.
    virtual int console(const QString& folder, const QStringList& command) = 0;
    // Hands an address ("https://...") to the desktop's default handler of its scheme, the
    // address one argument of its own; shellIngenTilknytning when the scheme has no handler.
    virtual int openUri(const QString& uri) = 0;
};

std::unique_ptr<Shell> makeLinuxShell();

// A file the desktop starts as a program: an executable ELF binary or "#!" script, or a desktop
// entry of an application.
bool erProgramfil(const QString& path);

// Splits a parameter text into arguments as a Windows command line is split: blanks separate,
// double quotes group, "" inside quotes and \" stand for a quote, backslashes before a quote
// are halved.
QStringList splitParameterText(const QString& text);

// The argument in double quotes, written so that splitParameterText gives it back unchanged.
QString quoteArgument(const QString& argument);

}  // namespace platform
