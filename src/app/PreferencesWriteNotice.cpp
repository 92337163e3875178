#include "app/PreferencesWriteNotice.h"

#include "platform/dbus/UserNotifications.h"
#include "settings/PreferenceStore.h"

PreferencesWriteNotice::PreferencesWriteNotice(PreferenceStore &preferences,
                                               UserNotifications &notifications, QObject *parent)
    : QObject(parent) {
    preferences.writeFailedHandler.watch(
        this, [this, &notifications](const PreferenceStore::WriteFailure &failure) {
            if (std::exchange(m_told, true))
                return;
            //% "Settings are not saved"
            notifications.deliver(
                {qtTrId("preferences.notSaved.title"),
                 //% "Quillory could not write %1: %2. Your changes last "
                 //% "until Quillory ends."
                 qtTrId("preferences.notSaved.text").arg(failure.filePath, failure.reason),
                 {},
                 {}});
        });
}
