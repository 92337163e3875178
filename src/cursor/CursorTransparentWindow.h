#pragma once

#include "platform/PrimaryScreenWatcher.h"
#include "platform/x11/InputlessWindow.h"

#include <QColor>

// The cursor highlight's window: frameless, over the main screen, above normal windows, on
// every virtual desktop, out of task bars, white at 30 % where a compositor blends it. Clicks
// go through it to whatever lies below, and it never takes the focus.
class CursorTransparentWindow : public InputlessWindow {
    Q_OBJECT
public:
    static const QColor backgroundColor;

    explicit CursorTransparentWindow(QWidget *parent = nullptr);

    // Puts `view` in the window, filling it.
    void setContentView(QWidget *view);
    // Covers the main screen, and keeps covering it when it changes or is resized. Without a
    // main screen the window stays where it is.
    void fitToMainScreen();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PrimaryScreenWatcher m_primary;
};
