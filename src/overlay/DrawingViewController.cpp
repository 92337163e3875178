#include "overlay/DrawingViewController.h"

#include "core/Key.h"
#include "overlay/TransparentWindow.h"
#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/PointerGrab.h"
#include "platform/x11/WindowHints.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"
#include "settings/Weakly.h"

#include <QCursor>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

QPointer<DrawingViewController> DrawingViewController::current;

namespace {
constexpr quint32 kKeyZ = carbonKeyCode(Key::z);

// Undo is the key the layout labels Z (on AZERTY the position of W); a layout without Latin
// letters (Cyrillic, Greek) keeps the position of Z, where its programs undo too.
bool isKeyZ(const KeyEvent &key) {
    const QString text = key.charactersIgnoringModifiers.toLower();
    const bool latinLetter = text.size() == 1 && text.at(0) >= u'a' && text.at(0) <= u'z';
    return latinLetter ? text == u"z" : key.keyCode == kKeyZ;
}
} // namespace

DrawingViewController::DrawingViewController(const OverlayServices &services, QObject *parent)
    : QObject(parent)
    , model(&undoManager, DrawingsCache{}, services.hooks)
    , m_preferences(services.preferences)
    , m_screens(services.screens)
    , m_compositor(services.compositor)
    , m_notifications(services.notifications)
    , m_hooks(services.hooks)
    , m_grab(new PointerGrab(this))
    , m_stream(new PointerStream(this)) {
    undoManager.setUndoLimit(undoLimit);
    connect(m_grab, &PointerGrab::wheelTurned, this,
            [this](int notches, bool control) { wheelTurned(notches * 120, control); });
}

DrawingViewController::~DrawingViewController() = default;

void DrawingViewController::loadView(TransparentWindow *window) {
    m_window = window;
    m_view = new DrawingView(m_preferences, m_notifications);
    window->setContentView(m_view);
    m_view->installEventFilter(this);
    window->installEventFilter(this);
    viewDidLoad();
    // The pointer over the drawing area comes from a stream of its own, a frame's worth at a
    // time; over the palette and the help panel it comes through Qt, as it does everywhere
    // while the pointer is grabbed (no compositor).
    connect(m_view, &DrawingView::pointerTakersChanged, this,
            &DrawingViewController::passPointerThrough);
    passPointerThrough();
    m_stream->setFrameInterval(m_view->frameInterval());
    connect(m_stream, &PointerStream::samplesRead, this, &DrawingViewController::pointerSamples,
            Qt::UniqueConnection);
    m_stream->attach(window);
}

void DrawingViewController::passPointerThrough() {
    if (!m_view || !m_window)
        return;
    if (m_mode == OverlayMode::pointer)
        m_stream->setPassThrough(QRect(QPoint(), m_window->size()));
    else
        m_stream->setPassThrough(
            m_view->pointerTakers().translated(m_view->mapTo(m_window, QPoint())));
}

void DrawingViewController::setMode(OverlayMode mode) {
    if (mode == m_mode || !m_view || !m_window)
        return;
    m_mode = mode;
    const bool pointing = mode == OverlayMode::pointer;
    if (pointing) {
        model.finishText();
        if (model.isTracking.value())
            model.mouseUp();
        // The programs below have to show to be clicked: a board or a zoom steps aside, and a
        // zoom on its way is not wanted any more. The spotlight too, since the pointer's moves
        // go to them.
        dropZoomPicture();
        model.setSurface(Surface::screen);
        m_view->setSpotlight(false);
    }
    m_window->setInputTransparent(pointing);
    m_view->setPointerMode(pointing);
    passPointerThrough();
    followPointer();
    if (!pointing)
        moveBrushToPointer();
    QLOG("Overlay mode", modeName(mode));
    Q_EMIT modeChanged(mode);
}

void DrawingViewController::followPointer() {
    const bool grab =
        m_mode == OverlayMode::draw && !m_compositor.isRunning() && m_window->isVisible();
    if (grab)
        m_grab->grab(m_window);
    else
        m_grab->release();
    m_stream->setTrackingTip(grab);
}

