#pragma once

#include "drawing/DrawingViewModel.h"
#include "drawing/Renderable.h"
#include "drawing/tools/RenderableText.h"

#include <QImage>
#include <QRegion>

#include <functional>
#include <memory>
#include <vector>

// The overlay's pixels. Finished shapes are painted once into a device-pixel image, made when
// the first one is finished; only the shape being drawn is rendered on every repaint, and only
// the area it changed is repainted. Following the model's edits rather than comparing lists, a
// press, a drag and a release cost the same with 10 shapes on the screen as with 5000, and the
// pixels are exactly those of rendering every shape in order.
class DrawingCanvas {
public:
    void resize(const QSize &size, qreal devicePixelRatio);
    QSize size() const { return m_size; }

    // Brings the canvas in line with the list after its latest write `edit`; `live` is the shape
    // being drawn (the newest) or null. Returns the area (view coordinates) to repaint. Only a
    // replaced list or the removal of a finished shape paints every shape again.
    QRegion sync(const Drawings &list, const DrawingsEdit &edit,
                 const std::shared_ptr<Renderable> &live);

    // Paints the finished image and the live shape into the exposed area.
    void paint(QPainter &painter, const QRegion &exposed);

    // For a window without translucency: shapes that are translucent by design paint a pattern
    // of opaque pixels. Paints every shape again when it changes.
    void setDithered(bool dithered);
    // The text being typed, painted over everything with its caret, and what an input method
    // composes at the caret.
    void setTyped(const std::shared_ptr<RenderableText> &text, int caret,
                  const QString &preedit = {});
    // Where the typed text, its caret and the composed text paint (view coordinates).
    QRect typedBounds() const;

    // Paints every shape afresh, translucent as a compositor shows it even where the canvas
    // is dithered: for a screenshot of a window without translucency.
    void paintTranslucent(QPainter &painter);

    const QImage &finishedImage() const { return m_image; }
    // How many shapes were painted into the finished image so far, repaints included.
    quint64 bakes() const { return m_bakes; }

private:
    QImage clearImage(const QSize &devicePixels) const;
    void rebuild(const Drawings &list, std::size_t count);
    void bake(const std::shared_ptr<Renderable> &shape);
    QRegion liveDirtyArea(const std::shared_ptr<Renderable> &live);
    void repaintArea(const QRectF &area);
    void paintTyped(QPainter &painter);

    QSize m_size;
    qreal m_ratio = 1.0;
    QImage m_image;
    Drawings m_baked;
    quint64 m_bakes = 0;
    quint64 m_revision = 0;
    std::shared_ptr<Renderable> m_live;
    QRect m_liveBounds; // what the live shape covered at the last sync (not for freehand)
    QRect m_liveHead;   // where a live arrow's head may paint
    bool m_liveFreehand = false;
    int m_livePainted = 0; // path elements of the live shape at the last sync
    bool m_dithered = false;
    std::shared_ptr<RenderableText> m_typed;
    int m_caret = 0;
    QString m_preedit;
};
