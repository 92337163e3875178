#pragma once

#include "platform/x11/ClickWatcher.h"

#include <QRect>
#include <QWidget>

// The tray icon's panel: a frameless window next to the tray icon that closes on a click
// outside it and on Escape. It is no popup: a popup grabs the keyboard, which would silence
// every global shortcut, Quillory's own included, while it is open.
class PopoverPanel : public QWidget {
    Q_OBJECT
public:
    explicit PopoverPanel(QWidget *parent = nullptr);
    ~PopoverPanel() override;

    // Which side of its anchor the panel prefers: below or above (a tray icon), or to the
    // right (a button), going to the other side when there is no room.
    enum class Edge { vertical, right };

    // Shows the panel next to `anchor` (global coordinates; empty when the tray does not say
    // where its icon is, then the pointer), kept inside the available area of that screen.
    void showRelativeTo(const QRect &anchor, Edge edge = Edge::vertical);
    void closePopover();
    // What the panel shows; it takes the widget over.
    void setContent(QWidget *content);

    // Where the panel goes: below an anchor at the top of the screen, above one at the bottom
    // (or right of it, else left), always inside `available`.
    static QPoint placement(const QSize &size, const QRect &anchor, const QRect &available,
                            Edge edge = Edge::vertical);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void closeFromOutside();
    // Clicks on other programs' windows reach no window of ours; this sees them.
    ClickWatcher m_clicks;
};
