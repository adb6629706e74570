// GIO declares a field named "signals": it is included before anything of Qt.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/desktopapps.h"

#include "platform/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace platform {

QString contentTypeOf(const QString& path)
{
    GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
    GFileInfo* info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE, G_FILE_QUERY_INFO_NONE,
                                        nullptr, nullptr);
    QString type;
    if (info) {
        if (const char* found = g_file_info_get_content_type(info))
            type = QString::fromUtf8(found);
        g_object_unref(info);
    }
    g_object_unref(file);
    return type;
}

bool isTextType(const QString& contentType)
{
    return !contentType.isEmpty() && g_content_type_is_a(contentType.toUtf8().constData(), "text/plain");
}

QStringList terminalKommando(const QByteArray& exec, const QStringList& files)
{
    gchar** argv = nullptr;
    if (!g_shell_parse_argv(exec.constData(), nullptr, &argv, nullptr))
        return {};
    QStringList command;
    for (gchar** arg = argv; *arg; ++arg) {
        const QString text = QString::fromUtf8(*arg);
        const bool alle = text == u"%F" || text == u"%U";
        if (alle || text == u"%f" || text == u"%u") {
            // A file in the program's place would be run itself, or taken by the terminal as a
            // command line for a shell.
            if (command.isEmpty())
                break;
            command += alle ? files : files.mid(0, 1);
            continue;
        }
        QString expanded;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != u'%' || i + 1 == text.size())
                expanded += text[i];
            else if (text[++i] == u'%')
                expanded += u'%';
        }
        if (!expanded.isEmpty())
            command.append(expanded);
    }
    g_strfreev(argv);
    return command;
}

namespace {

// An application's command line for files, from its Exec value.
QStringList commandFor(GDesktopAppInfo* app, const QStringList& files)
{
    gchar* exec = g_desktop_app_info_get_string(app, "Exec");
    const QStringList command = exec ? terminalKommando(exec, files) : QStringList();
    g_free(exec);
    return command;
}

// Runs in the started application's process before it executes.
void goToFolder(gpointer folder)
{
    if (::chdir(static_cast<const char*>(folder)) != 0)
        ::_exit(127);
}

// Starts an application with files in folder (the program's own when empty); one that needs a
// terminal runs through terminal. Takes the application.
int start(GDesktopAppInfo* app, const QStringList& files, const QString& folder, const TerminalStart& terminal)
{
    int code = shellStartFejlede;
    if (g_desktop_app_info_get_boolean(app, "Terminal")) {
        // GIO looks for a terminal of its own and finds none where the user's is only known by
        // $TERMINAL or x-terminal-emulator: the application runs in the user's terminal instead.
        const QStringList command = commandFor(app, files);
        code = command.isEmpty() ? shellStartFejlede : terminal(command);
    } else {
        GList* uris = nullptr;
        for (const QString& path : files) {
            GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
            uris = g_list_append(uris, g_file_get_uri(file));
            g_object_unref(file);
        }
        QByteArray mappe = QFile::encodeName(folder);
        GError* error = nullptr;
        if (g_desktop_app_info_launch_uris_as_manager(app, uris, nullptr, G_SPAWN_SEARCH_PATH,
                                                      folder.isEmpty() ? nullptr : goToFolder, mappe.data(), nullptr,
                                                      nullptr, &error))
            code = shellStartet;
        if (error)
            g_error_free(error);
        g_list_free_full(uris, g_free);
    }
    g_object_unref(app);
    return code;
}

QString utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// The keys of a desktop entry that name its program and icon: the program of Exec (its first
// word), TryExec and Icon, from the group [Desktop Entry].
struct Postnoegler {
    QString program;
    QString tryExec;
    QString ikon;
};

Postnoegler laesNoegler(const QByteArray& sti)
{
    Postnoegler post;
    const int fd = ::open(sti.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return post;
    QByteArray indhold;
    char blok[8192];
    // A short read of a regular file is its end: no read more to learn it.
    for (ssize_t n = ssize_t(sizeof blok); n == ssize_t(sizeof blok);) {
        n = ::read(fd, blok, sizeof blok);
        if (n > 0)
            indhold.append(blok, n);
    }
    ::close(fd);
    bool iGruppen = false;
    for (QByteArray linje : indhold.split('\n')) {
        linje = linje.trimmed();
        if (linje.startsWith('[')) {
            iGruppen = linje == "[Desktop Entry]";
            continue;
        }
        if (!iGruppen)
            continue;
        if (linje.startsWith("Exec=")) {
            const QByteArray exec = linje.mid(5).trimmed();
            const bool citeret = exec.startsWith('"');
            const qsizetype slut = citeret ? exec.indexOf('"', 1) : exec.indexOf(' ');
            const QByteArray program = citeret ? exec.mid(1, slut < 0 ? -1 : slut - 1) : exec.left(slut < 0 ? exec.size() : slut);
            post.program = QString::fromUtf8(program);
        } else if (linje.startsWith("TryExec=")) {
            post.tryExec = QString::fromUtf8(linje.mid(8).trimmed());
        } else if (linje.startsWith("Icon=")) {
            post.ikon = QString::fromUtf8(linje.mid(5).trimmed());
        }
    }
    return post;
}

// The desktop entries below folder, by their id (the path below it, "/" as "-"), as paths.
void findPoster(const QByteArray& mappe, const QByteArray& forstavelse, QList<std::pair<QString, QByteArray>>& poster)
{
    DIR* dir = ::opendir(mappe.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray navn(entry->d_name);
        if (navn.startsWith('.'))
            continue;
        const QByteArray sti = mappe + '/' + navn;
        if (entry->d_type == DT_DIR)
            findPoster(sti, forstavelse + navn + '-', poster);
        else if (navn.endsWith(".desktop"))
            poster.append({QString::fromUtf8(forstavelse + navn), sti});
    }
    ::closedir(dir);
}

// The icon of an application: a theme name or a file.
QString ikonAf(GAppInfo* app)
{
    GIcon* icon = g_app_info_get_icon(app);
    if (!icon)
        return {};
    gchar* text = g_icon_to_string(icon);
    const QString ikon = utf8(text);
    g_free(text);
    return ikon;
}

// The executables that commands name: a command with a "/" names itself, another is looked for
// in PATH once, as the installed applications name the same few programs over and over.
class Programfiler {
public:
    QString fil(const QString& kommando)
    {
        if (kommando.isEmpty() || kommando.contains(u'/'))
            return kommando;
        const auto fundet = iPath.constFind(kommando);
        if (fundet != iPath.constEnd())
            return *fundet;
        return iPath[kommando] = QStandardPaths::findExecutable(kommando);
    }

private:
    QHash<QString, QString> iPath;
};

}  // namespace

int launchDefault(const QString& contentType, const QString& path, const TerminalStart& terminal)
{
    if (contentType.isEmpty())
        return shellIngenTilknytning;
    GAppInfo* app = g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE);
    if (!app)
        return shellIngenTilknytning;
    if (!G_IS_DESKTOP_APP_INFO(app)) {
        g_object_unref(app);
        return shellUkendtFejl;
    }
    return start(G_DESKTOP_APP_INFO(app), {path}, QFileInfo(path).absolutePath(), terminal);
}

