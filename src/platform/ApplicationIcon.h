#pragma once

#include <QIcon>
#include <QString>

// Quillory's own icon, drawn from its SVG.
namespace ApplicationIcon {

QIcon icon();
// The tray icon: the installed one-colour variant on desktops that draw their panels with
// symbolic icons (GNOME and its relatives, which tint it to the panel), else the coloured pen.
QIcon trayIcon();
// Whether the desktop named in XDG_CURRENT_DESKTOP ("ubuntu:GNOME") prefers symbolic icons.
bool prefersSymbolicIcons(const QString &currentDesktop);
// The icon as a PNG file in the user's cache folder, for programs that take a path (the
// notification server); made once, empty when it cannot be written.
QString file();

} // namespace ApplicationIcon
