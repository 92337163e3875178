#pragma once

#include "platform/HotKeyBackend.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtGlobal>

#include <map>
#include <memory>

class HotKey;

// Reports that the service's word on a registration changed, also later, when it answers.
class HotKeyStatusReporter : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void statusChanged();
};

// The process-wide registry of hotkeys: registers their combinations with the platform's
// hotkey service under (signature, id), installs the one event handler and routes each event
// to its hotkey. Ids count up from 1 and are never reused. Main thread only; it has no lock.
class HotKeysController {
public:
    // One registry entry. The hotkey is held weakly; the platform reference stays null
    // while the registration has not succeeded. `status` is the service's last word on it:
    // noErr while it is active, hotKeyPending until the service answers, otherwise why it is
    // not active, with the reason as the log gave it.
    struct HotKeyBox {
        QUuid identifier;
        std::weak_ptr<HotKey> hotKey;
        quint32 carbonHotKeyID = 0;
        void *carbonEventHotKey = nullptr;
        int status = hotKeyPending;
        QString reason;
    };
    // The status the registry gives itself when there is no service to ask.
    static constexpr int noServiceErr = -1;

    HotKeysController() = delete;

    // The platform's hotkey service; set once at start-up, before the first hotkey exists.
    // Without one every registration fails.
    static void setBackend(std::shared_ptr<HotKeyBackend> backend);
    static HotKeyBackend *backend();

    static void registerHotKey(const std::shared_ptr<HotKey> &hotKey);
    // The entry of a registered hotkey (not of a paused one): its status and reason.
    static const HotKeyBox *box(const HotKey &hotKey);
    // Signals whenever an entry's status changes, also later, when the service answers.
    static HotKeyStatusReporter &statusReporter();
    static void unregisterHotKey(const HotKey &hotKey);
    // The live hotkey registered under the id; an entry whose hotkey is gone is dropped.
    static std::shared_ptr<HotKey> hotKey(quint32 carbonHotKeyID);
    // The installed handler's body: noErr when a handler ran, eventNotHandledErr otherwise,
    // or the status of reading the event's hotkey id when that failed.
    static int handleCarbonEvent(const HotKeyEvent *event);
    // Installs the event handler once, at the first successful registration.
    static void updateEventHandler();

    static const std::map<quint32, HotKeyBox> &hotKeys();
    static quint32 hotKeysCount();
    static void *eventHandler();
    // "PzHk" as a four-character code: 0x507A486B.
    static quint32 signature();
};
