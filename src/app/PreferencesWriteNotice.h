#pragma once

class PreferenceStore;
class QObject;
class UserNotifications;

// Settings that cannot be saved would be gone at the next start: the user hears of it once a
// session, by a notification that names the file and the reason, while `context` lives, and
// Quillory goes on with them in memory.
void announceFailedPreferenceWrites(PreferenceStore &preferences, UserNotifications &notifications,
                                    QObject *context);
