#include "widgets/PopoverPanel.h"

#include "platform/DiagnosticLog.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

PopoverPanel::PopoverPanel(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("popoverMenu"));
    setWindowTitle(QStringLiteral("Quillory Menu"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(&m_clicks, &ClickWatcher::pressed, this, [this] {
        if (!frameGeometry().contains(QCursor::pos()))
            closeFromOutside();
    });
}

PopoverPanel::~PopoverPanel() = default;

QPoint PopoverPanel::placement(const QSize &size, const QRect &anchor, const QRect &available,
                               Edge edge) {
    constexpr int gap = 6;
    QPoint at;
    if (edge == Edge::right) {
        at = {anchor.right() + 1 + gap, anchor.center().y() - size.height() / 2};
        if (at.x() + size.width() - 1 > available.right())
            at.setX(anchor.left() - gap - size.width());
    } else {
        at = {anchor.center().x() - size.width() / 2, anchor.bottom() + gap};
        if (anchor.center().y() > available.center().y())
            at.setY(anchor.top() - gap - size.height());
    }
    at.setX(std::clamp(at.x(), available.left(), available.right() - size.width() + 1));
    at.setY(std::clamp(at.y(), available.top(), available.bottom() - size.height() + 1));
    return at;
}

void PopoverPanel::showRelativeTo(const QRect &anchor, Edge edge) {
    const QRect target = anchor.isEmpty() ? QRect(QCursor::pos(), QSize(1, 1)) : anchor;
    QScreen *screen = QGuiApplication::screenAt(target.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A panel shown for the first time has no size until its layout has run.
    adjustSize();
    move(placement(size(), target, screen->availableGeometry(), edge));
    show();
    raise();
    activateWindow();
    QLOG("Popover shown at", geometry());
}

// An alert the panel shows (modal) takes the focus and the clicks without taking the panel
// away; anything else outside it closes it.
void PopoverPanel::closeFromOutside() {
    if (!QApplication::activeModalWidget())
        closePopover();
}

void PopoverPanel::setContent(QWidget *content) {
    layout()->addWidget(content);
}

void PopoverPanel::closePopover() {
    if (isVisible())
        hide();
}

void PopoverPanel::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    qApp->installEventFilter(this);
    m_clicks.start();
}

void PopoverPanel::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    qApp->removeEventFilter(this);
    m_clicks.stop();
}

bool PopoverPanel::event(QEvent *event) {
    // With a window manager, a click anywhere else takes the focus away.
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        closeFromOutside();
    return QWidget::event(event);
}

bool PopoverPanel::eventFilter(QObject *watched, QEvent *event) {
    // A press on another window of ours; the press itself goes on to that window.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() != this)
            closeFromOutside();
    }
    return false;
}

void PopoverPanel::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        closePopover();
        return;
    }
    QWidget::keyPressEvent(event);
}
