#include "platform/dbus/ScreenshotPortal.h"

#include "platform/DiagnosticLog.h"
#include "platform/dbus/Portal.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QThread>
#include <QUrl>

#include <memory>

namespace {
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
// How long a request may take before it counts as failed: long enough for a portal that asks
// the user for permission first.
constexpr int kTimeoutMs = 20000;
} // namespace

ScreenshotPortal::ScreenshotPortal(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        // Tell the portal we stopped waiting, so a dialog it may show goes away.
        m_bus.asyncCall(QDBusMessage::createMethodCall(Portal::service, m_request, kRequest,
                                                       QStringLiteral("Close")));
        fail(QStringLiteral("no answer within %1 ms").arg(kTimeoutMs));
    });
}

ScreenshotPortal::~ScreenshotPortal() {
    stopListening();
    // A file being read is read to the end and removed.
    for (QThread *reader : findChildren<QThread *>())
        reader->wait();
}

void ScreenshotPortal::take(Done done) {
    m_waiting.push_back(std::move(done));
    if (m_waiting.size() > 1)
        return;
    if (!m_bus.isConnected()) // still answered from the event loop, as every other failure
        return QTimer::singleShot(0, this, [this] { fail(QStringLiteral("no session bus")); });
    // Listening first, no answer can come before we hear it.
    const QString token = QStringLiteral("quillory%1").arg(++m_serial);
    listen(Portal::requestPath(m_bus, token));
    m_timeout.start(kTimeoutMs);

    QDBusMessage call = QDBusMessage::createMethodCall(
        Portal::service, Portal::path, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    call << QString() // no parent window: the picture is taken without a dialog
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kTimeoutMs), this);
    const quint64 serial = m_serial;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, serial] {
        watcher->deleteLater();
        if (serial != m_serial || m_waiting.empty())
            return; // timed out meanwhile
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError())
            return fail(reply.error().name() + u' ' + reply.error().message());
        // Portals older than the handle_token scheme make up their own path.
        if (const QString path = reply.value().path(); path != m_request)
            listen(path);
    });
}

void ScreenshotPortal::listen(const QString &requestPath) {
    stopListening();
    m_request = requestPath;
    m_bus.connect(Portal::service, m_request, kRequest, QStringLiteral("Response"), this,
                  SLOT(response(uint, QVariantMap)));
}

void ScreenshotPortal::stopListening() {
    if (m_request.isEmpty())
        return;
    m_bus.disconnect(Portal::service, m_request, kRequest, QStringLiteral("Response"), this,
                     SLOT(response(uint, QVariantMap)));
    m_request.clear();
}

void ScreenshotPortal::response(uint code, const QVariantMap &results) {
    if (m_waiting.empty())
        return;
    // 1: the user cancelled, 2: refused or failed otherwise.
    if (code != 0)
        return fail(QStringLiteral("response %1").arg(code));
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile())
        return fail(QStringLiteral("no local file in the answer: ") + uri.toString());
    m_timeout.stop();
    stopListening();
    // A whole desktop's PNG takes a while to decode: not on the main thread. The file was made
    // for this request alone, so it goes once read; else every capture would leave one behind.
    const QString path = uri.toLocalFile();
    QLOG("The Screenshot portal's picture:", path);
    auto desktop = std::make_shared<QImage>();
    QThread *reader = QThread::create([path, desktop] {
        *desktop = QImage(path);
        QFile::remove(path);
    });
    reader->setParent(this);
    connect(reader, &QThread::finished, this, [this, reader, path, desktop] {
        reader->deleteLater();
        if (desktop->isNull())
            return fail(QStringLiteral("cannot read ") + path);
        finish(*desktop);
    });
    reader->start();
}

void ScreenshotPortal::fail(const QString &why) {
    QLOG_ERROR("The Screenshot portal gave no picture:", why);
    finish({});
}

void ScreenshotPortal::finish(const QImage &desktop) {
    m_timeout.stop();
    stopListening();
    std::vector<Done> waiting;
    waiting.swap(m_waiting);
    for (const Done &done : waiting)
        done(desktop);
}
