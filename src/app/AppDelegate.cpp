#include "app/AppDelegate.h"

#include "app/PopoverPanel.h"
#include "app/RequestChannels.h"
#include "drawing/DrawingViewController.h"
#include "drawing/MainWindowController.h"
#include "hotkeys/KeyCombo.h"
#include "platform/AppActivation.h"
#include "platform/DiagnosticLog.h"
#include "platform/NotificationCenter.h"
#include "screens/ScreenDaemon.h"
#include "settings/PreferenceStore.h"
#include "settings/StoredShortcut.h"

#include <QIcon>
#include <QTimer>

namespace {
QPointer<AppDelegate> instance;

const char *const kRowNames[] = {"AppActivate", "DesktopTools", "Line",  "Arrow",
                                 "Rectangle",   "Circle",       "Timer", "StrightLine"};
// The palette index each tool row selects (pen, line, arrow, rect, circle).
int paletteIndex(AppDelegate::Row row) {
    switch (row) {
    case AppDelegate::Line:
        return 0;
    case AppDelegate::StrightLine:
        return 1;
    case AppDelegate::Arrow:
        return 2;
    case AppDelegate::Rectangle:
        return 3;
    case AppDelegate::Circle:
        return 4;
    default:
        return -1;
    }
}
} // namespace

QString AppDelegate::keyKey(Row row) {
    return QStringLiteral("ud_%1Key").arg(QLatin1String(kRowNames[row]));
}

QString AppDelegate::flagKey(Row row) {
    return QStringLiteral("ud_%1Flag").arg(QLatin1String(kRowNames[row]));
}

AppDelegate::AppDelegate(PreferenceStore &preferences, MainWindowController &overlay,
                         QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_overlay(overlay)
    , m_statusItem(std::make_unique<QSystemTrayIcon>()) {
    instance = this;
    AppActivation &activation = AppActivation::shared();
    connect(&activation, &AppActivation::didBecomeActive, this,
            &AppDelegate::applicationDidBecomeActive);
    connect(&activation, &AppActivation::didResignActive, this,
            &AppDelegate::applicationDidResignActive);
}

AppDelegate::~AppDelegate() = default;

AppDelegate *AppDelegate::appDelegate() {
    return instance;
}

void AppDelegate::applicationDidFinishLaunching() {
    becomeNotificationDelegate();
    m_overlay.showWindow(this);

    m_statusItem->setIcon(QIcon(QStringLiteral(":/icons/statusbar-icon.svg")));
    m_statusItem->setToolTip(QStringLiteral("Quillory"));
    connect(m_statusItem.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                statusButtonClicked(reason == QSystemTrayIcon::Context);
            });
    m_statusItem->show();
    // The tray embeds the icon when it is ready, or later when a tray starts: follow it.
    auto *follow = new QTimer(this);
    connect(follow, &QTimer::timeout, this, &AppDelegate::updatePassThrough);
    follow->start(1000);
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        QLOG("No system tray yet: the icon appears when one starts");

    m_popoverMenu = std::make_unique<PopoverPanel>();
    registerStoredShortcuts();
    runRatingSchedule();
    applyStartAtLogin();

    if (!m_preferences.contains(QStringLiteral("FirstTimeMenu"))) {
        m_preferences.setBool(QStringLiteral("FirstTimeMenu"), true);
        QTimer::singleShot(1000, this, [this] { statusButtonClicked(false); });
    }
}

void AppDelegate::applicationDidBecomeActive() {
    ScreenDaemon::shared().start();
    updatePassThrough();
}

void AppDelegate::updatePassThrough() {
    // Clicks on the tray icon reach it even while the full-screen overlay is up.
    const QRect icon = m_statusItem->geometry();
    m_overlay.window()->setPassThrough(icon.isValid() ? QRegion(icon) : QRegion());
}

void AppDelegate::applicationDidResignActive() {
    ScreenDaemon::shared().stop();
}

// Desktop notifications and the rating prompt arrive with their own subsystem.
void AppDelegate::becomeNotificationDelegate() {}

void AppDelegate::runRatingSchedule() {}

void AppDelegate::applyStartAtLogin() {
    const bool startAtLogin =
        m_preferences.boolean(QStringLiteral("LoginStartStatus")).value_or(false);
    QLOG("Start at login is", startAtLogin ? "on" : "off", "(the login item comes later)");
}

void AppDelegate::setHotKey(Row row, std::shared_ptr<HotKey> hotKey) {
    if (hotKey) {
        QPointer<AppDelegate> self(this);
        hotKey->setKeyDownHandler([self, row] {
            if (self)
                self->performHotKeyAction(row);
        });
    }
    // The new hotkey is registered already; the old one unregisters as it goes.
    std::shared_ptr<HotKey> old = std::exchange(m_hotKeys[row], std::move(hotKey));
    old.reset();
}

void AppDelegate::registerRow(Row row) {
    const KeyCombo combo(StoredShortcut::shortcutKey(), StoredShortcut::shortcutModifiers());
    setHotKey(row, HotKey::create(combo));
}

void AppDelegate::unregisterRow(Row row) {
    setHotKey(row, nullptr);
}

void AppDelegate::registerStoredShortcuts() {
    for (int i = 0; i < rowCount; ++i) {
        const auto row = Row(i);
        loadStoredShortcut(keyKey(row), flagKey(row), m_preferences);
        if (StoredShortcut::shortcutModifiers() != 0)
            registerRow(row);
    }
}

void AppDelegate::activateIgnoringOtherApps() {
    m_overlay.showWindow(this);
}

void AppDelegate::activateApp() {
    activateIgnoringOtherApps();
}

void AppDelegate::activateNowAndAgainSoon() {
    activateIgnoringOtherApps();
    // Once more a moment later, after the event that asked for it is done with the focus.
    QTimer::singleShot(100, this, &AppDelegate::activateApp);
}

void AppDelegate::performHotKeyAction(Row row) {
    QLOG("Hotkey", kRowNames[row]);
    activateNowAndAgainSoon();
    switch (row) {
    case AppActivate:
        break;
    case DesktopTools:
        NotificationCenter::defaultCenter().post(QStringLiteral("UpdateToolsOnScreen"));
        closePopover();
        break;
    case Timer:
        if (showTimer)
            showTimer();
        else
            QLOG("The timer is not available yet");
        closePopover();
        break;
    default:
        if (DrawingViewController *controller = DrawingViewController::current)
            controller->model.shapeKeyboardKeyHandler.notify(paletteIndex(row));
        closePopover();
        break;
    }
}

void AppDelegate::statusButtonClicked(bool rightClick) {
    if (!rightClick)
        activateNowAndAgainSoon();
    if (m_popoverMenu)
        m_popoverMenu->showRelativeTo(m_statusItem->geometry());
}

void AppDelegate::closePopover() {
    if (m_popoverMenu)
        m_popoverMenu->closePopover();
}

void AppDelegate::showQuillory(QObject *) {
    m_overlay.showWindow(this);
}

void AppDelegate::saveButtonPressed(QObject *) {
    RequestChannels::saveScreenshotRequest().notify();
}

void AppDelegate::copyButtonPressed(QObject *) {
    RequestChannels::copyScreenshotRequest().notify();
}

void AppDelegate::helpPressed(QObject *) {
    // No help address is configured yet; the overlay's help panel lists the keys.
    QLOG("Help was asked for; there is no help page to open");
}