int launchDefaultForUri(const QString& uri)
{
    const QByteArray adresse = uri.toUtf8();
    gchar* scheme = g_uri_parse_scheme(adresse.constData());
    GAppInfo* app = scheme ? g_app_info_get_default_for_uri_scheme(scheme) : nullptr;
    const bool webadresse = scheme && (qstrcmp(scheme, "http") == 0 || qstrcmp(scheme, "https") == 0);
    g_free(scheme);
    if (!app)
        return webadresse ? shellIngenBrowser : shellIngenTilknytning;
    g_object_unref(app);
    GError* error = nullptr;
    const bool startet = g_app_info_launch_default_for_uri(adresse.constData(), nullptr, &error);
    if (error)
        g_error_free(error);
    return startet ? shellStartet : shellStartFejlede;
}

bool erProgrampost(const QString& path)
{
    if (!path.endsWith(QStringLiteral(".desktop")))
        return false;
    GDesktopAppInfo* app = g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData());
    if (app)
        g_object_unref(app);
    return app;
}

std::optional<Programpost> programpost(const QString& path)
{
    if (!path.endsWith(QStringLiteral(".desktop")))
        return std::nullopt;
    GDesktopAppInfo* app = g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData());
    if (!app)
        return std::nullopt;
    // The program speaks Danish: a Danish name first, whatever the system's language (GIO keeps
    // only the translations of the system's language).
    GKeyFile* fil = g_key_file_new();
    gchar* dansk = g_key_file_load_from_file(fil, QFile::encodeName(path).constData(), G_KEY_FILE_KEEP_TRANSLATIONS, nullptr)
                       ? g_key_file_get_locale_string(fil, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_NAME, "da", nullptr)
                       : nullptr;
    Programpost post{dansk ? utf8(dansk) : utf8(g_app_info_get_name(G_APP_INFO(app))), ikonAf(G_APP_INFO(app))};
    g_free(dansk);
    g_key_file_free(fil);
    g_object_unref(app);
    return post;
}

int launchEntry(const QString& path, const QStringList& files, const QString& folder, const TerminalStart& terminal)
{
    GDesktopAppInfo* app = g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData());
    return app ? start(app, files, folder, terminal) : shellUgyldigProgram;
}

QString programpostIkon(const QString& path) { return laesNoegler(QFile::encodeName(path)).ikon; }

QList<ProgramIkon> programIkoner()
{
    // The entries are read line by line for the three keys this needs: GIO's own list of all
    // applications parses every key of every entry and indexes them for searching, many times the
    // cost on a system with thousands of entries.
    QList<ProgramIkon> ikoner;
    QSet<QString> sete;
    Programfiler programfiler;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        QList<std::pair<QString, QByteArray>> poster;
        findPoster(QFile::encodeName(data + QStringLiteral("/applications")), {}, poster);
        for (const auto& [id, sti] : std::as_const(poster)) {
            // The same entry in an earlier data folder hides this one.
            if (sete.contains(id))
                continue;
            sete.insert(id);
            const Postnoegler post = laesNoegler(sti);
            const QString fil = programfiler.fil(post.tryExec.isEmpty() ? post.program : post.tryExec);
            if (!fil.isEmpty() && !post.ikon.isEmpty())
                ikoner.append({fil, post.ikon});
        }
    }
    return ikoner;
}

QString findProgrampost(const QString& id)
{
    QStringList mapper = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    mapper << QDir::homePath() + QStringLiteral("/.local/share/flatpak/exports/share")
           << QStringLiteral("/var/lib/flatpak/exports/share") << QStringLiteral("/var/lib/snapd/desktop");
    for (const QString& mappe : std::as_const(mapper))
        if (const QString fil = mappe + QStringLiteral("/applications/") + id; QFileInfo(fil).isFile())
            return fil;
    return {};
}

QString standardProgrampost(const QString& contentType)
{
    GAppInfo* app = g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE);
    if (!app)
        return {};
    const QString fil = G_IS_DESKTOP_APP_INFO(app) ? utf8(g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app)))
                                                   : QString();
    g_object_unref(app);
    return fil;
}

}  // namespace platform
