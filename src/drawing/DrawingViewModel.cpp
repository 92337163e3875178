#include "drawing/DrawingViewModel.h"

#include "core/KeyMap.h"
#include "core/NamedColors.h"
#include "drawing/gestures/DrawGesture.h"
#include "drawing/gestures/TextGesture.h"
#include "platform/DiagnosticLog.h"
#include "platform/ScreenIdentity.h"
#include "settings/Weakly.h"

#include <QGuiApplication>
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
} // namespace

DrawingViewModel::DrawingViewModel(QUndoStack *undo, DrawingsCache initialCache,
                                   DrawingHooks &hooks, QObject *parent)
    : QObject(parent)
    , undoManager(undo)
    , cache(std::move(initialCache))
    , m_hooks(hooks) {
    for (std::size_t i = 0; i < tools().size(); ++i)
        m_widths[i] = tools()[i].width;
    for (std::size_t kind = 0; kind < m_gestures.size(); ++kind)
        m_gestures[kind] = makeGesture(Tool::Gesture(kind), *this);
    if (m_hooks.saveScreenshotRequest)
        m_hooks.saveScreenshotRequest->watch(
            this, weakly(this, &DrawingViewModel::saveScreenshotRequested));
    if (m_hooks.copyScreenshotRequest)
        m_hooks.copyScreenshotRequest->watch(
            this, weakly(this, &DrawingViewModel::copyScreenshotRequested));
    if (m_hooks.screenChanged)
        m_hooks.screenChanged->watch(this, weakly(this, &DrawingViewModel::screenChangeReported));
}

DrawingViewModel::~DrawingViewModel() = default;

TextGesture &DrawingViewModel::text() const {
    return static_cast<TextGesture &>(gesture(Tool::Gesture::write));
}

void DrawingViewModel::finishText() {
    text().finish();
}

const std::shared_ptr<Renderable> &DrawingViewModel::liveShape() const {
    return static_cast<const DrawGesture &>(gesture(Tool::Gesture::draw)).live();
}

void DrawingViewModel::selectColor(const QColor &color) {
    if (color == m_selectedColor)
        return;
    m_selectedColor = color;
    Q_EMIT selectionChanged();
}

void DrawingViewModel::selectTool(Shape shape) {
    if (shape != Shape::text)
        finishText();
    if (shape == m_selectedShape)
        return;
    m_selectedShape = shape;
    Q_EMIT selectionChanged();
}

void DrawingViewModel::setLineWidth(Shape shape, double width) {
    double &stored = m_widths[std::size_t(paletteIndex(shape))];
    width = std::clamp(width, minLineWidth, maxLineWidth);
    if (width == stored)
        return;
    stored = width;
    // The text being typed follows; the shapes drawn keep theirs.
    if (shape == Shape::text)
        text().setLineWidth(width);
    Q_EMIT selectionChanged();
}

void DrawingViewModel::stepLineWidth(int steps) {
    setLineWidth(m_selectedShape, steppedLineWidth(lineWidth(m_selectedShape), steps));
}

// --- pointer and keys ---

void DrawingViewModel::beginShape(const QPointF &point) {
    if (!view)
        return;
    finishText(); // a click elsewhere ends the text being typed
    if (Gesture *previous = std::exchange(m_active, nullptr))
        previous->interrupt(); // its release never came
    m_active = &gesture(m_stylusEraser ? Tool::Gesture::erase : tool(m_selectedShape).gesture);
    m_active->press(point);
}

void DrawingViewModel::mouseDragged(const QPointF &point) {
    if (view && isTracking.value() && m_active)
        m_active->drag(point);
}

void DrawingViewModel::mouseUp() {
    // The gesture lets go first, so that the list's observers see no shape being drawn.
    if (Gesture *active = std::exchange(m_active, nullptr))
        active->release();
    isTracking.setValue(false);
    Q_EMIT keptDrawingsChanged(); // the shape drawn is finished
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
    return keyBinding(keyCode) != nullptr;
}

bool DrawingViewModel::isDrawingKeyEquivalent(quint32 keyCode) {
    // A key with Ctrl of its own (Ctrl+E exports) leaves that to its command.
    if (keyBinding(keyCode, true))
        return false;
    const KeyBinding *binding = keyBinding(keyCode);
    return binding && binding->ctrlReserved();
}

