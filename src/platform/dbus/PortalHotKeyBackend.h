#pragma once

#include "platform/dbus/ShortcutServiceBackend.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimer>
#include <QVariantMap>

#include <memory>

// System-wide hotkeys through the freedesktop GlobalShortcuts portal (GNOME 48 and later, KDE,
// other desktops whose portal has it). The portal binds a session's whole set of shortcuts at
// once and answers later, so registrations are gathered: after each change (once the event
// loop runs again) the session is made anew and every label bound with its combination as the
// preferred trigger. The desktop may give a shortcut another trigger or none; which ones it
// bound comes back through the status handler. Presses arrive as Activated, releases as
// Deactivated, by the label's name.
class PortalHotKeyBackend : public ShortcutServiceBackend {
    Q_OBJECT
public:
    // nullptr when the session's portal has no GlobalShortcuts interface.
    static std::unique_ptr<PortalHotKeyBackend>
    create(const QDBusConnection &bus = QDBusConnection::sessionBus());
    ~PortalHotKeyBackend() override;

    int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature, quint32 id,
                       void **reference) override;
    int unregisterHotKey(void *reference) override;
    void setStatusHandler(StatusHandler handler) override;

    // The portal's form of a combination, e.g. "CTRL+SHIFT+a": its modifier names and the key's
    // keysym name. Empty for a code no key has.
    static QString trigger(quint32 keyCode, quint32 carbonModifiers);

private Q_SLOTS:
    void response(const QDBusMessage &message);
    void activated(const QDBusMessage &message);
    void deactivated(const QDBusMessage &message);
    void shortcutsChanged(const QDBusMessage &message);

private:
    explicit PortalHotKeyBackend(const QDBusConnection &bus);
    void rebind();
    void closeSession();
    // Calls a portal method that answers with a Request; its Response goes to response().
    bool request(const QString &method, QVariantList arguments, const QString &purpose);
    void bindShortcuts();
    // The shortcuts the portal says are bound (an a(sa{sv}) list), for the names asked about.
    void bindingsChanged(const QVariant &shortcuts, const QList<QString> &asked);
    void report(const QString &name, int status, const QString &reason);
    // The name of the shortcut an Activated or Deactivated signal is about, if it is about
    // this session.
    std::optional<QString> shortcutOfSession(const QDBusMessage &message) const;

    QDBusConnection m_bus;
    QTimer m_rebind;
    QString m_session;        // the session's object path, once made
    QString m_pendingRequest; // the Request path whose Response is awaited
    QString m_pendingPurpose; // "CreateSession" or "BindShortcuts"
    QList<QString> m_asked;   // the names the last BindShortcuts asked for
    bool m_wanted = false;    // the set changed while a request was pending
    quint32 m_lastToken = 0;
    StatusHandler m_statusHandler;
};
