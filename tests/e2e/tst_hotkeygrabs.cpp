#include "OtherXClient.h"
#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/x11/X11HotKeyBackend.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

constexpr xcb_keycode_t kKeycodeK = 45, kKeycodeJ = 44; // X11 keycodes: evdev + 8

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
        QVERIFY(!OtherXClient().grabCtrlShift(kKeycodeK));
        second.reset();
        QVERIFY(OtherXClient().grabCtrlShift(kKeycodeK));
    }

    // Only another program's grab is blamed on it; Fn has no X11 keycode at all.
    void refusalsSayWhy() {
        OtherXClient other;
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
