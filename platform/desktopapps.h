#pragma once

#include <QString>

// The desktop's content types and default applications (GIO).
namespace platform {

// The content type of a file, such as "text/plain"; empty when it cannot be told.
QString contentTypeOf(const QString& path);

// True for plain text and every type that is a kind of it (scripts, source code, HTML, ...).
bool isTextType(const QString& contentType);

// Starts the default application for contentType on path; a shell code (shellStartet, or
// shellIngenTilknytning when the type has no application).
int launchDefault(const QString& contentType, const QString& path);

}  // namespace platform
