#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

// Tells whether a compositing manager runs, so translucent windows really are translucent.
// On X11 a compositor owns the selection _NET_WM_CM_S0; XFixes reports every change of owner,
// so a compositor that starts or dies while we are up is noticed at once. Off X11 (Wayland,
// offscreen) windows are always composited.
class CompositorWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit CompositorWatcher(QObject *parent = nullptr);
    ~CompositorWatcher() override;

    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void runningChanged(bool running);

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    bool queryOwner() const;

    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_selection = XCB_ATOM_NONE;
    int m_xfixesEvent = -1;
    bool m_running = true;
};
