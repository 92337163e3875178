#include "core/Key.h"
#include "hotkeys/CarbonModifiers.h"
#include "hotkeys/KeyCombo.h"

#include <QKeySequence>
#include <QTest>

namespace {

// Every key's code in case order, transcribed from the ANSI key positions apart from the key
// table, so that a swapped pair of codes shows.
constexpr quint32 kCodesInCaseOrder[] = {
    0,   11,  8,   2,   14,  3,   5,   4,   34,  38,  40, 37, 46, 45, 31, 35, 12, 15, 1, 17, // a-t
    32,  9,   13,  7,   16,  6,                                                              // u-z
    29,  18,  19,  20,  21,  23,  22,  26,  28,  25,                  // zero-nine
    47,  39,  30,  41,  44,  42,  43,  24,  50,  33,  27, 49, 48, 36, // period-return
    55,  54,  58,  61,  59,  62,  56,  60,  63,  57,                  // command-capsLock
    116, 121, 115, 119, 126, 124, 125, 123,                           // pageUp-leftArrow
    122, 120, 99,  118, 96,  97,  98,  100, 101, 109,                 // f1-f10
    103, 111, 105, 107, 113, 106, 64,  79,  80,  90,                  // f11-f20
    82,  83,  84,  85,  86,  87,  88,  89,  91,  92,                  // keypad0-keypad9
    71,  65,  75,  76,  81,  78,  67,  69,                            // keypadClear-keypadPlus
    53,  51,  117, 114, 72,  73,  74,                                 // escape-mute
};
static_assert(std::size(kCodesInCaseOrder) == kKeyCount);

constexpr quint32 kUnusedCodes[] = {10, 52, 66, 68, 70, 77, 93, 94, 95, 102, 104, 108, 110, 112};

} // namespace

