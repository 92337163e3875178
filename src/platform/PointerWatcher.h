#pragma once

#include "platform/RawInputWatcher.h"

#include <QPoint>

#include <optional>

// Reports where the pointer goes and its button presses and releases, over any program's
// window, while started. The X server sends an event for each move, so nothing polls: at rest
// it costs nothing. Moves that queue up while the application is busy come out as one.
class PointerWatcher : public RawInputWatcher {
    Q_OBJECT
public:
    explicit PointerWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    // The pointer's new position, in global coordinates.
    void moved(QPoint global);
    void pressed();
    void released();

protected:
    void rawEvent(uint16_t type) override;

private:
    void readPosition();

    bool m_readPending = false;
    std::optional<QPoint> m_last;
};
