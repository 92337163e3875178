#include "drawing/DrawingView.h"

#include "platform/NotificationCenter.h"
#include "platform/WindowShape.h"
#include "settings/PreferenceStore.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
const QString kUpdateToolsOnScreen = QStringLiteral("UpdateToolsOnScreen");
const QString kInfoMessageHidden = QStringLiteral("pz.infoMessageHidden");
} // namespace

DrawingView::DrawingView(PreferenceStore &preferences, QWidget *parent)
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
    m_frame.setTimerType(Qt::PreciseTimer);
    connect(&m_frame, &QTimer::timeout, this, &DrawingView::nextFrame);
    setupPalette();
    NotificationCenter::defaultCenter().addObserver(
        this, kUpdateToolsOnScreen,
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
    });
    layoutPalette();
    // First start: no stored choice yet, so store "hidden".
    const std::optional<bool> visible = m_preferences.boolean(kUpdateToolsOnScreen);
    if (!visible)
        m_preferences.setBool(kUpdateToolsOnScreen, false);
    setToolsVisible(visible.value_or(false));
}

void DrawingView::setupNotification() {
    const std::optional<bool> visible = m_preferences.boolean(kUpdateToolsOnScreen);
    if (visible) {
        m_preferences.setBool(kUpdateToolsOnScreen, !*visible);
        setToolsVisible(!*visible);
    }
    if (m_preferences.boolean(kInfoMessageHidden).value_or(false))
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

void DrawingView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_canvas.resize(size(), devicePixelRatioF());
    layoutPalette();
}

void DrawingView::setDrawings(const Drawings &list, const DrawingsEdit &edit,
                              const std::shared_ptr<Renderable> &live) {
    invalidate(m_canvas.sync(list, edit, live));
}

void DrawingView::moveBrush(const QPointF &point) {
    const int width = brush->width();
    brush->move(qRound(point.x() - width / 2.0), qRound(point.y() - width / 2.0));
}

void DrawingView::invalidate(const QRegion &area) {
    if (area.isEmpty())
        return;
    m_pending += area;
    if (m_frame.isActive())
        return; // the next frame paints it
    // The first change after a pause shows at once; the ones that follow wait for the frame.
    update(std::exchange(m_pending, {}));
    const QScreen *screen = this->screen();
    const qreal rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    m_frame.start(std::max(1, int(std::lround(1000.0 / rate))));
}

void DrawingView::nextFrame() {
    if (m_pending.isEmpty())
        m_frame.stop();
    else
        update(std::exchange(m_pending, {}));
}

namespace {
QRect toDevice(const QRect &rect, qreal ratio) {
    return QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect();
}

// Takes `cut` out of every rectangle of `rects`.
void carve(std::vector<QRect> &rects, const QRect &cut) {
    const std::size_t count = rects.size();
    for (std::size_t i = 0; i < count; ++i) {
        const QRect rect = rects[i];
        if (!rect.intersects(cut))
            continue;
        const QRect inner = rect & cut;
        QRect pieces[] = {
            QRect(rect.left(), rect.top(), rect.width(), inner.top() - rect.top()),
            QRect(rect.left(), inner.bottom() + 1, rect.width(), rect.bottom() - inner.bottom()),
            QRect(rect.left(), inner.top(), inner.left() - rect.left(), inner.height()),
            QRect(inner.right() + 1, inner.top(), rect.right() - inner.right(), inner.height())};
        rects[i] = QRect();
        for (const QRect &piece : pieces)
            if (!piece.isEmpty())
                rects.push_back(piece);
    }
    std::erase_if(rects, [](const QRect &rect) { return rect.isEmpty(); });
}
} // namespace

void DrawingView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    if (!m_shaped) {
        for (const QRect &rect : event->region())
            m_canvas.paint(painter, rect);
        return;
    }
    // The window's shape follows what is painted, in the area painted: the pixels kept opaque
    // and the visible palette, brush and help panel. So a stroke costs the same however much
    // is on the screen.
    const qreal ratio = devicePixelRatioF();
    std::vector<QRect> shown, hidden;
    const QWidget *parts[] = {colorsRadioGroup, shapesRadioGroup, brush, infoView};
    for (const QRect &rect : event->region()) {
        m_canvas.paintOpaque(painter, rect, shown, hidden);
        for (const QWidget *part : parts) {
            const QRect covered = part->isVisible() ? part->geometry() & rect : QRect();
            if (covered.isEmpty())
                continue;
            shown.push_back(toDevice(covered, ratio));
            carve(hidden, shown.back());
        }
    }
    const WId window = this->window()->internalWinId();
    if (event->region() == QRegion(rect()))
        WindowShape::set(window, shown);
    else
        WindowShape::change(window, shown, hidden);
}

void DrawingView::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Before the window maps: until its first paint it shows nothing rather than black.
    if (m_shaped)
        WindowShape::set(window()->internalWinId(), {});
}

void DrawingView::setShaped(bool shaped) {
    if (shaped == m_shaped)
        return;
    m_shaped = shaped;
    const WId window = this->window()->internalWinId();
    if (shaped)
        WindowShape::set(window, {}); // unshaped, the window would turn the screen black
    else
        WindowShape::reset(window);
    update();
}
