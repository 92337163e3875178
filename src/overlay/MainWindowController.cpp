#include "overlay/MainWindowController.h"

#include "platform/x11/AppActivation.h"
#include "screens/ScreenDaemon.h"

MainWindowController::MainWindowController(const OverlayServices &services,
                                           AppActivation &activation, QObject *parent)
    : QObject(parent)
    , m_screens(services.screens)
    , m_activation(activation)
    , m_window(std::make_unique<TransparentWindow>())
    , m_content(services) {
    m_content.loadView(m_window.get());
    connect(&m_content, &DrawingViewController::pointerModeRequested, this,
            &MainWindowController::letPointerThrough);
}

MainWindowController::~MainWindowController() = default;

void MainWindowController::showWindow(QObject *) {
    // Appear on the screen under the pointer rather than jump there after the first poll.
    if (!m_window->isVisible())
        m_content.moveToScreen(m_screens.screenUnderMouse());
    m_window->show();
    m_content.setMode(OverlayMode::draw);
    m_activation.activate(m_window.get());
}

void MainWindowController::letPointerThrough() {
    // Set first, so that showing takes no grab and no focus.
    m_content.setMode(OverlayMode::pointer);
    if (!m_window->isVisible()) {
        m_content.moveToScreen(m_screens.screenUnderMouse());
        m_window->setAttribute(Qt::WA_ShowWithoutActivating);
        m_window->show();
        m_window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    m_window->raise(); // the drawings in front, without the keyboard
    m_activation.resign();
}

void MainWindowController::close() {
    m_window->hide();
}
