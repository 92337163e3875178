#pragma once

#include <QMetaObject>
#include <QObject>

class QScreen;

// Tells when another screen becomes the primary one and when the primary screen's geometry
// changes: what a window that covers the primary screen follows.
class PrimaryScreenWatcher : public QObject {
    Q_OBJECT
public:
    explicit PrimaryScreenWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    // The primary screen, now (null when there is none).
    void changed(QScreen *screen);

private:
    void watchGeometry(QScreen *screen);

    QMetaObject::Connection m_geometry;
};
