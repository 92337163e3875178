#include "app/NotificationDelegate.h"

#include "app/RequestChannels.h"
#include "platform/UserNotifications.h"

NotificationDelegate::NotificationDelegate(UserNotifications &center,
                                           Handler<Nothing> &screenshotNotificationActivated,
                                           QObject *parent)
    : QObject(parent)
    , m_screenshotNotificationActivated(screenshotNotificationActivated) {
    connect(&center, &UserNotifications::activated, this,
            &NotificationDelegate::didActivateNotification);
}

void NotificationDelegate::didActivateNotification(const QString &identifier) {
    if (identifier == NotificationIdentifiers::savedScreenshot)
        m_screenshotNotificationActivated.notify();
}
