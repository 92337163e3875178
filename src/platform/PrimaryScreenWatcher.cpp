#include "platform/PrimaryScreenWatcher.h"

#include <QGuiApplication>
#include <QScreen>

PrimaryScreenWatcher::PrimaryScreenWatcher(QObject *parent)
    : QObject(parent) {
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen *screen) {
        watchGeometry(screen);
        Q_EMIT changed(screen);
    });
    watchGeometry(QGuiApplication::primaryScreen());
}

void PrimaryScreenWatcher::watchGeometry(QScreen *screen) {
    disconnect(m_geometry);
    if (screen)
        m_geometry = connect(screen, &QScreen::geometryChanged, this,
                             [this, screen] { Q_EMIT changed(screen); });
}
