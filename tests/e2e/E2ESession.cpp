#include "E2ESession.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A D-Bus property, or sets it to `value` (without asking for the interface's description,
// which Qt keeps with the connection).
QVariant busProperty(const QDBusConnection &bus, const QString &service, const QString &path,
                     const QString &name, const QVariant &value = {}) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, path, u"org.freedesktop.DBus.Properties"_qs,
                                       value.isValid() ? u"Set"_qs : u"Get"_qs);
    message << name.section(u'/', 0, 0) << name.section(u'/', 1);
    if (value.isValid())
        message << QVariant::fromValue(QDBusVariant(value));
    const QDBusMessage reply = bus.call(message, QDBus::Block, 5000);
    return qdbus_cast<QDBusVariant>(reply.arguments().value(0)).variant();
}

// Through mutter's remote desktop service (GNOME): a session with a virtual pointer and
// keyboard; moves to a point need a screen-cast stream of the monitor in the same session.
class MutterInput : public CompositorInput {
public:
    explicit MutterInput(const QDBusConnection &bus)
        : m_bus(bus) {}
    bool start() {
        const QString desktop = u"org.gnome.Mutter.RemoteDesktop"_qs;
        const QString cast = u"org.gnome.Mutter.ScreenCast"_qs;
        m_session =
            call(desktop, u"/org/gnome/Mutter/RemoteDesktop"_qs, desktop, u"CreateSession"_qs);
        const QVariant id =
            busProperty(m_bus, desktop, m_session, desktop + u".Session/SessionId"_qs);
        const QString screencast =
            call(cast, u"/org/gnome/Mutter/ScreenCast"_qs, cast, u"CreateSession"_qs,
                 {QVariantMap{{u"remote-desktop-session-id"_qs, id}}});
        m_stream = call(cast, screencast, cast + u".Session"_qs, u"RecordMonitor"_qs,
                        {QString(), QVariantMap{{u"cursor-mode"_qs, 0u}}});
        notify(u"Start"_qs, {});
        return !m_stream.isEmpty();
    }

protected:
    void pointer(QPoint at, quint8 buttons) override {
        notify(u"NotifyPointerMotionAbsolute"_qs, {m_stream, double(at.x()), double(at.y())});
        if ((buttons ^ m_buttons) & 1)
            notify(u"NotifyPointerButton"_qs, {0x110, bool(buttons & 1)}); // BTN_LEFT
        for (const int notch : {3, 4})
            if (buttons & ~m_buttons & (1 << notch))
                notify(u"NotifyPointerAxisDiscrete"_qs, {0u, notch == 3 ? -1 : 1});
        m_buttons = buttons;
    }
    void keyEvent(quint32 keysym, bool down) override {
        notify(u"NotifyKeyboardKeysym"_qs, {keysym, down});
    }

private:
    QString call(const QString &service, const QString &path, const QString &interface,
                 const QString &method, const QVariantList &arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = m_bus.call(message, QDBus::Block, 5000);
        const QVariant first = reply.arguments().value(0);
        return first.canConvert<QDBusObjectPath>() ? first.value<QDBusObjectPath>().path()
                                                   : first.toString();
    }
    void notify(const QString &method, const QVariantList &arguments) {
        call(u"org.gnome.Mutter.RemoteDesktop"_qs, m_session,
             u"org.gnome.Mutter.RemoteDesktop.Session"_qs, method, arguments);
    }
    QDBusConnection m_bus;
    QString m_session, m_stream;
    quint8 m_buttons = 0;
};

// Reads `size` bytes, waiting at most `ms` for each part.
bool readFully(int fd, char *data, qsizetype size, int ms) {
    for (qsizetype got = 0; got < size;) {
        pollfd ready{fd, POLLIN, 0};
        const ssize_t n =
            ::poll(&ready, 1, ms) == 1 ? ::read(fd, data + got, size_t(size - got)) : 0;
        if (n <= 0)
            return false;
        got += n;
    }
    return true;
}

// Through KWin's fake-input protocol, which KWin offers only to a client whose program it can
// read, as its own user: a copy of this test program in KWin's runtime folder (`program`), run
// as that user, holds the connection and sends each request it is handed with a round trip,
// answering once KWin has it.
class KwinInput : public CompositorInput {
public:
    ~KwinInput() override {
        ::close(m_requests);
        ::close(m_answers);
        if (m_child > 0)
            ::waitpid(m_child, nullptr, 0);
    }
    bool start(const QByteArray &program, const QByteArray &socket, uid_t user) {
        int requests[2], answers[2];
        if (::pipe(requests) || ::pipe(answers))
            return false;
        const QByteArray task = kServe + QByteArray::number(requests[0]) + ' ' +
                                QByteArray::number(answers[1]) + ' ' + socket;
        m_child = ::fork();
        if (m_child == 0) {
            ::close(requests[1]); // the parent's ends: closing its own ends the child
            ::close(answers[0]);
            if (::getuid() == 0 && (::setgroups(0, nullptr) || ::setgid(user) || ::setuid(user)))
                ::_exit(1);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL); // after the change of user, which clears it
            ::putenv(const_cast<char *>(task.constData()));
            ::execl(program.constData(), program.constData(), nullptr);
            ::_exit(1);
        }
        ::close(requests[0]);
        ::close(answers[1]);
        m_requests = requests[1];
        m_answers = answers[0];
        char ready = 0;
        return readFully(m_answers, &ready, 1, 10000);
    }

