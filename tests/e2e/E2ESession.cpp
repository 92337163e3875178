#include "E2ESession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {
void dieWithParent() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}
} // namespace

E2ESession::E2ESession(Options options)
    : m_options(std::move(options)) {}

E2ESession::~E2ESession() {
    stop(m_app);
    for (std::unique_ptr<QProcess> &other : m_others)
        stop(other);
    stop(m_compositor);
    stop(m_bus);
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
        env.insert(QStringLiteral("DISPLAY"), m_display);
    child->setProcessEnvironment(env);
    return child;
}

void E2ESession::stop(std::unique_ptr<QProcess> &child) {
    if (!child)
        return;
    if (child->state() != QProcess::NotRunning) {
        child->terminate();
        if (!child->waitForFinished(3000)) {
            child->kill();
            child->waitForFinished(3000);
        }
    }
    child.reset();
}

bool E2ESession::start() {
    if (!m_home.isValid()) {
        errorString = QStringLiteral("no temporary HOME");
        return false;
    }
    const QSize size = m_options.monitorSize;
    const int width = size.width() * (m_options.twoMonitors ? 2 : 1);
    // -displayfd picks a free display and tells us its number.
    m_xvfb =
        process(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                 QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                 QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(width).arg(size.height())});
    m_xvfb->start();
    if (!m_xvfb->waitForStarted(5000)) {
        errorString = QStringLiteral("Xvfb did not start: ") + m_xvfb->errorString();
        return false;
    }
    QDeadlineTimer deadline(10000);
    while (!m_xvfb->canReadLine() && !deadline.hasExpired())
        m_xvfb->waitForReadyRead(100);
    const QByteArray number = m_xvfb->readLine().trimmed();
    if (number.isEmpty()) {
        errorString = QStringLiteral("Xvfb gave no display number");
        return false;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number);

    run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), m_options.rootColor});
    if (m_options.twoMonitors) {
        const QString geometry = QStringLiteral("%1/508x%2/286+%3+0");
        run(QStringLiteral("xrandr"),
            {QStringLiteral("--setmonitor"), QStringLiteral("LEFT"),
             geometry.arg(size.width()).arg(size.height()).arg(0), QStringLiteral("screen")});
        run(QStringLiteral("xrandr"),
            {QStringLiteral("--setmonitor"), QStringLiteral("RIGHT"),
             geometry.arg(size.width()).arg(size.height()).arg(size.width()),
             QStringLiteral("none")});
    }
    // Xvfb puts the pointer in the middle of its screen, which with two monitors is on the
    // border between them: start on the first monitor instead, near its bottom-right corner,
    // where the brush dot stays out of the tests' way.
    moveTo({size.width() - 40, size.height() - 40});
    if (m_options.compositor && !startCompositor())
        return false;
    if (m_options.sessionBus) {
        // A private session bus: the single-instance name and --action go through it.
        m_bus = process(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--session"), QStringLiteral("--nofork"),
                         QStringLiteral("--print-address=1")});
        m_bus->start();
        QDeadlineTimer busDeadline(10000);
        while (m_bus->waitForStarted(100) && !m_bus->canReadLine() && !busDeadline.hasExpired())
            m_bus->waitForReadyRead(100);
        m_busAddress = QString::fromUtf8(m_bus->readLine().trimmed());
        if (m_busAddress.isEmpty()) {
            errorString = QStringLiteral("dbus-daemon gave no address");
            return false;
        }
    }
    QString entries = m_options.preferences;
    if (!m_options.firstRun)
        entries += QStringLiteral("<key>FirstTimeMenu</key><true/>");
    if (!entries.isEmpty()) {
        QDir().mkpath(configDir());
        QFile file(preferencesPath());
        const QByteArray plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<plist version=\"1.0\"><dict>" +
                                 entries.toUtf8() + "</dict></plist>\n";
        if (!file.open(QIODevice::WriteOnly) || file.write(plist) < 0) {
            errorString = QStringLiteral("cannot seed the preferences");
            return false;
        }
    }
    return startApplication();
}

