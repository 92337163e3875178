#include "app/AppDelegate.h"
#include "app/CustomApplication.h"
#include "app/NotificationDelegate.h"
#include "app/RequestChannels.h"
#include "core/Tool.h"
#include "cursor/CursorWindowController.h"
#include "drawing/DrawingHooks.h"
#include "help/InfoView.h"
#include "hotkeys/HotKeysController.h"
#include "menu/MenuViewController.h"
#include "overlay/DrawingView.h"
#include "overlay/MainWindowController.h"
#include "platform/ApplicationIcon.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/QuitSignals.h"
#include "platform/Session.h"
#include "platform/dbus/ColorScheme.h"
#include "platform/dbus/InstanceChannel.h"
#include "platform/dbus/KGlobalAccelHotKeyBackend.h"
#include "platform/dbus/PortalHotKeyBackend.h"
#include "platform/dbus/ScreenshotPortal.h"
#include "platform/dbus/UserNotifications.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/PointerWatcher.h"
#include "platform/x11/X11HotKeyBackend.h"
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

#include <cstdio>
#include <memory>
#include <utility>

namespace {

// The actions a second launch or `quillory --action NAME` may ask for, each with the id of
// its line in --help (which may name it: %1); the tools' names come from the tool table.
const QList<std::pair<QString, const char *>> kActionHelp = [] {
    QList<std::pair<QString, const char *>> actions{
        {AppDelegate::actionName(AppDelegate::AppActivate),
         //% "show the overlay on the screen under the pointer"
         QT_TRID_NOOP("cli.action.activate")},
        {AppDelegate::actionName(AppDelegate::DesktopTools), //% "show or hide the tool palette"
         QT_TRID_NOOP("cli.action.toggleTools")}};
    for (const Tool &row : tools())
        actions.append({QLatin1String(row.actionName), //% "pick the %1 tool and show the overlay"
                        QT_TRID_NOOP("cli.action.tool")});
    actions.append({{AppDelegate::actionName(AppDelegate::Timer),
                     //% "start the full-screen presentation countdown"
                     QT_TRID_NOOP("cli.action.timer")},
                    {u"save"_qs, //% "save a screenshot of the annotated screen as a PNG file"
                     QT_TRID_NOOP("cli.action.save")},
                    {u"copy"_qs, //% "copy a screenshot of the annotated screen to the clipboard"
                     QT_TRID_NOOP("cli.action.copy")},
                    {u"highlight"_qs, //% "switch the cursor highlight on or off"
                     QT_TRID_NOOP("cli.action.highlight")},
                    {u"quit"_qs, //% "end Quillory"
                     QT_TRID_NOOP("cli.action.quit")}});
    return actions;
}();

const QStringList kActions = [] {
    QStringList names;
    for (const auto &[name, helpId] : kActionHelp)
        names << name;
    return names;
}();

void describe(QCommandLineParser &parser) {
    //% "Draw on the screen while you present.\n\n"
    //% "With --action NAME, sends one action to the running Quillory and exits:"
    QString text = qtTrId("cli.description.head") + u'\n';
    for (const auto &[name, helpId] : kActionHelp) {
        QString help = qtTrId(helpId);
        if (help.contains(u"%1"))
            help = help.arg(name);
        text += u"  %1  %2\n"_qs.arg(name, -12).arg(help);
    }
    //% "Bind these to your desktop's own shortcuts where X11 key grabs do not reach "
    //% "(Wayland sessions)."
    text += qtTrId("cli.description.tail");
    parser.setApplicationDescription(text);
    parser.addHelpOption();
    parser.addVersionOption();
    //% "Send an action to the running Quillory."
    parser.addOption({QStringLiteral("action"), qtTrId("cli.option.action"),
                      //% "name"
                      qtTrId("cli.option.action.value")});
}

// X11 sessions grab keys; a Wayland session asks the desktop's shortcut service, where it has
// one. Without any, the panel says how to bind `quillory --action NAME` instead.
std::shared_ptr<HotKeyBackend> chooseHotKeyBackend() {
    std::shared_ptr<HotKeyBackend> backend;
    QString name;
    if (!Session::isWayland()) {
        backend = X11HotKeyBackend::create();
        name = u"X11 key grabs"_qs;
    } else if ((backend = PortalHotKeyBackend::create())) {
        name = u"GlobalShortcuts portal"_qs;
    } else if ((backend = KGlobalAccelHotKeyBackend::create())) {
        name = u"KDE global shortcut service"_qs;
    }
    QLOG("Global shortcuts:", backend ? name : u"none"_qs);
    return backend;
}

bool wantsRemote(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--action" || arg.startsWith("--action=") || arg == "-h" || arg == "--help" ||
            arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

void printError(const QString &text) {
    std::fprintf(stderr, "quillory: %s\n", qPrintable(text));
}

// `quillory --action NAME` (and --help): no display needed.
int runRemote(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    Localization::install();
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    const QString action = parser.value(QStringLiteral("action"));
    if (!kActions.contains(action)) {
        //% "unknown action \"%1\"; the actions are: %2"
        printError(qtTrId("cli.unknownAction").arg(action, kActions.join(u", ")));
        return 2;
    }
    QString message;
    if (InstanceChannel::send(action, &message) != InstanceChannel::Result::done) {
        printError(message);
        return 1;
    }
    return 0;
}

} // namespace

// The composition root: creates the controllers of every layer, hands each what it works
// with, and wires the channels that lower layers own to the code of the higher ones.
int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLORY_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    // The application id: the desktop entry, the icon and the name on the session bus.
    QApplication::setDesktopFileName(InstanceChannel::serviceName);
    if (wantsRemote(argc, argv))
        return runRemote(argc, argv);

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
    describe(parser);
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
        printError(message);
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
    HotKeysController::setBackend(chooseHotKeyBackend());
    // The key grabs go while the X connection is still open: after the controllers that hold
    // hotkeys, before the application object.
    struct ReleaseHotKeyBackend {
        ~ReleaseHotKeyBackend() { HotKeysController::setBackend(nullptr); }
    } releaseHotKeyBackend;

