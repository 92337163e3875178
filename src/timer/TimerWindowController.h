#pragma once

#include "platform/PrimaryScreenWatcher.h"

#include <QObject>

#include <memory>

class AppActivation;
class PreferenceStore;
class QWidget;
class TimerViewController;

// Owns the countdown's window: borderless, over the whole primary screen (full screen where a
// window manager runs) and above other windows. The window is made when first shown and kept.
class TimerWindowController : public QObject {
    Q_OBJECT
public:
    struct Collaborators {
        PreferenceStore &preferences;
        AppActivation &activation;
    };

    explicit TimerWindowController(Collaborators collaborators, QObject *parent = nullptr);
    ~TimerWindowController() override;

    // Shows the countdown, started afresh.
    void showWindow(QObject *sender = nullptr);
    QWidget *window() const { return m_window.get(); }
    TimerViewController *contentViewController() const { return m_content; }

Q_SIGNALS:
    // The countdown has closed: the drawing overlay is to show again.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadWindow();
    // Over the primary screen, where it is now.
    void place();

    Collaborators m_collaborators;
    PrimaryScreenWatcher m_primary;
    std::unique_ptr<QWidget> m_window;
    TimerViewController *m_content = nullptr;
};
