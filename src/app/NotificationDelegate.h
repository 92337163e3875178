#pragma once

#include "settings/Handler.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>

class UserNotifications;

// Answers clicks on the application's notifications: one for a saved screenshot asks the
// screenshot code to show its file; the clipboard one does nothing.
class NotificationDelegate : public QObject {
    Q_OBJECT
public:
    NotificationDelegate(UserNotifications &center, Handler<QUrl> &screenshotNotificationActivated,
                         QObject *parent = nullptr);

    void didActivateNotification(const QString &identifier, const QVariant &userInfo);

private:
    Handler<QUrl> &m_screenshotNotificationActivated;
};
