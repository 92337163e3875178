#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

// The desktop's notifications (org.freedesktop.Notifications on the session bus). Every call
// is asynchronous: a slow or missing notification server never holds up the caller; without
// one the log says so once and nothing is shown.
class UserNotifications : public QObject {
    Q_OBJECT
public:
    struct Notification {
        QString title;
        QString informativeText;
        // Set for notifications whose click the application answers; empty for none.
        QString identifier;
        // What the notification is about (a saved file), handed back with its click.
        QVariant userInfo;
    };

    explicit UserNotifications(QDBusConnection bus = QDBusConnection::sessionBus(),
                               QObject *parent = nullptr);

    void deliver(const Notification &notification);
    // Closes the notifications this process sent with one of these identifiers that are still
    // shown, or on their way to the server; the others stay.
    void removeDelivered(const QStringList &identifiers);

Q_SIGNALS:
    // The user clicked a notification that has an identifier.
    void activated(const QString &identifier, const QVariant &userInfo);

private Q_SLOTS:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    void withCapabilities(std::function<void()> then);
    void send(const Notification &notification, quint64 asked);
    void close(uint id);
    void reportFailure(const QString &what, const QString &message);

    QDBusConnection m_bus;
    std::optional<bool> m_bodyMarkup; // known once the server answered
    std::vector<std::function<void()>> m_waiting;
    QHash<uint, Notification> m_shown; // by server id
    // Counts every delivery and removal. An identifier's last removal is kept, so that a
    // notification delivered before it whose id comes back after it is closed at once.
    quint64 m_sequence = 0;
    QHash<QString, quint64> m_removed;
    bool m_failureLogged = false;
};
