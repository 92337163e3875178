#include "timer/TimerSettings.h"

#include "core/SystemColors.h"
#include "settings/Preferences.h"

#include <algorithm>
#include <cctype>
#include <limits>

qint64 TimerSettings::storedTimerMinutes(PreferenceStore &store) {
    return Preferences::timerMinutes.value(store);
}

QString TimerSettings::storedTimerMessage(PreferenceStore &store) {
    // An empty message is a stored message, not an absent one.
    return Preferences::timerMessage.stored(store).value_or(defaultMessage());
}

QColor TimerSettings::storedTimerColor(PreferenceStore &store) {
    const std::optional<QByteArray> data = Preferences::timerColor.stored(store);
    return (data ? decodeColor(*data) : std::nullopt).value_or(defaultColor());
}

bool TimerSettings::storeTimerColor(PreferenceStore &store, const QColor &color) {
    return Preferences::timerColor.set(store, encodeColor(color));
}

QString TimerSettings::defaultMessage() {
    //% "Presentation begins in"
    return qtTrId("timer.message.default");
}

QColor TimerSettings::defaultColor() {
    return SystemColors::systemRed();
}

QByteArray TimerSettings::encodeColor(const QColor &color) {
    return color.toRgb().name(QColor::HexArgb).toLatin1();
}

std::optional<QColor> TimerSettings::decodeColor(const QByteArray &data) {
    if (data.size() != 9 || data[0] != '#')
        return std::nullopt;
    const QByteArray digits = data.mid(1);
    // toUInt would also take a sign or spaces where the digits should be.
    if (!std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return QColor::fromRgba(digits.toUInt(nullptr, 16));
}

QString TimerSettings::timeText(qint64 totalSeconds) {
    const qint64 total = std::max<qint64>(totalSeconds, 0);
    const qint64 hours = total / 3600;
    const qint64 minutes = (total - 3600 * hours) / 60;
    const qint64 seconds = total - 3600 * hours - 60 * minutes;
    return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes).arg(seconds);
}

qint64 TimerSettings::secondsIn(qint64 minutes) {
    constexpr qint64 most = std::numeric_limits<qint64>::max() / 60;
    constexpr qint64 least = std::numeric_limits<qint64>::min() / 60;
    return std::clamp(minutes, least, most) * 60;
}
