#include "app/AppDelegate.h"

#include "app/RequestChannels.h"
#include "core/Action.h"
#include "core/NamedColors.h"
#include "core/Tool.h"
#include "hotkeys/HotKeysController.h"
#include "hotkeys/KeyCombo.h"
#include "overlay/DrawingViewController.h"
#include "overlay/MainWindowController.h"
#include "platform/ApplicationIcon.h"
#include "platform/DiagnosticLog.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/TrayIconWatcher.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"
#include "settings/StoredShortcut.h"
#include "widgets/PopoverPanel.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <optional>

AppDelegate::AppDelegate(const Collaborators &collaborators, QObject *parent)
    : QObject(parent)
    , m_preferences(collaborators.preferences)
    , m_activation(collaborators.activation)
    , m_screens(collaborators.screens)
    , m_notifications(collaborators.notifications)
    , m_requests(collaborators.requests)
    , m_overlay(collaborators.overlay)
    , m_reviewPage(collaborators.reviewPage)
    , m_statusItem(std::make_unique<QSystemTrayIcon>()) {
    connect(&m_activation, &AppActivation::didBecomeActive, this,
            &AppDelegate::applicationDidBecomeActive);
    connect(&m_activation, &AppActivation::didResignActive, this,
            &AppDelegate::applicationDidResignActive);
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::updateToolTip() {
    const DrawingViewController::State state = drawing().state();
    if (state.mode == OverlayMode::pointer)
        //% "Quillory: pointer mode, clicks go to the windows below (click to draw)"
        return m_statusItem->setToolTip(qtTrId("tray.toolTip.pointer"));
    //% "Quillory: %1, %2"
    m_statusItem->setToolTip(
        qtTrId("tray.toolTip").arg(qtTrId(tool(state.tool).nameId), colorName(state.color)));
}

void AppDelegate::applicationDidFinishLaunching() {
    m_overlay.showWindow(this);

    m_statusItem->setIcon(ApplicationIcon::trayIcon());
    // The tooltip names what the next stroke draws with.
    connect(&drawing(), &DrawingViewController::selectionChanged, this,
            &AppDelegate::updateToolTip);
    connect(&drawing(), &DrawingViewController::modeChanged, this, &AppDelegate::updateToolTip);
    updateToolTip();
    connect(m_statusItem.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                statusButtonClicked(reason == QSystemTrayIcon::Context);
            });
    m_statusItem->show();
    // The tray embeds the icon when it is ready, or later when a tray starts: follow it, by
    // its window's events rather than by looking again and again.
    connect(new TrayIconWatcher(this), &TrayIconWatcher::placed, this,
            &AppDelegate::updatePassThrough);
    m_overlay.window()->installEventFilter(this);
    updatePassThrough();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        QLOG("No system tray yet: the icon appears when one starts");

    m_popoverMenu = std::make_unique<PopoverPanel>();
    // The pointer mode's sign names its shortcut once the desktop accepted it.
    connect(&HotKeysController::statusReporter(), &HotKeyStatusReporter::statusChanged, this,
            &AppDelegate::updateWayBack);
    registerStoredShortcuts();
    Q_EMIT startAtLoginCheckRequested();

    if (!Preferences::firstTimeMenu.isStored(m_preferences)) {
        Preferences::firstTimeMenu.set(m_preferences, true);
        QTimer::singleShot(1000, this, [this] { statusButtonClicked(false); });
    }
    rateSchedule(QDateTime::currentDateTime());
}

// --- rating prompt ---

qint64 AppDelegate::daysSince(const QDateTime &date, const QDateTime &now) {
    return date.secsTo(now) / 86400; // truncated toward zero
}

bool AppDelegate::rateSchedule(const QDateTime &now) {
    const std::optional<QDateTime> first = Preferences::firstAppInstallDate.stored(m_preferences);
    if (!first) {
        Preferences::firstAppInstallDate.set(m_preferences, now);
        Preferences::lastRateAlertShowDate.set(m_preferences, now);
        return false;
    }
    if (Preferences::rateDone.isStored(m_preferences) || daysSince(*first, now) < 3)
        return false;
    const std::optional<QDateTime> last = Preferences::lastRateAlertShowDate.stored(m_preferences);
    if (!last || daysSince(*last, now) < 1)
        return false;
    if (m_reviewPage.isEmpty())
        return false; // nowhere to send the user yet
    QTimer::singleShot(0, this, &AppDelegate::showRateusAlert);
    return true;
}

