#include "platform/dbus/KGlobalAccelHotKeyBackend.h"

#include "core/Key.h"
#include "platform/DiagnosticLog.h"
#include "platform/ModifierFlags.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>

namespace {
const QString kService = QStringLiteral("org.kde.kglobalaccel");
const QString kPath = QStringLiteral("/kglobalaccel");
const QString kInterface = QStringLiteral("org.kde.KGlobalAccel");
const QString kComponentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
// setShortcut's flags: make the action present (grabbed), and set the keys given rather than
// the ones the service remembers.
constexpr uint kSetPresent = 2, kNoAutoloading = 4;
} // namespace

std::unique_ptr<KGlobalAccelHotKeyBackend>
KGlobalAccelHotKeyBackend::create(const QDBusConnection &bus) {
    // Installed KDE libraries make the service startable on any desktop, where its key grabs
    // would only see XWayland's windows: it counts when it runs, or in a KDE session.
    const QDBusConnectionInterface *daemon = bus.interface();
    const bool kde = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                         .split(u':')
                         .contains(u"KDE"_qs, Qt::CaseInsensitive);
    if (!daemon || (!daemon->isServiceRegistered(kService).value() &&
                    !(kde && daemon->activatableServiceNames().value().contains(kService))))
        return nullptr;
    return std::unique_ptr<KGlobalAccelHotKeyBackend>(new KGlobalAccelHotKeyBackend(bus));
}

KGlobalAccelHotKeyBackend::KGlobalAccelHotKeyBackend(const QDBusConnection &bus)
    : m_bus(bus)
    , m_component(QGuiApplication::desktopFileName().isEmpty()
                      ? QCoreApplication::applicationName()
                      : QGuiApplication::desktopFileName()) {}

KGlobalAccelHotKeyBackend::~KGlobalAccelHotKeyBackend() {
    // Let the keys go; the actions stay listed with them, for the next start.
    for (const Registration &registration : std::as_const(m_registrations))
        call(QStringLiteral("setInactive"), {actionId(registration.label)});
}

std::optional<int> KGlobalAccelHotKeyBackend::qtKeyCode(quint32 keyCode, quint32 carbonModifiers) {
    const std::optional<Key> key = keyFromCarbonKeyCode(keyCode);
    if (!key || qtKey(*key).key() == Qt::Key_unknown)
        return std::nullopt;
    return qtKey(*key).toCombined() |
           int(qtModifiersFromFlags(modifierFlagsFromCarbon(carbonModifiers)).toInt());
}

// [component, action, component's friendly name, action's friendly name].
QStringList KGlobalAccelHotKeyBackend::actionId(const HotKeyLabel &label) const {
    return {m_component, label.name, QCoreApplication::applicationName(), label.description};
}

bool KGlobalAccelHotKeyBackend::call(const QString &method, const QVariantList &arguments,
                                     QVariant *result) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        QLOG_ERROR("KDE's global shortcut service failed on", method + ":", reply.errorMessage());
        return false;
    }
    if (result)
        *result = reply.arguments().value(0);
    return true;
}

int KGlobalAccelHotKeyBackend::registerHotKey(quint32 keyCode, quint32 carbonModifiers,
                                              quint32 signature, quint32 id, void **reference) {
    const HotKeyLabel label = takeLabel(signature, id);
    const std::optional<int> key = qtKeyCode(keyCode, carbonModifiers);
    if (!key)
        return eventHotKeyInvalidErr;
    const QStringList action = actionId(label);
    if (!call(QStringLiteral("doRegister"), {action}))
        return eventInternalErr;
    if (!m_listening) {
        QVariant path;
        if (!call(QStringLiteral("getComponent"), {m_component}, &path))
            return eventInternalErr;
        const QString component = path.value<QDBusObjectPath>().path();
        m_listening = m_bus.connect(kService, component, kComponentInterface,
                                    QStringLiteral("globalShortcutPressed"), this,
                                    SLOT(pressed(QString, QString, qlonglong))) &&
                      m_bus.connect(kService, component, kComponentInterface,
                                    QStringLiteral("globalShortcutReleased"), this,
                                    SLOT(released(QString, QString, qlonglong)));
        if (!m_listening) {
            QLOG_ERROR("Cannot hear KDE's global shortcut service at", component);
            return eventInternalErr;
        }
    }
    // The keys the action got: none (or 0) when another action holds the combination.
    QVariant assigned;
    if (!call(QStringLiteral("setShortcut"),
              {action, QVariant::fromValue(QList<int>{*key}), kSetPresent | kNoAutoloading},
              &assigned))
        return eventInternalErr;
    if (qdbus_cast<QList<int>>(assigned) != QList<int>{*key}) {
        QLOG("KDE's global shortcut service gave", label.name, "no key: another action has it");
        return eventHotKeyExistsErr;
    }
    *reference = add({signature, id}, label);
    return noErr;
}

int KGlobalAccelHotKeyBackend::unregisterHotKey(void *reference) {
    const std::optional<Registration> removed = remove(reference);
    if (!removed)
        return eventHotKeyInvalidErr;
    // A shortcut recorded again has registered its action anew already.
    const QString &name = removed->label.name;
    const bool stillHeld =
        std::any_of(m_registrations.cbegin(), m_registrations.cend(),
                    [&name](const Registration &entry) { return entry.label.name == name; });
    if (!stillHeld)
        call(QStringLiteral("setInactive"), {actionId(removed->label)});
    return noErr;
}

void KGlobalAccelHotKeyBackend::pressed(const QString &component, const QString &action,
                                        qlonglong) {
    if (component == m_component)
        deliver(kEventHotKeyPressed, action);
}

void KGlobalAccelHotKeyBackend::released(const QString &component, const QString &action,
                                         qlonglong) {
    if (component == m_component)
        deliver(kEventHotKeyReleased, action);
}
