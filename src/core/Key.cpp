#include "core/Key.h"

#include <QList>

#include <utility>

namespace {

constexpr quint8 kNoKey = 0xFF;
// Virtual key codes run from 0 to 126 and evdev codes up to Fn's 464, so flat tables answer
// the lookups of every key event.
constexpr quint32 kCarbonKeyCodeLimit = 127;
constexpr quint32 kEvdevCodeLimit = 465;

template <quint32 Limit, auto Code> constexpr bool codesFitAndDiffer() {
    for (const KeyPosition &row : kKeyPositions) {
        if (row.*Code >= Limit)
            return false;
        for (const KeyPosition &other : kKeyPositions) {
            if (&other != &row && other.*Code == row.*Code)
                return false;
        }
    }
    return true;
}

constexpr bool inCaseOrder() {
    for (int index = 0; index < kKeyCount; ++index) {
        if (kKeyPositions[index].key != Key(index))
            return false;
    }
    return true;
}

static_assert(inCaseOrder(), "a row of the key table is out of place");
static_assert(codesFitAndDiffer<kCarbonKeyCodeLimit, &KeyPosition::carbonKeyCode>(),
              "two keys share a virtual key code, or one is out of range");
static_assert(codesFitAndDiffer<kEvdevCodeLimit, &KeyPosition::evdevCode>(),
              "two keys share an evdev code, or one is out of range");

template <quint32 Limit, auto Code> constexpr std::array<quint8, Limit> keysByCode() {
    std::array<quint8, Limit> keys{};
    keys.fill(kNoKey);
    for (const KeyPosition &row : kKeyPositions)
        keys[row.*Code] = quint8(row.key);
    return keys;
}

constexpr auto kByCarbonKeyCode = keysByCode<kCarbonKeyCodeLimit, &KeyPosition::carbonKeyCode>();
constexpr auto kByEvdevCode = keysByCode<kEvdevCodeLimit, &KeyPosition::evdevCode>();

template <std::size_t Limit>
std::optional<Key> lookUp(const std::array<quint8, Limit> &keys, quint32 code) {
    if (code >= Limit || keys[code] == kNoKey)
        return std::nullopt;
    return Key(keys[code]);
}

} // namespace

const std::array<Key, kKeyCount> &allKeys() {
    static constexpr std::array<Key, kKeyCount> keys = [] {
        std::array<Key, kKeyCount> all{};
        for (int index = 0; index < kKeyCount; ++index)
            all[std::size_t(index)] = Key(index);
        return all;
    }();
    return keys;
}

std::optional<Key> keyFromCarbonKeyCode(quint32 carbonKeyCode) {
    return lookUp(kByCarbonKeyCode, carbonKeyCode);
}

std::optional<Key> keyFromEvdevCode(quint32 evdevCode) {
    return lookUp(kByEvdevCode, evdevCode);
}

QString description(Key key) {
    return QString::fromUtf16(keyPosition(key).description);
}

QStringList acceptedNames(Key key) {
    QStringList names;
    for (const char16_t *name : keyPosition(key).names) {
        if (name)
            names.append(QString::fromUtf16(name));
    }
    return names;
}

std::optional<Key> keyFromName(const QString &name) {
    static const QList<std::pair<QString, Key>> names = [] {
        QList<std::pair<QString, Key>> all;
        for (Key key : allKeys()) {
            for (const QString &candidate : acceptedNames(key))
                all.append({candidate, key});
        }
        return all;
    }();
    // Stored names are lower-cased first and then matched without regard to case, so a table
    // name written in camel case ("rightBracket") still matches. No name belongs to two keys,
    // so the first match is the only one.
    const QString lowered = name.toLower();
    for (const auto &[candidate, key] : names) {
        if (QString::compare(lowered, candidate, Qt::CaseInsensitive) == 0)
            return key;
    }
    return std::nullopt;
}
