#pragma once

#include "help/AttributedStringGenerator.h"

// Two styled texts joined: the first's text followed by the second's, each run keeping its
// format. The style is the first's overlaid with the second's.
class TextComposition : public AttributedStringGenerator {
public:
    TextComposition(const AttributedStringGenerator &a, const AttributedStringGenerator &b);

    QTextDocumentFragment attributedString() const override { return m_attributedString; }
    QTextCharFormat attributes() const override { return m_attributes; }

private:
    QTextDocumentFragment m_attributedString;
    QTextCharFormat m_attributes;
};

TextComposition operator+(const AttributedStringGenerator &a, const AttributedStringGenerator &b);
