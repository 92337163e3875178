#include "help/Text.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>

Text::Text(QString string, QFont font, QColor color, std::optional<QUrl> link)
    : _font(std::move(font))
    , _color(std::move(color))
    , _link(std::move(link))
    , string(std::move(string)) {}

QFont Text::defaultFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(12);
    return font;
}

QTextCharFormat Text::attributes() const {
    QTextCharFormat format;
    format.setFont(_font);
    format.setForeground(_color);
    if (_link) {
        format.setAnchor(true);
        format.setAnchorHref(_link->toString());
    }
    return format;
}

QTextDocumentFragment Text::attributedString() const {
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(string, attributes());
    cursor.setPosition(0, QTextCursor::KeepAnchor);
    return QTextDocumentFragment(cursor);
}
