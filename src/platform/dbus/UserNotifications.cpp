#include "platform/dbus/UserNotifications.h"

#include "platform/ApplicationIcon.h"
#include "platform/DiagnosticLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString defaultAction = QStringLiteral("default");
} // namespace

UserNotifications::UserNotifications(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus)) {
    if (!m_bus.isConnected()) {
        QLOG("No session bus: notifications are not shown");
        m_failureLogged = true;
        return;
    }
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
}

void UserNotifications::reportFailure(const QString &what, const QString &message) {
    if (m_failureLogged)
        return;
    m_failureLogged = true;
    QLOG("No notification shown:", what, "failed -", message);
}

// Asks the server once whether it renders markup in the body, which then needs escaping.
void UserNotifications::withCapabilities(std::function<void()> then) {
    if (m_bodyMarkup)
        return then();
    m_waiting.push_back(std::move(then));
    if (m_waiting.size() > 1)
        return; // asked already
    const QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QStringList> reply = *w;
        if (reply.isError())
            reportFailure(QStringLiteral("GetCapabilities"), reply.error().message());
        // Without an answer assume markup: escaped text reads right on most servers.
        m_bodyMarkup = reply.isError() || reply.value().contains(QStringLiteral("body-markup"));
        for (const std::function<void()> &waiting : std::exchange(m_waiting, {}))
            waiting();
    });
}

void UserNotifications::deliver(const Notification &notification) {
    if (!m_bus.isConnected())
        return;
    withCapabilities([this, notification, asked = ++m_sequence] { send(notification, asked); });
}

void UserNotifications::send(const Notification &notification, quint64 asked) {
    const QString body =
        *m_bodyMarkup ? notification.informativeText.toHtmlEscaped() : notification.informativeText;
    QStringList actions;
    if (!notification.identifier.isEmpty())
        //% "Show"
        actions << defaultAction << qtTrId("notification.action.show");
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName()},
    };
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    const QString icon = ApplicationIcon::file();
    call << QStringLiteral("Quillory") << uint(0)
         << (icon.isEmpty() ? QGuiApplication::desktopFileName() : icon) << notification.title
         << body << actions << hints << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, asked, notification](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError())
                    return reportFailure(QStringLiteral("Notify"), reply.error().message());
                if (m_removed.value(notification.identifier) > asked) // removed on its way
                    return close(reply.value());
                m_shown.insert(reply.value(), notification);
            });
}

void UserNotifications::removeDelivered(const QStringList &identifiers) {
    for (const QString &identifier : identifiers)
        m_removed.insert(identifier, ++m_sequence);
    for (auto it = m_shown.begin(); it != m_shown.end();) {
        if (!identifiers.contains(it->identifier)) {
            ++it;
            continue;
        }
        close(it.key());
        it = m_shown.erase(it);
    }
}

void UserNotifications::close(uint id) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface,
                                                       QStringLiteral("CloseNotification"));
    call << id;
    m_bus.asyncCall(call);
}

void UserNotifications::actionInvoked(uint id, const QString &action) {
    const auto it = m_shown.constFind(id);
    if (it == m_shown.cend() || action != defaultAction || it->identifier.isEmpty())
        return;
    Q_EMIT activated(it->identifier, it->userInfo);
}

void UserNotifications::notificationClosed(uint id, uint) {
    m_shown.remove(id);
}
