#pragma once

#include "platform/HotKeyBackend.h"

#include <QUuid>
#include <QtGlobal>

#include <map>
#include <memory>

class HotKey;

// The process-wide registry of hotkeys: registers their combinations with the platform's
// hotkey service under (signature, id), installs the one event handler and routes each event
// to its hotkey. Ids count up from 1 and are never reused. Main thread only; it has no lock.
class HotKeysController {
public:
    // One registry entry. The hotkey is held weakly; the platform reference stays null
    // while the registration has not succeeded.
    struct HotKeyBox {
        QUuid identifier;
        std::weak_ptr<HotKey> hotKey;
        quint32 carbonHotKeyID = 0;
        void *carbonEventHotKey = nullptr;
    };

    HotKeysController() = delete;

    // The platform's hotkey service; set once at start-up, before the first hotkey exists.
    // Without one every registration fails.
    static void setBackend(std::shared_ptr<HotKeyBackend> backend);
    static HotKeyBackend *backend();

    static void registerHotKey(const std::shared_ptr<HotKey> &hotKey);
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
