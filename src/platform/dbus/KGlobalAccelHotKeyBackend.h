#pragma once

#include "platform/dbus/ShortcutServiceBackend.h"

#include <QDBusConnection>
#include <QStringList>

#include <memory>

// System-wide hotkeys through KDE's global shortcut service (kglobalaccel on the session bus),
// which Plasma's Wayland session offers in place of key grabs. Each label is an action of
// Quillory's component, listed in System Settings › Shortcuts; a registration sets the action
// to its combination, replacing what the service remembered, since the stored shortcut is the
// one that counts. A combination another action holds comes back refused. The service grabs
// the keys and announces presses and releases as signals of the component's object. It
// answers at once, so the calls here wait for it.
class KGlobalAccelHotKeyBackend : public ShortcutServiceBackend {
    Q_OBJECT
public:
    // nullptr when the service neither runs on the session bus nor may be started there.
    static std::unique_ptr<KGlobalAccelHotKeyBackend>
    create(const QDBusConnection &bus = QDBusConnection::sessionBus());
    ~KGlobalAccelHotKeyBackend() override;

    int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature, quint32 id,
                       void **reference) override;
    int unregisterHotKey(void *reference) override;

    // The service's form of a combination: Qt's key code of the position with Qt's modifier
    // bits; nothing for a position Qt has no key for.
    static std::optional<int> qtKeyCode(quint32 keyCode, quint32 carbonModifiers);

private Q_SLOTS:
    void pressed(const QString &component, const QString &action, qlonglong timestamp);
    void released(const QString &component, const QString &action, qlonglong timestamp);

private:
    explicit KGlobalAccelHotKeyBackend(const QDBusConnection &bus);
    QStringList actionId(const HotKeyLabel &label) const;
    bool call(const QString &method, const QVariantList &arguments, QVariant *result = nullptr);

    QDBusConnection m_bus;
    const QString m_component;
    bool m_listening = false;
};
