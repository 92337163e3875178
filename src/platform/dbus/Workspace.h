#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The desktop's own services: the file manager and the event sounds.
namespace Workspace {

// Shows the file selected in the file manager (org.freedesktop.FileManager1); where no file
// manager offers that, opens its folder with the desktop's default opener. Asynchronous.
void revealFile(const QString &path);
// Plays an event sound of the freedesktop sound theme ("camera-shutter") on a worker thread:
// never blocks, and does nothing where there is no sound. The description is for those who
// cannot hear it.
void playSound(const QString &eventId, const QString &description = {});
// While set, sounds go to the listener instead of the speakers (tests hear them there).
void setSoundListener(std::function<void(const QString &eventId)> listener);

} // namespace Workspace
