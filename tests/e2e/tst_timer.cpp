#include "E2ESession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTest>

#include <algorithm>

namespace {

// The countdown as a screen reader finds it: its time's reading and value, and the titles of
// its buttons.
struct Reading {
    QString time;
    int seconds = -1;
    QStringList lines;
};

Reading read(E2ESession &session) {
    Reading reading;
    reading.lines = session.accessibleNames(true);
    for (const QString &line : reading.lines) {
        const QStringList fields = line.split(u'|');
        if (fields.size() == 4 && fields[1] == u"Time left") {
            reading.time = fields[2];
            reading.seconds = fields[3].toInt();
        }
    }
    return reading;
}

// Whether a screen reader finds an object starting so ("role|name|").
bool has(const Reading &reading, const QString &prefix) {
    return std::any_of(reading.lines.begin(), reading.lines.end(),
                       [&](const QString &line) { return line.startsWith(prefix); });
}

bool hasButton(const Reading &reading, const QString &name) {
    return has(reading, u"push button|"_qs + name + u'|');
}

} // namespace

// The presentation countdown, opened as a user would and read as a screen reader would.
class TestTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countdownCoversTheScreenAndHandsBack() {
        E2ESession::Options options;
        options.accessibility = true;
        // An ill-typed length and an undecodable colour read as 3 minutes in red.
        options.preferences = u"<key>TimerMessage</key><string>Talk starts soon</string>"
                              "<key>TimerMinutes</key><string>2</string>"
                              "<key>TimerColor</key><data>Z2FyYmFnZQ==</data>"_qs;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(session.waitForOverlay(true));

        QCOMPARE(session.runQuillory({u"--action"_qs, u"timer"_qs}), 0);
        QVERIFY(E2ESession::waitUntil(
            [&] { return session.windowShown(u"^Presentation Timer$"_qs); }, 5000));
        QVERIFY(session.waitForOverlay(false));
        // The backdrop, edge to edge, once the window has painted (it maps before it paints).
        QImage shown;
        QVERIFY(E2ESession::waitUntil(
            [&] {
                shown = session.screenshot();
                return qGray(shown.pixel(0, 0)) < 40 && qGray(shown.pixel(1279, 799)) < 40;
            },
            5000));
        bool red = false;
        for (int x = 300; x < 1000 && !red; x += 2)
            red = E2ESession::near(shown.pixelColor(x, 400), E2ESession::systemRed, 30);
        QVERIFY(red); // the time, in the default colour

        Reading first = read(session);
        QVERIFY2(first.lines.contains(u"label|Talk starts soon||"_qs),
                 qPrintable(first.lines.join(u'\n')));
        QVERIFY2(first.seconds > 170 && first.seconds <= 180, qPrintable(first.time));
        QVERIFY2(hasButton(first, u"Pause"_qs) && hasButton(first, u"Reset"_qs) &&
                     hasButton(first, u"Timer Settings"_qs),
                 qPrintable(first.lines.join(u'\n')));
        QTest::qWait(2200);
        const Reading later = read(session);
        QVERIFY2(later.seconds <= first.seconds - 2 && later.seconds >= first.seconds - 4,
                 qPrintable(first.time + u" then "_qs + later.time));
        QCOMPARE(later.time, u"0:%1:%2"_qs.arg(later.seconds / 60).arg(later.seconds % 60));

        // The buttons from the keyboard (what they do is the countdown's unit test): Space on
        // the focused Pause, then again, and Shift+Tab to Reset: the full length, paused.
        session.key(u"space"_qs);
        QVERIFY(hasButton(read(session), u"Play"_qs));
        session.key(u"space shift+Tab space"_qs);
        const Reading reset = read(session);
        QVERIFY2(reset.time == u"0:3:0"_qs && hasButton(reset, u"Play"_qs), qPrintable(reset.time));

        // The settings: typed minutes and a new message, saved with Return, restart it.
        session.key(u"shift+Tab space"_qs);
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(u"^Timer Settings$"_qs); },
                                      5000));
        const Reading settings = read(session);
        for (const QString &field : {u"spin button|Minutes|"_qs, u"text|Message|"_qs,
                                     u"push button|Text colour|"_qs, u"push button|Save|"_qs})
            QVERIFY2(has(settings, field), qPrintable(field));
        session.key(u"ctrl+a 5 Tab ctrl+a"_qs);
        session.run(u"xdotool"_qs, {u"type"_qs, u"Welcome"_qs});
        // Ctrl+C in a text field copies its text; only the overlay's copies the screen.
        session.key(u"ctrl+a ctrl+c"_qs);
        E2ESession::settle(500);
        QByteArray copied;
        session.run(
            u"xclip"_qs,
            {u"-display"_qs, session.display(), u"-selection"_qs, u"clipboard"_qs, u"-o"_qs},
            &copied);
        QCOMPARE(copied, QByteArray("Welcome"));
        session.key(u"Return"_qs);
        QVERIFY(session.stores(u"TimerMinutes"_qs, u"<integer>5</integer>"_qs));
        QVERIFY(session.stores(u"TimerMessage"_qs, u"<string>Welcome</string>"_qs));
        const Reading saved = read(session);
        QVERIFY2(saved.seconds >= 298 && saved.seconds <= 300, qPrintable(saved.time));
        QVERIFY(saved.lines.contains(u"label|Welcome||"_qs));
        QVERIFY(hasButton(saved, u"Pause"_qs));
        session.key(u"Escape"_qs);
        QVERIFY(E2ESession::waitUntil([&] { return !session.windowShown(u"^Timer Settings$"_qs); },
                                      5000));
        QVERIFY(session.windowShown(u"^Presentation Timer$"_qs));

        // Escape on the countdown closes it, and the overlay draws again.
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForOverlay(true));
        QVERIFY(!session.windowShown(u"^Presentation Timer$"_qs));
        session.drag(E2ESession::line({300, 600}, {700, 600}, 10));
        QVERIFY(session.waitForColor({500, 600}, E2ESession::systemRed));

        // No minutes: 0:0:0, closed by the first tick a second later.
        QSaveFile file(session.home() + u"/.config/quillory/preferences.plist"_qs);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(session.preferencesText()
                       .replace(u"<integer>5</integer>"_qs, u"<integer>0</integer>"_qs)
                       .toUtf8());
        QVERIFY(file.commit());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(session.runQuillory({u"--action"_qs, u"timer"_qs}), 0);
        QVERIFY(E2ESession::waitUntil(
            [&] { return session.windowShown(u"^Presentation Timer$"_qs); }, 5000));
        QVERIFY(session.waitForOverlay(true));
        QVERIFY2(clock.elapsed() > 900 && clock.elapsed() < 3000,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY(session.log().contains(u"Countdown closed"_qs));
    }
};

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_timer.moc"
