#include "screens/ScreenDaemon.h"

#include "platform/DiagnosticLog.h"

#include <QCursor>
#include <QGuiApplication>

ScreenDaemon::ScreenDaemon(std::function<bool()> isActive, QObject *parent)
    : QObject(parent)
    , pointerPosition([] { return QCursor::pos(); })
    , isApplicationActive(std::move(isActive)) {
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenDaemon::screenRemoved);
}

void ScreenDaemon::start() {
    stop();
    delete timer.data();
    timer = new QTimer(this);
    timer->setInterval(300);
    connect(timer, &QTimer::timeout, this, &ScreenDaemon::timerFired);
    timer->start();
    checkScreen();
    QLOG("Started Timer");
}

void ScreenDaemon::stop() {
    if (timer && timer->isActive()) {
        timer->stop();
        QLOG("Stopped Timer");
    }
}

bool ScreenDaemon::contains(const QRect &frame, const QPoint &point) {
    return point.x() >= frame.x() && point.x() < frame.x() + frame.width() &&
           point.y() >= frame.y() && point.y() < frame.y() + frame.height();
}

QScreen *ScreenDaemon::screenUnderMouse() const {
    const QPoint pointer = pointerPosition();
    for (QScreen *screen : QGuiApplication::screens()) {
        if (contains(screen->geometry(), pointer))
            return screen;
    }
    return nullptr;
}

void ScreenDaemon::checkScreen() {
    if (!isApplicationActive())
        return;
    QScreen *newScreen = screenUnderMouse();
    QScreen *oldScreen = currentScreen.value();
    if (oldScreen == newScreen)
        return;
    report(newScreen);
}

void ScreenDaemon::report(QScreen *newScreen) {
    // Observers of screenChanged still read the old screen in currentScreen.
    screenChanged.notify(ScreenChange{currentScreen.value(), newScreen});
    currentScreen.setValue(newScreen);
}

void ScreenDaemon::screenRemoved(QScreen *screen) {
    // Report the move off a disconnected screen while its object still exists, so its drawings
    // are filed under it and no one is left holding a screen that is gone.
    if (screen != currentScreen.value())
        return;
    QScreen *next = nullptr;
    const QPoint pointer = pointerPosition();
    for (QScreen *candidate : QGuiApplication::screens()) {
        if (candidate != screen && contains(candidate->geometry(), pointer)) {
            next = candidate;
            break;
        }
    }
    if (!next) {
        for (QScreen *candidate : QGuiApplication::screens()) {
            if (candidate != screen) {
                next = candidate;
                break;
            }
        }
    }
    report(next);
}
