#pragma once

#include "help/AttributedStringGenerator.h"

#include <QColor>
#include <QFont>
#include <QUrl>

#include <optional>

// A string in one style. The fields may be set after construction to restyle it.
class Text : public AttributedStringGenerator {
public:
    explicit Text(QString string, QFont font = defaultFont(), QColor color = Qt::black,
                  std::optional<QUrl> link = std::nullopt);

    // The system font at 12 pixels (a point is a logical pixel here).
    static QFont defaultFont();

    QFont _font;
    QColor _color;
    std::optional<QUrl> _link;
    QString string;

    QTextDocumentFragment attributedString() const override;
    QTextCharFormat attributes() const override;
};
