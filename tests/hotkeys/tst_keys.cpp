#include "core/Key.h"
#include "core/KeyMap.h"
#include "hotkeys/CarbonModifiers.h"
#include "hotkeys/KeyCombo.h"
#include "platform/DiagnosticLog.h"

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

std::optional<KeyCombo> read(const QVariant &keyCode, const QVariant &modifiers) {
    return KeyCombo::fromDictionary({{u"keyCode"_qs, keyCode}, {u"modifiers"_qs, modifiers}});
}

} // namespace

class TestKeys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyTable() {
        for (Key key : allKeys()) {
            QCOMPARE(carbonKeyCode(key), kCodesInCaseOrder[std::size_t(key)]);
            // Each name leads to its own key, in any letter case: none is shadowed.
            for (const QString &name : acceptedNames(key))
                QCOMPARE(keyFromName(name.toUpper()), std::optional(key));
            // Each key but Fn has a name the desktop reads back as one key.
            const QString text = KeyCombo(key, 0).nativeText();
            const QKeySequence parsed = QKeySequence::fromString(text, QKeySequence::NativeText);
            QVERIFY2(key == Key::function ||
                         (parsed.count() == 1 && parsed[0].key() != Qt::Key_unknown),
                     qPrintable(text));
        }
        for (quint32 code : {10u, 127u, 0xFFFFFFFFu}) // no key, the table's end, far beyond
            QCOMPARE(keyFromCarbonKeyCode(code), std::nullopt);
        // A name must match whole; one that matches none gives no key (code 0 would be `a`)
        // and no modifiers, and says so.
        QStringList errors;
        DiagnosticLog::setSink([&errors](const QString &line) { errors << line; });
        for (const QString &name :
             {QString(), u"f21"_qs, u" b"_qs, u"\u21A9"_qs, u"\uF860F10"_qs}) {
            const KeyCombo combo(name, ModifierCommand);
            QVERIFY2(!combo.key() && combo.carbonModifiers == 0, qPrintable(name));
        }
        DiagnosticLog::setSink({});
        QVERIFY(errors.size() == 5 && errors[2].contains(u"\" b\""_qs));
        KeyCombo cleared(u"b"_qs, ModifierCommand);
        cleared.setKey(std::nullopt);
        QVERIFY(!cleared.key() && cleared.description() == u"\u2318"_qs);
    }

    // The overlay's keys: each bound once (a new tool on S would take the spotlight's key,
    // and the check says so), each tool and effect of the tables reachable, and the lookup
    // keeps Ctrl apart (Ctrl+Z undoes, Z zooms).
    void overlayKeyMap() {
        QCOMPARE(keysBoundTwice(), QList<Key>());
        std::vector<KeyBinding> clash = keyMap();
        clash.push_back({Key::s, Command::pickTool, KeyGroup::markers});
        QCOMPARE(keysBoundTwice(clash), QList<Key>{Key::s});
        for (const Tool &row : tools())
            QCOMPARE(keyBinding(row.key)->tool, row.shape);
        for (const ToggleRow &row : toggles())
            QCOMPARE(keyBinding(carbonKeyCode(row.key))->toggle, row.toggle);
        QVERIFY(keyBinding(Key::z)->command == Command::toggle &&
                keyBinding(Key::z, true)->command == Command::undo);
        QVERIFY(!keyBinding(Key::q) && !keyBinding(Key::s)->ctrlReserved() &&
                keyBinding(Key::p)->ctrlReserved());
    }

    void combinations() {
        // Caps Lock, Fn and device-dependent bits are ignored both ways.
        QCOMPARE(carbonFlags(kDeviceIndependentModifiers | 0x10000 | 0x800000 | 0xFF), 0x1B00u);
        QCOMPARE(modifierFlagsFromCarbon(0xFFFF), kDeviceIndependentModifiers);
        // The desktop's names follow Qt, with a PC keyboard's names for some positions.
        const std::tuple<KeyCombo, QString, QString> cases[] = {
            {KeyCombo(Key::f5, kDeviceIndependentModifiers), u"\u2303\u2325\u21E7\u2318\uF860F5"_qs,
             u"Meta+Ctrl+Alt+Shift+F5"_qs},
            {KeyCombo(Key::keypad1, ModifierOption), u"\u23251"_qs, u"Alt+Num+1"_qs},
            {KeyCombo(Key::function, ModifierOption), u"\u2325fn"_qs, u"Alt+Fn"_qs},
            {KeyCombo(10, CarbonShift | CarbonCommand), u"\u21E7\u2318"_qs, u"Ctrl+Shift"_qs},
            {KeyCombo(Key::help, 0), u"?\u20DD"_qs, u"Ins"_qs},
            {KeyCombo(Key::control, 0), u"\u2303"_qs, u"Meta"_qs}};
        for (const auto &[combo, glyphs, text] : cases) {
            QCOMPARE(combo.description(), glyphs);
            QCOMPARE(combo.nativeText(), text);
        }

        // The dictionary form takes only integers within 32 bits.
        const KeyCombo combo(0xFFFFFFFF, 0x1900);
        QCOMPARE(KeyCombo::fromDictionary(combo.dictionary()), std::optional(combo));
        QCOMPARE(read(49u, quint64(256)), std::optional(KeyCombo(49, 256)));
        const std::pair<QVariant, QVariant> invalid[] = {
            {u"49"_qs, 256}, {49, {}}, {-1LL, 256}, {1LL << 32, 256}, {49, ~0ULL}};
        for (const auto &[keyCode, modifiers] : invalid)
            QCOMPARE(read(keyCode, modifiers), std::nullopt);
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
