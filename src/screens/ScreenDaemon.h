#pragma once

#include "platform/ScreenChange.h"
#include "settings/Watchable.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <functional>

// Knows which screen the pointer is on and reports every change, so the overlay can follow
// the presenter from one display to another. Polls every 0.3 s while the application is active.
class ScreenDaemon : public QObject {
    Q_OBJECT
public:
    // `isActive` tells whether the application is active; the tracker only reports then.
    explicit ScreenDaemon(std::function<bool()> isActive, QObject *parent = nullptr);

    Watchable<QPointer<QScreen>> currentScreen{nullptr};
    Handler<ScreenChange> screenChanged;
    QPointer<QTimer> timer;

    void start();
    void stop();
    void timerFired() { checkScreen(); }
    void checkScreen();
    QScreen *screenUnderMouse() const;

    // Where the pointer is and whether the application is active; replaceable for tests.
    std::function<QPoint()> pointerPosition;
    std::function<bool()> isApplicationActive;

    // The half-open rule: a point on a screen's top or left edge is on it, on its bottom or
    // right edge it is not.
    static bool contains(const QRect &frame, const QPoint &point);

private:
    void screenRemoved(QScreen *screen);
    void report(QScreen *newScreen);
};
