#pragma once

#include "CompositorInput.h"

#include <QColor>
#include <QDBusConnection>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

class QDir;

// One run of the real application in a private X server: Xvfb (optionally two monitors side
// by side), optionally picom as compositor, a private session bus, and quillory with its own
// HOME and XDG_CONFIG_HOME. Input goes in through xdotool (XTest), pictures come out of the
// root window; in a Wayland session (headless sway, GNOME Shell or KWin) input goes through
// the compositor and pictures come from the compositor's own screenshots. Every process started
// here is stopped by the destructor, also when a test fails; children also die with the test
// process itself.
class E2ESession {
public:
    struct Options {
        bool compositor = true;
        bool twoMonitors = false;
        QSize monitorSize{1280, 800};
        // Property-list entries ("<key>…</key><true/>…") stored before the start.
        QString preferences;
        // Without it the first-run panel is marked as shown, so it cannot take the first clicks.
        bool firstRun = false;
        // Without it the help card is stored as hidden, so it cannot cover the tests' drawings.
        bool helpCard = false;
        // An AT-SPI bus, and the application speaking on it.
        bool accessibility = false;
        // Off: start() prepares everything but the application, for startApplication().
        bool launch = true;
        // Variables the application starts with, on top of the session's.
        QProcessEnvironment environment = {};
        // A Wayland session instead of Xvfb: headless sway with XWayland, the Screenshot
        // portal (xdg-desktop-portal with its wlroots back end) and a native Wayland window
        // (tests/e2e/native-window.py), maximized in `nativeColor`.
        bool wayland = false;
        // With `wayland`: headless GNOME Shell instead of sway, its input through mutter's
        // remote desktop service, or KWin, its input through its fake-input protocol. No portal.
        enum class Desktop { sway, gnome, kwin } desktop = Desktop::sway;
    };
    static inline const QColor nativeColor{46, 139, 87};
    // How many inputs of a kind ("click", "drag", "wheel", "key") the native window has had.
    int nativeInput(QByteArrayView kind);

    explicit E2ESession(Options options);
    ~E2ESession();
    E2ESession(const E2ESession &) = delete;
    E2ESession &operator=(const E2ESession &) = delete;

    // Starts the X server, compositor and application; false with errorString set on failure.
    bool start();
    bool startApplication();
    bool startCompositor();
    void stopCompositor();
    void stopApplication() { stop(m_app); }
    // Ends the wlroots portal back end: the portal then refuses every screenshot.
    void stopPortalBackend() { stop(m_portalBackend); }
    // SIGTERM, as a session that logs out sends it.
    void terminateApplication() {
        if (m_app)
            m_app->terminate();
    }
    // The X server ends at once, as it does when a session ends without telling its programs.
    void killXServer() {
        if (m_xvfb)
            m_xvfb->kill();
    }
    QString errorString;

    QString display() const { return m_display; }
    QString busAddress() const { return m_busAddress; }
    QString home() const { return m_home.path(); }
    QString preferencesText() const;
    // Whether the stored preferences hold `value` (its XML, e.g. "<true/>") under `key`.
    bool stores(const QString &key, const QString &value) const;

    // Input. Points are in root window coordinates. In a Wayland session it goes through the
    // compositor (CompositorInput), elsewhere through xdotool.
    void moveTo(QPoint point);
    void mouseDown() { button(true); }
    void mouseUp() { button(false); }
    // Press at the first point, drag through the others, release at the last.
    void drag(const QList<QPoint> &points);
    void click(QPoint point) { drag({point}); }
    // Notches of the wheel where the pointer is: up for positive, down for negative.
    void wheel(int notches);
    // Keys one after the other, separated by spaces ("3 l", "ctrl+z").
    void key(const QString &keys);
    void keyDown(const QString &key) { holdKey(key, true); }
    void keyUp(const QString &key) { holdKey(key, false); }

