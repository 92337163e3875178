#include "app/RequestChannels.h"

Handler<Nothing> &RequestChannels::saveScreenshotRequest() {
    static Handler<Nothing> channel;
    return channel;
}

Handler<Nothing> &RequestChannels::copyScreenshotRequest() {
    static Handler<Nothing> channel;
    return channel;
}

Handler<Nothing> &RequestChannels::screenshotNotificationActivated() {
    static Handler<Nothing> channel;
    return channel;
}
