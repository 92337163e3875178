#include "overlay/DrawingView.h"

#include "overlay/ModeSign.h"
#include "platform/NotificationCenter.h"
#include "settings/Preferences.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

DrawingView::DrawingView(PreferenceStore &preferences, NotificationCenter &notifications,
                         QWidget *parent)
    : QWidget(parent)
    , colorsRadioGroup(Palette::makeColorGroup(this))
    , shapesRadioGroup(Palette::makeShapeGroup(this))
    , bottomSpacing(-paletteTopInset)
    , brush(new InteractionDisabledView(this))
    , infoView(new QWidget(this))
    , m_preferences(preferences)
    , m_modeSign(new ModeSign(this)) {
    m_modeSign->hide();
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    brush->resize(6, 6);
    // An empty stand-in until the help panel arrives, which takes over its state.
    infoView->resize(0, 0);
    infoView->setHidden(Preferences::infoMessageHidden.value(m_preferences));
    keyEquivalentHandler.action = [](KeyEvent) -> std::optional<bool> { return false; };
    m_frame.setTimerType(Qt::PreciseTimer);
    m_frame.setSingleShot(true);
    connect(&m_frame, &QTimer::timeout, this, &DrawingView::nextFrame);
    m_animation.setTimerType(Qt::PreciseTimer);
    m_animation.setSingleShot(true);
    connect(&m_animation, &QTimer::timeout, this, &DrawingView::animate);
    m_noticeTime.setSingleShot(true);
    m_noticeTime.setInterval(4000);
    connect(&m_noticeTime, &QTimer::timeout, this, [this] {
        m_modeSign->setMessage({});
        showModeSign();
    });
    setupPalette();
    notifications.addObserver(this, updateToolsOnScreenNotification,
                              [this] { setupNotification(); });
}

void DrawingView::setupPalette() {
    for (QWidget *group :
         {static_cast<QWidget *>(colorsRadioGroup), static_cast<QWidget *>(shapesRadioGroup)}) {
        for (QWidget *child : group->findChildren<QWidget *>())
            child->setFocusPolicy(Qt::NoFocus);
        group->installEventFilter(this);
    }
    colorsRadioGroup->selectedItem().watch(this, [this](const QColor &color) {
        brush->setBackgroundColor(color);
        Palette::setTint(*shapesRadioGroup, color);
    });
    layoutPalette();
    // First start: no stored choice yet, so store "hidden".
    const std::optional<bool> visible = Preferences::updateToolsOnScreen.stored(m_preferences);
    if (!visible)
        Preferences::updateToolsOnScreen.set(m_preferences, false);
    setToolsVisible(visible.value_or(false));
}

void DrawingView::setupNotification() {
    const std::optional<bool> visible = Preferences::updateToolsOnScreen.stored(m_preferences);
    if (visible) {
        Preferences::updateToolsOnScreen.set(m_preferences, !*visible);
        setToolsVisible(!*visible);
    }
    if (Preferences::infoMessageHidden.value(m_preferences))
        infoView->hide();
}

void DrawingView::setToolsVisible(bool visible) {
    colorsRadioGroup->setVisible(visible);
    shapesRadioGroup->setVisible(visible);
}

bool DrawingView::toolsVisible() const {
    return !colorsRadioGroup->isHidden();
}

void DrawingView::layoutPalette() {
    // The tool column stands 110 above the bottom edge, the colour column paletteTopInset
    // above the tool column; both 30 from the left edge. On a screen too low for that the
    // columns move down rather than lose their top buttons off the screen.
    const QSize tools = shapesRadioGroup->sizeHint();
    const QSize colors = colorsRadioGroup->sizeHint();
    constexpr int topMargin = 10;
    const int needed = colors.height() - int(bottomSpacing) + tools.height();
    const int bottom = std::clamp(height() - topMargin - needed, topMargin, paletteBottom);
    const int toolsTop = height() - bottom - tools.height();
    shapesRadioGroup->setGeometry(paletteLeft, toolsTop, tools.width(), tools.height());
    const int colorsBottom = toolsTop + int(bottomSpacing);
    colorsRadioGroup->setGeometry(paletteLeft, colorsBottom - colors.height(), colors.width(),
                                  colors.height());
}

