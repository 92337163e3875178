#pragma once

#include "platform/x11/RawInputWatcher.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QTimer>

#include <optional>

// Reports where the pointer goes and its button presses and releases, over any program's
// window, while started. The X server sends a raw event for each move of a device, so a moving
// mouse is followed at once. A warp (a program putting the pointer somewhere, as
// `xdotool mousemove` or a window manager centring it do) moves no device and sends no raw
// event: a look at the position five times a second catches it, for about 1 ms of CPU a
// second. Moves come out at most once a display frame. In a Wayland session XWayland sees the
// pointer only over X windows: elsewhere it leaves the pointer on its root, and the watcher says
// so rather than report the stale place.
class PointerWatcher : public RawInputWatcher {
    Q_OBJECT
public:
    explicit PointerWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    // The pointer's new position, in global coordinates.
    void moved(QPoint global);
    void pressed();
    void released();
    // In a Wayland session, the pointer went over a Wayland window, where XWayland cannot see
    // it: the last position is stale until `moved` comes again.
    void outOfSight();

protected:
    void rawEvent(uint16_t type) override;
    void watchingChanged(bool watching) override;

private:
    void readPosition();

    static constexpr qint64 framePeriodMs = 16;
    QTimer m_nextFrame;
    QElapsedTimer m_sinceRead;
    QTimer m_warps;
    bool m_readPending = false;
    std::optional<QPoint> m_last;
    bool m_outOfSight = false;
};
