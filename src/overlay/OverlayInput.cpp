#include "overlay/OverlayInput.h"

#include "core/KeyMap.h"
#include "drawing/DrawingViewModel.h"
#include "drawing/gestures/TextGesture.h"
#include "overlay/DrawingView.h"
#include "platform/x11/KeysBelow.h"
#include "platform/x11/PointerGrab.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QUndoStack>
#include <QWheelEvent>

#include <algorithm>

namespace {
// Undo is the key the layout labels Z (on AZERTY the position of W); a layout without Latin
// letters (Cyrillic, Greek) keeps the position of Z, where its programs undo too.
bool isUndoKey(const KeyEvent &key) {
    const QString text = key.charactersIgnoringModifiers.toLower();
    const bool latinLetter = text.size() == 1 && text.at(0) >= u'a' && text.at(0) <= u'z';
    const KeyBinding *undo = keyBinding(Key::z, true);
    return latinLetter ? text == u"z" : key.keyCode == carbonKeyCode(undo->key);
}

// The keys of a presenter's remote and of slide programs, which the overlay leaves alone: the
// page and arrow keys, Home and End, F5 (Shift+F5 too) and period (a blank screen).
bool isSlideKey(const KeyEvent &key) {
    static constexpr Key slideKeys[] = {
        Key::pageDown,  Key::pageUp, Key::leftArrow, Key::rightArrow, Key::upArrow,
        Key::downArrow, Key::home,   Key::end,       Key::f5,         Key::period};
    const std::optional<Key> position =
        key.keyCode ? keyFromCarbonKeyCode(*key.keyCode) : std::nullopt;
    return position &&
           std::find(std::begin(slideKeys), std::end(slideKeys), *position) != std::end(slideKeys);
}
} // namespace

OverlayInput::OverlayInput(DrawingViewModel &model, QUndoStack &undo, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_undo(undo)
    , m_grab(new PointerGrab(this))
    , m_stream(new PointerStream(this)) {
    connect(m_grab, &PointerGrab::wheelTurned, this,
            [this](int notches, bool control) { Q_EMIT wheelTurned(notches * 120, control); });
    connect(m_stream, &PointerStream::samplesRead, this, &OverlayInput::pointerSamples);
}

void OverlayInput::attach(QWidget *window, DrawingView *view) {
    m_window = window;
    m_view = view;
    view->installEventFilter(this);
    window->installEventFilter(this);
    m_stream->attach(window);
}

void OverlayInput::setCursor(const QCursor &shape) {
    m_stream->setCursor(shape);
    m_grab->setCursor(shape);
}

void OverlayInput::setPassThrough(const QRegion &region) {
    m_stream->setPassThrough(region);
}

void OverlayInput::setFrameInterval(int ms) {
    m_stream->setFrameInterval(ms);
}

void OverlayInput::setGrabbed(bool grabbed) {
    if (grabbed && m_window)
        m_grab->grab(m_window);
    else
        m_grab->release();
    m_stream->setTrackingTip(grabbed);
}

bool OverlayInput::eventFilter(QObject *watched, QEvent *event) {
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
        m_model.setPointerPressure(tip.pressure);
        m_model.setStylusEraser(tip.eraser);
        if (event->type() == QEvent::MouseMove)
            pointerEvent(PointerStream::Kind::Move, mouse->position(), left, shift);
        else if (mouse->button() == Qt::LeftButton)
            pointerEvent(event->type() == QEvent::MouseButtonPress ? PointerStream::Kind::Press
                                                                   : PointerStream::Kind::Release,
                         mouse->position(), left, shift);
        return true;
    }
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: {
        // A pen on the native surface, with its pressure and its end. (On the X server Qt
        // makes a mouse's events of a pen's, and the stream tells the pressure.)
        if (!m_keyboardElsewhere)
            return false;
        auto *pen = static_cast<QTabletEvent *>(event);
        m_model.setPointerPressure(pen->pressure());
        m_model.setStylusEraser(pen->pointerType() == QPointingDevice::PointerType::Eraser);
        const auto kind = event->type() == QEvent::TabletPress     ? PointerStream::Kind::Press
                          : event->type() == QEvent::TabletRelease ? PointerStream::Kind::Release
                                                                   : PointerStream::Kind::Move;
        pointerEvent(kind, pen->position(), pen->buttons() & Qt::LeftButton,
                     pen->modifiers() & Qt::ShiftModifier);
        return true;
    }
    case QEvent::KeyPress:
        return keyDown(static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod:
        m_model.text().inputMethod(*static_cast<QInputMethodEvent *>(event));
        return true;
    case QEvent::Wheel: {
        // While the pointer is grabbed the grab reports the wheel.
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (m_grab->isHeld())
            return false;
        Q_EMIT wheelTurned(wheel->angleDelta().y(), wheel->modifiers() & Qt::ControlModifier);
        return true;
    }
    case QEvent::KeyRelease:
        // Releasing one of two Shift keys leaves Shift held: ask the keyboard, not the key.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Shift)
            flagsChanged(shiftHeld(*static_cast<QKeyEvent *>(event)));
        return false;
    case QEvent::ShortcutOverride:
        if (!ownsKey(static_cast<QKeyEvent *>(event)))
            return false;
        event->accept();
        return true;
    default:
        return false;
    }
}