void DrawingViewModel::keyDown(const KeyEvent &event) {
    if (event.isARepeat || !event.keyCode)
        return;
    const KeyBinding *binding = keyBinding(*event.keyCode);
    if (!binding)
        return;
    switch (binding->command) {
    case Command::pickColor:
        return colorKeyboardKeyHandler.notify(binding->color);
    case Command::pickTool:
        return shapeKeyboardKeyHandler.notify(paletteIndex(binding->tool));
    case Command::toggleHelp:
        return slashKeyboardKeyHandler.notify();
    case Command::thinner:
    case Command::thicker:
        return stepLineWidth(binding->command == Command::thicker ? 1 : -1);
    case Command::escape:
        return escape();
    case Command::toggle:
        return Q_EMIT toggleKeyPressed(binding->toggle);
    case Command::pointerMode:
        return Q_EMIT pointerModeKeyPressed();
    case Command::nextPage:
    case Command::previousPage:
        turnPage(binding->command == Command::nextPage ? 1 : -1);
        return;
    case Command::undo:
    case Command::exportDrawings:
        return; // keys with Ctrl: the controller's, the application's
    }
}

// --- list changes ---

// Every change of the list goes through these. A change that is not the press of the drag in
// progress ends that drag, so its later drag events cannot grow another shape.
void DrawingViewModel::endDrag() {
    Gesture *active = std::exchange(m_active, nullptr);
    if (!active || !active->inProgress())
        return;
    active->interrupt();
    if (isTracking.value())
        isTracking.setValue(false);
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
    Q_EMIT keptDrawingsChanged();
}