protected:
    void pointer(QPoint at, quint8 buttons) override {
        request(9, quint32(at.x() * 256), quint32(at.y() * 256)); // absolute, in fixed point
        if ((buttons ^ m_buttons) & 1)
            request(2, 0x110, buttons & 1); // BTN_LEFT
        for (const int notch : {3, 4})
            if (buttons & ~m_buttons & (1 << notch))
                request(3, 0, quint32((notch == 3 ? -10 : 10) * 256)); // the vertical axis
        m_buttons = buttons;
    }
    void keyEvent(quint32 keysym, bool down) override {
        // evdev's codes on the US layout; a shifted character goes as its key (Shift comes apart).
        static const QMap<quint32, quint32> named = {
            {' ', 57},     {0xff1b, 1},   {0xff08, 14},  {0xff09, 15},  {0xff0d, 28},
            {0xffe3, 29},  {0xffe1, 42},  {0xffe9, 56},  {0xffeb, 125}, {0xff52, 103},
            {0xff55, 104}, {0xff51, 105}, {0xff53, 106}, {0xff54, 108}, {0xff56, 109}};
        static const QString rows[] = {u"1234567890-="_qs, u"qwertyuiop[]"_qs, u"asdfghjkl;'`"_qs,
                                       u"\\zxcvbnm,./"_qs};
        static const QString shifted = u"!@#$%^&*()_+{}|:\"<>?~"_qs;
        static const QString plain = u"1234567890-=[]\\;',./`"_qs;
        QChar key = QChar(char16_t(keysym < 0x80 ? keysym : 1)).toLower();
        if (const qsizetype at = shifted.indexOf(key); at >= 0)
            key = plain.at(at);
        quint32 code = named.value(keysym);
        for (int row = 0; row < 4 && !code; ++row)
            if (const qsizetype at = rows[row].indexOf(key); at >= 0)
                code = quint32(std::array{2, 16, 30, 43}[row] + at);
        request(10, code, down);
    }

private:
    void request(quint32 opcode, quint32 a, quint32 b) {
        const quint32 message[3] = {opcode, a, b};
        char done = 0;
        if (::write(m_requests, message, sizeof message) == sizeof message)
            readFully(m_answers, &done, 1, 5000);
    }

public:
    // The variable that makes this program the child (see `serving` below).
    static constexpr char kServe[] = "QUILLORY_KWIN_INPUT=";
    // The child's side, in system calls: binds the protocol and authenticates, then sends each
    // request from `requests`, answering on `answers` after a round trip.
    static int serve(const char *path, int requests, int answers) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path, sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address))
            return 11;
        quint32 out[64];
        int words = 2;
        const auto word = [&](quint32 value) { out[words++] = value; };
        const auto text = [&](const char *value) {
            const quint32 length = quint32(std::strlen(value) + 1);
            word(length);
            std::memset(&out[words], 0, (length + 3) / 4 * 4);
            std::memcpy(&out[words], value, length);
            words += int((length + 3) / 4);
        };
        const auto send = [&](quint32 object, quint32 opcode) {
            out[0] = object;
            out[1] = quint32(words * 4) << 16 | opcode;
            const bool sent = ::write(fd, out, size_t(words) * 4) == ssize_t(words) * 4;
            words = 2;
            return sent;
        };
        quint32 nextId = 2, name = 0, version = 0;
        const quint32 registry = nextId++;
        // A wl_display.sync, and the events until it is done: the globals on the way.
        static char in[65536];
        const auto roundTrip = [&] {
            const quint32 callback = nextId++;
            word(callback);
            if (!send(1, 0))
                return false;
            for (qsizetype held = 0;;) {
                const ssize_t got = ::read(fd, in + held, sizeof in - size_t(held));
                if (got <= 0)
                    return false;
                held += got;
                qsizetype at = 0;
                for (quint32 head[2]; held - at >= 8; at += head[1] >> 16) {
                    std::memcpy(head, in + at, 8);
                    if (held - at < qsizetype(head[1] >> 16))
                        break;
                    const char *body = in + at + 8;
                    quint32 length = 0;
                    std::memcpy(&length, body + 4, 4);
                    if (head[0] == registry &&
                        std::strcmp(body + 8, "org_kde_kwin_fake_input") == 0) {
                        std::memcpy(&name, body, 4);
                        std::memcpy(&version, body + 8 + (length + 3) / 4 * 4, 4);
                    }
                    if (head[0] == callback)
                        return true;
                }
                std::memmove(in, in + at, size_t(held - at));
                held -= at;
            }
        };
        word(registry);
        if (!send(1, 1))
            return 12;
        if (!roundTrip())
            return 13;
        if (!name)
            return 14;
        const quint32 input = nextId++;
        word(name);
        text("org_kde_kwin_fake_input");
        word(std::min(version, 4u));
        word(input);
        send(registry, 0);
        text("quillory tests");
        text("input through the compositor");
        send(input, 0);
        for (quint32 next[3];;) {
            if (!roundTrip() || ::write(answers, "1", 1) != 1)
                return 1;
            if (!readFully(requests, reinterpret_cast<char *>(next), sizeof next, -1))
                return 0;
            word(next[1]);
            word(next[2]);
            send(input, next[0]);
        }
    }

private:
    pid_t m_child = -1;
    int m_requests = -1, m_answers = -1;
    quint8 m_buttons = 0;
};

// Run as KwinInput's child, this program serves it before anything else starts.
const bool serving = [] {
    const char *task = std::getenv("QUILLORY_KWIN_INPUT");
    int requests = -1, answers = -1, at = 0;
    if (task && std::sscanf(task, "%d %d %n", &requests, &answers, &at) == 2)
        std::_Exit(KwinInput::serve(task + at, requests, answers));
    return false;
}();
} // namespace

