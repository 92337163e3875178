#include "platform/dbus/ScreenshotPortal.h"

#include "platform/DiagnosticLog.h"
#include "platform/dbus/Portal.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QUrl>

#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
// How long a request may take before it counts as failed: long enough for a portal that asks
// the user for permission first.
constexpr int kTimeoutMs = 20000;

// The transfer file's bytes, with its identity; empty, with the reason, when it is no regular
// file of at most the size allowed or cannot be read. System calls and plain values only: the
// thread that reads may still be at it while the process ends.
QByteArray readTransferFile(const QByteArray &path, struct stat &identity, QString &why) {
    // Without O_NONBLOCK a FIFO's open would wait for a writer that never comes.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = qt_error_string(errno);
        return {};
    }
    QByteArray data;
    if (::fstat(fd, &identity) != 0)
        why = qt_error_string(errno);
    else if (!S_ISREG(identity.st_mode))
        why = QStringLiteral("not a regular file");
    else if (identity.st_size > ScreenshotPortal::kMaxFileBytes)
        why = QStringLiteral("%1 bytes, more than a picture of a desktop takes")
                  .arg(qint64(identity.st_size));
    else if (identity.st_size == 0)
        why = QStringLiteral("an empty file");
    if (!why.isEmpty()) {
        ::close(fd);
        return {};
    }
    data.resize(qsizetype(identity.st_size));
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t got = ::read(fd, data.data() + done, size_t(data.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            why = got < 0 ? qt_error_string(errno) : QStringLiteral("shorter than it said");
            break;
        }
        done += got;
    }
    ::close(fd);
    return why.isEmpty() ? data : QByteArray();
}
} // namespace

// What the reading threads share with the portal. While `abandoned` is false, under the lock,
// the portal exists and a thread may decode and post its answer to it.
struct ScreenshotPortal::Reading {
    std::mutex mutex;
    bool abandoned = false;
};

ScreenshotPortal::ScreenshotPortal(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_reading(std::make_shared<Reading>()) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        // Tell the portal we stopped waiting, so a dialog it may show goes away.
        m_bus.asyncCall(QDBusMessage::createMethodCall(Portal::service, m_request, kRequest,
                                                       QStringLiteral("Close")));
        fail(QStringLiteral("no answer within %1 ms").arg(kTimeoutMs));
    });
    m_readTimeout.setSingleShot(true);
    connect(&m_readTimeout, &QTimer::timeout, this, [this] {
        m_read = 0; // its answer, should it come, is not waited for
        fail(QStringLiteral("its file was not read within %1 ms").arg(kReadTimeoutMs));
    });
}

ScreenshotPortal::~ScreenshotPortal() {
    stopListening();
    // A read under way goes on without us: only a picture being decoded is waited for, which
    // takes a moment, never a file that does not answer.
    const std::lock_guard lock(m_reading->mutex);
    m_reading->abandoned = true;
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
    const QString path = uri.toLocalFile();
    QLOG("The Screenshot portal's picture:", path);
    read(path);
}

// A whole desktop's PNG takes a while to decode, and the file may be anything: neither on the
// main thread. The file was made for this request alone, so it goes once decoded; else every
// capture would leave one behind.
void ScreenshotPortal::read(const QString &path) {
    m_read = ++m_reads;
    m_readTimeout.start(kReadTimeoutMs);
    std::thread([this, reading = m_reading, path = QFile::encodeName(path), read = m_read] {
        struct stat identity = {};
        QString why;
        const QByteArray data = readTransferFile(path, identity, why);
        std::unique_lock lock(reading->mutex);
        if (reading->abandoned)
            return;
        QImage desktop = data.isEmpty() ? QImage() : QImage::fromData(data);
        if (!data.isEmpty() && desktop.isNull())
            why = QStringLiteral("not a picture");
        lock.unlock();
        struct stat now = {};
        if (!desktop.isNull() && ::lstat(path.constData(), &now) == 0 &&
            now.st_dev == identity.st_dev && now.st_ino == identity.st_ino)
            ::unlink(path.constData());
        lock.lock();
        if (!reading->abandoned)
            QMetaObject::invokeMethod(
                this, [this, read, desktop, why] { readDone(read, desktop, why); },
                Qt::QueuedConnection);
    }).detach();
}

void ScreenshotPortal::readDone(quint64 read, const QImage &desktop, const QString &why) {
    if (read != m_read)
        return; // given up on
    m_read = 0;
    m_readTimeout.stop();
    if (desktop.isNull())
        return fail(QStringLiteral("cannot read its file: ") + why);
    finish(desktop);
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
