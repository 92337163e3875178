#include "palette/Palette.h"

#include "core/NamedColors.h"
#include "platform/x11/KeyCodeTranslation.h"

ColorRadioButtonGroup *Palette::makeColorGroup(QWidget *parent) {
    QList<ColorRadioButton *> buttons;
    for (const NamedColor &named : paletteColors()) {
        auto *button = new ColorRadioButton(named.color(), QString::number(named.paletteKey));
        // A screen reader says the colour; the key that picks it is on the button.
        button->setAccessibleName(qtTrId(named.nameId));
        //% "Key %1"
        button->setAccessibleDescription(qtTrId("palette.key").arg(named.paletteKey));
        buttons << button;
    }
    return new ColorRadioButtonGroup(buttons, parent);
}

ShapeRadioButtonGroup *Palette::makeShapeGroup(QWidget *parent) {
    QList<ShapeRadioButton *> buttons;
    for (const Tool &row : tools()) {
        auto *button = new ShapeRadioButton(row.shape);
        button->setAccessibleName(qtTrId(row.nameId));
        button->setAccessibleDescription(
            qtTrId("palette.key").arg(KeyCodeTranslation::keyLabel(row.key)));
        buttons << button;
    }
    // Quillory's own tools stand in a column beside the first five.
    return new ShapeRadioButtonGroup(buttons, parent, 5);
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
