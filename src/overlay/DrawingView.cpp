#include "overlay/DrawingView.h"

#include "overlay/CompositedOutput.h"
#include "overlay/ModeSign.h"
#include "overlay/ShapedOutput.h"
#include "palette/PaletteGrip.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

DrawingView::DrawingView(QWidget *parent)
    : QWidget(parent)
    , colorsRadioGroup(Palette::makeColorGroup(this))
    , shapesRadioGroup(Palette::makeShapeGroup(this))
    , modesColumn(new ModeColumn(this))
    , bottomSpacing(-paletteTopInset)
    , brush(new InteractionDisabledView(this))
    , infoView(new QWidget(this))
    , m_output(std::make_unique<CompositedOutput>())
    , m_pacer([this] { return frameInterval(); })
    , m_modeSign(new ModeSign(this))
    , m_notice(new ModeSign(this))
    , m_grip(new PaletteGrip(this)) {
    m_modeSign->hide();
    m_notice->hide();
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    brush->resize(6, 6);
    infoView->resize(0, 0); // an empty stand-in until the help panel arrives
    keyEquivalentHandler.action = [](KeyEvent) -> std::optional<bool> { return false; };
    connect(&m_pacer, &FramePacer::frameDue, this, &DrawingView::nextFrame);
    m_animation.setTimerType(Qt::PreciseTimer);
    m_animation.setSingleShot(true);
    connect(&m_animation, &QTimer::timeout, this, &DrawingView::animate);
    m_noticeTime.setSingleShot(true);
    m_noticeTime.setInterval(4000);
    connect(&m_noticeTime, &QTimer::timeout, this, [this] {
        m_notice->setMessage({});
        showModeSign();
    });
    setupPalette();
}

DrawingView::~DrawingView() = default;

void DrawingView::setupPalette() {
    for (QWidget *group : paletteParts()) {
        for (QWidget *child : group->findChildren<QWidget *>())
            child->setFocusPolicy(Qt::NoFocus);
        group->installEventFilter(this);
    }
    colorsRadioGroup->selectedItem().watch(this, [this](const QColor &color) {
        Palette::setTint(*shapesRadioGroup, color);
        hiddenChange(QRegion(colorsRadioGroup->geometry()) + shapesRadioGroup->geometry());
    });
    shapesRadioGroup->selectedItem().watch(
        this, [this](const Shape &) { hiddenChange(shapesRadioGroup->geometry()); });
    for (QWidget *part : paletteParts()) {
        if (part != m_grip)
            part->setCursor(Qt::ArrowCursor);
    }
    for (ModeButton *button : modesColumn->buttons()) {
        connect(button, &QAbstractButton::toggled, this, [this] { widgetChanged(modesColumn); });
        button->installEventFilter(this);
    }
    connect(m_grip, &PaletteGrip::pressed, this, [this] { m_dragFrom = paletteArea().topLeft(); });
    connect(m_grip, &PaletteGrip::dragged, this, [this](QPoint offset) {
        m_palettePlace = m_dragFrom + offset;
        layoutPalette();
    });
    connect(m_grip, &PaletteGrip::released, this, [this] {
        m_palettePlace = paletteArea().topLeft(); // where it stayed, on the screen
        Q_EMIT paletteMoved(*m_palettePlace);
    });
    layoutPalette();
}

QList<QWidget *> DrawingView::paletteParts() const {
    return {m_grip, colorsRadioGroup, modesColumn, shapesRadioGroup};
}

void DrawingView::setToolsVisible(bool visible) {
    for (QWidget *part : paletteParts())
        part->setVisible(visible);
}

bool DrawingView::toolsVisible() const {
    return !colorsRadioGroup->isHidden();
}

QRect DrawingView::paletteArea() const {
    QRect area;
    for (const QWidget *part : paletteParts())
        area |= part->geometry();
    return area;
}

void DrawingView::setPalettePlace(std::optional<QPoint> place) {
    m_palettePlace = place;
    layoutPalette();
}

void DrawingView::setPaletteKeepClear(const QRect &keepClear) {
    m_keepClear = keepClear;
    layoutPalette();
}

