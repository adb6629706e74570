#pragma once

#include <QString>

namespace platform {

// Posts a notification to the desktop's notification centre (org.freedesktop.Notifications on
// the session bus), with a sound file to play. The body is plain text: it arrives as given also
// at a service that reads bodies as markup. False when no notification service is there to take
// it (none running and none the bus can start).
bool postNotification(const QString& appName, const QString& title, const QString& body, const QString& soundFile);

}  // namespace platform
