#include "platform/dbus/Workspace.h"

#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QThreadPool>

#include <canberra.h>

#include <memory>
#include <utility>

namespace Workspace {

void revealFile(const QString &path) {
    const QString folder = QFileInfo(path).absolutePath();
    const auto openFolder = [folder] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
            QLOG("Could not open", folder);
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return openFolder();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [openFolder](QDBusPendingCallWatcher *w) {
                         w->deleteLater();
                         if (w->isError()) {
                             QLOG("No file manager to show the file:", w->error().message());
                             openFolder();
                         }
                     });
}

namespace {
// A sound server or a sound card to play on. Without either, canberra would only try each of
// its back ends in turn (and ALSA print its complaints to the terminal).
bool hasSoundOutput() {
    if (qEnvironmentVariableIsSet("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native")))
        return true;
    return !QDir(QStringLiteral("/dev/snd"))
                .entryList({QStringLiteral("pcmC*")}, QDir::System)
                .isEmpty();
}

std::function<void(const QString &)> &soundListener() {
    static std::function<void(const QString &)> listener;
    return listener;
}
} // namespace

void setSoundListener(std::function<void(const QString &eventId)> listener) {
    soundListener() = std::move(listener);
}

void playSound(const QString &eventId, const QString &description) {
    if (soundListener())
        return soundListener()(eventId);
    static const bool output = hasSoundOutput();
    if (!output) {
        static bool logged = false;
        if (!std::exchange(logged, true))
            QLOG("No sound output: no", eventId, "sound");
        return;
    }
    QThreadPool::globalInstance()->start([id = eventId.toUtf8(), text = description.toUtf8()] {
        // One context for the process, opened on first use; canberra contexts are not
        // thread-safe, so plays take turns.
        static QMutex mutex;
        static std::unique_ptr<ca_context, decltype(&ca_context_destroy)> context{
            nullptr, &ca_context_destroy};
        static bool unavailable = false;
        QMutexLocker lock(&mutex);
        if (unavailable)
            return;
        if (!context) {
            ca_context *made = nullptr;
            if (ca_context_create(&made) != CA_SUCCESS) {
                unavailable = true;
                return;
            }
            context.reset(made);
            ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Quillory", nullptr);
        }
        const int result =
            text.isEmpty()
                ? ca_context_play(context.get(), 0, CA_PROP_EVENT_ID, id.constData(), nullptr)
                : ca_context_play(context.get(), 0, CA_PROP_EVENT_ID, id.constData(),
                                  CA_PROP_EVENT_DESCRIPTION, text.constData(), nullptr);
        static bool logged = false;
        if (result != CA_SUCCESS && !std::exchange(logged, true))
            QLOG("No sound for", id, "-", ca_strerror(result));
    });
}

} // namespace Workspace
