#pragma once

#include "settings/Handler.h"

// The process-wide request channels: the save and copy commands (and Ctrl+C anywhere in the
// application) ask for a screenshot, and a clicked screenshot notification asks to reveal it.
class RequestChannels {
public:
    static Handler<Nothing> &saveScreenshotRequest();
    static Handler<Nothing> &copyScreenshotRequest();
    static Handler<Nothing> &screenshotNotificationActivated();
};
