#pragma once

#include <QColor>
#include <QWidget>

// The countdown's backdrop: an opaque, softly lit panel that keeps its text legible whatever
// the screen showed before. Dark under a light or saturated text colour, light under a dark
// one.
class TimerBackground : public QWidget {
    Q_OBJECT
public:
    explicit TimerBackground(QWidget *parent = nullptr);

    // Picks the tone that sets off text of this colour.
    void setTextColor(const QColor &color);
    bool isDark() const { return m_dark; }
    // Whether text of this colour reads better on the light backdrop.
    static bool wantsLightBackdrop(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_dark = true;
};
