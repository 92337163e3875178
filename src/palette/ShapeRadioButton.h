#pragma once

#include "core/Tool.h"
#include "palette/BaseRadioButton.h"

#include <QColor>

class ImageView;

// A drawing tool in the palette: the tool's icon inside a ring in the current pen colour.
class ShapeRadioButton final : public BaseRadioButton<Shape> {
    Q_OBJECT
public:
    explicit ShapeRadioButton(Shape shape, const QString &title = {}, QWidget *parent = nullptr);

    // Whether the icons show their modified variant (Shift held). Call updateImage() after.
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // The ring colour, and the fill when selected. Takes effect with the next style change;
    // the overlay calls updateStyle() right after, which leaves a hovered button as it looks.
    QColor tintColor() const { return m_tintColor; }
    void setTintColor(const QColor &color) { m_tintColor = color; }

    ImageView *imageView() const { return m_imageView; }
    void updateImage();

    static QString imageName(Shape shape, bool modified);

protected:
    void setup() override;
    void styleNormal() override;
    void styleSelected() override;

private:
    bool m_modified = false;
    QColor m_tintColor = Qt::white;
    ImageView *m_imageView;
};
