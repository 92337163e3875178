#include "preferences/LaunchOnStartup.h"

#include "platform/DiagnosticLog.h"
#include "platform/dbus/InstanceChannel.h"
#include "settings/Preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString LaunchOnStartup::entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + InstanceChannel::serviceName +
           QStringLiteral(".desktop");
}

QString LaunchOnStartup::entryText(const QString &binary) {
    // Inside double quotes, ", `, $ and \ take a backslash; a literal % is written %%.
    QString quoted;
    for (const QChar c : binary) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'%', QStringLiteral("%%"));
    // The entry file escapes backslashes once more.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Quillory\n"
                          "Comment=Draw on the screen while you present\n"
                          "Exec=\"%1\"\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(quoted, InstanceChannel::serviceName);
}

std::optional<QString> LaunchOnStartup::itemReferencesInLoginItems() {
    const QString path = entryPath();
    if (QFileInfo(path).isFile())
        return path;
    return std::nullopt;
}

bool LaunchOnStartup::isOn() {
    const std::optional<QString> existing = itemReferencesInLoginItems();
    if (!existing)
        return false;
    QFile file(*existing);
    if (!file.open(QIODevice::ReadOnly))
        return true; // there; whether it is switched off cannot be told
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        const qsizetype equals = line.indexOf('=');
        if (!inEntry || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed(), value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

bool LaunchOnStartup::followEntry(PreferenceStore &preferences) {
    const bool on = isOn();
    if (Preferences::loginStartStatus.value(preferences) != on)
        Preferences::loginStartStatus.set(preferences, on);
    return on;
}

bool LaunchOnStartup::setLaunchAtStartup(bool enabled) {
    if (!enabled) {
        if (itemReferencesInLoginItems())
            LoginItemsBridge::itemRefInLoginItems();
        return isOn();
    }
    if (isOn())
        return true;
    // Absent or switched off: ours replaces it.
    const QString path = entryPath();
    const QByteArray text = entryText(QCoreApplication::applicationFilePath()).toUtf8();
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(text) != text.size() || !file.commit())
        QLOG_ERROR("Cannot write the autostart entry", path, "-", file.errorString());
    return isOn();
}

std::optional<QString> LoginItemsBridge::itemRefInLoginItems() {
    const std::optional<QString> existing = LaunchOnStartup::itemReferencesInLoginItems();
    if (!existing)
        return std::nullopt;
    QFile file(*existing);
    if (!file.remove()) {
        QLOG_ERROR("Cannot remove the autostart entry", *existing, "-", file.errorString());
        return std::nullopt;
    }
    return existing;
}
