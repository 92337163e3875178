#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <vector>

// A picture of the whole desktop from the freedesktop Screenshot portal
// (org.freedesktop.portal.Screenshot), the one way a Wayland session hands out what other
// clients show. Asked for without a dialog; the answer comes later as the Response signal of
// a request object, which names a file with the picture; it is read on a thread of its own and
// then removed. Nothing here waits: the picture, or a null image when the portal refused,
// failed, is missing or took too long, goes to the callback from the event loop.
class ScreenshotPortal : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const QImage &desktop)>;

    explicit ScreenshotPortal(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                              QObject *parent = nullptr);
    ~ScreenshotPortal() override;

    // Asks for a picture. A request while one is under way gets the same picture: both ask
    // for the screen as it is now.
    void take(Done done);

private Q_SLOTS:
    void response(uint code, const QVariantMap &results);

private:
    void listen(const QString &requestPath);
    void stopListening();
    void finish(const QImage &desktop);
    void fail(const QString &why);

    QDBusConnection m_bus;
    QString m_request; // the request object's path while one is under way
    std::vector<Done> m_waiting;
    QTimer m_timeout;
    quint64 m_serial = 0;
};
