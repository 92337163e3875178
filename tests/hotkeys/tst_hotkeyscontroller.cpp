#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/DiagnosticLog.h"
#include "platform/InMemoryHotKeyBackend.h"

#include <QTest>

namespace {

const KeyCombo kCommandShiftK(Key::k, ModifierCommand | ModifierShift);
const KeyCombo kOptionF5(Key::f5, ModifierOption);
const KeyCombo kControlSpace(Key::space, ModifierControl);

} // namespace

class TestHotKeysController : public QObject {
    Q_OBJECT

    std::shared_ptr<InMemoryHotKeyBackend> m_backend = std::make_shared<InMemoryHotKeyBackend>();
    QStringList m_log;

    int press(const KeyCombo &combo) {
        return m_backend->pressCombination(combo.carbonKeyCode, combo.carbonModifiers).value_or(1);
    }
    int send(const HotKeyEvent &event) { return m_backend->deliver(event).value_or(1); }

private Q_SLOTS:
    void initTestCase() {
        HotKeysController::setBackend(m_backend);
        DiagnosticLog::setSink([this](const QString &line) { m_log.append(line); });
    }
    void cleanup() {
        // Every hotkey a test made is gone again, and so is everything registered for it.
        QVERIFY(HotKeysController::hotKeys().empty());
        QVERIFY(m_backend->registrations.isEmpty());
    }

    // Runs first: it needs the registry as the process starts.
    void idsCountUpAndARefusedHotKeyStaysSilentUntilResumed() {
        m_backend->refused = {{kCommandShiftK.carbonKeyCode, kCommandShiftK.carbonModifiers}};
        auto refused = HotKey::create(kCommandShiftK, [] {});
        QVERIFY2(m_log.size() == 1 &&
                     m_log[0].contains(u"hotkey Ctrl+Shift+K (\u21E7\u2318K): another program"_qs),
                 qPrintable(m_log.join(u'\n')));
        // Its entry stays, without a registration, and installs no handler.
        QVERIFY(!HotKeysController::hotKeys().at(1).carbonEventHotKey &&
                m_backend->installedHandlers == 0);

        auto paused = HotKey::create(kOptionF5);
        paused->setPaused(true);
        QVERIFY(m_backend->registrations.isEmpty());
        m_backend->refused.clear();
        for (const bool pause : {true, false, false}) // resuming a running hotkey changes nothing
            refused->setPaused(pause);
        QCOMPARE(m_backend->registrations.size(), 1);
        QCOMPARE(m_backend->registrations[0].hotKeyID.id, 3u); // ids are never reused
        QVERIFY(press(kCommandShiftK) == noErr && m_backend->installedHandlers == 1);
    }

    void eventsReachTheirHandlers() {
        QStringList calls;
        auto hotKey = HotKey::create(
            kOptionF5, [&] { calls << "down"; }, [&] { calls << "up"; });
        const quint32 id = HotKeysController::hotKeysCount(), ours = HotKeysController::signature();
        auto other = HotKey::create(kControlSpace, [] { QFAIL("wrong hotkey"); });
        QCOMPARE(press(kOptionF5), noErr);
        QCOMPARE(send({kEventHotKeyReleased, {ours, id}}), noErr);
        // A release whose hotkey is gone, or that has no handler, is not handled.
        QCOMPARE(send({kEventHotKeyReleased, {ours, id + 1000}}), eventNotHandledErr);
        hotKey->setKeyUpHandler({});
        QCOMPARE(send({kEventHotKeyReleased, {ours, id}}), eventNotHandledErr);
        QCOMPARE(calls, (QStringList{"down", "up"}));
    }

    // Handlers read their own captures after the change, so a handler run in place (rather
    // than from a copy held for the call) is a use after free under the sanitizers.
    void handlerMayReleaseOrReplaceItsHotKey() {
        const auto runs = std::make_shared<QString>();
        std::shared_ptr<HotKey> owner = HotKey::create(kOptionF5, [&owner, runs] {
            owner = HotKey::create(kControlSpace, [&owner, runs] {
                owner->setKeyDownHandler({}); // replaces this handler
                runs->append(u'2');
            }); // releases this hotkey
            runs->append(u'1');
        });
        QVERIFY(press(kOptionF5) == noErr && press(kControlSpace) == noErr);
        QCOMPARE(*runs, u"12"_qs);
    }
};

QTEST_GUILESS_MAIN(TestHotKeysController)
#include "tst_hotkeyscontroller.moc"
