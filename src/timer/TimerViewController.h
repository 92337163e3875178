#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class PopoverPanel;
class PreferenceStore;
class QKeyEvent;
class QLabel;
class QPushButton;
class TimeLabel;
class TimerBackground;
class TimerSettingsViewController;
namespace Ui {
class TimerViewController;
}

// The countdown: the stored message above the time left, counting down once a second from
// the stored minutes, with Pause/Play, Reset and a settings popover. It closes itself when
// the time has run out or on Escape, and brings the drawing overlay back.
class TimerViewController : public QWidget {
    Q_OBJECT
public:
    explicit TimerViewController(PreferenceStore &preferences, QWidget *parent = nullptr);
    ~TimerViewController() override;

    // The panel made last; the settings restart its countdown after Save.
    static inline QPointer<TimerViewController> currentTimerViewController;

    TimerBackground *bgImage = nullptr;
    QLabel *lblMessage = nullptr;
    TimeLabel *lblTime = nullptr;
    QPushButton *btnSetting = nullptr;
    QPushButton *btnReset = nullptr;
    QPushButton *btnPause = nullptr;
    // The settings popover and the settings panel it holds; both made with the countdown.
    PopoverPanel *popOverSettings = nullptr;
    TimerSettingsViewController *settingsViewController = nullptr;
    bool isPaused = false;
    // The one-second tick. Each shot is aimed at the start plus a whole number of seconds, so
    // late ticks do not add up to drift.
    QTimer timer;
    // Seconds counted since the last start or reset.
    qint64 countSeconds = 0;

    // About to appear: starts the countdown afresh and gives Pause the keyboard focus.
    void viewWillAppear();
    // Starts or restarts the countdown from its full length with the stored settings.
    void setupTimer();
    void clickedSetting(QObject *sender = nullptr);
    // Back to the full length, standing still until Play.
    void clickedReset(QObject *sender = nullptr);
    void clickedPause(QObject *sender = nullptr);
    void togglePause();
    // The tick: counts a second unless paused, and closes the countdown when it runs out.
    void timerRun();
    // Escape on the shown countdown closes it. The key goes on to the window either way.
    QKeyEvent *handleKeyDown(QKeyEvent *event, QObject *receiver);
    // Stops counting, takes the countdown off the screen and shows the overlay.
    void closeTimer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

Q_SIGNALS:
    // The countdown has closed: the drawing overlay is to show again.
    void closed();

private:
    void scheduleTick();
    void stopTicking();
    // Fonts and button styles follow the panel's size and the backdrop's tone.
    void restyle();

    std::unique_ptr<Ui::TimerViewController> m_ui;
    PreferenceStore &m_preferences;
    // The stored text colour, read when the countdown starts.
    QColor m_textColor;
    QElapsedTimer m_started;
    qint64 m_ticks = 0;
    bool m_ticking = false;
};
