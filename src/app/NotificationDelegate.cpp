#include "app/NotificationDelegate.h"

#include "app/RequestChannels.h"
#include "platform/dbus/UserNotifications.h"

NotificationDelegate::NotificationDelegate(UserNotifications &center,
                                           Handler<QUrl> &screenshotNotificationActivated,
                                           QObject *parent)
    : QObject(parent)
    , m_screenshotNotificationActivated(screenshotNotificationActivated) {
    connect(&center, &UserNotifications::activated, this,
            &NotificationDelegate::didActivateNotification);
}

void NotificationDelegate::didActivateNotification(const QString &identifier,
                                                   const QVariant &userInfo) {
    if (identifier == NotificationIdentifiers::savedScreenshot)
        m_screenshotNotificationActivated.notify(userInfo.toUrl());
}
