#pragma once

#include <QPushButton>

// A plain push button that shows the pointing hand while the pointer is over it, so that a small
// borderless button reads as clickable.
class buttoncursor : public QPushButton {
    Q_OBJECT
public:
    explicit buttoncursor(QWidget *parent = nullptr);
};
