#pragma once

#include "widgets/SvgImage.h"

#include <QWidget>

// An image view: shows one image centred, scaled down proportionally when it does not
// fit and never scaled up. Like a non-editable image view it lets clicks through to the view
// beneath it (a button that carries it as its icon).
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget *parent = nullptr);

    SvgImage image() const { return m_image; }
    void setImage(const SvgImage &image);

    // Qt does not compose child widgets with a parent's opacity, so a view that fades passes
    // its alpha down here.
    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    // Where the image lands inside the view, in the view's coordinates.
    QRectF imageRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SvgImage m_image;
    qreal m_opacity = 1.0;
};
