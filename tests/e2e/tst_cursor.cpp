#include "E2ESession.h"
#include "OtherXClient.h"

#include <QTest>

namespace {
const QColor kDisc(255, 0, 0), kDesktop(0x33, 0x66, 0x99), kOther(0, 160, 0);
const QString kWindow = u"^Quillory Cursor Highlight$"_qs;

// The disc, 50 pixels across, centred on `centre`: red just inside its rim, not just outside.
bool discAt(E2ESession &session, QPoint centre) {
    return E2ESession::waitUntil(
        [&] {
            const QImage screen = session.screenshot();
            bool whole = E2ESession::near(screen.pixelColor(centre), kDisc);
            for (const QPoint step : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)}) {
                whole = whole && E2ESession::near(screen.pixelColor(centre + 22 * step), kDisc) &&
                        !E2ESession::near(screen.pixelColor(centre + 29 * step), kDisc, 60);
            }
            return whole;
        },
        5000);
}
} // namespace

// The cursor highlight: a red disc on the pointer, over other programs, clicks going through.
class TestCursor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void discFollowsThePointerAndClicksGoThrough() {
        E2ESession::Options options;
        options.monitorSize = {1000, 700};
        options.preferences = u"<key>CursorHighlight</key><true/>"_qs;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(session.waitForLog(u"Cursor highlight shown"_qs));
        // Hiding Quillory leaves the highlight.
        session.key(u"Escape"_qs);
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForOverlay(false));
        session.moveTo({300, 200}); // a warp, as xdotool makes it: no device moves
        QVERIFY(discAt(session, {300, 200}));
        const QColor tinted = session.screenshot().pixelColor(700, 600);

        QCOMPARE(session.runQuillory({u"--action"_qs, u"highlight"_qs}), 0);
        QVERIFY(E2ESession::waitUntil([&] { return !session.windowShown(kWindow); }, 3000));
        QVERIFY(session.stores(u"CursorHighlight"_qs, u"<false/>"_qs));
        const QImage plain = session.screenshot();
        QVERIFY(E2ESession::near(plain.pixelColor(300, 200), plain.pixelColor(700, 600)));
        // The compositor blends the window's white at 30 % over the desktop.
        const auto white30 = [](int channel) { return qRound(channel * 0.7 + 255 * 0.3); };
        const QColor desktop = plain.pixelColor(700, 600);
        QVERIFY(E2ESession::near(
            tinted,
            QColor(white30(desktop.red()), white30(desktop.green()), white30(desktop.blue())), 3));

        // Another program's window, then the highlight again, above it.
        OtherXClient other(session.display());
        other.showWindow({500, 300, 200, 200}, kOther.rgb());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"highlight"_qs}), 0);
        // The answer comes before the action runs.
        QVERIFY(E2ESession::waitUntil(
            [&] { return session.stores(u"CursorHighlight"_qs, u"<true/>"_qs); }, 3000));
        session.moveTo({600, 400}); // a warp onto the other window
        QVERIFY(discAt(session, {600, 400}));
        session.click({600, 400});
        QVERIFY(E2ESession::waitUntil([&] { return other.clicks() == 1; }, 3000));

        // Without a compositor only the disc shows: no sheet, white or black, over the screen.
        session.stopCompositor();
        session.run(u"xdotool"_qs, {u"mousemove_relative"_qs, u"--"_qs, u"-150"_qs, u"-150"_qs});
        QVERIFY(discAt(session, {450, 250}));
        const QImage screen = session.screenshot();
        QVERIFY(E2ESession::near(screen.pixelColor(700, 600), kDesktop, 2));
        QVERIFY(E2ESession::near(screen.pixelColor(520, 320), kOther, 2));
        QVERIFY(session.startCompositor());
        QVERIFY(session.waitForColor({700, 600}, tinted));

        // A screenshot shows the screen without the highlight, which comes back after it.
        QCOMPARE(session.runQuillory({u"--action"_qs, u"copy"_qs}), 0);
        QVERIFY(session.waitForLog(u"Screenshot copied"_qs));
        const QImage copied = session.clipboardImage();
        QVERIFY(!copied.isNull());
        QVERIFY(!E2ESession::near(copied.pixelColor(450, 250), kDisc, 60));
        QVERIFY(E2ESession::near(copied.pixelColor(700, 600), desktop, 3));
        QVERIFY(discAt(session, {450, 250}));
    }

    // Under a window manager that frames every window (openbox), the highlight is never framed
    // nor focused: clicks and keys reach the program under it, and the overlay still draws.
    void aWindowManagerLeavesTheHighlightAlone_data() {
        QTest::addColumn<bool>("compositor");
        QTest::newRow("compositor") << true;
        QTest::newRow("no compositor") << false;
    }
    void aWindowManagerLeavesTheHighlightAlone() {
        QFETCH(bool, compositor);
        E2ESession::Options options;
        options.monitorSize = {1000, 700};
        options.compositor = compositor;
        options.launch = false;
        options.preferences = u"<key>CursorHighlight</key><true/>"_qs;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(session.startWindowManager());
        QVERIFY(session.startApplication());
        QVERIFY(session.waitForLog(u"Cursor highlight shown"_qs));
        session.drag(E2ESession::line({100, 100}, {300, 100}, 8)); // the overlay draws
        // Under the compositor's white tint at 30 %.
        QVERIFY(session.waitForColor({200, 100},
                                     compositor ? QColor(255, 118, 110) : E2ESession::systemRed));
        session.key(u"Escape Escape"_qs);
        QVERIFY(session.waitForOverlay(false));

        OtherXClient other(session.display());
        other.showWindow({500, 300, 200, 200}, kOther.rgb());
        session.settle(500);
        session.click({600, 400});
        QVERIFY(E2ESession::waitUntil([&] { return other.clicks() == 1; }, 3000));
        session.key(u"x"_qs); // the click gave it the focus
        QVERIFY(E2ESession::waitUntil([&] { return other.input().keys == 1; }, 3000));
        QVERIFY(discAt(session, {600, 400})); // above the window that came after it
    }
};

QTEST_GUILESS_MAIN(TestCursor)
#include "tst_cursor.moc"
