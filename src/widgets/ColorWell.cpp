#include "widgets/ColorWell.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

ColorWell::ColorWell(QWidget *parent)
    : QPushButton(parent) {
    setMinimumSize(56, 28);
    connect(this, &QPushButton::clicked, this, &ColorWell::openDialog);
    setColor(m_color);
}

ColorWell::~ColorWell() {
    delete m_dialog;
}

void ColorWell::setColor(const QColor &color) {
    const bool changed = color != m_color;
    m_color = color;
    // What a screen reader says about the swatch: its colour, as the colour dialog names it.
    setAccessibleDescription(color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb));
    update();
    if (changed)
        Q_EMIT colorChanged(color);
}

void ColorWell::openDialog() {
    if (!m_dialog) {
        m_dialog = new QColorDialog(window());
        m_dialog->setOption(QColorDialog::ShowAlphaChannel);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        if (!accessibleName().isEmpty())
            m_dialog->setWindowTitle(accessibleName());
        connect(m_dialog, &QColorDialog::colorSelected, this, &ColorWell::setColor);
    }
    m_dialog->setCurrentColor(m_color);
    m_dialog->open();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ColorWell::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
    // The swatch: the colour over a checkerboard, so a translucent colour reads as one.
    const QRect swatch = style()
                             ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                             .adjusted(3, 3, -3, -3);
    painter.setRenderHint(QPainter::Antialiasing);
    QPixmap checks(8, 8);
    checks.fill(Qt::white);
    QPainter(&checks).fillRect(0, 0, 4, 4, Qt::lightGray);
    QPainter(&checks).fillRect(4, 4, 4, 4, Qt::lightGray);
    painter.fillRect(swatch, QBrush(checks));
    painter.fillRect(swatch, m_color);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRectF(swatch).adjusted(0.5, 0.5, -0.5, -0.5));
}
