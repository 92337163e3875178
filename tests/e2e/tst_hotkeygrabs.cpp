#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/DiagnosticLog.h"
#include "platform/X11HotKeyBackend.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// X11 keycodes (evdev + 8) of K and J, and the X modifiers of Command-Shift (Ctrl+Shift).
constexpr xcb_keycode_t kKeycodeK = 45, kKeycodeJ = 44;
constexpr uint16_t kCtrlShift = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT;

// Another program on the same display, with its own connection and so its own grabs.
struct OtherProgram {
    xcb_connection_t *const m_connection = xcb_connect(nullptr, nullptr);
    ~OtherProgram() { xcb_disconnect(m_connection); }
    // Succeeds only when no other client holds the combination.
    bool grab(xcb_keycode_t keycode, uint16_t modifiers) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 1, root, modifiers, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return !error;
    }
};

void press(const QString &keys) {
    QProcess::execute(u"xdotool"_qs, {u"key"_qs, keys});
}

} // namespace

// The X11 key grabs behind the hotkeys, against a private Xvfb.
class TestHotKeyGrabs : public QObject {
    Q_OBJECT
    QStringList m_log;

private Q_SLOTS:
    void initTestCase() {
        std::shared_ptr<HotKeyBackend> backend = X11HotKeyBackend::create();
        QVERIFY(backend);
        HotKeysController::setBackend(backend);
        DiagnosticLog::setSink([this](const QString &line) { m_log.append(line); });
    }
    void cleanupTestCase() {
        // Ungrabs while the X connection is still open.
        HotKeysController::setBackend(nullptr);
        DiagnosticLog::setSink({});
    }
    void init() { m_log.clear(); }

    // Recording a row's shortcut again creates the new hotkey before the old one goes.
    void aCombinationHeldTwiceStaysGrabbedUntilTheLastLetsGo() {
        const KeyCombo combo(Key::k, ModifierCommand | ModifierShift);
        int firstPresses = 0;
        int secondPresses = 0;
        auto first = HotKey::create(combo, [&] { ++firstPresses; });
        auto second = HotKey::create(combo, [&] { ++secondPresses; });
        QVERIFY2(m_log.isEmpty(), qPrintable(m_log.join(u'\n')));
        press(u"ctrl+shift+k"_qs);
        QTRY_COMPARE(secondPresses, 1); // the newest registration has the presses

        first.reset();
        press(u"ctrl+shift+k"_qs);
        QTRY_COMPARE(secondPresses, 2);
        QCOMPARE(firstPresses, 0);
        QVERIFY(!OtherProgram().grab(kKeycodeK, kCtrlShift));
        second.reset();
        QVERIFY(OtherProgram().grab(kKeycodeK, kCtrlShift));
    }

    void onlyAnotherProgramsGrabIsBlamedOnIt() {
        OtherProgram other;
        QVERIFY(other.grab(kKeycodeJ, kCtrlShift));
        auto refused = HotKey::create(Key::j, ModifierCommand | ModifierShift);
        QCOMPARE(m_log.size(), 1);
        QVERIFY2(m_log.first().contains(u"Ctrl+Shift+J"_qs) &&
                     m_log.first().contains(u"another program"_qs),
                 qPrintable(m_log.first()));
        // Fn has no X11 keycode: refused for that reason, not blamed on anyone.
        auto unknown = HotKey::create(Key::function, ModifierCommand);
        QCOMPARE(m_log.size(), 2);
        QVERIFY2(!m_log.last().contains(u"another program"_qs), qPrintable(m_log.last()));
    }
};

int main(int argc, char *argv[]) {
    // A private X server; -displayfd picks a free display and writes its number.
    QProcess xvfb;
    xvfb.start(u"Xvfb"_qs,
               u"-displayfd 1 -noreset -nolisten tcp -screen 0 640x480x24"_qs.split(u' '));
    if (!xvfb.waitForStarted(5000) || !xvfb.waitForReadyRead(10000))
        qFatal("Xvfb did not start");
    qputenv("DISPLAY", ":" + xvfb.readLine().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int status = 0;
    {
        QGuiApplication app(argc, argv);
        TestHotKeyGrabs test;
        status = QTest::qExec(&test, argc, argv);
    }
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    return status;
}

#include "tst_hotkeygrabs.moc"
