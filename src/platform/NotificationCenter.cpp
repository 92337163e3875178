#include "platform/NotificationCenter.h"

#include <algorithm>

void NotificationCenter::addObserver(QObject *observer, const QString &name, Callback callback,
                                     QObject *sender) {
    if (!observer || !callback)
        return;
    m_entries.push_back({observer, name, sender, sender == nullptr, std::move(callback)});
}

void NotificationCenter::removeObserver(QObject *observer) {
    std::erase_if(m_entries, [observer](const Entry &e) { return e.observer == observer; });
}

void NotificationCenter::post(const QString &name, QObject *sender, const QVariantMap &userInfo) {
    std::erase_if(m_entries, [](const Entry &e) { return e.observer.isNull(); });
    // A callback may add or remove observers; work on a snapshot of this moment.
    const std::vector<Entry> snapshot = m_entries;
    const Notification notification{name, sender, userInfo};
    for (const Entry &entry : snapshot) {
        if (entry.name != name || entry.observer.isNull())
            continue;
        if (!entry.anySender && entry.sender != sender)
            continue;
        entry.callback(notification);
    }
}
