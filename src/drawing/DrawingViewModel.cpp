#include "drawing/DrawingViewModel.h"

#include "drawing/tools/Eraser.h"
#include "drawing/tools/RenderableText.h"
#include "drawing/tools/ToolFactory.h"
#include "platform/DiagnosticLog.h"
#include "platform/ScreenIdentity.h"
#include "settings/Weakly.h"

#include <QScreen>
#include <QUndoCommand>

#include <algorithm>

namespace {

// One drawing step: each side is the inverse of the other.
class ListCommand : public QUndoCommand {
public:
    ListCommand(const QString &text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text)
        , m_redo(std::move(redo))
        , m_undo(std::move(undo)) {}
    void redo() override { m_redo(); }
    void undo() override { m_undo(); }

private:
    std::function<void()> m_redo;
    std::function<void()> m_undo;
};

// One eraser drag: the shapes each move took away, with where they stood in the list. A drag's
// moves merge into one step, so one undo brings back everything the drag removed.
using ErasedShapes = std::vector<std::pair<std::size_t, std::shared_ptr<Renderable>>>;

class EraseCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const ErasedShapes &, bool erase)>;
    EraseCommand(const QString &text, quint64 drag, ErasedShapes erased, Apply apply)
        : QUndoCommand(text)
        , m_drag(drag)
        , m_apply(std::move(apply)) {
        m_steps.push_back(std::move(erased));
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override {
        const auto *next = static_cast<const EraseCommand *>(other);
        if (next->m_drag != m_drag)
            return false;
        m_steps.insert(m_steps.end(), next->m_steps.begin(), next->m_steps.end());
        return true;
    }
    void redo() override {
        for (const ErasedShapes &step : m_steps)
            m_apply(step, true);
    }
    void undo() override {
        for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
            m_apply(*step, false);
    }

private:
    quint64 m_drag;
    std::vector<ErasedShapes> m_steps;
    Apply m_apply;
};

// The overlay's keys: the digits 1 to 9 pick the palette colours, each tool's key its tool
// (palette order), slash toggles the help panel and Escape clears, then hides.
constexpr quint32 kColorKeys[] = {
    carbonKeyCode(Key::one),   carbonKeyCode(Key::two),   carbonKeyCode(Key::three),
    carbonKeyCode(Key::four),  carbonKeyCode(Key::five),  carbonKeyCode(Key::six),
    carbonKeyCode(Key::seven), carbonKeyCode(Key::eight), carbonKeyCode(Key::nine)};
constexpr quint32 kKeySlash = carbonKeyCode(Key::slash);
constexpr quint32 kKeyThinner = carbonKeyCode(Key::leftBracket);
constexpr quint32 kKeyThicker = carbonKeyCode(Key::rightBracket);
constexpr quint32 kKeyEscape = carbonKeyCode(Key::escape);

int colorIndex(quint32 code) {
    const auto it = std::find(std::begin(kColorKeys), std::end(kColorKeys), code);
    return it == std::end(kColorKeys) ? -1 : int(it - std::begin(kColorKeys));
}

int toolIndex(quint32 code) {
    for (std::size_t i = 0; i < tools().size(); ++i) {
        if (carbonKeyCode(tools()[i].key) == code)
            return int(i);
    }
    return -1;
}

std::optional<Toggle> toggleOfKey(quint32 code) {
    for (const ToggleRow &row : toggles()) {
        if (carbonKeyCode(row.key) == code)
            return row.toggle;
    }
    return std::nullopt;
}

} // namespace

DrawingViewModel::DrawingViewModel(QUndoStack *undo, DrawingsCache initialCache,
                                   DrawingHooks &hooks, QObject *parent)
    : QObject(parent)
    , undoManager(undo)
    , cache(std::move(initialCache))
    , m_hooks(hooks) {
    for (std::size_t i = 0; i < tools().size(); ++i)
        m_widths[i] = tools()[i].width;
    if (m_hooks.saveScreenshotRequest)
        m_hooks.saveScreenshotRequest->watch(
            this, weakly(this, &DrawingViewModel::saveScreenshotRequested));
    if (m_hooks.copyScreenshotRequest)
        m_hooks.copyScreenshotRequest->watch(
            this, weakly(this, &DrawingViewModel::copyScreenshotRequested));
    if (m_hooks.screenChanged)
        m_hooks.screenChanged->watch(this, weakly(this, &DrawingViewModel::screenChangeReported));
}

