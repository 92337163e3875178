#include "overlay/MainWindowController.h"

#include "drawing/DrawingHooks.h"
#include "platform/x11/AppActivation.h"
#include "screens/ScreenDaemon.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTabletEvent>
#include <QWheelEvent>

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
    // Hiding the application hides its windows; the surface that shows the overlay instead of
    // its window goes too.
    connect(&services.hooks, &DrawingHooks::hideApplication, this, [this] {
        if (drawsOnSurface())
            close();
    });
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
        if (drawsOnSurface())
            m_passThrough->repaint(m_window->rect()); // what the window showed meanwhile
        else
            m_passThrough->show(m_content.picture(), m_window->geometry());
        m_window->hide();
    });
    if (!surface->takesInput())
        return;
    connect(surface, &PassThroughSurface::input, this, &MainWindowController::deliver);
    // The pointer shows the tool there as over the window.
    const auto followTool = [this] {
        if (m_passThrough && m_content.view())
            m_passThrough->setCursor(m_content.view()->cursor());
    };
    connect(&m_content, &DrawingViewController::selectionChanged, this, followTool);
    followTool();
    // The surface takes the input while the overlay draws, and lets it through in pointer mode.
    connect(&m_content, &DrawingViewController::modeChanged, this, [this](OverlayMode mode) {
        if (m_passThrough->isShown())
            showOnSurface(mode);
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
    m_content.setKeyboardElsewhere(false);
    // Drawing before the window maps again (XWayland takes the input shape it maps with), as
    // hiding the window leaves it.
    m_content.setMode(OverlayMode::draw);
}

void MainWindowController::showWindow(QObject *) {
    if (drawsOnSurface())
        return showOnSurface(OverlayMode::draw);
    takeBack();
    // Appear on the screen under the pointer rather than jump there after the first poll.
    if (!m_window->isVisible())
        m_content.moveToScreen(m_screens.screenUnderMouse());
    m_window->show();
    m_content.setMode(OverlayMode::draw);
    m_activation.activate(m_window.get());
}

void MainWindowController::letPointerThrough() {
    if (drawsOnSurface())
        return showOnSurface(OverlayMode::pointer);
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
    m_content.handOver([surface = m_passThrough, window = m_window.get(), this](const QRegion &) {
        surface->show(m_content.picture(), window->geometry());
    });
    m_passThrough->show(m_content.picture(), m_window->geometry());
    m_activation.resign(true); // the window goes in a moment
}

void MainWindowController::showOnSurface(OverlayMode mode) {
    // Set first, so that showing takes no grab and no focus.
    m_content.setMode(mode);
    if (!m_passThrough->isShown()) {
        // The window shows until the surface does (its showing starts what the overlay does on
        // showing), without taking the keyboard, which the surface takes while drawing.
        m_content.moveToScreen(m_screens.screenUnderMouse());
        m_window->setAttribute(Qt::WA_ShowWithoutActivating);
        m_window->show();
        m_window->setAttribute(Qt::WA_ShowWithoutActivating, false);
        m_content.handOver(
            [surface = m_passThrough](const QRegion &changed) { surface->repaint(changed); });
        m_content.setKeyboardElsewhere(true);
        m_activation.resign(true); // the window goes in a moment
    }
    // The X server saw the pointer last where it left an X window: the surface tells where it
    // is once it takes the pointer.
    m_content.view()->setPointerUnknown(mode == OverlayMode::draw);
    m_passThrough->showPainted(
        [this](QPainter &painter, const QRegion &area) { m_content.paintPicture(painter, area); },
        m_window->devicePixelRatioF(), mode == OverlayMode::draw);
}

void MainWindowController::deliver(QInputEvent *event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return deliverKey(static_cast<QKeyEvent *>(event));
    if (!event->isSinglePointEvent())
        return;
    if (m_content.view()->pointerUnknown())
        m_content.view()->setPointerUnknown(false);
    // The surface covers the window's screen: its positions are the window's.
    const QPointF at = static_cast<QSinglePointEvent *>(event)->position();
    QWidget *target = m_pressedOn;
    if (!target) {
        target = m_window->childAt(at.toPoint());
        if (!target)
            target = m_window.get();
    }
    const QPointF local = target->mapFrom(m_window.get(), at);
    const QPointF global = at + m_window->geometry().topLeft();
    if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        QWheelEvent mapped(local, global, wheel->pixelDelta(), wheel->angleDelta(),
                           wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
        QCoreApplication::sendEvent(target, &mapped);
        return;
    }
    const auto *pointer = static_cast<QSinglePointEvent *>(event);
    QEvent::Type type = event->type();
    if (event->type() == QEvent::TabletPress || event->type() == QEvent::TabletMove ||
        event->type() == QEvent::TabletRelease) {
        // A pen draws with its pressure; on the palette it clicks as a mouse does.
        if (target == m_window.get() || target == m_content.view()) {
            const auto *pen = static_cast<QTabletEvent *>(event);
            QTabletEvent mapped(type, pen->pointingDevice(), local, global, pen->pressure(), 0, 0,
                                0, 0, 0, pen->modifiers(), pen->button(), pen->buttons());
            return sendPointer(target, mapped);
        }
        type = type == QEvent::TabletPress     ? QEvent::MouseButtonPress
               : type == QEvent::TabletRelease ? QEvent::MouseButtonRelease
                                               : QEvent::MouseMove;
    }
    QMouseEvent mapped(type, local, at, global, pointer->button(), pointer->buttons(),
                       pointer->modifiers());
    sendPointer(target, mapped);
}

// A press keeps the pointer's events for its widget until the last button is up.
void MainWindowController::sendPointer(QWidget *target, QSinglePointEvent &event) {
    if (event.button() != Qt::NoButton && event.buttons().testFlag(event.button()))
        m_pressedOn = target;
    else if (event.buttons() == Qt::NoButton)
        m_pressedOn = nullptr;
    QCoreApplication::sendEvent(target, &event);
}

void MainWindowController::deliverKey(QKeyEvent *event) {
    QWidget *target = m_window->focusWidget();
    if (!target)
        target = m_content.view();
    const auto copy = [event](QEvent::Type type) {
        return QKeyEvent(type, event->key(), event->modifiers(), event->nativeScanCode(),
                         event->nativeVirtualKey(), event->nativeModifiers(), event->text(),
                         event->isAutoRepeat());
    };
    if (event->type() == QEvent::KeyPress) {
        // As Qt does: the overlay may keep a key from the application's shortcuts first, and
        // a shortcut takes the rest of its keys.
        QKeyEvent override = copy(QEvent::ShortcutOverride);
        override.ignore();
        QCoreApplication::sendEvent(target, &override);
        const QKeySequence pressed(QKeyCombination(event->modifiers(), Qt::Key(event->key())));
        for (QShortcut *shortcut : m_window->findChildren<QShortcut *>()) {
            if (override.isAccepted() || !shortcut->isEnabled() ||
                !shortcut->keys().contains(pressed))
                continue;
            QShortcutEvent activated(pressed, 0);
            QCoreApplication::sendEvent(shortcut, &activated);
            return;
        }
    }
    QKeyEvent key = copy(event->type());
    QCoreApplication::sendEvent(target, &key);
}

void MainWindowController::close() {
    const bool fromSurface = drawsOnSurface() && m_passThrough->isShown() && !m_window->isVisible();
    takeBack();
    m_window->hide();
    // The window was hidden already: what its hiding ends, ends now.
    if (fromSurface)
        m_content.viewDidDisappear();
}