void DrawingView::layoutPalette() {
    // In its own place the tool column stands 110 above the bottom edge, the colour column
    // paletteTopInset above the tool column, the modes beside the colours and the handle above
    // both; all 30 from the left edge. On a screen too low for that the columns move down
    // rather than lose their top buttons off the screen.
    const QSize tools = shapesRadioGroup->sizeHint();
    const QSize colors = colorsRadioGroup->sizeHint();
    const QSize modes = modesColumn->sizeHint();
    constexpr int topMargin = 10;
    constexpr int gripGap = 6;
    const int needed =
        PaletteGrip::height + gripGap + colors.height() - int(bottomSpacing) + tools.height();
    const int bottom = std::clamp(height() - topMargin - needed, topMargin, paletteBottom);
    const int toolsTop = height() - bottom - tools.height();
    QRect toolsRect(paletteLeft, toolsTop, tools.width(), tools.height());
    const int colorsTop = toolsTop + int(bottomSpacing) - colors.height();
    QRect colorsRect(paletteLeft, colorsTop, colors.width(), colors.height());
    QRect modesRect(colorsRect.right() + 1 + RadioButtonGroup<QColor, ColorRadioButton>::spacing,
                    colorsTop, modes.width(), modes.height());
    const int columnsWidth = modesRect.right() + 1 - paletteLeft;
    QRect gripRect(paletteLeft + (columnsWidth - m_grip->width()) / 2,
                   colorsTop - gripGap - PaletteGrip::height, m_grip->width(), PaletteGrip::height);
    const QRect whole = toolsRect | colorsRect | modesRect | gripRect;

    // The presenter's place, whole on the screen and clear of the tray icon.
    QRect placed = whole;
    if (m_palettePlace)
        placed.moveTopLeft(*m_palettePlace);
    placed.moveLeft(std::clamp(placed.left(), 0, std::max(0, width() - placed.width())));
    placed.moveTop(std::clamp(placed.top(), 0, std::max(0, height() - placed.height())));
    const QRect clear = m_keepClear.isValid()
                            ? QRect(mapFromGlobal(m_keepClear.topLeft()), m_keepClear.size())
                            : QRect();
    if (placed.intersects(clear)) {
        // Beside the icon, on the side with room, else below or above it.
        if (clear.right() + 1 + placed.width() <= width() && clear.center().x() < width() / 2)
            placed.moveLeft(clear.right() + 1);
        else if (clear.left() - placed.width() >= 0 && clear.center().x() >= width() / 2)
            placed.moveRight(clear.left() - 1);
        else if (clear.center().y() < height() / 2)
            placed.moveTop(clear.bottom() + 1);
        else
            placed.moveBottom(clear.top() - 1);
    }
    const QPoint shift = placed.topLeft() - whole.topLeft();
    shapesRadioGroup->setGeometry(toolsRect.translated(shift));
    colorsRadioGroup->setGeometry(colorsRect.translated(shift));
    modesColumn->setGeometry(modesRect.translated(shift));
    m_grip->setGeometry(gripRect.translated(shift));
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
    updateBrush();
    showModeSign();
}

void DrawingView::showModeSign() {
    const QRect before = m_modeSign->geometry() | m_notice->geometry();
    m_modeSign->move((width() - m_modeSign->width()) / 2, ModeSign::topMargin);
    m_modeSign->setVisible(m_pointerMode && !m_capturing);
    // The notice goes below the sign, which it never hides.
    const int noticeTop = m_modeSign->isHidden()
                              ? ModeSign::topMargin
                              : m_modeSign->geometry().bottom() + 1 + ModeSign::topMargin / 2;
    m_notice->move((width() - m_notice->width()) / 2, noticeTop);
    // Neither a screenshot nor the zoom's picture freezes a notice in.
    m_notice->setVisible(m_notice->hasMessage() && !m_capturing && !m_zoomPicture);
    const QRect after = m_modeSign->geometry() | m_notice->geometry();
    update(before | after); // shaped, the window's shape follows
    hiddenChange(before | after);
}

void DrawingView::showNotice(const QString &text, int ms) {
    m_notice->setMessage(text);
    m_noticeTime.start(ms);
    showModeSign();
}

void DrawingView::setWayBack(const QString &shortcut, bool trayIcon) {
    m_modeSign->setWayBack(shortcut, trayIcon);
    showModeSign();
}

void DrawingView::setTracking(bool tracking) {
    m_tracking = tracking;
    updateBrush();
}

void DrawingView::updateBrush() {
    const bool laser = m_effects && m_effects->laser().isOn();
    brush->setHidden(m_tracking || laser || m_pointerMode || m_capturing || m_pointerUnknown);
    hiddenChange(brush->geometry());
}

// --- the effects ---

void DrawingView::setEffects(EffectStack *effects) {
    m_effects = effects;
    m_effects->setViewSize(size());
}

void DrawingView::effectsChanged(const QRegion &area) {
    invalidate(area);
    updateBrush();
    animate();
}

void DrawingView::animate() {
    if (!m_effects)
        return;
    invalidate(m_effects->advance());
    // Nothing moves on its own: no timer runs.
    const qint64 next = m_effects->nextChange();
    if (next < 0)
        m_animation.stop();
    else
        m_animation.start(int(std::max<qint64>(next, frameInterval())));
}

void DrawingView::animateSoon() {
    if (!m_animation.isActive() || m_animation.remainingTime() > frameInterval())
        animate();
}

