#pragma once

#include "core/Key.h"
#include "hotkeys/KeyCombo.h"
#include "platform/HotKeyBackend.h"
#include "platform/ModifierFlags.h"

#include <QUuid>

#include <functional>
#include <memory>

// One system-wide shortcut. It is registered from its creation until its destruction, so the
// owner decides how long it listens: the registry holds it only weakly. Pausing unregisters
// it; resuming registers it again under a new id. Main thread only.
class HotKey : public std::enable_shared_from_this<HotKey> {
    struct Private {};

public:
    using Handler = std::function<void()>;

    static std::shared_ptr<HotKey> create(const KeyCombo &keyCombo, Handler keyDownHandler = {},
                                          Handler keyUpHandler = {}, HotKeyLabel label = {});
    static std::shared_ptr<HotKey> create(quint32 carbonKeyCode, quint32 carbonModifiers,
                                          Handler keyDownHandler = {}, Handler keyUpHandler = {});
    static std::shared_ptr<HotKey> create(Key key, ModifierFlags modifiers,
                                          Handler keyDownHandler = {}, Handler keyUpHandler = {});

    // Use create(): a hotkey registers itself, which needs a shared owner.
    HotKey(Private, const KeyCombo &keyCombo, Handler keyDownHandler, Handler keyUpHandler,
           HotKeyLabel label);
    ~HotKey();
    HotKey(const HotKey &) = delete;
    HotKey &operator=(const HotKey &) = delete;

    const QUuid &identifier() const { return m_identifier; }
    const KeyCombo &keyCombo() const { return m_keyCombo; }
    // How a desktop that lists shortcuts names this one; empty for none.
    const HotKeyLabel &label() const { return m_label; }

    const Handler &keyDownHandler() const { return m_keyDownHandler; }
    void setKeyDownHandler(Handler handler) { m_keyDownHandler = std::move(handler); }
    const Handler &keyUpHandler() const { return m_keyUpHandler; }
    void setKeyUpHandler(Handler handler) { m_keyUpHandler = std::move(handler); }

    bool isPaused() const { return m_isPaused; }
    void setPaused(bool paused);

private:
    const QUuid m_identifier;
    const KeyCombo m_keyCombo;
    const HotKeyLabel m_label;
    Handler m_keyDownHandler;
    Handler m_keyUpHandler;
    bool m_isPaused = false;
};
