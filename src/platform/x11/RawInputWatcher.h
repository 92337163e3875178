#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

// Watches XInput 2 raw pointer events on the root window. They arrive whatever window the
// pointer is over and whoever grabs it, and watching grabs nothing. The server keeps one event
// mask per client and window, so the watchers of this process share one selection: the union
// of what each of them watches while started. Off X11 a watcher reports nothing.
class RawInputWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    ~RawInputWatcher() override;

    void start();
    void stop();
    bool isWatching() const { return m_watching; }

protected:
    // `events`: the XCB_INPUT_XI_EVENT_MASK_RAW_* bits this watcher reports.
    RawInputWatcher(uint32_t events, QObject *parent);
    // One raw event of a watched kind (XCB_INPUT_RAW_*).
    virtual void rawEvent(uint16_t type) = 0;
    // After start() began watching and after stop() ended it.
    virtual void watchingChanged(bool) {}
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) final;

private:
    static void selectWatched();

    const uint32_t m_events;
    int m_opcode = -1;
    bool m_watching = false;
};
