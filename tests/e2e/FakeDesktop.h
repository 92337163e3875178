#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>
#include <QVariantMap>

// A notification server and a file manager of our own on a session bus, answering from a
// thread of their own, so that they answer while the test sleeps. They record what they are
// asked; the test reads the records and clicks notifications.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        uint id;
        QString app, summary, body;
        QStringList actions;
    };

    QList<Shown> shown() const {
        QMutexLocker lock(&mutex);
        return m_shown;
    }
    QList<uint> closed() const {
        QMutexLocker lock(&mutex);
        return m_closed;
    }

public Q_SLOTS:
    QStringList GetCapabilities() { return {u"body"_qs, u"body-markup"_qs, u"actions"_qs}; }
    uint Notify(const QString &app, uint, const QString &, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &, int) {
        QMutexLocker lock(&mutex);
        m_shown.append({uint(m_shown.size() + 1), app, summary, body, actions});
        return uint(m_shown.size());
    }
    void CloseNotification(uint id) {
        QMutexLocker lock(&mutex);
        m_closed.append(id);
    }
    QString GetServerInformation(QString &vendor, QString &version, QString &spec) {
        vendor = u"test"_qs;
        version = u"1"_qs;
        spec = u"1.2"_qs;
        return u"fake"_qs;
    }

private:
    mutable QMutex mutex;
    QList<Shown> m_shown;
    QList<uint> m_closed;
};

class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shownItems() const {
        QMutexLocker lock(&mutex);
        return m_items;
    }

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) {
        QMutexLocker lock(&mutex);
        m_items += uris;
    }

private:
    mutable QMutex mutex;
    QStringList m_items;
};

class FakeDesktop {
public:
    explicit FakeDesktop(const QString &busAddress)
        : m_bus(QDBusConnection::connectToBus(busAddress, u"fake-desktop"_qs)) {
        notifications.moveToThread(&m_thread);
        fileManager.moveToThread(&m_thread);
        m_thread.start();
        m_ok = m_bus.registerObject(u"/org/freedesktop/Notifications"_qs, &notifications,
                                    QDBusConnection::ExportAllSlots) &&
               m_bus.registerService(u"org.freedesktop.Notifications"_qs) &&
               m_bus.registerObject(u"/org/freedesktop/FileManager1"_qs, &fileManager,
                                    QDBusConnection::ExportAllSlots) &&
               m_bus.registerService(u"org.freedesktop.FileManager1"_qs);
    }
    ~FakeDesktop() {
        m_thread.quit();
        m_thread.wait();
        QDBusConnection::disconnectFromBus(u"fake-desktop"_qs);
    }
    bool isReady() const { return m_ok; }

    // The user clicks notification `id`.
    void click(uint id) {
        QDBusMessage signal =
            QDBusMessage::createSignal(u"/org/freedesktop/Notifications"_qs,
                                       u"org.freedesktop.Notifications"_qs, u"ActionInvoked"_qs);
        signal << id << u"default"_qs;
        m_bus.send(signal);
    }

    FakeNotifications notifications;
    FakeFileManager fileManager;

private:
    QDBusConnection m_bus;
    QThread m_thread;
    bool m_ok = false;
};
