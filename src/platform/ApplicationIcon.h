#pragma once

#include <QIcon>
#include <QString>

// Quillory's own icon, drawn from its SVG.
namespace ApplicationIcon {

QIcon icon();
// The icon as a PNG file in the user's cache folder, for programs that take a path (the
// notification server); made once, empty when it cannot be written.
QString file();

} // namespace ApplicationIcon
