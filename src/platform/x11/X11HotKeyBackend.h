#pragma once

#include "platform/HotKeyBackend.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>

#include <xcb/xcb.h>

// System-wide hotkeys on X11: a combination is grabbed on the root window, for itself and with
// Caps Lock, Num Lock or both on. A combination another client holds (BadAccess) is refused
// and the variants already grabbed are let go. X allows one grab per combination and client,
// so the registrations of one combination share its grab, which is let go with the last of
// them. Presses and releases arrive through a native event filter on the main thread; events
// of keys that were not grabbed are left alone.
class X11HotKeyBackend : public HotKeyBackend, public QAbstractNativeEventFilter {
public:
    // nullptr when Qt does not run on X11.
    static std::unique_ptr<X11HotKeyBackend> create();
    ~X11HotKeyBackend() override;

    int registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature, quint32 id,
                       void **reference) override;
    int unregisterHotKey(void *reference) override;
    int installEventHandler(EventHandler handler, void **reference) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // The X modifier mask of a Carbon mask: Command = Control key, Control = Super,
    // Option = Alt, Shift = Shift.
    static uint16_t xModifiers(quint32 carbonModifiers);

private:
    explicit X11HotKeyBackend(xcb_connection_t *connection);
    QList<uint16_t> lockVariants() const;
    int grab(xcb_keycode_t keycode, uint16_t modifiers);
    void ungrab(xcb_keycode_t keycode, uint16_t modifiers);

    struct Registration {
        quintptr reference;
        EventHotKeyID hotKeyID;
    };
    // One grabbed combination and its registrations, oldest first.
    struct Grab {
        xcb_keycode_t keycode;
        uint16_t modifiers;
        QList<Registration> registrations;
    };
    static quint32 combination(xcb_keycode_t keycode, uint16_t modifiers) {
        return quint32(keycode) << 16 | modifiers;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    uint16_t m_numLock = 0;
    QHash<quint32, Grab> m_grabs;            // by combination()
    QHash<quintptr, quint32> m_combinations; // reference -> combination()
    // Per grabbed key held down: the registration its press went to.
    QHash<xcb_keycode_t, EventHotKeyID> m_pressed;
    EventHandler m_handler;
    quintptr m_lastReference = 0;
};
