#pragma once

#include <QDBusConnection>
#include <QString>

// Where the freedesktop desktop portal answers on the session bus; each interface (settings,
// screenshots, global shortcuts) lives on this one object.
namespace Portal {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");

// The path of the Request object a call made on `bus` with the handle_token `token` gets
// (":1.42" asking with token T gets .../request/1_42/T). Known before the call, so that its
// Response can be listened for first and a quick answer is not missed.
inline QString requestPath(const QDBusConnection &bus, const QString &token) {
    return path + QStringLiteral("/request/") + bus.baseService().mid(1).replace(u'.', u'_') +
           u'/' + token;
}
} // namespace Portal
