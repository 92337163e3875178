#include "E2ESession.h"
#include "OtherXClient.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QColor kRed = E2ESession::systemRed;

E2ESession::Options options() {
    E2ESession::Options result;
    result.monitorSize = QSize(1600, 1000);
    return result;
}
} // namespace

// One Quillory per session, and `quillory --action NAME` as its remote control.
class TestRemote : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void actionsReachTheRunningInstance() {
        E2ESession session(options());
        QVERIFY2(session.start(), qPrintable(session.errorString));
        const QColor background = session.screenshot().pixelColor(700, 700);

        QByteArray output;
        QCOMPARE(session.runQuillory({u"--action"_qs, u"bogus"_qs}, &output), 2);
        QVERIFY(output.contains("unknown action \"bogus\""));

        QCOMPARE(session.runQuillory({u"--action"_qs, u"arrow"_qs}), 0);
        session.drag(E2ESession::line({300, 300}, {600, 300}, 12));
        QVERIFY(session.waitForColor({592, 304}, kRed)); // a barb: the arrow tool
        QCOMPARE(session.runQuillory({u"--action"_qs, u"eraser"_qs}), 0);
        session.drag(E2ESession::line({450, 250}, {450, 350}, 6));
        QVERIFY(session.waitForColor({400, 300}, background));

        QCOMPARE(session.runQuillory({u"--action"_qs, u"toggle-tools"_qs}), 0);
        QVERIFY(session.waitForColor({37, 207}, kRed)); // the palette

        // Escape twice hides the overlay; a second launch brings it back and exits, having
        // made no window and written no file of its own.
        session.key(u"Escape"_qs);
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForOverlay(false));
        QTemporaryDir emptyConfig;
        QProcessEnvironment fresh;
        fresh.insert(u"XDG_CONFIG_HOME"_qs, emptyConfig.path());
        QCOMPARE(session.runQuillory({}, &output, fresh), 0);
        QVERIFY2(QDir(emptyConfig.path()).isEmpty(), output.constData());
        QVERIFY2(!output.contains("Overlay") && !output.contains("Compositor"), output.constData());
        QVERIFY(session.waitForOverlay(true));
        QVERIFY(session.applicationRunning());
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(450, 300), background));

        // A save with no folder yet asks for one; the sender has its answer at once all the same.
        const QString picker = u"Choose a Folder for Screenshots"_qs;
        QCOMPARE(session.runQuillory({u"--action"_qs, u"save"_qs}), 0);
        QVERIFY(session.waitUntil([&] { return session.windowShown(picker); }, 8000));
        // Escape once the picker has the keyboard, which may come a moment after it shows.
        QVERIFY(session.waitUntil(
            [&] {
                session.key(u"Escape"_qs);
                E2ESession::settle(1000);
                return !session.windowShown(picker);
            },
            8000));

        // Quitting quits within a second, the countdown shown too (its close would bring the
        // overlay back).
        QCOMPARE(session.runQuillory({u"--action"_qs, u"timer"_qs}), 0);
        QVERIFY(session.waitForOverlay(false));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"quit"_qs}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!session.applicationRunning(), 3000);
        QCOMPARE(session.applicationExitCode(), 0); // a clean end, no crash on the way out
        QCOMPARE(session.runQuillory({u"--action"_qs, u"pen"_qs}, &output), 1);
        QVERIFY2(output.contains("not running"), output.constData());
    }

    void pointerModeLetsTheWindowBelowHaveTheInput_data() {
        QTest::addColumn<bool>("compositor");
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("compositor") << true << false;
        QTest::newRow("no compositor") << false << false; // the window shaped to its ink
        QTest::newRow("openbox") << true << true;         // which must not give Quillory keys
    }

    // In pointer mode a click (on the ink too), a drag, a wheel notch and a key reach the program
    // below, the drawings stay and a sign shows; `--action draw` draws again.
    void pointerModeLetsTheWindowBelowHaveTheInput() {
        QFETCH(bool, compositor);
        QFETCH(bool, windowManager);
        E2ESession::Options withOrWithout = options();
        withOrWithout.compositor = compositor;
        withOrWithout.launch = !windowManager;
        E2ESession session(withOrWithout);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(!windowManager || (session.startWindowManager() && session.startApplication()));
        const QPoint sign(800, 15); // the middle of the sign's top edge
        const QColor desktop = session.screenshot().pixelColor(sign);
        OtherXClient other(session.display());
        const QColor green(46, 139, 87);
        other.showWindow({200, 200, 800, 500}, green.rgb());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"pen"_qs}), 0); // the overlay above it
        session.drag(E2ESession::line({300, 300}, {700, 300}, 10));
        QVERIFY(session.waitForColor({500, 300}, kRed));

        const auto state = [&session] {
            QByteArray output;
            session.runQuillory({u"--action"_qs, u"state"_qs}, &output);
            return output.trimmed();
        };
        for (int twice = 0; twice < 2; ++twice)
            QCOMPARE(session.runQuillory({u"--action"_qs, u"pointer"_qs}), 0);
        QCOMPARE(
            state(),
            R"({"visible":true,"mode":"pointer","tool":"pen","color":"#FF3B30","ink":"#FF3B30",)"
            R"("width":3,"surface":"screen","fade":false,"spotlight":false,"zoom":1,)"
            R"("zoomPending":false,"output":"x11","page":1,"pages":1})");
        QVERIFY(session.waitUntil(
            [&] { return session.screenshot().pixelColor(sign).value() < 90; }, 3000));
        session.click({500, 300});
        session.drag(E2ESession::line({300, 450}, {700, 450}, 10));
        session.run(u"xdotool"_qs, {u"click"_qs, u"5"_qs});
        session.key(u"a"_qs);
        QVERIFY(session.waitUntil(
            [&] {
                const OtherXClient::Input got = other.input();
                return got.clicks == 2 && got.releases == 2 && got.wheel == 1 && got.keys == 1;
            },
            3000));
        QVERIFY(other.input().dragMoves >= 5);
        const QImage screen = session.screenshot();
        QVERIFY(E2ESession::near(screen.pixelColor(500, 300), kRed));  // the ink stays
        QVERIFY(E2ESession::near(screen.pixelColor(500, 450), green)); // the drag drew nothing

        QCOMPARE(session.runQuillory({u"--action"_qs, u"draw"_qs}), 0);
        QVERIFY(session.waitForColor(sign, desktop));
        session.drag(E2ESession::line({300, 600}, {700, 600}, 10));
        QVERIFY(session.waitForColor({500, 600}, kRed));
        QCOMPARE(other.input().clicks, 2); // no more
        QVERIFY(state().contains(R"("mode":"draw")"));
    }

    // Logging out sends SIGTERM: Quillory ends cleanly within a second, the countdown shown,
    // its last preference write whole.
    void terminationEndsCleanly() {
        E2ESession session(options());
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"highlight"_qs}), 0);
        QCOMPARE(session.runQuillory({u"--action"_qs, u"timer"_qs}), 0);
        QVERIFY(session.waitForOverlay(false));
        session.terminateApplication();
        QTRY_VERIFY_WITH_TIMEOUT(!session.applicationRunning(), 3000);
        QCOMPARE(session.applicationExitCode(), 0);
        QVERIFY(session.log().contains(u"Quitting on signal 15"_qs));
        QVERIFY(session.stores(u"CursorHighlight"_qs, u"<true/>"_qs));
    }
};

QTEST_GUILESS_MAIN(TestRemote)
#include "tst_remote.moc"
