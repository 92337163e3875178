#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/CustomApplication.h"
#include "app/NotificationDelegate.h"
#include "app/PreferencesWriteNotice.h"
#include "app/RequestChannels.h"
#include "cursor/CursorWindowController.h"
#include "drawing/DrawingHooks.h"
#include "help/InfoView.h"
#include "hotkeys/HotKeysController.h"
#include "menu/MenuViewController.h"
#include "overlay/DrawingView.h"
#include "overlay/MainWindowController.h"
#include "platform/ApplicationIcon.h"
#include "platform/BackendLoader.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/QuitSignals.h"
#include "platform/Session.h"
#include "platform/dbus/ColorScheme.h"
#include "platform/dbus/InstanceChannel.h"
#include "platform/dbus/ScreenshotPortal.h"
#include "platform/dbus/UserNotifications.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/PointerWatcher.h"
#include "preferences/LaunchOnStartup.h"
#include "preferences/PreferencesWindowController.h"
#include "screens/ScreenDaemon.h"
#include "screenshots/Screenshotter.h"
#include "settings/PreferenceStore.h"
#include "settings/Preferences.h"
#include "timer/TimerWindowController.h"
#include "widgets/PopoverPanel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QShortcut>
#include <QWindow>

#include <memory>
#include <utility>

