#include "hotkeys/CarbonModifiers.h"
#include "core/Key.h"
#include "hotkeys/KeyCombo.h"

#include <QKeySequence>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

// Every key's code, in case order: a transcription of the reference keyboard, kept apart
// from the key table so that a swapped pair of codes shows.
constexpr quint32 kCodesInCaseOrder[] = {
    0,   11,  8,   2,   14,  3,   5,   4,   34,  38,  40, 37, 46, 45,
    31,  35,  12,  15,  1,   17,  32,  9,   13,                       // a-w
    7,   16,  6,                                                      // x-z
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
static_assert(std::size(kCodesInCaseOrder) == 113);

// The codes between 0 and 126 that no key has.
const QSet<quint32> kUnusedCodes{10, 52, 66, 68, 70, 77, 93, 94, 95, 102, 104, 108, 110, 112};

QString alternatingCase(const QString &text) {
    QString mixed;
    for (qsizetype index = 0; index < text.size(); ++index)
        mixed += index % 2 ? text.at(index).toLower() : text.at(index).toUpper();
    return mixed;
}

// What parsing must answer, found the slow way: the key one of whose accepted names equals
// the lower-cased text without regard to case, or nothing.
std::optional<Key> expectedKey(const QString &text) {
    const QString lowered = text.toLower();
    for (Key key : allKeys()) {
        const QStringList names = acceptedNames(key);
        if (std::any_of(names.begin(), names.end(), [&](const QString &name) {
                return QString::compare(lowered, name, Qt::CaseInsensitive) == 0;
            })) {
            return key;
        }
    }
    return std::nullopt;
}

} // namespace

