#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

class PreferenceStore;

// The countdown's three stored settings, read afresh at every use and never cached. A value
// that is absent or of another type reads as the default.
class TimerSettings {
public:
    static qint64 storedTimerMinutes(PreferenceStore &store);
    static QString storedTimerMessage(PreferenceStore &store);
    static QColor storedTimerColor(PreferenceStore &store);
    static bool storeTimerColor(PreferenceStore &store, const QColor &color);

    static QString defaultMessage();
    static QColor defaultColor();

    // "TimerColor" holds the colour as the ASCII text "#AARRGGBB" (alpha first, two hex digits
    // each), readable in the property list. Anything else does not decode.
    static QByteArray encodeColor(const QColor &color);
    static std::optional<QColor> decodeColor(const QByteArray &data);

    // Hours, minutes and seconds without leading zeros, hours always present: 179 s reads
    // "0:2:59", 3660 s "1:1:0". Nothing below zero is shown: a negative total reads "0:0:0".
    static QString timeText(qint64 totalSeconds);
    // minutes × 60, held to what a 64-bit count of seconds can take.
    static qint64 secondsIn(qint64 minutes);
};