    QImage screenshot();
    // The PNG image on the clipboard; null when there is none.
    QImage clipboardImage();
    // Whether a window with this name (a regular expression) is mapped.
    bool windowShown(const QString &name);
    bool overlayVisible() { return windowShown(u"^Quillory$"_qs); }
    // Where the last window found by xdotool's arguments ("--name", "Quillory Menu") is, in
    // device pixels; null when there is none.
    QRect windowGeometry(const QStringList &search);
    // Wait until the screen shows (or, with `shown` false, no longer shows) the colour at the
    // point, or until the overlay is mapped or unmapped.
    bool waitForColor(QPoint point, const QColor &color, bool shown = true, int timeoutMs = 5000);
    bool waitForOverlay(bool visible, int timeoutMs = 5000);
    static bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

    // "role|name" of every named accessible object of the application, as a screen reader
    // finds them; with `details` also "|description|value". Needs `accessibility`.
    QStringList accessibleNames(bool details = false);

    QString log() const;
    bool waitForLog(const QString &text, int timeoutMs = 10000);
    // Lets the application and the compositor catch up with the input.
    static void settle(int ms = 250);

    int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr);
    // Starts another program on this display (a terminal, a tray, a window manager); it is
    // stopped with the session. False when it does not start.
    bool spawn(const QString &program, const QStringList &arguments);
    // Starts a tray (XEmbed) at the top right. Once Quillory's icon is in it, trayIcon() gives
    // its centre; none while it is not.
    bool startTray();
    QPoint trayIcon();
    // Starts openbox, a window manager that frames every window, and waits until it runs.
    bool startWindowManager();
    // Runs another quillory (a second launch, or --action) as this session's user would;
    // `environment` entries override the session's.
    int runQuillory(const QStringList &arguments, QByteArray *output = nullptr,
                    const QProcessEnvironment &environment = {});
    bool applicationRunning() const;
    qint64 applicationPid() const { return m_app ? m_app->processId() : 0; }
    // How the application ended: its exit code, or -1 when it crashed or still runs.
    int applicationExitCode() const;

    static bool near(const QColor &actual, const QColor &expected, int tolerance = 12);
    // The points of a straight drag, `steps` events long.
    static QList<QPoint> line(QPoint from, QPoint to, int steps);
    // The palette's first colour, which a new overlay draws in.
    static inline const QColor systemRed{255, 59, 48};

private:
    bool startX();
    bool startWayland();
    bool startGnome();
    bool startKwin();
    bool startNativeWindow();
    // wayvnc in the sway session, and the client that sends it the input.
    bool startCompositorInput(const QDir &runtime);
    void asSessionUser(QProcess &program, const QDir &runtime);
    void xdotool(const QStringList &arguments, int pauseMs);
    void button(bool down);
    void holdKey(const QString &key, bool down);
    std::unique_ptr<QProcess> process(const QString &program, const QStringList &arguments);
    static void stop(std::unique_ptr<QProcess> &process);
    QString logPath() const { return m_home.path() + u"/quillory.log"_qs; }
    QString preferencesPath() const {
        return m_home.path() + u"/.config/quillory/preferences.plist"_qs;
    }
    QProcessEnvironment applicationEnvironment() const;

    Options m_options;
    QTemporaryDir m_home;
    QString m_display;
    QString m_busAddress;
    std::unique_ptr<QProcess> m_xvfb;
    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<QProcess> m_compositor;
    std::unique_ptr<QProcess> m_app;
    std::unique_ptr<QTemporaryDir> m_runtime; // the Wayland session's XDG_RUNTIME_DIR
    QString m_waylandDisplay;
    std::unique_ptr<QProcess> m_sway; // or GNOME Shell
    std::unique_ptr<QProcess> m_portalBackend;
    std::unique_ptr<QProcess> m_wayvnc;
    std::unique_ptr<QProcess> m_native;
    QByteArray m_nativeOutput;
    std::unique_ptr<CompositorInput> m_input;
    std::unique_ptr<QDBusConnection> m_shell; // GNOME Shell's or KWin's screenshots come over it
    std::vector<std::unique_ptr<QProcess>> m_others;
};
