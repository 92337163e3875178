#pragma once

#include "app/AppDelegate.h"
#include "app/NotificationDelegate.h"
#include "cursor/CursorWindowController.h"
#include "drawing/DrawingHooks.h"
#include "drawing/Journal.h"
#include "overlay/MainWindowController.h"
#include "platform/NotificationCenter.h"
#include "platform/PassThroughSurface.h"
#include "platform/dbus/InstanceChannel.h"
#include "platform/dbus/ScreenshotPortal.h"
#include "platform/dbus/UserNotifications.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/PointerWatcher.h"
#include "screens/ScreenDaemon.h"
#include "screenshots/Screenshotter.h"
#include "timer/TimerWindowController.h"

#include <QDialog>
#include <QPointer>
#include <QShortcut>
#include <QUrl>

#include <memory>

class PreferenceStore;
class PreferencesWindowController;
class QWindow;
struct RequestChannels;

// Every controller of the running application, made in layer order, each handed what it
// works with, and the channels of the lower layers connected to the code of the higher ones.
// main makes one around its application object; tests make one to run the real wiring.
class Assembly {
public:
    struct Pages {
        // The help card's footer link; empty: none.
        QUrl project;
        // Where the rating prompt sends the user; empty: no prompt.
        QUrl review;
    };

    // `journalPath`: where the drawings are kept as they are drawn; empty: nowhere.
    Assembly(PreferenceStore &preferences, RequestChannels &requests, const Pages &pages = {},
             const QString &journalPath = {});
    ~Assembly();

    // What a start shows: the tray icon, the overlay or the first-run panel, and the cursor
    // highlight if it is switched on; then the drawings an earlier run left come back.
    void launch();
    // What the running application does for `quillory --action NAME`.
    InstanceChannel::Lookup remoteActions();
    // The window whose Ctrl+C copies a screenshot.
    const QWindow *overlayWindow() const;

    void setCursorHighlight(bool on);
    // Makes the preferences window when first asked for, then shows it.
    void showPreferences();
    // The export dialog over the overlay (Ctrl+E, `--action export`).
    void showExportDialog();

    PreferenceStore &preferences;
    AppActivation activation;
    ScreenDaemon screens;
    CompositorWatcher compositor;
    NotificationCenter notifications;
    UserNotifications userNotifications;
    NotificationDelegate notificationDelegate;
    const std::unique_ptr<ScreenshotPortal> portal;
    const std::unique_ptr<PassThroughSurface> passThrough;
    Screenshotter screenshotter;
    DrawingHooks hooks;
    MainWindowController overlay;
    TimerWindowController timerWindow;
    AppDelegate delegate;
    // The cursor highlight stays when Quillory hides and when the overlay closes: it is
    // switched on and off only by its preference.
    PointerWatcher pointer;
    CursorWindowController cursorHighlight;
    // Made last: its final write at the end reads the overlay's drawings.
    const std::unique_ptr<Journal> journal;

private:
    class HeldKeys;

    void makeHelpCard(const QUrl &projectPage);
    void recoverDrawings();

    std::unique_ptr<PreferencesWindowController> m_preferencesWindow;
    // The commands an application menu would carry, as keys while Quillory is active.
    QShortcut m_save;
    QShortcut m_help;
    QShortcut m_export;
    QPointer<QDialog> m_exportDialog;
    const std::unique_ptr<HeldKeys> m_heldKeys;
};
