#include "platform/Session.h"

#include <QtGlobal>

#include <utility>

namespace {
bool s_read = false;
bool s_wayland = false;
} // namespace

bool Session::isWayland() {
    if (!s_read) {
        s_wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        s_read = true;
    }
    return s_wayland;
}

QString Session::choosePlatform() {
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!isWayland())
        return chosen.isEmpty()
                   ? QStringLiteral("X11 session: Qt platform xcb")
                   : QStringLiteral("X11 session: Qt platform %1 (QT_QPA_PLATFORM)").arg(chosen);
    if (!chosen.isEmpty())
        return QStringLiteral("Wayland session: Qt platform %1, as QT_QPA_PLATFORM asks")
            .arg(chosen);
    qputenv("QT_QPA_PLATFORM", "xcb");
    return QStringLiteral("Wayland session: Qt platform xcb (XWayland)");
}

namespace {
constexpr char kNoSharedMemory[] = "QT_XCB_NO_MITSHM";
} // namespace

Session::SocketPaints::SocketPaints() {
    if (qEnvironmentVariableIsSet(kNoSharedMemory))
        return;
    qputenv(kNoSharedMemory, "1");
    m_set = true;
}

void Session::SocketPaints::undo() {
    if (std::exchange(m_set, false))
        qunsetenv(kNoSharedMemory);
}