void DrawingView::paintBeneath(QPainter &painter, const QRect &area) const {
    if (effectsPaint())
        m_effects->paint(painter, area,
                         {OverlayEffect::Layer::beneath, !m_shaped, m_capturing, dithered()});
}

void DrawingView::paintDrawings(QPainter &painter, const QRegion &area) const {
    m_canvas.paint(painter, area);
}

void DrawingView::paintOver(QPainter &painter, const QRect &area, bool withBrush) const {
    if (effectsPaint())
        m_effects->paint(painter, area,
                         {OverlayEffect::Layer::over, !m_shaped, m_capturing, dithered()});
    if (withBrush && brush->isVisible())
        brush->render(&painter, brush->pos(), {}, {});
}

QList<QRect> DrawingView::panels() const {
    QList<QRect> shown;
    for (const QWidget *panel :
         {infoView, static_cast<QWidget *>(m_modeSign), static_cast<QWidget *>(m_notice)}) {
        if (panel->isVisible())
            shown << panel->geometry();
    }
    if (m_grip->isVisible())
        shown << m_grip->geometry().adjusted(0, 2, 0, -2); // its pill
    return shown;
}

QList<QRect> DrawingView::buttons() const {
    QList<QRect> shown;
    const auto add = [&](const QWidget *group, const auto &buttons) {
        if (group->isVisible()) {
            for (const QWidget *button : buttons)
                shown << QRect(button->mapTo(this, QPoint()), button->size());
        }
    };
    add(colorsRadioGroup, colorsRadioGroup->buttons());
    add(shapesRadioGroup, shapesRadioGroup->buttons());
    add(modesColumn, modesColumn->buttons());
    return shown;
}

// --- events ---

bool DrawingView::eventFilter(QObject *watched, QEvent *event) {
    // The panel grows or shrinks with its text.
    if (watched == infoView && event->type() == QEvent::Resize)
        layoutInfoView();
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        widgetChanged(static_cast<QWidget *>(watched));
        Q_EMIT pointerTakersChanged();
        break;
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
    QList<QWidget *> parts = paletteParts();
    parts << infoView;
    for (const QWidget *part : std::as_const(parts)) {
        if (!part->isHidden())
            region += part->geometry();
    }
    return region;
}

void DrawingView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_canvas.resize(size(), devicePixelRatioF());
    if (m_effects)
        m_effects->setViewSize(size());
    layoutPalette();
    layoutInfoView();
    showModeSign();
}

void DrawingView::setDrawings(const Drawings &list, const DrawingsEdit &edit,
                              const std::shared_ptr<Renderable> &live) {
    invalidate(m_canvas.sync(list, edit, live));
}

void DrawingView::setToolCursor(Tool::Gesture gesture) {
    if (gesture == Tool::Gesture::write)
        return setCursor(Qt::IBeamCursor);
    if (gesture == Tool::Gesture::draw)
        return setCursor(Qt::CrossCursor);
    // A ring or a dot, white edged with black to show on any slide, sharp at the screen's scale.
    const qreal ratio = devicePixelRatioF();
    constexpr int side = 17;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side / 2.0, side / 2.0);
    if (gesture == Tool::Gesture::erase) {
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(centre, 6.5, 6.5);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(centre, 6.5, 6.5);
    } else {
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre, 2.5, 2.5);
    }
    painter.end();
    setCursor(QCursor(pixmap, side / 2, side / 2));
}

void DrawingView::setBrushColor(const QColor &ink) {
    brush->setBackgroundColor(ink);
    hiddenChange(brush->geometry());
}

void DrawingView::setBrush(double width, bool ring) {
    const int across = std::max(6, int(std::ceil(width)));
    brush->setRing(ring);
    hiddenChange(brush->geometry());
    if (brush->width() != across) {
        brush->resize(across, across);
        moveBrush(m_brushCentre);
    }
}

void DrawingView::setTypedText(const TextGesture &text, const QRectF &area) {
    m_canvas.setTyped(text.text(), text.caret(), text.preedit());
    invalidate(area.toAlignedRect().adjusted(-1, -1, 1, 1));
    // Dead keys and composition come only while a text is typed.
    setAttribute(Qt::WA_InputMethodEnabled, text.holdsKeyboard());
    QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImCursorRectangle);
}

QVariant DrawingView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImCursorRectangle)
        return m_canvas.typedBounds();
    return QWidget::inputMethodQuery(query);
}

void DrawingView::moveBrush(const QPointF &point) {
    m_brushCentre = point;
    if (m_effects && !m_pointerMode) {
        invalidate(m_effects->follow(point));
        if (m_effects->laser().isOn())
            animateSoon();
    }
    const int width = brush->width();
    m_brushAt = QPoint(qRound(point.x() - width / 2.0), qRound(point.y() - width / 2.0));
    m_pacer.request(); // like a stroke, the dot moves at most once a frame
}

