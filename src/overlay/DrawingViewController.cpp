#include "overlay/DrawingViewController.h"

#include "core/NamedColors.h"
#include "drawing/gestures/TextGesture.h"
#include "overlay/OverlayInput.h"
#include "overlay/TransparentWindow.h"
#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/WindowHints.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"
#include "settings/Weakly.h"

#include <QCursor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <utility>

QPointer<DrawingViewController> DrawingViewController::current;

namespace {
// How long the screen names a tool or a mode just picked.
constexpr int kPickNotice = 1500;
} // namespace

DrawingViewController::DrawingViewController(const OverlayServices &services, QObject *parent)
    : QObject(parent)
    , model(&undoManager, DrawingsCache{}, services.hooks)
    , m_preferences(services.preferences)
    , m_screens(services.screens)
    , m_compositor(services.compositor)
    , m_notifications(services.notifications)
    , m_hooks(services.hooks)
    , m_effects(model.fadingInk)
    , m_widths(m_preferences, model)
    , m_input(new OverlayInput(model, undoManager, this)) {
    undoManager.setUndoLimit(undoLimit);
    connect(m_input, &OverlayInput::wheelTurned, this, &DrawingViewController::wheelTurned);
}

void DrawingViewController::loadView(TransparentWindow *window) {
    m_window = window;
    m_view = new DrawingView();
    window->setContentView(m_view);
    m_view->setEffects(&m_effects);
    window->installEventFilter(this);
    m_input->attach(window, m_view);
    viewDidLoad();
    // The pointer over the drawing area comes from a stream of its own, a frame's worth at a
    // time; over the palette and the help panel it comes through Qt, as it does everywhere
    // while the pointer is grabbed (no compositor).
    connect(m_view, &DrawingView::pointerTakersChanged, this,
            &DrawingViewController::passPointerThrough);
    passPointerThrough();
    m_input->setFrameInterval(m_view->frameInterval());
}

