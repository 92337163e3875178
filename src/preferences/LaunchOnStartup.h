#pragma once

#include <QString>

#include <optional>

class PreferenceStore;

// Start at login, through the freedesktop autostart folder: the login item is the one desktop
// entry $XDG_CONFIG_HOME/autostart/<application id>.desktop, which starts the binary that runs
// now. Written atomically; there is never a second one. The desktop's own autostart settings
// change the same file (GNOME and KDE hide an entry rather than delete it), so the file is what
// counts: the stored switch follows it, and only the user's click on the switch changes it.
class LaunchOnStartup {
public:
    // Brings the autostart folder into line with `enabled`. Returns whether the entry is on
    // afterwards (what is really on disk, also when writing or removing failed). An entry that
    // is on already, ours or another program's, is left as it is.
    static bool setLaunchAtStartup(bool enabled);
    // The entry at the application's name, when there is one, whoever wrote it.
    static std::optional<QString> itemReferencesInLoginItems();
    // Whether the entry starts Quillory at login: it is there and not switched off (Hidden=true,
    // X-GNOME-Autostart-enabled=false).
    static bool isOn();
    // "LoginStartStatus" takes the entry's state; returns it.
    static bool followEntry(PreferenceStore &preferences);

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
