#pragma once

#include "settings/Handler.h"

#include <QString>
#include <QUrl>

// The application's request channels: the save and copy commands (and Ctrl+C anywhere in the
// application) ask for a screenshot, and a clicked screenshot notification asks to reveal the
// file it names. One set per process, made by main.
struct RequestChannels {
    Handler<Nothing> saveScreenshotRequest;
    Handler<Nothing> copyScreenshotRequest;
    Handler<QUrl> screenshotNotificationActivated;
};

// The identifiers of the screenshot notifications, which tell their clicks apart.
namespace NotificationIdentifiers {
inline const QString savedScreenshot = QStringLiteral("DBAAD179-35A3-4C42-A424-65A8DBFCD413");
inline const QString copiedScreenshot = QStringLiteral("3542307B-56E5-43F9-BBB2-A0D413A5B930");
} // namespace NotificationIdentifiers
