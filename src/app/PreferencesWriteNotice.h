#pragma once

#include <QObject>

class PreferenceStore;
class UserNotifications;

// Settings that cannot be saved would be gone at the next start: the user hears of it once a
// session, by a notification that names the file and the reason, and Quillory goes on with
// them in memory.
class PreferencesWriteNotice : public QObject {
    Q_OBJECT
public:
    PreferencesWriteNotice(PreferenceStore &preferences, UserNotifications &notifications,
                           QObject *parent = nullptr);

private:
    bool m_told = false;
};
