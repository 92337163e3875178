#include "overlay/MainWindowController.h"

#include "platform/PassThroughSurface.h"
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

void MainWindowController::setPassThrough(PassThroughSurface *surface) {
    m_passThrough = surface;
    if (!surface)
        return;
    // The window goes once the surface is on the screen, so the ink never blinks out.
    connect(surface, &PassThroughSurface::presented, this, [this] {
        if (!m_passThrough->isShown())
            return;
        m_passThrough->show(m_content.picture(), m_window->geometry());
        m_window->hide();
    });
}

QString MainWindowController::outputName() const {
    return m_passThrough && m_passThrough->isShown() ? m_passThrough->outputName()
                                                     : QStringLiteral("x11");
}

bool MainWindowController::isShown() const {
    return m_window->isVisible() || (m_passThrough && m_passThrough->isShown());
}

void MainWindowController::takeBack() {
    if (!m_passThrough || !m_passThrough->isShown())
        return;
    m_passThrough->hide();
    m_content.handOver({});
    // Drawing before the window maps again (XWayland takes the input shape it maps with), as
    // hiding the window leaves it.
    m_content.setMode(OverlayMode::draw);
}

void MainWindowController::showWindow(QObject *) {
    takeBack();
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
    if (!m_window->isVisible() && !(m_passThrough && m_passThrough->isShown())) {
        m_content.moveToScreen(m_screens.screenUnderMouse());
        // With a pass-through surface, to paint the picture the surface shows.
        m_window->setAttribute(Qt::WA_ShowWithoutActivating);
        m_window->show();
        m_window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    if (!m_passThrough) {
        m_window->raise(); // the drawings in front, without the keyboard
        m_activation.resign();
        return;
    }
    m_content.handOver([surface = m_passThrough, window = m_window.get()](const QImage &changed) {
        surface->show(changed, window->geometry());
    });
    m_passThrough->show(m_content.picture(), m_window->geometry());
    m_activation.resign(true); // the window goes in a moment
}

void MainWindowController::close() {
    takeBack();
    m_window->hide();
}