namespace {

void dieWithParent() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

// sway refuses to run as root (it insists it cannot regain root once dropped): as root, the
// Wayland session runs as nobody.
constexpr uid_t kNobody = 65534;

QString readText(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Waits for a started process's first line: Xvfb's display number, the bus's address.
QByteArray firstLine(QProcess &process) {
    QDeadlineTimer deadline(10000);
    if (!process.waitForStarted(5000))
        return {};
    while (!process.canReadLine() && !deadline.hasExpired())
        process.waitForReadyRead(100);
    return process.readLine().trimmed();
}

// Waits for a process to end; its exit code, or -1 when it crashed or had to be killed.
int finish(QProcess &process, int timeoutMs, QByteArray *output) {
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

E2ESession::E2ESession(Options options)
    : m_options(std::move(options)) {}

E2ESession::~E2ESession() {
    stop(m_app);
    stop(m_native);
    for (std::unique_ptr<QProcess> &other : m_others)
        stop(other);
    stop(m_compositor);
    stop(m_portalBackend);
    stop(m_bus);
    m_input.reset();
    m_shell.reset();
    QDBusConnection::disconnectFromBus(u"e2e-gnome"_qs);
    stop(m_wayvnc);
    stop(m_sway);
    stop(m_xvfb);
}

std::unique_ptr<QProcess> E2ESession::process(const QString &program,
                                              const QStringList &arguments) {
    auto child = std::make_unique<QProcess>();
    child->setProgram(program);
    child->setArguments(arguments);
    child->setChildProcessModifier(dieWithParent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!m_display.isEmpty())
        env.insert(u"DISPLAY"_qs, m_display);
    if (!m_busAddress.isEmpty())
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, m_busAddress);
    if (m_runtime) {
        env.insert(u"XDG_RUNTIME_DIR"_qs, m_runtime->path());
        env.insert(u"WAYLAND_DISPLAY"_qs, m_waylandDisplay);
        env.insert(u"XDG_CURRENT_DESKTOP"_qs,
                   std::array{u"sway"_qs, u"GNOME"_qs, u"KDE"_qs}[int(m_options.desktop)]);
        env.insert(u"GDK_BACKEND"_qs, u"wayland"_qs);
    }
    child->setProcessEnvironment(env);
    return child;
}

void E2ESession::stop(std::unique_ptr<QProcess> &child) {
    if (child && child->state() != QProcess::NotRunning) {
        child->terminate();
        if (!child->waitForFinished(3000)) {
            child->kill();
            child->waitForFinished(3000);
        }
    }
    child.reset();
}

bool E2ESession::startX() {
    const QSize size = m_options.monitorSize;
    const int width = size.width() * (m_options.twoMonitors ? 2 : 1);
    // -displayfd picks a free display and tells us its number.
    m_xvfb =
        process(u"Xvfb"_qs, {u"-displayfd"_qs, u"1"_qs, u"-noreset"_qs, u"-nolisten"_qs, u"tcp"_qs,
                             u"-screen"_qs, u"0"_qs, u"%1x%2x24"_qs.arg(width).arg(size.height())});
    m_xvfb->start();
    const QByteArray number = firstLine(*m_xvfb);
    if (!m_home.isValid() || number.isEmpty()) {
        errorString = u"Xvfb did not start: "_qs + m_xvfb->errorString();
        return false;
    }
    m_display = u":"_qs + QString::fromLatin1(number);

    run(u"xsetroot"_qs, {u"-solid"_qs, u"#336699"_qs});
    if (m_options.twoMonitors) {
        const QString geometry = u"%1/508x%2/286+%3+0"_qs.arg(size.width()).arg(size.height());
        run(u"xrandr"_qs, {u"--setmonitor"_qs, u"LEFT"_qs, geometry.arg(0), u"screen"_qs});
        run(u"xrandr"_qs,
            {u"--setmonitor"_qs, u"RIGHT"_qs, geometry.arg(size.width()), u"none"_qs});
    }
    // Xvfb puts the pointer in the middle of its screen, which with two monitors is on the
    // border between them: start on the first monitor instead, near its bottom-right corner,
    // where the brush dot stays out of the tests' way.
    moveTo({size.width() - 40, size.height() - 40});
    return !m_options.compositor || startCompositor();
}

bool E2ESession::start() {
    if (!m_options.wayland && !startX())
        return false;
    // A private session bus: the single-instance name and --action go through it. In the
    // Wayland session one without activation, so that every portal service is one started here.
    m_bus = process(u"dbus-daemon"_qs, {m_options.wayland ? u"--config-file=" QUILLORY_SOURCE_DIR
                                                            "/tests/e2e/wayland-bus.conf"_qs
                                                          : u"--session"_qs,
                                        u"--nofork"_qs, u"--print-address=1"_qs});
    m_bus->start();
    m_busAddress = QString::fromUtf8(firstLine(*m_bus));
    if (m_busAddress.isEmpty()) {
        errorString = u"dbus-daemon gave no address"_qs;
        return false;
    }
    using Desktop = Options::Desktop;
    if (m_options.wayland && !(m_options.desktop == Desktop::gnome  ? startGnome()
                               : m_options.desktop == Desktop::kwin ? startKwin()
                                                                    : startWayland()))
        return false;
    // The accessibility bus, which screen readers and the tests' AT-SPI client talk over.
    if (m_options.accessibility &&
        !spawn(u"/usr/libexec/at-spi-bus-launcher"_qs, {u"--launch-immediately"_qs})) {
        errorString = u"at-spi-bus-launcher did not start"_qs;
        return false;
    }
    QString entries = m_options.preferences;
    if (!m_options.firstRun)
        entries += u"<key>FirstTimeMenu</key><true/>"_qs;
    if (!m_options.helpCard)
        entries += u"<key>pz.infoMessageHidden</key><true/>"_qs;
    QDir().mkpath(QFileInfo(preferencesPath()).absolutePath());
    QFile file(preferencesPath());
    const QByteArray plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                             "<dict>" +
                             entries.toUtf8() + "</dict></plist>\n";
    if (!entries.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(plist) < 0)) {
        errorString = u"cannot seed the preferences"_qs;
        return false;
    }
    file.close();
    return !m_options.launch || startApplication();
}

bool E2ESession::startApplication() {
    m_app = process(QStringLiteral(QUILLORY_BINARY), {});
    m_app->setProcessEnvironment(applicationEnvironment());
    // A file, not a pipe: a chatty application must never block on a full pipe.
    m_app->setProcessChannelMode(QProcess::MergedChannels);
    m_app->setStandardOutputFile(logPath());
    m_app->start();
    if (!m_app->waitForStarted(5000) || !waitForLog(u"Overlay shown"_qs, 20000)) {
        errorString = u"the overlay never showed: "_qs + m_app->errorString() + u"\n"_qs + log();
        return false;
    }
    // The log line comes before the server has mapped the window; a loaded machine may take
    // a while longer, and a drag sent before that would go to the window below. (On sway the
    // overlay is a native surface, and the X window shows only for a moment: a second for it.)
    waitForOverlay(true,
                   m_options.wayland && m_options.desktop != Options::Desktop::gnome ? 1000 : 5000);
    settle(400);
    return true;
}

QProcessEnvironment E2ESession::applicationEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_qs, m_display);
    env.insert(u"HOME"_qs, m_home.path());
    env.insert(u"XDG_CONFIG_HOME"_qs, m_home.path() + u"/.config"_qs);
    env.insert(u"XDG_STATE_HOME"_qs, m_home.path() + u"/.local/state"_qs);
    env.insert(u"XDG_RUNTIME_DIR"_qs, m_home.path());
    env.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
    if (m_options.accessibility) {
        env.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_qs, u"1"_qs);
    } else {
        env.insert(u"QT_ACCESSIBILITY"_qs, u"0"_qs);
        env.insert(u"NO_AT_BRIDGE"_qs, u"1"_qs);
    }
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, m_busAddress);
    env.remove(u"WAYLAND_DISPLAY"_qs);
    if (m_options.wayland) { // as a Wayland session starts it: Quillory picks its platform
        // A path: the socket is in sway's runtime folder, not in the application's.
        env.insert(u"WAYLAND_DISPLAY"_qs, m_runtime->path() + u'/' + m_waylandDisplay);
        env.remove(u"QT_QPA_PLATFORM"_qs);
    }
    env.insert(m_options.environment);
    return env;
}

