#pragma once

#include <QWidget>

// A translucent window past the window manager that takes no input: clicks, the wheel and keys
// go to whatever lies below, no window manager or compositor ever focuses it, it is on every
// virtual desktop, and it keeps itself above the other windows (nothing stacks it). A manager
// that framed it (openbox does, undecorated or not) would put a frame round it that takes every
// click on the screen, and could give it the focus.
class InputlessWindow : public QWidget {
    Q_OBJECT
public:
    explicit InputlessWindow(const QString &title, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
