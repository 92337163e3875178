#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Paces repaints to the screen's frames. The first change after a pause shows at once. Later
// ones wait until a frame has passed since the last paint, and the event that finds it due
// paints them: a moving pointer sends events more often than frames, so no timer has to wake
// the process while it moves. The timer only paints what is left once the pointer rests, half
// a frame late to leave that to an event.
class FramePacer : public QObject {
    Q_OBJECT
public:
    // `interval`: the frame's length in ms, asked each time (the screen may change).
    explicit FramePacer(std::function<int()> interval, QObject *parent = nullptr);

    // Something changed: frameDue() comes now, or at the next frame.
    void request();
    // While held (a batch of events is handed over) frames wait for its end, so that the frame
    // shows all of it.
    void hold(bool held);
    bool held() const { return m_held; }
    // A frame was painted now.
    void painted() { m_last.start(); }
    // frameDue() comes again in `ms`, unless a request brings it sooner.
    void retryIn(int ms);

Q_SIGNALS:
    void frameDue();

private:
    void due();

    std::function<int()> m_interval;
    QTimer m_timer;
    QElapsedTimer m_last;
    bool m_held = false;
    bool m_waits = false;
};
