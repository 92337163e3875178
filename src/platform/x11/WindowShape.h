#pragma once

#include <QRect>
#include <QRegion>
#include <QtGui/qwindowdefs.h>

#include <array>
#include <chrono>
#include <vector>

// The X11 shape of a window: the part of it that shows (its bounding shape) and the part that
// takes the pointer (its input shape), in window pixels. Lists of any length are sent in
// requests small enough for the server. Off X11 every call does nothing.
//
// The bounding shape always holds one rectangle just above the window, which shows nothing.
// After each change the server works out whether the window is wholly in view by testing each
// rectangle of the shape, from the top, against what is in view; with the thousands of
// rectangles of a screen full of ink that costs it several times the change itself. A first
// rectangle out of view settles the question at the first one in view.
class WindowShape {
public:
    using Rects = std::vector<QRect>;

    // The window whose bounding shape the calls below change.
    void setWindow(WId window);
    WId window() const { return m_window; }
    // Shows exactly `rects`.
    void set(const Rects &rects);
    // Shows `shown`, then hides `hidden`, so a pixel that stays shown never blinks.
    void change(const Rects &shown, const Rects &hidden);
    // Shows the whole window again.
    void reset();
    // Whether the server should rest from the last change, and for how many milliseconds more.
    // Every change costs it time in proportion to the whole shape, which grows with what is
    // drawn: the next one waits restFactor times as long as the quickest of the last few took
    // (and takes in what changed meanwhile), so that a window's shape keeps the server busy at
    // most a fortieth of the time: less than what the pointer's moves cost it. A simple shape
    // costs so little that this rest is shorter than a frame; with hundreds of strokes on the
    // screen a growing stroke shows about ten times a second.
    bool busy() const { return restLeft() > 0; }
    int restLeft() const;
    static constexpr int restFactor = 40;

    // Lets only `rects` of `window` take the pointer.
    static void setInput(WId window, const Rects &rects);

    // Window pixels from device-independent ones at `ratio`, rounded outwards: a widget's
    // edge pixels stay with the widget.
    static QRect toDevice(const QRect &rect, qreal ratio);
    static Rects toDevice(const QRegion &region, qreal ratio);

private:
    void sent();

    static constexpr QRect outOfView{0, -1, 1, 1};

    using Clock = std::chrono::steady_clock;
    WId m_window = 0;
    Clock::time_point m_restUntil;
    // What the last changes took, the oldest first: their least is what a change costs the
    // server, for one answer may come late because the machine is busy elsewhere.
    std::array<Clock::duration, 4> m_took{};
};
