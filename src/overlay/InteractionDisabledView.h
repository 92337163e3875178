#pragma once

#include <QColor>
#include <QWidget>

// A view that never takes the mouse: events pass to whatever lies below it. The overlay's
// brush dot is one: a small disc in the selected colour under the pointer (the eraser's a ring).
class InteractionDisabledView : public QWidget {
    Q_OBJECT
public:
    explicit InteractionDisabledView(QWidget *parent = nullptr);

    QColor backgroundColor() const { return m_color; }
    void setBackgroundColor(const QColor &color);
    // A ring instead of a disc.
    void setRing(bool ring);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::transparent;
    bool m_ring = false;
};