class TestKeys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codesCoverTheReferenceKeyboard() {
        QCOMPARE(int(allKeys().size()), 113);
        for (Key key : allKeys()) {
            QCOMPARE(carbonKeyCode(key), kCodesInCaseOrder[std::size_t(key)]);
            QCOMPARE(keyFromCarbonKeyCode(carbonKeyCode(key)), std::optional(key));
        }
        for (quint32 code = 0; code < 127; ++code)
            QCOMPARE(keyFromCarbonKeyCode(code).has_value(), !kUnusedCodes.contains(code));
        for (quint32 code : {127u, 128u, 255u, 256u, 0x10000u, 0xFFFFFFFFu})
            QCOMPARE(keyFromCarbonKeyCode(code), std::nullopt);
        QCOMPARE(keyFromCarbonKeyCode(0), std::optional(Key::a));
    }

    void glyphs() {
        const QList<std::pair<Key, QString>> cases{
            {Key::a, u"A"_qs},
            {Key::zero, u"0"_qs},
            {Key::quote, u"\""_qs},
            {Key::backslash, u"\\"_qs},
            {Key::grave, u"`"_qs},
            {Key::space, u"\u2423"_qs},
            {Key::return_, u"\u21A9\uFE0E"_qs},
            {Key::rightCommand, u"\u2318"_qs},
            {Key::rightShift, u"\u21E7"_qs},
            {Key::function, u"fn"_qs},
            {Key::pageUp, u"\u21DE"_qs},
            {Key::f9, u"\uF860F9"_qs},
            {Key::f10, u"\uF861F10"_qs},
            {Key::keypad9, u"9"_qs},
            {Key::keypadEnter, u"\u21A9\uFE0E"_qs},
            {Key::keypadMultiply, QString::fromUcs4(U"\U0001D5D1", 1)},
            {Key::help, u"?\u20DD"_qs},
            {Key::mute, QString::fromUcs4(U"\U0001F507", 1)},
        };
        for (const auto &[key, glyph] : cases)
            QCOMPARE(description(key), glyph);
    }

    void everyAcceptedNameParsesInAnyLetterCase() {
        QSet<QString> seen;
        for (Key key : allKeys()) {
            const QStringList names = acceptedNames(key);
            QVERIFY(!names.isEmpty());
            for (const QString &name : names) {
                // No name may belong to two keys, whatever its letter case.
                const QString folded = name.toCaseFolded();
                QVERIFY2(!seen.contains(folded), qPrintable(name));
                seen.insert(folded);
                for (const QString &variant :
                     {name, name.toLower(), name.toUpper(), alternatingCase(name)}) {
                    QCOMPARE(keyFromName(variant), std::optional(key));
                    QCOMPARE(KeyCombo(variant, 0).carbonKeyCode, carbonKeyCode(key));
                }
            }
        }
    }

    void parsingStoredNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("code");
        auto row = [](const QString &name, quint32 code) {
            QString tag;
            for (QChar unit : name)
                tag += unit.isPrint()
                           ? QString(unit)
                           : QStringLiteral("\\u%1").arg(unit.unicode(), 4, 16, QLatin1Char('0'));
            QTest::newRow(qPrintable(QStringLiteral("'%1'").arg(tag))) << name << code;
        };
        row(u"f5"_qs, 96);
        row(u"F5"_qs, 96);
        row(u"five"_qs, 23);
        row(u"5"_qs, 23);
        row(u"\u2191"_qs, 126);
        row(u"uparrow"_qs, 126);
        row(u"UpArrow"_qs, 126);
        row(u"["_qs, 33);
        row(u"RETURN"_qs, 36);
        row(u"rightBracket"_qs, 30);
        row(u"\uF860f5"_qs, 96);
        // Nothing matches: the key `a`.
        row(QString(), 0);
        row(u"nonsense"_qs, 0);
        row(u"f21"_qs, 0);
        row(u" a"_qs, 0);
        row(u"a "_qs, 0);
        row(u"\u21A9"_qs, 0);    // the return glyph needs its variation selector
        row(u"\uF860F10"_qs, 0); // two-digit function keys use the other prefix
        row(u"keypad"_qs, 0);
    }

    void parsingStoredNames() {
        QFETCH(QString, name);
        QFETCH(quint32, code);
        const KeyCombo combo(name, ModifierCommand | ModifierOption);
        QCOMPARE(combo.carbonKeyCode, code);
        QCOMPARE(combo.carbonModifiers, quint32(CarbonCommand | CarbonOption));
    }

    // Stored names come from a file anyone can edit; no text may upset the parser.
    void nameParserSurvivesAnyText() {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        const QString context = QStringLiteral("seed %1").arg(seed);

        QList<QString> samples;
        for (int round = 0; round < 3000; ++round) {
            const int length = random.bounded(0, 40);
            QString units;
            for (int index = 0; index < length; ++index) // any UTF-16, lone surrogates included
                units += QChar(char16_t(random.bounded(0, 0x10000)));
            samples.append(units);

            QByteArray bytes;
            for (int index = 0; index < length; ++index) // any bytes, decoded as UTF-8
                bytes += char(random.bounded(0, 256));
            samples.append(QString::fromUtf8(bytes));

            // Near misses: an accepted name with one character changed and its case shuffled.
            const Key key = Key(random.bounded(0, kKeyCount));
            const QStringList names = acceptedNames(key);
            QString name = names.at(random.bounded(0, int(names.size())));
            const int at = random.bounded(0, int(name.size()) + 1);
            const char32_t codePoint = char32_t(random.bounded(0, 0x110000));
            name.insert(at, QString::fromUcs4(&codePoint, 1));
            samples.append(random.bounded(2) ? alternatingCase(name) : name);
        }
        samples.append(QString(1 << 20, u'a'));
        samples.append(QString(1 << 20, QChar(0xD800)));
        samples.append(QStringLiteral("uparrow").repeated(1 << 16));
        samples.append(QString::fromUcs4(U"\U0001F50A").repeated(1 << 16));
        samples.append(QString(1, QChar(0xDC00)) + QStringLiteral("mute"));

        for (const QString &sample : samples) {
            const std::optional<Key> key = keyFromName(sample);
            QVERIFY2(key == expectedKey(sample), qPrintable(context));
            const KeyCombo combo(sample, ModifierShift);
            QVERIFY2(combo.carbonKeyCode == (key ? carbonKeyCode(*key) : 0u), qPrintable(context));
        }
    }

    void modifierMasks() {
        constexpr ModifierFlags capsLock = 0x10000;
        constexpr ModifierFlags function = 0x800000;
        QCOMPARE(carbonFlags(ModifierCommand | ModifierShift | capsLock), 0x300u);
        QCOMPARE(carbonFlags(kDeviceIndependentModifiers | capsLock | function | 0xFF), 0x1B00u);
        QCOMPARE(carbonFlags(0), 0u);
        QCOMPARE(modifierFlagsFromCarbon(0x1900),
                 ModifierFlags(ModifierCommand | ModifierOption | ModifierControl));
        QCOMPARE(modifierFlagsFromCarbon(0xFFFFFFFF), kDeviceIndependentModifiers);
        // Caps Lock (0x400) and the right-hand modifier bits are not looked at.
        QCOMPARE(modifierFlagsFromCarbon(0x400 | 0x2000 | 0x4000 | 0x8000), ModifierFlags(0));
        for (ModifierFlags flags = 0; flags <= kDeviceIndependentModifiers; flags += 0x20000)
            QCOMPARE(modifierFlagsFromCarbon(carbonFlags(flags)), flags);
    }

    void modifierGlyphsKeepTheirOrder() {
        QCOMPARE(modifierDescription(0), QString());
        QCOMPARE(modifierDescription(ModifierCommand | ModifierShift), u"\u21E7\u2318"_qs);
        QCOMPARE(modifierDescription(kDeviceIndependentModifiers | 0x10000),
                 u"\u2303\u2325\u21E7\u2318"_qs);
        QCOMPARE(modifierDescription(ModifierOption | ModifierControl), u"\u2303\u2325"_qs);
    }

    void combinationDescriptions() {
        QCOMPARE(KeyCombo(Key::a, ModifierCommand | ModifierShift).description(),
                 u"\u21E7\u2318A"_qs);
        QCOMPARE(KeyCombo(Key::f5, ModifierControl | ModifierOption).description(),
                 u"\u2303\u2325\uF860F5"_qs);
        QCOMPARE(KeyCombo(Key::space, 0).description(), u"\u2423"_qs);
        QCOMPARE(KeyCombo(10, CarbonShift).description(), u"\u21E7"_qs);
        QCOMPARE(KeyCombo(0xFFFFFFFF, 0).description(), QString());
        QCOMPARE(KeyCombo(Key::one, 0).description(), KeyCombo(Key::keypad1, 0).description());
        QCOMPARE(KeyCombo(Key::rightCommand, 0).description(),
                 KeyCombo(Key::command, 0).description());
    }

    void keyAndModifiersAreViewsOfTheFields() {
        KeyCombo combo(Key::f5, ModifierCommand | 0x10000);
        QCOMPARE(combo.carbonKeyCode, 96u);
        QCOMPARE(combo.carbonModifiers, 0x100u);
        QCOMPARE(combo.key(), std::optional(Key::f5));

        combo.setKey(Key::escape);
        QCOMPARE(combo.carbonKeyCode, 53u);
        combo.setKey(std::nullopt);
        QCOMPARE(combo.carbonKeyCode, 0u);
        QCOMPARE(combo.key(), std::optional(Key::a));

        combo.setModifiers(ModifierShift | ModifierControl | 0x800000);
        QCOMPARE(combo.carbonModifiers, 0x1200u);
        combo.carbonModifiers = 0x100 | 0x400;
        QCOMPARE(combo.modifiers(), ModifierFlags(ModifierCommand));
        combo.carbonKeyCode = 10;
        QCOMPARE(combo.key(), std::nullopt);
    }

    void dictionaryRoundTrip() {
        const KeyCombo combo(0xFFFFFFFF, 0x1900);
        const QVariantMap dictionary = combo.dictionary();
        QCOMPARE(dictionary.size(), 2);
        QCOMPARE(dictionary.value(u"keyCode"_qs).metaType(), QMetaType::fromType<qint64>());
        QCOMPARE(dictionary.value(u"keyCode"_qs).toLongLong(), qint64(4294967295));
        QCOMPARE(dictionary.value(u"modifiers"_qs).metaType(), QMetaType::fromType<qint64>());
        QCOMPARE(dictionary.value(u"modifiers"_qs).toLongLong(), qint64(0x1900));
        QCOMPARE(KeyCombo::fromDictionary(dictionary), std::optional(combo));
    }

    void dictionaryTakesOnlyIntegers_data() {
        QTest::addColumn<QVariant>("keyCode");
        QTest::addColumn<QVariant>("modifiers");
        QTest::addColumn<bool>("valid");
        QTest::newRow("qint64") << QVariant(qint64(49)) << QVariant(qint64(256)) << true;
        QTest::newRow("int") << QVariant(49) << QVariant(256) << true;
        QTest::newRow("uint") << QVariant(49u) << QVariant(256u) << true;
        QTest::newRow("quint64") << QVariant(quint64(49)) << QVariant(quint64(256)) << true;
        QTest::newRow("string code") << QVariant(u"49"_qs) << QVariant(256) << false;
        QTest::newRow("string modifiers") << QVariant(49) << QVariant(u"256"_qs) << false;
        QTest::newRow("bool") << QVariant(true) << QVariant(256) << false;
        QTest::newRow("double") << QVariant(49.0) << QVariant(256) << false;
        QTest::newRow("char") << QVariant(QChar(u'1')) << QVariant(256) << false;
        QTest::newRow("missing code") << QVariant() << QVariant(256) << false;
        QTest::newRow("missing modifiers") << QVariant(49) << QVariant() << false;
        QTest::newRow("negative") << QVariant(qint64(-1)) << QVariant(256) << false;
        QTest::newRow("2^32") << QVariant(qint64(1) << 32) << QVariant(256) << false;
        QTest::newRow("huge unsigned") << QVariant(49) << QVariant(~quint64(0)) << false;
    }

    void dictionaryTakesOnlyIntegers() {
        QFETCH(QVariant, keyCode);
        QFETCH(QVariant, modifiers);
        QFETCH(bool, valid);
        QVariantMap dictionary{{u"other"_qs, u"ignored"_qs}};
        if (keyCode.isValid())
            dictionary.insert(u"keyCode"_qs, keyCode);
        if (modifiers.isValid())
            dictionary.insert(u"modifiers"_qs, modifiers);
        const std::optional<KeyCombo> combo = KeyCombo::fromDictionary(dictionary);
        if (valid)
            QCOMPARE(combo, std::optional(KeyCombo(Key::space, ModifierCommand)));
        else
            QCOMPARE(combo, std::nullopt);
    }

    void desktopText() {
        QCOMPARE(KeyCombo(Key::a, ModifierCommand | ModifierShift).nativeText(),
                 u"Ctrl+Shift+A"_qs);
        QCOMPARE(KeyCombo(Key::f5, kDeviceIndependentModifiers).nativeText(),
                 u"Meta+Ctrl+Alt+Shift+F5"_qs);
        QCOMPARE(KeyCombo(Key::space, 0).nativeText(), u"Space"_qs);
        QCOMPARE(KeyCombo(Key::keypad1, ModifierOption).nativeText(), u"Alt+Num+1"_qs);
        QCOMPARE(KeyCombo(Key::one, ModifierOption).nativeText(), u"Alt+1"_qs);
        QCOMPARE(KeyCombo(Key::function, ModifierOption).nativeText(), u"Alt+Fn"_qs);
        QCOMPARE(KeyCombo(Key::function, 0).nativeText(), u"Fn"_qs);
        QCOMPARE(KeyCombo(10, CarbonShift | CarbonCommand).nativeText(), u"Ctrl+Shift"_qs);
        QCOMPARE(KeyCombo(10, 0).nativeText(), QString());

        // Every other key has a name the desktop reads back as one key.
        for (Key key : allKeys()) {
            if (key == Key::function)
                continue;
            const QString text = KeyCombo(key, 0).nativeText();
            const QKeySequence parsed = QKeySequence::fromString(text, QKeySequence::NativeText);
            QVERIFY2(parsed.count() == 1 && parsed[0].key() != Qt::Key_unknown,
                     qPrintable(description(key) + QStringLiteral(" -> ") + text));
        }
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
