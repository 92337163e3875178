#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <vector>

// In-process notifications by name; main makes the one every part of Quillory posts to. Observers
// are held weakly: one that is destroyed simply stops hearing, there is nothing to unregister.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    struct Notification {
        QString name;
        QPointer<QObject> sender;
        QVariantMap userInfo;
    };
    using Callback = std::function<void(const Notification &)>;

    // sender == nullptr observes the name from any sender.
    void addObserver(QObject *observer, const QString &name, Callback callback,
                     QObject *sender = nullptr);
    void removeObserver(QObject *observer);
    void post(const QString &name, QObject *sender = nullptr, const QVariantMap &userInfo = {});

private:
    struct Entry {
        QPointer<QObject> observer;
        QString name;
        QPointer<QObject> sender;
        bool anySender;
        Callback callback;
    };
    std::vector<Entry> m_entries;
};