void AppDelegate::showRateusAlert() {
    // Above the overlay, which stays on top of other windows.
    auto *alert = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Quillory"),
        //% "Enjoying Quillory? Spread the word and share with others. Rate us on the app store."
        qtTrId("rateus.message"), QMessageBox::NoButton, m_overlay.window());
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowFlag(Qt::WindowStaysOnTopHint);
    //% "Rate Now"
    QPushButton *rate = alert->addButton(qtTrId("rateus.rate"), QMessageBox::AcceptRole);
    //% "No, thanks!"
    QPushButton *no = alert->addButton(qtTrId("rateus.decline"), QMessageBox::RejectRole);
    alert->setEscapeButton(no);
    connect(rate, &QPushButton::clicked, this, &AppDelegate::btnYesRate);
    connect(no, &QPushButton::clicked, this, &AppDelegate::btnNoCLicked);
    AlertRateus = alert;
    alert->exec();
    Preferences::lastRateAlertShowDate.set(m_preferences, QDateTime::currentDateTime());
}

void AppDelegate::btnYesRate() {
    Preferences::rateDone.set(m_preferences, true);
    if (!QDesktopServices::openUrl(m_reviewPage))
        QLOG("Could not open", m_reviewPage.toString());
    if (AlertRateus)
        AlertRateus->close();
}

void AppDelegate::btnNoCLicked() {
    if (AlertRateus)
        AlertRateus->close();
}

void AppDelegate::applicationDidBecomeActive() {
    m_screens.start();
    updatePassThrough();
}

void AppDelegate::applicationDidResignActive() {
    m_screens.stop();
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_overlay.window() &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move))
        QMetaObject::invokeMethod(this, &AppDelegate::updatePassThrough, Qt::QueuedConnection);
    return false;
}

void AppDelegate::updatePassThrough() {
    // Clicks on the tray icon reach it even while the full-screen overlay is up, and the
    // palette stays off it.
    const QRect icon = m_statusItem->geometry();
    m_overlay.window()->setPassThrough(icon.isValid() ? QRegion(icon) : QRegion());
    drawing().setPaletteKeepClear(icon);
    updateWayBack();
}

void AppDelegate::updateWayBack() {
    QString shortcut;
    if (const std::shared_ptr<HotKey> &hotKey = m_hotKeys[PointerMode]) {
        const HotKeysController::HotKeyBox *box = HotKeysController::box(*hotKey);
        if (box && box->status == noErr)
            shortcut = hotKey->keyCombo().labelText();
    }
    drawing().setWayBack(shortcut, m_statusItem->geometry().isValid());
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
    if (row == PointerMode)
        updateWayBack();
}

void AppDelegate::registerRow(Row row) {
    // A name no key has (a damaged or hand-edited file) registers nothing: taken as the A key
    // it would grab Ctrl+A from every program.
    const Action &action = shortcutAction(row);
    const std::optional<Key> key = keyFromName(StoredShortcut::shortcutKey());
    if (!key) {
        QLOG_ERROR("The shortcut for", actionName(action), "is not registered: no key is named",
                   u'"' + StoredShortcut::shortcutKey() + u'"');
        return setHotKey(row, nullptr);
    }
    const KeyCombo combo(*key, StoredShortcut::shortcutModifiers());
    setHotKey(row, HotKey::create(combo, {}, {}, {actionName(action), shortcutTitle(action)}));
}

void AppDelegate::unregisterRow(Row row) {
    setHotKey(row, nullptr);
}

void AppDelegate::registerStoredShortcuts() {
    for (int i = 0; i < rowCount; ++i) {
        const Preferences::StoredShortcutKeys &keys = Preferences::shortcuts[std::size_t(i)];
        const Preferences::DefaultShortcut *fallback = Preferences::defaultShortcut(i);
        if (fallback && !keys.key.isStored(m_preferences) && !keys.flags.isStored(m_preferences)) {
            keys.key.set(m_preferences, fallback->key);
            keys.flags.set(m_preferences, fallback->flags);
        }
        loadStoredShortcut(keys.key.key(), keys.flags.key(), m_preferences);
        if (StoredShortcut::shortcutModifiers() != 0)
            registerRow(Row(i));
    }
}

void AppDelegate::activateApp() {
    // Pointer mode came meanwhile: the keyboard stays with the other programs.
    if (drawing().mode() != OverlayMode::pointer)
        m_activation.activate();
}

void AppDelegate::activateNowAndAgainSoon() {
    activateApp();
    // Once more a moment later, after the event that asked for it is done with the focus.
    QTimer::singleShot(100, this, &AppDelegate::activateApp);
}

