#include "app/AppDelegate.h"
#include "app/CustomApplication.h"
#include "app/RequestChannels.h"
#include "assembly/Assembly.h"
#include "hotkeys/HotKeysController.h"
#include "platform/InMemoryHotKeyBackend.h"
#include "platform/Localization.h"
#include "settings/Preferences.h"
#include "settings/StoredShortcut.h"
#include "widgets/PopoverPanel.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr quint32 kKeyD = 2, kKeyA = 0, kKeyT = 17, kKeyM = 46;

std::shared_ptr<InMemoryHotKeyBackend> backend;

// The application as main puts it together, on the offscreen platform.
struct Shell {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + QStringLiteral("/preferences.plist")};
    RequestChannels requests;
    std::unique_ptr<Assembly> assembly;
    AppDelegate *delegate = nullptr;
    MainWindowController *overlay = nullptr;

    Shell() { Preferences::firstTimeMenu.set(preferences, true); } // no first-run panel
    void store(AppDelegate::Row row, const QString &key, const QList<qint64> &codes) {
        Preferences::shortcuts[row].key.set(preferences, key);
        Preferences::shortcuts[row].flags.set(preferences, codes);
    }
    void make(const QUrl &reviewPage = {}) {
        assembly =
            std::make_unique<Assembly>(preferences, requests, Assembly::Pages{{}, reviewPage});
        delegate = &assembly->delegate;
        overlay = &assembly->overlay;
    }
    void launch() {
        make();
        assembly->launch();
    }
    bool overlayShown() const { return overlay->window()->isVisible(); }
    bool timerShown() const {
        return assembly->timerWindow.window() && assembly->timerWindow.window()->isVisible();
    }
};

} // namespace

