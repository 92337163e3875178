#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// The system-wide hotkey service, in the shape of the Carbon hotkey calls (register,
// unregister, one installed handler) so that the registry above it keeps their behaviour. On
// X11 a registration is a key grab on the root window; another client's grab (BadAccess) is a
// non-zero status. In a Wayland session it is the desktop's shortcut service (the
// GlobalShortcuts portal, KDE's kglobalaccel), which may answer later: see hotKeyPending and
// setStatusHandler.
//
// Everything happens on the main thread: events are delivered from the main event loop.

// Statuses. 0 is success; the others are Carbon's values.
inline constexpr int noErr = 0;
inline constexpr int eventInternalErr = -9868;
inline constexpr int eventParameterNotFoundErr = -9870;
inline constexpr int eventNotHandledErr = -9874;
inline constexpr int eventHotKeyExistsErr = -9878;
inline constexpr int eventHotKeyInvalidErr = -9879;
// Ours: the registration is made and has its reference, but the service answers later, through
// the status handler, whether it is active.
inline constexpr int hotKeyPending = 1;

// Event kinds of the keyboard class.
inline constexpr quint32 kEventHotKeyPressed = 5;
inline constexpr quint32 kEventHotKeyReleased = 6;

// What identifies a registration: the registering process's signature and its own id.
struct EventHotKeyID {
    quint32 signature = 0;
    quint32 id = 0;

    friend bool operator==(const EventHotKeyID &, const EventHotKeyID &) = default;
};

// A hotkey event. Reading the hotkey id may fail (parameterStatus non-zero), as reading an
// event parameter may with Carbon; the id is then meaningless.
struct HotKeyEvent {
    quint32 kind = kEventHotKeyPressed;
    EventHotKeyID hotKeyID;
    int parameterStatus = noErr;
};

// What a desktop that lists an application's shortcuts shows for one: a name that stays the
// same across registrations and starts, and a description for the user.
struct HotKeyLabel {
    QString name;
    QString description;
};

class HotKeyBackend {
public:
    // Answers an event with a status: noErr when it was handled, eventNotHandledErr when not.
    using EventHandler = std::function<int(const HotKeyEvent *event)>;
    // A registration's state changed after registerHotKey returned: noErr when it is active
    // now, otherwise the status and the service's reason.
    using StatusHandler = std::function<void(void *reference, int status, const QString &reason)>;

    virtual ~HotKeyBackend() = default;

    // Registers a combination (virtual key code, Carbon modifier mask) under (signature, id).
    // On success returns noErr and sets *reference to a non-null value naming the
    // registration; otherwise returns a non-zero status and leaves *reference alone:
    // eventHotKeyExistsErr when another program holds the combination, eventHotKeyInvalidErr
    // for a key the desktop cannot grab, eventInternalErr for any other failure;
    // hotKeyPending, with *reference set, when the service answers later.
    // This process may register a combination it holds already (a shortcut recorded again
    // is registered before the old one ends): it stays held until its last registration
    // ends, and a press goes to the newest registration.
    virtual int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature,
                               quint32 id, void **reference) = 0;
    // Ends the registration a reference names.
    virtual int unregisterHotKey(void *reference) = 0;
    // Installs the one handler that receives pressed and released events of every
    // registration; it is never removed. Sets *reference on success.
    virtual int installEventHandler(EventHandler handler, void **reference) = 0;

    // Optional, for services that answer later or may take a shortcut away: where they report.
    virtual void setStatusHandler(StatusHandler) {}
    // Optional, for services that list shortcuts by name: the label of the registration about
    // to be made under (signature, id).
    virtual void setLabel(const EventHotKeyID &, const HotKeyLabel &) {}
};
