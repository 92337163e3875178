#include "hotkeys/HotKeysController.h"

#include "hotkeys/HotKey.h"
#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"

#include <limits>
#include <string_view>

namespace {

struct Registry {
    std::shared_ptr<HotKeyBackend> backend;
    std::map<quint32, HotKeysController::HotKeyBox> hotKeys;
    quint32 hotKeysCount = 0;
    void *eventHandler = nullptr;
};

QString refusal(int status) {
    switch (status) {
    case HotKeysController::noServiceErr:
        return QStringLiteral("there is no hotkey service");
    case eventHotKeyExistsErr:
        return QStringLiteral("another program holds the combination");
    case eventHotKeyInvalidErr:
        return QStringLiteral("the desktop cannot grab this key");
    default:
        return QStringLiteral("the hotkey service failed with status %1").arg(status);
    }
}

Registry &registry() {
    // Never destroyed: a hotkey held by another static may be released after main returns
    // and still unregisters itself then.
    static Registry *const instance = new Registry;
    return *instance;
}

// Records what the service said about an entry; a refusal without the service's own reason
// gets the status's. A refusal is logged, as the user only notices that a shortcut does
// nothing.
void setStatus(HotKeysController::HotKeyBox &box, int status, QString reason) {
    const bool refused = status != noErr && status != hotKeyPending;
    if (refused && reason.isEmpty())
        reason = refusal(status);
    if (box.status == status && box.reason == reason)
        return;
    box.status = status;
    box.reason = reason;
    if (refused) {
        const std::shared_ptr<HotKey> hotKey = box.hotKey.lock();
        const KeyCombo combo = hotKey ? hotKey->keyCombo() : KeyCombo(0, 0);
        QLOG_ERROR("Could not register the hotkey", combo.nativeText(),
                   "(" + combo.description() + "):", reason + ". It will not respond.");
    }
    Q_EMIT HotKeysController::statusReporter().statusChanged();
}

// A later word of the service on one of its registrations.
void statusReported(void *reference, int status, const QString &reason) {
    for (auto &[id, box] : registry().hotKeys) {
        if (box.carbonEventHotKey == reference && reference)
            setStatus(box, status, reason);
    }
}

} // namespace

void HotKeysController::setBackend(std::shared_ptr<HotKeyBackend> backend) {
    registry().backend = std::move(backend);
    if (registry().backend)
        registry().backend->setStatusHandler(&statusReported);
    // The handler belongs to the service it was installed with.
    registry().eventHandler = nullptr;
}

const HotKeysController::HotKeyBox *HotKeysController::box(const HotKey &hotKey) {
    for (const auto &[id, box] : registry().hotKeys) {
        if (box.identifier == hotKey.identifier())
            return &box;
    }
    return nullptr;
}

HotKeyStatusReporter &HotKeysController::statusReporter() {
    static HotKeyStatusReporter reporter;
    return reporter;
}

HotKeyBackend *HotKeysController::backend() {
    return registry().backend.get();
}

void HotKeysController::registerHotKey(const std::shared_ptr<HotKey> &hotKey) {
    Registry &state = registry();
    for (const auto &[id, box] : state.hotKeys) {
        if (box.identifier == hotKey->identifier())
            return;
    }
    if (state.hotKeysCount == std::numeric_limits<quint32>::max())
        QUILLORY_FATAL(QStringLiteral("hotkey ids are used up"));
    const quint32 id = ++state.hotKeysCount;
    // The entry goes in before the service is asked, and stays when it refuses: the hotkey
    // then simply never fires.
    HotKeyBox &box = state.hotKeys[id] =
        HotKeyBox{hotKey->identifier(), hotKey, id, nullptr, hotKeyPending, {}};

    const KeyCombo &combo = hotKey->keyCombo();
    void *reference = nullptr;
    if (state.backend && !hotKey->label().name.isEmpty())
        state.backend->setLabel({signature(), id}, hotKey->label());
    int status = state.backend
                     ? state.backend->registerHotKey(combo.carbonKeyCode, combo.carbonModifiers,
                                                     signature(), id, &reference)
                     : noServiceErr;
    if (!reference && (status == noErr || status == hotKeyPending))
        status = eventInternalErr;
    box.carbonEventHotKey = reference;
    setStatus(box, status, {});
    if (reference)
        updateEventHandler();
}

void HotKeysController::unregisterHotKey(const HotKey &hotKey) {
    Registry &state = registry();
    for (auto entry = state.hotKeys.begin(); entry != state.hotKeys.end(); ++entry) {
        if (entry->second.identifier != hotKey.identifier())
            continue;
        // A refused registration has no reference to end.
        if (entry->second.carbonEventHotKey && state.backend)
            state.backend->unregisterHotKey(entry->second.carbonEventHotKey);
        entry->second.hotKey.reset();
        state.hotKeys.erase(entry);
        return;
    }
}

std::shared_ptr<HotKey> HotKeysController::hotKey(quint32 carbonHotKeyID) {
    Registry &state = registry();
    const auto entry = state.hotKeys.find(carbonHotKeyID);
    if (entry == state.hotKeys.end())
        return nullptr;
    if (std::shared_ptr<HotKey> live = entry->second.hotKey.lock())
        return live;
    state.hotKeys.erase(entry);
    return nullptr;
}

int HotKeysController::handleCarbonEvent(const HotKeyEvent *event) {
    if (!event)
        return eventNotHandledErr;
    if (event->parameterStatus != noErr)
        return event->parameterStatus;
    if (event->hotKeyID.signature != signature())
        return eventNotHandledErr;
    // Held for the call: a handler may release its own hotkey.
    const std::shared_ptr<HotKey> target = hotKey(event->hotKeyID.id);
    if (!target || target->isPaused())
        return eventNotHandledErr;

    HotKey::Handler handler;
    if (event->kind == kEventHotKeyPressed)
        handler = target->keyDownHandler();
    else if (event->kind == kEventHotKeyReleased)
        handler = target->keyUpHandler();
    if (!handler)
        return eventNotHandledErr;
    // Called from a copy, so a handler may replace itself while it runs.
    handler();
    return noErr;
}

void HotKeysController::updateEventHandler() {
    Registry &state = registry();
    if (state.hotKeysCount == 0 || state.eventHandler || !state.backend)
        return;
    void *reference = nullptr;
    const int status = state.backend->installEventHandler(
        [](const HotKeyEvent *event) { return handleCarbonEvent(event); }, &reference);
    if (status != noErr || !reference) {
        QLOG_ERROR("Could not install the hotkey event handler: status", status);
        return;
    }
    state.eventHandler = reference;
}

const std::map<quint32, HotKeysController::HotKeyBox> &HotKeysController::hotKeys() {
    return registry().hotKeys;
}

quint32 HotKeysController::hotKeysCount() {
    return registry().hotKeysCount;
}

void *HotKeysController::eventHandler() {
    return registry().eventHandler;
}

quint32 HotKeysController::signature() {
    static const quint32 code = [] {
        quint32 value = 0;
        for (const char character : std::string_view("PzHk"))
            value = (value << 8) + quint8(character);
        return value;
    }();
    return code;
}