void DrawingView::setInfoView(QWidget *panel) {
    const bool hidden = infoView->isHidden();
    delete std::exchange(infoView, panel);
    panel->setParent(this);
    panel->setHidden(hidden);
    panel->installEventFilter(this);
    layoutInfoView();
    Q_EMIT pointerTakersChanged();
}

void DrawingView::layoutInfoView() {
    infoView->move((width() - infoView->width()) / 2, (height() - infoView->height()) / 2);
}

void DrawingView::setPointerMode(bool on) {
    if (on == m_pointerMode)
        return;
    m_pointerMode = on;
    // The laser dot goes with the pointer: it would stay frozen on the slide, then streak to
    // wherever the pointer is when drawing resumes.
    if (on)
        invalidate(m_laser.hide());
    setToolsVisible(!on && Preferences::updateToolsOnScreen.value(m_preferences));
    infoView->setHidden(on || Preferences::infoMessageHidden.value(m_preferences));
    updateBrush();
    showModeSign();
}

void DrawingView::showModeSign() {
    const QRect before = m_modeSign->geometry();
    m_modeSign->move((width() - m_modeSign->width()) / 2, ModeSign::topMargin);
    m_modeSign->setOpaque(m_shaped);
    m_modeSign->setVisible((m_pointerMode || m_modeSign->hasMessage()) && !m_capturing);
    update(before | m_modeSign->geometry()); // shaped, the window's shape follows
}

void DrawingView::showNotice(const QString &text) {
    m_modeSign->setMessage(text);
    m_noticeTime.start();
    showModeSign();
}

void DrawingView::setTracking(bool tracking) {
    m_tracking = tracking;
    updateBrush();
}

void DrawingView::updateBrush() {
    brush->setHidden(m_tracking || m_laserOn || m_pointerMode || m_capturing);
}

// --- the modes: laser, fading ink, spotlight, board, zoom ---

void DrawingView::setLaser(bool on, const QColor &color, double width) {
    m_laser.setColor(color);
    m_laser.setWidth(width);
    if (on != m_laserOn) {
        m_laserOn = on;
        updateBrush();
        invalidate(on ? m_laser.moveTo(m_brushCentre, FadingInk::now()) : m_laser.hide());
    } else if (on) {
        invalidate(m_laser.moveTo(m_brushCentre, FadingInk::now()));
    }
}

void DrawingView::fadingInkChanged(const QRegion &area) {
    invalidate(area);
    animate();
}

void DrawingView::animate() {
    const qint64 now = FadingInk::now();
    QRegion dirty = m_laser.advance(now);
    qint64 next = m_laser.trailing() ? 0 : -1;
    if (m_fadingInk) {
        dirty += m_fadingInk->advance(now);
        const qint64 fade = m_fadingInk->nextChange(now);
        if (fade >= 0)
            next = next < 0 ? fade : std::min(next, fade);
    }
    invalidate(dirty);
    // Nothing moves on its own: no timer runs.
    if (next < 0)
        m_animation.stop();
    else
        m_animation.start(int(std::max<qint64>(next, frameInterval())));
}

void DrawingView::animateSoon() {
    if (!m_animation.isActive() || m_animation.remainingTime() > frameInterval())
        animate();
}

void DrawingView::setSpotlight(bool on) {
    if (on == m_spotlightOn)
        return;
    m_spotlightOn = on;
    m_spotlight.moveTo(m_brushCentre);
    invalidate(rect());
}

void DrawingView::stepSpotlight(int notches) {
    if (m_spotlightOn)
        invalidate(m_spotlight.stepRadius(notches));
}

void DrawingView::setBoard(std::optional<QColor> color) {
    if (color == m_board)
        return;
    m_board = color;
    invalidate(rect());
}

void DrawingView::setZoomPicture(const QImage &picture, std::function<void()> shown) {
    m_zoomShown = std::move(shown);
    m_magnifier.setPicture(picture, size());
    m_magnifier.follow(m_brushCentre);
    invalidate(rect());
}

void DrawingView::stepZoom(int notches) {
    if (m_magnifier.isShown() && m_magnifier.stepFactor(notches))
        invalidate(rect());
}