    UserNotifications userNotifications;
    NotificationDelegate notificationDelegate(userNotifications,
                                              requests.screenshotNotificationActivated);
    // Settings that cannot be saved would be gone at the next start: the user hears of it once,
    // and Quillory goes on with them in memory.
    bool toldUnsavedPreferences = false;
    preferences.writeFailedHandler.watch(&app, [&userNotifications, &toldUnsavedPreferences](
                                                   const PreferenceStore::WriteFailure &failure) {
        if (std::exchange(toldUnsavedPreferences, true))
            return;
        //% "Settings are not saved"
        userNotifications.deliver(
            {qtTrId("preferences.notSaved.title"),
             //% "Quillory could not write %1: %2. Your changes last "
             //% "until Quillory ends."
             qtTrId("preferences.notSaved.text").arg(failure.filePath, failure.reason),
             {},
             {}});
    });
    // An X screen grab sees only X windows, which in a Wayland session are XWayland's few: there
    // the desktop's picture comes from the Screenshot portal.
    std::unique_ptr<ScreenshotPortal> portal;
    if (Session::isWayland())
        portal = std::make_unique<ScreenshotPortal>();
    QLOG(portal ? "Screenshots: Screenshot portal" : "Screenshots: X11 screen grab");
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
    AppDelegate delegate({preferences, activation, screens, notifications, requests, overlay,
                          QUrl(QStringLiteral(QUILLORY_REVIEW_PAGE))});
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
    // The countdown closes the overlay while it shows and brings it back when it ends.
    TimerWindowController timerWindow(
        {preferences, activation, [&overlay] { overlay.showWindow(); }});
    delegate.showTimer = [&timerWindow] { timerWindow.showWindow(); };
    delegate.followLoginItem = [&preferences] { LaunchOnStartup::followEntry(preferences); };

    // The commands an application menu would carry, as keys while Quillory is active.
    QShortcut save(QKeySequence(QStringLiteral("Ctrl+S")), overlay.window());
    save.setContext(Qt::ApplicationShortcut);
    QObject::connect(&save, &QShortcut::activated, &delegate,
                     [&delegate] { delegate.saveButtonPressed(); });
    QShortcut help(QKeySequence(Qt::Key_F1), overlay.window());
    help.setContext(Qt::ApplicationShortcut);
    QObject::connect(&help, &QShortcut::activated, &delegate,
                     [&delegate] { delegate.helpPressed(); });

    perform = [&delegate, &preferences,
               &setCursorHighlight](const QString &action) -> std::function<void()> {
        if (const std::optional<AppDelegate::Row> row = AppDelegate::rowForActionName(action))
            return [&delegate, row = *row] { delegate.performHotKeyAction(row); };
        if (action == QStringLiteral("save"))
            return [&delegate] { delegate.saveButtonPressed(); };
        if (action == QStringLiteral("copy"))
            return [&delegate] { delegate.copyButtonPressed(); };
        if (action == QStringLiteral("highlight"))
            return [&preferences, &setCursorHighlight] {
                setCursorHighlight(!Preferences::cursorHighlight.value(preferences));
            };
        if (action == QStringLiteral("quit"))
            return [] { QCoreApplication::exit(0); }; // as the quit signals do
        return {};
    };

    delegate.applicationDidFinishLaunching();
    delegate.popoverMenu()->setContent(
        new MenuViewController({preferences, delegate, notifications, showPreferences}));
    // Over the overlay, which the launch may have shown.
    if (Preferences::cursorHighlight.value(preferences))
        cursorHighlight.showWindow();
    QLOG("Quillory started");
    return app.exec();
}
