#include "platform/dbus/InstanceChannel.h"

#include "platform/DiagnosticLog.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

const QString InstanceChannel::serviceName = QStringLiteral("org.quillory.Quillory");
const QString InstanceChannel::objectPath = QStringLiteral("/org/quillory/Quillory");

InstanceChannel::InstanceChannel(QObject *parent)
    : QObject(parent) {}

InstanceChannel::Listen InstanceChannel::listen(Lookup lookup) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QLOG_ERROR("No session bus:", bus.lastError().message(),
                   "- a second launch cannot find this one, --action will not reach it");
        return Listen::noBus;
    }
    m_lookup = std::move(lookup);
    if (!bus.registerService(serviceName)) {
        if (bus.interface()->isServiceRegistered(serviceName))
            return Listen::alreadyRunning;
        QLOG_ERROR("Could not take the bus name", serviceName, bus.lastError().message());
        return Listen::noBus;
    }
    bus.registerObject(objectPath, this, QDBusConnection::ExportAllSlots);
    return Listen::listening;
}

bool InstanceChannel::Action(const QString &name, QString &answer) {
    QLOG("Remote action", name);
    std::optional<Served> served = m_lookup ? m_lookup(name) : std::nullopt;
    if (!served)
        return false;
    answer = served->answer;
    // From the event loop, once this call has returned and its answer is on its way.
    if (served->action)
        QMetaObject::invokeMethod(this, std::move(served->action), Qt::QueuedConnection);
    return true;
}

void InstanceChannel::setFileRequests(FileRequest exportTo, FileRequest open) {
    m_export = std::move(exportTo);
    m_open = std::move(open);
}

QString InstanceChannel::Export(const QString &path) {
    QLOG("Remote export to", path);
    //% "Quillory is still starting"
    return m_export ? m_export(path) : qtTrId("remote.starting");
}

QString InstanceChannel::Open(const QString &path) {
    QLOG("Remote open of", path);
    return m_open ? m_open(path) : qtTrId("remote.starting");
}

InstanceChannel::Result InstanceChannel::sendFile(const QString &method, const QString &path,
                                                  QString *message) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        *message = qtTrId("remote.noBus").arg(bus.lastError().message());
        return Result::noBus;
    }
    if (!bus.interface()->isServiceRegistered(serviceName)) {
        *message = qtTrId("remote.notRunning");
        return Result::nothingRunning;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName, objectPath, serviceName, method);
    call << path;
    // A large drawing takes a moment to write.
    const QDBusReply<QString> reply(bus.call(call, QDBus::Block, 60000));
    if (!reply.isValid()) {
        *message = qtTrId("remote.noAnswer").arg(reply.error().message());
        return Result::nothingRunning;
    }
    *message = reply.value();
    return message->isEmpty() ? Result::done : Result::unknownAction;
}

InstanceChannel::Result InstanceChannel::send(const QString &action, QString *message,
                                              QString *answer) {
    const auto fail = [message](Result result, const QString &text) {
        if (message)
            *message = text;
        return result;
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        //% "no session D-Bus to reach Quillory through (%1)"
        return fail(Result::noBus, qtTrId("remote.noBus").arg(bus.lastError().message()));
    if (!bus.interface()->isServiceRegistered(serviceName))
        //% "Quillory is not running"
        return fail(Result::nothingRunning, qtTrId("remote.notRunning"));
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName, objectPath, serviceName,
                                                       QStringLiteral("Action"));
    call << action;
    const QDBusMessage returned = bus.call(call, QDBus::Block, 5000);
    const QDBusReply<bool> reply(returned);
    if (!reply.isValid())
        //% "Quillory did not answer: %1"
        return fail(Result::nothingRunning, qtTrId("remote.noAnswer").arg(reply.error().message()));
    if (!reply.value())
        //% "unknown action \"%1\""
        return fail(Result::unknownAction, qtTrId("remote.refused").arg(action));
    if (answer && returned.arguments().size() > 1)
        *answer = returned.arguments().at(1).toString();
    return Result::done;
}
