#include "platform/InMemoryHotKeyBackend.h"

int InMemoryHotKeyBackend::registerHotKey(quint32 keyCode, quint32 carbonModifiers,
                                          quint32 signature, quint32 id, void **reference) {
    if (refused.contains(std::pair(keyCode, carbonModifiers)))
        return eventHotKeyExistsErr;
    *reference = reinterpret_cast<void *>(++m_lastReference);
    m_registrations.append({keyCode, carbonModifiers, {signature, id}, *reference});
    return noErr;
}