QStringList E2ESession::accessibleNames(bool details) {
    QByteArray output;
    run(QStringLiteral(QUILLORY_SOURCE_DIR "/tests/e2e/accessible-names.py"),
        QStringList{u"Quillory"_qs} << (details ? u"--details"_qs : QString()), &output);
    return QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
}

int E2ESession::runQuillory(const QStringList &arguments, QByteArray *output,
                            const QProcessEnvironment &environment) {
    std::unique_ptr<QProcess> child = process(QStringLiteral(QUILLORY_BINARY), arguments);
    QProcessEnvironment merged = applicationEnvironment();
    merged.insert(environment);
    child->setProcessEnvironment(merged);
    child->setProcessChannelMode(QProcess::MergedChannels);
    child->start();
    return finish(*child, 20000, output);
}

bool E2ESession::startWindowManager() {
    return spawn(u"openbox"_qs, {u"--config-file"_qs, u"/dev/null"_qs}) &&
           waitUntil(
               [&] {
                   QByteArray root;
                   run(u"xprop"_qs, {u"-root"_qs, u"_NET_SUPPORTING_WM_CHECK"_qs}, &root);
                   return root.contains("window id");
               },
               5000);
}

bool E2ESession::applicationRunning() const {
    return m_app && m_app->state() != QProcess::NotRunning;
}

int E2ESession::applicationExitCode() const {
    return applicationRunning() || !m_app || m_app->exitStatus() != QProcess::NormalExit
               ? -1
               : m_app->exitCode();
}

bool E2ESession::startCompositor() {
    m_compositor =
        process(u"picom"_qs, {u"--backend"_qs, u"xrender"_qs, u"--config"_qs, u"/dev/null"_qs});
    m_compositor->start();
    if (!m_compositor->waitForStarted(5000)) {
        errorString = u"picom did not start"_qs;
        return false;
    }
    settle(500);
    return true;
}

void E2ESession::stopCompositor() {
    stop(m_compositor);
    settle(300);
}

QString E2ESession::preferencesText() const {
    return readText(preferencesPath());
}

bool E2ESession::stores(const QString &key, const QString &value) const {
    // The application writes its preferences from a thread of their own, a moment later.
    return waitUntil(
        [&] {
            const QString text = preferencesText().simplified().remove(u' ');
            return text.contains(u"<key>"_qs + key + u"</key>"_qs + value);
        },
        2000);
}

QString E2ESession::log() const {
    return readText(logPath());
}

int E2ESession::run(const QString &program, const QStringList &arguments, QByteArray *output) {
    std::unique_ptr<QProcess> child = process(program, arguments);
    child->start();
    return finish(*child, 10000, output);
}

