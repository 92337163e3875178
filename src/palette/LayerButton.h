#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button without a bezel whose whole look is a layer: background, border and corner
// radius, plus the view's alpha. The radio buttons set these anew on every state change.
class LayerButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit LayerButton(QWidget *parent = nullptr);

    // "<ClassName: 0x…>", as the log shows a view.
    QString description() const;

    // The title with its two attributes: font and foreground colour.
    void setAttributedTitle(const QString &title, const QFont &font, const QColor &color);

    // Without a layer only the title is drawn.
    bool wantsLayer() const { return m_wantsLayer; }
    void setWantsLayer(bool wantsLayer);

    // The border lies inside the bounds, over the background. Colours start as a layer's
    // defaults: no background, black border.
    qreal borderWidth() const { return m_borderWidth; }
    void setBorderWidth(qreal width);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);

    // Applies to the button and to the image views it carries.
    qreal alphaValue() const { return m_alphaValue; }
    void setAlphaValue(qreal alpha);

    void setNeedsDisplay() { update(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_titleColor = Qt::black;
    bool m_wantsLayer = false;
    qreal m_borderWidth = 0.0;
    QColor m_borderColor = Qt::black;
    QColor m_backgroundColor = Qt::transparent;
    qreal m_cornerRadius = 0.0;
    qreal m_alphaValue = 1.0;
};