void DrawingViewController::viewDidLoad() {
    current = this;
    DrawingView *view = m_view;

    m_screens.currentScreen.watch(this, [self = QPointer(this)](const QPointer<QScreen> &screen) {
        if (self)
            self->moveToScreen(screen);
    });
    view->colorsRadioGroup->selectedItem().watch(
        this, [this](const QColor &color) { model.setSelectedColor(color); });
    view->shapesRadioGroup->selectedItem().watch(
        this, [this](const Shape &shape) { model.setSelectedShape(shape); });
    view->keyEquivalentHandler.action =
        [self = QPointer(this)](KeyEvent event) -> std::optional<bool> {
        if (!self)
            throw WatcherError(WatcherError::nilSelf);
        return self->performKeyEquivalent(event);
    };
    loadLineWidths();
    connect(&model, &DrawingViewModel::selectionChanged, this,
            &DrawingViewController::selectionChanged);
    connect(&model, &DrawingViewModel::typedTextChanged, this, [this](const QRectF &area) {
        m_view->setTypedText(model.typedText(), model.caretPosition(), area);
        // Typed on, like drawn on, the zoomed picture holds still under the text.
        if (model.surface() == Surface::zoom && model.typedText() &&
            !model.typedText()->text().isEmpty())
            m_view->holdZoom(true);
        // Input methods (dead keys, composition) reach the view only while a text is typed.
        m_view->setAttribute(Qt::WA_InputMethodEnabled, bool(model.typedText()));
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImCursorRectangle);
    });
    selectionChanged();
    model.drawings.watch(this, [this](const Drawings &list) {
        m_view->setDrawings(list, model.lastEdit(), model.liveShape());
        // Drawn on, the zoomed picture holds still under the shapes.
        if (model.surface() == Surface::zoom && !list.empty())
            m_view->holdZoom(true);
    });
    model.colorKeyboardKeyHandler.watch(
        this, [this](const int &index) { m_view->colorsRadioGroup->pressed(index); });
    model.shapeKeyboardKeyHandler.watch(
        this, [this](const int &index) { m_view->shapesRadioGroup->pressed(index); });
    model.slashKeyboardKeyHandler.watch(this, [this] {
        const bool hidden = !m_view->infoView->isHidden();
        m_view->infoView->setHidden(hidden);
        Preferences::infoMessageHidden.set(m_preferences, hidden);
    });
    model.enableModification.watch(this, [this](const bool &modified) {
        Palette::setModified(*m_view->shapesRadioGroup, modified);
    });
    model.isTracking.watch(this, [this](const bool &tracking) {
        m_view->setTracking(tracking);
        // A drag that ends leaves its shape finished.
        m_view->setDrawings(model.drawings.value(), model.lastEdit(), model.liveShape());
        if (tracking && m_view->infoView->isVisible())
            m_view->infoView->hide();
    });
    if (Handler<bool> *configure = m_hooks.configureForScreenshotHandler)
        configure->watch(this, [this](const bool &capturing) {
            // Afterwards the palette is back as stored: a hidden one stays hidden, and in
            // pointer mode it stays away.
            m_view->setToolsVisible(!capturing && !m_view->pointerMode() &&
                                    Preferences::updateToolsOnScreen.value(m_preferences));
            m_view->setCapturing(capturing);
        });
    model.view = view;

    // The modes.
    view->setFadingInk(&model.fadingInk);
    setFadeDelay(Preferences::fadingInkDelay(m_preferences) * 1000);
    model.setFading(Preferences::fadingInk.value(m_preferences));
    connect(&model, &DrawingViewModel::fadingInkChanged, view, &DrawingView::fadingInkChanged);
    connect(&model, &DrawingViewModel::surfaceChanged, this, &DrawingViewController::followSurface);
    connect(&model, &DrawingViewModel::toggleKeyPressed, this,
            [this](Toggle toggle) { this->toggle(toggle); });
    connect(&model, &DrawingViewModel::pointerModeKeyPressed, this,
            &DrawingViewController::pointerModeRequested);

    // Without a compositor the window is shaped to what it shows and the pointer grabbed.
    connect(&m_compositor, &CompositorWatcher::runningChanged, this,
            &DrawingViewController::followCompositor);
    followCompositor(m_compositor.isRunning());
}

void DrawingViewController::viewDidAppear() {
    if (!model.undoManager)
        QUILLORY_FATAL(QStringLiteral("no undo manager"));
}

void DrawingViewController::followCompositor(bool running) {
    if (!m_view || !m_window)
        return;
    // Without translucency the dimming would black out the screen: the spotlight ends.
    if (!running && m_view->spotlight()) {
        m_view->setSpotlight(false);
        QLOG_ERROR("The compositor stopped; the spotlight is off");
        m_view->showNotice(qtTrId("overlay.notice.spotlightNeedsCompositor"));
    }
    m_view->setShaped(!running);
    followPointer();
}

void DrawingViewController::moveToScreen(QScreen *screen) {
    if (!screen || !m_window)
        return;
    m_window->setScreen(screen);
    WindowHints::coverScreen(m_window, screen->geometry());
    QLOG("Overlay moved to", screen->name(), screen->geometry());
    if (m_window->isVisible())
        m_window->update();
    m_stream->setFrameInterval(m_view->frameInterval());
    passPointerThrough();
}

