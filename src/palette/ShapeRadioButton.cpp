#include "palette/ShapeRadioButton.h"

#include "widgets/ImageView.h"
#include "widgets/LayoutExtension.h"

ShapeRadioButton::ShapeRadioButton(Shape shape, const QString &title, QWidget *parent)
    : BaseRadioButton(shape, title, parent)
    , m_imageView(new ImageView(this)) {
    finishConstruction();
}

QString ShapeRadioButton::imageName(Shape shape, bool modified) {
    const Tool &row = tool(shape);
    return QLatin1String(modified ? row.modifiedIcon : row.icon);
}

void ShapeRadioButton::updateImage() {
    m_imageView->setImage(SvgImage::named(imageName(representedItem(), m_modified)));
}

void ShapeRadioButton::setup() {
    BaseRadioButton::setup();
    // 35 - 2 * 8 leaves a 19-pixel icon area inside the ring.
    constraintsFillingSuperview(m_imageView, {.top = 8, .left = 8, .bottom = 8, .right = 8})
        .activate();
    updateImage();
}

void ShapeRadioButton::styleNormal() {
    BaseRadioButton::styleNormal();
    setBackgroundColor(Qt::white);
    setBorderColor(m_tintColor);
}

void ShapeRadioButton::styleSelected() {
    BaseRadioButton::styleSelected();
    setBackgroundColor(m_tintColor);
    setBorderColor(m_tintColor);
}