void AppDelegate::performHotKeyAction(Row row) {
    const Action &action = shortcutAction(row);
    QLOG("Hotkey", action.shortcut->name);
    // The mode rows do what their action does from the command line.
    if (row == PointerMode) {
        const bool pointing = m_overlay.isShown() && drawing().mode() == OverlayMode::pointer;
        return setMode(pointing ? OverlayMode::draw : OverlayMode::pointer);
    }
    if (action.toggle)
        return toggle(*action.toggle);
    if (action.kind == Action::Kind::tool)
        return pickTool(*action.tool);
    // Every shortcut but the timer's brings the overlay up.
    if (row != Timer)
        m_overlay.showWindow(this);
    activateNowAndAgainSoon();
    switch (row) {
    case AppActivate:
        break;
    case DesktopTools:
        m_notifications.post(DrawingViewController::updateToolsOnScreenNotification);
        closePopover();
        break;
    case Timer:
        closePopover();
        m_overlay.close();
        Q_EMIT timerRequested();
        break;
    default:
        drawing().pickTool(*action.tool);
        closePopover();
        break;
    }
}

void AppDelegate::pickTool(Shape shape) {
    QLOG("Tool", tool(shape).actionName);
    m_overlay.showWindow(this);
    activateNowAndAgainSoon();
    drawing().pickTool(shape);
    closePopover();
}

void AppDelegate::setMode(OverlayMode mode) {
    if (mode == OverlayMode::pointer) {
        closePopover();
        m_overlay.letPointerThrough();
        return;
    }
    m_overlay.showWindow(this);
    activateNowAndAgainSoon();
}

void AppDelegate::toggle(Toggle toggle) {
    // In front and drawing, as a tool's action leaves it.
    if (toggle != Toggle::fade) {
        m_overlay.showWindow(this);
        activateNowAndAgainSoon();
        closePopover();
    }
    drawing().toggle(toggle);
}

void AppDelegate::turnPage(int step) {
    drawing().turnPage(step);
}

QString AppDelegate::exportDrawings(const QString &path) {
    drawing().model.finishText(); // the text being typed is part of the drawing
    return DrawingExport::write(path, drawing().model.exportSource());
}

QString AppDelegate::openDrawing(const QString &path) {
    QFile file(path);
    QString error;
    std::optional<DrawingDocument> document;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (!(document = DrawingFile::read(file.readAll(), &error)))
        QLOG_ERROR("Cannot open", path + u':', error);
    //% "cannot open %1: %2"
    const QString failed = qtTrId("open.error").arg(QDir::toNativeSeparators(path));
    if (!document)
        return failed.arg(error);
    m_overlay.showWindow(this);
    activateNowAndAgainSoon();
    closePopover();
    if (!drawing().model.open(*document))
        //% "it holds no drawings"
        return failed.arg(qtTrId("open.error.empty"));
    QLOG("Opened", path);
    return {};
}

void AppDelegate::quit() {
    QLOG("Quitting, as the presenter asked");
    Q_EMIT quitRequested();
    QCoreApplication::exit(0);
}

QString AppDelegate::stateReport() {
    const DrawingViewController::State state = drawing().state();
    const auto boolean = [](bool value) { return value ? u"true"_qs : u"false"_qs; };
    // "color" is the palette's; "ink" what the next shape is drawn in (darker on the white
    // board where the colour would not show).
    return uR"({"visible":%1,"mode":"%2","tool":"%3","color":"%4","ink":"%5","width":%6,)"
           uR"("surface":"%7","fade":%8,"spotlight":%9,"zoom":%10,"zoomPending":%11,)"
           uR"("output":"%12","page":%13,"pages":%14})"_qs.arg(
               boolean(m_overlay.isShown()), modeName(state.mode),
               QLatin1String(tool(state.tool).actionName), state.color.name().toUpper(),
               state.ink.name().toUpper(), QString::number(state.width), surfaceName(state.surface),
               boolean(state.fade), boolean(state.spotlight), QString::number(state.zoomFactor),
               boolean(state.zoomPending), m_overlay.outputName(), QString::number(state.page + 1),
               QString::number(state.pages));
}

DrawingViewController &AppDelegate::drawing() {
    return m_overlay.contentViewController();
}

void AppDelegate::statusButtonClicked(bool rightClick) {
    if (!rightClick) {
        m_overlay.showWindow(this);
        activateNowAndAgainSoon();
    }
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
    m_requests.saveScreenshotRequest.notify();
}

void AppDelegate::copyButtonPressed(QObject *) {
    m_requests.copyScreenshotRequest.notify();
}

void AppDelegate::helpPressed(QObject *) {
    // No help address is configured yet; the overlay's help panel lists the keys.
    QLOG("Help was asked for; there is no help page to open");
}
