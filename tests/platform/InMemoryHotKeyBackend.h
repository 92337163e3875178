#pragma once

#include "platform/HotKeyBackend.h"

#include <QList>

#include <optional>
#include <utility>

// A hotkey service without a window system, for tests: it records registrations, refuses the
// combinations it is told to refuse (as another client's grab would), and delivers events to
// the installed handler on request.
class InMemoryHotKeyBackend : public HotKeyBackend {
public:
    struct Registration {
        quint32 keyCode = 0;
        quint32 carbonModifiers = 0;
        EventHotKeyID hotKeyID;
        void *reference = nullptr;
    };

    int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature, quint32 id,
                       void **reference) override;
    int unregisterHotKey(void *reference) override;
    int installEventHandler(EventHandler handler, void **reference) override;

    // From now on registering this combination fails with the status.
    void refuse(quint32 keyCode, quint32 carbonModifiers, int status = eventHotKeyExistsErr);
    void accept(quint32 keyCode, quint32 carbonModifiers);

    // Delivers an event (or none) to the installed handler and returns its answer; nothing
    // when no handler is installed.
    std::optional<int> deliver(const HotKeyEvent *event);
    // The user pressing a combination: delivered only when it is registered.
    std::optional<int> pressCombination(quint32 keyCode, quint32 carbonModifiers);

    const QList<Registration> &registrations() const { return m_registrations; }
    // The newest registration of the combination.
    std::optional<Registration> registration(quint32 keyCode, quint32 carbonModifiers) const;
    int installedHandlerCount() const { return m_installedHandlerCount; }

private:
    QList<Registration> m_registrations;
    QList<std::pair<std::pair<quint32, quint32>, int>> m_refused;
    EventHandler m_handler;
    int m_installedHandlerCount = 0;
    quintptr m_lastReference = 0;
};
