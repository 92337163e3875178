#include "drawing/EffectStack.h"

EffectStack::EffectStack(FadingInk &ink, Clock clock)
    : m_clock(std::move(clock))
    , m_ink(ink)
    , m_paintOrder{{{&m_magnifier, false},
                    {&m_board, false},
                    {&m_spotlight, toggleRow(Toggle::spotlight).needsCompositor},
                    {&m_ink, false},
                    {&m_laser, false}}} {}

bool EffectStack::isOn(Toggle toggle) const {
    return m_on[std::size_t(toggle)] || (toggle == Toggle::zoom && m_zoomPending);
}

QRegion EffectStack::setOn(Toggle toggle, bool on) {
    m_on[std::size_t(toggle)] = on;
    if (toggle != Toggle::spotlight || on == m_spotlight.isShown())
        return {};
    m_spotlight.setOn(on, m_pointer);
    return viewArea();
}

QList<Toggle> EffectStack::onUntilHidden() const {
    QList<Toggle> ending;
    for (const ToggleRow &row : toggles()) {
        if (!row.remembered && isOn(row.toggle))
            ending << row.toggle;
    }
    return ending;
}

QRegion EffectStack::showSurface(Surface surface, const QImage &picture) {
    for (const ToggleRow &row : toggles()) {
        if (row.surface)
            m_on[std::size_t(row.toggle)] = row.surface == surface;
    }
    const std::optional<QColor> board =
        isBoard(surface) ? std::optional(boardColor(surface)) : std::nullopt;
    // On the zoom without a new picture, the one shown stays.
    const QImage zoom = surface != Surface::zoom ? QImage()
                        : picture.isNull()       ? m_magnifier.picture()
                                                 : picture;
    const bool newPicture = zoom.cacheKey() != m_magnifier.picture().cacheKey();
    if (board == m_board.color && !newPicture)
        return {};
    m_board.color = board;
    if (newPicture) {
        m_magnifier.setPicture(zoom, m_viewSize);
        m_magnifier.moveTo(m_pointer);
    }
    return viewArea();
}

QRegion EffectStack::setLaser(bool on, const QColor &color, double width) {
    m_laser.setColor(color);
    m_laser.setWidth(width);
    return m_laser.setOn(on, m_pointer, m_clock());
}

QRegion EffectStack::follow(const QPointF &point) {
    m_pointer = point;
    QRegion dirty;
    const qint64 now = m_clock();
    for (const Entry &entry : m_paintOrder)
        dirty += entry.effect->follow(point, now);
    return dirty;
}

QRegion EffectStack::advance() {
    QRegion dirty;
    const qint64 now = m_clock();
    for (const Entry &entry : m_paintOrder)
        dirty += entry.effect->advance(now);
    return dirty;
}

qint64 EffectStack::nextChange() const {
    qint64 next = -1;
    const qint64 now = m_clock();
    for (const Entry &entry : m_paintOrder) {
        const qint64 change = entry.effect->nextChange(now);
        if (change >= 0)
            next = next < 0 ? change : std::min(next, change);
    }
    return next;
}

bool EffectStack::takesWheel() const {
    return std::any_of(m_paintOrder.begin(), m_paintOrder.end(),
                       [](const Entry &entry) { return entry.effect->takesWheel(); });
}

QRegion EffectStack::turnWheel(int notches) {
    for (const Entry &entry : m_paintOrder) {
        if (entry.effect->takesWheel())
            return entry.effect->turnWheel(notches);
    }
    return {};
}

void EffectStack::paint(QPainter &painter, const QRect &area, const Paint &how) const {
    const OverlayEffect::Paint when{m_clock(), how.dithered};
    for (const Entry &entry : m_paintOrder) {
        const OverlayEffect &effect = *entry.effect;
        if (effect.layer() == how.layer && effect.isShown() &&
            (how.compositor || !entry.needsCompositor) &&
            !(how.screenshot && !effect.inScreenshots()))
            effect.paint(painter, area, when);
    }
}

bool EffectStack::opaque() const {
    return std::any_of(m_paintOrder.begin(), m_paintOrder.end(),
                       [](const Entry &entry) { return entry.effect->opaque(); });
}
