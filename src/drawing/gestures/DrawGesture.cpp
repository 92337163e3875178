#include "drawing/gestures/DrawGesture.h"

#include "drawing/DrawingViewModel.h"
#include "drawing/tools/ToolFactory.h"

void DrawGesture::press(const QPointF &point) {
    const Shape shape = m_model.selectedShape();
    // Live before it is added, so that the list's observers see the new shape as the one
    // being drawn.
    m_live = makeShape(shape, point, m_model.inkColor(), m_model.lineWidth(shape));
    if (m_model.pressure())
        m_live->setPressure(*m_model.pressure());
    if (m_model.fading())
        m_model.appendShape(m_live); // it goes to the fading ink once finished, never to undo
    else
        m_model.add(m_live);
}

void DrawGesture::drag(const QPointF &point) {
    if (!m_live)
        return;
    if (m_model.pressure())
        m_live->setPressure(*m_model.pressure());
    m_live->update(point);
    m_live->isModified = m_model.enableModification.value();
    // Publishing the list again is what repaints the view.
    m_model.drawings.republish();
}

void DrawGesture::release() {
    const std::shared_ptr<Renderable> live = std::exchange(m_live, nullptr);
    if (!live)
        return;
    if (m_model.fading())
        return m_model.fadeOut(live);
    // A press without a drag leaves a shape with a lone move-to (or nothing): take it back.
    // Undoing keeps a redo step, as any undo does.
    const Drawings &list = m_model.drawings.value();
    if (!list.empty() && list.back() == live && live->path.elementCount() < 2 &&
        m_model.undoManager)
        m_model.undoManager->undo();
}

void DrawGesture::interrupt() {
    // A fading stroke is in the list only while it is drawn, outside the undo history: cut
    // short, it fades from here like any other, rather than stay as ink nothing can undo.
    if (const std::shared_ptr<Renderable> live = std::exchange(m_live, nullptr);
        live && m_model.fading())
        m_model.fadeOut(live);
}

void DrawGesture::putDown() {
    const std::shared_ptr<Renderable> live = m_live;
    interrupt();
    const Drawings &list = m_model.drawings.value();
    if (live && !list.empty() && list.back() == live && live->path.elementCount() < 2)
        m_model.removeShape(live);
}
