#include "platform/ApplicationIcon.h"

#include "platform/DiagnosticLog.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>

namespace ApplicationIcon {

namespace {
const QString source = QStringLiteral(":/icons/quillory.svg");
} // namespace

QIcon icon() {
    return QIcon(source);
}

bool prefersSymbolicIcons(const QString &currentDesktop) {
    static const QStringList symbolic{QStringLiteral("GNOME"), QStringLiteral("Unity"),
                                      QStringLiteral("Pantheon"), QStringLiteral("Budgie")};
    const QStringList names = currentDesktop.split(u':', Qt::SkipEmptyParts);
    return std::any_of(names.begin(), names.end(), [](const QString &name) {
        return symbolic.contains(name, Qt::CaseInsensitive);
    });
}

QIcon trayIcon() {
    const QString symbolicName = QGuiApplication::desktopFileName() + QStringLiteral("-symbolic");
    if (prefersSymbolicIcons(qEnvironmentVariable("XDG_CURRENT_DESKTOP")) &&
        QIcon::hasThemeIcon(symbolicName))
        return QIcon::fromTheme(symbolicName);
    return QIcon(QStringLiteral(":/icons/statusbar-icon.svg"));
}

QString file() {
    static const QString path = [] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        const QString target = folder + QStringLiteral("/quillory-128.png");
        if (QFileInfo::exists(target))
            return target;
        QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QSvgRenderer(source).render(&painter);
        painter.end();
        QSaveFile out(target);
        if (!QDir().mkpath(folder) || !out.open(QIODevice::WriteOnly) || !image.save(&out, "png") ||
            !out.commit()) {
            QLOG("Cannot write the application icon to", target);
            return QString();
        }
        return target;
    }();
    return path;
}

} // namespace ApplicationIcon
