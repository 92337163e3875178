#pragma once

#include "settings/Handler.h"

#include <QApplication>

#include <functional>

class QWindow;

// The application object: Ctrl+C on the overlay asks for a copy of the annotated screen, and
// the key then goes on to its usual handling. Elsewhere (a text field, a dialog) Ctrl+C is
// left to what has the keyboard.
class CustomApplication : public QApplication {
    Q_OBJECT
public:
    CustomApplication(int &argc, char **argv, Handler<Nothing> &copyScreenshotRequest);

    bool notify(QObject *receiver, QEvent *event) override;

    // Whether a key press is the copy command: Ctrl held and the unmodified characters "c"
    // (Ctrl+Shift+C gives "C" and is not), pressed, not repeated by a held key.
    static bool isCopyCommand(const QEvent *event);
    // The window whose Ctrl+C copies the screen: the overlay's.
    std::function<const QWindow *()> copyWindow;

private:
    Handler<Nothing> &m_copyScreenshotRequest;
};
