#pragma once

#include "platform/x11/XCursor.h"

#include <QCursor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRegion>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <optional>

class PointerReader;

// Reads the pointer over a window on an X connection and a thread of its own, and hands what
// gathered to the main thread at most once a display frame; presses and releases at once.
// Through Qt, every report of the mouse (250 or 1000 a second) wakes two of our threads: Qt's
// reader and then the main thread. Here it wakes one, and the main thread about once a frame.
// Every position is kept.
//
// It reads through an input-only window laid over the whole window. The parts where the
// window's own widgets take the pointer (setPassThrough) are cut out of it, so they get their
// clicks and hovering through Qt as usual. Where this cannot be set up (no X11, no XInput 2) it
// stays inactive and the whole window gets its pointer through Qt.
class PointerStream : public QObject {
    Q_OBJECT
public:
    enum class Kind : quint8 { Press, Move, Release, Wheel };
    struct Sample {
        Kind kind = Kind::Move;
        QPointF position;        // in the window, at device pixels
        bool leftButton = false; // held once this event is through
        bool shift = false;
        // A wheel notch: +1 away from the user, -1 towards; and whether Ctrl was held.
        int wheel = 0;
        bool control = false;
        // A pen tablet's pressure, 0 to 1; none where the device reports none (a mouse).
        std::optional<qreal> pressure;
        bool eraser = false; // from the eraser end of a stylus
    };
    explicit PointerStream(QObject *parent = nullptr);
    ~PointerStream() override;

    // Reads the pointer over `window` (a top level) from now on, reporting samplesRead() on
    // the main thread. Follows the window should Qt make its X window again.
    void attach(QWidget *window);
    // In the window's coordinates (device-independent pixels); again after the window moved to
    // a screen of another pixel ratio.
    void setPassThrough(const QRegion &region);
    // Remembered, like the pass-through, for the reader attach() makes.
    void setFrameInterval(int milliseconds);
    // The pointer's shape over the stream's window (see XCursor); another: the window's own.
    void setCursor(const QCursor &shape);

    // While the pointer is grabbed, its events reach the window through Qt, as a mouse's,
    // and none reach the stream. The stream then follows the devices' raw events, which no
    // grab holds back, for what Qt leaves out: a tablet's pressure and its eraser end.
    void setTrackingTip(bool on);
    struct Tip {
        std::optional<qreal> pressure;
        bool eraser = false;
    };
    // The last device to report, as it reported.
    Tip lastTip() const;

Q_SIGNALS:
    void samplesRead(const QList<PointerStream::Sample> &samples);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();
    void sendPassThrough();

    QThread m_thread;
    PointerReader *m_reader = nullptr;
    // Written by the reader's thread, read by the main thread: no wake-up for a mouse's move.
    std::atomic<double> m_tipPressure{-1}; // negative: none
    std::atomic<bool> m_tipEraser{false};
    QPointer<QWidget> m_window;
    QRegion m_passThrough;
    int m_frameInterval = 16;
    XCursor::Shape m_cursor;
};
