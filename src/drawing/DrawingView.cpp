#include "drawing/DrawingView.h"

#include "platform/NotificationCenter.h"
#include "settings/Preferences.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

DrawingView::DrawingView(PreferenceStore &preferences, NotificationCenter &notifications,
                         QWidget *parent)
    : QWidget(parent)
    , colorsRadioGroup(Palette::makeColorGroup(this))
    , shapesRadioGroup(Palette::makeShapeGroup(this))
    , bottomSpacing(-paletteTopInset)
    , brush(new InteractionDisabledView(this))
    , infoView(new QWidget(this))
    , m_preferences(preferences) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    brush->resize(6, 6);
    infoView->hide(); // the help panel's slot: filled in by the help panel
    keyEquivalentHandler.action = [](KeyEvent) -> std::optional<bool> { return false; };
    setupPalette();
    notifications.addObserver(
        this, updateToolsOnScreenNotification,
        [this](const NotificationCenter::Notification &) { setupNotification(); });
}

void DrawingView::setupPalette() {
    for (QWidget *group :
         {static_cast<QWidget *>(colorsRadioGroup), static_cast<QWidget *>(shapesRadioGroup)}) {
        for (QWidget *child : group->findChildren<QWidget *>())
            child->setFocusPolicy(Qt::NoFocus);
    }
    colorsRadioGroup->selectedItem().watch(this, [this](const QColor &color) {
        brush->setBackgroundColor(color);
        Palette::setTint(*shapesRadioGroup, color);
        if (m_shaped)
            Q_EMIT shapeChanged();
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
    if (m_shaped)
        Q_EMIT shapeChanged();
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

void DrawingView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_canvas.resize(size(), devicePixelRatioF());
    layoutPalette();
    if (m_shaped)
        Q_EMIT shapeChanged();
}

void DrawingView::setDrawings(const Drawings &drawings, bool lastIsLive) {
    if (m_drawings != drawings) // a drag publishes the same list again
        m_drawings = drawings;
    m_tracking = lastIsLive;
    repaint(m_canvas.sync(m_drawings, lastIsLive));
}

void DrawingView::setTracking(bool tracking) {
    if (tracking == m_tracking)
        return;
    m_tracking = tracking;
    repaint(m_canvas.sync(m_drawings, tracking));
}

void DrawingView::moveBrush(const QPointF &point) {
    const int width = brush->width();
    brush->move(qRound(point.x() - width / 2.0), qRound(point.y() - width / 2.0));
    // While drawing the brush is hidden and the stroke's own repaint reshapes the window.
    if (m_shaped && !brush->isHidden())
        Q_EMIT shapeChanged();
}

void DrawingView::repaint(const QRegion &region) {
    if (!region.isEmpty())
        update(region);
    if (m_shaped)
        Q_EMIT shapeChanged();
}

void DrawingView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    for (const QRect &rect : event->region())
        m_canvas.paint(painter, rect);
}

void DrawingView::setShaped(bool shaped) {
    m_shaped = shaped;
    m_canvas.setMaskEnabled(shaped);
    if (shaped)
        Q_EMIT shapeChanged();
}

QRegion DrawingView::shapeRegion() const {
    QRegion region = m_canvas.mask();
    const QWidget *parts[] = {colorsRadioGroup, shapesRadioGroup, brush, infoView};
    for (const QWidget *child : parts) {
        if (child->isVisible())
            region += child->geometry();
    }
    // An empty shape would mean "no shape at all" (the whole window shown); keep one pixel.
    if (region.isEmpty())
        region = QRect(brush->geometry().center(), QSize(1, 1));
    return region;
}
