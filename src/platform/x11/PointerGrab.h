#pragma once

#include <QAbstractNativeEventFilter>
#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Keeps the pointer grabbed for a window: every pointer event goes to it, also over parts of
// the screen the window's shape leaves out. A grab that another client holds is tried again
// every 250 ms until it is ours; one that a popup of ours took over is taken back when the
// popup lets go (the server reports the end of a grab). While the grab holds, nothing runs.
// The keyboard is never grabbed: that would block every global hotkey, ours included.
class PointerGrab : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit PointerGrab(QObject *parent = nullptr);
    ~PointerGrab() override;

    void grab(QWidget *window);
    void release();
    // The pointer's shape while the grab holds, over every window: where the window's shape
    // leaves the screen out the X server would show the arrow.
    void setCursor(const QCursor &cursor);
    bool isHeld() const { return m_held; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

Q_SIGNALS:
    // A wheel notch while the grab holds (Qt, reading the wheel from XInput 2, drops the
    // grab's plain button events): +1 away from the user, -1 towards, and whether Ctrl was
    // held.
    void wheelTurned(int notches, bool control);

private:
    bool tryGrab();
    // Tries now; while that fails, again every 250 ms.
    void keepTrying();

    QPointer<QWidget> m_window;
    QCursor m_cursor = Qt::ArrowCursor;
    QTimer m_renew;
    bool m_held = false;
};
