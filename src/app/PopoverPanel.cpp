#include "app/PopoverPanel.h"

#include "platform/DiagnosticLog.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

PopoverPanel::PopoverPanel(QWidget *parent)
    : QWidget(parent, Qt::Popup) {
    setObjectName(QStringLiteral("popoverMenu"));
    setWindowTitle(QStringLiteral("Quillory Menu"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("<b>Quillory</b>"), this);
    //% "Shortcuts and colours will be set here."
    auto *body = new QLabel(qtTrId("menu.placeholder"), this);
    body->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(body);
    setFixedSize(280, 120);
}

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
