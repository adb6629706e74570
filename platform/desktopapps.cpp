// GIO declares a field named "signals": it is included before anything of Qt.
#include <gio/gio.h>

#include "platform/desktopapps.h"

#include "platform/shell.h"

#include <QFile>

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

int launchDefault(const QString& contentType, const QString& path)
{
    if (contentType.isEmpty())
        return shellIngenTilknytning;
    GAppInfo* app = g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE);
    if (!app)
        return shellIngenTilknytning;
    GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
    GList* files = g_list_append(nullptr, file);
    GError* error = nullptr;
    const gboolean launched = g_app_info_launch(app, files, nullptr, &error);
    if (error)
        g_error_free(error);
    g_list_free(files);
    g_object_unref(file);
    g_object_unref(app);
    return launched ? shellStartet : shellUkendtFejl;
}

}  // namespace platform
