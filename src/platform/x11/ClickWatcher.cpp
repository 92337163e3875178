#include "platform/x11/ClickWatcher.h"

#include <xcb/xinput.h>

ClickWatcher::ClickWatcher(QObject *parent)
    : RawInputWatcher(XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS, parent) {}

void ClickWatcher::rawEvent(uint16_t) {
    Q_EMIT pressed();
}
