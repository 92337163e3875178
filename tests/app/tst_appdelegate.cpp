#include "app/AppDelegate.h"
#include "app/CustomApplication.h"
#include "app/PopoverPanel.h"
#include "app/RequestChannels.h"
#include "drawing/MainWindowController.h"
#include "hotkeys/HotKeysController.h"
#include "platform/AppActivation.h"
#include "platform/CompositorWatcher.h"
#include "platform/InMemoryHotKeyBackend.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"
#include "settings/StoredShortcut.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr quint32 kKeyD = 2, kKeyA = 0, kKeyT = 17;

std::shared_ptr<InMemoryHotKeyBackend> backend;
Handler<Nothing> *copyRequests = nullptr;

// The application as main puts it together, on the offscreen platform.
struct Shell {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + QStringLiteral("/preferences.plist")};
    AppActivation activation;
    ScreenDaemon screens{[this] { return activation.isActive(); }};
    CompositorWatcher compositor;
    NotificationCenter notifications;
    RequestChannels requests;
    DrawingHooks hooks;
    std::unique_ptr<MainWindowController> overlay;
    std::unique_ptr<AppDelegate> delegate;

    explicit Shell(bool firstRun = false) {
        if (!firstRun)
            Preferences::firstTimeMenu.set(preferences, true);
    }
    void store(AppDelegate::Row row, const QString &key, const QList<qint64> &codes) {
        Preferences::shortcuts[row].key.set(preferences, key);
        Preferences::shortcuts[row].flags.set(preferences, codes);
    }
    void launch() {
        hooks.hideApplication = [this] { activation.hide(); };
        overlay = std::make_unique<MainWindowController>(
            OverlayServices{preferences, screens, compositor, notifications, hooks}, activation);
        delegate = std::make_unique<AppDelegate>(AppDelegate::Collaborators{
            preferences, activation, screens, notifications, requests, *overlay});
        delegate->applicationDidFinishLaunching();
    }
    bool overlayShown() const { return overlay->window()->isVisible(); }
    bool panelShown() const { return delegate->popoverMenu()->isVisible(); }
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

    void storedShortcutsRegisterInRowOrder() {
        Shell shell(true);
        shell.store(AppDelegate::Arrow, QStringLiteral("a"), {11, 13});
        shell.store(AppDelegate::AppActivate, QStringLiteral("D"), {14, 11});
        shell.store(AppDelegate::Line, QStringLiteral("l"), {}); // no modifiers: off
        shell.preferences.setString(Preferences::shortcuts[AppDelegate::Timer].flags.key(),
                                    QStringLiteral("x")); // another type: off
        shell.launch();
        QVERIFY(shell.delegate->hotKeyAppActivateShortcut() &&
                shell.delegate->hotKeyArrowShortcut());
        QVERIFY(!shell.delegate->hotKeyLineShortcut() && !shell.delegate->hotKeyTimerShortcut());
        const auto activate = backend->registration(kKeyD, CarbonCommand | CarbonShift);
        const auto arrow = backend->registration(kKeyA, CarbonCommand | CarbonOption);
        QVERIFY(activate && arrow);
        QVERIFY(activate->hotKeyID.id < arrow->hotKeyID.id); // row 1 before row 4
        QCOMPARE(backend->registrations().size(), 2);
        // The first run opens the panel by itself and remembers it did.
        QCOMPARE(Preferences::firstTimeMenu.stored(shell.preferences), true);
        QTRY_VERIFY_WITH_TIMEOUT(shell.panelShown(), 3000);
    }

    // Activating makes Quillory the active application; only some actions show the overlay.
    void activationShowsNoWindowByItself() {
        Shell shell;
        shell.store(AppDelegate::Arrow, QStringLiteral("a"), {11, 13});
        shell.store(AppDelegate::DesktopTools, QStringLiteral("t"), {11, 14});
        shell.launch();
        QVERIFY(shell.overlayShown());
        shell.activation.hide();
        QVERIFY(!shell.activation.isActive());
        shell.delegate->activateApp();
        QVERIFY(shell.activation.isActive());
        QVERIFY(!shell.overlayShown());

        backend->pressCombination(kKeyA, CarbonCommand | CarbonOption);
        QVERIFY(shell.overlayShown());
        QCOMPARE(shell.overlay->contentViewController().model.selectedShape, Shape::arrow);
        backend->pressCombination(kKeyT, CarbonCommand | CarbonShift);
        QVERIFY(shell.overlay->contentViewController().view()->toolsVisible());

        // The timer row puts the timer up instead, and the activation that follows it a moment
        // later leaves the overlay closed.
        int timers = 0;
        shell.delegate->showTimer = [&timers] { ++timers; };
        shell.delegate->performHotKeyAction(AppDelegate::Timer);
        QCOMPARE(timers, 1);
        QVERIFY(!shell.overlayShown());
        QTest::qWait(250);
        QVERIFY(!shell.overlayShown());

        shell.activation.hide();
        shell.delegate->statusButtonClicked(true); // right click: the panel only
        QVERIFY(shell.panelShown() && !shell.overlayShown());
        shell.delegate->closePopover();
        shell.delegate->statusButtonClicked(false); // left click: both
        QVERIFY(shell.panelShown() && shell.overlayShown());
        shell.activation.hide();
    }

    void reRegisteringReplacesTheRowsHotkey() {
        Shell shell;
        shell.launch();
        StoredShortcut::shortcutKey() = QStringLiteral("d");
        StoredShortcut::shortcutModifiers() = ModifierCommand | ModifierShift;
        shell.delegate->register_AppActivate();
        shell.delegate->register_AppActivate(); // the same combination again
        QCOMPARE(backend->registrations().size(), 1);
        StoredShortcut::shortcutKey() = QStringLiteral("t");
        shell.delegate->register_AppActivate();
        QVERIFY(!backend->registration(kKeyD, CarbonCommand | CarbonShift)); // released
        QVERIFY(backend->registration(kKeyT, CarbonCommand | CarbonShift));
        shell.delegate->unRegister_AppActivate();
        QCOMPARE(backend->registrations().size(), 0);
    }

    void popoverStaysOnScreen() {
        const QRect available(0, 0, 1920, 1080);
        // Below an icon at the top right, pulled left to fit; above one at the bottom; a
        // pointer in the very corner.
        QCOMPARE(PopoverPanel::placement({280, 120}, QRect(1890, 2, 22, 22), available),
                 QPoint(1640, 29));
        QCOMPARE(PopoverPanel::placement({280, 120}, QRect(900, 1056, 22, 22), available),
                 QPoint(770, 930));
        QCOMPARE(PopoverPanel::placement({280, 120}, QRect(0, 1079, 1, 1), available),
                 QPoint(0, 953));
    }

    void ctrlCIsTheCopyCommandOncePerPress() {
        QKeyEvent ctrlShiftC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier,
                             54, 0, 0);
        QVERIFY(!CustomApplication::isCopyCommand(&ctrlShiftC));
        Shell shell;
        QObject observer;
        int copies = 0;
        copyRequests->watch(&observer, [&] { ++copies; });
        shell.launch();
        QVERIFY(QTest::qWaitForWindowExposed(shell.overlay->window()));
        QTest::keyClick(shell.overlay->window()->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copies, 1); // however many widgets the key passes through
        QTest::keyClick(shell.overlay->window()->windowHandle(), Qt::Key_C);
        QCOMPARE(copies, 1);
    }
};

int main(int argc, char *argv[]) {
    Handler<Nothing> requests;
    copyRequests = &requests;
    CustomApplication app(argc, argv, requests);
    TestAppDelegate test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appdelegate.moc"
