#include "E2ESession.h"
#include "OtherXClient.h"

#include <QTest>

namespace {

const QColor kRed = E2ESession::systemRed;

QString shortcut(const QString &row, const QString &key, std::initializer_list<int> codes) {
    QString flags;
    for (const int code : codes)
        flags += u"<integer>%1</integer>"_qs.arg(code);
    return u"<key>ud_%1Key</key><string>%2</string><key>ud_%1Flag</key><array>%3</array>"_qs.arg(
        row, key, flags);
}

E2ESession::Options options(const QString &preferences, bool twoMonitors = false) {
    E2ESession::Options result;
    result.monitorSize = QSize(1600, 1000);
    result.twoMonitors = twoMonitors;
    result.preferences = preferences;
    result.launch = false;
    return result;
}

} // namespace

// The application shell: stored shortcuts as global hotkeys, the tray icon and its panel.
class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedShortcutsWorkFromAnotherWindow() {
        // Ctrl+Shift+D activates, Ctrl+Alt+A picks the arrow, Super+Ctrl+Shift+T toggles the
        // palette (99 is no modifier); a key name without modifiers registers nothing; another
        // program holds Ctrl+Shift+K.
        E2ESession session(options(shortcut(u"AppActivate"_qs, u"d"_qs, {14, 11}) +
                                   shortcut(u"Arrow"_qs, u"A"_qs, {11, 13}) +
                                   shortcut(u"DesktopTools"_qs, u"t"_qs, {12, 14, 11, 99}) +
                                   shortcut(u"Line"_qs, u"l"_qs, {}) +
                                   shortcut(u"Circle"_qs, u"k"_qs, {14, 11})));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        QVERIFY(other.grabCtrlShift(45)); // K
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(session.waitForLog(u"Could not register the hotkey"_qs));
        QVERIFY(session.log().contains(u"Ctrl+Shift+K"_qs));

