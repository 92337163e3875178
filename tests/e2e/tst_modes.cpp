#include "E2ESession.h"
#include "OtherXClient.h"

#include <QFile>
#include <QTest>

namespace {
const QColor kRed = E2ESession::systemRed;
const QColor kGreen(46, 139, 87);
const QColor kBlue(30, 60, 200);

E2ESession::Options options(bool compositor = true) {
    E2ESession::Options result;
    result.monitorSize = QSize(1280, 800);
    result.compositor = compositor;
    return result;
}

QByteArray state(E2ESession &session) {
    QByteArray output;
    session.runQuillory({u"--action"_qs, u"state"_qs}, &output);
    return output.trimmed();
}

void withAndWithoutACompositor() {
    QTest::addColumn<bool>("compositor");
    QTest::newRow("compositor") << true;
    QTest::newRow("no compositor") << false;
}

// How often the application's main thread slept and woke so far.
int wakeUps(E2ESession &session) {
    const qint64 pid = session.applicationPid();
    QFile status(u"/proc/%1/task/%1/status"_qs.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    int total = 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.contains("ctxt_switches:"))
            total += line.split(':').last().trimmed().toInt();
    }
    return total;
}

bool darker(const QColor &dimmed, const QColor &lit) {
    return dimmed.value() < lit.value() * 0.5 && dimmed.value() > lit.value() * 0.3;
}
} // namespace

