#pragma once

#include "platform/x11/RawInputWatcher.h"

// Reports every pointer button press on the screen, over any program's window, without
// grabbing the pointer.
class ClickWatcher : public RawInputWatcher {
    Q_OBJECT
public:
    explicit ClickWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    void pressed();

protected:
    void rawEvent(uint16_t type) override;
};
