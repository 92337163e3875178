#include "platform/dbus/PortalHotKeyBackend.h"

#include "platform/DiagnosticLog.h"
#include "platform/ModifierFlags.h"
#include "platform/dbus/Portal.h"
#include "platform/x11/KeyCodeTranslation.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");

// One entry of the portal's a(sa{sv}) lists: a shortcut's id and its properties.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

std::unique_ptr<PortalHotKeyBackend> PortalHotKeyBackend::create(const QDBusConnection &bus) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        Portal::service, Portal::path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get.setArguments({kInterface, QStringLiteral("version")});
    const QDBusMessage reply = bus.call(get, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return nullptr;
    QLOG("GlobalShortcuts portal version",
         reply.arguments().value(0).value<QDBusVariant>().variant().toUInt());
    return std::unique_ptr<PortalHotKeyBackend>(new PortalHotKeyBackend(bus));
}

PortalHotKeyBackend::PortalHotKeyBackend(const QDBusConnection &bus)
    : m_bus(bus) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    m_rebind.setSingleShot(true);
    m_rebind.setInterval(0);
    connect(&m_rebind, &QTimer::timeout, this, &PortalHotKeyBackend::rebind);
    m_bus.connect(Portal::service, Portal::path, kInterface, QStringLiteral("Activated"), this,
                  SLOT(activated(QDBusMessage)));
    m_bus.connect(Portal::service, Portal::path, kInterface, QStringLiteral("Deactivated"), this,
                  SLOT(deactivated(QDBusMessage)));
    m_bus.connect(Portal::service, Portal::path, kInterface, QStringLiteral("ShortcutsChanged"),
                  this, SLOT(shortcutsChanged(QDBusMessage)));
}

PortalHotKeyBackend::~PortalHotKeyBackend() {
    closeSession();
}

void PortalHotKeyBackend::closeSession() {
    if (m_session.isEmpty())
        return;
    m_bus.call(QDBusMessage::createMethodCall(Portal::service, m_session, kSessionInterface,
                                              QStringLiteral("Close")),
               QDBus::NoBlock);
    m_session.clear();
}

QString PortalHotKeyBackend::trigger(quint32 keyCode, quint32 carbonModifiers) {
    const QString key = KeyCodeTranslation::keysymName(keyCode);
    if (key.isEmpty())
        return {};
    const ModifierFlags flags = modifierFlagsFromCarbon(carbonModifiers);
    QString text;
    for (const auto &[flag, name] : {std::pair(ModifierCommand, "CTRL"),
                                     {ModifierOption, "ALT"},
                                     {ModifierShift, "SHIFT"},
                                     {ModifierControl, "LOGO"}}) {
        if (flags & flag)
            text += QLatin1String(name) + u'+';
    }
    return text + key;
}

void PortalHotKeyBackend::setStatusHandler(StatusHandler handler) {
    m_statusHandler = std::move(handler);
}

int PortalHotKeyBackend::registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature,
                                        quint32 id, void **reference) {
    const HotKeyLabel label = takeLabel(signature, id);
    const QString wanted = trigger(keyCode, carbonModifiers);
    if (wanted.isEmpty())
        return eventHotKeyInvalidErr;
    *reference = add({signature, id}, label, wanted);
    m_rebind.start();
    return hotKeyPending;
}

int PortalHotKeyBackend::unregisterHotKey(void *reference) {
    if (!remove(reference))
        return eventHotKeyInvalidErr;
    m_rebind.start();
    return noErr;
}

// A new session for the new set: a session's shortcuts are bound once.
void PortalHotKeyBackend::rebind() {
    if (!m_pendingRequest.isEmpty()) {
        m_wanted = true; // response() comes back here when the portal has answered
        return;
    }
    closeSession();
    if (m_registrations.isEmpty())
        return;
    request(QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("session_handle_token"),
                          QStringLiteral("quillory%1").arg(++m_lastToken)}}},
            QStringLiteral("CreateSession"));
}

