#include "platform/dbus/ShortcutServiceBackend.h"

namespace {
quint64 labelKey(quint32 signature, quint32 id) {
    return quint64(signature) << 32 | id;
}
} // namespace

int ShortcutServiceBackend::installEventHandler(EventHandler handler, void **reference) {
    m_handler = std::move(handler);
    *reference = this;
    return noErr;
}

void ShortcutServiceBackend::setLabel(const EventHotKeyID &hotKeyID, const HotKeyLabel &label) {
    m_labels.insert(labelKey(hotKeyID.signature, hotKeyID.id), label);
}

HotKeyLabel ShortcutServiceBackend::takeLabel(quint32 signature, quint32 id) {
    HotKeyLabel label = m_labels.take(labelKey(signature, id));
    if (label.name.isEmpty())
        label = {QStringLiteral("hotkey-%1").arg(id), QStringLiteral("Quillory")};
    return label;
}

void *ShortcutServiceBackend::add(const EventHotKeyID &hotKeyID, const HotKeyLabel &label,
                                  const QString &trigger) {
    m_registrations.append({++m_lastReference, hotKeyID, label, trigger});
    return reinterpret_cast<void *>(m_lastReference);
}

std::optional<ShortcutServiceBackend::Registration>
ShortcutServiceBackend::remove(void *reference) {
    const auto key = reinterpret_cast<quintptr>(reference);
    const auto found =
        std::find_if(m_registrations.cbegin(), m_registrations.cend(),
                     [key](const Registration &entry) { return entry.reference == key; });
    if (found == m_registrations.cend())
        return std::nullopt;
    Registration removed = *found;
    m_registrations.erase(found);
    return removed;
}

void ShortcutServiceBackend::deliver(quint32 kind, const QString &name) {
    for (auto entry = m_registrations.crbegin(); entry != m_registrations.crend(); ++entry) {
        if (entry->label.name != name)
            continue;
        const HotKeyEvent event{kind, entry->hotKeyID, noErr};
        if (m_handler)
            m_handler(&event);
        return;
    }
}
