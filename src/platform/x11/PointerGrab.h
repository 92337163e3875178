#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Keeps the pointer grabbed for a window: every pointer event goes to it, also over parts of
// the screen the window's shape leaves out. The grab is taken again every 250 ms while wanted,
// so one that another client held at first, or that one of our popups took over and let go,
// comes back. The keyboard is never grabbed: that would block every global hotkey, ours
// included.
class PointerGrab : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit PointerGrab(QObject *parent = nullptr);
    ~PointerGrab() override;

    void grab(QWidget *window);
    void release();
    bool isHeld() const { return m_held; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

Q_SIGNALS:
    // A wheel notch while the grab holds (Qt, reading the wheel from XInput 2, drops the
    // grab's plain button events): +1 away from the user, -1 towards, and whether Ctrl was
    // held.
    void wheelTurned(int notches, bool control);

private:
    bool tryGrab();

    QPointer<QWidget> m_window;
    QTimer m_renew;
    bool m_held = false;
};
