#pragma once

#include "drawing/DrawingCanvas.h"
#include "drawing/EffectStack.h"
#include "drawing/gestures/TextGesture.h"
#include "overlay/FramePacer.h"
#include "overlay/InteractionDisabledView.h"
#include "overlay/OverlayOutput.h"
#include "palette/ModeColumn.h"
#include "palette/Palette.h"
#include "platform/KeyEvent.h"
#include "settings/Delegate.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// The overlay's content: paints the drawings and the effects through its output (composited or
// shaped), and hosts the tool palette (colour column above the tool column), the brush dot
// under the pointer, the help panel and the sign at the top. What shows when is its
// controller's to say.
class DrawingView : public QWidget, private OverlayScene {
    Q_OBJECT
public:
    explicit DrawingView(QWidget *parent = nullptr);
    ~DrawingView() override;

    // Answers whether a key equivalent (a key with Ctrl) was handled.
    Delegate<KeyEvent, bool> keyEquivalentHandler{false};
    ColorRadioButtonGroup *colorsRadioGroup;
    ShapeRadioButtonGroup *shapesRadioGroup;
    ModeColumn *modesColumn;
    const double bottomSpacing;
    InteractionDisabledView *brush;
    QWidget *infoView;

    // Follows the model: the list after its latest write `edit`, and the shape being drawn (or
    // null). What changed is repainted at the next frame.
    void setDrawings(const Drawings &list, const DrawingsEdit &edit,
                     const std::shared_ptr<Renderable> &live);
    // Centres the brush dot on the pointer; the effects that follow the pointer follow.
    void moveBrush(const QPointF &point);
    // While a shape is drawn the brush dot steps aside.
    void setTracking(bool tracking);
    // Where the pointer is is not known (a surface shown without a pointer event yet): the
    // dot stays away until it is, rather than show where the pointer was.
    void setPointerUnknown(bool unknown) {
        m_pointerUnknown = unknown;
        updateBrush();
    }
    bool pointerUnknown() const { return m_pointerUnknown; }
    // The dot shows the next shape's line width (at least 6 across), or as a ring the
    // eraser's reach.
    void setBrush(double width, bool ring);
    // The pointer's shape over the drawings shows what a press does with the tool: a cross
    // draws, a text cursor types, a ring erases, a dot points.
    void setToolCursor(Tool::Gesture gesture);
    // The dot shows the ink as it will be drawn (on a board, the colour readable there).
    void setBrushColor(const QColor &ink);
    // The text being typed, its caret and what an input method composes at the caret; `area`
    // changed. Input methods reach the view only while a text is typed.
    void setTypedText(const TextGesture &text, const QRectF &area);
    // The parts of the view whose widgets take the pointer themselves: the palette and the help
    // panel, where not hidden.
    QRegion pointerTakers() const;
    void holdFrames(bool hold) { m_pacer.hold(hold); }
    // A widget of the view changed how it looks: while the window is hidden Qt repaints
    // nothing, and the surface that shows the view's picture repaints it at the next frame.
    void widgetChanged(const QWidget *widget) {
        hiddenChange(QRect(widget->mapTo(this, QPoint()), widget->size()));
    }
    // While the window is hidden because another surface shows the view's picture, each frame
    // that changes something calls `frame` with the area that changed instead of painting
    // (none: frames wait for a show).
    void setHiddenFrames(std::function<void(const QRegion &)> frame);
    int frameInterval() const;

    // Puts the help panel in the place of the empty one, hidden or shown as that was. The
    // panel sizes itself; the view keeps it centred, above the drawings.
    void setInfoView(QWidget *panel);
    void setToolsVisible(bool visible);
    bool toolsVisible() const;
    // Where the presenter put the palette (its top left corner, with its handle), none: its
    // own place at the lower left. It stays whole on the screen and off `keepClear` (the tray
    // icon, in global coordinates).
    void setPalettePlace(std::optional<QPoint> place);
    void setPaletteKeepClear(const QRect &keepClear);
    // The palette's handle, its columns.
    QRect paletteArea() const;