// The presenter's modes, each reached by its overlay key or `quillory --action NAME`, with real
// input, checked on the screen's pixels.
class TestModes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The laser draws nothing and its trail is gone within a second; fading ink is gone after
    // its delay and Ctrl+Z does not bring it back; the choice is stored.
    void laserAndFadingInkLeaveNothing_data() { withAndWithoutACompositor(); }
    void laserAndFadingInkLeaveNothing() {
        QFETCH(bool, compositor);
        E2ESession session(options(compositor));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        other.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"laser"_qs}), 0);
        QVERIFY(session.waitForOverlay(true));
        QVERIFY(state(session).contains(R"("tool":"laser")"));
        session.drag(E2ESession::line({200, 300}, {700, 300}, 25));
        E2ESession::settle(1000);
        QImage shot = session.screenshot();
        for (const int x : {250, 400, 550})
            QVERIFY2(E2ESession::near(shot.pixelColor(x, 300), kGreen),
                     qPrintable(QString::number(x)));
        // The dot stays under the pointer.
        QVERIFY(!E2ESession::near(shot.pixelColor(700, 300), kGreen));

        session.key(u"p"_qs); // ink that stays, for Ctrl+Z to take back
        session.drag(E2ESession::line({200, 400}, {700, 400}, 20));
        QVERIFY(session.waitForColor({450, 400}, kRed));
        session.key(u"f"_qs);
        QVERIFY(session.waitUntil([&] { return state(session).contains(R"("fade":true)"); }, 3000));
        QVERIFY(session.waitUntil([&] { return session.stores(u"pz.fadingInk"_qs, u"<true/>"_qs); },
                                  3000));
        session.key(u"p"_qs);
        session.drag(E2ESession::line({200, 500}, {700, 500}, 20));
        QVERIFY(session.waitForColor({450, 500}, kRed));
        QVERIFY(session.waitForColor({450, 500}, kGreen, true, 4500));
        session.key(u"ctrl+z"_qs); // undoes the ink that stays; the faded stroke stays gone
        QVERIFY(session.waitForColor({450, 400}, kGreen));
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(450, 500), kGreen));
        session.key(u"f"_qs); // ink stays again
        session.drag(E2ESession::line({200, 600}, {700, 600}, 20));
        E2ESession::settle(3500);
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(450, 600), kRed));

        // Remembered, fading ink is on at the next start, and the overlay's first showing
        // says so in a notice at the top.
        E2ESession::Options remembered = options(compositor);
        remembered.preferences = u"<key>pz.fadingInk</key><true/>"_qs;
        remembered.launch = false;
        E2ESession again(remembered);
        QVERIFY2(again.start(), qPrintable(again.errorString));
        OtherXClient below(again.display());
        below.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        QVERIFY(again.waitForColor({640, 15}, kGreen));
        QVERIFY(again.startApplication());
        QVERIFY(again.waitUntil([&] { return again.screenshot().pixelColor(640, 15).value() < 90; },
                                3000));
    }

    // Nothing runs at rest: in pointer mode and once hidden, the process sleeps until
    // something happens.
    void restWakesNothing_data() { withAndWithoutACompositor(); }
    void restWakesNothing() {
        QFETCH(bool, compositor);
        E2ESession session(options(compositor));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        session.drag(E2ESession::line({200, 300}, {700, 300}, 10));
        QVERIFY(session.waitForColor({450, 300}, kRed));
        for (const char *action : {"pointer", "draw"}) {
            QCOMPARE(session.runQuillory({u"--action"_qs, QString::fromLatin1(action)}), 0);
            if (QByteArray(action) == "draw") {
                session.click({900, 600}); // the keyboard back to the overlay
                session.key(u"Escape Escape"_qs);
                QVERIFY(session.waitForOverlay(false));
            }
            E2ESession::settle(1000);
            const int before = wakeUps(session);
            QTest::qWait(3000);
            QVERIFY2(wakeUps(session) - before <= 1,
                     qPrintable(u"%1: %2"_qs.arg(action).arg(wakeUps(session) - before)));
        }
        QVERIFY(!session.overlayVisible());
    }

    // The spotlight darkens the corners, not the pointer's spot, follows the pointer and grows
    // with the wheel; without a compositor it says that it cannot dim.
    void spotlightDimsAllButThePointer() {
        E2ESession session(options());
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        other.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        session.moveTo({640, 400});
        QCOMPARE(session.runQuillory({u"--action"_qs, u"spotlight"_qs}), 0);
        QVERIFY(session.waitUntil(
            [&] { return darker(session.screenshot().pixelColor(20, 20), kGreen); }, 3000));
        QImage shot = session.screenshot();
        QVERIFY(E2ESession::near(shot.pixelColor(660, 400), kGreen));
        QVERIFY(darker(shot.pixelColor(1260, 780), kGreen));
        QVERIFY(darker(shot.pixelColor(640, 580), kGreen)); // 180 from the pointer
        session.run(u"xdotool"_qs, {u"click"_qs, u"4"_qs, u"click"_qs, u"4"_qs});
        session.moveTo({300, 300});
        QVERIFY(session.waitUntil(
            [&] { return E2ESession::near(session.screenshot().pixelColor(300, 480), kGreen); },
            3000)); // 180 from the pointer, within the larger circle
        QVERIFY(darker(session.screenshot().pixelColor(660, 400), kGreen));
        session.key(u"s"_qs);
        QVERIFY(session.waitForColor({20, 20}, kGreen));
        QVERIFY(state(session).contains(R"("spotlight":false)"));

        E2ESession bare(options(false));
        QVERIFY2(bare.start(), qPrintable(bare.errorString));
        QCOMPARE(bare.runQuillory({u"--action"_qs, u"spotlight"_qs}), 0);
        QVERIFY(bare.waitForLog(u"The spotlight needs a compositor"_qs));
        QVERIFY(bare.waitUntil([&] { return bare.screenshot().pixelColor(640, 15).value() < 60; },
                               3000)); // the notice at the top
        QVERIFY(state(bare).contains(R"("spotlight":false)"));
    }

    // The zoom shows a known square twice as large around the pointer, the wheel zooms more,
    // what is drawn goes with the zoom, and Escape returns to the live screen.
    void zoomMagnifiesTheScreen_data() { withAndWithoutACompositor(); }
    void zoomMagnifiesTheScreen() {
        QFETCH(bool, compositor);
        E2ESession session(options(compositor));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient background(session.display());
        background.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        OtherXClient square(session.display());
        square.showWindow({600, 380, 40, 40}, kBlue.rgb());
        session.moveTo({620, 400});
        QCOMPARE(session.runQuillory({u"--action"_qs, u"zoom"_qs}), 0);
        // 2×: the square reaches 40 from the pointer instead of 20.
        QVERIFY(session.waitForColor({585, 400}, kBlue));
        QVERIFY(session.waitForColor({655, 365}, kBlue));
        QVERIFY(session.waitForColor({565, 400}, kGreen));
        QVERIFY(state(session).contains(
            R"("surface":"zoom","fade":false,"spotlight":false,"zoom":2,"zoomPending":false,)"
            R"("output":"x11","page":1,"pages":1})"));
        session.run(u"xdotool"_qs, {u"click"_qs, u"4"_qs});
        QVERIFY(session.waitForColor({575, 400}, kBlue)); // 2.5×: 50 from the pointer
        session.key(u"p"_qs);
        session.drag(E2ESession::line({300, 200}, {500, 200}, 10));
        QVERIFY(session.waitForColor({400, 200}, kRed));
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForColor({585, 400}, kGreen));
        QVERIFY(session.waitForColor({400, 200}, kGreen)); // the zoom's stroke went with it
        QVERIFY(state(session).contains(R"("surface":"screen")"));
        QVERIFY(session.log().contains(u"Zoom shown"_qs));
        // Twice in a row, before or after its picture came: the zoom is off again.
        for (int twice = 0; twice < 2; ++twice)
            QCOMPARE(session.runQuillory({u"--action"_qs, u"zoom"_qs}), 0);
        E2ESession::settle(500);
        QVERIFY(state(session).contains(R"("surface":"screen")"));
        QVERIFY(session.waitForColor({585, 400}, kGreen));
    }

    // The zoom magnifies the screen and its drawings, not the help card or a laser dot; nor
    // does a screenshot show the laser.
    void picturesLeaveTheModesOut() {
        E2ESession::Options withCard = options();
        withCard.helpCard = true;
        E2ESession session(withCard);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        other.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"laser"_qs}), 0);
        session.moveTo({100, 100}); // the laser's dot rests at the pointer
        QVERIFY(session.waitForColor({100, 100}, kGreen, false));
        session.key(u"ctrl+c"_qs);
        QVERIFY(session.waitForLog(u"Screenshot copied"_qs));
        QVERIFY(E2ESession::near(session.clipboardImage().pixelColor(100, 100), kGreen));

        // The card in the middle: where its left edge is.
        const QImage before = session.screenshot();
        int left = 0;
        while (left < 640 && E2ESession::near(before.pixelColor(left, 400), kGreen))
            ++left;
        QVERIFY(left > 200 && left < 600);
        session.moveTo({640, 400});
        session.key(u"z"_qs);
        QVERIFY(session.waitUntil([&] { return state(session).contains(R"("zoom":2,)"); }, 3000));
        // Magnified around its centre, the card would reach twice as far.
        QVERIFY(session.waitForColor({left - (640 - left) / 2, 400}, kGreen));
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(80, 80), kGreen));
    }

    // A copy taken while a text is typed ends the text first: the picture holds the text.
    void aCopyWhileTypingHoldsTheText_data() { withAndWithoutACompositor(); }
    void aCopyWhileTypingHoldsTheText() {
        QFETCH(bool, compositor);
        E2ESession session(options(compositor));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        other.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"text"_qs}), 0);
        session.click({300, 300});
        session.key(u"W W W W"_qs);
        QCOMPARE(session.runQuillory({u"--action"_qs, u"copy"_qs}), 0);
        QVERIFY(session.waitForLog(u"Screenshot copied"_qs));
        const QImage copied = session.clipboardImage();
        int inked = 0;
        for (int y = 290; y < 340; ++y)
            for (int x = 290; x < 400; ++x)
                inked += E2ESession::near(copied.pixelColor(x, y), kRed, 40);
        QVERIFY2(inked > 50, qPrintable(QString::number(inked)));
    }

    // Each board covers the screen and keeps its own drawings; light ink is dark on the white
    // board; the screen's drawings come back with the screen; M lets the pointer through.
    void boardsKeepTheirOwnDrawings_data() {
        withAndWithoutACompositor(); // without one, the window shaped to all of the board
    }
    void boardsKeepTheirOwnDrawings() {
        QFETCH(bool, compositor);
        E2ESession session(options(compositor));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        OtherXClient other(session.display());
        other.showWindow({0, 0, 1280, 800}, kGreen.rgb());
        QCOMPARE(session.runQuillory({u"--action"_qs, u"pen"_qs}), 0);
        session.drag(E2ESession::line({200, 200}, {600, 200}, 10));
        QVERIFY(session.waitForColor({400, 200}, kRed));

        session.key(u"w"_qs);
        QVERIFY(session.waitForColor({20, 20}, Qt::white));
        QVERIFY(session.waitForColor({400, 200}, Qt::white));
        session.key(u"2"_qs); // yellow, too light for the white board: dark yellow there
        session.drag(E2ESession::line({200, 300}, {600, 300}, 10));
        QVERIFY(session.waitUntil([&] { return qGray(session.screenshot().pixel(400, 300)) < 150; },
                                  3000));
        const QColor ink = session.screenshot().pixelColor(400, 300);
        QVERIFY2(ink.red() > ink.blue() + 50 && ink.green() > ink.blue() + 30,
                 qPrintable(ink.name()));
        QVERIFY(state(session).contains(R"("surface":"whiteboard")"));

        QCOMPARE(session.runQuillory({u"--action"_qs, u"blackboard"_qs}), 0);
        QVERIFY(session.waitForColor({20, 20}, Qt::black));
        QVERIFY(session.waitForColor({400, 300}, Qt::black));
        session.drag(E2ESession::line({200, 400}, {600, 400}, 10)); // yellow as it is
        QVERIFY(session.waitForColor({400, 400}, QColor(255, 204, 0), true, 3000));

        session.key(u"b"_qs); // back to the screen, its stroke there
        QVERIFY(session.waitForColor({20, 20}, kGreen));
        QVERIFY(session.waitForColor({400, 200}, kRed));
        QVERIFY(session.waitForColor({400, 300}, kGreen));
        session.key(u"w"_qs); // the white board's stroke again
        QVERIFY(session.waitForColor({20, 20}, Qt::white));
        QVERIFY(session.waitUntil([&] { return qGray(session.screenshot().pixel(400, 300)) < 150; },
                                  3000));
        QVERIFY(session.waitForColor({400, 400}, Qt::white));

        session.key(u"m"_qs);
        QVERIFY(session.waitUntil([&] { return state(session).contains(R"("mode":"pointer")"); },
                                  3000));
    }
};

QTEST_GUILESS_MAIN(TestModes)
#include "tst_modes.moc"