void DrawingViewController::viewDidLoad() {
    current = this;
    DrawingView *view = m_view;
    m_screens.currentScreen.watch(this, [self = QPointer(this)](const QPointer<QScreen> &screen) {
        if (self)
            self->moveToScreen(screen);
    });
    // The palette's clicks pick in the model, and the palette shows what the model holds.
    view->colorsRadioGroup->selectedItem().watch(
        this, [this](const QColor &color) { model.selectColor(color); });
    view->shapesRadioGroup->selectedItem().watch(
        this, [this](const Shape &shape) { model.selectTool(shape); });
    model.colorKeyboardKeyHandler.watch(this, [this](const int &index) {
        model.selectColor(paletteColors()[std::size_t(index)].color());
    });
    model.shapeKeyboardKeyHandler.watch(this, [this](const int &index) {
        const Tool &picked = tools()[std::size_t(index)];
        model.selectTool(picked.shape);
        // A key shows nothing else of what it picked: the palette may be hidden.
        m_view->showNotice(qtTrId(picked.nameId), kPickNotice);
    });
    // The palette's modes, undo and redo.
    connect(view->modesColumn, &ModeColumn::clicked, this, &DrawingViewController::modeClicked);
    connect(&undoManager, &QUndoStack::canUndoChanged, this, &DrawingViewController::showModes);
    connect(&undoManager, &QUndoStack::canRedoChanged, this, &DrawingViewController::showModes);
    connect(view, &DrawingView::paletteMoved, this, &DrawingViewController::storePalettePlace);
    view->keyEquivalentHandler.action =
        [self = QPointer(this)](KeyEvent event) -> std::optional<bool> {
        if (!self)
            throw WatcherError(WatcherError::nilSelf);
        return self->performKeyEquivalent(event);
    };
    m_widths.load();
    connect(&model, &DrawingViewModel::selectionChanged, this,
            &DrawingViewController::followSelection);
    followSelection();

    // The panels: first start stores "hidden" for the palette.
    if (!Preferences::updateToolsOnScreen.isStored(m_preferences))
        Preferences::updateToolsOnScreen.set(m_preferences, false);
    showPanels();
    view->infoView->setHidden(Preferences::infoMessageHidden.value(m_preferences));
    m_notifications.addObserver(this, updateToolsOnScreenNotification,
                                [this] { setupNotification(); });
    model.slashKeyboardKeyHandler.watch(this, [this] {
        const bool hidden = !m_view->infoView->isHidden();
        m_view->infoView->setHidden(hidden);
        Preferences::infoMessageHidden.set(m_preferences, hidden);
    });
    if (Handler<bool> *configure = m_hooks.configureForScreenshotHandler)
        configure->watch(this, [this](const bool &capturing) {
            m_capturing = capturing;
            showPanels();
            m_view->setCapturing(capturing);
        });

    // The drawing.
    connect(&model, &DrawingViewModel::typedTextChanged, this, [this](const QRectF &area) {
        const TextGesture &text = model.text();
        m_view->setTypedText(text, area);
        // Typed on, like drawn on, the zoomed picture holds still under the text.
        if (model.surface() == Surface::zoom && text.text() && !text.text()->text().isEmpty())
            m_effects.magnifier().setHeld(true);
    });
    model.drawings.watch(this, [this](const Drawings &list) {
        m_view->setDrawings(list, model.lastEdit(), model.liveShape());
        // Drawn on, the zoomed picture holds still under the shapes.
        if (model.surface() == Surface::zoom && !list.empty())
            m_effects.magnifier().setHeld(true);
    });
    model.enableModification.watch(this, [this](const bool &modified) {
        Palette::setModified(*m_view->shapesRadioGroup, modified);
        m_view->widgetChanged(m_view->shapesRadioGroup);
    });
    model.isTracking.watch(this, [this](const bool &tracking) {
        m_view->setTracking(tracking);
        // A drag that ends leaves its shape finished.
        m_view->setDrawings(model.drawings.value(), model.lastEdit(), model.liveShape());
        if (tracking && m_view->infoView->isVisible())
            m_view->infoView->hide();
    });
    model.view = view;

    // The modes.
    setFadeDelay(Preferences::fadingInkDelay(m_preferences) * 1000);
    const bool fading = Preferences::fadingInk.value(m_preferences);
    model.setFading(fading);
    m_effects.setOn(Toggle::fade, fading);
    connect(&model, &DrawingViewModel::fadingInkChanged, view, &DrawingView::effectsChanged);
    connect(&model, &DrawingViewModel::surfaceChanged, this, &DrawingViewController::followSurface);
    connect(&model, &DrawingViewModel::pageChanged, this, [this](int page, int count) {
        //% "Page %1 of %2"
        m_view->showNotice(qtTrId("overlay.notice.page").arg(page + 1).arg(count), kPickNotice);
    });
    connect(&model, &DrawingViewModel::toggleKeyPressed, this,
            [this](Toggle toggle) { this->toggle(toggle); });
    connect(&model, &DrawingViewModel::pointerModeKeyPressed, this,
            &DrawingViewController::pointerModeRequested);
    // Without a compositor the window is shaped to what it shows and the pointer grabbed.
    connect(&m_compositor, &CompositorWatcher::runningChanged, this,
            &DrawingViewController::followCompositor);
    followCompositor(m_compositor.isRunning());
    showModes();
}

void DrawingViewController::viewDidAppear() {
    if (!model.undoManager)
        QUILLORY_FATAL(QStringLiteral("no undo manager"));
}

void DrawingViewController::setupNotification() {
    const std::optional<bool> visible = Preferences::updateToolsOnScreen.stored(m_preferences);
    if (visible) {
        Preferences::updateToolsOnScreen.set(m_preferences, !*visible);
        m_view->setToolsVisible(!*visible);
    }
    if (Preferences::infoMessageHidden.value(m_preferences))
        m_view->infoView->hide();
}

void DrawingViewController::showPanels() {
    m_view->setToolsVisible(!m_capturing && m_mode == OverlayMode::draw &&
                            Preferences::updateToolsOnScreen.value(m_preferences));
}

