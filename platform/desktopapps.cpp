// GIO declares a field named "signals": it is included before anything of Qt.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include "platform/desktopapps.h"

#include "platform/shell.h"

#include <QFile>
#include <QFileInfo>

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

namespace {

// An application's command line for one file: the codes for files and URLs become the file's
// path as one argument, %% a percent sign, and the other codes drop out.
QStringList commandFor(GDesktopAppInfo* app, const QString& path)
{
    gchar* exec = g_desktop_app_info_get_string(app, "Exec");
    gchar** argv = nullptr;
    const bool parsed = exec && g_shell_parse_argv(exec, nullptr, &argv, nullptr);
    g_free(exec);
    QStringList command;
    for (gchar** arg = argv; parsed && *arg; ++arg) {
        const QString text = QString::fromUtf8(*arg);
        if (text == u"%f" || text == u"%F" || text == u"%u" || text == u"%U") {
            command.append(path);
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

// Runs in the started application's process before it executes.
void goToFolder(gpointer folder)
{
    if (::chdir(static_cast<const char*>(folder)) != 0)
        ::_exit(127);
}

}  // namespace

int launchDefault(const QString& contentType, const QString& path, const TerminalStart& terminal)
{
    if (contentType.isEmpty())
        return shellIngenTilknytning;
    GAppInfo* app = g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE);
    if (!app)
        return shellIngenTilknytning;
    int code = shellUkendtFejl;
    if (!G_IS_DESKTOP_APP_INFO(app)) {
        g_object_unref(app);
        return code;
    }
    auto* desktop = G_DESKTOP_APP_INFO(app);
    if (g_desktop_app_info_get_boolean(desktop, "Terminal")) {
        // GIO looks for a terminal of its own and finds none where the user's is only known by
        // $TERMINAL or x-terminal-emulator: the application runs in the user's terminal instead.
        const QStringList command = commandFor(desktop, path);
        code = command.isEmpty() ? shellUkendtFejl : terminal(command);
    } else {
        GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
        gchar* uri = g_file_get_uri(file);
        GList* uris = g_list_append(nullptr, uri);
        QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        GError* error = nullptr;
        if (g_desktop_app_info_launch_uris_as_manager(desktop, uris, nullptr, G_SPAWN_SEARCH_PATH, goToFolder,
                                                      folder.data(), nullptr, nullptr, &error))
            code = shellStartet;
        if (error)
            g_error_free(error);
        g_list_free(uris);
        g_free(uri);
        g_object_unref(file);
    }
    g_object_unref(app);
    return code;
}

}  // namespace platform
