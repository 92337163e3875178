#pragma once

#include "platform/PassThroughSurface.h"

#include <xcb/xcb.h>

// The pass-through surface where the compositor offers no layer-shell (GNOME), and the cursor
// highlight's windows in a Wayland session: a plain X window
// past the window manager, so no manager focuses or lowers it, whose input shape is empty from
// before it maps. It is made with xcb rather than as a Qt window: mutter passes clicks through
// such a window to the Wayland windows below, while it kept them on a Qt window with the same
// shape (which offers drops and embedding, and is mapped the way Qt maps it).
// The picture is the window's background, so the X server itself repaints what is uncovered.
class PassThroughWindow : public PassThroughSurface {
    Q_OBJECT
public:
    PassThroughWindow() = default;
    ~PassThroughWindow() override;

    void show(const QImage &picture, const QRect &screen) override;
    void hide() override;
    bool isShown() const override { return m_window != 0; }
    QString outputName() const override { return QStringLiteral("x11"); }

private:
    // Makes the window over `area` (device pixels), not yet mapped; false where the X server
    // offers no translucent visual.
    bool create(const QRect &area);
    // Sends the rows of `picture` that differ from what the window shows.
    void upload(const QImage &picture);

    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_window = 0;
    xcb_pixmap_t m_pixmap = 0; // the window's background: the picture it shows
    xcb_colormap_t m_colormap = 0;
    xcb_gcontext_t m_gc = 0;
    QImage m_shown;
    QPoint m_at; // where the window is, in device pixels
};