class TestKeys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codesAreTheAnsiKeyPositions() {
        for (Key key : allKeys()) {
            QCOMPARE(carbonKeyCode(key), kCodesInCaseOrder[std::size_t(key)]);
            QCOMPARE(keyFromCarbonKeyCode(carbonKeyCode(key)), std::optional(key));
        }
        for (quint32 code : kUnusedCodes)
            QCOMPARE(keyFromCarbonKeyCode(code), std::nullopt);
        for (quint32 code : {127u, 255u, 0x10000u, 0xFFFFFFFFu})
            QCOMPARE(keyFromCarbonKeyCode(code), std::nullopt);
    }

    void glyphs() {
        const std::pair<Key, QString> cases[] = {
            {Key::a, u"A"_qs},           {Key::quote, u"\""_qs},
            {Key::space, u"\u2423"_qs},  {Key::return_, u"\u21A9\uFE0E"_qs},
            {Key::function, u"fn"_qs},   {Key::f9, u"\uF860F9"_qs},
            {Key::f10, u"\uF861F10"_qs}, {Key::keypad9, u"9"_qs},
            {Key::help, u"?\u20DD"_qs},  {Key::keypadMultiply, QString::fromUcs4(U"\U0001D5D1", 1)},
        };
        for (const auto &[key, glyph] : cases)
            QCOMPARE(description(key), glyph);
    }

    void parsingStoredNames() {
        // Names that match none give the key `a`; the return glyph needs its variation
        // selector and two-digit function keys use the other prefix.
        const std::pair<QString, quint32> cases[] = {
            {u"f5"_qs, 96},       {u"F5"_qs, 96},       {u"five"_qs, 23},
            {u"5"_qs, 23},        {u"\u2191"_qs, 126},  {u"UpArrow"_qs, 126},
            {u"["_qs, 33},        {u"RETURN"_qs, 36},   {u"rightBracket"_qs, 30},
            {u"\uF860f5"_qs, 96}, {u"\uFF40"_qs, 50},   {QString(), 0},
            {u"nonsense"_qs, 0},  {u"f21"_qs, 0},       {u" a"_qs, 0},
            {u"\u21A9"_qs, 0},    {u"\uF860F10"_qs, 0}, {QChar(0xDC00) + u"mute"_qs, 0}};
        for (const auto &[name, code] : cases) {
            const KeyCombo combo(name, ModifierCommand | ModifierOption);
            QVERIFY2(combo.carbonKeyCode == code, qPrintable(name));
            QCOMPARE(combo.carbonModifiers, quint32(CarbonCommand | CarbonOption));
        }
        // Each name leads to its own key, in any letter case: none is shadowed by another key's.
        for (Key key : allKeys()) {
            for (const QString &name : acceptedNames(key))
                QCOMPARE(keyFromName(name.toUpper()), std::optional(key));
        }
    }

    void modifierMasks() {
        constexpr ModifierFlags capsLock = 0x10000;
        QCOMPARE(carbonFlags(ModifierCommand | ModifierShift | capsLock), 0x300u);
        QCOMPARE(carbonFlags(kDeviceIndependentModifiers | capsLock | 0x800000 | 0xFF), 0x1B00u);
        QCOMPARE(modifierFlagsFromCarbon(0x1900),
                 ModifierFlags(ModifierCommand | ModifierOption | ModifierControl));
        // Caps Lock (0x400) and the right-hand modifier bits are not looked at.
        QCOMPARE(modifierFlagsFromCarbon(0x400 | 0x2000 | 0x4000 | 0x8000), ModifierFlags(0));
        for (ModifierFlags flags = 0; flags <= kDeviceIndependentModifiers; flags += 0x20000)
            QCOMPARE(modifierFlagsFromCarbon(carbonFlags(flags)), flags);
        QCOMPARE(modifierDescription(kDeviceIndependentModifiers), u"\u2303\u2325\u21E7\u2318"_qs);
        QCOMPARE(modifierDescription(ModifierCommand | ModifierShift), u"\u21E7\u2318"_qs);
    }

    void combinations() {
        QCOMPARE(KeyCombo(Key::f5, ModifierControl | ModifierOption).description(),
                 u"\u2303\u2325\uF860F5"_qs);
        QCOMPARE(KeyCombo(10, CarbonShift).description(), u"\u21E7"_qs);
        QCOMPARE(KeyCombo(Key::rightCommand, 0).description(), u"\u2318"_qs);

        KeyCombo combo(Key::f5, ModifierCommand | 0x10000);
        QCOMPARE(combo.carbonKeyCode, 96u);
        QCOMPARE(combo.carbonModifiers, 0x100u);
        combo.setKey(std::nullopt);
        QCOMPARE(combo.key(), std::optional(Key::a));
        combo.setModifiers(ModifierShift | ModifierControl | 0x800000);
        QCOMPARE(combo.carbonModifiers, 0x1200u);
        combo.carbonModifiers = 0x100 | 0x400;
        QCOMPARE(combo.modifiers(), ModifierFlags(ModifierCommand));
        combo.carbonKeyCode = 10;
        QCOMPARE(combo.key(), std::nullopt);
    }

    void dictionaryForm() {
        const KeyCombo combo(0xFFFFFFFF, 0x1900);
        const QVariantMap dictionary = combo.dictionary();
        QCOMPARE(dictionary.size(), 2);
        QCOMPARE(dictionary.value(u"keyCode"_qs), QVariant(qint64(4294967295)));
        QCOMPARE(dictionary.value(u"modifiers"_qs), QVariant(qint64(0x1900)));
        for (const QVariant &value : dictionary)
            QCOMPARE(value.metaType(), QMetaType::fromType<qint64>());
        QCOMPARE(KeyCombo::fromDictionary(dictionary), std::optional(combo));

        const std::tuple<QVariant, QVariant, bool> cases[] = {
            {qint64(49), qint64(256), true},
            {49u, 256, true},
            {quint64(49), 256, true},
            {u"49"_qs, 256, false},
            {49, u"256"_qs, false},
            {true, 256, false},
            {49.0, 256, false},
            {QVariant(), 256, false},
            {49, QVariant(), false},
            {qint64(-1), 256, false},
            {qint64(1) << 32, 256, false},
            {49, ~quint64(0), false},
        };
        for (const auto &[keyCode, modifiers, valid] : cases) {
            QVariantMap entries{{u"other"_qs, u"ignored"_qs}};
            if (keyCode.isValid())
                entries.insert(u"keyCode"_qs, keyCode);
            if (modifiers.isValid())
                entries.insert(u"modifiers"_qs, modifiers);
            QCOMPARE(KeyCombo::fromDictionary(entries),
                     valid ? std::optional(KeyCombo(Key::space, ModifierCommand)) : std::nullopt);
        }
    }

    void desktopText() {
        QCOMPARE(KeyCombo(Key::a, ModifierCommand | ModifierShift).nativeText(),
                 u"Ctrl+Shift+A"_qs);
        QCOMPARE(KeyCombo(Key::f5, kDeviceIndependentModifiers).nativeText(),
                 u"Meta+Ctrl+Alt+Shift+F5"_qs);
        QCOMPARE(KeyCombo(Key::keypad1, ModifierOption).nativeText(), u"Alt+Num+1"_qs);
        QCOMPARE(KeyCombo(Key::one, ModifierOption).nativeText(), u"Alt+1"_qs);
        QCOMPARE(KeyCombo(Key::function, ModifierOption).nativeText(), u"Alt+Fn"_qs);
        QCOMPARE(KeyCombo(10, CarbonShift | CarbonCommand).nativeText(), u"Ctrl+Shift"_qs);
        QCOMPARE(KeyCombo(10, 0).nativeText(), QString());
        // Positions a PC keyboard names otherwise.
        QStringList texts;
        for (Key key :
             {Key::help, Key::delete_, Key::forwardDelete, Key::keypadClear, Key::control})
            texts << KeyCombo(key, 0).nativeText();
        QCOMPARE(texts,
                 (QStringList{u"Ins"_qs, u"Backspace"_qs, u"Del"_qs, u"NumLock"_qs, u"Meta"_qs}));
        // Every other key has a name the desktop reads back as one key.
        for (Key key : allKeys()) {
            if (key == Key::function)
                continue;
            const QString text = KeyCombo(key, 0).nativeText();
            const QKeySequence parsed = QKeySequence::fromString(text, QKeySequence::NativeText);
            QVERIFY2(parsed.count() == 1 && parsed[0].key() != Qt::Key_unknown, qPrintable(text));
        }
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