void DrawingView::paintBeneath(QPainter &painter, const QRect &area) {
    if (m_magnifier.isShown())
        m_magnifier.paint(painter, area);
    else if (m_board)
        painter.fillRect(area, *m_board);
    if (m_spotlightOn && !m_shaped && !m_zoomPicture)
        m_spotlight.paint(painter, area);
}

void DrawingView::paintOver(QPainter &painter, const QRect &area) {
    if (m_fadingInk && !m_zoomPicture)
        m_fadingInk->paint(painter, area, FadingInk::now(), m_shaped && !opaqueBackdrop());
    if (laserShown())
        m_laser.paint(painter, FadingInk::now());
}

bool DrawingView::eventFilter(QObject *watched, QEvent *event) {
    // The panel grows or shrinks with its text.
    if (watched == infoView && event->type() == QEvent::Resize)
        layoutInfoView();
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Move:
    case QEvent::Resize:
        Q_EMIT pointerTakersChanged();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QRegion DrawingView::pointerTakers() const {
    QRegion region;
    for (const QWidget *part :
         {static_cast<const QWidget *>(colorsRadioGroup),
          static_cast<const QWidget *>(shapesRadioGroup), static_cast<const QWidget *>(infoView)}) {
        if (!part->isHidden())
            region += part->geometry();
    }
    return region;
}

void DrawingView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_canvas.resize(size(), devicePixelRatioF());
    layoutPalette();
    layoutInfoView();
    showModeSign();
}

void DrawingView::setDrawings(const Drawings &list, const DrawingsEdit &edit,
                              const std::shared_ptr<Renderable> &live) {
    invalidate(m_canvas.sync(list, edit, live));
}

void DrawingView::setBrush(double width, bool ring) {
    const int across = std::max(6, int(std::ceil(width)));
    brush->setRing(ring);
    if (brush->width() != across) {
        brush->resize(across, across);
        moveBrush(m_brushCentre);
    }
}

void DrawingView::setTypedText(const std::shared_ptr<RenderableText> &text, int caret,
                               const QRectF &area) {
    m_canvas.setTyped(text, caret);
    if (!text)
        m_canvas.setPreedit({});
    invalidate(area.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void DrawingView::setPreedit(const QString &preedit) {
    const QRect before = m_canvas.typedBounds();
    m_canvas.setPreedit(preedit);
    invalidate(QRegion(before) + m_canvas.typedBounds());
}

QVariant DrawingView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImCursorRectangle)
        return m_canvas.typedBounds();
    return QWidget::inputMethodQuery(query);
}

void DrawingView::moveBrush(const QPointF &point) {
    m_brushCentre = point;
    if (m_laserOn) {
        invalidate(m_laser.moveTo(point, FadingInk::now()));
        animateSoon();
    }
    if (m_spotlightOn)
        invalidate(m_spotlight.moveTo(point));
    if (m_magnifier.follow(point))
        invalidate(rect());
    const int width = brush->width();
    m_brushAt = QPoint(qRound(point.x() - width / 2.0), qRound(point.y() - width / 2.0));
    scheduleFrame(); // like a stroke, the dot moves at most once a frame
}

void DrawingView::invalidate(const QRegion &area) {
    if (area.isEmpty())
        return;
    m_pending += area;
    scheduleFrame();
}

int DrawingView::frameInterval() const {
    const QScreen *screen = this->screen();
    const qreal rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    return std::max(1, int(std::lround(1000.0 / rate)));
}

// The first change after a pause shows at once. Later ones wait until a frame has passed since
// the last paint, and the event that finds it due paints them: a moving pointer sends events
// more often than frames, so no timer has to wake the process while it moves. The timer only
// paints what is left once the pointer rests, half a frame late to leave that to an event.
void DrawingView::scheduleFrame() {
    if (m_framesHeld) {
        m_frameWaits = true;
        return;
    }
    const int interval = frameInterval();
    const qint64 since = m_lastFrame.isValid() ? m_lastFrame.elapsed() : interval;
    // A millisecond's grace: events paced at a frame arrive a hair early as often as late.
    if (since + 1 >= interval) {
        nextFrame();
        return;
    }
    if (!m_frame.isActive())
        m_frame.start(int(interval - since) + interval / 2);
}

void DrawingView::holdFrames(bool hold) {
    m_framesHeld = hold;
    if (!hold && std::exchange(m_frameWaits, false))
        scheduleFrame();
}

