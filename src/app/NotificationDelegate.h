#pragma once

#include "settings/Handler.h"

#include <QObject>
#include <QString>

class UserNotifications;

// Answers clicks on the application's notifications: the one for a saved screenshot asks the
// screenshot code to show the file; the clipboard one does nothing.
class NotificationDelegate : public QObject {
    Q_OBJECT
public:
    NotificationDelegate(UserNotifications &center,
                         Handler<Nothing> &screenshotNotificationActivated,
                         QObject *parent = nullptr);

    void didActivateNotification(const QString &identifier);

private:
    Handler<Nothing> &m_screenshotNotificationActivated;
};
