#pragma once

#include "platform/HotKeyBackend.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

// What the desktop shortcut services (the GlobalShortcuts portal, KDE's kglobalaccel) share:
// they know a shortcut by its label's name, not by a key grab, so registrations are kept here
// by reference with their label, and a press of a name goes to its newest registration.
class ShortcutServiceBackend : public QObject, public HotKeyBackend {
public:
    int installEventHandler(EventHandler handler, void **reference) override;
    void setLabel(const EventHotKeyID &hotKeyID, const HotKeyLabel &label) override;

protected:
    struct Registration {
        quintptr reference;
        EventHotKeyID hotKeyID;
        HotKeyLabel label;
        QString trigger; // the service's form of the combination, where it wants one
    };

    // The label given for (signature, id), or a made-up one when none was.
    HotKeyLabel takeLabel(quint32 signature, quint32 id);
    // Keeps a registration; returns the reference that names it.
    void *add(const EventHotKeyID &hotKeyID, const HotKeyLabel &label, const QString &trigger = {});
    // Drops the registration a reference names; nothing when there is none.
    std::optional<Registration> remove(void *reference);
    // A press or release of the shortcut `name`, for its newest registration.
    void deliver(quint32 kind, const QString &name);

    QList<Registration> m_registrations; // oldest first

private:
    QHash<quint64, HotKeyLabel> m_labels; // by signature << 32 | id, until registered
    EventHandler m_handler;
    quintptr m_lastReference = 0;
};
