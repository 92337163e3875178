#pragma once

#include <QRect>
#include <QWidget>

// The status item's panel: a frameless popup next to the tray icon that closes when the user
// clicks outside it. It shows a placeholder until the menu panel arrives.
class PopoverPanel : public QWidget {
    Q_OBJECT
public:
    explicit PopoverPanel(QWidget *parent = nullptr);

    // Shows the panel next to `anchor` (the tray icon; empty when the tray does not say where
    // its icon is, then the pointer), kept inside the available area of that screen.
    void showRelativeTo(const QRect &anchor);
    void closePopover();

    // Where the panel goes: below an anchor at the top of the screen, above one at the bottom,
    // always inside `available`.
    static QPoint placement(const QSize &size, const QRect &anchor, const QRect &available);
};
