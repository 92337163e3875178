#pragma once

#include <QString>
#include <QUrl>

// The desktop's own services: the file manager and the event sounds.
namespace Workspace {

// Shows the file selected in the file manager (org.freedesktop.FileManager1); where no file
// manager offers that, opens its folder with the desktop's default opener. Asynchronous.
void revealFile(const QString &path);
// Plays an event sound of the freedesktop sound theme ("camera-shutter") on a worker thread:
// never blocks, and does nothing where there is no sound.
void playSound(const char *eventId);

} // namespace Workspace