        // Hide the overlay and put the focus on another program's window.
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForOverlay(false));
        QVERIFY(session.spawn(u"xterm"_qs, {u"-geometry"_qs, u"80x20+100+100"_qs}));
        QCOMPARE(session.run(u"xdotool"_qs,
                             {u"search"_qs, u"--sync"_qs, u"--onlyvisible"_qs, u"--class"_qs,
                              u"xterm"_qs, u"windowfocus"_qs, u"--sync"_qs}),
                 0);
        session.moveTo({300, 200}); // over the terminal too

        session.key(u"ctrl+shift+k"_qs); // taken: nothing happens here
        session.key(u"ctrl+shift+d"_qs);
        QVERIFY(session.waitForOverlay(true)); // activated from the other window
        QVERIFY(session.waitForLog(u"Hotkey AppActivate"_qs));
        QVERIFY(!session.log().contains(u"Hotkey Circle"_qs));

        session.key(u"Escape"_qs);
        QVERIFY(session.waitForOverlay(false));
        session.key(u"ctrl+alt+a"_qs); // activates and picks the arrow
        QVERIFY(session.waitForOverlay(true));
        session.drag(E2ESession::line({300, 300}, {600, 300}, 12));
        QVERIFY(session.waitForColor({592, 304}, kRed));

        // With Num Lock on the grabs still fire.
        session.key(u"Num_Lock"_qs);
        session.key(u"super+ctrl+shift+t"_qs);
        QVERIFY(session.waitForLog(u"Hotkey DesktopTools"_qs));
        QVERIFY(session.waitForColor({37, 207}, kRed)); // the palette
        session.key(u"Num_Lock"_qs);

        session.key(u"l"_qs);
        session.key(u"ctrl+l"_qs);
        session.settle();
        QVERIFY(!session.log().contains(u"Hotkey Line"_qs));
    }

    void trayIconOpensThePanelAndTheFirstStartOpensItByItself() {
        E2ESession::Options first = options(shortcut(u"Circle"_qs, u"c"_qs, {11, 13}));
        first.firstRun = true;
        E2ESession session(first);
        QVERIFY2(session.start() && session.startApplication(), qPrintable(session.errorString));
        // No tray host: the panel still opens by itself once, next to the pointer.
        QVERIFY(session.waitForLog(u"Popover shown"_qs, 5000));
        QVERIFY(session.stores(u"FirstTimeMenu"_qs, u"<true/>"_qs));
        session.stopApplication();

        // A tray host (XEmbed): the icon appears and a click opens the panel.
        QVERIFY(session.startTray());
        QVERIFY(session.startApplication());
        session.settle(1500); // the first start's panel opens after a second
        QCOMPARE(session.log().count(u"Popover shown"_qs), 0); // second start: none
        // The overlay covers the whole screen, the tray's panel too, but lets the icon's
        // clicks through.
        QVERIFY(session.overlayVisible());

        const QPoint icon = session.trayIcon();
        QVERIFY(!icon.isNull());
        const auto panelShown = [&] { return session.windowShown(u"^Quillory Menu$"_qs); };
        session.click(icon);
        QVERIFY(session.waitForLog(u"Popover shown"_qs, 5000));
        QVERIFY(session.waitForOverlay(true)); // a left click also activates
        QVERIFY(panelShown());
        session.key(u"Escape"_qs); // Escape closes it
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);

        // The panel holds no keyboard grab: global shortcuts work while it is open, and close it.
        session.click(icon);
        QTRY_VERIFY_WITH_TIMEOUT(panelShown(), 3000);
        session.key(u"ctrl+alt+c"_qs);
        QVERIFY(session.waitForLog(u"Hotkey Circle"_qs));
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);

        session.click(icon);
        QTRY_VERIFY_WITH_TIMEOUT(panelShown(), 3000);
        session.click({600, 600}); // a click outside, on the overlay, closes it
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);

        // With the overlay hidden, a right click opens the panel alone; a click on the desktop,
        // no window of ours, closes it.
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForOverlay(false));
        session.run(u"xdotool"_qs, {u"mousemove"_qs, QString::number(icon.x()),
                                    QString::number(icon.y()), u"click"_qs, u"3"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(panelShown(), 3000);
        QVERIFY(!session.overlayVisible());
        session.click({600, 600});
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);
    }

    // Under a window manager, another program in front makes Quillory inactive: the overlay
    // stays on its monitor until Quillory is activated again.
    void theOverlayFollowsThePointerOnlyWhileQuilloryIsActive() {
        E2ESession session(options(shortcut(u"AppActivate"_qs, u"d"_qs, {14, 11}), true));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(session.startWindowManager());
        session.moveTo({400, 400}); // the left monitor
        QVERIFY(session.startApplication());
        QVERIFY(session.waitForLog(u"Overlay shown on LEFT"_qs));
        session.drag(E2ESession::line({300, 300}, {600, 300}, 12));
        QVERIFY(session.waitForColor({450, 300}, kRed));

        QVERIFY(session.spawn(u"xterm"_qs, {u"-geometry"_qs, u"60x20+1700+100"_qs}));
        QCOMPARE(session.run(u"xdotool"_qs, {u"search"_qs, u"--sync"_qs, u"--onlyvisible"_qs,
                                             u"--class"_qs, u"xterm"_qs}),
                 0);
        session.click({1800, 200}); // the terminal, on the right monitor, takes the focus
        session.moveTo({2200, 600});
        session.settle(1200); // four polls of the screen tracker
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(450, 300), kRed));
        QVERIFY(!session.log().contains(u"Overlay moved to RIGHT"_qs));

        session.key(u"ctrl+shift+d"_qs); // back to the screen under the pointer
        QVERIFY(session.waitForLog(u"Overlay moved to RIGHT"_qs));
        QVERIFY(session.waitForColor({450, 300}, kRed, false));
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
