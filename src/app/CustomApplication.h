#pragma once

#include "settings/Handler.h"

#include <QApplication>

// The application object: Ctrl+C anywhere in the application asks for a copy of the
// annotated screen, and the key then goes on to its usual handling.
class CustomApplication : public QApplication {
    Q_OBJECT
public:
    CustomApplication(int &argc, char **argv, Handler<Nothing> &copyScreenshotRequest);

    bool notify(QObject *receiver, QEvent *event) override;

    // Whether a key press is the copy command: Ctrl held and the unmodified characters "c"
    // (Ctrl+Shift+C gives "C" and is not).
    static bool isCopyCommand(const QEvent *event);

private:
    Handler<Nothing> &m_copyScreenshotRequest;
};
