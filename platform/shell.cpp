#include "platform/shell.h"

#include "platform/desktopapps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QStringList splitParameterText(const QString& text)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            qsizetype backslashes = 0;
            while (i < text.size() && text[i] == u'\\') {
                ++backslashes;
                ++i;
            }
            inArgument = true;
            if (i < text.size() && text[i] == u'"') {
                current += QString(backslashes / 2, u'\\');
                if (backslashes % 2 == 1)
                    current += u'"';
                else
                    quoted = !quoted;
            } else {
                current += QString(backslashes, u'\\');
                --i;
            }
        } else if (c == u'"') {
            inArgument = true;
            if (quoted && i + 1 < text.size() && text[i + 1] == u'"') {
                current += u'"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if ((c == u' ' || c == u'\t') && !quoted) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

QString quoteArgument(const QString& argument)
{
    QString quoted(u'"');
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') {
            quoted += QString(backslashes * 2 + 1, u'\\');
            quoted += u'"';
        } else {
            quoted += QString(backslashes, u'\\');
            quoted += c;
        }
        backslashes = 0;
    }
    quoted += QString(backslashes * 2, u'\\');
    quoted += u'"';
    return quoted;
}

namespace {

// A file the system can run itself: an ELF binary or a script with "#!".
bool isProgram(const QFileInfo& file)
{
    if (!file.isFile() || !file.isExecutable())
        return false;
    QFile f(file.filePath());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4);
    return head.startsWith("\x7F" "ELF") || head.startsWith("#!");
}

// The code for a path that is not there: the file or its folder is missing.
int missingCode(const QFileInfo& file)
{
    return QFileInfo(file.absolutePath()).isDir() ? shellFilIkkeFundet : shellStiIkkeFundet;
}

int startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached() ? shellStartet : shellStartFejlede;
}

// The user's terminal: $TERMINAL, the system's choice x-terminal-emulator, or a known terminal.
QString findTerminal()
{
    const QString chosen = qEnvironmentVariable("TERMINAL");
    if (!chosen.isEmpty()) {
        const QString found = chosen.contains(u'/') ? chosen : QStandardPaths::findExecutable(chosen);
        if (QFileInfo(found).isExecutable())
            return found;
    }
    for (const char* name : {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "mate-terminal",
                             "lxterminal", "tilix", "terminator", "alacritty", "kitty", "xterm"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// What a terminal wants before the command it is to run.
QStringList commandOption(const QString& terminal)
{
    const QString name = QFileInfo(terminal).fileName();
    if (name == u"gnome-terminal" || name == u"tilix")
        return {QStringLiteral("--")};
    if (name == u"xfce4-terminal" || name == u"terminator")
        return {QStringLiteral("-x")};
    if (name == u"kitty")
        return {};
    return {QStringLiteral("-e")};
}

class LinuxShell final : public Shell {
public:
    int open(const QString& path, const QStringList& arguments, const QString& workingFolder) override
    {
        if (path.isEmpty())
            return shellFilIkkeFundet;
        QString target = path;
        if (!path.contains(u'/')) {
            target = QStandardPaths::findExecutable(path);
            if (target.isEmpty())
                return shellFilIkkeFundet;
        }
        const QFileInfo file(target);
        if (!file.exists())
            return missingCode(file);
        if (file.isDir())
            return launchDefault(QStringLiteral("inode/directory"), target, inTerminal(file.absolutePath()));
        if (isProgram(file))
            return startDetached(target, arguments, workingFolder);
        if (target.endsWith(QStringLiteral(".desktop"))) {
            // An application started with files starts in the first one's folder, as one that
            // opens a file does.
            const QString mappe = !workingFolder.isEmpty() ? workingFolder
                                  : !arguments.isEmpty()   ? QFileInfo(arguments.first()).absolutePath()
                                                           : QDir::homePath();
            return launchEntry(target, arguments, mappe, inTerminal(mappe));
        }
        if (!file.isReadable())
            return shellAdgangNaegtet;
        return launchDefault(contentTypeOf(target), target, inTerminal(file.absolutePath()));
    }

    int edit(const QString& path) override
    {
        const QFileInfo file(path);
        if (!file.exists())
            return missingCode(file);
        if (!file.isFile() || !isTextType(contentTypeOf(path)))
            return shellIngenTilknytning;
        return launchDefault(QStringLiteral("text/plain"), path, inTerminal(file.absolutePath()));
    }

    int console(const QString& folder, const QStringList& command) override
    {
        const QString terminal = findTerminal();
        if (terminal.isEmpty())
            return shellIngenTerminal;
        const QStringList arguments = command.isEmpty() ? QStringList() : commandOption(terminal) + command;
        return startDetached(terminal, arguments, folder);
    }

    int openUri(const QString& uri) override { return launchDefaultForUri(uri); }

private:
    // The terminal that an application needing one runs in, in folder.
    TerminalStart inTerminal(const QString& folder)
    {
        return [this, folder](const QStringList& command) { return console(folder, command); };
    }
};

}  // namespace

std::unique_ptr<Shell> makeLinuxShell() { return std::make_unique<LinuxShell>(); }

bool erProgramfil(const QString& path) { return isProgram(QFileInfo(path)) || erProgrampost(path); }

}  // namespace platform