void DrawingView::nextFrame() {
    m_frame.stop();
    // Shaped, new pixels show only once the shape takes them in: while the server rests from the
    // last change, painting them would only have it copy pixels that do not show.
    if (m_shaped && !m_capturing && m_shape.busy()) {
        m_frame.start(m_shape.restLeft());
        return;
    }
    sendShape();
    const bool brushMoves = brush->pos() != m_brushAt;
    if (!brushMoves && m_pending.isEmpty())
        return;
    if (brushMoves)
        brush->move(m_brushAt);
    if (!m_pending.isEmpty())
        update(std::exchange(m_pending, {}));
    m_lastFrame.start();
}

void DrawingView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // A board or a zoom shows every pixel: the window's shape, if any, is all of it.
    const bool shaped = m_shaped && !opaqueBackdrop();
    if (!shaped) {
        for (const QRect &rect : event->region())
            paintBeneath(painter, rect);
        m_canvas.paint(painter, event->region());
        painter.save();
        painter.setClipRegion(event->region());
        paintOver(painter, event->region().boundingRect());
        painter.restore();
        if (m_zoomShown && m_magnifier.isShown())
            QTimer::singleShot(0, this, std::exchange(m_zoomShown, {}));
        if (!m_shaped)
            return;
    }
    // The window shows the pixels painted opaque (the brush dot's among them, so its corners
    // do not show dark) and the visible palette and help panel. Its shape changes where this
    // paints, so a stroke costs the same however much is on the screen.
    const qreal ratio = devicePixelRatioF();
    const QRect device = QRect(QPoint(0, 0), size() * ratio);
    const WId window = this->window()->internalWinId();
    if (m_coverage.size() != device.size() || m_shape.window() != window) {
        // Nothing sent yet, or for another window or size: start from an empty shape.
        if (!m_coverage.isNull() || m_shape.window() != window) {
            m_shape.setWindow(window);
            m_shape.set({});
        }
        m_coverage = QImage(device.size(), QImage::Format_Grayscale8);
        m_coverage.fill(0);
        m_unsent = QRegion();
        if (event->region() != QRegion(rect()))
            update();
    }
    const auto paintBrush = [this](QPainter &offscreen, const QRect &strip) {
        paintOver(offscreen, strip);
        if (brush->isVisible())
            brush->render(&offscreen, brush->pos(), {}, {});
    };
    // The help card shows whole; each palette button as its disc, without the column's
    // corners, and without the outermost half pixel, which would blend into black.
    const auto cover = [&](const QRect &part, const QRect &rect, bool round) {
        const QRect covered = part & rect;
        const QRect pixels = WindowShape::toDevice(covered, ratio) & device;
        const QPointF centre = QRectF(part).center() * ratio;
        const qreal radius = part.width() * ratio / 2 - 0.5;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            uchar *line = m_coverage.scanLine(y);
            const qreal dy = y + 0.5 - centre.y();
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const qreal dx = x + 0.5 - centre.x();
                if (!round || dx * dx + dy * dy <= radius * radius)
                    line[x] |= 1;
            }
        }
    };
    for (const QRect &rect : event->region()) {
        if (shaped) {
            m_canvas.paintOpaque(painter, rect, m_coverage, paintBrush);
        } else {
            const QRect pixels = WindowShape::toDevice(rect, ratio) & device;
            for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                uchar *line = m_coverage.scanLine(y);
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    line[x] |= 1;
            }
        }
        for (const QWidget *panel : {infoView, static_cast<QWidget *>(m_modeSign)}) {
            if (panel->isVisible())
                cover(panel->geometry(), rect, false);
        }
        const auto coverButtons = [&](const QWidget *group, const auto &buttons) {
            if (!group->isVisible() || !group->geometry().intersects(rect))
                return;
            for (const QWidget *button : buttons)
                cover(QRect(button->mapTo(this, QPoint()), button->size()), rect, true);
        };
        coverButtons(colorsRadioGroup, colorsRadioGroup->buttons());
        coverButtons(shapesRadioGroup, shapesRadioGroup->buttons());
        m_unsent += WindowShape::toDevice(rect, ratio) & device;
    }
    sendShape();
}

