#pragma once

#include "platform/PassThroughSurface.h"

#include <QWidget>

#include <memory>

// The pass-through surface where the compositor offers no layer-shell (GNOME): an X window past
// the window manager, so no manager focuses or lowers it, whose input shape is empty from before
// it maps. mutter reads an X window's input shape only when the window maps, and focuses (and
// lowers under the clicked window) an ordinary window that is clicked.
class PassThroughWindow : public PassThroughSurface {
    Q_OBJECT
public:
    PassThroughWindow();
    ~PassThroughWindow() override;

    void show(const QImage &picture, const QRect &screen) override;
    void hide() override;
    bool isShown() const override;
    QString outputName() const override { return QStringLiteral("x11"); }

private:
    class Canvas;
    std::unique_ptr<Canvas> m_canvas;
};
