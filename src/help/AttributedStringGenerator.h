#pragma once

#include <QTextCharFormat>
#include <QTextDocumentFragment>

// Anything that makes styled text: the text with its runs' formats, and the one format that
// describes its style (font, foreground colour and, for a link, the anchor).
class AttributedStringGenerator {
public:
    virtual ~AttributedStringGenerator() = default;
    virtual QTextDocumentFragment attributedString() const = 0;
    virtual QTextCharFormat attributes() const = 0;
};
