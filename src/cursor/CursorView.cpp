#include "cursor/CursorView.h"

#include "core/SystemColors.h"

#include <QRegion>

CursorView::CursorView(QWidget *parent)
    : QWidget(parent)
    , brush(new InteractionDisabledView(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    brush->resize(brushSize, brushSize);
    brush->setBackgroundColor(SystemColors::red());
}

void CursorView::moveBrush(QPointF location) {
    const QRect before = brush->geometry();
    // The width serves both axes: the disc is square.
    const double half = brush->width() / 2.0;
    brush->move(QPointF(location.x() - half, location.y() - half).toPoint());
    if (!m_shaped || brush->geometry() == before)
        return;
    // The disc's new pixels must be in the window before the shape shows them.
    repaint(QRegion(before) + brush->geometry());
    shapeToBrush();
}

void CursorView::setShaped(bool shaped) {
    if (shaped == m_shaped)
        return;
    m_shaped = shaped;
    m_shape.setWindow(window()->winId());
    if (shaped)
        shapeToBrush();
    else
        m_shape.reset();
    window()->update();
}

void CursorView::shapeToBrush() {
    const QRegion disc =
        QRegion(brush->geometry(), QRegion::Ellipse).translated(mapTo(window(), QPoint()));
    m_shape.set(WindowShape::Rects(disc.begin(), disc.end()));
}
