#include "app/PreferencesWriteNotice.h"

#include "platform/dbus/UserNotifications.h"
#include "settings/PreferenceStore.h"

#include <memory>
#include <utility>

void announceFailedPreferenceWrites(PreferenceStore &preferences, UserNotifications &notifications,
                                    QObject *context) {
    preferences.writeFailedHandler.watch(
        context, [&notifications, told = std::make_shared<bool>(false)](
                     const PreferenceStore::WriteFailure &failure) {
            if (std::exchange(*told, true))
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
