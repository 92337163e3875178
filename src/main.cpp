#include "app/CommandLine.h"
#include "app/CustomApplication.h"
#include "app/RequestChannels.h"
#include "assembly/Assembly.h"
#include "hotkeys/HotKeysController.h"
#include "platform/ApplicationIcon.h"
#include "platform/BackendLoader.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"
#include "platform/QuitSignals.h"
#include "platform/Session.h"
#include "platform/dbus/ColorScheme.h"
#include "platform/dbus/InstanceChannel.h"
#include "settings/PreferenceStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Qt's xcb platform ends the process with exit(1) from inside the event loop the moment the X
// server goes away (a session that ends without SIGTERM). The screenshots taken by then are
// written first, and the preferences set so far (their store writes on a thread of its own);
// then the process ends at once, with status 0, rather than tearing down static objects under
// threads that still run. Unset once the event loop has returned, when the ordinary end
// follows.
Screenshotter *s_unfinished = nullptr;
PreferenceStore *s_preferences = nullptr;
Journal *s_journal = nullptr;

void endWithTheDisplay() {
    Screenshotter *screenshotter = std::exchange(s_unfinished, nullptr);
    if (!screenshotter || QThread::currentThread() != qApp->thread())
        return;
    QLOG("Ending from within the event loop (the display went away): the screenshots taken are "
         "written, then Quillory ends");
    screenshotter->finishWriting();
    s_preferences->flush();
    if (s_journal)
        s_journal->sync(); // the drawings stay for the next start
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

// The composition root: the process's own set-up (the display platform, the application
// object, the command line, one instance per session, the preference file, the shortcut back
// end), then the assembly of every controller.
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
            return perform ? perform(action) : std::nullopt;
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
    HotKeysController::setBackend(BackendLoader::hotKeyBackend());
    // The key grabs go while the X connection is still open: after the controllers that hold
    // hotkeys (the assembly), before the application object.
    struct ReleaseHotKeyBackend {
        ~ReleaseHotKeyBackend() { HotKeysController::setBackend(nullptr); }
    } releaseHotKeyBackend;

    Assembly assembly(
        preferences, requests,
        {QUrl(QStringLiteral(QUILLORY_PROJECT_PAGE)), QUrl(QStringLiteral(QUILLORY_REVIEW_PAGE))},
        Journal::standardFilePath());
    // Set here, not handed over when made: the application object comes before any window.
    app.copyWindow = [&assembly] { return assembly.overlayWindow(); };
    perform = assembly.remoteActions();
    channel.setFileRequests(
        [&assembly](const QString &path) { return assembly.delegate.exportDrawings(path); },
        [&assembly](const QString &path) { return assembly.delegate.openDrawing(path); });
    assembly.launch();
    s_unfinished = &assembly.screenshotter;
    s_preferences = &preferences;
    s_journal = assembly.journal.get();
    std::atexit(endWithTheDisplay);
    QLOG("Quillory started");
    const int status = app.exec();
    s_unfinished = nullptr;
    return status;
}