class TestAppDelegate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(Localization::install());
        backend = std::make_shared<InMemoryHotKeyBackend>();
        HotKeysController::setBackend(backend);
    }

    // Stored shortcuts become hotkeys in row order; one without modifiers stays off, and codes
    // beside the four modifiers' (as 64-bit numbers) add none, nor does a key name that is
    // misspelt, missing or not a string (it once became the A key). Registering a row again
    // replaces its hotkey, also with the same combination, and releases the old one. Pointer
    // mode's row starts with Ctrl+Alt+Shift+M, and once cleared stays clear.
    void storedShortcutsRegisterOncePerRow() {
        Shell shell;
        shell.store(AppDelegate::Arrow, QStringLiteral("a"), {11, 13});
        shell.store(AppDelegate::AppActivate, QStringLiteral("D"),
                    {14, 11, 10, 15, -13, 12 + (qint64(1) << 32)});
        shell.store(AppDelegate::Line, QStringLiteral("l"), {});
        shell.store(AppDelegate::Rectangle, QStringLiteral("bogus"), {11});
        shell.store(AppDelegate::Circle, {}, {11});
        shell.preferences.remove(Preferences::shortcuts[AppDelegate::Circle].key.key());
        shell.store(AppDelegate::Timer, {}, {11});
        shell.preferences.setInteger(Preferences::shortcuts[AppDelegate::Timer].key.key(), 0);
        shell.launch();
        const auto activate = backend->registration(kKeyD, CarbonCommand | CarbonShift);
        const auto arrow = backend->registration(kKeyA, CarbonCommand | CarbonOption);
        QVERIFY(activate && arrow);
        QVERIFY(activate->hotKeyID.id < arrow->hotKeyID.id); // row 1 before row 4
        QVERIFY(backend->registration(kKeyM, CarbonCommand | CarbonOption | CarbonShift));
        QCOMPARE(backend->registrations.size(), 3);

        StoredShortcut::shortcutKey() = QStringLiteral("d");
        StoredShortcut::shortcutModifiers() = ModifierCommand | ModifierShift;
        shell.delegate->register_AppActivate(); // the same combination again
        QCOMPARE(backend->registrations.size(), 3);
        QVERIFY(backend->registration(kKeyD, CarbonCommand | CarbonShift)->hotKeyID.id >
                arrow->hotKeyID.id); // the new registration, which gets the presses
        StoredShortcut::shortcutKey() = QStringLiteral("t");
        shell.delegate->register_AppActivate();
        QVERIFY(!backend->registration(kKeyD, CarbonCommand | CarbonShift));
        QVERIFY(backend->registration(kKeyT, CarbonCommand | CarbonShift));
        shell.delegate->unRegister_AppActivate();
        QCOMPARE(backend->registrations.size(), 2);

        shell.store(AppDelegate::PointerMode, {}, {}); // as the panel clears it
        shell.delegate->unregisterRow(AppDelegate::PointerMode);
        shell.delegate->registerStoredShortcuts();
        QVERIFY(!backend->registration(kKeyM, CarbonCommand | CarbonOption | CarbonShift));
    }

    // Ctrl+C is the copy command once a press: a held key's repeats would copy again and
    // again; Ctrl+Shift+C is none.
    void copyCommandIsOnePress() {
        const QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QString()),
            repeat(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QString(), true),
            shifted(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(CustomApplication::isCopyCommand(&press) &&
                !CustomApplication::isCopyCommand(&repeat) &&
                !CustomApplication::isCopyCommand(&shifted));
    }

    // Activating makes Quillory the active application and shows no window by itself (it once
    // brought the hidden overlay back); only the actions that ask for the overlay show it.
    void activationShowsNoWindowByItself() {
        Shell shell;
        shell.store(AppDelegate::Arrow, QStringLiteral("a"), {11, 13});
        shell.launch();
        QVERIFY(shell.overlayShown());
        shell.assembly->activation.hide();
        QVERIFY(!shell.assembly->activation.isActive());
        shell.delegate->activateApp();
        QVERIFY(shell.assembly->activation.isActive());
        QVERIFY(!shell.overlayShown());

        backend->pressCombination(kKeyA, CarbonCommand | CarbonOption);
        QVERIFY(shell.overlayShown());
        QCOMPARE(shell.overlay->contentViewController().model.selectedShape(), Shape::arrow);
        // The tray icon's tooltip follows the tool and colour, named or not.
        QCOMPARE(shell.delegate->statusItem()->toolTip(), u"Quillory: Arrow, Red"_qs);
        shell.overlay->contentViewController().model.selectColor(QColor(58, 123, 213));
        QCOMPARE(shell.delegate->statusItem()->toolTip(), u"Quillory: Arrow, #3A7BD5"_qs);

        // Pointer mode through the remote control: the tooltip and the state say so, and the
        // show shortcut draws again.
        const InstanceChannel::Lookup remote = shell.assembly->remoteActions();
        const auto state = [&remote] { return remote(u"state"_qs)->answer; };
        remote(u"pointer"_qs)->action();
        QVERIFY(shell.delegate->statusItem()->toolTip().contains(u"pointer mode"_qs));
        QCOMPARE(state(),
                 uR"({"visible":true,"mode":"pointer","tool":"arrow","color":"#3A7BD5",)"
                 uR"("ink":"#3A7BD5","width":3,"surface":"screen","fade":false,"spotlight":false,)"
                 uR"("zoom":1,"zoomPending":false,"output":"x11","page":1,"pages":1})"_qs);
        shell.delegate->performHotKeyAction(AppDelegate::AppActivate);
        QVERIFY(state().startsWith(uR"({"visible":true,"mode":"draw",)"_qs));
        // On the white board yellow is drawn darker, and the state says which ink is used.
        shell.overlay->contentViewController().model.selectColor(QColor(255, 204, 0));
        remote(u"whiteboard"_qs)->action();
        QVERIFY2(state().contains(u"\"color\":\"#FFCC00\",\"ink\":\"#"_qs) &&
                     !state().contains(u"\"ink\":\"#FFCC00\""_qs),
                 qPrintable(state()));
        remote(u"pointer"_qs)->action();

        // The timer row puts the timer up instead, and the activation that follows it a moment
        // later leaves the overlay closed; closed, it leaves pointer mode.
        shell.delegate->performHotKeyAction(AppDelegate::Timer);
        QVERIFY(shell.timerShown());
        QVERIFY(!shell.overlayShown());
        QTest::qWait(250);
        QVERIFY(!shell.overlayShown());
        QVERIFY(state().startsWith(uR"({"visible":false,"mode":"draw",)"_qs));
    }

    // Due at the first launch three full days after the first one, then a full day after the
    // prompt last closed; never after "Rate Now"; a date of another type counts as absent.
    // (The prompt it schedules never runs: no event loop turns before the delegate goes.)
    void rateScheduleCountsWholeDays() {
        Shell shell;
        shell.make(QUrl(u"https://example.org/review"_qs));
        AppDelegate &delegate = *shell.delegate;
        const QDateTime first(QDate(2026, 1, 10), QTime(12, 0));
        QVERIFY(!delegate.rateSchedule(first));
        QCOMPARE(Preferences::lastRateAlertShowDate.stored(shell.preferences), first);
        QVERIFY(!delegate.rateSchedule(first.addSecs(3 * 86400 - 3600)));
        QVERIFY(delegate.rateSchedule(first.addDays(3)));

        Preferences::lastRateAlertShowDate.set(shell.preferences, first.addDays(3)); // "No"
        QVERIFY(!delegate.rateSchedule(first.addDays(3).addSecs(23 * 3600)));
        QVERIFY(delegate.rateSchedule(first.addDays(4)));
        Preferences::rateDone.set(shell.preferences, false); // any value ends it
        QVERIFY(!delegate.rateSchedule(first.addDays(40)));

        shell.preferences.setString(Preferences::firstAppInstallDate.key(), u"x"_qs);
        const QDateTime later = first.addDays(50);
        QVERIFY(!delegate.rateSchedule(later));
        QCOMPARE(Preferences::firstAppInstallDate.stored(shell.preferences), later);

        // Without a review page the dates are kept but nothing is shown.
        Shell quiet;
        quiet.make();
        QVERIFY(!quiet.delegate->rateSchedule(first));
        QVERIFY(!quiet.delegate->rateSchedule(first.addDays(5)));
        QVERIFY(Preferences::firstAppInstallDate.isStored(quiet.preferences));
    }

    // Below an icon at the top right, pulled left to fit; above one at the bottom; a pointer in
    // the very corner.
    void popoverStaysOnScreen() {
        const auto place = [](const QRect &anchor) {
            return PopoverPanel::placement({280, 120}, anchor, QRect(0, 0, 1920, 1080));
        };
        QCOMPARE(place({1890, 2, 22, 22}), QPoint(1640, 29));
        QCOMPARE(place({900, 1056, 22, 22}), QPoint(770, 930));
        QCOMPARE(place({0, 1079, 1, 1}), QPoint(0, 953));
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
