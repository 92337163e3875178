#pragma once

#include "settings/Handler.h"

// The application's request channels: the save and copy commands (and Ctrl+C anywhere in the
// application) ask for a screenshot, and a clicked screenshot notification asks to reveal it.
// One set per process, made by main.
struct RequestChannels {
    Handler<Nothing> saveScreenshotRequest;
    Handler<Nothing> copyScreenshotRequest;
    Handler<Nothing> screenshotNotificationActivated;
};
