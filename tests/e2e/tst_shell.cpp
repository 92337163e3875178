#include "E2ESession.h"

#include <QTest>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

const QColor kRed = E2ESession::systemRed;

QString shortcut(const QString &row, const QString &key, const QString &codes) {
    return QStringLiteral(
               "<key>ud_%1Key</key><string>%2</string><key>ud_%1Flag</key><array>%3</array>")
        .arg(row, key, codes);
}

QString integers(std::initializer_list<int> codes) {
    QString text;
    for (const int code : codes)
        text += QStringLiteral("<integer>%1</integer>").arg(code);
    return text;
}

// Another program holding a key combination: a passive grab on the root window.
class OtherClient {
public:
    explicit OtherClient(const QString &display) {
        m_connection = xcb_connect(display.toUtf8().constData(), nullptr);
    }
    ~OtherClient() { xcb_disconnect(m_connection); }
    bool grab(xcb_keycode_t keycode, uint16_t modifiers) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 1, root, modifiers, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return !error;
    }

private:
    xcb_connection_t *m_connection;
};

} // namespace

// The application shell: stored shortcuts as global hotkeys, the tray icon and its panel.
class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedShortcutsWorkFromAnotherWindow() {
        E2ESession::Options options;
        options.monitorSize = QSize(1600, 1000);
        // Ctrl+Shift+D activates, Ctrl+Alt+A picks the arrow, Ctrl+Shift+T toggles the
        // palette; a key name without modifiers registers nothing.
        options.preferences =
            shortcut(QStringLiteral("AppActivate"), QStringLiteral("d"), integers({14, 11})) +
            shortcut(QStringLiteral("Arrow"), QStringLiteral("A"), integers({11, 13})) +
            shortcut(QStringLiteral("DesktopTools"), QStringLiteral("t"),
                     integers({12, 14, 11, 99})) +
            shortcut(QStringLiteral("Line"), QStringLiteral("l"), {});
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));

        // Hide the overlay and put the focus on another program's window.
        session.key(QStringLiteral("Escape"));
        QVERIFY(session.waitForOverlay(false));
        QVERIFY(session.spawn(QStringLiteral("xterm"),
                              {QStringLiteral("-geometry"), QStringLiteral("80x20+100+100")}));
        session.settle(1000);
        QCOMPARE(session.run(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--sync"),
                              QStringLiteral("--class"), QStringLiteral("xterm"),
                              QStringLiteral("windowfocus"), QStringLiteral("--sync")}),
                 0);
        session.moveTo({300, 200}); // over the terminal too
        QByteArray focused;
        session.run(QStringLiteral("xdotool"),
                    {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")}, &focused);
        QVERIFY2(focused.toLower().contains("xterm"), focused.constData());

        session.key(QStringLiteral("ctrl+shift+d"));
        QVERIFY(session.waitForOverlay(true)); // activated from the other window
        QVERIFY(session.waitForLog(QStringLiteral("Hotkey AppActivate")));

        session.key(QStringLiteral("Escape"));
        session.settle();
        session.key(QStringLiteral("ctrl+alt+a")); // activates and picks the arrow
        QVERIFY(session.waitForOverlay(true));
        session.drag(E2ESession::line({300, 300}, {600, 300}, 12));
        QVERIFY(session.waitForColor({592, 304}, kRed));

        // With Num Lock on the grabs still fire (Super+Ctrl+Shift+T; 99 is no modifier).
        session.key(QStringLiteral("Num_Lock"));
        session.key(QStringLiteral("super+ctrl+shift+t"));
        QVERIFY(session.waitForLog(QStringLiteral("Hotkey DesktopTools")));
        QVERIFY(session.waitForColor({37, 207}, kRed)); // the palette
        session.key(QStringLiteral("Num_Lock"));

        session.key(QStringLiteral("l"));
        session.key(QStringLiteral("ctrl+l"));
        QVERIFY(!session.log().contains(QStringLiteral("Hotkey Line")));
    }

    void aCombinationAnotherProgramHoldsStaysSilent() {
        E2ESession::Options options;
        options.preferences =
            shortcut(QStringLiteral("AppActivate"), QStringLiteral("d"), integers({14, 11})) +
            shortcut(QStringLiteral("Circle"), QStringLiteral("c"), integers({11, 13}));
        E2ESession session(options);
        // The other program must hold Ctrl+Shift+D before Quillory starts.
        options.compositor = true;
        QVERIFY2(session.start(), qPrintable(session.errorString));
        session.stopApplication();
        OtherClient other(session.display());
        const xcb_keycode_t d = 40; // evdev 32 + 8
        QVERIFY(other.grab(d, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT));
        QVERIFY(session.startApplication());
        QVERIFY(session.waitForLog(QStringLiteral("Could not register the hotkey")));
        QVERIFY(session.log().contains(QStringLiteral("Ctrl+Shift+D")));

        session.key(QStringLiteral("Escape"));
        session.settle();
        session.key(QStringLiteral("ctrl+shift+d")); // taken: nothing happens here
        QVERIFY(session.waitForOverlay(false));
        session.key(QStringLiteral("ctrl+alt+c")); // the others keep working
        QVERIFY(session.waitForOverlay(true));
        QVERIFY(session.waitForLog(QStringLiteral("Hotkey Circle")));
    }

    void trayIconOpensThePanelAndTheFirstStartOpensItByItself() {
        E2ESession::Options options;
        options.firstRun = true;
        options.preferences =
            shortcut(QStringLiteral("Circle"), QStringLiteral("c"), integers({11, 13}));
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        // No tray host: the panel still opens by itself once, next to the pointer.
        QVERIFY(session.waitForLog(QStringLiteral("Popover shown"), 5000));
        const QString stored = session.preferencesText().simplified().remove(QLatin1Char(' '));
        QVERIFY(stored.contains(QStringLiteral("<key>FirstTimeMenu</key><true/>")));
        session.stopApplication();

        // A tray host (XEmbed): the icon appears and a click opens the panel.
        QVERIFY(session.spawn(QStringLiteral("trayer"),
                              {QStringLiteral("--edge"), QStringLiteral("top"),
                               QStringLiteral("--align"), QStringLiteral("right"),
                               QStringLiteral("--widthtype"), QStringLiteral("request"),
                               QStringLiteral("--height"), QStringLiteral("24")}));
        QThread::msleep(800);
        QVERIFY(session.startApplication());
        session.settle(1500);
        QCOMPARE(session.log().count(QStringLiteral("Popover shown")), 0); // second start: none
        // The overlay covers the whole screen, the tray's panel too, but lets the icon's
        // clicks through.
        QVERIFY(session.overlayVisible());

        // The tray's panel holds just our icon: click its middle.
        QPoint icon;
        for (int attempt = 0; attempt < 20 && icon.isNull(); ++attempt) {
            QByteArray geometry;
            session.run(QStringLiteral("xdotool"),
                        {QStringLiteral("search"), QStringLiteral("--class"),
                         QStringLiteral("trayer"), QStringLiteral("getwindowgeometry"),
                         QStringLiteral("--shell"), QStringLiteral("%@")},
                        &geometry);
            int x = -1, y = -1, width = 0;
            for (const QByteArray &field : geometry.split('\n')) {
                if (field.startsWith("X="))
                    x = field.mid(2).toInt();
                else if (field.startsWith("Y="))
                    y = field.mid(2).toInt();
                else if (field.startsWith("WIDTH="))
                    width = field.mid(6).toInt();
                else if (field.startsWith("HEIGHT=") && field.mid(7).toInt() == 24 && width >= 20 &&
                         x >= 0)
                    icon = QPoint(x + width - 12, y + 12);
            }
            if (icon.isNull())
                QThread::msleep(200);
        }
        QVERIFY2(!icon.isNull(), qPrintable(session.log().right(600)));
        session.click(icon);
        QVERIFY(session.waitForLog(QStringLiteral("Popover shown"), 5000));
        QVERIFY(session.waitForOverlay(true)); // a left click also activates
        const auto panelShown = [&session] {
            QByteArray ids;
            session.run(QStringLiteral("xdotool"),
                        {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--name"), QStringLiteral("^Quillory Menu$")},
                        &ids);
            return !ids.trimmed().isEmpty();
        };
        QVERIFY(panelShown());
        session.key(QStringLiteral("Escape")); // Escape closes it
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);

        // The panel holds no keyboard grab: global shortcuts work while it is open, and close it.
        session.click(icon);
        QTRY_VERIFY_WITH_TIMEOUT(panelShown(), 3000);
        session.key(QStringLiteral("ctrl+alt+c"));
        QVERIFY(session.waitForLog(QStringLiteral("Hotkey Circle")));
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);

        session.click(icon);
        QTRY_VERIFY_WITH_TIMEOUT(panelShown(), 3000);
        session.click({600, 600}); // a click outside, on the overlay, closes it
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);

        // With the overlay hidden, a right click opens the panel alone; a click on the desktop,
        // no window of ours, closes it.
        session.key(QStringLiteral("Escape"));
        QVERIFY(session.waitForOverlay(false));
        session.run(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(icon.x()),
                     QString::number(icon.y()), QStringLiteral("click"), QStringLiteral("3")});
        QTRY_VERIFY_WITH_TIMEOUT(panelShown(), 3000);
        QVERIFY(!session.overlayVisible());
        session.click({600, 600});
        QTRY_VERIFY_WITH_TIMEOUT(!panelShown(), 3000);
    }

    // Under a window manager, another program in front makes Quillory inactive: the overlay
    // stays on its monitor until Quillory is activated again.
    void theOverlayFollowsThePointerOnlyWhileQuilloryIsActive() {
        E2ESession::Options options;
        options.twoMonitors = true;
        options.preferences =
            shortcut(QStringLiteral("AppActivate"), QStringLiteral("d"), integers({14, 11}));
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        session.stopApplication();
        QVERIFY(session.spawn(QStringLiteral("openbox"),
                              {QStringLiteral("--config-file"), QStringLiteral("/dev/null")}));
        QThread::msleep(800);
        session.moveTo({400, 400}); // the left monitor
        QVERIFY(session.startApplication());
        QVERIFY(session.waitForLog(QStringLiteral("Overlay shown on LEFT")));
        session.drag(E2ESession::line({300, 300}, {600, 300}, 12));
        QVERIFY(session.waitForColor({450, 300}, kRed));

        QVERIFY(session.spawn(QStringLiteral("xterm"),
                              {QStringLiteral("-geometry"), QStringLiteral("60x20+1700+100")}));
        session.settle(1000);
        session.click({1800, 200}); // the terminal, on the right monitor, takes the focus
        session.moveTo({2200, 600});
        session.settle(1200); // four polls of the screen tracker
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(450, 300), kRed));
        QVERIFY(!session.log().contains(QStringLiteral("Overlay moved to RIGHT")));

        session.key(QStringLiteral("ctrl+shift+d")); // back to the screen under the pointer
        QVERIFY(session.waitForLog(QStringLiteral("Overlay moved to RIGHT")));
        QVERIFY(session.waitForColor({450, 300}, kRed, false));
    }

    void ctrlCCopiesAndCtrlSSaves() {
        E2ESession session({});
        QVERIFY2(session.start(), qPrintable(session.errorString));
        session.key(QStringLiteral("ctrl+c"));
        session.key(QStringLiteral("ctrl+shift+c"));
        session.key(QStringLiteral("ctrl+s")); // the save command's key
        session.settle();
        QCOMPARE(session.log().count(QStringLiteral("Copy screenshot requested")), 1);
        QCOMPARE(session.log().count(QStringLiteral("Save screenshot requested")), 1);
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
