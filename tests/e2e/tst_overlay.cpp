#include "E2ESession.h"
#include "OtherXClient.h"

#include <QTest>

namespace {

const QColor kRed = E2ESession::systemRed;
const QColor kGreen(40, 205, 65);
const QColor kBlue(0, 122, 255);
const QColor kPurple(175, 82, 222);
const QColor kPink(255, 45, 85);
const QSize kMonitor(1600, 1000);

E2ESession::Options options(bool compositor = true, bool twoMonitors = false, QString stored = {}) {
    E2ESession::Options result;
    result.compositor = compositor;
    result.twoMonitors = twoMonitors;
    result.monitorSize = kMonitor;
    result.preferences = std::move(stored);
    return result;
}

#define START(session) QVERIFY2((session).start(), qPrintable((session).errorString))

#define EXPECT_COLOR(image, point, color)                                                          \
    QVERIFY2(E2ESession::near((image).pixelColor(point), color),                                   \
             qPrintable(u"at %1,%2: %3, expected %4"_qs.arg((point).x())                           \
                            .arg((point).y())                                                      \
                            .arg((image).pixelColor(point).name(), QColor(color).name())))

} // namespace

class TestOverlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachToolDrawsWhereDragged() {
        E2ESession session(options());
        START(session);
        const QColor background = session.screenshot().pixelColor(800, 500);

        session.drag(
            E2ESession::line({100, 100}, {300, 100}, 8)); // the pen in red: the palette's start
        session.key(u"3 l"_qs);
        session.drag(E2ESession::line({100, 200}, {300, 260}, 6));
        session.key(u"4 r"_qs);
        session.drag(E2ESession::line({400, 100}, {600, 200}, 6));
        session.key(u"5 c"_qs);
        session.drag(E2ESession::line({700, 100}, {900, 300}, 6));
        session.key(u"9 a"_qs);
        session.drag(E2ESession::line({100, 400}, {400, 400}, 12));
        QVERIFY(session.waitForColor({250, 400}, kPink));

