#include "platform/QuitSignals.h"

#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fds) != 0) {
        QLOG_ERROR("No socket for the quit signals: SIGTERM ends Quillory abruptly");
        return;
    }
    m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [] {
        char signal = 0;
        if (::read(s_fds[1], &signal, 1) == 1)
            QLOG("Quitting on signal", int(signal));
        // exit, not quit: Qt's quit asks every window to close first and gives up when one
        // refuses, as the countdown does (its close brings the overlay back).
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = &QuitSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
    for (int &fd : s_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void QuitSignals::handle(int signal) {
    const char byte = static_cast<char>(signal);
    // Only async-signal-safe calls here.
    [[maybe_unused]] const ssize_t written = ::write(s_fds[0], &byte, 1);
}
