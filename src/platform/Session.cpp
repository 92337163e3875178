#include "platform/Session.h"

#include <QtGlobal>

namespace {
bool s_read = false;
bool s_wayland = false;
} // namespace

void Session::StartupVariable::set(const char *name, const QByteArray &value) {
    m_name = name;
    if (qEnvironmentVariableIsSet(name))
        m_before = qgetenv(name);
    qputenv(name, value);
}

void Session::StartupVariable::undo() {
    if (!m_name)
        return;
    if (m_before)
        qputenv(m_name, *m_before);
    else
        qunsetenv(m_name);
    m_name = nullptr;
}

bool Session::isWayland() {
    if (!s_read) {
        s_wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        s_read = true;
    }
    return s_wayland;
}

QString Session::choosePlatform(StartupVariable &platform) {
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!isWayland())
        return chosen.isEmpty()
                   ? QStringLiteral("X11 session: Qt platform xcb")
                   : QStringLiteral("X11 session: Qt platform %1 (QT_QPA_PLATFORM)").arg(chosen);
    if (!chosen.isEmpty())
        return QStringLiteral("Wayland session: Qt platform %1, as QT_QPA_PLATFORM asks")
            .arg(chosen);
    platform.set("QT_QPA_PLATFORM", "xcb");
    return QStringLiteral("Wayland session: Qt platform xcb (XWayland)");
}

namespace {
constexpr char kNoSharedMemory[] = "QT_XCB_NO_MITSHM";
} // namespace

Session::SocketPaints::SocketPaints() {
    if (!qEnvironmentVariableIsSet(kNoSharedMemory))
        m_variable.set(kNoSharedMemory, "1");
}
