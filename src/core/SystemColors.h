#pragma once

#include <QColor>

// The named system colours (systemRed and its siblings), fixed to their light-appearance values.
class SystemColors {
public:
    static QColor systemRed() { return QColor(255, 59, 48); }
    static QColor systemYellow() { return QColor(255, 204, 0); }
    static QColor systemGreen() { return QColor(40, 205, 65); }
    static QColor systemBlue() { return QColor(0, 122, 255); }
    static QColor systemPurple() { return QColor(175, 82, 222); }
    static QColor systemBrown() { return QColor(162, 132, 94); }
    static QColor systemTeal() { return QColor(89, 173, 196); }
    static QColor systemGray() { return QColor(142, 142, 147); }
    static QColor systemPink() { return QColor(255, 45, 85); }
    static QColor systemIndigo() { return QColor(88, 86, 214); }
    static QColor red() { return QColor(255, 0, 0); }
    static QColor tertiaryLabel() { return QColor::fromRgbF(0, 0, 0, 0.26f); }
};
