#include "app/CustomApplication.h"

#include "platform/KeyEvent.h"

#include <QKeyEvent>
#include <QWindow>

CustomApplication::CustomApplication(int &argc, char **argv,
                                     Handler<Nothing> &copyScreenshotRequest)
    : QApplication(argc, argv)
    , m_copyScreenshotRequest(copyScreenshotRequest) {}

bool CustomApplication::isCopyCommand(const QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const KeyEvent key = KeyEvent::fromQt(*static_cast<const QKeyEvent *>(event));
    return (key.modifierFlags & ModifierCommand) && !key.isARepeat &&
           key.charactersIgnoringModifiers == QStringLiteral("c");
}

bool CustomApplication::notify(QObject *receiver, QEvent *event) {
    // A key event reaches its window first and then travels through the widgets; look at it
    // once, at the window. The key first: every event of every window passes here.
    if (receiver->isWindowType() && isCopyCommand(event) && copyWindow && receiver == copyWindow())
        m_copyScreenshotRequest.notify();
    return QApplication::notify(receiver, event);
}