bool E2ESession::startApplication() {
    m_app = process(QStringLiteral(QUILLORY_BINARY), {});
    m_app->setProcessEnvironment(applicationEnvironment());
    // A file, not a pipe: a chatty application must never block on a full pipe.
    m_app->setProcessChannelMode(QProcess::MergedChannels);
    m_app->setStandardOutputFile(logPath());
    m_app->start();
    if (!m_app->waitForStarted(5000)) {
        errorString = QStringLiteral("quillory did not start: ") + m_app->errorString();
        return false;
    }
    if (!waitForLog(QStringLiteral("Overlay shown"), 20000)) {
        errorString = QStringLiteral("the overlay never showed; output:\n") + log();
        return false;
    }
    settle(400);
    return true;
}

void E2ESession::stopApplication() {
    stop(m_app);
}

QProcessEnvironment E2ESession::applicationEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("0"));
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (m_busAddress.isEmpty())
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    else
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    return env;
}

int E2ESession::runQuillory(const QStringList &arguments, QByteArray *output,
                            const QProcessEnvironment &environment) {
    std::unique_ptr<QProcess> child = process(QStringLiteral(QUILLORY_BINARY), arguments);
    QProcessEnvironment merged = applicationEnvironment();
    merged.insert(environment);
    child->setProcessEnvironment(merged);
    child->setProcessChannelMode(QProcess::MergedChannels);
    child->start();
    if (!child->waitForFinished(20000)) {
        child->kill();
        child->waitForFinished();
        return -1;
    }
    if (output)
        *output = child->readAll();
    return child->exitStatus() == QProcess::NormalExit ? child->exitCode() : -1;
}

bool E2ESession::applicationRunning() const {
    return m_app && m_app->state() != QProcess::NotRunning;
}

bool E2ESession::startCompositor() {
    m_compositor =
        process(QStringLiteral("picom"), {QStringLiteral("--backend"), QStringLiteral("xrender"),
                                          QStringLiteral("--config"), QStringLiteral("/dev/null")});
    m_compositor->start();
    if (!m_compositor->waitForStarted(5000)) {
        errorString = QStringLiteral("picom did not start");
        return false;
    }
    QThread::msleep(500);
    return true;
}

void E2ESession::stopCompositor() {
    stop(m_compositor);
    QThread::msleep(300);
}

QString E2ESession::configDir() const {
    return m_home.path() + QStringLiteral("/.config/quillory");
}

QString E2ESession::preferencesPath() const {
    return configDir() + QStringLiteral("/preferences.plist");
}

QString E2ESession::preferencesText() const {
    QFile file(preferencesPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int E2ESession::run(const QString &program, const QStringList &arguments, QByteArray *output) {
    std::unique_ptr<QProcess> child = process(program, arguments);
    child->start();
    if (!child->waitForFinished(10000)) {
        child->kill();
        child->waitForFinished();
        return -1;
    }
    if (output)
        *output = child->readAllStandardOutput();
    return child->exitCode();
}

bool E2ESession::spawn(const QString &program, const QStringList &arguments) {
    m_others.push_back(process(program, arguments));
    m_others.back()->start();
    return m_others.back()->waitForStarted(5000);
}

// xdotool needs a short pause between steps for the application to keep up.
void E2ESession::xdotool(const QStringList &arguments, int pauseMs) {
    run(QStringLiteral("xdotool"), arguments);
    QThread::msleep(ulong(pauseMs));
}

void E2ESession::moveTo(QPoint point) {
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())},
            15);
}

void E2ESession::drag(const QList<QPoint> &points) {
    moveTo(points.first());
    QThread::msleep(30);
    mouseDown();
    for (qsizetype i = 1; i < points.size(); ++i)
        moveTo(points[i]);
    mouseUp();
}

void E2ESession::click(QPoint point) {
    moveTo(point);
    QThread::msleep(30);
    mouseDown();
    mouseUp();
}

QImage E2ESession::screenshot() {
    QByteArray png;
    run(QStringLiteral("import"),
        {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}, &png);
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

bool E2ESession::overlayVisible() {
    QByteArray ids;
    run(QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
         QStringLiteral("^Quillory$")},
        &ids);
    return !ids.trimmed().isEmpty();
}

bool E2ESession::waitUntil(const std::function<bool()> &condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
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

QString E2ESession::logPath() const {
    return m_home.path() + QStringLiteral("/quillory.log");
}

QString E2ESession::log() const {
    QFile file(logPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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

int E2ESession::applicationExitCode() const {
    if (!m_app || m_app->state() != QProcess::NotRunning ||
        m_app->exitStatus() != QProcess::NormalExit)
        return -1;
    return m_app->exitCode();
}
