#include "palette/ColorRadioButton.h"

ColorRadioButton::ColorRadioButton(const QColor &color, const QString &title, QWidget *parent)
    : BaseRadioButton(color, title, parent) {
    finishConstruction();
}

void ColorRadioButton::setup() {
    BaseRadioButton::setup();
    setBorderColor(representedItem());
}

void ColorRadioButton::styleNormal() {
    BaseRadioButton::styleNormal();
    setBackgroundColor(Qt::white);
}

void ColorRadioButton::styleSelected() {
    BaseRadioButton::styleSelected();
    setBackgroundColor(representedItem());
}