// The composition root: creates the controllers of every layer, hands each what it works
// with, and wires the channels that lower layers own to the code of the higher ones.
int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLORY_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    // The application id: the desktop entry, the icon and the name on the session bus.
    QApplication::setDesktopFileName(InstanceChannel::serviceName);
    if (CommandLine::wantsRemote(argc, argv))
        return CommandLine::runRemote(argc, argv);

    Session::StartupVariable platform;
    const QString platformChoice = Session::choosePlatform(platform);
    QApplication::setQuitOnLastWindowClosed(false);
    RequestChannels requests;
    Session::SocketPaints socketPaints;
    CustomApplication app(argc, argv, requests.copyScreenshotRequest);
    socketPaints.undo();
    platform.undo();
    Localization::install();
    QCommandLineParser parser;
    CommandLine::describe(parser);
    parser.process(app);
    QLOG(platformChoice);

    // One Quillory per session: a second launch hands over before it makes a window, a grab
    // or a file. Actions arrive from the event loop, once everything below exists.
    InstanceChannel::Lookup perform;
    InstanceChannel channel;
    if (channel.listen([&perform](const QString &action) {
            return perform ? perform(action) : nullptr;
        }) == InstanceChannel::Listen::alreadyRunning) {
        QString message;
        if (InstanceChannel::send(QStringLiteral("activate"), &message) ==
            InstanceChannel::Result::done) {
            QLOG("Quillory is already running; brought it to the front");
            return 0;
        }
        CommandLine::printError(message);
        return 1;
    }

    // Logging out (SIGTERM) ends Quillory through the event loop, as quitting does.
    QuitSignals quitSignals;
    QApplication::setWindowIcon(ApplicationIcon::icon());
    // The panel and dialogs follow the desktop's light or dark preference.
    ColorScheme colorScheme;
    PreferenceStore preferences(PreferenceStore::standardFilePath());
    AppActivation activation;
    ScreenDaemon screens([&activation] { return activation.isActive(); });
    CompositorWatcher compositor;
    NotificationCenter notifications;
    HotKeysController::setBackend(BackendLoader::hotKeyBackend());
    // The key grabs go while the X connection is still open: after the controllers that hold
    // hotkeys, before the application object.
    struct ReleaseHotKeyBackend {
        ~ReleaseHotKeyBackend() { HotKeysController::setBackend(nullptr); }
    } releaseHotKeyBackend;

    UserNotifications userNotifications;
    NotificationDelegate notificationDelegate(userNotifications,
                                              requests.screenshotNotificationActivated);
    announceFailedPreferenceWrites(preferences, userNotifications, &app);
    const std::unique_ptr<ScreenshotPortal> portal = BackendLoader::screenshotBackend();
    Screenshotter screenshotter(
        {preferences, userNotifications, requests.screenshotNotificationActivated, portal.get()});

    DrawingHooks hooks;
    hooks.screenChanged = &screens.screenChanged;
    hooks.configureForScreenshotHandler = &screenshotter.configureForScreenshotHandler;
    hooks.saveScreenshot = [&screenshotter](QScreen *screen) {
        screenshotter.saveScreenshot(screen);
    };
    hooks.copyScreenshot = [&screenshotter](QScreen *screen) {
        screenshotter.copyScreenshot(screen);
    };
    hooks.saveScreenshotRequest = &requests.saveScreenshotRequest;
    hooks.copyScreenshotRequest = &requests.copyScreenshotRequest;
    hooks.hideApplication = [&activation] { activation.hide(); };

    MainWindowController overlay({preferences, screens, compositor, notifications, hooks},
                                 activation);
    // The countdown closes the overlay while it shows and brings it back when it ends.
    TimerWindowController timerWindow(
        {preferences, activation, [&overlay] { overlay.showWindow(); }});
    AppDelegate delegate({preferences, activation, screens, notifications, requests, overlay,
                          QUrl(QStringLiteral(QUILLORY_REVIEW_PAGE)),
                          [&timerWindow] { timerWindow.showWindow(); },
                          [&preferences] { LaunchOnStartup::followEntry(preferences); }});
    // Set here, not handed over when made: the screenshotter is made before the overlay, whose
    // save and copy keys need it; the application object before any window; the overlay
    // before the delegate that owns the panel it closes.
    screenshotter.dialogParent = [&overlay] { return overlay.window(); };
    app.copyWindow = [&overlay]() -> const QWindow * {
        return overlay.window() ? overlay.window()->windowHandle() : nullptr;
    };
    // Without a compositor the grab shows the desktop without the overlay; its own picture
    // goes over it.
    screenshotter.overlayImage = [&overlay](QScreen *screen) {
        DrawingView *view = overlay.contentViewController().view();
        if (!view || !view->isShaped() || !view->isVisible() || view->screen() != screen)
            return QImage();
        return view->overlayImage();
    };
    hooks.closePopover = [&delegate] { delegate.closePopover(); };

    // The help card shows where screenshots go and lets the user pick another folder.
    InfoViewSources infoSources;
    infoSources.screenshotLocation = [&screenshotter] {
        return screenshotter.screenshotLocation().toLocalFile();
    };
    infoSources.pickLocation = [&screenshotter] { screenshotter.pickLocation(); };
    infoSources.displayPath = [](const QString &path) {
        return Screenshotter::displayPath(QUrl::fromLocalFile(path));
    };
    infoSources.screenshotLocationChangedHandler = &screenshotter.screenshotLocationChangedHandler;
    infoSources.projectPage = QUrl(QStringLiteral(QUILLORY_PROJECT_PAGE));
    auto *infoView = new InfoView(std::move(infoSources));
    overlay.contentViewController().view()->setInfoView(infoView);
    infoView->setOpaque(!compositor.isRunning());
    QObject::connect(&compositor, &CompositorWatcher::runningChanged, infoView,
                     [infoView](bool running) { infoView->setOpaque(!running); });

    // The cursor highlight stays when Quillory hides and when the overlay closes: it is
    // switched on and off only by its preference.
    PointerWatcher pointer;
    CursorWindowController cursorHighlight(pointer, compositor);
    activation.keepShown(cursorHighlight.window());
    screenshotter.configureForScreenshotHandler.watch(
        &cursorHighlight,
        [&cursorHighlight](const bool &capturing) { cursorHighlight.stepAside(capturing); });

    // The preferences window is made when it is first asked for.
    std::unique_ptr<PreferencesWindowController> preferencesWindow;
    const auto setCursorHighlight = [&cursorHighlight, &preferences, &preferencesWindow](bool on) {
        Preferences::cursorHighlight.set(preferences, on);
        if (on)
            cursorHighlight.showWindow();
        else
            cursorHighlight.close();
        if (preferencesWindow)
            preferencesWindow->general()->showCursorHighlight(on);
    };
    const auto showPreferences = [&preferencesWindow, &preferences, &screenshotter,
                                  &setCursorHighlight] {
        if (!preferencesWindow) {
            preferencesWindow = std::make_unique<PreferencesWindowController>(
                preferences, GeneralPreferencesVC::Folder{
                                 [&screenshotter] { return screenshotter.screenshotLocation(); },
                                 [&screenshotter] { return screenshotter.pickLocation(); },
                                 &Screenshotter::displayPath});
            preferencesWindow->general()->setCursorHighlight = setCursorHighlight;
        }
        preferencesWindow->showWindow();
    };

    // The commands an application menu would carry, as keys while Quillory is active.
    QShortcut save(QKeySequence(QStringLiteral("Ctrl+S")), overlay.window());
    save.setContext(Qt::ApplicationShortcut);
    QObject::connect(&save, &QShortcut::activated, &delegate,
                     [&delegate] { delegate.saveButtonPressed(); });
    QShortcut help(QKeySequence(Qt::Key_F1), overlay.window());
    help.setContext(Qt::ApplicationShortcut);
    QObject::connect(&help, &QShortcut::activated, &delegate,
                     [&delegate] { delegate.helpPressed(); });

    perform = CommandLine::remoteActions(delegate, [&preferences, &setCursorHighlight] {
        setCursorHighlight(!Preferences::cursorHighlight.value(preferences));
    });

    delegate.applicationDidFinishLaunching();
    delegate.popoverMenu()->setContent(
        new MenuViewController({preferences, delegate, notifications, showPreferences}));
    // Over the overlay, which the launch may have shown.
    if (Preferences::cursorHighlight.value(preferences))
        cursorHighlight.showWindow();
    QLOG("Quillory started");
    return app.exec();
}
