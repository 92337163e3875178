#pragma once

#include "drawing/DrawingCanvas.h"
#include "drawing/FadingInk.h"
#include "drawing/Magnifier.h"
#include "drawing/Spotlight.h"
#include "drawing/tools/LaserPointer.h"
#include "overlay/InteractionDisabledView.h"
#include "palette/Palette.h"
#include "platform/KeyEvent.h"
#include "platform/x11/WindowShape.h"
#include "settings/Delegate.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class NotificationCenter;
class PreferenceStore;

// The overlay's content: paints the shapes and hosts the tool palette (colour column above
// the tool column), the brush dot under the pointer and the help panel.
class DrawingView : public QWidget {
    Q_OBJECT
public:
    DrawingView(PreferenceStore &preferences, NotificationCenter &notifications,
                QWidget *parent = nullptr);

    // Answers whether a key equivalent (a key with Ctrl) was handled.
    Delegate<KeyEvent, bool> keyEquivalentHandler{false};
    ColorRadioButtonGroup *colorsRadioGroup;
    ShapeRadioButtonGroup *shapesRadioGroup;
    const double bottomSpacing;
    InteractionDisabledView *brush;
    QWidget *infoView;

    // Follows the model: the list after its latest write `edit`, and the shape being drawn (or
    // null). What changed is repainted at the next frame.
    void setDrawings(const Drawings &list, const DrawingsEdit &edit,
                     const std::shared_ptr<Renderable> &live);
    // Centres the brush dot on the pointer, and the laser dot, the spotlight and the zoom follow.
    void moveBrush(const QPointF &point);
    // While a shape is drawn the brush dot steps aside.
    void setTracking(bool tracking);
    // The dot shows the next shape's line width (at least 6 across), or as a ring the
    // eraser's reach.
    void setBrush(double width, bool ring);
    // The text being typed (or null), with its caret before character `caret`; `area` changed.
    void setTypedText(const std::shared_ptr<RenderableText> &text, int caret, const QRectF &area);
    // What an input method composes at the caret, not yet typed.
    void setPreedit(const QString &preedit);
    // The parts of the view whose widgets take the pointer themselves: the palette and the help
    // panel, where not hidden.
    QRegion pointerTakers() const;
    // While a batch of pointer events is handed over, frames wait for its end, so that the
    // frame shows all of it.
    void holdFrames(bool hold);
    int frameInterval() const;

    // Puts the help panel in the place of the empty one, hidden or shown as that was. The
    // panel sizes itself; the view keeps it centred, above the drawings.
    void setInfoView(QWidget *panel);

    // The notification that shows or hides the palette (it shares its name with the stored
    // choice).
    static inline const QString updateToolsOnScreenNotification =
        QStringLiteral("UpdateToolsOnScreen");
    void setupNotification();
    void setToolsVisible(bool visible);
    bool toolsVisible() const;

    // The laser pointer: its dot in `color` and `width` replaces the brush dot, with a trail.
    void setLaser(bool on, const QColor &color, double width);
    // The model's fading ink, painted over the shapes as it fades; `area` changed.
    void setFadingInk(FadingInk *ink) { m_fadingInk = ink; }
    void fadingInkChanged(const QRegion &area);
    // The spotlight, under the shapes; a wheel notch makes it larger or smaller.
    void setSpotlight(bool on);
    bool spotlight() const { return m_spotlightOn; }
    void stepSpotlight(int notches);
    // Beneath the shapes: a board of `color`, or the screen's picture magnified (null: none).
    void setBoard(std::optional<QColor> color);
    // `shown`, if given, is called once the picture is painted.
    void setZoomPicture(const QImage &picture, std::function<void()> shown = {});
    bool zoomed() const { return m_magnifier.isShown(); }
    double zoomFactor() const { return zoomed() ? m_magnifier.factor() : 1.0; }
    void stepZoom(int notches);
    // Once drawn on, the zoomed picture holds still.
    void holdZoom(bool held) { m_magnifier.setHeld(held); }
    bool zoomHeld() const { return m_magnifier.isHeld(); }
    // Says `text` at the top of the screen for a few seconds.
    void showNotice(const QString &text);