bool E2ESession::spawn(const QString &program, const QStringList &arguments) {
    m_others.push_back(process(program, arguments));
    m_others.back()->start();
    return m_others.back()->waitForStarted(5000);
}

// xdotool needs a short pause between steps for the application to keep up.
void E2ESession::xdotool(const QStringList &arguments, int pauseMs) {
    run(u"xdotool"_qs, arguments);
    settle(pauseMs);
}

void E2ESession::moveTo(QPoint point) {
    if (!m_input)
        return xdotool({u"mousemove"_qs, QString::number(point.x()), QString::number(point.y())},
                       15);
    m_input->move(point);
    settle(15);
}

void E2ESession::button(bool down) {
    if (!m_input)
        return xdotool({down ? u"mousedown"_qs : u"mouseup"_qs, u"1"_qs}, 30);
    m_input->button(1, down);
    settle(30);
}

void E2ESession::wheel(int notches) {
    const int number = notches < 0 ? 5 : 4;
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        if (!m_input) {
            xdotool({u"click"_qs, QString::number(number)}, 30);
            continue;
        }
        m_input->button(number, true);
        m_input->button(number, false); // wayvnc turns the wheel on the release
        settle(30);
    }
}

void E2ESession::key(const QString &keys) {
    if (!m_input)
        return xdotool(QStringList{u"key"_qs} + keys.split(u' '), 60);
    for (const QString &combo : keys.split(u' ', Qt::SkipEmptyParts)) {
        m_input->keys(combo);
        settle(60);
    }
}

void E2ESession::holdKey(const QString &key, bool down) {
    if (!m_input)
        return xdotool({down ? u"keydown"_qs : u"keyup"_qs, key}, 40);
    m_input->key(key, down);
    settle(40);
}

void E2ESession::drag(const QList<QPoint> &points) {
    moveTo(points.first());
    settle(30);
    mouseDown();
    for (qsizetype i = 1; i < points.size(); ++i)
        moveTo(points[i]);
    mouseUp();
}