void DrawingViewModel::setSelectedColor(const QColor &color) {
    m_selectedColor = color;
    Q_EMIT selectionChanged();
}

void DrawingViewModel::setSelectedShape(Shape shape) {
    if (shape != Shape::text)
        finishText();
    m_selectedShape = shape;
    Q_EMIT selectionChanged();
}

void DrawingViewModel::setLineWidth(Shape shape, double width) {
    double &stored = m_widths[std::size_t(paletteIndex(shape))];
    stored = std::clamp(width, minLineWidth, maxLineWidth);
    if (shape == Shape::text && m_typed) {
        // The text being typed follows; the shapes drawn keep theirs.
        const QRectF before = typedArea();
        m_typed->lineWidth = stored;
        m_typed->setText(m_typed->text());
        Q_EMIT typedTextChanged(before | typedArea());
    }
    Q_EMIT selectionChanged();
}

void DrawingViewModel::stepLineWidth(int steps) {
    setLineWidth(m_selectedShape, steppedLineWidth(lineWidth(m_selectedShape), steps));
}

void DrawingViewModel::beginShape(const QPointF &point) {
    if (!view)
        return;
    finishText(); // a click elsewhere ends the text being typed
    switch (m_stylusEraser ? Tool::Gesture::erase : tool(m_selectedShape).gesture) {
    case Tool::Gesture::draw:
        // Live before it is added, so that the list's observers see the new shape as the one
        // being drawn.
        m_live = makeShape(m_selectedShape, point, inkColor(), lineWidth(m_selectedShape));
        if (m_pressure)
            m_live->setPressure(*m_pressure);
        if (m_fading)
            appendShape(m_live); // it goes to the fading ink once finished, never to undo
        else
            add(m_live);
        break;
    case Tool::Gesture::point:
        break;
    case Tool::Gesture::erase:
        m_eraseFrom = point;
        ++m_eraseDrag;
        eraseAlong(point);
        break;
    case Tool::Gesture::write:
        startText(point);
        break;
    }
}

void DrawingViewModel::mouseDragged(const QPointF &point) {
    if (!view || !isTracking.value())
        return;
    if (m_eraseFrom)
        return eraseAlong(point);
    if (!m_live)
        return;
    if (m_pressure)
        m_live->setPressure(*m_pressure);
    m_live->update(point);
    m_live->isModified = enableModification.value();
    // Publishing the list again is what repaints the view.
    drawings.republish();
}

void DrawingViewModel::mouseUp() {
    const std::shared_ptr<Renderable> live = std::exchange(m_live, nullptr);
    m_eraseFrom.reset();
    isTracking.setValue(false);
    const Drawings &list = drawings.value();
    if (m_fading && live)
        return fadeOut(live);
    // A press without a drag leaves a shape with a lone move-to (or nothing): take it back.
    // Undoing keeps a redo step, as any undo does.
    if (live && !list.empty() && list.back() == live && live->path.elementCount() < 2 &&
        undoManager)
        undoManager->undo();
}

void DrawingViewModel::setFading(bool fading) {
    if (fading == m_fading)
        return;
    finishText();
    if (isTracking.value())
        mouseUp();
    m_fading = fading;
}

bool DrawingViewModel::isDrawingKey(quint32 keyCode) {
    return colorIndex(keyCode) >= 0 || toolIndex(keyCode) >= 0 || keyCode == kKeySlash ||
           keyCode == kKeyEscape || keyCode == kKeyThinner || keyCode == kKeyThicker ||
           toggleOfKey(keyCode) || keyCode == carbonKeyCode(pointerModeKey);
}

bool DrawingViewModel::isDrawingKeyEquivalent(quint32 keyCode) {
    return isDrawingKey(keyCode) && !toggleOfKey(keyCode) &&
           keyCode != carbonKeyCode(pointerModeKey);
}