void DrawingViewController::showCard() {
    m_view->infoView->setHidden(m_mode == OverlayMode::pointer ||
                                Preferences::infoMessageHidden.value(m_preferences));
}

void DrawingViewController::passPointerThrough() {
    if (!m_view || !m_window)
        return;
    if (m_mode == OverlayMode::pointer)
        m_input->setPassThrough(QRect(QPoint(), m_window->size()));
    else
        m_input->setPassThrough(
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
        // The programs below have to show to be clicked: what ends when the overlay hides
        // steps aside (a board, the zoom, the spotlight, a zoom on its way).
        endUntilHidden();
    }
    m_window->setInputTransparent(pointing);
    m_view->setPointerMode(pointing);
    showPanels();
    showCard();
    passPointerThrough();
    followPointer();
    if (!pointing)
        moveBrushToPointer();
    // The laser's dot goes with the pointer: it would stay frozen on the slide.
    showLaser();
    showModes();
    QLOG("Overlay mode", modeName(mode));
    Q_EMIT modeChanged(mode);
}

void DrawingViewController::followPointer() {
    m_input->setGrabbed(m_mode == OverlayMode::draw && !m_compositor.isRunning() &&
                        m_window->isVisible());
}

void DrawingViewController::followCompositor(bool running) {
    if (!m_view || !m_window)
        return;
    // Without translucency a dimmed screen would black out: what needs a compositor ends.
    for (const ToggleRow &row : toggles()) {
        if (!running && row.needsCompositor && isOn(row.toggle)) {
            setOn(row.toggle, false);
            QLOG_ERROR("The compositor stopped; the", row.name, "is off");
            m_view->showNotice(qtTrId(row.unavailableId));
        }
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
    m_input->setFrameInterval(m_view->frameInterval());
    placePalette(screen);
    passPointerThrough();
}

bool DrawingViewController::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Show) {
        viewDidAppear();
        showCard(); // drawing put it aside for the while; the stored choice holds again
        // Fading ink is remembered: the first showing says that it is on, or the drawings
        // would vanish to the presenter's surprise.
        if (!std::exchange(m_shownBefore, true) && isOn(Toggle::fade))
            m_view->showNotice(qtTrId(toggleRow(Toggle::fade).onNoticeId));
        QLOG("Overlay shown on", m_window->screen()->name(), m_window->geometry());
        moveBrushToPointer();
        followPointer();
    } else if (event->type() == QEvent::Hide && !m_handedOver) {
        viewDidDisappear();
    }
    return false;
}

void DrawingViewController::viewDidDisappear() {
    model.finishText();
    // Put away, the overlay comes back drawing, on the screen, without the effects that end on
    // hiding.
    setMode(OverlayMode::draw);
    endUntilHidden();
    followPointer();
    QLOG("Overlay hidden");
}

void DrawingViewController::moveBrushToPointer() {
    m_view->moveBrush(m_view->mapFromGlobal(QCursor::pos()).toPointF());
}

void DrawingViewController::wheelTurned(int angle, bool control) {
    if (!control && !m_effects.takesWheel())
        return;
    // A notch is 120; a touchpad sends less at a time.
    m_wheelAngle += angle;
    const int steps = m_wheelAngle / 120;
    m_wheelAngle -= steps * 120;
    if (steps == 0)
        return;
    if (control)
        model.stepLineWidth(steps);
    else
        m_view->effectsChanged(m_effects.turnWheel(steps));
}

// --- commands ---

DrawingViewController::State DrawingViewController::state() const {
    const Shape shape = model.selectedShape();
    return {m_mode,
            shape,
            model.selectedColor(),
            model.inkColor(),
            model.lineWidth(shape),
            model.surface(),
            isOn(Toggle::fade),
            isOn(Toggle::spotlight),
            m_effects.zoomPending(),
            m_effects.zoomFactor(),
            model.page(),
            model.pageCount()};
}

void DrawingViewController::handOver(std::function<void(const QRegion &)> changed) {
    m_handedOver = bool(changed);
    m_view->setHiddenFrames(std::move(changed));
}