QImage E2ESession::screenshot() {
    QByteArray png;
    if (m_options.desktop == Options::Desktop::kwin) { // KWin writes the pixels into a pipe
        int pipe[2];
        if (::pipe(pipe))
            return {};
        const QDBusMessage reply =
            m_shell->call(QDBusMessage::createMethodCall(
                              u"org.kde.KWin"_qs, u"/org/kde/KWin/ScreenShot2"_qs,
                              u"org.kde.KWin.ScreenShot2"_qs, u"CaptureActiveScreen"_qs)
                              << QVariantMap{{u"native-resolution"_qs, true}}
                              << QVariant::fromValue(QDBusUnixFileDescriptor(pipe[1])),
                          QDBus::Block, 10000);
        ::close(pipe[1]);
        const QVariantMap shot = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        const int height = shot.value(u"height"_qs).toInt();
        const int stride = shot.value(u"stride"_qs).toInt();
        QByteArray pixels(qsizetype(height) * stride, Qt::Uninitialized);
        const bool read = readFully(pipe[0], pixels.data(), pixels.size(), 10000);
        ::close(pipe[0]);
        if (!read || pixels.isEmpty())
            return {};
        return QImage(reinterpret_cast<const uchar *>(pixels.constData()),
                      shot.value(u"width"_qs).toInt(), height, stride,
                      QImage::Format(shot.value(u"format"_qs).toInt()))
            .convertToFormat(QImage::Format_RGB32);
    }
    if (m_shell) { // GNOME Shell writes the picture as its own user
        const QString path = m_runtime->path() + u"/shot.png"_qs;
        m_shell->call(QDBusMessage::createMethodCall(
                          u"org.gnome.Shell.Screenshot"_qs, u"/org/gnome/Shell/Screenshot"_qs,
                          u"org.gnome.Shell.Screenshot"_qs, u"Screenshot"_qs)
                          << false << false << path,
                      QDBus::Block, 5000);
        QFile file(path);
        png = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.remove();
    } else if (m_options.wayland)
        run(u"grim"_qs, {u"-"_qs}, &png);
    else
        run(u"import"_qs, {u"-window"_qs, u"root"_qs, u"png:-"_qs}, &png);
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage E2ESession::clipboardImage() {
    QByteArray png;
    run(u"xclip"_qs,
        {u"-display"_qs, m_display, u"-selection"_qs, u"clipboard"_qs, u"-t"_qs, u"image/png"_qs,
         u"-o"_qs},
        &png);
    return QImage::fromData(png, "png");
}

bool E2ESession::windowShown(const QString &name) {
    QByteArray ids;
    run(u"xdotool"_qs, {u"search"_qs, u"--onlyvisible"_qs, u"--name"_qs, name}, &ids);
    return !ids.trimmed().isEmpty();
}

QRect E2ESession::windowGeometry(const QStringList &search) {
    QByteArray shell;
    run(u"xdotool"_qs,
        QStringList{u"search"_qs} + search +
            QStringList{u"getwindowgeometry"_qs, u"--shell"_qs, u"%@"_qs},
        &shell);
    QMap<QString, int> field;
    for (const QString &line : QString::fromLatin1(shell).split(u'\n'))
        field[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
    return QRect(field.value(u"X"_qs), field.value(u"Y"_qs), field.value(u"WIDTH"_qs),
                 field.value(u"HEIGHT"_qs));
}

bool E2ESession::waitUntil(const std::function<bool()> &condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        settle(50);
    }
    return true;
}

bool E2ESession::waitForColor(QPoint point, const QColor &color, bool shown, int timeoutMs) {
    return waitUntil([&] { return near(screenshot().pixelColor(point), color) == shown; },
                     timeoutMs);
}

bool E2ESession::waitForOverlay(bool visible, int timeoutMs) {
    return waitUntil([&] { return overlayVisible() == visible; }, timeoutMs);
}

bool E2ESession::waitForLog(const QString &text, int timeoutMs) {
    // An application that ended writes no more.
    return waitUntil([&] { return log().contains(text) || !applicationRunning(); }, timeoutMs) &&
           log().contains(text);
}

void E2ESession::settle(int ms) {
    QThread::msleep(ulong(ms));
}

bool E2ESession::near(const QColor &actual, const QColor &expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QList<QPoint> E2ESession::line(QPoint from, QPoint to, int steps) {
    QList<QPoint> points;
    for (int i = 0; i <= steps; ++i)
        points << from + (to - from) * i / steps;
    return points;
}

// sway's own user runs a program of its session.
void E2ESession::asSessionUser(QProcess &program, const QDir &runtime) {
    QProcessEnvironment env = program.processEnvironment();
    for (const QString &pair :
         {u"XDG_RUNTIME_DIR="_qs + runtime.path(), u"HOME="_qs + runtime.path(),
          u"WAYLAND_DISPLAY="_qs + m_waylandDisplay})
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([root = ::getuid() == 0] {
        if (root && (::setgroups(0, nullptr) || ::setgid(kNobody) || ::setuid(kNobody)))
            ::_exit(127);
        dieWithParent(); // after the change of user, which clears it
    });
}

bool E2ESession::startCompositorInput(const QDir &runtime) {
    const quint16 port = VncInput::freePort();
    QFile config(runtime.filePath(u"wayvnc.conf"_qs));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(u"address=127.0.0.1\nport=%1\nenable_auth=false\n"_qs.arg(port).toUtf8()) < 0)
        return false;
    config.close();
    m_wayvnc = process(u"wayvnc"_qs, {u"-C"_qs, config.fileName(), u"-o"_qs, u"HEADLESS-1"_qs,
                                      u"127.0.0.1"_qs, QString::number(port)});
    asSessionUser(*m_wayvnc, runtime);
    m_wayvnc->setProcessChannelMode(QProcess::MergedChannels);
    m_wayvnc->setStandardOutputFile(m_home.path() + u"/wayvnc.log"_qs);
    m_wayvnc->start();
    auto input = std::make_unique<VncInput>();
    if (!waitUntil([&] { return input->connect(port); }, 10000)) {
        errorString = u"wayvnc did not start:\n"_qs + readText(m_home.path() + u"/wayvnc.log"_qs);
        return false;
    }
    // The compositor may lose the first event after it starts: a move and a Shift tap first.
    input->move({1, 1});
    input->keys(u"shift"_qs);
    m_input = std::move(input);
    return true;
}

bool E2ESession::startWayland() {
    // sway's runtime directory, its user's own. XWayland lets root's clients in too, then tells
    // its display through a file.
    m_runtime = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/quillory-sway-XXXXXX"_qs);
    const QDir dir(m_runtime->path());
    const bool root = ::getuid() == 0;
    QFile config(dir.filePath(u"sway.conf"_qs));
    const QSize size = m_options.monitorSize;
    if (!m_runtime->isValid() || (root && ::chown(qPrintable(dir.path()), kNobody, kNobody)) ||
        !config.open(QIODevice::WriteOnly) ||
        config.write(
            u"xwayland enable\ndefault_border none\noutput HEADLESS-1 resolution %1x%2\n"
            "exec sh -c 'xhost +si:localuser:root; echo $DISPLAY > $XDG_RUNTIME_DIR/display'\n"_qs
                .arg(size.width())
                .arg(size.height())
                .toUtf8()) < 0)
        return false;
    config.close();
    m_sway = process(u"sway"_qs, {u"-c"_qs, config.fileName()});
    asSessionUser(*m_sway, dir);
    QProcessEnvironment env = m_sway->processEnvironment();
    env.remove(u"WAYLAND_DISPLAY"_qs);
    for (const QString &pair :
         {u"WLR_BACKENDS=headless"_qs, u"WLR_RENDERER=pixman"_qs, u"WLR_LIBINPUT_NO_DEVICES=1"_qs})
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    m_sway->setProcessEnvironment(env);
    m_sway->setProcessChannelMode(QProcess::MergedChannels);
    m_sway->setStandardOutputFile(m_home.path() + u"/sway.log"_qs);
    m_sway->start();
    if (!waitUntil([&] { return !readText(dir.filePath(u"display"_qs)).isEmpty(); }, 10000)) {
        errorString = u"sway did not start:\n"_qs + readText(m_home.path() + u"/sway.log"_qs);
        return false;
    }
    m_display = readText(dir.filePath(u"display"_qs)).trimmed();
    m_waylandDisplay = dir.entryList({u"wayland-?"_qs}, QDir::System).value(0);
    if (!startCompositorInput(dir))
        return false;

    // The Screenshot portal: the wlroots back end takes the pictures (with grim; it will not run
    // without PipeWire), and the front end offers screenshots only with an Access back end,
    // which the GTK one provides. Then the native window the pictures have to show.
    QDBusConnection bus = QDBusConnection::connectToBus(m_busAddress, u"e2e-probe"_qs);
    const auto serves = [&bus](const QString &name) {
        return waitUntil([&] { return bus.interface()->isServiceRegistered(name).value(); }, 10000);
    };
    const QString portal = u"/usr/libexec/xdg-desktop-portal"_qs;
    m_portalBackend = process(portal + u"-wlr"_qs, {});
    const auto up = [this](const QString &what, bool ok) {
        errorString = what + u" did not come up"_qs;
        return ok;
    };
    const bool ok =
        up(u"PipeWire"_qs, spawn(u"pipewire"_qs, {}) &&
                               waitUntil([&] { return dir.exists(u"pipewire-0"_qs); }, 5000)) &&
        up(u"xdg-desktop-portal-wlr"_qs,
           (m_portalBackend->start(), serves(u"org.freedesktop.impl.portal.desktop.wlr"_qs))) &&
        up(u"xdg-desktop-portal-gtk"_qs,
           spawn(portal + u"-gtk"_qs, {}) &&
               serves(u"org.freedesktop.impl.portal.desktop.gtk"_qs)) &&
        up(u"xdg-desktop-portal"_qs,
           spawn(portal, {}) && serves(u"org.freedesktop.portal.Desktop"_qs)) &&
        startNativeWindow();
    QDBusConnection::disconnectFromBus(u"e2e-probe"_qs);
    return ok;
}

bool E2ESession::startGnome() {
    // GNOME Shell's runtime folder, its user's own, with its settings in a key file: no
    // animations, no hot corner, no welcome tour, no screen lock.
    m_runtime = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/quillory-gnome-XXXXXX"_qs);
    const QDir dir(m_runtime->path());
    const QString settings = dir.filePath(u"config/glib-2.0/settings"_qs);
    QFile keyfile(settings + u"/keyfile"_qs);
    if (!QDir().mkpath(settings) || !keyfile.open(QIODevice::WriteOnly) ||
        keyfile.write("[org/gnome/desktop/interface]\nenable-animations=false\n"
                      "enable-hot-corners=false\n[org/gnome/desktop/session]\nidle-delay=uint32 0\n"
                      "[org/gnome/desktop/screensaver]\nlock-enabled=false\n"
                      "[org/gnome/shell]\nwelcome-dialog-last-shown-version='999'\n") < 0)
        return false;
    keyfile.close();
    if (::getuid() == 0)
        run(u"chown"_qs, {u"-R"_qs, u"%1:%1"_qs.arg(kNobody), dir.path()});
    const bool pipewire =
        spawn(u"setpriv"_qs, {u"--reuid=%1"_qs.arg(kNobody), u"--regid=%1"_qs.arg(kNobody),
                              u"--clear-groups"_qs, u"pipewire"_qs}) &&
        waitUntil([&] { return dir.exists(u"pipewire-0"_qs); }, 5000);
    m_sway = process(
        u"gnome-shell"_qs,
        {u"--headless"_qs, u"--wayland"_qs, u"--virtual-monitor"_qs,
         u"%1x%2"_qs.arg(m_options.monitorSize.width()).arg(m_options.monitorSize.height())});
    asSessionUser(*m_sway, dir);
    QProcessEnvironment env = m_sway->processEnvironment();
    env.remove(u"WAYLAND_DISPLAY"_qs);
    env.remove(u"DISPLAY"_qs);
    env.insert(u"XDG_CONFIG_HOME"_qs, dir.filePath(u"config"_qs));
    env.insert(u"GSETTINGS_BACKEND"_qs, u"keyfile"_qs);
    env.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_qs, m_busAddress); // no logind: fail fast
    env.insert(u"NO_AT_BRIDGE"_qs, u"1"_qs);
    m_sway->setProcessEnvironment(env);
    m_sway->setProcessChannelMode(QProcess::MergedChannels);
    const QString log = m_home.path() + u"/gnome-shell.log"_qs;
    m_sway->setStandardOutputFile(log);
    m_sway->start();
    m_shell = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(m_busAddress, u"e2e-gnome"_qs));
    const auto served = [&](const QString &name) {
        return m_shell->interface()->isServiceRegistered(name).value();
    };
    const QRegularExpression x(u"Using public X11 display (:\\d+)"_qs);
    const QRegularExpression wayland(u"Using Wayland display name '([^']+)'"_qs);
    if (!pipewire || !waitUntil(
                         [&] {
                             return served(u"org.gnome.Shell"_qs) &&
                                    served(u"org.gnome.Mutter.RemoteDesktop"_qs) &&
                                    readText(log).contains(wayland);
                         },
                         30000)) {
        errorString = u"GNOME Shell did not start:\n"_qs + readText(log);
        return false;
    }
    m_display = x.match(readText(log)).captured(1);
    m_waylandDisplay = wayland.match(readText(log)).captured(1);
    const QString cookie =
        dir.entryList({u".mutter-Xwaylandauth.*"_qs}, QDir::Hidden | QDir::Files).value(0);
    auto xhost = process(u"xhost"_qs, {u"+si:localuser:root"_qs});
    asSessionUser(*xhost, dir);
    QProcessEnvironment xenv = xhost->processEnvironment();
    xenv.insert(u"XAUTHORITY"_qs, dir.filePath(cookie));
    xhost->setProcessEnvironment(xenv);
    xhost->start();
    xhost->waitForFinished(5000);
    // Only the screenshot tool GNOME allows may take screenshots; it starts in the overview.
    m_shell->interface()->registerService(u"org.gnome.Screenshot"_qs);
    const auto overview = [this](const QVariant &value = {}) {
        return busProperty(*m_shell, u"org.gnome.Shell"_qs, u"/org/gnome/Shell"_qs,
                           u"org.gnome.Shell/OverviewActive"_qs, value);
    };
    waitUntil(
        [&] {
            overview(false);
            return !overview().toBool();
        },
        10000);
    auto input = std::make_unique<MutterInput>(*m_shell);
    if (!input->start()) {
        errorString = u"mutter's remote desktop did not start"_qs;
        return false;
    }
    // mutter adds the virtual devices at their first event: a move and a Shift tap first.
    input->move({m_options.monitorSize.width() / 2, m_options.monitorSize.height() / 2});
    input->keys(u"shift"_qs);
    m_input = std::move(input);
    return startNativeWindow();
}

