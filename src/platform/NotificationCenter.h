#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

// In-process notifications by name; main makes the one every part of Quillory posts to. Observers
// are held weakly: one that is destroyed simply stops hearing, there is nothing to unregister.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    void addObserver(QObject *observer, const QString &name, std::function<void()> callback);
    void post(const QString &name);

private:
    struct Entry {
        QPointer<QObject> observer;
        QString name;
        std::function<void()> callback;
    };
    std::vector<Entry> m_entries;
};
