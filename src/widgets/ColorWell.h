#pragma once

#include <QColor>
#include <QColorDialog>
#include <QPointer>
#include <QPushButton>

// A button that shows a colour as a swatch and opens the colour dialog to change it. The
// dialog is window-modal to the well's window and shows alpha.
class ColorWell : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
public:
    explicit ColorWell(QWidget *parent = nullptr);
    ~ColorWell() override;

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // The dialog while it is open.
    QColorDialog *dialog() const { return m_dialog; }

Q_SIGNALS:
    void colorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void openDialog();

    QColor m_color = Qt::black;
    QPointer<QColorDialog> m_dialog;
};
