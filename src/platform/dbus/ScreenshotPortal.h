#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

// A picture of the whole desktop from the freedesktop Screenshot portal
// (org.freedesktop.portal.Screenshot), the one way a Wayland session hands out what other
// clients show. Asked for without a dialog; the answer comes later as the Response signal of
// a request object, which names a file with the picture; it is read on a thread of its own and
// then removed. Nothing here waits: the picture, or a null image when the portal refused,
// failed, is missing or took too long, goes to the callback from the event loop.
//
// The file is whatever the answer names, so reading it has bounds of its own: it is opened
// without waiting (a FIFO would wait for a writer), taken only as a regular file of at most
// kMaxFileBytes, and given kReadTimeoutMs; a read that hangs (a mount that does not answer) is
// left behind, and neither later captures nor quitting wait for it. Only a regular file that
// decoded is removed.
class ScreenshotPortal : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const QImage &desktop)>;
    static constexpr qint64 kMaxFileBytes = 160 * 1024 * 1024;
    static constexpr int kReadTimeoutMs = 10000;

    explicit ScreenshotPortal(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                              QObject *parent = nullptr);
    ~ScreenshotPortal() override;

    // Asks for a picture. A request while one is under way gets the same picture: both ask
    // for the screen as it is now.
    void take(Done done);

private Q_SLOTS:
    void response(uint code, const QVariantMap &results);

private:
    struct Reading;

    void listen(const QString &requestPath);
    void stopListening();
    void read(const QString &path);
    void readDone(quint64 read, const QImage &desktop, const QString &why);
    void finish(const QImage &desktop);
    void fail(const QString &why);

    QDBusConnection m_bus;
    QString m_request; // the request object's path while one is under way
    std::vector<Done> m_waiting;
    QTimer m_timeout;
    quint64 m_serial = 0;
    // Shared with the reading threads, which may outlive this.
    const std::shared_ptr<Reading> m_reading;
    QTimer m_readTimeout;
    quint64 m_read = 0; // the read whose answer is awaited; 0: none
    quint64 m_reads = 0;
};