bool E2ESession::startKwin() {
    // KWin's runtime folder, its user's own, with a copy of kwin_wayland (the installed one
    // carries a file capability that a test's bounding set may lack) and its settings: no
    // animations. Its screenshots need OpenGL: Mesa's software renderer.
    m_runtime = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/quillory-kwin-XXXXXX"_qs);
    const QDir dir(m_runtime->path());
    QFile config(dir.filePath(u"config/kwinrc"_qs));
    if (!dir.mkpath(u"config"_qs) || !config.open(QIODevice::WriteOnly) ||
        config.write("[Compositing]\nAnimationSpeed=0\n") < 0 ||
        !QFile::copy(u"/usr/bin/kwin_wayland"_qs, dir.filePath(u"kwin_wayland"_qs)) ||
        !QFile::copy(QCoreApplication::applicationFilePath(), dir.filePath(u"fake-input"_qs)))
        return false;
    config.close();
    if (::getuid() == 0)
        run(u"chown"_qs, {u"-R"_qs, u"%1:%1"_qs.arg(kNobody), dir.path()});
    m_waylandDisplay = u"wayland-0"_qs;
    const QSize size = m_options.monitorSize;
    m_sway =
        process(dir.filePath(u"kwin_wayland"_qs),
                {u"--virtual"_qs, u"--xwayland"_qs, u"--width"_qs, QString::number(size.width()),
                 u"--height"_qs, QString::number(size.height()), u"--socket"_qs, m_waylandDisplay,
                 u"--no-lockscreen"_qs, u"--no-kactivities"_qs,
                 u"sh -c 'xhost +si:localuser:root; echo $DISPLAY > $XDG_RUNTIME_DIR/display'"_qs});
    asSessionUser(*m_sway, dir);
    QProcessEnvironment env = m_sway->processEnvironment();
    env.remove(u"DISPLAY"_qs);
    env.remove(u"WAYLAND_DISPLAY"_qs);
    for (const QString &pair :
         {u"XDG_CONFIG_HOME="_qs + dir.filePath(u"config"_qs),
          u"KWIN_WAYLAND_NO_PERMISSION_CHECKS=1"_qs, u"KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1"_qs,
          u"LIBGL_ALWAYS_SOFTWARE=1"_qs, u"XKB_DEFAULT_LAYOUT=us"_qs,
          u"XKB_DEFAULT_VARIANT=intl"_qs}) // the quote keys are dead keys there
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    m_sway->setProcessEnvironment(env);
    m_sway->setProcessChannelMode(QProcess::MergedChannels);
    const QString log = m_home.path() + u"/kwin.log"_qs;
    m_sway->setStandardOutputFile(log);
    m_sway->start();
    if (!waitUntil([&] { return !readText(dir.filePath(u"display"_qs)).isEmpty(); }, 30000)) {
        errorString = u"KWin did not start:\n"_qs + readText(log);
        return false;
    }
    m_display = readText(dir.filePath(u"display"_qs)).trimmed();
    m_shell = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(m_busAddress, u"e2e-gnome"_qs));
    auto input = std::make_unique<KwinInput>();
    if (!input->start(dir.filePath(u"fake-input"_qs).toLocal8Bit(),
                      dir.filePath(m_waylandDisplay).toLocal8Bit(), kNobody)) {
        errorString = u"KWin offered no fake input"_qs;
        return false;
    }
    input->move({size.width() / 2, size.height() / 2});
    m_input = std::move(input);
    return startNativeWindow();
}

