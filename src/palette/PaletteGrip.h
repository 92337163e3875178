#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <optional>

// The handle above the palette: dragging it moves the palette. Its clicks never draw.
class PaletteGrip : public QWidget {
    Q_OBJECT
public:
    explicit PaletteGrip(QWidget *parent = nullptr);

    static constexpr int height = 14;

Q_SIGNALS:
    void pressed();
    // The pointer moved by `offset` (in the parent's coordinates) since the press.
    void dragged(QPoint offset);
    void released();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::optional<QPointF> m_pressedAt; // global
};