void DrawingViewModel::keyDown(const KeyEvent &event) {
    if (event.isARepeat || !event.keyCode)
        return;
    const quint32 code = *event.keyCode;
    if (const int color = colorIndex(code); color >= 0)
        colorKeyboardKeyHandler.notify(color);
    else if (const int index = toolIndex(code); index >= 0)
        shapeKeyboardKeyHandler.notify(index);
    else if (code == kKeySlash)
        slashKeyboardKeyHandler.notify();
    else if (code == kKeyThinner || code == kKeyThicker)
        stepLineWidth(code == kKeyThicker ? 1 : -1);
    else if (code == kKeyEscape)
        escape();
    else if (const std::optional<Toggle> toggle = toggleOfKey(code))
        Q_EMIT toggleKeyPressed(*toggle);
    else if (code == carbonKeyCode(pointerModeKey))
        Q_EMIT pointerModeKeyPressed();
}

// --- undoable list operations ---

// Every change of the list goes through these three. A change that is not the press of the
// drag in progress ends that drag, so its later drag events cannot grow another shape.
void DrawingViewModel::endDrag() {
    if (!m_live && !m_eraseFrom)
        return;
    const std::shared_ptr<Renderable> live = std::exchange(m_live, nullptr);
    m_eraseFrom.reset();
    if (isTracking.value())
        isTracking.setValue(false);
    // A fading stroke is in the list only while it is drawn, outside the undo history: cut
    // short, it fades from here like any other, rather than stay as ink nothing can undo.
    if (m_fading && live)
        fadeOut(live);
}

