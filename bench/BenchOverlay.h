#pragma once

// The overlay as the application builds it (view, model and controller), offscreen, for the
// benchmarks to drive with pointer and key events.
#include "overlay/MainWindowController.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "screens/ScreenDaemon.h"
#include "settings/PreferenceStore.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

struct BenchOverlay {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + QStringLiteral("/preferences.plist")};
    AppActivation activation;
    ScreenDaemon screens{[] { return false; }};
    CompositorWatcher compositor;
    NotificationCenter notifications;
    DrawingHooks hooks;
    MainWindowController controller{
        OverlayServices{preferences, screens, compositor, notifications, hooks}, activation};

    DrawingView *view() { return controller.contentViewController().view(); }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view()->mapToGlobal(at), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(view(), &event);
    }
};
