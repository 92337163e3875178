#pragma once

#include "platform/ScreenChange.h"
#include "settings/Handler.h"

#include <QColor>
#include <QMetaMethod>
#include <QObject>

class QScreen;

// What the drawing model needs from the layers above it: the application's request channels,
// the screen tracker's change reports, and signals for what it asks of the application. The
// composition root fills in the channels and connects the signals; tests pass their own.
class DrawingHooks : public QObject {
    Q_OBJECT
public:
    DrawingHooks() = default;
    DrawingHooks(Handler<Nothing> *saveRequest, Handler<Nothing> *copyRequest,
                 Handler<ScreenChange> *screenChange, Handler<bool> *configureForScreenshot)
        : saveScreenshotRequest(saveRequest)
        , copyScreenshotRequest(copyRequest)
        , screenChanged(screenChange)
        , configureForScreenshotHandler(configureForScreenshot) {}

    Handler<Nothing> *saveScreenshotRequest = nullptr;
    Handler<Nothing> *copyScreenshotRequest = nullptr;
    Handler<ScreenChange> *screenChanged = nullptr;
    // The screenshot code's channel: true while a capture is taken (the overlay hides its
    // palette and brush), false afterwards.
    Handler<bool> *configureForScreenshotHandler = nullptr;

    // Whether anything takes the screenshots asked for below.
    bool takesScreenshots() const {
        return isSignalConnected(QMetaMethod::fromSignal(&DrawingHooks::saveScreenshot));
    }

Q_SIGNALS:
    void saveScreenshot(QScreen *screen);
    void copyScreenshot(QScreen *screen);
    void hideApplication();
    void closePopover();
};