        const QImage shot = session.screenshot();
        EXPECT_COLOR(shot, QPoint(200, 100), kRed);
        EXPECT_COLOR(shot, QPoint(200, 230), kGreen);
        // The 1-point outline covers two pixels by half each: it only leans towards blue.
        QVERIFY(shot.pixelColor(400, 150).blue() > background.blue() + 40);
        const QColor tinted(int(background.red() * 0.8 + kBlue.red() * 0.2),
                            int(background.green() * 0.8 + kBlue.green() * 0.2),
                            int(background.blue() * 0.8 + kBlue.blue() * 0.2));
        EXPECT_COLOR(shot, QPoint(500, 150), tinted);     // the 0.2 fill
        EXPECT_COLOR(shot, QPoint(700, 200), kPurple);    // the ellipse's left end
        EXPECT_COLOR(shot, QPoint(800, 200), background); // not filled
        EXPECT_COLOR(shot, QPoint(250, 400), kPink);      // the shaft
        EXPECT_COLOR(shot, QPoint(392, 404), kPink);      // a barb behind the tip
        EXPECT_COLOR(shot, QPoint(392, 396), kPink);      // and the other
        EXPECT_COLOR(shot, QPoint(500, 400), background);
        EXPECT_COLOR(shot, QPoint(200, 160), background);
        QVERIFY(session.overlayVisible());
    }

    // The marking tools: a highlighter loop is one shade where it crosses itself and darker
    // under a second stroke; an eraser drag takes exactly the shapes it touches, and Ctrl+Z
    // brings them back; typed text lands where clicked, tool letters and "é" included, and
    // the text tool then draws nothing on a drag; Ctrl+wheel thickens the next stroke, and
    // the width is there again after a restart. Without a compositor the marker is a pattern
    // of opaque pixels, which a second stroke does not darken.
    void markingTools_data() {
        QTest::addColumn<bool>("compositor");
        QTest::newRow("compositor") << true;
        QTest::newRow("none") << false;
    }
    void markingTools() {
        QFETCH(const bool, compositor);
        E2ESession session(options(compositor));
        START(session);
        const QColor background = session.screenshot().pixelColor(800, 500);
        session.key(u"h 2"_qs);
        session.drag({{100, 100}, {300, 100}, {300, 200}, {200, 200}, {200, 50}});
        session.drag(E2ESession::line({100, 150}, {300, 150}, 6));
        QVERIFY(session.waitForColor({150, 150}, background, false) ||
                session.waitForColor({151, 150}, background, false));
        QImage shot = session.screenshot();
        const auto shade = [&shot](int x, int y) { // over 2x2 pixels, the pattern's period
            int red = 0, green = 0, blue = 0;
            for (const QPoint at :
                 {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)}) {
                red += shot.pixelColor(at).red();
                green += shot.pixelColor(at).green();
                blue += shot.pixelColor(at).blue();
            }
            return QColor(red / 4, green / 4, blue / 4);
        };
        const QColor once = shade(150, 100), crossed = shade(200, 100);
        QVERIFY2(E2ESession::near(once, crossed, 4), qPrintable(crossed.name()));
        QVERIFY(!E2ESession::near(once, background, 8));
        const QColor twice = shade(200, 150);
        QVERIFY(!compositor || !E2ESession::near(twice, once, 8));

        session.key(u"p 1"_qs);
        session.drag(E2ESession::line({500, 100}, {700, 100}, 6));
        session.drag(E2ESession::line({500, 200}, {700, 200}, 6));
        session.key(u"e"_qs);
        session.drag(E2ESession::line({600, 60}, {600, 140}, 4));
        QVERIFY(session.waitForColor({550, 100}, background));
        EXPECT_COLOR(session.screenshot(), QPoint(550, 200), kRed);
        session.key(u"ctrl+z"_qs);
        QVERIFY(session.waitForColor({550, 100}, kRed));

        session.key(u"t 3"_qs);
        session.click({300, 600});
        session.run(u"xdotool"_qs, {u"type"_qs, u"--delay"_qs, u"40"_qs, u"PLARCé1/"_qs});
        session.key(u"Return x dead_acute e Escape"_qs); // a dead key composes "é"
        session.settle();
        shot = session.screenshot();
        const auto inked = [&shot](int x, int y) {
            return E2ESession::near(shot.pixelColor(x, y), kGreen, 30);
        };
        int right = 0, bottom = 0;
        for (int y = 590; y < 700; ++y)
            for (int x = 290; x < 700; ++x)
                if (inked(x, y)) {
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        // Eight characters at 24 pixels on the first line, a second line below it.
        QVERIFY2(right > 400 && bottom > 640, qPrintable(u"%1,%2"_qs.arg(right).arg(bottom)));
        // The second line, "xé": the accent stands above the x's top, two glyphs, no more
        // (where the glyphs are smooth, with a compositor).
        const auto top = [&](int from, int to) {
            for (int y = bottom - 24; y <= bottom; ++y)
                for (int x = from; x <= to; ++x)
                    if (inked(x, y))
                        return y;
            return bottom;
        };
        QList<int> starts; // where each glyph of the line begins
        for (int x = 290, was = bottom; compositor && x < 400; ++x) {
            const int now = top(x, x);
            if (now < bottom && was == bottom)
                starts << x;
            was = now;
        }
        if (compositor) {
            QCOMPARE(starts.size(), 2);
            const int x = top(starts[0], starts[1] - 1), acute = top(starts[1], starts[1] + 14);
            QVERIFY2(acute + 3 < x, qPrintable(u"%1 %2"_qs.arg(acute).arg(x)));
        }
        session.drag(E2ESession::line({300, 800}, {500, 800}, 6));
        session.settle();
        EXPECT_COLOR(session.screenshot(), QPoint(400, 800), background);

        session.key(u"Escape p"_qs); // ends the empty text the drag's press began
        session.moveTo({800, 800});
        for (int notch = 0; notch < 3; ++notch)
            session.run(u"xdotool"_qs,
                        {u"keydown"_qs, u"ctrl"_qs, u"click"_qs, u"4"_qs, u"keyup"_qs, u"ctrl"_qs});
        session.drag(E2ESession::line({800, 700}, {1000, 700}, 6));
        QVERIFY(session.waitForColor({900, 702}, kGreen));
        QVERIFY2(session.stores(u"pz.lineWidths"_qs, u"<array><integer>6</integer>"_qs),
                 qPrintable(session.preferencesText()));
        session.stopApplication();
        QVERIFY(session.startApplication());
        session.drag(E2ESession::line({800, 900}, {1000, 900}, 6));
        QVERIFY(session.waitForColor({900, 902}, kRed));
    }

    void clickUndoRedoAndEscape() {
        E2ESession session(options());
        START(session);
        const QColor background = session.screenshot().pixelColor(400, 300);
        session.click({400, 300});
        session.key(u"Escape"_qs); // nothing was left: this Escape hides at once
        QVERIFY(session.waitForOverlay(false));

        E2ESession second(options());
        START(second);
        // Another program took the keyboard; pressing on the overlay takes it back.
        OtherXClient other(second.display());
        other.showWindow({1100, 700, 100, 80}, 0x000000);
        other.takeFocus();
        second.drag(E2ESession::line({300, 300}, {500, 300}, 6));
        second.key(u"ctrl+z"_qs);
        QVERIFY(second.waitForColor({400, 300}, background));
        second.key(u"ctrl+shift+z"_qs);
        QVERIFY(second.waitForColor({400, 300}, kRed));
        second.key(u"ctrl+4"_qs); // a drawing key with Ctrl does nothing at all
        second.drag(E2ESession::line({300, 400}, {500, 400}, 6));
        QVERIFY(second.waitForColor({400, 400}, kRed));
        second.key(u"Escape"_qs);
        QVERIFY(second.waitForColor({400, 400}, background));
        EXPECT_COLOR(second.screenshot(), QPoint(400, 300), background);
        QVERIFY(second.overlayVisible());
        second.key(u"Escape"_qs);
        QVERIFY(second.waitForOverlay(false));
        QVERIFY(second.waitForLog(u"Overlay hidden"_qs));
    }

    void slideKeysReachTheProgramBelow_data() {
        QTest::addColumn<bool>("compositor");
        QTest::newRow("compositor") << true;
        QTest::newRow("no compositor") << false;
    }

    // Under a window manager that frames the slides' window, a remote's keys (the page and
    // arrow keys, F5, period) reach it while the ink stays; the overlay's own keys, and every
    // key while a text is typed, stay with the overlay.
    void slideKeysReachTheProgramBelow() {
        QFETCH(bool, compositor);
        E2ESession::Options withOrWithout = options(compositor);
        withOrWithout.launch = false;
        E2ESession session(withOrWithout);
        START(session);
        QVERIFY(session.startWindowManager());
        OtherXClient slides(session.display());
        slides.showWindow({200, 200, 1000, 600}, 0x2e8b57);
        QVERIFY(session.startApplication());
        session.drag(E2ESession::line({300, 300}, {700, 300}, 10));
        QVERIFY(session.waitForColor({500, 300}, kRed));
        session.moveTo({600, 500});
        session.key(u"Next Right shift+F5 period 4"_qs);
        // X's key codes: the kernel's plus 8.
        const QList<int> sent{109 + 8, 106 + 8, 63 + 8, 52 + 8};
        QVERIFY(E2ESession::waitUntil([&] { return slides.input().keycodes == sent; }, 3000));
        session.drag(E2ESession::line({300, 400}, {700, 400}, 10)); // 4 picked blue
        QVERIFY(session.waitForColor({500, 400}, kBlue));
        session.key(u"t"_qs);
        session.click({400, 600});
        session.key(u"a Right Escape"_qs);
        session.settle(300);
        QCOMPARE(slides.input().keycodes, sent);
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(500, 300), kRed));
    }

    void theWayBackThePaletteAndTheTray_data() { slideKeysReachTheProgramBelow_data(); }

    // Under a window manager, with a tray: the pointer mode's sign names the way back, and the
    // default shortcut brings drawing back; a mode button of the palette switches its mode and
    // shows pressed also when a key switched it; the tray icon takes clicks while the overlay
    // covers it, also after a hide and a show.
    void theWayBackThePaletteAndTheTray() {
        QFETCH(bool, compositor);
        E2ESession::Options withOrWithout =
            options(compositor, false, u"<key>UpdateToolsOnScreen</key><true/>"_qs);
        withOrWithout.launch = false;
        E2ESession session(withOrWithout);
        START(session);
        QVERIFY(session.startWindowManager());
        QVERIFY(session.startTray());
        QVERIFY(session.startApplication());
        const QPoint icon = session.trayIcon();
        QVERIFY(!icon.isNull());
        session.drag(E2ESession::line({300, 300}, {700, 300}, 10));
        QVERIFY(session.waitForColor({500, 300}, kRed));

        // The sign: "Pointer mode — press Ctrl+Alt+Shift+M or click the tray icon to draw", a
        // dark pill across the top far wider than "Pointer mode" alone.
        session.moveTo({800, 600});
        session.key(u"m"_qs);
        QVERIFY(session.waitForLog(u"Overlay mode pointer"_qs));
        const auto signWidth = [&] { // from its first dark pixel to its last
            const QImage shot = session.screenshot();
            int first = -1, last = -1;
            for (int x = 0; x < shot.width() - 100; ++x) { // the tray's corner aside
                if (shot.pixelColor(x, 25).lightness() < 60) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
            return first < 0 ? 0 : last - first + 1;
        };
        QVERIFY(E2ESession::waitUntil([&] { return signWidth() > 450; }, 3000));
        session.key(u"ctrl+alt+shift+m"_qs);
        QVERIFY(session.waitForLog(u"Overlay mode draw"_qs));
        QVERIFY(E2ESession::waitUntil([&] { return signWidth() == 0; }, 3000));
        session.drag(E2ESession::line({300, 400}, {700, 400}, 10));
        QVERIFY(session.waitForColor({500, 400}, kRed));

        // The modes stand beside the colours: the white board fourth, the black board fifth.
        const QPoint whiteboard(97, 190 + 3 * 50 + 17), blackboard = whiteboard + QPoint(0, 50);
        const QColor pressed(0, 122, 255), up(142, 142, 147);
        const auto ring = [](QPoint button) { return button - QPoint(16, 0); };
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(ring(whiteboard)), up));
        session.key(u"w"_qs);
        QVERIFY(session.waitForColor(ring(whiteboard), pressed));
        session.click(blackboard);
        QVERIFY(session.waitForColor({800, 700}, Qt::black));
        QVERIFY(session.waitForColor(ring(blackboard), pressed));
        QVERIFY(session.waitForColor(ring(whiteboard), up));
        session.click(blackboard);
        session.moveTo({800, 600}); // a hovered button is faint
        QVERIFY(session.waitForColor(ring(blackboard), up));
        QVERIFY(session.waitForColor({500, 400}, kRed)); // back on the screen's drawing

        // Over the drawings the pointer shows the tool, never the arrow: the pen's cross has its
        // hot spot in its middle, the eraser's is a ring 17 pixels across.
        OtherXClient pointer(session.display());
        session.moveTo({800, 600});
        const auto centred = [](QRect shape) {
            return !shape.isEmpty() && qAbs(-shape.x() - shape.width() / 2) <= 1 &&
                   qAbs(-shape.y() - shape.height() / 2) <= 1;
        };
        QVERIFY(E2ESession::waitUntil([&] { return centred(pointer.cursor()); }, 2000));
        session.key(u"e"_qs);
        QVERIFY(
            E2ESession::waitUntil([&] { return pointer.cursor() == QRect(-8, -8, 17, 17); }, 2000));

        // Hidden and shown again, the overlay still lets the tray icon have its clicks.
        session.key(u"Escape Escape"_qs);
        QVERIFY(session.waitForOverlay(false));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"activate"_qs}), 0);
        QVERIFY(session.waitForOverlay(true));
        session.settle(300);
        session.click(icon);
        QVERIFY(session.waitForLog(u"Popover shown"_qs, 5000));
    }

    void shiftStraightensAPenStroke() {
        E2ESession session(options());
        START(session);
        const QColor background = session.screenshot().pixelColor(700, 700);
        session.moveTo({100, 500});
        session.mouseDown();
        for (const QPoint point : {QPoint(150, 540), QPoint(200, 500), QPoint(250, 540)})
            session.moveTo(point);
        session.keyDown(u"shift"_qs);
        session.moveTo({300, 500});
        session.mouseUp();
        session.keyUp(u"shift"_qs);
        QVERIFY(session.waitForColor({225, 520}, kRed));
        const QImage shot = session.screenshot();
        // One segment from the first drag point (150,540) to the last (300,500).
        EXPECT_COLOR(shot, QPoint(225, 520), kRed);
        EXPECT_COLOR(shot, QPoint(200, 501), background); // the zig-zag's peak is gone
        EXPECT_COLOR(shot, QPoint(120, 515), background); // so is the stretch from the press
    }

    void paletteFollowsTheStoredChoice() {
        E2ESession first(options());
        START(first);
        QVERIFY2(first.stores(u"UpdateToolsOnScreen"_qs, u"<false/>"_qs),
                 qPrintable(first.preferencesText()));
        const QColor background = first.screenshot().pixelColor(800, 500);
        // Where the first colour button would be: nothing on the first start.
        const QPoint redButton(47 - 10, 190 + 17);
        EXPECT_COLOR(first.screenshot(), redButton, background);

        E2ESession shown(options(true, false, u"<key>UpdateToolsOnScreen</key><true/>"_qs));
        START(shown);
        const QImage shot = shown.screenshot();
        EXPECT_COLOR(shot, redButton, kRed); // selected: filled with its colour
        EXPECT_COLOR(shot, QPoint(47 - 10, 190 + 50 + 17), QColor(Qt::white)); // yellow: a disc
        shown.key(u"2"_qs);
        QVERIFY(shown.waitForColor({47 - 10, 190 + 50 + 17}, QColor(255, 204, 0)));

        // Either Shift key switches the arrow's icon; releasing one of two keeps it switched.
        const auto palette = [&shown] {
            const QImage screen = shown.screenshot();
            return screen.copy(20, 0, 60, screen.height());
        };
        const QImage plain = palette();
        shown.keyDown(u"Shift_L"_qs);
        shown.keyDown(u"Shift_R"_qs);
        QTRY_VERIFY(palette() != plain);
        const QImage modified = palette();
        shown.keyUp(u"Shift_L"_qs);
        shown.settle();
        QVERIFY(palette() == modified);
        shown.keyUp(u"Shift_R"_qs);
        QTRY_VERIFY(palette() == plain);

        // The palette takes its own clicks; around it the pointer draws.
        shown.click({47 - 10, 190 + 2 * 50 + 17});
        QVERIFY(shown.waitForColor({47 - 10, 190 + 2 * 50 + 17}, kGreen));
        shown.drag(E2ESession::line({300, 600}, {500, 600}, 6));
        QVERIFY(shown.waitForColor({400, 600}, kGreen));
    }

    // The dot follows the pointer, and a burst of moves faster than frames keeps every corner,
    // at twice the density too, also in the bottom right quarter of the screen.
    void aBurstOfMovesKeepsEveryCorner() {
        E2ESession::Options twice = options();
        twice.environment.insert(u"QT_SCALE_FACTOR"_qs, u"2"_qs);
        E2ESession session(twice);
        START(session);
        QVERIFY(session.waitForLog(u"Pointer read on a connection of its own"_qs));
        const QColor background = session.screenshot().pixelColor(1000, 700);
        session.moveTo({1000, 700});
        QVERIFY(session.waitForColor({1000, 700}, kRed));
        const auto corner = [](int k) { return QPoint(100 + 16 * k, 500 - k % 2 * 60); };
        QStringList moves{u"mousemove"_qs, u"100"_qs, u"500"_qs, u"mousedown"_qs, u"1"_qs};
        for (int k = 1; k <= 40; ++k)
            moves << u"mousemove"_qs << QString::number(corner(k).x())
                  << QString::number(corner(k).y());
        session.run(u"xdotool"_qs, moves << u"mouseup"_qs << u"1"_qs);
        // Each segment's middle: a lost corner would join its neighbours on the row above or
        // below instead.
        QVERIFY(session.waitForColor((corner(39) + corner(40)) / 2, kRed));
        const QImage shot = session.screenshot();
        for (int k = 1; k <= 40; ++k)
            EXPECT_COLOR(shot, (corner(k - 1) + corner(k)) / 2, kRed);
        EXPECT_COLOR(shot, QPoint(230, 235), background); // where half the position would be
    }

    // Each monitor keeps its own drawings; a removed monitor takes none with it and gets its
    // own back when it returns.
    void eachMonitorKeepsItsOwnDrawings() {
        E2ESession session(options(true, true));
        START(session);
        const QColor background = session.screenshot().pixelColor(800, 800);
        session.drag(E2ESession::line({300, 300}, {500, 300}, 6));
        session.moveTo({2000, 500});
        QVERIFY(session.waitForLog(u"Overlay moved to RIGHT"_qs));
        session.key(u"3"_qs);
        session.drag(E2ESession::line({1900, 600}, {2100, 600}, 6));
        QVERIFY(session.waitForColor({2000, 600}, kGreen));
        EXPECT_COLOR(session.screenshot(), QPoint(400, 300), background); // it left the first
        session.moveTo({800, 800});
        QVERIFY(session.waitForColor({400, 300}, kRed)); // back, with its drawings
        session.moveTo({2000, 500});
        QVERIFY(session.waitForColor({2000, 600}, kGreen));

        session.run(u"xrandr"_qs, {u"--delmonitor"_qs, u"RIGHT"_qs});
        QVERIFY(session.waitForColor({400, 300}, kRed)); // on the remaining monitor, its own
        QVERIFY(!E2ESession::near(session.screenshot().pixelColor(1000, 600), kGreen));

        session.run(u"xrandr"_qs,
                    {u"--setmonitor"_qs, u"RIGHT"_qs, u"1600/508x1000/286+1600+0"_qs, u"none"_qs});
        session.moveTo({2200, 500});
        QVERIFY(session.waitForColor({2000, 600}, kGreen)); // the monitor's drawings are back
        EXPECT_COLOR(session.screenshot(), QPoint(400, 300), background);
    }

    void withoutACompositorEveryStrokeShowsWholeAndStaysWhenOneStarts() {
        E2ESession session(options(false));
        START(session);
        QVERIFY(session.waitForLog(u"Compositor not running"_qs));
        const QColor desktop(0x33, 0x66, 0x99);
        EXPECT_COLOR(session.screenshot(), QPoint(800, 500), desktop); // not a black screen
        // 600 short zig-zags pushed as fast as xdotool goes, then a long one with sharp corners.
        QStringList moves;
        QList<QPoint> starts;
        for (int i = 0; i < 600; ++i) {
            const QPoint start(100 + i % 20 * 70, 60 + i / 20 * 30);
            starts << start;
            moves << u"mousemove"_qs << QString::number(start.x()) << QString::number(start.y())
                  << u"mousedown"_qs << u"1"_qs;
            for (int step = 1; step <= 6; ++step)
                moves << u"mousemove"_qs << QString::number(start.x() + step * 8)
                      << QString::number(start.y() + step % 2 * 12);
            moves << u"mouseup"_qs << u"1"_qs;
            if (i % 100 == 99)
                session.run(u"xdotool"_qs, std::exchange(moves, {}));
        }
        QList<QPoint> zigzag;
        for (int k = 0; k <= 50; ++k)
            zigzag << QPoint(100 + 4 * k, 974 - k % 2 * 24);
        session.drag(zigzag);
        session.key(u"4 r"_qs);
        session.drag(E2ESession::line({1500, 100}, {1580, 300}, 4));
        QImage shot;
        // Waits until each stroke shows whole: the middles of its first, fourth and last segment.
        const auto missing = [&] {
            QString stroke;
            for (int tries = 0; tries < 40 && (tries == 0 || !stroke.isEmpty()); ++tries) {
                session.settle(tries ? 500 : 300);
                shot = session.screenshot();
                stroke.clear();
                for (const QPoint start : starts)
                    for (const QPoint middle : {QPoint(4, 6), QPoint(28, 6), QPoint(44, 6)})
                        if (stroke.isEmpty() &&
                            !E2ESession::near(shot.pixelColor(start + middle), kRed))
                            stroke = u"%1,%2"_qs.arg(start.x()).arg(start.y());
            }
            return stroke;
        };
        QCOMPARE(missing(), QString());
        // Every pixel of the zig-zag shows its colour or the desktop: nothing darker.
        for (int y = 940; y < 995; ++y)
            for (int x = 90; x < 320; ++x)
                QVERIFY2(
                    E2ESession::near(shot.pixelColor(x, y), kRed) ||
                        E2ESession::near(shot.pixelColor(x, y), desktop),
                    qPrintable(u"%1,%2: %3"_qs.arg(x).arg(y).arg(shot.pixelColor(x, y).name())));
        // The rectangle's outline shows; its 0.2 fill leaves the desktop as it is.
        EXPECT_COLOR(shot, QPoint(1500, 200), kBlue);
        EXPECT_COLOR(shot, QPoint(1540, 200), desktop);

        QVERIFY(session.startCompositor());
        QVERIFY(session.waitForLog(u"Compositor started"_qs));
        QCOMPARE(missing(), QString());
        session.stopCompositor();
        QVERIFY(session.waitForLog(u"Compositor stopped"_qs));
        QCOMPARE(missing(), QString());
        EXPECT_COLOR(shot, QPoint(1540, 600), desktop);
    }
};

QTEST_GUILESS_MAIN(TestOverlay)
#include "tst_overlay.moc"
