#include "hotkeys/CarbonModifiers.h"
#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/DiagnosticLog.h"
#include "platform/InMemoryHotKeyBackend.h"

#include <QTest>

namespace {

std::optional<quint32> registeredId(const HotKey &hotKey) {
    for (const auto &[id, box] : HotKeysController::hotKeys()) {
        if (box.identifier == hotKey.identifier())
            return id;
    }
    return std::nullopt;
}

const KeyCombo kCommandShiftK(Key::k, ModifierCommand | ModifierShift);
const KeyCombo kOptionF5(Key::f5, ModifierOption);
const KeyCombo kControlSpace(Key::space, ModifierControl);

} // namespace

class TestHotKeysController : public QObject {
    Q_OBJECT

    // One service for the process, as in the application: the registry installs its handler
    // once and counts ids for the life of the process.
    std::shared_ptr<InMemoryHotKeyBackend> m_backend = std::make_shared<InMemoryHotKeyBackend>();
    QStringList m_log;

    std::optional<int> press(const KeyCombo &combo) {
        return m_backend->pressCombination(combo.carbonKeyCode, combo.carbonModifiers);
    }
    std::optional<int> send(quint32 id, quint32 kind = kEventHotKeyPressed,
                            quint32 signature = HotKeysController::signature(),
                            int status = noErr) {
        const HotKeyEvent event{kind, {signature, id}, status};
        return m_backend->deliver(&event);
    }

private Q_SLOTS:
    void initTestCase() {
        HotKeysController::setBackend(m_backend);
        DiagnosticLog::setSink([this](const QString &line) { m_log.append(line); });
    }
    void cleanupTestCase() { DiagnosticLog::setSink({}); }
    void init() { m_log.clear(); }
    void cleanup() {
        // Every hotkey a test made is gone again, and so is everything registered for it.
        QVERIFY(HotKeysController::hotKeys().empty());
        QVERIFY(m_backend->registrations().isEmpty());
    }

    // Runs first: it needs the registry as the process starts.
    void idsCountUpAndTheHandlerIsInstalledOnce() {
        m_backend->refuse(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
        auto first = HotKey::create(kCommandShiftK);
        QCOMPARE(registeredId(*first), std::optional(1u));
        QCOMPARE(m_backend->installedHandlerCount(), 0); // a refused registration installs none
        m_backend->accept(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);

        auto second = HotKey::create(Key::f5, ModifierOption);
        QCOMPARE(m_backend->installedHandlerCount(), 1);
        QCOMPARE(m_backend->registration(96, CarbonOption)->hotKeyID,
                 (EventHotKeyID{0x507A486B, 2}));
        first.reset();
        auto third = HotKey::create(kControlSpace.carbonKeyCode, kControlSpace.carbonModifiers);
        QCOMPARE(registeredId(*third), std::optional(3u));
        QCOMPARE(m_backend->installedHandlerCount(), 1);
    }

    void eventsReachTheirHandlers() {
        int downs = 0;
        int ups = 0;
        auto hotKey = HotKey::create(
            kOptionF5, [&] { ++downs; }, [&] { ++ups; });
        auto other = HotKey::create(kControlSpace, [] { QFAIL("wrong hotkey"); });
        const quint32 id = *registeredId(*hotKey);
        QCOMPARE(press(kOptionF5), std::optional(noErr));
        QCOMPARE(send(id, kEventHotKeyReleased), std::optional(noErr));
        QCOMPARE(downs, 1);
        QCOMPARE(ups, 1);

        hotKey->setKeyUpHandler({});
        QCOMPARE(send(id, kEventHotKeyReleased), std::optional(eventNotHandledErr));
        // Events the registry does not own or cannot read.
        QCOMPARE(m_backend->deliver(nullptr), std::optional(eventNotHandledErr));
        QCOMPARE(send(id, kEventHotKeyPressed, 0x61626364), std::optional(eventNotHandledErr));
        QCOMPARE(send(id + 1000), std::optional(eventNotHandledErr));
        QCOMPARE(send(id, 7), std::optional(eventNotHandledErr));
        QCOMPARE(send(id, kEventHotKeyPressed, HotKeysController::signature(),
                      eventParameterNotFoundErr),
                 std::optional(eventParameterNotFoundErr));
        QCOMPARE(downs, 1);
    }

    void refusedCombinationStaysSilent() {
        m_backend->refuse(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
        int silentPresses = 0;
        auto silent = HotKey::create(kCommandShiftK, [&] { ++silentPresses; });
        QCOMPARE(m_log.size(), 1);
        QVERIFY2(m_log.first().contains(
                     u"Could not register the hotkey Ctrl+Shift+K (\u21E7\u2318K)"_qs),
                 qPrintable(m_log.first()));
        // Its entry stays, without a registration.
        QCOMPARE(HotKeysController::hotKeys().at(*registeredId(*silent)).carbonEventHotKey,
                 nullptr);

        // Once the combination is free, resuming registers it like any other.
        m_backend->accept(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
        silent->setPaused(true);
        silent->setPaused(false);
        QCOMPARE(press(kCommandShiftK), std::optional(noErr));
        QCOMPARE(silentPresses, 1);
    }

    void pausedAndReleasedHotKeysAreForgotten() {
        int presses = 0;
        auto hotKey = HotKey::create(kOptionF5, [&] { ++presses; });
        const quint32 oldId = *registeredId(*hotKey);
        hotKey->setPaused(true);
        hotKey->setPaused(true);
        QCOMPARE(registeredId(*hotKey), std::nullopt);
        QVERIFY(m_backend->registrations().isEmpty());
        QCOMPARE(send(oldId), std::optional(eventNotHandledErr));

        hotKey->setPaused(false);
        hotKey->setPaused(false); // resuming a running hotkey changes nothing
        const quint32 newId = *registeredId(*hotKey);
        QCOMPARE(newId, oldId + 1);
        QCOMPARE(HotKeysController::hotKeysCount(), newId);
        QCOMPARE(press(kOptionF5), std::optional(noErr));
        QCOMPARE(presses, 1);

        QCOMPARE(hotKey.use_count(), 1); // the registry does not keep it alive
        hotKey.reset();
        QCOMPARE(HotKeysController::hotKey(newId), nullptr);
        QCOMPARE(send(newId), std::optional(eventNotHandledErr));
    }

    // Handlers read their own captures after the change, so a handler run in place (rather
    // than from a copy held for the call) is a use after free under the sanitizers.
    void handlerMayReleaseOrReplaceItsHotKey() {
        QStringList seen;
        std::shared_ptr<HotKey> owner;
        const auto first = std::make_shared<QString>(u"first"_qs);
        owner = HotKey::create(kOptionF5, [&owner, &seen, first] {
            owner = HotKey::create(kControlSpace);
            seen.append(*first);
        });
        QCOMPARE(press(kOptionF5), std::optional(noErr));
        QCOMPARE(owner->keyCombo(), kControlSpace);

        const auto second = std::make_shared<QString>(u"second"_qs);
        owner->setKeyDownHandler([&owner, &seen, second] {
            owner->setKeyDownHandler([&seen] { seen.append(u"third"_qs); });
            seen.append(*second);
        });
        QCOMPARE(press(kControlSpace), std::optional(noErr));
        QCOMPARE(press(kControlSpace), std::optional(noErr));
        QCOMPARE(seen, (QStringList{u"first"_qs, u"second"_qs, u"third"_qs}));
        owner.reset();
    }
};

QTEST_GUILESS_MAIN(TestHotKeysController)
#include "tst_hotkeyscontroller.moc"
