#include "core/SystemColors.h"
#include "platform/Localization.h"
#include "platform/x11/AppActivation.h"
#include "settings/Preferences.h"
#include "timer/TimeLabel.h"
#include "timer/TimerSettings.h"
#include "timer/TimerSettingsViewController.h"
#include "timer/TimerViewController.h"
#include "timer/TimerWindowController.h"
#include "widgets/ColorWell.h"
#include "widgets/PopoverPanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

struct Countdown {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + u"/preferences.plist"_qs};
    AppActivation activation;
    int overlayShown = 0;
    TimerWindowController window{{preferences, activation}};

    Countdown() {
        QObject::connect(&window, &TimerWindowController::closed, [this] { ++overlayShown; });
    }

    TimerViewController &open() {
        window.showWindow();
        return *window.contentViewController();
    }
    QString reading() const { return window.contentViewController()->lblTime->text(); }
};

} // namespace

class TestTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(Localization::install()); }

    void timeTextHasNoLeadingZeros() {
        QCOMPARE(TimerSettings::timeText(180), u"0:3:0"_qs);
        QCOMPARE(TimerSettings::timeText(179), u"0:2:59"_qs);
        QCOMPARE(TimerSettings::timeText(3600), u"1:0:0"_qs);
        QCOMPARE(TimerSettings::timeText(TimerSettings::secondsIn(61)), u"1:1:0"_qs);
        QCOMPARE(TimerSettings::timeText(0), u"0:0:0"_qs);
        // Below zero nothing negative shows, and huge minutes do not overflow.
        QCOMPARE(TimerSettings::timeText(TimerSettings::secondsIn(-5)), u"0:0:0"_qs);
        QVERIFY(TimerSettings::secondsIn(std::numeric_limits<qint64>::max()) > 0);
    }

    // Absent and ill-typed values read as the defaults; an empty message is a message.
    void storedSettingsFallBackToDefaults() {
        Countdown c;
        PreferenceStore &store = c.preferences;
        QCOMPARE(TimerSettings::storedTimerMinutes(store), 3);
        QCOMPARE(TimerSettings::storedTimerMessage(store), u"Presentation begins in"_qs);
        QCOMPARE(TimerSettings::storedTimerColor(store), SystemColors::systemRed());
        store.setString(u"TimerMinutes"_qs, u"10"_qs);
        store.setInteger(u"TimerMessage"_qs, 4);
        store.setString(u"TimerColor"_qs, u"#ff00ff00"_qs);
        QCOMPARE(TimerSettings::storedTimerMinutes(store), 3);
        QCOMPARE(TimerSettings::storedTimerMessage(store), u"Presentation begins in"_qs);
        QCOMPARE(TimerSettings::storedTimerColor(store), SystemColors::systemRed());
        for (const QByteArray &bad : {QByteArray("#ff00ff0"), QByteArray("#+f00ff00"),
                                      QByteArray("ff00ff00x"), QByteArray()}) {
            store.setData(u"TimerColor"_qs, bad);
            QCOMPARE(TimerSettings::storedTimerColor(store), SystemColors::systemRed());
        }
        const QColor translucent(10, 200, 30, 128);
        QVERIFY(TimerSettings::storeTimerColor(store, translucent));
        QCOMPARE(store.data(u"TimerColor"_qs), QByteArray("#800ac81e"));
        QCOMPARE(TimerSettings::storedTimerColor(store), translucent);
        store.setString(u"TimerMessage"_qs, QString());
        QCOMPARE(TimerSettings::storedTimerMessage(store), QString());
    }

    // Counting, pausing, resetting and a change of the stored minutes while counting.
    void countsPausesAndResets() {
        Countdown c;
        TimerViewController &t = c.open();
        t.timer.stop(); // the test ticks by hand
        QVERIFY(c.window.window()->isVisible());
        QCOMPARE(c.window.window()->geometry(), QGuiApplication::primaryScreen()->geometry());
        QCOMPARE(c.reading(), u"0:3:0"_qs);
        QCOMPARE(t.lblMessage->text(), u"Presentation begins in"_qs);
        QCOMPARE(t.lblTime->palette().color(QPalette::WindowText), SystemColors::systemRed());
        QCOMPARE(t.btnPause->text(), u"Pause"_qs);
        t.timerRun();
        QCOMPARE(c.reading(), u"0:2:59"_qs);
        QTest::mouseClick(t.btnPause, Qt::LeftButton);
        QCOMPARE(t.btnPause->text(), u"Play"_qs);
        t.timerRun();
        t.timerRun();
        QCOMPARE(c.reading(), u"0:2:59"_qs);
        t.togglePause();
        t.timerRun();
        QCOMPARE(c.reading(), u"0:2:58"_qs);
        QTest::mouseClick(t.btnReset, Qt::LeftButton);
        QCOMPARE(c.reading(), u"0:3:0"_qs);
        QCOMPARE(t.btnPause->text(), u"Play"_qs);
        t.timerRun();
        QCOMPARE(c.reading(), u"0:3:0"_qs);
        t.togglePause();
        t.timerRun();
        t.timerRun();
        // The minutes are read at every tick: 1 min less the 2 s counted, then nothing left.
        c.preferences.setInteger(u"TimerMinutes"_qs, 1);
        t.timerRun();
        QCOMPARE(c.reading(), u"0:0:57"_qs);
        c.preferences.setInteger(u"TimerMinutes"_qs, 0);
        t.timerRun();
        QCOMPARE(c.reading(), u"0:0:57"_qs);
        QVERIFY(!c.window.window()->isVisible());
        QCOMPARE(c.overlayShown, 1);

        // Opened again: afresh, counting, whatever state it closed in.
        c.preferences.setInteger(u"TimerMinutes"_qs, 2);
        c.open();
        QCOMPARE(c.reading(), u"0:2:0"_qs);
        QCOMPARE(t.btnPause->text(), u"Pause"_qs);
        QVERIFY(t.timer.isActive());
    }

    // The ticks keep to the clock: after the event loop was held up for 2.3 s, two seconds
    // are counted at once. A stored 0 shows 0:0:0 and the first tick closes.
    void ticksFollowTheClock() {
        Countdown c;
        c.open();
        QThread::msleep(2300);
        QTRY_COMPARE(c.reading(), u"0:2:58"_qs);
        QTest::qWait(200);
        QCOMPARE(c.reading(), u"0:2:58"_qs);

        c.preferences.setInteger(u"TimerMinutes"_qs, 0);
        c.open();
        QCOMPARE(c.reading(), u"0:0:0"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(c.overlayShown, 1, 2000);
        QVERIFY(!c.window.window()->isVisible());
    }

    // Escape closes the shown countdown only; the window manager's close does the same.
    void escapeAndCloseEndTheCountdown() {
        Countdown c;
        TimerViewController &t = c.open();
        QWidget elsewhere;
        elsewhere.show();
        QTest::keyClick(&elsewhere, Qt::Key_Escape);
        QVERIFY(c.window.window()->isVisible());
        QTest::keyClick(t.btnPause, Qt::Key_Escape);
        QVERIFY(!c.window.window()->isVisible());
        QVERIFY(!t.timer.isActive());
        QCOMPARE(c.overlayShown, 1);
        QTest::keyClick(t.btnPause, Qt::Key_Escape);
        QCOMPARE(c.overlayShown, 1);

        c.open();
        c.window.window()->close();
        QVERIFY(!c.window.window()->isVisible());
        QCOMPARE(c.overlayShown, 2);
    }

    // The settings show what is stored each time they open; Save stores the minutes (typed
    // ones too), message and colour and restarts the countdown, even from paused.
    void settingsSaveAndRestart() {
        Countdown c;
        TimerViewController &t = c.open();
        t.togglePause();
        QTest::mouseClick(t.btnSetting, Qt::LeftButton);
        QVERIFY(t.popOverSettings->isVisible());
        TimerSettingsViewController &s = *t.settingsViewController;
        QCOMPARE(s.stepperMinutes->value(), 3);
        QCOMPARE(s.txtFieldMessage->text(), u"Presentation begins in"_qs);
        QCOMPARE(s.colorWell->color(), SystemColors::systemRed());

        s.stepperMinutes->stepUp();
        s.txtFieldMessage->setText(u"Unsaved"_qs);
        s.viewWillAppear();
        QCOMPARE(s.stepperMinutes->value(), 3);
        QCOMPARE(s.txtFieldMessage->text(), u"Presentation begins in"_qs);

        s.stepperMinutes->selectAll();
        QTest::keyClicks(s.stepperMinutes, u"7"_qs);
        s.txtFieldMessage->clear();
        s.colorWell->setColor(Qt::yellow);
        QTest::mouseClick(s.btnSave, Qt::LeftButton);
        QCOMPARE(c.preferences.integer(u"TimerMinutes"_qs), 7);
        QCOMPARE(c.preferences.string(u"TimerMessage"_qs), QString());
        QCOMPARE(TimerSettings::storedTimerColor(c.preferences), QColor(Qt::yellow));
        QCOMPARE(c.reading(), u"0:7:0"_qs);
        QCOMPARE(t.lblMessage->text(), QString());
        QCOMPARE(t.lblTime->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(t.btnPause->text(), u"Pause"_qs);
        QVERIFY(!t.isPaused);
        // Return in a field saves as well.
        s.stepperMinutes->stepUp();
        QTest::keyClick(s.txtFieldMessage, Qt::Key_Return);
        QCOMPARE(c.preferences.integer(u"TimerMinutes"_qs), 8);
    }
};

QTEST_MAIN(TestTimer)
#include "tst_timer.moc"
