#pragma once

#include "platform/HotKeyBackend.h"

#include <QList>

#include <optional>

// A hotkey service without a window system, for tests: it records registrations, refuses
// the combinations in `refused` as another client's grab would, and delivers on request.
// With `answersLater` it registers pending, as the portal does, and the test answers through
// `statusHandler`.
class InMemoryHotKeyBackend : public HotKeyBackend {
public:
    struct Registration {
        quint32 keyCode = 0, carbonModifiers = 0;
        EventHotKeyID hotKeyID;
        void *reference = nullptr;
    };
    QList<std::pair<quint32, quint32>> refused; // (key code, Carbon modifiers)
    QList<Registration> registrations;          // oldest first
    int installedHandlers = 0;
    bool answersLater = false;
    StatusHandler statusHandler;

    int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature, quint32 id,
                       void **reference) override {
        if (refused.contains(std::pair(keyCode, carbonModifiers)))
            return eventHotKeyExistsErr;
        *reference = reinterpret_cast<void *>(++m_lastReference);
        registrations.append({keyCode, carbonModifiers, {signature, id}, *reference});
        return answersLater ? hotKeyPending : noErr;
    }
    int unregisterHotKey(void *reference) override {
        const auto ends = [&](const Registration &entry) { return entry.reference == reference; };
        return registrations.removeIf(ends) ? noErr : eventHotKeyInvalidErr;
    }
    void setStatusHandler(StatusHandler handler) override { statusHandler = std::move(handler); }
    int installEventHandler(EventHandler handler, void **reference) override {
        m_handler = std::move(handler);
        *reference = reinterpret_cast<void *>(++m_lastReference);
        ++installedHandlers;
        return noErr;
    }

    // The installed handler's answer to an event (or none); nothing without a handler.
    std::optional<int> deliver(const HotKeyEvent &event) {
        return m_handler ? std::optional(m_handler(&event)) : std::nullopt;
    }
    // The user pressing a combination: delivered only when it is registered.
    std::optional<int> pressCombination(quint32 keyCode, quint32 carbonModifiers) {
        const std::optional<Registration> entry = registration(keyCode, carbonModifiers);
        return entry ? deliver({kEventHotKeyPressed, entry->hotKeyID}) : std::nullopt;
    }

    // The newest registration of the combination, which has its presses.
    std::optional<Registration> registration(quint32 keyCode, quint32 carbonModifiers) const {
        for (auto entry = registrations.crbegin(); entry != registrations.crend(); ++entry) {
            if (entry->keyCode == keyCode && entry->carbonModifiers == carbonModifiers)
                return *entry;
        }
        return std::nullopt;
    }

private:
    EventHandler m_handler;
    quintptr m_lastReference = 0; // references are unique tokens, never dereferenced
};
