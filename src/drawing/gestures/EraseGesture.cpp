#include "drawing/gestures/EraseGesture.h"

#include "drawing/DrawingViewModel.h"
#include "drawing/tools/Eraser.h"

#include <QUndoCommand>

namespace {

// One eraser drag: the shapes each move took away, with where they stood in the list. A drag's
// moves merge into one step, so one undo brings back everything the drag removed.
using ErasedShapes = std::vector<std::pair<std::size_t, std::shared_ptr<Renderable>>>;

class EraseCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const ErasedShapes &, bool erase)>;
    EraseCommand(const QString &text, quint64 drag, ErasedShapes erased, Apply apply)
        : QUndoCommand(text)
        , m_drag(drag)
        , m_apply(std::move(apply)) {
        m_steps.push_back(std::move(erased));
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override {
        const auto *next = static_cast<const EraseCommand *>(other);
        if (next->m_drag != m_drag)
            return false;
        m_steps.insert(m_steps.end(), next->m_steps.begin(), next->m_steps.end());
        return true;
    }
    void redo() override {
        for (const ErasedShapes &step : m_steps)
            m_apply(step, true);
    }
    void undo() override {
        for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
            m_apply(*step, false);
    }

private:
    quint64 m_drag;
    std::vector<ErasedShapes> m_steps;
    Apply m_apply;
};

} // namespace

void EraseGesture::press(const QPointF &point) {
    m_from = point;
    ++m_drag;
    eraseAlong(point);
}

void EraseGesture::drag(const QPointF &point) {
    if (m_from)
        eraseAlong(point);
}

void EraseGesture::eraseAlong(const QPointF &to) {
    const QPointF from = std::exchange(*m_from, to);
    const Drawings &list = m_model.drawings.value();
    ErasedShapes erased;
    for (const std::size_t index :
         Eraser(m_model.lineWidth(Shape::eraser)).touchedBy(list, from, to))
        erased.emplace_back(index, list[index]);
    if (erased.empty())
        return;
    QPointer<DrawingViewModel> model(&m_model);
    const auto apply = [model](const ErasedShapes &step, bool erase) {
        if (!model)
            return;
        QRectF area;
        for (const auto &[index, shape] : step)
            area |= shape->paintedBounds();
        // Taking shapes away keeps the drag going; bringing them back (an undo) ends it.
        model->changeShapes(area, !erase, [&](Drawings &changed) {
            // By the shapes themselves, their places only as a guide: a list that is not the
            // one the step was taken from loses or gets back no other shape.
            for (const auto &[index, shape] : step) {
                if (erase)
                    std::erase(changed, shape);
                else
                    changed.insert(changed.begin() + qsizetype(std::min(index, changed.size())),
                                   shape);
            }
        });
    };
    if (!m_model.undoManager)
        return apply(erased, true);
    //% "Erase on %1"
    m_model.undoManager->push(
        new EraseCommand(qtTrId("drawing.undo.eraseAction").arg(m_model.screenName()), m_drag,
                         std::move(erased), apply));
}
