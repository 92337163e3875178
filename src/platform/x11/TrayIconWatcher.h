#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Tells when the tray icon's window is placed: a tray embeds it when it is ready (or when one
// starts later) and places it in its panel. Qt reports none of that as a move of a widget of
// ours, so the X server's own events are read. Nothing runs in between.
class TrayIconWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit TrayIconWatcher(QObject *parent = nullptr);
    ~TrayIconWatcher() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

Q_SIGNALS:
    void placed();
};
