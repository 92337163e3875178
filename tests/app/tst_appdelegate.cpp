#include "app/AppDelegate.h"
#include "app/CustomApplication.h"
#include "app/PopoverPanel.h"
#include "app/RequestChannels.h"
#include "drawing/MainWindowController.h"
#include "hotkeys/HotKeysController.h"
#include "platform/AppActivation.h"
#include "platform/InMemoryHotKeyBackend.h"
#include "platform/Localization.h"
#include "screens/ScreenDaemon.h"
#include "settings/PreferenceStore.h"
#include "settings/StoredShortcut.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr quint32 kKeyD = 2, kKeyA = 0, kKeyT = 17;

std::shared_ptr<InMemoryHotKeyBackend> backend;

struct Shell {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + QStringLiteral("/preferences.plist")};
    ScreenDaemon screens;
    DrawingHooks hooks;
    std::unique_ptr<MainWindowController> overlay;
    std::unique_ptr<AppDelegate> delegate;

    void store(AppDelegate::Row row, const QString &key, const QList<qint64> &codes) {
        preferences.setString(AppDelegate::keyKey(row), key);
        preferences.setIntegerArray(AppDelegate::flagKey(row), codes);
    }
    void launch() {
        overlay = std::make_unique<MainWindowController>(preferences, screens, hooks);
        delegate = std::make_unique<AppDelegate>(preferences, *overlay);
        delegate->applicationDidFinishLaunching();
    }
    ~Shell() {
        delegate.reset();
        AppActivation::shared().hide();
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

    void storedShortcutsRegisterInTableOrder() {
        Shell shell;
        shell.store(AppDelegate::Arrow, QStringLiteral("a"), {11, 13});
        shell.store(AppDelegate::AppActivate, QStringLiteral("D"), {14, 11});
        shell.store(AppDelegate::Line, QStringLiteral("l"), {}); // empty: not registered
        shell.preferences.setString(AppDelegate::flagKey(AppDelegate::Timer), QStringLiteral("x"));
        shell.launch();
        QVERIFY(shell.delegate->hotKeyAppActivateShortcut());
        QVERIFY(shell.delegate->hotKeyArrowShortcut());
        QVERIFY(!shell.delegate->hotKeyLineShortcut());
        QVERIFY(!shell.delegate->hotKeyTimerShortcut());
        const auto activate = backend->registration(kKeyD, CarbonCommand | CarbonShift);
        const auto arrow = backend->registration(kKeyA, CarbonCommand | CarbonOption);
        QVERIFY(activate && arrow);
        QVERIFY(activate->hotKeyID.id < arrow->hotKeyID.id); // row 1 before row 4
        QCOMPARE(backend->registrations().size(), 2);
        QCOMPARE(shell.preferences.boolean(QStringLiteral("FirstTimeMenu")), true);
    }

    void hotkeysRunTheirRowsActions() {
        Shell shell;
        shell.store(AppDelegate::Arrow, QStringLiteral("a"), {11, 13});
        shell.store(AppDelegate::DesktopTools, QStringLiteral("t"), {11, 14});
        shell.preferences.setBool(QStringLiteral("FirstTimeMenu"), true);
        shell.launch();
        AppActivation::shared().hide();
        QVERIFY(!shell.overlay->window()->isVisible());
        backend->pressCombination(kKeyA, CarbonCommand | CarbonOption);
        QVERIFY(shell.overlay->window()->isVisible()); // activated
        QCOMPARE(shell.overlay->contentViewController().model.selectedShape, Shape::arrow);
        QVERIFY(!shell.overlay->contentViewController().view()->toolsVisible());
        backend->pressCombination(kKeyT, CarbonCommand | CarbonShift);
        QVERIFY(shell.overlay->contentViewController().view()->toolsVisible());
        QCOMPARE(shell.preferences.boolean(QStringLiteral("UpdateToolsOnScreen")), true);
    }

    void reRegisteringReplacesTheRowsHotkey() {
        Shell shell;
        shell.preferences.setBool(QStringLiteral("FirstTimeMenu"), true);
        shell.launch();
        StoredShortcut::shortcutKey() = QStringLiteral("d");
        StoredShortcut::shortcutModifiers() = ModifierCommand | ModifierShift;
        shell.delegate->register_AppActivate();
        QVERIFY(backend->registration(kKeyD, CarbonCommand | CarbonShift));
        StoredShortcut::shortcutKey() = QStringLiteral("t");
        shell.delegate->register_AppActivate();
        QVERIFY(!backend->registration(kKeyD, CarbonCommand | CarbonShift)); // released
        QVERIFY(backend->registration(kKeyT, CarbonCommand | CarbonShift));
        shell.delegate->unRegister_AppActivate();
        QVERIFY(!shell.delegate->hotKeyAppActivateShortcut());
        QCOMPARE(backend->registrations().size(), 0);
    }

    void firstLaunchOpensThePanelOnceAndClicksFollowTheButtons() {
        Shell shell;
        shell.launch();
        QTRY_VERIFY_WITH_TIMEOUT(shell.delegate->popoverMenu()->isVisible(), 3000);
        shell.delegate->closePopover();

        AppActivation::shared().hide();
        shell.delegate->statusButtonClicked(true); // right click: the panel, no activation
        QVERIFY(shell.delegate->popoverMenu()->isVisible());
        QVERIFY(!shell.overlay->window()->isVisible());
        shell.delegate->closePopover();
        shell.delegate->statusButtonClicked(false); // left click: both
        QVERIFY(shell.delegate->popoverMenu()->isVisible());
        QVERIFY(shell.overlay->window()->isVisible());
    }

    void popoverStaysOnScreen() {
        const QRect available(0, 0, 1920, 1080);
        // Below an icon at the top right, pulled left to fit.
        QCOMPARE(PopoverPanel::placement({280, 120}, QRect(1890, 2, 22, 22), available),
                 QPoint(1640, 29));
        // Above an icon at the bottom.
        QCOMPARE(PopoverPanel::placement({280, 120}, QRect(900, 1056, 22, 22), available),
                 QPoint(770, 930));
        // A pointer at the very corner.
        QCOMPARE(PopoverPanel::placement({280, 120}, QRect(0, 1079, 1, 1), available),
                 QPoint(0, 953));
    }

    void ctrlCIsTheCopyCommand() {
        QObject observer;
        int copies = 0;
        RequestChannels::copyScreenshotRequest().watch(&observer, [&] { ++copies; });
        QKeyEvent ctrlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, 54, 0, 0);
        QKeyEvent ctrlShiftC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier,
                             54, 0, 0);
        QKeyEvent plainC(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, 54, 0, 0);
        QVERIFY(CustomApplication::isCopyCommand(&ctrlC));
        QVERIFY(!CustomApplication::isCopyCommand(&ctrlShiftC));
        QVERIFY(!CustomApplication::isCopyCommand(&plainC));

        // Once per key press, however many widgets it passes through.
        Shell shell;
        shell.preferences.setBool(QStringLiteral("FirstTimeMenu"), true);
        shell.launch();
        QVERIFY(QTest::qWaitForWindowExposed(shell.overlay->window()));
        QTest::keyClick(shell.overlay->window()->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copies, 1);
    }
};

int main(int argc, char *argv[]) {
    CustomApplication app(argc, argv);
    TestAppDelegate test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appdelegate.moc"
