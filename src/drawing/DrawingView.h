#pragma once

#include "drawing/DrawingCanvas.h"
#include "drawing/InteractionDisabledView.h"
#include "palette/Palette.h"
#include "platform/KeyEvent.h"
#include "settings/Delegate.h"

#include <QWidget>

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

    const Drawings &drawings() const { return m_drawings; }
    // Stores the list and repaints what changed; with `lastIsLive` the newest shape is still
    // being drawn.
    void setDrawings(const Drawings &drawings, bool lastIsLive);
    void setTracking(bool tracking);
    // Centres the brush dot on the pointer.
    void moveBrush(const QPointF &point);

    // The notification that shows or hides the palette (it shares its name with the stored
    // choice).
    static inline const QString updateToolsOnScreenNotification =
        QStringLiteral("UpdateToolsOnScreen");
    void setupNotification();
    void setToolsVisible(bool visible);
    bool toolsVisible() const;

    // Without a compositor the window is shaped to what the view shows; see shapeRegion().
    void setShaped(bool shaped);
    QRegion shapeRegion() const;

    static constexpr double paletteTopInset = 30.0;
    static constexpr int paletteLeft = 30;
    static constexpr int paletteBottom = 110;

Q_SIGNALS:
    // The area the view shows changed (shaped mode only).
    void shapeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupPalette();
    void layoutPalette();
    void repaint(const QRegion &region);

    PreferenceStore &m_preferences;
    DrawingCanvas m_canvas;
    Drawings m_drawings;
    bool m_tracking = false;
    bool m_shaped = false;
};
