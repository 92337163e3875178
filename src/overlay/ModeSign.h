#pragma once

#include <QWidget>

// The small sign at the top of the screen while the overlay lets the pointer and the keys
// through: a dark pill with a pointer arrow and "Pointer mode". It takes no clicks itself
// (the window takes none while it shows), so nothing under it is out of reach. For a moment it
// may say something else instead, without the arrow.
class ModeSign : public QWidget {
public:
    explicit ModeSign(QWidget *parent = nullptr);

    // Says `text` instead; empty: the pointer mode's words again.
    void setMessage(const QString &text);
    bool hasMessage() const { return !m_message.isEmpty(); }

    // Without a compositor the window shows the sign's whole rectangle: it fills it all.
    void setOpaque(bool opaque);
    QSize sizeHint() const override;

    // From the top edge of the screen.
    static constexpr int topMargin = 12;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text() const;

    bool m_opaque = false;
    QString m_message;
};