void DrawingView::invalidate(const QRegion &area) {
    if (area.isEmpty())
        return;
    m_pending += area;
    m_pacer.request();
}

int DrawingView::frameInterval() const {
    const QScreen *screen = this->screen();
    const qreal rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    return std::max(1, int(std::lround(1000.0 / rate)));
}

void DrawingView::nextFrame() {
    // New pixels show only once the output takes them in (shaped: while the server rests from
    // the last change, painting them would only have it copy pixels that do not show).
    if (const int wait = m_output->waitBeforePainting(); wait > 0)
        return m_pacer.retryIn(wait);
    if (const int retry = m_output->flush(); retry > 0)
        m_pacer.retryIn(retry);
    const bool brushMoves = brush->pos() != m_brushAt;
    if (brushMoves)
        brush->move(m_brushAt);
    if (!isVisible() && m_hiddenFrame) {
        m_pending += shownWidgetsMoved();
        if (m_pending.isEmpty())
            return;
        m_hiddenFrame(std::exchange(m_pending, {}));
    } else if (!brushMoves && m_pending.isEmpty()) {
        return;
    } else if (!m_pending.isEmpty()) {
        update(std::exchange(m_pending, {}));
    }
    m_pacer.painted();
}

void DrawingView::setHiddenFrames(std::function<void(const QRegion &)> frame) {
    m_hiddenFrame = std::move(frame);
    m_shownWidgets.clear();
}

void DrawingView::hiddenChange(const QRegion &area) {
    if (!isVisible() && m_hiddenFrame)
        invalidate(area);
}

QRegion DrawingView::shownWidgetsMoved() {
    QList<QRect> now;
    QList<QWidget *> widgets = paletteParts();
    widgets << brush << infoView << m_modeSign << m_notice;
    for (const QWidget *widget : std::as_const(widgets))
        now << (widget->isHidden() ? QRect() : widget->geometry());
    QRegion moved;
    for (qsizetype i = 0; i < now.size(); ++i) {
        const QRect before = m_shownWidgets.value(i);
        if (now[i] != before)
            moved += QRegion(now[i]) + before;
    }
    m_shownWidgets = now;
    return moved;
}

void DrawingView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    m_output->paint(*this, painter, event->region(), *this);
    if (const int retry = m_output->flush(); retry > 0)
        m_pacer.retryIn(retry);
    if (m_zoomShown && m_effects && m_effects->magnifier().isShown())
        QTimer::singleShot(0, this, std::exchange(m_zoomShown, {}));
}

void DrawingView::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    m_output->forget(*this);
}

void DrawingView::setShaped(bool shaped) {
    if (shaped == m_shaped)
        return;
    m_shaped = shaped;
    m_output->end();
    m_output = shaped ? std::unique_ptr<OverlayOutput>(std::make_unique<ShapedOutput>())
                      : std::make_unique<CompositedOutput>();
    m_canvas.setDithered(m_output->dithered());
    m_modeSign->setOpaque(shaped);
    m_notice->setOpaque(shaped);
    m_output->forget(*this);
    update();
}

void DrawingView::setCapturing(bool capturing) {
    if (capturing == m_capturing)
        return;
    m_capturing = capturing;
    updateBrush();
    showModeSign(); // screenshots show the drawings, not the sign
    m_output->setHeld(*this, capturing);
    if (!m_shaped) {
        // Composited, the grab sees what the window shows: the laser has to be painted away.
        if (m_effects && m_effects->laser().isShown())
            repaintNow(m_effects->laser().area());
    } else if (!capturing) {
        update();
    }
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
    showModeSign();
    // At once: the picture is taken a moment from now, of what the screen shows then.
    repaintNow(rect());
}

void DrawingView::repaintNow(const QRegion &area) {
    m_pending += area;
    if (!m_pending.isEmpty() && !m_pacer.held())
        nextFrame();
}

QImage DrawingView::overlayImage() {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (effectsPaint())
        m_effects->paint(painter, rect(), {OverlayEffect::Layer::beneath, !m_shaped, true});
    m_canvas.paintTranslucent(painter);
    if (effectsPaint())
        m_effects->paint(painter, rect(), {OverlayEffect::Layer::over, !m_shaped, true});
    for (QWidget *part :
         {static_cast<QWidget *>(colorsRadioGroup), static_cast<QWidget *>(shapesRadioGroup),
          infoView, static_cast<QWidget *>(brush)}) {
        if (part->isVisible())
            part->render(&painter, part->pos(), {}, QWidget::DrawChildren);
    }
    return image;
}
