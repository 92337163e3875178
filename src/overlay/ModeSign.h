#pragma once

#include <QWidget>

// The small sign at the top of the screen while the overlay lets the pointer and the keys
// through: a dark pill with a pointer arrow, "Pointer mode" and the way back to drawing. It
// takes no clicks itself (the window takes none while it shows), so nothing under it is out of
// reach. The same pill without the arrow says a notice for a moment.
class ModeSign : public QWidget {
public:
    explicit ModeSign(QWidget *parent = nullptr);

    // Says `text` instead; empty: the pointer mode's words again.
    void setMessage(const QString &text);
    bool hasMessage() const { return !m_message.isEmpty(); }

    // The way back to drawing the sign names: the global shortcut's text (empty: none works),
    // and whether the tray icon shows.
    void setWayBack(const QString &shortcut, bool trayIcon);

    // Without a compositor the window shows the sign's whole rectangle: it fills it all.
    void setOpaque(bool opaque);
    QSize sizeHint() const override;

    // From the top edge of the screen.
    static constexpr int topMargin = 12;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text() const;
    void changed();

    bool m_opaque = false;
    QString m_message;
    QString m_shortcut;
    bool m_trayIcon = true;
};
