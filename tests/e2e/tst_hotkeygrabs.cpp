#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/X11HotKeyBackend.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

constexpr xcb_keycode_t kKeycodeK = 45, kKeycodeJ = 44; // X11 keycodes: evdev + 8

// Another program on the display: its grabs succeed only while no other client holds them.
struct OtherProgram {
    xcb_connection_t *const c = xcb_connect(nullptr, nullptr);
    ~OtherProgram() { xcb_disconnect(c); }
    bool grabCtrlShift(xcb_keycode_t keycode) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_generic_error_t *error = xcb_request_check(
            c, xcb_grab_key_checked(c, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT, keycode,
                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return !error;
    }
};

} // namespace

// The X11 key grabs behind the hotkeys, against a private Xvfb.
class TestHotKeyGrabs : public QObject {
    Q_OBJECT
    std::shared_ptr<X11HotKeyBackend> m_backend = X11HotKeyBackend::create();

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_backend);
        HotKeysController::setBackend(m_backend);
    }
    void cleanupTestCase() { HotKeysController::setBackend(nullptr); }

    // Recording a row's shortcut again creates the new hotkey before the old one goes.
    void aCombinationHeldTwiceStaysGrabbedUntilTheLastLetsGo() {
        const KeyCombo combo(Key::k, ModifierCommand | ModifierShift);
        QStringList presses;
        auto first = HotKey::create(combo, [&] { presses << u"first"_qs; });
        auto second = HotKey::create(combo, [&] { presses << u"second"_qs; });
        QProcess::execute(u"xdotool"_qs, {u"key"_qs, u"ctrl+shift+k"_qs});
        QTRY_COMPARE(presses, QStringList{u"second"_qs}); // the newest registration has them
        first.reset();
        QProcess::execute(u"xdotool"_qs, {u"key"_qs, u"ctrl+shift+k"_qs});
        QTRY_COMPARE(presses, (QStringList{u"second"_qs, u"second"_qs}));
        QVERIFY(!OtherProgram().grabCtrlShift(kKeycodeK));
        second.reset();
        QVERIFY(OtherProgram().grabCtrlShift(kKeycodeK));
    }

    // Only another program's grab is blamed on it; Fn has no X11 keycode at all.
    void refusalsSayWhy() {
        OtherProgram other;
        QVERIFY(other.grabCtrlShift(kKeycodeJ));
        void *reference = nullptr;
        QCOMPARE(m_backend->registerHotKey(38, 0x300, 1, 1, &reference), eventHotKeyExistsErr);
        QCOMPARE(m_backend->registerHotKey(63, 0x100, 1, 2, &reference), eventHotKeyInvalidErr);
    }
};

int main(int argc, char *argv[]) {
    // A private X server, ended last; -displayfd picks a free display and writes its number.
    const std::unique_ptr<QProcess, void (*)(QProcess *)> xvfb(new QProcess, [](QProcess *x) {
        x->terminate();
        x->waitForFinished(3000);
        delete x;
    });
    xvfb->start(u"Xvfb"_qs, u"-displayfd 1 -noreset -nolisten tcp"_qs.split(u' '));
    if (!xvfb->waitForReadyRead(10000))
        qFatal("Xvfb did not start");
    qputenv("DISPLAY", ":" + xvfb->readLine().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    TestHotKeyGrabs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hotkeygrabs.moc"
