#include "widgets/SvgImage.h"

#include "platform/DiagnosticLog.h"

#include <QHash>
#include <QSvgRenderer>

SvgImage SvgImage::named(const QString &name) {
    static QHash<QString, SvgImage> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;

    SvgImage image;
    auto renderer = std::make_shared<QSvgRenderer>(QStringLiteral(":/icons/%1.svg").arg(name));
    if (renderer->isValid()) {
        image.m_name = name;
        image.m_renderer = std::move(renderer);
    } else {
        QLOG_ERROR("No image named", name);
    }
    cache.insert(name, image);
    return image;
}

QSizeF SvgImage::size() const {
    return m_renderer ? QSizeF(m_renderer->defaultSize()) : QSizeF();
}

void SvgImage::render(QPainter *painter, const QRectF &target) const {
    if (m_renderer)
        m_renderer->render(painter, target);
}
