#include "platform/KeyCodeTranslation.h"

#include <utility>

namespace {

// (evdev code, virtual key code). Evdev codes from linux/input-event-codes.h.
constexpr std::pair<quint16, quint16> kTable[] = {
    {1, 53},                                                   // Esc
    {2, 18},    {3, 19},    {4, 20},    {5, 21},    {6, 23},   // 1 2 3 4 5
    {7, 22},    {8, 26},    {9, 28},    {10, 25},   {11, 29},  // 6 7 8 9 0
    {12, 27},   {13, 24},   {14, 51},   {15, 48},              // - = Backspace Tab
    {16, 12},   {17, 13},   {18, 14},   {19, 15},   {20, 17},  // Q W E R T
    {21, 16},   {22, 32},   {23, 34},   {24, 31},   {25, 35},  // Y U I O P
    {26, 33},   {27, 30},   {28, 36},   {29, 55},              // [ ] Enter LeftCtrl
    {30, 0},    {31, 1},    {32, 2},    {33, 3},    {34, 5},   // A S D F G
    {35, 4},    {36, 38},   {37, 40},   {38, 37},              // H J K L
    {39, 41},   {40, 39},   {41, 50},   {42, 56},   {43, 42},  // ; ' ` LeftShift '\'
    {44, 6},    {45, 7},    {46, 8},    {47, 9},    {48, 11},  // Z X C V B
    {49, 45},   {50, 46},   {51, 43},   {52, 47},   {53, 44},  // N M , . /
    {54, 60},   {55, 67},   {56, 58},   {57, 49},   {58, 57},  // RShift KP* LAlt Space Caps
    {59, 122},  {60, 120},  {61, 99},   {62, 118},  {63, 96},  // F1-F5
    {64, 97},   {65, 98},   {66, 100},  {67, 101},  {68, 109}, // F6-F10
    {69, 71},                                                  // NumLock = keypad Clear
    {71, 89},   {72, 91},   {73, 92},   {74, 78},              // KP7 KP8 KP9 KP-
    {75, 86},   {76, 87},   {77, 88},   {78, 69},              // KP4 KP5 KP6 KP+
    {79, 83},   {80, 84},   {81, 85},   {82, 82},   {83, 65},  // KP1 KP2 KP3 KP0 KP.
    {87, 103},  {88, 111},                                     // F11 F12
    {96, 76},   {97, 54},   {98, 75},   {100, 61},             // KPEnter RCtrl KP/ RAlt
    {102, 115}, {103, 126}, {104, 116}, {105, 123},            // Home Up PgUp Left
    {106, 124}, {107, 119}, {108, 125}, {109, 121},            // Right End Down PgDn
    {110, 114}, {111, 117},                                    // Insert(Help) Delete
    {113, 74},  {114, 73},  {115, 72},  {117, 81},             // Mute Vol- Vol+ KP=
    {125, 59},  {126, 62},                                     // LeftMeta RightMeta
    {183, 105}, {184, 107}, {185, 113}, {186, 106},            // F13-F16
    {187, 64},  {188, 79},  {189, 80},  {190, 90},             // F17-F20
    {464, 63},                                                 // Fn
};

constexpr quint32 kEvdevOffset = 8;

} // namespace

std::optional<quint32> KeyCodeTranslation::virtualKeyCode(quint32 x11Keycode) {
    if (x11Keycode < kEvdevOffset)
        return std::nullopt;
    const quint32 evdev = x11Keycode - kEvdevOffset;
    for (const auto &[code, virtualCode] : kTable) {
        if (code == evdev)
            return virtualCode;
    }
    return std::nullopt;
}

std::optional<quint32> KeyCodeTranslation::x11Keycode(quint32 virtualKeyCode) {
    for (const auto &[code, virtualCode] : kTable) {
        if (virtualCode == virtualKeyCode)
            return code + kEvdevOffset;
    }
    return std::nullopt;
}
