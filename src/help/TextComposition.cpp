#include "help/TextComposition.h"

#include <QTextCursor>
#include <QTextDocument>

TextComposition::TextComposition(const AttributedStringGenerator &a,
                                 const AttributedStringGenerator &b)
    : m_attributes(a.attributes()) {
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertFragment(a.attributedString());
    cursor.insertFragment(b.attributedString());
    cursor.setPosition(0, QTextCursor::KeepAnchor);
    m_attributedString = QTextDocumentFragment(cursor);
    m_attributes.merge(b.attributes());
}

TextComposition operator+(const AttributedStringGenerator &a, const AttributedStringGenerator &b) {
    return TextComposition(a, b);
}
