#pragma once

#include "palette/BaseRadioButton.h"

#include <QColor>

// A pen colour in the palette: a ring in its colour, filled with it when selected.
class ColorRadioButton final : public BaseRadioButton<QColor> {
    Q_OBJECT
public:
    ColorRadioButton(const QColor &color, const QString &title, QWidget *parent = nullptr);

protected:
    void setup() override;
    void styleNormal() override;
    void styleSelected() override;
};
