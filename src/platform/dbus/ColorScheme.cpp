#include "platform/dbus/ColorScheme.h"

#include "platform/DiagnosticLog.h"
#include "platform/dbus/Portal.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// The portal wraps the value in one variant, some versions in two.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

ColorScheme::Preference fromValue(const QVariant &value) {
    bool ok = false;
    const uint number = unwrapped(value).toUInt(&ok);
    return ok && number <= 2 ? ColorScheme::Preference(number) : ColorScheme::Preference::none;
}

bool darkWindow(const QPalette &palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

ColorScheme::ColorScheme(QObject *parent)
    : QObject(parent)
    , m_startPalette(QApplication::palette()) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!bus.connect(Portal::service, Portal::path, kInterface, QStringLiteral("SettingChanged"),
                     this, SLOT(settingChanged(QDBusMessage))))
        QLOG("Cannot follow the desktop's colour scheme:", bus.lastError().message());
    read();
}

void ColorScheme::read() {
    QDBusMessage call = QDBusMessage::createMethodCall(Portal::service, Portal::path, kInterface,
                                                       QStringLiteral("Read"));
    call << kGroup << kKey;
    // Asked without waiting: a portal that starts slowly must not hold up the tray icon.
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                if (reply.isError()) {
                    QLOG("No colour scheme from the desktop:", reply.error().message());
                    return;
                }
                apply(fromValue(QVariant::fromValue(reply.value())));
            });
}

void ColorScheme::settingChanged(const QDBusMessage &message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 3 && arguments[0].toString() == kGroup &&
        arguments[1].toString() == kKey)
        apply(fromValue(arguments[2]));
}

void ColorScheme::apply(Preference preference) {
    // The palette Qt started with, unless dark is asked for and it is light; a palette that
    // is dark already (the desktop's own Qt theme) stays.
    QPalette target = m_startPalette;
    if (preference == Preference::dark && !darkWindow(target))
        target = darkPalette();
    if (target != QApplication::palette())
        QApplication::setPalette(target);
    QLOG("Colour scheme:", darkWindow(QApplication::palette()) ? "dark" : "light");
}

QPalette ColorScheme::darkPalette() {
    const QColor window(45, 45, 48), base(30, 30, 32), text(235, 235, 235);
    const QColor disabled(128, 128, 128);
    QPalette palette(window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window.lighter(110));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window.lighter(120));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Highlight, QColor(10, 132, 255));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(64, 156, 255));
    palette.setColor(QPalette::LinkVisited, QColor(160, 120, 255));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    palette.setColor(QPalette::Light, window.lighter(160));
    palette.setColor(QPalette::Midlight, window.lighter(130));
    palette.setColor(QPalette::Mid, window.lighter(110));
    palette.setColor(QPalette::Dark, window.darker(150));
    palette.setColor(QPalette::Shadow, Qt::black);
    return palette;
}
