#pragma once

#include <QRect>
#include <QtGui/qwindowdefs.h>

#include <vector>

// The X11 shape of a window: the part of it that shows (its bounding shape) and the part that
// takes the pointer (its input shape), in window pixels. Lists of any length are sent in
// requests small enough for the server. Off X11 every call does nothing.
class WindowShape {
public:
    using Rects = std::vector<QRect>;

    // Shows exactly `rects`.
    static void set(WId window, const Rects &rects);
    // Shows `shown`, then hides `hidden`, so a pixel that stays shown never blinks.
    static void change(WId window, const Rects &shown, const Rects &hidden);
    // Shows the whole window again.
    static void reset(WId window);
    // Lets only `rects` take the pointer.
    static void setInput(WId window, const Rects &rects);
};
