#include "app/AppDelegate.h"
#include "app/CustomApplication.h"
#include "app/RequestChannels.h"
#include "drawing/DrawingHooks.h"
#include "drawing/MainWindowController.h"
#include "hotkeys/HotKeysController.h"
#include "platform/AppActivation.h"
#include "platform/DiagnosticLog.h"
#include "platform/InstanceChannel.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/X11HotKeyBackend.h"
#include "screens/ScreenDaemon.h"
#include "settings/PreferenceStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QShortcut>

#include <cstdio>

namespace {

// The actions a second launch or `quillory --action NAME` may ask for, with the palette index
// of the tools.
const QStringList kActions = {
    QStringLiteral("activate"), QStringLiteral("toggle-tools"), QStringLiteral("pen"),
    QStringLiteral("line"),     QStringLiteral("arrow"),        QStringLiteral("rect"),
    QStringLiteral("circle"),   QStringLiteral("timer"),        QStringLiteral("save"),
    QStringLiteral("copy"),     QStringLiteral("quit")};
const QStringList kTools = {QStringLiteral("pen"), QStringLiteral("line"), QStringLiteral("arrow"),
                            QStringLiteral("rect"), QStringLiteral("circle")};

void describe(QCommandLineParser &parser) {
    parser.setApplicationDescription(
        QStringLiteral("Draw on the screen while you present.\n\n"
                       "With --action, sends one action to the running Quillory and exits:\n  ") +
        kActions.join(QStringLiteral(", ")) +
        QStringLiteral("\nBind these to your desktop's own shortcuts where X11 key grabs do not "
                       "reach (Wayland sessions)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("action"),
                      QStringLiteral("Send an action to the running Quillory."),
                      QStringLiteral("name")});
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
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    const QString action = parser.value(QStringLiteral("action"));
    if (!kActions.contains(action)) {
        printError(QStringLiteral("unknown action \"%1\"; the actions are: %2")
                       .arg(action, kActions.join(QStringLiteral(", "))));
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

// The composition root: creates the controllers of every layer and wires the channels that
// lower layers own to the code of the higher ones.
int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLORY_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    QApplication::setDesktopFileName(QStringLiteral("quillory"));
    if (wantsRemote(argc, argv))
        return runRemote(argc, argv);

    QApplication::setQuitOnLastWindowClosed(false);
    CustomApplication app(argc, argv);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    Localization::install();

    AppActivation &activation = AppActivation::shared();
    ScreenDaemon &screens = ScreenDaemon::shared();
    if (std::shared_ptr<HotKeyBackend> backend = X11HotKeyBackend::create())
        HotKeysController::setBackend(std::move(backend));
    else
        QLOG("No X11 connection: global shortcuts work through quillory --action only");
    // The key grabs go while the X connection is still open: after the controllers that hold
    // hotkeys, before the application object.
    struct ReleaseHotKeyBackend {
        ~ReleaseHotKeyBackend() { HotKeysController::setBackend(nullptr); }
    } releaseHotKeyBackend;

    PreferenceStore &preferences = PreferenceStore::standard();
    DrawingHooks &hooks = DrawingHooks::shared();
    hooks.screenChanged = &screens.screenChanged;
    hooks.saveScreenshotRequest = &RequestChannels::saveScreenshotRequest();
    hooks.copyScreenshotRequest = &RequestChannels::copyScreenshotRequest();
    hooks.hideApplication = [&activation] { activation.hide(); };

    MainWindowController overlay(preferences, screens, hooks);
    AppDelegate delegate(preferences, overlay);
    hooks.closePopover = [&delegate] { delegate.closePopover(); };

    // The commands an application menu would carry, as keys while Quillory is active.
    QShortcut save(QKeySequence(QStringLiteral("Ctrl+S")), overlay.window());
    save.setContext(Qt::ApplicationShortcut);
    QObject::connect(&save, &QShortcut::activated, &delegate,
                     [&delegate] { delegate.saveButtonPressed(); });
    QShortcut help(QKeySequence(Qt::Key_F1), overlay.window());
    help.setContext(Qt::ApplicationShortcut);
    QObject::connect(&help, &QShortcut::activated, &delegate,
                     [&delegate] { delegate.helpPressed(); });

    InstanceChannel channel;
    const auto perform = [&](const QString &action) {
        static const QMap<QString, AppDelegate::Row> rows = {
            {QStringLiteral("toggle-tools"), AppDelegate::DesktopTools},
            {QStringLiteral("pen"), AppDelegate::Line},
            {QStringLiteral("line"), AppDelegate::StrightLine},
            {QStringLiteral("arrow"), AppDelegate::Arrow},
            {QStringLiteral("rect"), AppDelegate::Rectangle},
            {QStringLiteral("circle"), AppDelegate::Circle},
            {QStringLiteral("timer"), AppDelegate::Timer}};
        if (action == QStringLiteral("activate"))
            delegate.activateApp();
        else if (rows.contains(action))
            delegate.performHotKeyAction(rows.value(action));
        else if (action == QStringLiteral("save"))
            delegate.saveButtonPressed();
        else if (action == QStringLiteral("copy"))
            delegate.copyButtonPressed();
        else if (action == QStringLiteral("quit"))
            QCoreApplication::quit();
        else
            return false;
        return true;
    };
    if (channel.listen(perform) == InstanceChannel::Listen::alreadyRunning) {
        // Hand over to the running Quillory, which comes to the front.
        QString message;
        if (InstanceChannel::send(QStringLiteral("activate"), &message) ==
            InstanceChannel::Result::done) {
            QLOG("Quillory is already running; brought it to the front");
            return 0;
        }
        printError(message);
        return 1;
    }

    delegate.applicationDidFinishLaunching();
    QLOG("Quillory started");
    return app.exec();
}
