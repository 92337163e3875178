#pragma once

#include <QString>

// Where the freedesktop desktop portal answers on the session bus; each interface (settings,
// screenshots, global shortcuts) lives on this one object.
namespace Portal {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
} // namespace Portal
