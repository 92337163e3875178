#include "drawing/DrawingViewModel.h"

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

// The overlay's keys: the digits 1 to 9 pick the palette colours, each tool's key its tool
// (palette order), slash toggles the help panel and Escape clears, then hides.
constexpr quint32 kColorKeys[] = {
    carbonKeyCode(Key::one),   carbonKeyCode(Key::two),   carbonKeyCode(Key::three),
    carbonKeyCode(Key::four),  carbonKeyCode(Key::five),  carbonKeyCode(Key::six),
    carbonKeyCode(Key::seven), carbonKeyCode(Key::eight), carbonKeyCode(Key::nine)};
constexpr quint32 kKeySlash = carbonKeyCode(Key::slash);
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

} // namespace

DrawingViewModel::DrawingViewModel(QUndoStack *undo, DrawingsCache initialCache,
                                   DrawingHooks &hooks, QObject *parent)
    : QObject(parent)
    , undoManager(undo)
    , cache(std::move(initialCache))
    , m_hooks(hooks) {
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
    m_selectedShape = shape;
    Q_EMIT selectionChanged();
}

void DrawingViewModel::beginShape(const QPointF &point) {
    if (!view)
        return;
    // Live before it is added, so that the list's observers see the new shape as the one
    // being drawn.
    m_live = makeShape(m_selectedShape, point, m_selectedColor);
    add(m_live);
}

void DrawingViewModel::mouseDragged(const QPointF &point) {
    if (!view || !isTracking.value() || !m_live)
        return;
    m_live->update(point);
    m_live->isModified = enableModification.value();
    // Publishing the list again is what repaints the view.
    drawings.republish();
}

void DrawingViewModel::mouseUp() {
    const std::shared_ptr<Renderable> live = std::exchange(m_live, nullptr);
    isTracking.setValue(false);
    const Drawings &list = drawings.value();
    // A press without a drag leaves a shape with a lone move-to (or nothing): take it back.
    // Undoing keeps a redo step, as any undo does.
    if (live && !list.empty() && list.back() == live && live->path.elementCount() < 2 &&
        undoManager)
        undoManager->undo();
}

bool DrawingViewModel::isDrawingKey(quint32 keyCode) {
    return colorIndex(keyCode) >= 0 || toolIndex(keyCode) >= 0 || keyCode == kKeySlash ||
           keyCode == kKeyEscape;
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
    else if (code == kKeyEscape)
        escape();
}

// --- undoable list operations ---

// Every change of the list goes through these three. A change that is not the press of the
// drag in progress ends that drag, so its later drag events cannot grow another shape.
void DrawingViewModel::endDrag() {
    if (!m_live)
        return;
    m_live.reset();
    if (isTracking.value())
        isTracking.setValue(false);
}

void DrawingViewModel::edited(DrawingsEdit::Kind kind) {
    m_lastEdit = {m_lastEdit.revision + 1, kind};
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

void DrawingViewModel::escape() {
    if (!drawings.value().empty()) {
        clear();
        return;
    }
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

void DrawingViewModel::screenChanged(QScreen *oldScreen, QScreen *newScreen) {
    // A stroke in progress belongs to the old screen: it ends there (a lone press leaves
    // nothing behind), so the drags that follow cannot grow a shape of the new screen.
    if (m_live) {
        const std::shared_ptr<Renderable> live = m_live;
        endDrag();
        if (live->path.elementCount() < 2 && !drawings.value().empty() &&
            drawings.value().back() == live)
            removeShape(live);
    }
    if (oldScreen)
        cache.data[ScreenIdentity::displayID(oldScreen)] = drawings.value();
    if (newScreen) {
        const auto entry = cache.data.find(ScreenIdentity::displayID(newScreen));
        setList(entry != cache.data.end() ? entry->second : Drawings{});
        if (undoManager)
            undoManager->clear();
    }
}

void DrawingViewModel::saveScreenshotRequested() {
    QScreen *screen = viewScreen();
    if (!screen)
        return;
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
    if (!m_hooks.takesScreenshots()) {
        QLOG("Copy screenshot requested for", screen->name(), "- nothing takes screenshots here");
        return;
    }
    Q_EMIT m_hooks.copyScreenshot(screen);
}
