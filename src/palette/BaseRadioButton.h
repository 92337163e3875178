#pragma once

#include "palette/RadioButton.h"

#include <QResizeEvent>

// The round 35-pixel palette button. Its style operations set only the alpha; the colours are
// the subclasses' and stay as the previous style left them unless a subclass sets them.
template <typename Item> class BaseRadioButton : public RadioButton<Item> {
public:
    static constexpr int side = 35;
    static constexpr qreal ringWidth = 3.0;

protected:
    using RadioButton<Item>::RadioButton;

    void setup() override {
        this->setWantsLayer(true);
        this->setBorderWidth(ringWidth);
        this->setFixedSize(side, side);
    }

    void styleNormal() override {
        this->setNeedsDisplay();
        this->setAlphaValue(1.0);
    }

    void styleHover() override {
        this->setNeedsDisplay();
        this->setAlphaValue(0.5);
    }

    void styleSelected() override { BaseRadioButton::styleNormal(); }

    // The layout pass: half the height makes the square a circle.
    void resizeEvent(QResizeEvent *event) override {
        RadioButton<Item>::resizeEvent(event);
        this->setCornerRadius(this->height() * 0.5);
    }
};
