#include "assembly/Assembly.h"

#include "app/CommandLine.h"
#include "app/PreferencesWriteNotice.h"
#include "app/RequestChannels.h"
#include "help/InfoView.h"
#include "menu/MenuViewController.h"
#include "overlay/DrawingView.h"
#include "overlay/TransparentWindow.h"
#include "platform/BackendLoader.h"
#include "preferences/GeneralPreferencesVC.h"
#include "preferences/LaunchOnStartup.h"
#include "preferences/PreferencesWindowController.h"
#include "screenshots/ExportDialog.h"
#include "settings/PreferenceStore.h"
#include "settings/Preferences.h"
#include "widgets/PopoverPanel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include <utility>

// A key held down comes from the X server as a release and a press with the same time, again
// and again. Qt takes such a pair for a repeat only if the press has arrived already when it
// handles the release, which under load it often has not. Their time tells them apart: each
// press is offered to the application's shortcuts first (a ShortcutOverride event), and one at
// the very time of its key's last release is a repeat.
class Assembly::HeldKeys : public QObject {
public:
    bool lastPressRepeats = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            m_released = {key->nativeScanCode(), key->timestamp()};
        } else if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            lastPressRepeats = key->isAutoRepeat() ||
                               m_released == std::pair(key->nativeScanCode(), key->timestamp());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::pair<quint32, quint64> m_released;
};

Assembly::Assembly(PreferenceStore &preferences, RequestChannels &requests, const Pages &pages,
                   const QString &journalPath)
    : preferences(preferences)
    , screens([this] { return activation.isActive(); })
    , notificationDelegate(userNotifications, requests.screenshotNotificationActivated)
    , portal(BackendLoader::screenshotBackend())
    , passThrough(BackendLoader::passThroughSurface())
    // The overlay is made after the screenshotter, whose captures it asks for: the
    // screenshotter reaches it only when it runs.
    , screenshotter({preferences, userNotifications, requests.screenshotNotificationActivated,
                     portal.get(), [this] { return overlay.window(); },
                     [this](QScreen *screen) {
                         return overlay.contentViewController().overlayImage(screen);
                     }})
    , hooks(&requests.saveScreenshotRequest, &requests.copyScreenshotRequest,
            &screens.screenChanged, &screenshotter.configureForScreenshotHandler)
    , overlay({preferences, screens, compositor, notifications, hooks}, activation)
    , timerWindow({preferences, activation})
    , delegate({preferences, activation, screens, notifications, requests, overlay, pages.review})
    , cursorHighlight(pointer, compositor)
    , journal(journalPath.isEmpty()
                  ? nullptr
                  : std::make_unique<Journal>(overlay.contentViewController().model, journalPath))
    , m_save(QKeySequence(QStringLiteral("Ctrl+S")), overlay.window())
    , m_help(QKeySequence(Qt::Key_F1), overlay.window())
    , m_export(QKeySequence(QStringLiteral("Ctrl+E")), overlay.window())
    , m_heldKeys(std::make_unique<HeldKeys>()) {
    announceFailedPreferenceWrites(preferences, userNotifications, &delegate);
    overlay.setPassThrough(passThrough.get());

    QObject::connect(&hooks, &DrawingHooks::saveScreenshot, &screenshotter,
                     &Screenshotter::saveScreenshot);
    QObject::connect(&hooks, &DrawingHooks::copyScreenshot, &screenshotter,
                     &Screenshotter::copyScreenshot);
    QObject::connect(&hooks, &DrawingHooks::hideApplication, &activation, &AppActivation::hide);
    QObject::connect(&hooks, &DrawingHooks::closePopover, &delegate, &AppDelegate::closePopover);
    DrawingViewController &content = overlay.contentViewController();
    QObject::connect(&content, &DrawingViewController::zoomPictureRequested, &screenshotter,
                     [this, &content](QScreen *screen) {
                         screenshotter.takePicture(screen, [&content](const QImage &picture) {
                             content.showZoomPicture(picture);
                         });
                     });

    // The countdown closes the overlay while it shows and brings it back when it ends.
    QObject::connect(&delegate, &AppDelegate::timerRequested, &timerWindow,
                     [this] { timerWindow.showWindow(); });
    QObject::connect(&timerWindow, &TimerWindowController::closed, &overlay,
                     [this] { overlay.showWindow(); });
    QObject::connect(&delegate, &AppDelegate::startAtLoginCheckRequested, &delegate,
                     [&preferences] { LaunchOnStartup::followEntry(preferences); });

    makeHelpCard(pages.project);

    activation.keepShown(cursorHighlight.window());
    cursorHighlight.setInputlessWindows(BackendLoader::inputlessWindow(passThrough.get()),
                                        BackendLoader::inputlessWindow(passThrough.get()));
    screenshotter.configureForScreenshotHandler.watch(
        &cursorHighlight, [this](const bool &capturing) { cursorHighlight.stepAside(capturing); });

    for (QShortcut *key : {&m_save, &m_help, &m_export})
        key->setContext(Qt::ApplicationShortcut);
    // One save a press, as Ctrl+C copies once: a held Ctrl+S would write a file, a
    // notification and a shutter sound at the keyboard's repeat rate.
    m_save.setAutoRepeat(false);
    qApp->installEventFilter(m_heldKeys.get());
    QObject::connect(&m_save, &QShortcut::activated, &delegate, [this] {
        if (!m_heldKeys->lastPressRepeats)
            delegate.saveButtonPressed();
    });
    QObject::connect(&m_help, &QShortcut::activated, &delegate, [this] { delegate.helpPressed(); });
    m_export.setAutoRepeat(false);
    QObject::connect(&m_export, &QShortcut::activated, &delegate, [this] { showExportDialog(); });
    QObject::connect(&delegate, &AppDelegate::exportDialogRequested, &delegate,
                     [this] { showExportDialog(); });
    // The presenter's quit settles the journal: gone, or kept for the next start.
    QObject::connect(&delegate, &AppDelegate::quitRequested, &delegate, [this] {
        if (journal)
            journal->close(Preferences::keepDrawings.value(this->preferences));
    });
}

