#pragma once

#include <QColor>
#include <QRegion>
#include <QWidget>

// The overlay's window: frameless, above normal windows, on every virtual desktop, and
// almost transparent (1 % white), so it takes the mouse over the whole screen while what
// lies below stays visible.
class TransparentWindow : public QWidget {
    Q_OBJECT
public:
    static const QColor backgroundColor;

    explicit TransparentWindow(QWidget *parent = nullptr);

    void setContentView(QWidget *view);

    // Areas of the screen (global coordinates) whose clicks go to what lies below, such as
    // the tray icon, which the full-screen overlay would otherwise cover.
    void setPassThrough(const QRegion &globalArea);
    // Every click, drag and wheel turn goes to what lies below, over the whole window: its input
    // shape is empty.
    void setInputTransparent(bool transparent);
    QWidget *contentView() const { return m_content; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void joinAllDesktops();
    void applyPassThrough();
    void applyFocusHints();

    QWidget *m_content = nullptr;
    QRegion m_passThrough;
    bool m_inputTransparent = false;
    bool m_shapeOnceMapped = false;
};