    // In pointer mode the palette, the help panel and the brush dot go (they would take no
    // clicks) and a sign at the top says that clicks go through; back in drawing mode the
    // palette and the help panel show as stored.
    void setPointerMode(bool on);
    bool pointerMode() const { return m_pointerMode; }

    // Without a compositor the window shows only what the view paints opaque, the visible
    // palette and help panel and the pointer mode's sign; see paintEvent().
    void setShaped(bool shaped);
    bool isShaped() const { return m_shaped; }
    // While a screenshot is taken of a shaped window, the window shows nothing, so that the grab
    // sees the desktop beneath it; overlayImage() gives what goes over it. No screenshot shows
    // the laser.
    void setCapturing(bool capturing);
    // While the zoom's picture is taken, the overlay shows only the finished drawings: no help
    // card, spotlight, laser or fading ink is frozen into the magnified screen.
    void setTakingZoomPicture(bool taking);
    // What the overlay shows, as a compositor shows it (translucent fills, smooth edges), at
    // device pixels.
    QImage overlayImage();

    static constexpr double paletteTopInset = 30.0;
    static constexpr int paletteLeft = 30;
    static constexpr int paletteBottom = 110;

Q_SIGNALS:
    void pointerTakersChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    void setupPalette();
    void layoutPalette();
    void layoutInfoView();
    void showModeSign();
    void updateBrush();
    // Moves the trail and the fading ink on, and wakes again when they next change.
    void animate();
    // Makes sure animate() runs within a frame: the laser's trail fades on its own clock,
    // whatever the fading ink waits for.
    void animateSoon();
    // Whether the laser shows: not in pointer mode, nor in any picture taken of the screen.
    bool laserShown() const {
        return m_laserOn && !m_pointerMode && !m_capturing && !m_zoomPicture;
    }
    // Beneath the shapes (board, zoom, spotlight) and over them (fading ink, laser).
    void paintBeneath(QPainter &painter, const QRect &area);
    void paintOver(QPainter &painter, const QRect &area);
    // A board or a zoom covers the whole window with opaque pixels.
    bool opaqueBackdrop() const { return m_board.has_value() || m_magnifier.isShown(); }
    // Collects the areas that changed and repaints them at most once a frame.
    void invalidate(const QRegion &area);
    void scheduleFrame();
    // Paints `area` now rather than at the next frame.
    void repaintNow(const QRegion &area);
    void nextFrame();
    // Shaped: sends what changed in the window's shape, unless the server is still busy.
    void sendShape();
    void forgetShape();

    PreferenceStore &m_preferences;
    DrawingCanvas m_canvas;
    QRegion m_pending;
    QPoint m_brushAt; // where the next frame puts the brush dot
    QPointF m_brushCentre;
    QTimer m_frame;
    QElapsedTimer m_lastFrame;
    bool m_framesHeld = false;
    bool m_frameWaits = false;
    bool m_shaped = false;
    bool m_capturing = false;
    bool m_zoomPicture = false;
    bool m_infoBeforeZoomPicture = false; // the help card showed when the picture was asked for
    bool m_pointerMode = false;
    bool m_tracking = false;
    class ModeSign *m_modeSign;
    QTimer m_noticeTime;
    LaserPointer m_laser;
    bool m_laserOn = false;
    FadingInk *m_fadingInk = nullptr;
    QTimer m_animation;
    Spotlight m_spotlight;
    bool m_spotlightOn = false;
    std::optional<QColor> m_board;
    Magnifier m_magnifier;
    std::function<void()> m_zoomShown;
    // Shaped: per device pixel, bit 0 whether it should show, bit 1 whether the shape sent
    // shows it; and where the two may differ.
    QImage m_coverage;
    QRegion m_unsent;
    WindowShape m_shape;
};
