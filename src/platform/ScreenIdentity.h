#pragma once

#include <QString>
#include <QtGlobal>

class QScreen;

// Identity of the physical output behind a QScreen: a display number that stays the same for
// the same output while the application runs (and across reconnects), and the monitor's
// product name when the system knows it.
class ScreenIdentity {
public:
    static quint32 displayID(const QScreen *screen);
    // Empty when unknown; callers show their own fallback text.
    static QString displayName(const QScreen *screen);
};
