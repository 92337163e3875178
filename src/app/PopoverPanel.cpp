#include "app/PopoverPanel.h"

#include "platform/DiagnosticLog.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

PopoverPanel::PopoverPanel(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("popoverMenu"));
    setWindowTitle(QStringLiteral("Quillory Menu"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("<b>Quillory</b>"), this);
    //% "Shortcuts and colours will be set here."
    auto *body = new QLabel(qtTrId("menu.placeholder"), this);
    body->setWordWrap(true);
    //% "Preferences…"
    auto *preferences = new QPushButton(qtTrId("menu.preferences"), this);
    connect(preferences, &QPushButton::clicked, this, &PopoverPanel::preferencesRequested);
    layout->addWidget(title);
    layout->addWidget(body);
    layout->addWidget(preferences, 0, Qt::AlignRight);
    setFixedSize(280, 140);
    connect(&m_clicks, &ClickWatcher::pressed, this, [this] {
        if (!frameGeometry().contains(QCursor::pos()))
            closePopover();
    });
}

PopoverPanel::~PopoverPanel() = default;

QPoint PopoverPanel::placement(const QSize &size, const QRect &anchor, const QRect &available) {
    QPoint at(anchor.center().x() - size.width() / 2, anchor.bottom() + 6);
    if (anchor.center().y() > available.center().y())
        at.setY(anchor.top() - 6 - size.height());
    at.setX(std::clamp(at.x(), available.left(), available.right() - size.width() + 1));
    at.setY(std::clamp(at.y(), available.top(), available.bottom() - size.height() + 1));
    return at;
}

void PopoverPanel::showRelativeTo(const QRect &anchor) {
    const QRect target = anchor.isEmpty() ? QRect(QCursor::pos(), QSize(1, 1)) : anchor;
    QScreen *screen = QGuiApplication::screenAt(target.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(placement(size(), target, screen->availableGeometry()));
    show();
    raise();
    activateWindow();
    QLOG("Popover shown at", geometry());
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
        closePopover();
    return QWidget::event(event);
}

bool PopoverPanel::eventFilter(QObject *watched, QEvent *event) {
    // A press on another window of ours; the press itself goes on to that window.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() != this)
            closePopover();
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
