#pragma once

#include "platform/HotKeyBackend.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

// System-wide hotkeys through KDE's global shortcut service (kglobalaccel on the session bus),
// which Plasma's Wayland session offers in place of key grabs. Each label is an action of
// Quillory's component, listed in System Settings › Shortcuts; a registration sets the action
// to its combination, replacing what the service remembered, since the stored shortcut is the
// one that counts. A combination another action holds comes back refused. The service grabs
// the keys and announces presses and releases as signals of the component's object. It
// answers at once, so the calls here wait for it.
class KGlobalAccelHotKeyBackend : public QObject, public HotKeyBackend {
    Q_OBJECT
public:
    // nullptr when the service neither runs on the session bus nor may be started there.
    static std::unique_ptr<KGlobalAccelHotKeyBackend>
    create(const QDBusConnection &bus = QDBusConnection::sessionBus());
    ~KGlobalAccelHotKeyBackend() override;

    int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature, quint32 id,
                       void **reference) override;
    int unregisterHotKey(void *reference) override;
    int installEventHandler(EventHandler handler, void **reference) override;
    void setLabel(const EventHotKeyID &hotKeyID, const HotKeyLabel &label) override;

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
    void deliver(quint32 kind, const QString &action);

    struct Registration {
        quintptr reference;
        EventHotKeyID hotKeyID;
        HotKeyLabel label;
    };
    QDBusConnection m_bus;
    const QString m_component;
    bool m_listening = false;
    QList<Registration> m_registrations;  // oldest first
    QHash<quint64, HotKeyLabel> m_labels; // by signature << 32 | id, until registered
    EventHandler m_handler;
    quintptr m_lastReference = 0;
};
