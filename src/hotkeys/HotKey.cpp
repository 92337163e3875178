#include "hotkeys/HotKey.h"

#include "hotkeys/HotKeysController.h"

std::shared_ptr<HotKey> HotKey::create(const KeyCombo &keyCombo, Handler keyDownHandler,
                                       Handler keyUpHandler, HotKeyLabel label) {
    auto hotKey = std::make_shared<HotKey>(Private{}, keyCombo, std::move(keyDownHandler),
                                           std::move(keyUpHandler), std::move(label));
    HotKeysController::registerHotKey(hotKey);
    return hotKey;
}

std::shared_ptr<HotKey> HotKey::create(quint32 carbonKeyCode, quint32 carbonModifiers,
                                       Handler keyDownHandler, Handler keyUpHandler) {
    return create(KeyCombo(carbonKeyCode, carbonModifiers), std::move(keyDownHandler),
                  std::move(keyUpHandler));
}

std::shared_ptr<HotKey> HotKey::create(Key key, ModifierFlags modifiers, Handler keyDownHandler,
                                       Handler keyUpHandler) {
    return create(KeyCombo(key, modifiers), std::move(keyDownHandler), std::move(keyUpHandler));
}

HotKey::HotKey(Private, const KeyCombo &keyCombo, Handler keyDownHandler, Handler keyUpHandler,
               HotKeyLabel label)
    : m_identifier(QUuid::createUuid())
    , m_keyCombo(keyCombo)
    , m_label(std::move(label))
    , m_keyDownHandler(std::move(keyDownHandler))
    , m_keyUpHandler(std::move(keyUpHandler)) {}

HotKey::~HotKey() {
    HotKeysController::unregisterHotKey(*this);
}

void HotKey::setPaused(bool paused) {
    m_isPaused = paused;
    // Both directions are safe to repeat: the registry ignores a hotkey it already has and
    // one it does not have.
    if (paused)
        HotKeysController::unregisterHotKey(*this);
    else
        HotKeysController::registerHotKey(shared_from_this());
}