bool PortalHotKeyBackend::request(const QString &method, QVariantList arguments,
                                  const QString &purpose) {
    // Listen where the Response will come before asking.
    const QString token = QStringLiteral("quillory%1").arg(++m_lastToken);
    QVariantMap options = arguments.last().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.last() = options;
    const QString expected = Portal::requestPath(m_bus, token);
    m_bus.connect(Portal::service, expected, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(response(QDBusMessage)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(Portal::service, Portal::path, kInterface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_bus.disconnect(Portal::service, expected, kRequestInterface, QStringLiteral("Response"),
                         this, SLOT(response(QDBusMessage)));
        QLOG_ERROR("The GlobalShortcuts portal failed on", method + ":", reply.errorMessage());
        for (const Registration &registration : std::as_const(m_registrations))
            report(registration.label.name, eventInternalErr,
                   u"the GlobalShortcuts portal failed: "_qs + reply.errorMessage());
        return false;
    }
    m_pendingRequest = reply.arguments().value(0).value<QDBusObjectPath>().path();
    m_pendingPurpose = purpose;
    if (m_pendingRequest != expected) {
        // A portal that names its requests itself answers there, and never where we listen.
        m_bus.disconnect(Portal::service, expected, kRequestInterface, QStringLiteral("Response"),
                         this, SLOT(response(QDBusMessage)));
        m_bus.connect(Portal::service, m_pendingRequest, kRequestInterface,
                      QStringLiteral("Response"), this, SLOT(response(QDBusMessage)));
    }
    return true;
}

void PortalHotKeyBackend::response(const QDBusMessage &message) {
    if (message.path() != m_pendingRequest)
        return;
    m_bus.disconnect(Portal::service, m_pendingRequest, kRequestInterface,
                     QStringLiteral("Response"), this, SLOT(response(QDBusMessage)));
    m_pendingRequest.clear();
    const uint code = message.arguments().value(0).toUInt();
    const QVariantMap results = qdbus_cast<QVariantMap>(message.arguments().value(1));
    if (m_pendingPurpose == u"CreateSession"_qs) {
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        m_session = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                         : handle.toString();
        if (code == 0 && !m_session.isEmpty()) {
            bindShortcuts();
            return;
        }
        for (const Registration &registration : std::as_const(m_registrations))
            report(registration.label.name, eventInternalErr,
                   u"the GlobalShortcuts portal made no session (response %1)"_qs.arg(code));
    } else if (code != 0) {
        //  1: the user cancelled the desktop's dialog; 2: the portal ended the request.
        for (const QString &name : std::as_const(m_asked))
            report(
                name, eventHotKeyExistsErr,
                code == 1
                    ? u"the shortcut was declined in the desktop's dialog"_qs
                    : u"the GlobalShortcuts portal refused to bind it (response %1)"_qs.arg(code));
    } else {
        bindingsChanged(results.value(QStringLiteral("shortcuts")), m_asked);
    }
    // Changes that came while the portal was asked.
    if (std::exchange(m_wanted, false))
        m_rebind.start();
}

void PortalHotKeyBackend::bindShortcuts() {
    // One entry per name; a shortcut recorded again binds its newest combination.
    QList<PortalShortcut> shortcuts;
    m_asked.clear();
    for (auto entry = m_registrations.crbegin(); entry != m_registrations.crend(); ++entry) {
        if (m_asked.contains(entry->label.name))
            continue;
        m_asked.prepend(entry->label.name);
        shortcuts.prepend({entry->label.name,
                           {{QStringLiteral("description"), entry->label.description},
                            {QStringLiteral("preferred_trigger"), entry->trigger}}});
    }
    m_wanted = false;
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts),
             QString(), QVariantMap()},
            QStringLiteral("BindShortcuts"));
}

void PortalHotKeyBackend::bindingsChanged(const QVariant &shortcuts, const QList<QString> &asked) {
    const QList<PortalShortcut> bound = qdbus_cast<QList<PortalShortcut>>(shortcuts);
    for (const QString &name : asked) {
        const auto found = std::find_if(bound.cbegin(), bound.cend(),
                                        [&name](const PortalShortcut &s) { return s.id == name; });
        const QVariant trigger =
            found == bound.cend() ? QVariant()
                                  : found->properties.value(QStringLiteral("trigger_description"));
        if (found == bound.cend()) {
            report(name, eventHotKeyExistsErr, u"the desktop did not bind it"_qs);
        } else if (trigger.isValid() && trigger.toString().isEmpty()) {
            report(name, eventHotKeyExistsErr, u"the desktop gave it no key"_qs);
        } else {
            QLOG("The GlobalShortcuts portal bound", name, "to", trigger.toString());
            report(name, noErr, {});
        }
    }
}

void PortalHotKeyBackend::shortcutsChanged(const QDBusMessage &message) {
    if (message.arguments().value(0).value<QDBusObjectPath>().path() == m_session)
        bindingsChanged(message.arguments().value(1), m_asked);
}

void PortalHotKeyBackend::report(const QString &name, int status, const QString &reason) {
    if (!m_statusHandler)
        return;
    // Copied: the handler may change the registrations.
    const QList<Registration> registrations = m_registrations;
    for (const Registration &registration : registrations) {
        if (registration.label.name == name)
            m_statusHandler(reinterpret_cast<void *>(registration.reference), status, reason);
    }
}

std::optional<QString> PortalHotKeyBackend::shortcutOfSession(const QDBusMessage &message) const {
    if (message.arguments().value(0).value<QDBusObjectPath>().path() != m_session)
        return std::nullopt;
    return message.arguments().value(1).toString();
}

void PortalHotKeyBackend::activated(const QDBusMessage &message) {
    if (const std::optional<QString> name = shortcutOfSession(message))
        deliver(kEventHotKeyPressed, *name);
}

void PortalHotKeyBackend::deactivated(const QDBusMessage &message) {
    if (const std::optional<QString> name = shortcutOfSession(message))
        deliver(kEventHotKeyReleased, *name);
}
