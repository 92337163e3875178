#include "palette/Palette.h"

#include "core/SystemColors.h"

ColorRadioButtonGroup *Palette::makeColorGroup(QWidget *parent) {
    const QList<QColor> colors = {
        SystemColors::systemRed(),  SystemColors::systemYellow(), SystemColors::systemGreen(),
        SystemColors::systemBlue(), SystemColors::systemPurple(), SystemColors::systemBrown(),
        SystemColors::systemTeal(), SystemColors::systemGray(),   SystemColors::systemPink(),
    };
    QList<ColorRadioButton *> buttons;
    for (qsizetype i = 0; i < colors.size(); ++i)
        buttons << new ColorRadioButton(colors[i], QString::number(i + 1));
    return new ColorRadioButtonGroup(buttons, parent);
}

ShapeRadioButtonGroup *Palette::makeShapeGroup(QWidget *parent) {
    QList<ShapeRadioButton *> buttons;
    for (const Tool &row : tools())
        buttons << new ShapeRadioButton(row.shape);
    return new ShapeRadioButtonGroup(buttons, parent);
}

void Palette::setTint(ShapeRadioButtonGroup &group, const QColor &color) {
    for (ShapeRadioButton *button : group.buttons()) {
        button->setTintColor(color);
        button->updateStyle();
    }
}

void Palette::setModified(ShapeRadioButtonGroup &group, bool modified) {
    for (ShapeRadioButton *button : group.buttons()) {
        button->setModified(modified);
        button->updateImage();
    }
}