void DrawingViewController::setKeyboardElsewhere(bool elsewhere) {
    m_input->setKeyboardElsewhere(elsewhere);
}

void DrawingViewController::paintPicture(QPainter &painter, const QRegion &area) const {
    m_view->render(&painter, area.boundingRect().topLeft(), area, QWidget::DrawChildren);
}

QImage DrawingViewController::picture() const {
    const qreal ratio = m_view->devicePixelRatioF();
    QImage image(m_view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    m_view->render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

QImage DrawingViewController::overlayImage(QScreen *screen) {
    if (!m_view || !m_view->isShaped() || !m_view->isVisible() || m_view->screen() != screen)
        return {};
    return m_view->overlayImage();
}

// --- the toggle table's rows ---

void DrawingViewController::setOn(Toggle toggle, bool on) {
    if (!m_view || !m_window || on == isOn(toggle))
        return;
    const ToggleRow &row = toggleRow(toggle);
    if (row.needsPicture && on)
        return askZoomPicture(); // the picture first; the zoom starts when it is there
    if (row.needsPicture)
        dropZoomPicture(); // off before its picture came: the picture is not wanted
    if (on && row.needsCompositor && !m_compositor.isRunning()) {
        // A dimmed screen needs translucency; without it the window would hide the screen.
        QLOG_ERROR("The", row.name, "needs a compositor; none runs");
        m_view->showNotice(qtTrId(row.unavailableId));
        return;
    }
    moveBrushToPointer(); // the spotlight and the zoom start where the pointer is
    if (row.surface) {
        model.setSurface(on ? *row.surface : Surface::screen); // the stack follows the model
    } else {
        m_view->effectsChanged(m_effects.setOn(toggle, on));
        if (toggle == Toggle::fade)
            model.setFading(on);
    }
    if (row.remembered)
        Preferences::fadingInk.set(m_preferences, on);
    showModes();
    QLOG("Overlay", row.name, on ? "on" : "off");
}

void DrawingViewController::turnPage(int step) {
    if (!model.turnPage(step))
        QLOG("No page to turn to", step > 0 ? "after" : "before", "page", model.page() + 1, "of",
             model.pageCount(), "on the", surfaceName(model.surface()));
}

void DrawingViewController::toggle(Toggle toggle) {
    const bool on = !isOn(toggle);
    setOn(toggle, on);
    // A switch that did not happen said why. A row with notices of its own says them for
    // longer; the others say their name.
    if (isOn(toggle) != on)
        return;
    const ToggleRow &row = toggleRow(toggle);
    if (row.onNoticeId)
        return m_view->showNotice(qtTrId(on ? row.onNoticeId : row.offNoticeId));
    const QString name = qtTrId(row.nameId);
    //% "%1 off"
    m_view->showNotice(on ? name : qtTrId("overlay.notice.off").arg(name), kPickNotice);
}

void DrawingViewController::askZoomPicture() {
    if (!m_window->isVisible() || m_effects.zoomPending() || m_mode != OverlayMode::draw)
        return;
    m_effects.setZoomPending(true);
    m_zoomAskedAt.start();
    model.setSurface(Surface::screen);
    model.finishText(); // the picture holds the finished text, not a caret
    m_view->setTakingZoomPicture(true);
    Q_EMIT zoomPictureRequested(m_window->screen());
}

void DrawingViewController::dropZoomPicture() {
    m_effects.setZoomPending(false);
    if (m_view) {
        m_view->setTakingZoomPicture(false);
        showModes();
    }
}

void DrawingViewController::showZoomPicture(const QImage &picture) {
    // A picture that comes after the zoom was called off (pointer mode, a hide) is dropped.
    const bool wanted = m_effects.zoomPending();
    dropZoomPicture();
    if (!wanted || !m_view || !m_window || !m_window->isVisible() || m_mode != OverlayMode::draw)
        return;
    if (picture.isNull()) {
        QLOG_ERROR("No picture of the screen to zoom into");
        //% "No picture of the screen to zoom into"
        m_view->showNotice(qtTrId("overlay.notice.noZoomPicture"));
        return;
    }
    moveBrushToPointer();
    m_view->whenZoomShows(
        [this] { QLOG("Zoom shown", m_zoomAskedAt.elapsed(), "ms after it was asked for"); });
    m_view->effectsChanged(m_effects.showSurface(Surface::zoom, picture));
    model.setSurface(Surface::zoom);
}

void DrawingViewController::followSurface(Surface surface) {
    if (!m_view)
        return;
    m_view->effectsChanged(m_effects.showSurface(surface));
    m_view->setBrushColor(model.inkColor());
    showLaser(); // in the ink's colour for the board
    showModes();
}

void DrawingViewController::showLaser() {
    const Shape shape = model.selectedShape();
    const bool on = tool(shape).gesture == Tool::Gesture::point && m_mode == OverlayMode::draw;
    m_view->effectsChanged(m_effects.setLaser(on, model.inkColor(), model.lineWidth(shape)));
}

// --- the selection ---

void DrawingViewController::followSelection() {
    const Shape shape = model.selectedShape();
    // The palette shows the model's tool and colour (a colour it has not got leaves it as is).
    if (m_view->shapesRadioGroup->selectedItem().value() != shape)
        m_view->shapesRadioGroup->pressed(paletteIndex(shape));
    const auto &colors = paletteColors();
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (colors[i].color() == model.selectedColor() &&
            m_view->colorsRadioGroup->selectedItem().value() != model.selectedColor())
            m_view->colorsRadioGroup->pressed(int(i));
    }
    m_view->setBrush(model.lineWidth(shape), tool(shape).gesture == Tool::Gesture::erase);
    m_view->setToolCursor(tool(shape).gesture);
    m_input->setCursor(m_view->cursor());
    m_view->setBrushColor(model.inkColor());
    showLaser();
    m_widths.save();
    Q_EMIT selectionChanged();
}

// --- the palette's modes and place ---

void DrawingViewController::showModes() {
    if (!m_view)
        return;
    ModeColumn &column = *m_view->modesColumn;
    for (const ToggleRow &row : toggles())
        column.setPressed(ModeColumn::itemOf(row.toggle), isOn(row.toggle));
    column.setPressed(ModeColumn::Item::pointer, m_mode == OverlayMode::pointer);
    column.setAvailable(ModeColumn::Item::undo, undoManager.canUndo());
    column.setAvailable(ModeColumn::Item::redo, undoManager.canRedo());
}

void DrawingViewController::modeClicked(ModeColumn::Item item) {
    switch (item) {
    case ModeColumn::Item::pointer:
        Q_EMIT pointerModeRequested();
        break;
    case ModeColumn::Item::undo:
        undoManager.undo();
        break;
    case ModeColumn::Item::redo:
        undoManager.redo();
        break;
    default:
        toggle(toggles()[std::size_t(item)].toggle);
        break;
    }
    showModes(); // a switch that did not happen leaves the button as it was
}

void DrawingViewController::placePalette(const QScreen *screen) {
    const QJsonObject places =
        QJsonDocument::fromJson(Preferences::palettePlaces.value(m_preferences)).object();
    const QJsonArray place = places.value(screen->name()).toArray();
    if (place.size() == 2 && place[0].isDouble() && place[1].isDouble())
        m_view->setPalettePlace(QPoint(place[0].toInt(), place[1].toInt()));
    else
        m_view->setPalettePlace(std::nullopt);
}

void DrawingViewController::storePalettePlace(QPoint place) {
    if (!m_window || !m_window->screen())
        return;
    QJsonObject places =
        QJsonDocument::fromJson(Preferences::palettePlaces.value(m_preferences)).object();
    places.insert(m_window->screen()->name(), QJsonArray{place.x(), place.y()});
    Preferences::palettePlaces.set(m_preferences,
                                   QJsonDocument(places).toJson(QJsonDocument::Compact));
}