void DrawingViewModel::fadeOut(const std::shared_ptr<Renderable> &shape) {
    const Drawings &list = drawings.value();
    if (std::find(list.begin(), list.end(), shape) != list.end()) {
        edited(list.back() == shape ? DrawingsEdit::removedLast : DrawingsEdit::replaced);
        drawings.modify([&](Drawings &changed) { std::erase(changed, shape); });
    }
    fadingInk.add(shape, FadingInk::now());
    Q_EMIT fadingInkChanged(shape->paintedBounds().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void DrawingViewModel::edited(DrawingsEdit::Kind kind, const QRectF &area) {
    m_lastEdit = {m_lastEdit.revision + 1, kind, area};
}

// --- the eraser ---

void DrawingViewModel::eraseAlong(const QPointF &to) {
    const QPointF from = std::exchange(*m_eraseFrom, to);
    const Drawings &list = drawings.value();
    ErasedShapes erased;
    for (const std::size_t index : Eraser(lineWidth(Shape::eraser)).touchedBy(list, from, to))
        erased.emplace_back(index, list[index]);
    if (erased.empty())
        return;
    QPointer<DrawingViewModel> self(this);
    const auto apply = [self](const ErasedShapes &step, bool erase) {
        if (!self)
            return;
        QRectF area;
        for (const auto &[index, shape] : step)
            area |= shape->paintedBounds();
        // Taking shapes away keeps the drag going; bringing them back (an undo) ends it.
        if (!erase)
            self->endDrag();
        self->edited(DrawingsEdit::changedIn, area);
        // By the shapes themselves, their places only as a guide: a list that is not the one
        // the step was taken from loses or gets back no other shape.
        self->drawings.modify([&](Drawings &changed) {
            if (erase) {
                for (const auto &[index, shape] : step)
                    std::erase(changed, shape);
            } else {
                for (const auto &[index, shape] : step)
                    changed.insert(changed.begin() + qsizetype(std::min(index, changed.size())),
                                   shape);
            }
        });
    };
    if (!undoManager)
        return apply(erased, true);
    //% "Erase on %1"
    undoManager->push(new EraseCommand(qtTrId("drawing.undo.eraseAction").arg(screenName()),
                                       m_eraseDrag, std::move(erased), apply));
}

// --- the text tool ---

void DrawingViewModel::startText(const QPointF &point) {
    m_typed = std::static_pointer_cast<RenderableText>(
        makeShape(Shape::text, point, inkColor(), lineWidth(Shape::text)));
    m_caret = 0;
    Q_EMIT typedTextChanged(typedArea());
}

QRectF DrawingViewModel::typedArea() const {
    if (!m_typed)
        return {};
    const QRectF caret = m_typed->caretRect(m_caret);
    return (m_typed->paintedBounds() | caret).adjusted(-2, -2, 2, 2);
}

void DrawingViewModel::typeText(const QString &text) {
    if (!m_typed || text.isEmpty())
        return;
    const QRectF before = typedArea();
    QString typed = m_typed->text();
    typed.insert(m_caret, text);
    m_caret += int(text.size());
    m_typed->setText(typed);
    Q_EMIT typedTextChanged(before | typedArea());
}

void DrawingViewModel::typeBackspace() {
    if (!m_typed || m_caret == 0)
        return;
    const QRectF before = typedArea();
    QString typed = m_typed->text();
    // A character outside the basic plane is two code units.
    const int length = m_caret >= 2 && typed.at(m_caret - 1).isLowSurrogate() &&
                               typed.at(m_caret - 2).isHighSurrogate()
                           ? 2
                           : 1;
    m_caret -= length;
    typed.remove(m_caret, length);
    m_typed->setText(typed);
    Q_EMIT typedTextChanged(before | typedArea());
}

void DrawingViewModel::finishText() {
    if (!m_typed)
        return;
    const QRectF area = typedArea();
    const std::shared_ptr<RenderableText> typed = std::exchange(m_typed, nullptr);
    Q_EMIT typedTextChanged(area);
    if (typed->text().isEmpty())
        return; // an empty text leaves nothing
    if (!m_fading)
        return add(typed);
    fadingInk.add(typed, FadingInk::now());
    Q_EMIT fadingInkChanged(area.toAlignedRect());
}

void DrawingViewModel::appendShape(const std::shared_ptr<Renderable> &shape) {
    if (shape != m_live)
        endDrag();
    edited(DrawingsEdit::appended);
    drawings.modify([&](Drawings &list) { list.push_back(shape); });
}

void DrawingViewModel::removeShape(const std::shared_ptr<Renderable> &shape) {
    endDrag();
    const Drawings &list = drawings.value();
    const bool onlyTheLast =
        !list.empty() && list.back() == shape && std::count(list.begin(), list.end(), shape) == 1;
    edited(onlyTheLast ? DrawingsEdit::removedLast : DrawingsEdit::replaced);
    drawings.modify([&](Drawings &changed) { std::erase(changed, shape); });
}

void DrawingViewModel::setList(Drawings list) {
    endDrag();
    edited(DrawingsEdit::replaced);
    drawings.setValue(std::move(list));
}

void DrawingViewModel::add(const std::shared_ptr<Renderable> &shape) {
    if (!undoManager)
        return appendShape(shape);
    QPointer<DrawingViewModel> self(this);
    undoManager->push(new ListCommand(
        drawActionName(*shape),
        [self, shape] {
            if (self)
                self->appendShape(shape);
        },
        [self, shape] {
            if (self)
                self->removeShape(shape);
        }));
}

void DrawingViewModel::remove(const std::shared_ptr<Renderable> &shape) {
    if (!undoManager)
        return removeShape(shape);
    QPointer<DrawingViewModel> self(this);
    undoManager->push(new ListCommand(
        drawActionName(*shape),
        [self, shape] {
            if (self)
                self->removeShape(shape);
        },
        [self, shape] {
            if (self)
                self->appendShape(shape);
        }));
}

void DrawingViewModel::clear() {
    if (!undoManager)
        return setList({});
    QPointer<DrawingViewModel> self(this);
    auto saved = std::make_shared<Drawings>();
    undoManager->push(new ListCommand(
        clearActionName(),
        [self, saved] {
            if (!self)
                return;
            self->endDrag(); // what is drawn is finished, or fades, before it is kept
            *saved = self->drawings.value();
            self->setList({});
        },
        [self, saved] {
            if (self)
                self->setList(*saved);
        }));
}

void DrawingViewModel::restore(const Drawings &saved) {
    if (!undoManager)
        return setList(saved);
    QPointer<DrawingViewModel> self(this);
    auto restored = std::make_shared<Drawings>(saved);
    undoManager->push(new ListCommand(
        clearActionName(),
        [self, restored] {
            if (self)
                self->setList(*restored);
        },
        [self, restored] {
            if (!self)
                return;
            *restored = self->drawings.value();
            self->setList({});
        }));
}

QString DrawingViewModel::drawActionName(const Renderable &shape) const {
    //% "Draw %1 on %2"
    return qtTrId("drawing.undo.drawAction").arg(shape.actionName(), screenName());
}

QString DrawingViewModel::clearActionName() const {
    //% "Clear Drawings on %1"
    return qtTrId("drawing.undo.clearAction").arg(screenName());
}

// --- Escape, screens, screenshots ---

// Escape takes away one thing at a time: the shapes (and the fading ink), then the zoom or the
// board, then the overlay.
void DrawingViewModel::escape() {
    if (m_fading)
        endDrag(); // a fading stroke being drawn goes with the rest of the fading ink
    const bool faded = !fadingInk.isEmpty();
    if (faded)
        Q_EMIT fadingInkChanged(fadingInk.clear());
    if (!drawings.value().empty() && m_surface != Surface::zoom) {
        clear();
        return;
    }
    if (m_surface != Surface::screen) {
        setSurface(Surface::screen);
        return;
    }
    if (faded)
        return;
    Q_EMIT m_hooks.hideApplication();
    if (undoManager)
        undoManager->clear();
    Q_EMIT m_hooks.closePopover();
}

QScreen *DrawingViewModel::viewScreen() const {
    if (!view || !view->window())
        return nullptr;
    return view->window()->screen();
}

QString DrawingViewModel::screenName() const {
    const QString name = ScreenIdentity::displayName(viewScreen());
    if (!name.isEmpty())
        return name;
    //% "Unknown Screen"
    return qtTrId("error.unknownScreenName");
}

void DrawingViewModel::screenChangeReported(const ScreenChange &change) {
    screenChanged(change.old, change.current);
}

void DrawingViewModel::putDownDrag() {
    finishText(); // a text being typed stays where it was typed
    if (m_live) {
        const std::shared_ptr<Renderable> live = m_live;
        endDrag();
        const bool last = !drawings.value().empty() && drawings.value().back() == live;
        if (last && live->path.elementCount() < 2)
            removeShape(live);
    }
    m_eraseFrom.reset();
    if (isTracking.value())
        isTracking.setValue(false);
    // Fading ink goes with the screen or surface it was drawn on.
    if (!fadingInk.isEmpty())
        Q_EMIT fadingInkChanged(fadingInk.clear());
}

Drawings *DrawingViewModel::storeOf(quint32 screen, Surface surface) {
    switch (surface) {
    case Surface::screen:
        return &cache.data[screen];
    case Surface::zoom:
        return nullptr; // the zoom's shapes go with it
    default:
        return &m_boards[{screen, surface}];
    }
}

void DrawingViewModel::setSurface(Surface surface) {
    if (surface == m_surface)
        return;
    putDownDrag();
    const QScreen *screen = viewScreen();
    const quint32 id = screen ? ScreenIdentity::displayID(screen) : 0;
    if (Drawings *store = storeOf(id, m_surface))
        *store = drawings.value();
    m_surface = surface;
    const Drawings *store = storeOf(id, surface);
    setList(store ? *store : Drawings{});
    if (undoManager)
        undoManager->clear();
    QLOG("Drawing on", surfaceName(surface));
    Q_EMIT surfaceChanged(surface);
}

void DrawingViewModel::screenChanged(QScreen *oldScreen, QScreen *newScreen) {
    // A stroke in progress belongs to the old screen: it ends there, so the drags that follow
    // cannot grow a shape of the new screen.
    putDownDrag();
    // The zoom's picture is of the old screen: the new one shows as it is.
    const bool zoomed = m_surface == Surface::zoom;
    if (zoomed)
        m_surface = Surface::screen;
    else if (oldScreen)
        *storeOf(ScreenIdentity::displayID(oldScreen), m_surface) = drawings.value();
    if (newScreen) {
        const Drawings *store = storeOf(ScreenIdentity::displayID(newScreen), m_surface);
        setList(store ? *store : Drawings{});
        if (undoManager)
            undoManager->clear();
    }
    if (zoomed)
        Q_EMIT surfaceChanged(m_surface);
}

void DrawingViewModel::saveScreenshotRequested() {
    QScreen *screen = viewScreen();
    if (!screen)
        return;
    finishText(); // the picture holds the text, without its caret
    if (!m_hooks.takesScreenshots()) {
        QLOG("Save screenshot requested for", screen->name(), "- nothing takes screenshots here");
        return;
    }
    Q_EMIT m_hooks.saveScreenshot(screen);
}

void DrawingViewModel::copyScreenshotRequested() {
    QScreen *screen = viewScreen();
    if (!screen)
        return;
    finishText(); // the picture holds the text, without its caret
    if (!m_hooks.takesScreenshots()) {
        QLOG("Copy screenshot requested for", screen->name(), "- nothing takes screenshots here");
        return;
    }
    Q_EMIT m_hooks.copyScreenshot(screen);
}
