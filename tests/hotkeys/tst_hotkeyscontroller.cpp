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

private:
    // One service for the process, as in the application: the registry installs its
    // handler once and counts ids for the life of the process.
    std::shared_ptr<InMemoryHotKeyBackend> m_backend = std::make_shared<InMemoryHotKeyBackend>();
    QStringList m_log;

    std::optional<int> pressCombination(const KeyCombo &combo) {
        return m_backend->pressCombination(combo.carbonKeyCode, combo.carbonModifiers);
    }
    std::optional<int> releaseCombination(const KeyCombo &combo) {
        return m_backend->releaseCombination(combo.carbonKeyCode, combo.carbonModifiers);
    }
    std::optional<int> send(quint32 kind, quint32 signature, quint32 id, int status = noErr) {
        const HotKeyEvent event{kind, {signature, id}, status};
        return m_backend->deliver(&event);
    }

private Q_SLOTS:
    void initTestCase() {
        HotKeysController::setBackend(m_backend);
        DiagnosticLog::setSink([this](const QString &line) { m_log.append(line); });
    }

    void cleanupTestCase() { DiagnosticLog::setSink({}); }

    void init() {
        m_log.clear();
        m_backend->accept(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
    }

    void cleanup() {
        // Every hotkey a test made is gone again, and so is everything registered for it.
        QVERIFY(HotKeysController::hotKeys().empty());
        QVERIFY(m_backend->registrations().isEmpty());
    }

    // Runs first: it needs the registry as the process starts.
    void idsCountUpAndTheHandlerIsInstalledOnce() {
        QCOMPARE(HotKeysController::signature(), 0x507A486Bu);
        QCOMPARE(HotKeysController::hotKeysCount(), 0u);
        QCOMPARE(HotKeysController::eventHandler(), nullptr);

        m_backend->refuse(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
        auto first = HotKey::create(kCommandShiftK);
        QCOMPARE(registeredId(*first), std::optional(1u));
        // A refused registration installs nothing.
        QCOMPARE(m_backend->installedHandlerCount(), 0);
        QCOMPARE(HotKeysController::eventHandler(), nullptr);

        auto second = HotKey::create(Key::f5, ModifierOption);
        QCOMPARE(registeredId(*second), std::optional(2u));
        QCOMPARE(m_backend->installedHandlerCount(), 1);
        QVERIFY(HotKeysController::eventHandler());
        const auto registration = m_backend->registration(96, CarbonOption);
        QVERIFY(registration);
        QCOMPARE(registration->hotKeyID, (EventHotKeyID{0x507A486B, 2}));

        first.reset();
        auto third = HotKey::create(kControlSpace.carbonKeyCode, kControlSpace.carbonModifiers);
        QCOMPARE(registeredId(*third), std::optional(3u));
        QCOMPARE(third->keyCombo(), kControlSpace);
        QCOMPARE(m_backend->installedHandlerCount(), 1);
        QCOMPARE(HotKeysController::hotKeysCount(), 3u);
    }

    void eventsReachTheirHandlers() {
        int downs = 0;
        int ups = 0;
        auto hotKey = HotKey::create(
            kOptionF5, [&] { ++downs; }, [&] { ++ups; });
        auto other = HotKey::create(kControlSpace, [] { QFAIL("wrong hotkey"); });
        const quint32 id = *registeredId(*hotKey);

        QCOMPARE(pressCombination(kOptionF5), std::optional(noErr));
        QCOMPARE(releaseCombination(kOptionF5), std::optional(noErr));
        QCOMPARE(downs, 1);
        QCOMPARE(ups, 1);

        hotKey->setKeyUpHandler({});
        QCOMPARE(releaseCombination(kOptionF5), std::optional(eventNotHandledErr));
        hotKey->setKeyDownHandler([&] { downs += 10; });
        QCOMPARE(pressCombination(kOptionF5), std::optional(noErr));
        QCOMPARE(downs, 11);

        // Events the registry does not own or cannot read.
        QCOMPARE(m_backend->deliver(nullptr), std::optional(eventNotHandledErr));
        QCOMPARE(send(kEventHotKeyPressed, 0x61626364, id), std::optional(eventNotHandledErr));
        QCOMPARE(send(kEventHotKeyPressed, HotKeysController::signature(), id + 1000),
                 std::optional(eventNotHandledErr));
        QCOMPARE(send(7, HotKeysController::signature(), id), std::optional(eventNotHandledErr));
        QCOMPARE(send(kEventHotKeyPressed, HotKeysController::signature(), id,
                      eventParameterNotFoundErr),
                 std::optional(eventParameterNotFoundErr));
        QCOMPARE(downs, 11);
        QCOMPARE(ups, 1);
    }

    void refusedCombinationStaysSilent() {
        m_backend->refuse(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
        int silentPresses = 0;
        int presses = 0;
        auto silent = HotKey::create(kCommandShiftK, [&] { ++silentPresses; });
        auto working = HotKey::create(kOptionF5, [&] { ++presses; });

        QCOMPARE(m_log.size(), 1);
        QVERIFY2(m_log.first().contains(u"Could not register the hotkey Ctrl+Shift+K"_qs) &&
                     m_log.first().contains(u"\u21E7\u2318K"_qs),
                 qPrintable(m_log.first()));
        const auto entry = HotKeysController::hotKeys().find(*registeredId(*silent));
        QCOMPARE(entry->second.carbonEventHotKey, nullptr);

        QCOMPARE(pressCombination(kCommandShiftK), std::nullopt);
        QCOMPARE(pressCombination(kOptionF5), std::optional(noErr));
        QCOMPARE(silentPresses, 0);
        QCOMPARE(presses, 1);

        // Once the combination is free, resuming registers it like any other.
        m_backend->accept(kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers);
        silent->setPaused(true);
        silent->setPaused(false);
        QCOMPARE(pressCombination(kCommandShiftK), std::optional(noErr));
        QCOMPARE(silentPresses, 1);
    }

    void pausingUnregistersAndResumingTakesANewId() {
        int presses = 0;
        auto hotKey = HotKey::create(kOptionF5, [&] { ++presses; });
        const quint32 oldId = *registeredId(*hotKey);

        hotKey->setPaused(true);
        QVERIFY(hotKey->isPaused());
        QCOMPARE(registeredId(*hotKey), std::nullopt);
        QCOMPARE(m_backend->registration(kOptionF5.carbonKeyCode, kOptionF5.carbonModifiers),
                 std::nullopt);
        QCOMPARE(send(kEventHotKeyPressed, HotKeysController::signature(), oldId),
                 std::optional(eventNotHandledErr));
        hotKey->setPaused(true);
        QCOMPARE(presses, 0);

        hotKey->setPaused(false);
        const std::optional<quint32> newId = registeredId(*hotKey);
        QVERIFY(newId && *newId > oldId);
        QCOMPARE(pressCombination(kOptionF5), std::optional(noErr));
        QCOMPARE(presses, 1);

        // Resuming a running hotkey changes nothing.
        const quint32 count = HotKeysController::hotKeysCount();
        hotKey->setPaused(false);
        QCOMPARE(HotKeysController::hotKeysCount(), count);
        QCOMPARE(registeredId(*hotKey), newId);
    }

    void releasedHotKeyIsForgotten() {
        auto hotKey = HotKey::create(kOptionF5, [] { QFAIL("released hotkey fired"); });
        // The registry does not keep it alive.
        QCOMPARE(hotKey.use_count(), 1);
        const quint32 id = *registeredId(*hotKey);
        hotKey.reset();

        QCOMPARE(HotKeysController::hotKeys().count(id), 0u);
        QCOMPARE(HotKeysController::hotKey(id), nullptr);
        QCOMPARE(send(kEventHotKeyPressed, HotKeysController::signature(), id),
                 std::optional(eventNotHandledErr));
    }

    // Handlers read their own captures after the change, so a handler run in place (rather
    // than from a copy held for the call) shows up as a use after free.
    void handlerMayReleaseOrReplaceItsHotKey() {
        QStringList seen;
        std::shared_ptr<HotKey> owner;
        const auto first = std::make_shared<QString>(u"first"_qs);
        owner = HotKey::create(kOptionF5, [&owner, &seen, first] {
            owner = HotKey::create(kControlSpace);
            seen.append(*first);
        });
        QCOMPARE(pressCombination(kOptionF5), std::optional(noErr));
        QCOMPARE(owner->keyCombo(), kControlSpace);
        QCOMPARE(m_backend->registration(kOptionF5.carbonKeyCode, kOptionF5.carbonModifiers),
                 std::nullopt);

        const auto second = std::make_shared<QString>(u"second"_qs);
        owner->setKeyDownHandler([&owner, &seen, second] {
            owner->setKeyDownHandler([&seen] { seen.append(u"third"_qs); });
            seen.append(*second);
        });
        QCOMPARE(pressCombination(kControlSpace), std::optional(noErr));
        QCOMPARE(pressCombination(kControlSpace), std::optional(noErr));
        QCOMPARE(seen, (QStringList{u"first"_qs, u"second"_qs, u"third"_qs}));
        owner.reset();
    }
};

QTEST_GUILESS_MAIN(TestHotKeysController)
#include "tst_hotkeyscontroller.moc"
