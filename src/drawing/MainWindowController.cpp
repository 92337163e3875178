#include "drawing/MainWindowController.h"

#include "platform/AppActivation.h"
#include "screens/ScreenDaemon.h"

MainWindowController::MainWindowController(PreferenceStore &preferences, ScreenDaemon &screens,
                                           DrawingHooks &hooks, QObject *parent)
    : QObject(parent)
    , m_screens(screens)
    , m_window(std::make_unique<TransparentWindow>())
    , m_content(preferences, screens, hooks) {
    m_content.loadView(m_window.get());
}

MainWindowController::~MainWindowController() = default;

void MainWindowController::showWindow(QObject *) {
    // Appear on the screen under the pointer rather than jump there after the first poll.
    if (!m_window->isVisible())
        m_content.moveToScreen(m_screens.screenUnderMouse());
    AppActivation::shared().activate(m_window.get());
}