    // The effects it paints beneath and over the drawings; `area` of them changed. A change
    // that moves by itself (a fading trail, fading ink) goes on with the stack's clock.
    void setEffects(EffectStack *effects);
    void effectsChanged(const QRegion &area);
    // `shown` is called once the zoom's picture is painted.
    void whenZoomShows(std::function<void()> shown) { m_zoomShown = std::move(shown); }
    // Says `text` at the top of the screen (below the pointer mode's sign) for `ms`.
    void showNotice(const QString &text, int ms = 4000);
    // The pointer mode's sign names the way back to drawing: the shortcut (none: empty) and
    // the tray icon.
    void setWayBack(const QString &shortcut, bool trayIcon);

    // In pointer mode the brush dot goes and a sign at the top says that clicks go through.
    void setPointerMode(bool on);
    bool pointerMode() const { return m_pointerMode; }

    // How the window shows what the view paints: shaped without a compositor (opaque pixels,
    // the visible palette and help panel, the sign), translucent with one.
    void setShaped(bool shaped);
    bool isShaped() const { return m_shaped; }
    // While a screenshot is taken the brush and sign step aside; a shaped window shows nothing,
    // so that the grab sees the desktop beneath it (overlayImage() gives what goes over it). No
    // screenshot shows the laser.
    void setCapturing(bool capturing);
    // While the zoom's picture is taken, the overlay shows only the finished drawings: no help
    // card and no effect is frozen into the magnified screen.
    void setTakingZoomPicture(bool taking);
    // What the overlay shows, as a compositor shows it (translucent fills, smooth edges), at
    // device pixels.
    QImage overlayImage();

    static constexpr double paletteTopInset = 30.0;
    static constexpr int paletteLeft = 30;
    static constexpr int paletteBottom = 110;

Q_SIGNALS:
    void pointerTakersChanged();
    // The presenter dragged the palette to `place`.
    void paletteMoved(QPoint place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    void setupPalette();
    // The palette's handle and columns, which show and hide together.
    QList<QWidget *> paletteParts() const;
    void layoutPalette();
    void layoutInfoView();
    void showModeSign();
    void updateBrush();
    // Moves the effects on, and wakes again when they next change; animateSoon() makes sure
    // that happens within a frame (the laser's trail fades on its own clock, whatever the
    // fading ink waits for).
    void animate();
    void animateSoon();
    // Collects the areas that changed and repaints them at most once a frame.
    void invalidate(const QRegion &area);
    // Paints `area` now rather than at the next frame.
    void repaintNow(const QRegion &area);
    void nextFrame();
    // Hidden, Qt repaints none of the view's widgets: another surface that shows the view's
    // picture learns what changed from these.
    void hiddenChange(const QRegion &area);
    QRegion shownWidgetsMoved();

    // What the output paints.
    void paintBeneath(QPainter &painter, const QRect &area) const override;
    void paintDrawings(QPainter &painter, const QRegion &area) const override;
    void paintOver(QPainter &painter, const QRect &area, bool withBrush) const override;
    bool opaqueBackdrop() const override { return m_effects && m_effects->opaque(); }
    bool drawingLive() const override { return m_tracking; }
    QList<QRect> panels() const override;
    QList<QRect> buttons() const override;
    // Whether effects paint: not while the zoom's picture is taken.
    bool effectsPaint() const { return m_effects && !m_zoomPicture; }
    // Without translucency, translucent effects paint a pattern of opaque pixels.
    bool dithered() const { return m_shaped && !opaqueBackdrop(); }

    mutable DrawingCanvas m_canvas;
    std::unique_ptr<OverlayOutput> m_output;
    FramePacer m_pacer;
    QRegion m_pending;
    QPoint m_brushAt; // where the next frame puts the brush dot
    QPointF m_brushCentre;
    bool m_shaped = false;
    bool m_capturing = false;
    bool m_zoomPicture = false;
    bool m_infoBeforeZoomPicture = false; // the help card showed when the picture was asked for
    bool m_pointerMode = false;
    bool m_tracking = false;
    bool m_pointerUnknown = false;
    class ModeSign *m_modeSign;
    class ModeSign *m_notice;
    class PaletteGrip *m_grip;
    std::optional<QPoint> m_palettePlace;
    QPoint m_dragFrom; // where the palette was when its handle was pressed
    QRect m_keepClear;
    QTimer m_noticeTime;
    EffectStack *m_effects = nullptr;
    QTimer m_animation;
    std::function<void()> m_zoomShown;
    std::function<void(const QRegion &)> m_hiddenFrame;
    QList<QRect> m_shownWidgets; // where the dot and the panels were at the last hidden frame
};
