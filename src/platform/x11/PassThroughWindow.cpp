#include "platform/x11/PassThroughWindow.h"

#include "platform/x11/InputlessWindow.h"
#include "platform/x11/WindowHints.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

class PassThroughWindow::Canvas : public InputlessWindow {
public:
    Canvas()
        : InputlessWindow(QStringLiteral("Quillory Pointer Mode")) {}
    QImage picture;

protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(event->rect(), Qt::transparent);
        painter.drawImage(QPointF(0, 0), picture);
    }
};

PassThroughWindow::PassThroughWindow()
    : m_canvas(std::make_unique<Canvas>()) {}

PassThroughWindow::~PassThroughWindow() = default;

void PassThroughWindow::show(const QImage &picture, const QRect &screen) {
    m_canvas->picture = picture;
    if (m_canvas->isVisible()) {
        m_canvas->update();
        return;
    }
    WindowHints::coverScreen(m_canvas.get(), screen);
    m_canvas->show();
    m_canvas->raise();
    m_canvas->repaint();
    QTimer::singleShot(0, this, [this] {
        if (m_canvas->isVisible())
            Q_EMIT presented();
    });
}

void PassThroughWindow::hide() {
    m_canvas->hide();
    m_canvas->picture = {};
}

bool PassThroughWindow::isShown() const {
    return m_canvas->isVisible();
}
