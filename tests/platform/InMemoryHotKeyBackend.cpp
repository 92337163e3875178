#include "platform/InMemoryHotKeyBackend.h"

int InMemoryHotKeyBackend::registerHotKey(quint32 keyCode, quint32 carbonModifiers,
                                          quint32 signature, quint32 id, void **reference) {
    for (const auto &[combination, status] : m_refused) {
        if (combination == std::pair(keyCode, carbonModifiers))
            return status;
    }
    // References are tokens that are never dereferenced; counting keeps them unique.
    void *token = reinterpret_cast<void *>(++m_lastReference);
    m_registrations.append({keyCode, carbonModifiers, {signature, id}, token});
    *reference = token;
    return noErr;
}

int InMemoryHotKeyBackend::unregisterHotKey(void *reference) {
    for (qsizetype index = 0; index < m_registrations.size(); ++index) {
        if (m_registrations[index].reference == reference) {
            m_registrations.removeAt(index);
            return noErr;
        }
    }
    return eventHotKeyInvalidErr;
}

int InMemoryHotKeyBackend::installEventHandler(EventHandler handler, void **reference) {
    m_handler = std::move(handler);
    ++m_installedHandlerCount;
    *reference = reinterpret_cast<void *>(++m_lastReference);
    return noErr;
}

void InMemoryHotKeyBackend::refuse(quint32 keyCode, quint32 carbonModifiers, int status) {
    accept(keyCode, carbonModifiers);
    m_refused.append({{keyCode, carbonModifiers}, status});
}

void InMemoryHotKeyBackend::accept(quint32 keyCode, quint32 carbonModifiers) {
    m_refused.removeIf(
        [&](const auto &entry) { return entry.first == std::pair(keyCode, carbonModifiers); });
}

std::optional<int> InMemoryHotKeyBackend::deliver(const HotKeyEvent *event) {
    if (!m_handler)
        return std::nullopt;
    // A copy: the handler may install another one while it runs.
    const EventHandler handler = m_handler;
    return handler(event);
}

std::optional<int> InMemoryHotKeyBackend::pressCombination(quint32 keyCode,
                                                           quint32 carbonModifiers) {
    const std::optional<Registration> entry = registration(keyCode, carbonModifiers);
    if (!entry)
        return std::nullopt;
    const HotKeyEvent event{kEventHotKeyPressed, entry->hotKeyID, noErr};
    return deliver(&event);
}

std::optional<InMemoryHotKeyBackend::Registration>
InMemoryHotKeyBackend::registration(quint32 keyCode, quint32 carbonModifiers) const {
    // The newest registration of a combination has its presses.
    for (auto entry = m_registrations.crbegin(); entry != m_registrations.crend(); ++entry) {
        if (entry->keyCode == keyCode && entry->carbonModifiers == carbonModifiers)
            return *entry;
    }
    return std::nullopt;
}
