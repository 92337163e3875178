#pragma once

#include <QString>

#include <optional>

// Start at login, through the freedesktop autostart folder: the login item is the one desktop
// entry $XDG_CONFIG_HOME/autostart/<application id>.desktop, which starts the binary that runs
// now. Written atomically; there is never a second one.
class LaunchOnStartup {
public:
    // Brings the autostart folder into line with `enabled`. Returns whether the entry is there
    // afterwards (what is really on disk, also when writing or removing failed).
    static bool setLaunchAtStartup(bool enabled);
    // The application's entry, when there is one.
    static std::optional<QString> itemReferencesInLoginItems();

    static QString entryPath();
    // The entry that starts `binary`, its path quoted as desktop entries want it.
    static QString entryText(const QString &binary);
};

// Removes the application's login item.
class LoginItemsBridge {
public:
    // The removed entry's path, or nothing when there was none or it could not be removed.
    static std::optional<QString> itemRefInLoginItems();
};
