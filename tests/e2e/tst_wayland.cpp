#include "E2ESession.h"
#include "FakeDesktop.h"
#include "OtherXClient.h"
#include "platform/FolderBookmark.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

const QSize kOutput(1280, 800);
const QColor kXColor(200, 120, 40);      // an X window's
const QColor kBlue(0, 122, 255);         // the palette's fourth colour
const QRect kXWindow(640, 60, 640, 740); // right of the native window, below GNOME's top bar
// Where the palette's colour column stands (30 from the left, above the tools).
const QRect kPalette(30, kOutput.height() - 420, 40, 300);

QStringList pictures(const QString &folder) {
    return QDir(folder).entryList({u"*.png"_qs}, QDir::Files);
}

// The pixels in `area` that do not show the native window's background (or `below`).
int covered(const QImage &image, const QRect &area, const QColor &below = E2ESession::nativeColor) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += !E2ESession::near(image.pixelColor(x, y), below, 20);
    return count;
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT
    using Desktop = E2ESession::Options::Desktop;
    static void compositors() {
        QTest::addColumn<Desktop>("desktop");
        QTest::newRow("sway") << Desktop::sway;
        QTest::newRow("GNOME") << Desktop::gnome;
        QTest::newRow("KWin") << Desktop::kwin;
    }
    static E2ESession::Options compositor(Desktop desktop) {
        E2ESession::Options options;
        options.wayland = true;
        options.desktop = desktop;
        options.monitorSize = kOutput;
        return options;
    }

