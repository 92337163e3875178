#include "platform/NotificationCenter.h"

void NotificationCenter::addObserver(QObject *observer, const QString &name,
                                     std::function<void()> callback) {
    if (!observer || !callback)
        return;
    m_entries.push_back({observer, name, std::move(callback)});
}

void NotificationCenter::post(const QString &name) {
    std::erase_if(m_entries, [](const Entry &e) { return e.observer.isNull(); });
    // A callback may add observers; work on a snapshot of this moment.
    const std::vector<Entry> snapshot = m_entries;
    for (const Entry &entry : snapshot) {
        if (entry.name == name && !entry.observer.isNull())
            entry.callback();
    }
}