namespace {
// Where bit 0 of `coverage` (the pixel should show) differs from bit 1 (it shows), in `area`:
// rectangles of pixels to show and to hide, rows with the same runs making one rectangle a
// run. Marks them as shown as they should be.
void takeChanges(QImage &coverage, const QRect &area, WindowShape::Rects &shown,
                 WindowShape::Rects &hidden) {
    struct Run {
        int left, right;
        bool show;
        bool operator==(const Run &) const = default;
    };
    std::vector<Run> band, row;
    int bandTop = area.top();
    const auto closeBand = [&](int bottom) {
        for (const Run &run : band)
            (run.show ? shown : hidden)
                .emplace_back(run.left, bandTop, run.right - run.left, bottom - bandTop);
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar *line = coverage.scanLine(y);
        row.clear();
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool want = line[x] & 1;
            if (want == bool(line[x] & 2))
                continue;
            line[x] = want ? 3 : 0;
            if (!row.empty() && row.back().right == x && row.back().show == want)
                row.back().right = x + 1;
            else
                row.push_back({x, x + 1, want});
        }
        if (row != band) {
            closeBand(y);
            std::swap(band, row);
            bandTop = y;
        }
    }
    closeBand(area.bottom() + 1);
}
} // namespace

void DrawingView::sendShape() {
    if (m_unsent.isEmpty() || m_capturing)
        return;
    if (m_shape.busy()) {
        if (!m_frame.isActive())
            m_frame.start(m_shape.restLeft()); // to try again
        return;
    }
    WindowShape::Rects shown, hidden;
    for (const QRect &area : std::exchange(m_unsent, {}))
        takeChanges(m_coverage, area, shown, hidden);
    m_shape.change(shown, hidden);
}

void DrawingView::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_shaped)
        forgetShape();
}

// Empties the window's shape, before it maps or once the compositor is gone: unshaped, the
// window would turn the screen black. The next paint makes it show what it should.
void DrawingView::forgetShape() {
    m_coverage = QImage();
    m_unsent = QRegion();
    m_shape.setWindow(window()->internalWinId());
    m_shape.set({});
}

void DrawingView::setShaped(bool shaped) {
    if (shaped == m_shaped)
        return;
    m_shaped = shaped;
    m_canvas.setDithered(shaped);
    m_modeSign->setOpaque(shaped);
    if (shaped) {
        forgetShape();
    } else {
        m_coverage = QImage();
        m_unsent = QRegion();
        m_shape.reset();
    }
    update();
}

void DrawingView::setCapturing(bool capturing) {
    if (capturing == m_capturing)
        return;
    m_capturing = capturing;
    updateBrush();
    showModeSign(); // screenshots show the drawings, not the sign
    if (!m_shaped) {
        // Composited, the grab sees what the window shows: the laser has to be painted away.
        if (m_laserOn)
            repaintNow(m_laser.area());
        return;
    }
    forgetShape(); // empty now; the full repaint afterwards shows everything again
    if (!capturing)
        update();
}

void DrawingView::setTakingZoomPicture(bool taking) {
    if (taking == m_zoomPicture)
        return;
    m_zoomPicture = taking;
    if (taking) {
        m_infoBeforeZoomPicture = infoView->isVisible();
        infoView->hide();
    } else if (m_infoBeforeZoomPicture && !m_pointerMode && !isHidden()) {
        infoView->show();
    }
    // At once: the picture is taken a moment from now, of what the screen shows then.
    repaintNow(rect());
}

void DrawingView::repaintNow(const QRegion &area) {
    m_pending += area;
    if (!m_pending.isEmpty() && !m_framesHeld)
        nextFrame();
}

QImage DrawingView::overlayImage() {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintBeneath(painter, rect());
    m_canvas.paintTranslucent(painter);
    if (m_fadingInk && !m_zoomPicture)
        m_fadingInk->paint(painter, rect(), FadingInk::now(), false);
    for (QWidget *part :
         {static_cast<QWidget *>(colorsRadioGroup), static_cast<QWidget *>(shapesRadioGroup),
          infoView, static_cast<QWidget *>(brush)}) {
        if (part->isVisible())
            part->render(&painter, part->pos(), {}, QWidget::DrawChildren);
    }
    return image;
}
