#pragma once

#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

// A named vector image from the application's resources (":/icons/<name>.svg"). Drawing it
// straight into the painter keeps it sharp at any device pixel ratio.
class SvgImage {
public:
    SvgImage() = default;

    // Looked up once per name and kept for the life of the process, like named
    // images. An unknown name gives a null image (and an error line in the log).
    static SvgImage named(const QString &name);

    bool isNull() const { return !m_renderer; }
    QString name() const { return m_name; }
    QSizeF size() const;
    void render(QPainter *painter, const QRectF &target) const;

    bool operator==(const SvgImage &other) const { return m_renderer == other.m_renderer; }

private:
    QString m_name;
    std::shared_ptr<QSvgRenderer> m_renderer;
};