bool E2ESession::startNativeWindow() {
    m_native = process(QStringLiteral(QUILLORY_SOURCE_DIR "/tests/e2e/native-window.py"),
                       {nativeColor.name()});
    m_native->start();
    errorString = u"the native window did not come up"_qs;
    return waitForColor({m_options.monitorSize.width() / 2, m_options.monitorSize.height() / 2},
                        nativeColor, true, 10000);
}

int E2ESession::nativeInput(QByteArrayView kind) {
    m_native->waitForReadyRead(0);
    m_nativeOutput += m_native->readAllStandardOutput();
    return int(m_nativeOutput.split('\n').count(kind.toByteArray()));
}

bool E2ESession::startTray() {
    return spawn(u"trayer"_qs, {u"--edge"_qs, u"top"_qs, u"--align"_qs, u"right"_qs,
                                u"--widthtype"_qs, u"request"_qs, u"--height"_qs, u"24"_qs}) &&
           run(u"xdotool"_qs, {u"search"_qs, u"--sync"_qs, u"--class"_qs, u"trayer"_qs}) == 0;
}

QPoint E2ESession::trayIcon() {
    // The tray's panel holds just our icon, at its right end.
    QPoint icon;
    waitUntil(
        [&] {
            const QRect tray = windowGeometry({u"--class"_qs, u"trayer"_qs});
            if (tray.height() == 24 && tray.width() >= 20)
                icon = QPoint(tray.right() - 11, tray.top() + 12);
            return !icon.isNull();
        },
        4000);
    return icon;
}