// Keys of the overlay's key map are ours, with any modifier (but Ctrl on a mode's key, so that
// Ctrl+S saves): no shortcut may take them. While a text is typed, every key but a command.
bool OverlayInput::ownsKey(QKeyEvent *event) const {
    const KeyEvent key = KeyEvent::fromQt(*event);
    const bool command = key.modifierFlags & ModifierCommand;
    if (m_model.text().holdsKeyboard() && !command)
        return true;
    const auto reserved =
        command ? &DrawingViewModel::isDrawingKeyEquivalent : &DrawingViewModel::isDrawingKey;
    return key.keyCode && reserved(*key.keyCode);
}

void OverlayInput::pointerEvent(PointerStream::Kind kind, const QPointF &point, bool leftButton,
                                bool shift) {
    switch (kind) {
    case PointerStream::Kind::Press:
        flagsChanged(shift);
        if (m_model.view) {
            m_model.isTracking.setValue(true);
            m_model.beginShape(point);
        }
        break;
    case PointerStream::Kind::Move:
        flagsChanged(shift);
        if (leftButton)
            m_model.mouseDragged(point);
        m_view->moveBrush(point);
        break;
    case PointerStream::Kind::Release:
        m_model.mouseUp();
        break;
    case PointerStream::Kind::Wheel:
        break; // the stream's wheel notches are taken before
    }
}

void OverlayInput::pointerSamples(const QList<PointerStream::Sample> &samples) {
    if (!m_view || !m_window)
        return;
    const qreal ratio = m_window->devicePixelRatioF();
    m_view->holdFrames(true);
    for (const PointerStream::Sample &sample : samples) {
        if (sample.kind == PointerStream::Kind::Wheel) {
            Q_EMIT wheelTurned(sample.wheel * 120, sample.control);
            continue;
        }
        m_model.setPointerPressure(sample.pressure);
        m_model.setStylusEraser(sample.eraser);
        pointerEvent(sample.kind, sample.position / ratio, sample.leftButton, sample.shift);
    }
    m_model.setPointerPressure(std::nullopt); // Qt's own pointer events are a mouse's
    m_model.setStylusEraser(false);
    m_view->holdFrames(false);
}

bool OverlayInput::shiftHeld(const QKeyEvent &event) const {
    const Qt::KeyboardModifiers held =
        m_keyboardElsewhere ? event.modifiers() : QGuiApplication::queryKeyboardModifiers();
    return held & Qt::ShiftModifier;
}

void OverlayInput::flagsChanged(bool shift) {
    if (m_model.enableModification.value() != shift)
        m_model.enableModification.setValue(shift);
}

bool OverlayInput::keyDown(QKeyEvent *event) {
    const KeyEvent key = KeyEvent::fromQt(*event);
    if (event->key() == Qt::Key_Shift) {
        flagsChanged(shiftHeld(*event));
        return true;
    }
    if (m_model.text().key(*event))
        return true;
    if (key.modifierFlags & ModifierCommand) {
        // A key equivalent: the overlay's own keys are swallowed whatever the modifiers;
        // Ctrl+Z and Ctrl+Shift+Z are undo and redo. Z first: on Dvorak it sits where the
        // slash key of the help card does.
        if (isUndoKey(key)) {
            if (!key.isARepeat)
                (key.modifierFlags & ModifierShift) ? m_undo.redo() : m_undo.undo();
            return true;
        }
        return m_view && m_view->keyEquivalentHandler.call(key);
    }
    // On the screen the slide keys go to the program below, the ink staying (on a board they
    // are the board's). The native surface of a Wayland session has no way to hand them on.
    if (isSlideKey(key) && m_model.surface() == Surface::screen && !m_keyboardElsewhere &&
        KeysBelow::send(event->nativeScanCode(), event->modifiers()))
        return true;
    m_model.keyDown(key);
    return true;
}