void DrawingViewModel::appendShape(const std::shared_ptr<Renderable> &shape) {
    if (shape != liveShape())
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

void DrawingViewModel::changeShapes(const QRectF &area, bool endsDrag,
                                    const std::function<void(Drawings &)> &change) {
    if (endsDrag)
        endDrag();
    edited(DrawingsEdit::changedIn, area);
    drawings.modify(change);
}

void DrawingViewModel::setList(Drawings list) {
    endDrag();
    edited(DrawingsEdit::replaced);
    drawings.setValue(std::move(list));
}

// --- undoable list operations ---

void DrawingViewModel::pushStep(const QString &name, std::function<void()> redo,
                                std::function<void()> undo) {
    if (!undoManager)
        return redo();
    QPointer<DrawingViewModel> self(this);
    const auto guarded = [self](std::function<void()> step) {
        return [self, step = std::move(step)] {
            if (self)
                step();
        };
    };
    undoManager->push(new ListCommand(name, guarded(std::move(redo)), guarded(std::move(undo))));
}

void DrawingViewModel::add(const std::shared_ptr<Renderable> &shape) {
    pushStep(
        drawActionName(*shape), [this, shape] { appendShape(shape); },
        [this, shape] { removeShape(shape); });
}

void DrawingViewModel::remove(const std::shared_ptr<Renderable> &shape) {
    pushStep(
        drawActionName(*shape), [this, shape] { removeShape(shape); },
        [this, shape] { appendShape(shape); });
}

void DrawingViewModel::clear() {
    auto saved = std::make_shared<Drawings>();
    pushStep(
        clearActionName(),
        [this, saved] {
            endDrag(); // what is drawn is finished, or fades, before it is kept
            *saved = drawings.value();
            setList({});
        },
        [this, saved] { setList(*saved); });
}

void DrawingViewModel::restore(const Drawings &saved) {
    auto restored = std::make_shared<Drawings>(saved);
    pushStep(
        clearActionName(), [this, restored] { setList(*restored); },
        [this, restored] {
            *restored = drawings.value();
            setList({});
        });
}

QString DrawingViewModel::drawActionName(const Renderable &shape) const {
    //% "Draw %1 on %2"
    return qtTrId("drawing.undo.drawAction").arg(shape.actionName(), screenName());
}

QString DrawingViewModel::clearActionName() const {
    //% "Clear Drawings on %1"
    return qtTrId("drawing.undo.clearAction").arg(screenName());
}

// --- Escape, screens, surfaces, screenshots ---

// Escape takes away one thing at a time: the shapes (and the fading ink), then the zoom or the
// board, then the overlay.
void DrawingViewModel::escape() {
    if (m_fading)
        endDrag(); // a fading stroke being drawn goes with the rest of the fading ink
    const bool faded = !fadingInk.isEmpty();
    if (faded)
        Q_EMIT fadingInkChanged(fadingInk.clear());
    if (!drawings.value().empty() && m_surface != Surface::zoom)
        return clear();
    if (m_surface != Surface::screen)
        return setSurface(Surface::screen);
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

quint32 DrawingViewModel::viewScreenId() const {
    const QScreen *screen = viewScreen();
    return screen ? ScreenIdentity::displayID(screen) : 0;
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
    for (const std::unique_ptr<Gesture> &each : m_gestures)
        each->putDown();
    m_active = nullptr;
    if (isTracking.value())
        isTracking.setValue(false);
    // Fading ink goes with the screen or surface it was drawn on.
    if (!fadingInk.isEmpty())
        Q_EMIT fadingInkChanged(fadingInk.clear());
}

void DrawingViewModel::swapList(std::optional<quint32> screen, std::optional<quint32> to,
                                Surface surface) {
    if (screen && m_surface != Surface::zoom)
        cache.data[{*screen, m_surface, m_page}] = drawings.value();
    m_surface = surface;
    m_page = 0;
    if (to)
        showKept(*to);
}

void DrawingViewModel::showKept(quint32 screen) {
    const auto page = m_pages.find({screen, m_surface});
    m_page = page != m_pages.end() ? page->second : 0;
    const auto kept = cache.data.find({screen, m_surface, m_page});
    setList(kept != cache.data.end() && m_surface != Surface::zoom ? kept->second : Drawings{});
    if (undoManager)
        undoManager->clear();
}

// --- board pages ---

int DrawingViewModel::pageCount() const {
    if (!isBoard(m_surface))
        return 1;
    const quint32 screen = viewScreenId();
    int count = m_page + 1;
    for (const auto &[key, list] : cache.data) {
        if (key.screen == screen && key.surface == m_surface)
            count = std::max(count, key.page + 1);
    }
    return count;
}

bool DrawingViewModel::turnPage(int step) {
    if (!isBoard(m_surface))
        return false;
    putDownDrag();
    const int count = pageCount();
    const int to = m_page + step;
    // One new page after the last, not a pile of empty ones.
    if (to < 0 || to > count || (to == count && drawings.value().empty()))
        return false;
    const quint32 screen = viewScreenId();
    cache.data[{screen, m_surface, m_page}] = drawings.value();
    m_page = to;
    m_pages[{screen, m_surface}] = to;
    Drawings &kept = cache.data[{screen, m_surface, to}]; // a new page counts from here on
    setList(kept);
    if (undoManager)
        undoManager->clear();
    QLOG("Page", to + 1, "of", pageCount(), "on the", surfaceName(m_surface));
    Q_EMIT pageChanged(m_page, pageCount());
    return true;
}

// --- what is kept, as a document ---

DrawingDocument DrawingViewModel::document() const {
    // Each list once, the one shown as it is now (the cache has it as it was).
    std::unordered_map<SurfaceKey, const Drawings *> all;
    for (const auto &[key, list] : cache.data) {
        if (key.surface != Surface::zoom)
            all[key] = &list;
    }
    Drawings shown = drawings.value();
    std::erase(shown, liveShape()); // not finished yet
    if (m_surface != Surface::zoom)
        all[{viewScreenId(), m_surface, m_page}] = &shown;
    std::unordered_map<SurfaceKey, int> pages = m_pages;
    if (isBoard(m_surface))
        pages[{viewScreenId(), m_surface}] = m_page;

    // By the screens there are, in Qt's order; a screen that went away keeps its shapes under
    // its number.
    std::vector<quint32> order;
    std::unordered_map<quint32, const QScreen *> screens;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const quint32 id = ScreenIdentity::displayID(screen);
        order.push_back(id);
        screens[id] = screen;
    }
    for (const auto &[key, list] : all) {
        if (std::find(order.begin(), order.end(), key.screen) == order.end())
            order.push_back(key.screen);
    }
    DrawingDocument document;
    for (const quint32 id : order) {
        ScreenDrawings drawn;
        if (const QScreen *screen = screens[id]) {
            drawn.name = screen->name();
            drawn.size = screen->geometry().size();
            drawn.scale = screen->devicePixelRatio();
        } else {
            drawn.name = QStringLiteral("screen %1").arg(id);
        }
        bool any = false;
        for (const auto &[key, list] : all) {
            if (key.screen != id)
                continue;
            any = true;
            if (key.surface == Surface::screen) {
                drawn.shapes = *list;
                continue;
            }
            BoardPages &board = drawn.board(key.surface);
            if (std::size_t(key.page) >= board.pages.size())
                board.pages.resize(std::size_t(key.page) + 1);
            board.pages[std::size_t(key.page)] = *list;
            board.page = pages[{id, key.surface}];
        }
        if (any)
            document.screens.push_back(std::move(drawn));
    }
    return document;
}

DrawingExport::Source DrawingViewModel::exportSource() const {
    DrawingExport::Source source;
    source.document = document();
    source.shown = drawings.value();
    std::erase(source.shown, liveShape());
    source.surface = m_surface;
    const QScreen *screen = viewScreen() ? viewScreen() : QGuiApplication::primaryScreen();
    if (screen) {
        source.size = screen->geometry().size();
        source.scale = screen->devicePixelRatio();
    }
    return source;
}

void DrawingViewModel::load(const DrawingDocument &document) {
    putDownDrag();
    const QList<QScreen *> screens = QGuiApplication::screens();
    const auto idNamed = [&screens](const QString &name) {
        for (const QScreen *screen : screens) {
            if (screen->name() == name)
                return ScreenIdentity::displayID(screen);
        }
        return screens.isEmpty() ? 0 : ScreenIdentity::displayID(screens.front());
    };
    const auto append = [](Drawings &list, const Drawings &more) {
        list.insert(list.end(), more.begin(), more.end());
    };
    cache.data.clear();
    m_pages.clear();
    for (const ScreenDrawings &screen : document.screens) {
        const quint32 id = idNamed(screen.name);
        append(cache.data[{id, Surface::screen}], screen.shapes);
        for (const Surface surface : {Surface::whiteboard, Surface::blackboard}) {
            const BoardPages &board = screen.board(surface);
            for (std::size_t page = 0; page < board.pages.size(); ++page)
                append(cache.data[{id, surface, int(page)}], board.pages[page]);
            if (!board.pages.empty())
                m_pages[{id, surface}] = board.page;
        }
    }
    showKept(viewScreenId());
}

bool DrawingViewModel::open(const DrawingDocument &document) {
    const Drawings *chosen = nullptr;
    const auto consider = [&chosen](const Drawings &list) {
        if (!chosen && !list.empty())
            chosen = &list;
    };
    const bool onBoard = isBoard(m_surface);
    for (const ScreenDrawings &screen : document.screens) {
        if (!onBoard)
            consider(screen.shapes);
        else if (const BoardPages &board = screen.board(m_surface);
                 std::size_t(board.page) < board.pages.size())
            consider(board.pages[std::size_t(board.page)]);
    }
    for (const ScreenDrawings &screen : document.screens) {
        consider(screen.shapes);
        for (const BoardPages *board : {&screen.whiteboard, &screen.blackboard}) {
            for (const Drawings &page : board->pages)
                consider(page);
        }
    }
    if (!chosen)
        return false;
    finishText();
    auto other = std::make_shared<Drawings>(*chosen);
    const auto swap = [this, other] {
        Drawings shown = drawings.value();
        setList(std::exchange(*other, std::move(shown)));
    };
    //% "Open Drawing on %1"
    pushStep(qtTrId("drawing.undo.openAction").arg(screenName()), swap, swap);
    return true;
}

void DrawingViewModel::setSurface(Surface surface) {
    if (surface == m_surface)
        return;
    putDownDrag();
    const quint32 screen = viewScreenId();
    swapList(screen, screen, surface);
    QLOG("Drawing on", surfaceName(surface));
    Q_EMIT surfaceChanged(surface);
}

void DrawingViewModel::screenChanged(QScreen *oldScreen, QScreen *newScreen) {
    // A stroke in progress belongs to the old screen: it ends there, so the drags that follow
    // cannot grow a shape of the new screen.
    putDownDrag();
    // The zoom's picture is of the old screen: the new one shows as it is.
    const bool zoomed = m_surface == Surface::zoom;
    const auto id = [](QScreen *screen) {
        return screen ? std::optional(ScreenIdentity::displayID(screen)) : std::nullopt;
    };
    swapList(id(oldScreen), id(newScreen), zoomed ? Surface::screen : m_surface);
    if (zoomed)
        Q_EMIT surfaceChanged(m_surface);
}

void DrawingViewModel::saveScreenshotRequested() {
    screenshotRequested(true);
}

void DrawingViewModel::copyScreenshotRequested() {
    screenshotRequested(false);
}

void DrawingViewModel::screenshotRequested(bool save) {
    QScreen *screen = viewScreen();
    if (!screen)
        return;
    finishText(); // the picture holds the text, without its caret
    if (!m_hooks.takesScreenshots()) {
        QLOG(save ? "Save" : "Copy", "screenshot requested for", screen->name(),
             "- nothing takes screenshots here");
        return;
    }
    Q_EMIT(save ? m_hooks.saveScreenshot(screen) : m_hooks.copyScreenshot(screen));
}
