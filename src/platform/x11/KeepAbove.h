#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Keeps a window that bypasses the window manager above every other window: no manager stacks
// it, so whenever another window is mapped or restacked, it is raised again if it is not on top
// any more. It reacts only to the X server's stacking events; nothing runs while the windows
// stay as they are.
class KeepAbove : public QObject, public QAbstractNativeEventFilter {
public:
    explicit KeepAbove(QWidget *window);
    ~KeepAbove() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

private:
    void raiseIfCovered();

    QPointer<QWidget> m_window;
    QTimer m_check; // gathers a burst of restacks into one look
    // Two programs that each keep a window on top would raise theirs in turn for ever: at most
    // a few raises a second.
    QElapsedTimer m_lastRaise;
    static constexpr int minRaiseInterval = 250; // ms
};
