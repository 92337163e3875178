#include "platform/ScreenIdentity.h"

#include <QScreen>

quint32 ScreenIdentity::displayID(const QScreen *screen) {
    if (!screen)
        return 0;
    // FNV-1a of the output's name: stable for the same connector, unlike the QScreen object,
    // which is new after every reconnect.
    quint32 hash = 2166136261u;
    for (const char byte : screen->name().toUtf8()) {
        hash ^= quint8(byte);
        hash *= 16777619u;
    }
    return hash;
}

QString ScreenIdentity::displayName(const QScreen *screen) {
    if (!screen)
        return {};
    return screen->model().trimmed();
}
