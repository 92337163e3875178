#pragma once

#include "platform/ScreenChange.h"
#include "settings/Handler.h"

#include <QColor>

#include <functional>

class QScreen;

// What the drawing model needs from the layers above it: the application's request channels,
// the screen tracker's change reports, and a few actions. The composition root fills in the
// set for the application; tests pass their own. An empty function means "not available".
struct DrawingHooks {
    Handler<Nothing> *saveScreenshotRequest = nullptr;
    Handler<Nothing> *copyScreenshotRequest = nullptr;
    Handler<ScreenChange> *screenChanged = nullptr;
    // The screenshot code's channel: true while a capture is taken (the overlay hides its
    // palette and brush), false afterwards.
    Handler<bool> *configureForScreenshotHandler = nullptr;

    std::function<void(QScreen *)> saveScreenshot;
    std::function<void(QScreen *)> copyScreenshot;
    std::function<void()> hideApplication;
    std::function<void()> closePopover;
};
