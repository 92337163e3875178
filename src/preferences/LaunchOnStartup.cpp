#include "preferences/LaunchOnStartup.h"

#include "platform/DiagnosticLog.h"
#include "platform/InstanceChannel.h"

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

bool LaunchOnStartup::setLaunchAtStartup(bool enabled) {
    const std::optional<QString> existing = itemReferencesInLoginItems();
    if (!enabled) {
        if (existing)
            LoginItemsBridge::itemRefInLoginItems();
        return itemReferencesInLoginItems().has_value();
    }
    const QString path = entryPath();
    const QByteArray text = entryText(QCoreApplication::applicationFilePath()).toUtf8();
    QFile current(path);
    if (existing && current.open(QIODevice::ReadOnly) && current.readAll() == text)
        return true; // there, and for this binary
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(text) != text.size() || !file.commit())
        QLOG_ERROR("Cannot write the autostart entry", path, "-", file.errorString());
    return itemReferencesInLoginItems().has_value();
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