Assembly::~Assembly() = default;

// The help card shows where screenshots go and lets the user pick another folder.
void Assembly::makeHelpCard(const QUrl &projectPage) {
    InfoViewSources sources;
    sources.screenshotLocation = [this] {
        return screenshotter.screenshotLocation().toLocalFile();
    };
    sources.displayPath = [](const QString &path) {
        return Screenshotter::displayPath(QUrl::fromLocalFile(path));
    };
    sources.screenshotLocationChangedHandler = &screenshotter.screenshotLocationChangedHandler;
    sources.projectPage = projectPage;
    auto *card = new InfoView(std::move(sources));
    QObject::connect(card, &InfoView::pickLocationRequested, &screenshotter,
                     [this] { screenshotter.pickLocation(); });
    overlay.contentViewController().setInfoView(card);
    card->setOpaque(!compositor.isRunning());
    QObject::connect(&compositor, &CompositorWatcher::runningChanged, card,
                     [card](bool running) { card->setOpaque(!running); });
}

void Assembly::launch() {
    delegate.applicationDidFinishLaunching();
    auto *menu = new MenuViewController({preferences, delegate, notifications});
    QObject::connect(menu, &MenuViewController::preferencesRequested, menu,
                     [this] { showPreferences(); });
    delegate.popoverMenu()->setContent(menu);
    // Over the overlay, which the launch may have shown.
    if (Preferences::cursorHighlight.value(preferences))
        cursorHighlight.showWindow();
    if (journal)
        recoverDrawings();
}

void Assembly::recoverDrawings() {
    const Journal::Recovery found = journal->recover();
    if (!found.error.isEmpty()) {
        userNotifications.deliver(
            //% "Drawings could not be brought back"
            {qtTrId("journal.damaged.title"),
             //% "The drawings kept from the last session are damaged (%1). The file is kept as %2."
             qtTrId("journal.damaged.body").arg(found.error, found.setAsidePath),
             {},
             {}});
    } else if (found.unclean && found.shapes > 0) {
        userNotifications.deliver(
            //% "Drawings brought back"
            {qtTrId("journal.restored.title"),
             //% "Quillory ended without quitting. "
             //% "What was drawn is back on its screens and boards."
             qtTrId("journal.restored.body"),
             {},
             {}});
    }
}

void Assembly::showExportDialog() {
    if (m_exportDialog) {
        m_exportDialog->raise();
        m_exportDialog->activateWindow();
        return;
    }
    QWidget *parent = overlay.window();
    ExportDialog dialog(
        preferences, screenshotter.screenshotLocation().toLocalFile(),
        [this](const QString &path) { return delegate.exportDrawings(path); },
        parent && parent->isVisible() ? parent : nullptr);
    m_exportDialog = &dialog;
    dialog.exec();
    if (parent && parent->isVisible()) { // the keys go back to the overlay
        parent->raise();
        parent->activateWindow();
    }
}

InstanceChannel::Lookup Assembly::remoteActions() {
    return CommandLine::remoteActions(
        delegate, [this] { setCursorHighlight(!Preferences::cursorHighlight.value(preferences)); });
}

const QWindow *Assembly::overlayWindow() const {
    return overlay.window() ? overlay.window()->windowHandle() : nullptr;
}

void Assembly::setCursorHighlight(bool on) {
    Preferences::cursorHighlight.set(preferences, on);
    if (on)
        cursorHighlight.showWindow();
    else
        cursorHighlight.close();
    if (m_preferencesWindow)
        m_preferencesWindow->general()->showCursorHighlight(on);
}

void Assembly::showPreferences() {
    if (!m_preferencesWindow) {
        m_preferencesWindow = std::make_unique<PreferencesWindowController>(
            preferences,
            GeneralPreferencesVC::Folder{[this] { return screenshotter.screenshotLocation(); },
                                         [this] { return screenshotter.pickLocation(); },
                                         &Screenshotter::displayPath});
        QObject::connect(m_preferencesWindow->general(),
                         &GeneralPreferencesVC::cursorHighlightChosen, m_preferencesWindow.get(),
                         [this](bool on) { setCursorHighlight(on); });
        QObject::connect(m_preferencesWindow->general(), &GeneralPreferencesVC::fadeDelayChosen,
                         &overlay.contentViewController(), [this](qint64 seconds) {
                             overlay.contentViewController().setFadeDelay(seconds * 1000);
                         });
    }
    m_preferencesWindow->showWindow();
}
