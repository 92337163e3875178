#pragma once

#include <QPointer>
#include <QScreen>

// The screen under the pointer changed from `old` to `current`; either may be absent.
struct ScreenChange {
    QPointer<QScreen> old;
    QPointer<QScreen> current;
};