bool DrawingViewController::performKeyEquivalent(const KeyEvent &event) const {
    return event.keyCode && DrawingViewModel::isDrawingKeyEquivalent(*event.keyCode);
}

// --- events ---

bool DrawingViewController::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            viewDidAppear();
            // Drawing put the help panel aside for the while; the stored choice holds again.
            m_view->infoView->setHidden(m_view->pointerMode() ||
                                        Preferences::infoMessageHidden.value(m_preferences));
            QLOG("Overlay shown on", m_window->screen()->name(), m_window->geometry());
            moveBrushToPointer();
            followPointer();
            break;
        case QEvent::Hide:
            model.finishText();
            // Put away, the overlay comes back drawing, on the screen, without a spotlight.
            setMode(OverlayMode::draw);
            for (const Toggle toggle :
                 {Toggle::spotlight, Toggle::zoom, Toggle::whiteboard, Toggle::blackboard})
                setOn(toggle, false);
            m_grab->release();
            QLOG("Overlay hidden");
            break;
        default:
            break;
        }
    }
    // Pointer events reach the window itself where its shape leaves the view out (no
    // compositor); the view fills the window, so positions agree.
    if (watched != m_view && watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        // A pointer event carries the whole keyboard's modifier state: Shift pressed or
        // released while another window had the focus counts too.
        auto *mouse = static_cast<QMouseEvent *>(event);
        const bool left = mouse->buttons() & Qt::LeftButton;
        const bool shift = mouse->modifiers() & Qt::ShiftModifier;
        // Through the grab a tablet's events come as a mouse's: its tip as the stream saw it.
        const PointerStream::Tip tip =
            m_grab->isHeld() ? m_stream->lastTip() : PointerStream::Tip{};
        model.setPointerPressure(tip.pressure);
        model.setStylusEraser(tip.eraser);
        if (event->type() == QEvent::MouseMove)
            pointerEvent(PointerStream::Kind::Move, mouse->position(), left, shift);
        else if (mouse->button() == Qt::LeftButton)
            pointerEvent(event->type() == QEvent::MouseButtonPress ? PointerStream::Kind::Press
                                                                   : PointerStream::Kind::Release,
                         mouse->position(), left, shift);
        return true;
    }
    case QEvent::KeyPress:
        return keyDown(static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod:
        inputMethod(static_cast<QInputMethodEvent *>(event));
        return true;
    case QEvent::Wheel: {
        // While the pointer is grabbed the grab reports the wheel.
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (m_grab->isHeld())
            return false;
        wheelTurned(wheel->angleDelta().y(), wheel->modifiers() & Qt::ControlModifier);
        return true;
    }
    case QEvent::KeyRelease:
        // Releasing one of two Shift keys leaves Shift held: ask the keyboard, not the key.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Shift)
            flagsChanged(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
        return false;
    case QEvent::ShortcutOverride: {
        // Keys of the overlay's table are ours, with any modifier (but Ctrl on a mode's key, so
        // that Ctrl+S saves): no shortcut may take them.
        const KeyEvent key = KeyEvent::fromQt(*static_cast<QKeyEvent *>(event));
        const bool command = key.modifierFlags & ModifierCommand;
        const bool typing = model.typedText() && !command;
        const auto reserved =
            command ? &DrawingViewModel::isDrawingKeyEquivalent : &DrawingViewModel::isDrawingKey;
        if (typing || (key.keyCode && reserved(*key.keyCode))) {
            event->accept();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void DrawingViewController::pointerEvent(PointerStream::Kind kind, const QPointF &point,
                                         bool leftButton, bool shift) {
    switch (kind) {
    case PointerStream::Kind::Press:
        flagsChanged(shift);
        mouseDown(point);
        break;
    case PointerStream::Kind::Move:
        flagsChanged(shift);
        if (leftButton)
            mouseDragged(point);
        else
            mouseMoved(point);
        break;
    case PointerStream::Kind::Release:
        mouseUp();
        break;
    case PointerStream::Kind::Wheel:
        break; // the stream's wheel notches are taken before
    }
}

void DrawingViewController::pointerSamples(const QList<PointerStream::Sample> &samples) {
    if (!m_view || !m_window)
        return;
    const qreal ratio = m_window->devicePixelRatioF();
    m_view->holdFrames(true);
    for (const PointerStream::Sample &sample : samples) {
        if (sample.kind == PointerStream::Kind::Wheel) {
            wheelTurned(sample.wheel * 120, sample.control);
            continue;
        }
        model.setPointerPressure(sample.pressure);
        model.setStylusEraser(sample.eraser);
        pointerEvent(sample.kind, sample.position / ratio, sample.leftButton, sample.shift);
    }
    model.setPointerPressure(std::nullopt); // Qt's own pointer events are a mouse's
    model.setStylusEraser(false);
    m_view->holdFrames(false);
}

void DrawingViewController::mouseDown(const QPointF &point) {
    if (!model.view)
        return;
    model.isTracking.setValue(true);
    model.beginShape(point);
}

void DrawingViewController::mouseDragged(const QPointF &point) {
    model.mouseDragged(point);
    moveBrush(point);
}

void DrawingViewController::mouseMoved(const QPointF &point) {
    moveBrush(point);
}

void DrawingViewController::mouseUp() {
    model.mouseUp();
}

void DrawingViewController::moveBrush(const QPointF &point) {
    m_view->moveBrush(point);
}

void DrawingViewController::moveBrushToPointer() {
    moveBrush(m_view->mapFromGlobal(QCursor::pos()).toPointF());
}

void DrawingViewController::flagsChanged(bool shift) {
    if (model.enableModification.value() != shift)
        model.enableModification.setValue(shift);
}

bool DrawingViewController::keyDown(QKeyEvent *event) {
    const KeyEvent key = KeyEvent::fromQt(*event);
    if (event->key() == Qt::Key_Shift) {
        flagsChanged(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
        return true;
    }
    if (model.typedText() && typingKey(event))
        return true;
    if (key.modifierFlags & ModifierCommand) {
        // A key equivalent: the overlay's own keys are swallowed whatever the modifiers;
        // Ctrl+Z and Ctrl+Shift+Z are undo and redo.
        // Z first: on Dvorak it sits where the slash key of the help card does.
        if (isKeyZ(key)) {
            if (key.isARepeat)
                return true;
            if (key.modifierFlags & ModifierShift)
                undoManager.redo();
            else
                undoManager.undo();
            return true;
        }
        return m_view->keyEquivalentHandler.call(key);
    }
    model.keyDown(key);
    return true;
}

// --- the text tool, line widths ---

bool DrawingViewController::typingKey(QKeyEvent *event) {
    if (event->modifiers() & Qt::ControlModifier) {
        // A command ends the text first: Ctrl+Z then takes the whole text back.
        model.finishText();
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        model.finishText();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        model.typeText(QStringLiteral("\n"));
        break;
    case Qt::Key_Backspace:
        model.typeBackspace();
        break;
    default: {
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint())
            model.typeText(text);
        break;
    }
    }
    return true;
}

void DrawingViewController::inputMethod(QInputMethodEvent *event) {
    if (!model.typedText())
        return;
    model.typeText(event->commitString());
    m_view->setPreedit(event->preeditString());
}

void DrawingViewController::wheelTurned(int angle, bool control) {
    if (!control && !m_view->zoomed() && !m_view->spotlight())
        return;
    // A notch is 120; a touchpad sends less at a time.
    m_wheelAngle += angle;
    const int steps = m_wheelAngle / 120;
    m_wheelAngle -= steps * 120;
    if (steps == 0)
        return;
    if (control)
        model.stepLineWidth(steps);
    else if (m_view->zoomed())
        m_view->stepZoom(steps);
    else
        m_view->stepSpotlight(steps);
}

// --- the modes ---

bool DrawingViewController::isOn(Toggle toggle) const {
    switch (toggle) {
    case Toggle::fade:
        return model.fading();
    case Toggle::spotlight:
        return m_view && m_view->spotlight();
    case Toggle::zoom:
        return m_zoomAsked || model.surface() == Surface::zoom; // on its way counts
    default:
        return model.surface() == toggleRow(toggle).surface;
    }
}

void DrawingViewController::setOn(Toggle toggle, bool on) {
    if (!m_view || !m_window)
        return;
    if (toggle == Toggle::zoom && on && !isOn(toggle)) {
        // The picture first; the zoom starts when it is there.
        if (!m_window->isVisible() || m_zoomAsked || m_mode != OverlayMode::draw)
            return;
        m_zoomAsked = true;
        m_zoomAskedAt.start();
        model.setSurface(Surface::screen);
        model.finishText(); // the picture holds the finished text, not a caret
        m_view->setTakingZoomPicture(true);
        Q_EMIT zoomPictureRequested(m_window->screen());
        return;
    }
    if (on == isOn(toggle))
        return;
    if (toggle == Toggle::zoom)
        dropZoomPicture(); // off before its picture came: the picture is not wanted
    moveBrushToPointer();  // the spotlight and the zoom start where the pointer is
    const ToggleRow &row = toggleRow(toggle);
    switch (toggle) {
    case Toggle::fade: {
        model.setFading(on);
        Preferences::fadingInk.set(m_preferences, on);
        //% "Fading ink"
        const char *const fadeOn = QT_TRID_NOOP("overlay.notice.fadeOn");
        //% "Ink stays"
        const char *const fadeOff = QT_TRID_NOOP("overlay.notice.fadeOff");
        m_view->showNotice(qtTrId(on ? fadeOn : fadeOff));
        break;
    }
    case Toggle::spotlight:
        if (on && !m_compositor.isRunning()) {
            // A dimmed screen needs translucency; without it the window would hide the screen.
            QLOG_ERROR("The spotlight needs a compositor; none runs");
            //% "The spotlight needs a compositor"
            m_view->showNotice(qtTrId("overlay.notice.spotlightNeedsCompositor"));
            return;
        }
        m_view->setSpotlight(on);
        break;
    default:
        model.setSurface(on ? *row.surface : Surface::screen);
        break;
    }
    QLOG("Overlay", row.name, on ? "on" : "off");
}

void DrawingViewController::dropZoomPicture() {
    m_zoomAsked = false;
    if (m_view)
        m_view->setTakingZoomPicture(false);
}

void DrawingViewController::showZoomPicture(const QImage &picture) {
    // A picture that comes after the zoom was called off (pointer mode, a hide) is dropped.
    const bool wanted = std::exchange(m_zoomAsked, false);
    if (m_view)
        m_view->setTakingZoomPicture(false);
    if (!wanted || !m_view || !m_window || !m_window->isVisible() || m_mode != OverlayMode::draw)
        return;
    if (picture.isNull()) {
        QLOG_ERROR("No picture of the screen to zoom into");
        //% "No picture of the screen to zoom into"
        m_view->showNotice(qtTrId("overlay.notice.noZoomPicture"));
        return;
    }
    moveBrushToPointer();
    m_view->setZoomPicture(picture, [this] {
        QLOG("Zoom shown", m_zoomAskedAt.elapsed(), "ms after it was asked for");
    });
    model.setSurface(Surface::zoom);
}

double DrawingViewController::zoomFactor() const {
    return m_view ? m_view->zoomFactor() : 1.0;
}

void DrawingViewController::setFadeDelay(qint64 ms) {
    model.fadingInk.setDelay(ms);
}

void DrawingViewController::followSurface(Surface surface) {
    if (!m_view)
        return;
    if (surface != Surface::zoom)
        m_view->setZoomPicture({});
    m_view->setBoard(surface == Surface::whiteboard || surface == Surface::blackboard
                         ? std::optional<QColor>(boardColor(surface))
                         : std::nullopt);
    showLaser(); // in the ink's colour for the board
}

void DrawingViewController::showLaser() {
    const Shape shape = model.selectedShape();
    m_view->setLaser(tool(shape).gesture == Tool::Gesture::point, model.inkColor(),
                     model.lineWidth(shape));
}

// The widths picked are kept in palette order; one missing, out of bounds or not a number is
// the tool's own, and the others hold. Nothing is written until a width changes.
void DrawingViewController::loadLineWidths() {
    const auto stored = m_preferences.integerEntries(Preferences::lineWidths.key())
                            .value_or(QList<std::optional<qint64>>{});
    for (qsizetype i = 0; i < stored.size() && i < qsizetype(tools().size()); ++i) {
        const std::optional<qint64> width = stored[i];
        if (width && *width >= minLineWidth && *width <= maxLineWidth)
            model.setLineWidth(tools()[std::size_t(i)].shape, double(*width));
        else
            QLOG_ERROR("pz.lineWidths: entry", i + 1, "is not a width from", minLineWidth, "to",
                       maxLineWidth, "- the tool's own is used");
    }
    m_storedWidths = lineWidths();
}

QList<qint64> DrawingViewController::lineWidths() const {
    QList<qint64> widths;
    for (const Tool &row : tools())
        widths << qRound64(model.lineWidth(row.shape));
    return widths;
}

void DrawingViewController::selectionChanged() {
    const Shape shape = model.selectedShape();
    m_view->setBrush(model.lineWidth(shape), tool(shape).gesture == Tool::Gesture::erase);
    showLaser();
    const QList<qint64> widths = lineWidths();
    if (widths != m_storedWidths) {
        Preferences::lineWidths.set(m_preferences, widths);
        m_storedWidths = widths;
    }
}