private Q_SLOTS:
    // sway, GNOME Shell and KWin, each with an X window beside the native window.
    void drawingWithInputThroughTheCompositor_data() { compositors(); }
    void theHighlightLeavesNativeWindowsAlone_data() { compositors(); }

    // With the input going through the compositor (its virtual pointer and keyboard), as a
    // presenter's devices do: a stroke over the native window, Shift straightening the next
    // (from its first drag point to its last), a colour key, pointer mode, then Escape twice,
    // which clears the drawing and then hides the overlay.
    void drawingWithInputThroughTheCompositor() {
        QFETCH(Desktop, desktop);
        const bool gnome = desktop == Desktop::gnome;
        E2ESession::Options options = compositor(desktop);
        options.launch = false;
        options.preferences = u"<key>pz.fadingInkSeconds</key><integer>6</integer>"_qs;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        other.showWindow(kXWindow, kXColor.rgb());
        QVERIFY(session.waitForColor({960, 400}, kXColor));
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        session.drag(E2ESession::line({200, 200}, {600, 200}, 10));
        QVERIFY(session.waitForColor({400, 200}, E2ESession::systemRed));
        // Drawing too, a native surface shows the overlay where the compositor offers
        // layer-shell, and the X window stays away.
        QByteArray state;
        QCOMPARE(session.runQuillory({u"--action"_qs, u"state"_qs}, &state), 0);
        QVERIFY2(state.contains(gnome ? R"("output":"x11")" : R"("output":"layer-shell")"),
                 state.constData());
        QCOMPARE(session.overlayVisible(), gnome);
        session.keyDown(u"shift"_qs);
        session.drag({{200, 400}, {300, 450}, {400, 500}, {500, 450}, {600, 400}});
        session.keyUp(u"shift"_qs);
        // One segment from the first drag point to the last: the bend is gone.
        QVERIFY(session.waitForColor({450, 425}, E2ESession::systemRed));
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(400, 495), E2ESession::nativeColor,
                                 20));
        session.key(u"4"_qs);
        session.drag(E2ESession::line({200, 600}, {600, 600}, 10));
        QVERIFY(session.waitForColor({400, 600}, kBlue));
        // Pointer mode: the ink stays on top on a surface without input (fading ink fades
        // there), while the input reaches the windows below, X and native; back to drawing, a
        // stroke draws.
        session.key(u"f"_qs);
        session.drag(E2ESession::line({200, 300}, {600, 300}, 10));
        QVERIFY(session.waitForColor({400, 300}, kBlue));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"pointer"_qs}), 0);
        QVERIFY(session.waitForLog(u"Overlay mode pointer"_qs));
        QVERIFY(session.waitForOverlay(false)); // the X window gives way to the native surface
        const auto fadingShown = [&] {
            return !E2ESession::near(session.screenshot().pixelColor(400, 300),
                                     E2ESession::nativeColor, 20);
        };
        QVERIFY(fadingShown());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"state"_qs}, &state), 0);
        QVERIFY2(state.contains(R"("mode":"pointer")") &&
                     state.contains(gnome ? R"("output":"x11")" : R"("output":"layer-shell")"),
                 state.constData());
        // The X window gets a click, a drag, a wheel notch and a key (first: on GNOME a click
        // on the native window raises it over the X window).
        session.drag(E2ESession::line({900, 400}, {1000, 400}, 5));
        session.wheel(-1);
        session.key(u"a"_qs);
        QVERIFY(E2ESession::waitUntil(
            [&] {
                const OtherXClient::Input got = other.input();
                return got.clicks == 1 && got.dragMoves > 0 && got.wheel == 1 && got.keys == 1;
            },
            3000));
        // And the native window's (a click there gives it the keyboard; GNOME raises it too).
        session.drag(E2ESession::line({200, 450}, {300, 450}, 5));
        session.wheel(-1);
        session.key(u"a"_qs);
        QVERIFY(E2ESession::waitUntil(
            [&] {
                return session.nativeInput("click") == 1 && session.nativeInput("drag") > 0 &&
                       session.nativeInput("wheel") > 0 && session.nativeInput("key") == 1;
            },
            3000));
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(400, 200), E2ESession::systemRed));
        QVERIFY(E2ESession::waitUntil([&] { return !fadingShown(); }, 10000));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"draw"_qs}), 0);
        QVERIFY(!gnome || session.waitForOverlay(true)); // its X window maps again
        // The brush dot waits for the pointer rather than show where XWayland saw it last (over
        // the X window).
        QTest::qWait(500);
        QVERIFY(!E2ESession::near(session.screenshot().pixelColor(1000, 400), kBlue, 30));
        session.key(u"f"_qs);
        session.drag(E2ESession::line({200, 700}, {600, 700}, 10));
        QVERIFY(session.waitForColor({400, 700}, kBlue));
        session.key(u"Escape"_qs);
        QVERIFY(E2ESession::waitUntil(
            [&] {
                return E2ESession::near(session.screenshot().pixelColor(400, 200),
                                        E2ESession::nativeColor, 20);
            },
            5000));
        session.key(u"Escape"_qs);
        QVERIFY(E2ESession::waitUntil(
            [&] {
                return session.runQuillory({u"--action"_qs, u"state"_qs}, &state) == 0 &&
                       state.contains("\"visible\":false");
            },
            5000));
    }

    // The cursor highlight: over the X window the disc follows the pointer; over the native
    // window, where XWayland cannot see the pointer, it goes rather than stay in a stale place,
    // and clicks and keys reach the native window.
    void theHighlightLeavesNativeWindowsAlone() {
        QFETCH(Desktop, desktop);
        E2ESession session(compositor(desktop));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        session.key(u"Escape"_qs); // nothing drawn: the overlay goes
        QVERIFY(session.waitForLog(u"Overlay hidden"_qs));
        OtherXClient other(session.display());
        other.showWindow(kXWindow, kXColor.rgb());
        QVERIFY(session.waitForColor({960, 400}, kXColor));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"highlight"_qs}), 0);
        const auto disc = [&](QPoint at) {
            const QImage shot = session.screenshot();
            return covered(shot, QRect(at - QPoint(3, 3), QSize(6, 6)), kXColor) == 36;
        };
        session.moveTo({950, 400});
        session.moveTo({960, 400});
        QVERIFY(E2ESession::waitUntil([&] { return disc({960, 400}); }, 5000));
        session.moveTo({300, 420});
        session.moveTo({300, 400});
        QVERIFY(E2ESession::waitUntil(
            [&] {
                // Nothing but the pointer's own shape over the native window (short of the X
                // window's shadow on GNOME), no disc left over the X window.
                const QImage shot = session.screenshot();
                return covered(shot, {0, 100, 600, 700}) < 200 &&
                       covered(shot, {640, 100, 640, 700}, kXColor) == 0;
            },
            5000));
        session.click({300, 400});
        session.key(u"x y z"_qs);
        QVERIFY(E2ESession::waitUntil(
            [&] { return session.nativeInput("click") == 1 && session.nativeInput("key") == 3; },
            3000));
        QCOMPARE(session.log().count(u"cannot see the pointer over Wayland windows"_qs), 1);
    }

    // KWin's own shortcut service reaches Quillory with a native window focused: Show Quillory
    // (Ctrl+Shift+D) brings back the hidden overlay, and the key stays away from the window.
    // On the native surface a dead key composes: ' then e types "é" (US International).
    void kwinShortcutsAndDeadKeys() {
        E2ESession::Options options = compositor(Desktop::kwin);
        options.preferences = u"<key>ud_AppActivateKey</key><string>d</string>"
                              u"<key>ud_AppActivateFlag</key>"
                              u"<array><integer>14</integer><integer>11</integer></array>"_qs;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(session.log().contains(u"Global shortcuts: KDE global shortcut service"_qs));
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForLog(u"Overlay hidden"_qs));
        session.click({300, 400});
        QVERIFY(E2ESession::waitUntil([&] { return session.nativeInput("click") == 1; }, 3000));
        const int keys = session.nativeInput("key");
        session.key(u"ctrl+shift+d"_qs);
        QVERIFY(E2ESession::waitUntil([&] { return session.log().count(u"Overlay shown"_qs) == 2; },
                                      5000));
        session.drag(E2ESession::line({200, 200}, {600, 200}, 10));
        QVERIFY(session.waitForColor({400, 200}, E2ESession::systemRed));
        QCOMPARE(session.nativeInput("key"), keys + 2); // Ctrl and Shift, but no D

        const auto ink = [&](QPoint at) {
            return covered(session.screenshot(), {at, QSize(60, 60)});
        };
        const int before = ink({380, 330});
        session.key(u"t"_qs);
        for (const auto &[at, keys] : {std::pair(QPoint(400, 350), u"' e Escape"_qs),
                                       std::pair(QPoint(400, 550), u"e Escape"_qs)}) {
            session.click(at);
            session.key(keys);
        }
        session.moveTo({300, 700}); // the brush dot away
        QVERIFY(E2ESession::waitUntil([&] { return ink({380, 530}) > 20; }, 3000));
        QVERIFY2(ink({380, 330}) - before > ink({380, 530}) + 8,
                 qPrintable(u"%1 %2 %3"_qs.arg(before).arg(ink({380, 330})).arg(ink({380, 530}))));
    }

    // In a sway session Quillory runs on XWayland, and its screenshots come from the
    // Screenshot portal: the native Wayland window shows under the drawing, the palette does
    // not. A portal that refuses gives the failure notification and no file.
    void screenshotsComeFromThePortal() {
        QTemporaryDir shots;
        const std::optional<QByteArray> bookmark = FolderBookmark::create(shots.path());
        QVERIFY(bookmark);
        E2ESession::Options options;
        options.wayland = true;
        options.monitorSize = kOutput;
        options.launch = false;
        options.preferences = u"<key>pz.screenshotBookmark</key><data>"_qs +
                              QString::fromLatin1(bookmark->toBase64()) + u"</data>"_qs;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        FakeDesktop desktop(session.busAddress());
        QVERIFY(desktop.isReady());
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(session.log().contains(u"Qt platform xcb (XWayland)"_qs));
        QVERIFY(session.log().contains(u"Screenshots: Screenshot portal"_qs));

        // The overlay lies above the native window: its palette covers its colour.
        QCOMPARE(session.runQuillory({u"--action"_qs, u"toggle-tools"_qs}), 0);
        QVERIFY(E2ESession::waitUntil([&] { return covered(session.screenshot(), kPalette) > 500; },
                                      5000));
        session.drag(E2ESession::line({300, 300}, {700, 300}, 10));
        QVERIFY(session.waitForColor({500, 300}, E2ESession::systemRed));

        QCOMPARE(session.runQuillory({u"--action"_qs, u"save"_qs}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(pictures(shots.path()).size(), 1, 10000);
        const QImage saved(shots.filePath(pictures(shots.path()).constFirst()));
        QCOMPARE(saved.size(), kOutput);
        QVERIFY(E2ESession::near(saved.pixelColor(500, 300), E2ESession::systemRed));
        QVERIFY(E2ESession::near(saved.pixelColor(500, 500), E2ESession::nativeColor, 20));
        QCOMPARE(covered(saved, kPalette), 0);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 1, 5000);
        QVERIFY(
            desktop.notifications.shown().constFirst().body.startsWith(u"Screenshot saved to "_qs));
        // The file the portal put the picture into goes once read.
        const QRegularExpressionMatch transfer =
            QRegularExpression(u"portal's picture: (.+)"_qs).match(session.log());
        QVERIFY2(transfer.hasMatch() && !QFileInfo::exists(transfer.captured(1)),
                 qPrintable(transfer.captured(1)));

        session.stopPortalBackend();
        QCOMPARE(session.runQuillory({u"--action"_qs, u"save"_qs}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 2, 10000);
        QCOMPARE(desktop.notifications.shown().constLast().body,
                 u"The screenshot could not be taken or saved"_qs);
        QCOMPARE(pictures(shots.path()).size(), 1);
        // The palette is back once the portal has answered, follows Shift, and its buttons take
        // their clicks: the third colour draws.
        QVERIFY(E2ESession::waitUntil([&] { return covered(session.screenshot(), kPalette) > 500; },
                                      5000));
        const QImage plain = session.screenshot().copy(kPalette);
        session.keyDown(u"shift"_qs); // the arrow's icon switches
        QVERIFY(E2ESession::waitUntil([&] { return session.screenshot().copy(kPalette) != plain; },
                                      3000));
        session.keyUp(u"shift"_qs);
        session.click({47, 147});
        session.drag(E2ESession::line({300, 600}, {700, 600}, 10));
        QVERIFY(session.waitForColor({500, 600}, QColor(40, 205, 65)));
    }
};

QTEST_GUILESS_MAIN(TestWayland)
#include "moc_FakeDesktop.cpp"
#include "tst_wayland.moc"
